#include "demoplayer.h"

#include "artworkdbwriter.h"
#include "audiofilewriter.h"
#include "devicefixtures.h"
#include "fixturefiles.h"
#include "itunesdbwriter.h"

#include "common/japanese.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>

using namespace Qt::Literals::StringLiterals;
using namespace AudioFileWriter;

namespace {

struct TDemoSong
{
    const char16_t *title;
    const char16_t *artist;
    const char16_t *album;
    const char16_t *genre;
    int year;
};

const TDemoSong kSongs[] = {
    {u"朝の光", u"青空楽団", u"はじまりの歌", u"J-Pop", 2004},
    {u"風のとおり道", u"青空楽団", u"はじまりの歌", u"J-Pop", 2004},
    {u"夕焼け坂", u"青空楽団", u"はじまりの歌", u"J-Pop", 2004},
    {u"星降る夜に", u"青空楽団", u"夜の帳", u"J-Pop", 2006},
    {u"月の舟", u"青空楽団", u"夜の帳", u"J-Pop", 2006},
    {u"Slow River", u"Midnight Owls", u"Night Flight", u"Jazz", 2001},
    {u"Blue Lantern", u"Midnight Owls", u"Night Flight", u"Jazz", 2001},
    {u"Paper Moon Walk", u"Midnight Owls", u"Night Flight", u"Jazz", 2001},
    {u"Last Train Home", u"Midnight Owls", u"City Lights", u"Jazz", 2003},
    {u"Neon Rain", u"Midnight Owls", u"City Lights", u"Jazz", 2003},
    {u"さくらさくら", u"さくら子", u"春の便り", u"Folk", 2005},
    {u"菜の花畑", u"さくら子", u"春の便り", u"Folk", 2005},
    {u"こいのぼり", u"さくら子", u"春の便り", u"Folk", 2005},
    {u"La Fenêtre", u"Les Étoiles", u"Été Indien", u"Chanson", 1999},
    {u"Café Noir", u"Les Étoiles", u"Été Indien", u"Chanson", 1999},
    {u"Rêverie", u"Les Étoiles", u"Été Indien", u"Chanson", 1999},
    {u"Mr. Blue Sky Line", u"Mr. Big Band", u"Swing: Live", u"Big Band", 2002},
    {u"A/B Test", u"Mr. Big Band", u"Swing: Live", u"Big Band", 2002},
    {u"Question?", u"Mr. Big Band", u"Swing: Live", u"Big Band", 2002},
    {u"봄날", u"한강 Trio", u"Seoul Nights", u"K-Pop", 2006},
    {u"Han River", u"한강 Trio", u"Seoul Nights", u"K-Pop", 2006},
    {u"Untitled Sketch", u"", u"", u"Ambient", 2000},
    {u"", u"", u"", u"", 2000},
    {u"Ocean Drive", u"Sunset Boulevard", u"Coastline", u"Rock", 2005},
    {u"Highway 9", u"Sunset Boulevard", u"Coastline", u"Rock", 2005},
    {u"Desert Rose", u"Sunset Boulevard", u"Coastline", u"Rock", 2005},
    {u"Harbor Lights", u"Sunset Boulevard", u"Coastline", u"Rock", 2005},
    {u"雨上がり", u"ミドリ", u"雨のち晴れ", u"J-Pop", 2007},
    {u"虹の橋", u"ミドリ", u"雨のち晴れ", u"J-Pop", 2007},
    {u"ひだまり", u"ミドリ", u"雨のち晴れ", u"J-Pop", 2007},
};

const TDemoSong kVideos[] = {
    {u"Live at the Harbor", u"Sunset Boulevard", u"Coastline", u"Music Video", 2005},
    {u"桜の季節 (PV)", u"さくら子", u"春の便り", u"Music Video", 2005},
    {u"Night Flight Documentary", u"Midnight Owls", u"", u"Documentary", 2006},
};

// Mac time of a local date-time, as the song database stores it.
quint32 MacTime(const QDateTime &t)
{
    return quint32(QDateTime(QDate(1904, 1, 1), QTime(0, 0)).secsTo(t));
}

QImage DemoPicture(int width, int height, int seed)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor::fromHsv((seed * 47) % 360, 160, 220));
    QPainter p(&image);
    p.setPen(QPen(QColor::fromHsv((seed * 47 + 180) % 360, 200, 120), qMax(2, width / 12)));
    p.drawEllipse(QRect(width / 5, height / 5, width * 3 / 5, height * 3 / 5));
    p.drawLine(0, height - 1, width - 1, 0);
    return image;
}

