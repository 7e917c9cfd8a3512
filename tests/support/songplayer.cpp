#include "songplayer.h"

#include "devicefixtures.h"
#include "fixturefiles.h"
#include "itunesdbwriter.h"

using namespace Qt::Literals::StringLiterals;

QString DefaultSongLocation(int index, bool video)
{
    return u":iPod_Control:Music:F00:S%1.%2"_s.arg(index).arg(video ? u"m4v"_s : u"mp3"_s);
}

bool WriteSongPlayer(const QString &root, const QList<TFixtureSong> &songs,
                     const QList<TFixturePlaylist> &playlists)
{
    const QString base = root.endsWith(u'/') ? root : root + u'/';
    TITunesDBWriter writer;
    for (int i = 0; i < songs.size(); ++i) {
        const TFixtureSong &s = songs.at(i);
        const QString location = s.location.isEmpty() ? DefaultSongLocation(i, s.video) : s.location;
        TITDBTrack t;
        t.trackId = 100 + i;
        t.size = quint32(s.data.size());
        t.trackNumber = s.trackNumber;
        t.length = s.lengthMs;
        t.mediaType = s.mediaType ? s.mediaType : s.video ? 2 : 1;
        t.fileType = s.video ? "M4V " : "MP3 ";
        t.dbid = 0x1000 + quint64(i);
        t.Str(2, location);
        for (const auto &[type, text] : {std::pair{1u, s.title}, {3u, s.album}, {4u, s.artist}})
            if (!text.isEmpty())
                t.Str(type, text);
        writer.FTracks.append(t);
        if (s.writeFile) {
            QString relative = location;
            relative.replace(u':', u'/');
            if (!WriteFixtureFile(base + relative.mid(relative.startsWith(u'/') ? 1 : 0), s.data))
                return false;
        }
    }
    writer.AddMasterPlaylist();
    for (const TFixturePlaylist &p : playlists) {
        TITDBPlaylist list(p.name, false, 0x5000 + quint64(writer.FPlaylists.size()), {});
        for (const int song : p.songs)
            list.trackIds.append(100 + song);
        list.podcast = p.podcast;
        list.smart = p.smart;
        writer.FPlaylists.append(list);
    }
    return WriteSysInfo(base, u"xA002"_s) && writer.WriteTo(base + u"iPod_Control/iTunes/iTunesDB"_s);
}

QList<TFixtureSong> SongCountCases()
{
    QList<TFixtureSong> songs(4);
    songs[0].title = u"Present"_s;
    songs[1].title = u"Missing"_s;
    songs[1].writeFile = false;
    songs[2].title = u"Video"_s;
    songs[2].video = true;
    songs[3].title = u"Podcast"_s;
    songs[3].mediaType = 4;
    return songs;
}