bool WriteShiftJis(const QString &path, const QString &text)
{
    QString crlf = text;
    crlf.replace(u"\r\n"_s, u"\n"_s).replace(u'\n', u"\r\n"_s);
    return WriteFixtureFile(path, UnicodeToShiftJis(crlf));
}

bool WriteUtf8Crlf(const QString &path, const QString &text)
{
    QString crlf = text;
    crlf.replace(u"\r\n"_s, u"\n"_s).replace(u'\n', u"\r\n"_s);
    return WriteFixtureFile(path, crlf.toUtf8());
}

} // namespace

QString BuildDemoPlayer(const QString &root)
{
    QDir().mkpath(root);
    if (!WriteSysInfo(root, u"xA002"_s, u"4H6123DEMO"_s))
        return u"SysInfo"_s;
    if (!WriteDeviceInfo(root, u"デモのiPod"_s, u"山田 花子"_s))
        return u"DeviceInfo"_s;

    // Songs and videos with real MPEG audio at their locations.
    TITunesDBWriter db;
    const QDateTime added(QDate(2007, 4, 1), QTime(21, 15));
    int index = 0;
    const auto addTrack = [&](const TDemoSong &s, bool video) -> bool {
        TITDBTrack t;
        const int id = 100 + index;
        t.trackId = id;
        t.dbid = 0x1000000000000000ULL + quint64(index);
        const QString folder = u"F%1"_s.arg(index % 5, 2, 10, QChar(u'0'));
        const QString file = u"D%1"_s.arg(index, 3, 10, QChar(u'0')) + (video ? u".m4v"_s : u".mp3"_s);
        const QString location = u":iPod_Control:Music:"_s + folder + u':' + file;
        QByteArray bytes;
        if (video) {
            bytes = QByteArray(64 * 1024, '\0'); // a placeholder standing for a film
            t.fileType = "M4V ";
            t.mediaType = 2;
            t.length = 180000 + index * 1000;
            t.bitRate = 1500;
        } else {
            TId3v2Writer tag(3);
            tag.Text("TIT2", 1, QString::fromUtf16(s.title));
            tag.Text("TPE1", 1, QString::fromUtf16(s.artist));
            tag.Text("TALB", 1, QString::fromUtf16(s.album));
            tag.Text("TYER", 0, QString::number(s.year));
            tag.Padding(64);
            const int seconds = 2 + index % 3;
            bytes = tag.Build() + MpegAudio(qint64(seconds) * 16000);
            t.length = seconds * 1000;
            t.bitRate = 128;
        }
        if (!WriteFixtureFile(root + u'/' + QString(location).replace(u':', u'/').mid(1), bytes))
            return false;
        t.size = quint32(bytes.size());
        t.year = s.year;
        t.trackNumber = index % 5 + 1;
        t.trackCount = 5;
        t.rating = quint8((index % 6) * 20);
        t.playCount = index * 3 % 17;
        t.dateAdded = MacTime(added.addDays(index));
        t.dateModified = MacTime(added.addDays(index + 1));
        t.lastPlayed = index % 4 == 0 ? 0 : MacTime(added.addDays(index + 30));
        t.Str(1, QString::fromUtf16(s.title));
        t.Str(2, location);
        t.Str(3, QString::fromUtf16(s.album));
        t.Str(4, QString::fromUtf16(s.artist));
        t.Str(5, QString::fromUtf16(s.genre));
        t.Str(6, video ? u"MPEG-4 ビデオファイル"_s : u"MPEG オーディオファイル"_s);
        if (index % 7 == 3)
            t.Str(8, u"デモ用のコメント"_s);
        db.FTracks << t;
        ++index;
        return true;
    };
    for (const TDemoSong &s : kSongs)
        if (!addTrack(s, false))
            return u"songs"_s;
    for (const TDemoSong &s : kVideos)
        if (!addTrack(s, true))
            return u"videos"_s;
    db.AddMasterPlaylist(u"デモのiPod"_s);
    // Two playlists in a folder and a smart one, songs picked across the library.
    TITDBPlaylist folder(u"お気に入り"_s, false, 0x2000, {});
    TITDBPlaylist drive(u"ドライブ"_s, false, 0x2001, {});
    drive.parentId = folder.id;
    TITDBPlaylist night(u"夜に聴く"_s, false, 0x2002, {});
    night.parentId = folder.id;
    TITDBPlaylist recent(u"最近追加した曲"_s, false, 0x2003, {});
    recent.smart = true;
    const int songCount = int(std::size(kSongs));
    for (int i = 0; i < songCount; ++i) {
        const qint32 id = db.FTracks[i].trackId;
        (i % 3 == 0 ? drive : night).trackIds.prepend(id);
        if (i >= songCount - 5)
            recent.trackIds.append(id);
    }
    db.FPlaylists << folder << drive << night << recent;
    if (!db.WriteTo(root + u"/iPod_Control/iTunes/iTunesDB"_s))
        return u"iTunesDB"_s;

    // Artwork for the first ten songs and the videos: 100 x 100 little-endian RGB565.
    TArtworkDBWriter art;
    TIthmbWriter artFile;
    for (int i = 0; i < index; ++i) {
        if (i >= 10 && i < int(std::size(kSongs)))
            continue;
        TArtDBPicture picture;
        picture.imageId = quint32(100 + i);
        picture.songId = 0x1000000000000000ULL + quint64(i);
        TArtDBThumb thumb;
        thumb.fileName = u":F1028_1.ithmb"_s;
        thumb.format = 1028;
        thumb.width = thumb.height = 100;
        const QByteArray pixels = EncodeRgb565(DemoPicture(100, 100, i), 100, false);
        thumb.offset = artFile.Append(pixels);
        thumb.size = quint32(pixels.size());
        picture.thumbs << thumb;
        art.FPictures << picture;
    }
    if (!art.WriteTo(root + u"/iPod_Control/Artwork/ArtworkDB"_s) ||
        !artFile.WriteTo(root + u"/iPod_Control/Artwork/F1028_1.ithmb"_s))
        return u"ArtworkDB"_s;

    // Photos: two albums, thumbnails of 130 x 88 and full-size JPEG files.
    TArtworkDBWriter photos;
    TIthmbWriter photoFile;
    const QStringList albumNames{u"旅行 2006"_s, u"家族"_s};
    QList<quint32> library;
    QList<QList<quint32>> albums(2);
    for (int i = 0; i < 5; ++i) {
        TArtDBPicture picture;
        picture.imageId = quint32(200 + i);
        const QString full = u"F%1/IMG_%2.jpg"_s.arg(i % 2, 2, 10, QChar(u'0')).arg(1000 + i);
        const QString fullPath = root + u"/Photos/Full Resolution/"_s + full;
        QDir().mkpath(QFileInfo(fullPath).absolutePath());
        if (!DemoPicture(640, 480, 20 + i).save(fullPath, "JPEG", 90))
            return u"photo files"_s;
        picture.fullFile = u":Full Resolution:"_s + QString(full).replace(u'/', u':');
        TArtDBThumb thumb;
        thumb.fileName = u":Thumbs:F1009_1.ithmb"_s;
        thumb.format = 1009;
        thumb.width = 130;
        thumb.height = 88;
        const QByteArray pixels = EncodeRgb565(DemoPicture(130, 88, 20 + i), 130, false);
        thumb.offset = photoFile.Append(pixels);
        thumb.size = quint32(pixels.size());
        picture.thumbs << thumb;
        photos.FPictures << picture;
        library << picture.imageId;
        albums[i < 3 ? 0 : 1] << picture.imageId;
    }
    photos.FAlbums << TArtDBAlbum();
    photos.FAlbums.last().name = u"フォトライブラリ"_s;
    photos.FAlbums.last().kind = 1;
    photos.FAlbums.last().imageIds = library;
    for (int a = 0; a < 2; ++a) {
        photos.FAlbums << TArtDBAlbum();
        photos.FAlbums.last().name = albumNames[a];
        photos.FAlbums.last().imageIds = albums[a];
    }
    if (!photos.WriteTo(root + u"/Photos/Photo Database"_s) ||
        !photoFile.WriteTo(root + u"/Photos/Thumbs/F1009_1.ithmb"_s))
        return u"Photo Database"_s;

    // Notes: a short note and a text divided into three linked pages.
    bool ok = WriteShiftJis(root + u"/Notes/はじめに.txt"_s,
                            u"<?xml encoding=\"Shift-JIS\"?>\n<Title>はじめに</Title>\n"
                            u"Sorvo のデモ用プレーヤーです。\n曲、ビデオ、写真、メモ、アドレス帳、"
                            u"カレンダーと ToDo が入っています。\n"_s);
    for (int page = 1; page <= 3; ++page) {
        QString text =
            u"<a href=\"長い話 %1.txt\">--- %2/3 ---</a>\n"_s.arg(page, 3, 10, QChar(u'0')).arg(page);
        text += u"<?xml encoding=\"Shift-JIS\"?>\n<Title>長い話 %1</Title>\n"_s.arg(page, 3, 10, QChar(u'0'));
        for (int line = 0; line < 40; ++line)
            text += u"第%1頁の%2行目。むかしむかし、あるところに古い iPod がありました。\n"_s.arg(page).arg(
                line + 1);
        if (page < 3)
            text += u"<a href=\"長い話 %1.txt\">次へ</a>\n"_s.arg(page + 1, 3, 10, QChar(u'0'));
        ok = ok && WriteShiftJis(root + u"/Notes/長い話/長い話 %1.txt"_s.arg(page, 3, 10, QChar(u'0')), text);
    }
    // Contacts (Shift-JIS), events and tasks (UTF-8 values).
    ok = ok && WriteShiftJis(
                   root + u"/Contacts/山田太郎.vcf"_s,
                   u"BEGIN:vcard\nVERSION:3.0\nEMAIL;PREF;INTERNET:taro@example.jp\n"
                   u"tel;type=cell:090-0000-0000\nNOTE:大学の友人\nN:山田;太郎\nFN:山田 太郎\nEND:vcard\n"_s);
    ok = ok && WriteShiftJis(root + u"/Contacts/Jane Doe.vcf"_s,
                             u"BEGIN:vcard\nVERSION:3.0\ntel;type=work:+1-555-0100\nORG:Example Corp.\n"
                             u"N:Doe;Jane\nFN:Jane Doe\nEND:vcard\n"_s);
    const QDate today = QDate::currentDate();
    const auto stamp = [](QDate d, int h, int m) -> QString {
        return d.toString(u"yyyyMMdd"_s) + u'T' + QTime(h, m).toString(u"HHmm"_s) + u"00"_s;
    };
    ok = ok && WriteUtf8Crlf(root + u"/Calendars/歯医者.ics"_s,
                             u"BEGIN:vcalender\nVERSION:2.0\nBEGIN:vevent\nPRIORITY:0\nDTSTART:"_s +
                                 stamp(today.addDays(7), 10, 30) +
                                 u"\nSUMMARY:歯医者\nDESCRIPTION:駅前の医院\n"
                                 u"END:vevent\nEND:vcalender\n"_s);
    ok = ok && WriteUtf8Crlf(root + u"/Calendars/old-meeting.ics"_s,
                             u"BEGIN:vcalender\nVERSION:2.0\nBEGIN:vevent\nPRIORITY:3\nDTSTART:"_s +
                                 stamp(today.addMonths(-2), 14, 0) +
                                 u"\nSUMMARY:定例会議\nEND:vevent\nEND:vcalender\n"_s);
    ok = ok &&
         WriteUtf8Crlf(root + u"/Calendars/todo-backup.ics"_s,
                       u"BEGIN:vcalender\nVERSION:2.0\nBEGIN:vtodo\nDESCRIPTION:写真と曲をPCへ\nDTEND:"_s +
                           stamp(today.addDays(3), 9, 0) + u"\nDTSTART:"_s + stamp(today.addDays(3), 9, 0) +
                           u"\nSUMMARY:バックアップ\nEND:vtodo\nEND:vcalender\n"_s);
    if (!ok)
        return u"notes and personal information"_s;
    return {};
}
