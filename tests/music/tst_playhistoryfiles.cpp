#include "music/playcounts.h"
#include "music/playlistfile.h"
#include "music/scrobblelog.h"
#include "music/songdb.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

/// The texts of the files written from playlists and play history: the m3u8 and the scrobble log.
class TstPlayHistoryFiles : public QObject
{
    Q_OBJECT

private slots:
    void playlistText_data();
    void playlistText();
    void playlistFileName_data();
    void playlistFileName();
    void scrobbleLines_data();
    void scrobbleLines();
};

namespace {

/// Songs with track ids 1, 2, 3: a plain one, one whose texts hold a tab and a line break, one without
/// artist.
void Songs(TITBSongList &songs)
{
    const QList<std::pair<QString, QString>> texts{
        {u"Artist"_s, u"Title"_s}, {u"A\tB"_s, u"Two\nlines"_s}, {QString(), u"Alone"_s}};
    for (int i = 0; i < texts.size(); ++i) {
        TITBSongItem &s = songs.AddNew(0);
        s.SetArtist(texts[i].first);
        s.SetTitle(texts[i].second);
        s.SetAlbum(u"Album"_s);
        s.FTrackID = i + 1;
        s.FTrackNumber = i;
        s.FLength = 1499 + 1000 * i; // 1.499 s rounds to 1
    }
}

} // namespace

void TstPlayHistoryFiles::playlistText_data()
{
    QTest::addColumn<QList<qint32>>("trackIds");
    QTest::addColumn<QStringList>("copies"); // by song index; empty: not copied
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QList<int>>("leftOut");
    const QStringList all{u"/out/a/1.mp3"_s, u"/out/b c/2.mp3"_s, u"/out/3(2).mp3"_s};
    QTest::addRow("order, subfolders, renamed copy")
        << QList<qint32>{3, 1, 2} << all
        << QByteArray("#EXTM3U\n#EXTINF:3, - Alone\n3(2).mp3\n#EXTINF:1,Artist - Title\na/1.mp3\n"
                      "#EXTINF:2,A\tB - Two lines\nb c/2.mp3\n")
        << QList<int>{};
    QTest::addRow("not copied left out, unknown track ignored")
        << QList<qint32>{1, 9, 2} << QStringList{all[0], QString(), all[2]}
        << QByteArray("#EXTM3U\n#EXTINF:1,Artist - Title\na/1.mp3\n") << QList<int>{1};
    // A line starting with "#" is a comment to every player, leading blanks are trimmed by many.
    QTest::addRow("paths starting with # or a blank")
        << QList<qint32>{1, 2, 3}
        << QStringList{u"/out/#1 Hit.mp3"_s, u"/out/ Lead/2.mp3"_s, u"/out/a/#3.mp3"_s}
        << QByteArray("#EXTM3U\n#EXTINF:1,Artist - Title\n./#1 Hit.mp3\n#EXTINF:2,A\tB - Two lines\n"
                      "./ Lead/2.mp3\n#EXTINF:3, - Alone\na/#3.mp3\n")
        << QList<int>{};
    QTest::addRow("nothing copied") << QList<qint32>{1} << QStringList{QString(), QString(), QString()}
                                    << QByteArray("#EXTM3U\n") << QList<int>{0};
}

void TstPlayHistoryFiles::playlistText()
{
    QFETCH(QList<qint32>, trackIds);
    QFETCH(QStringList, copies);
    QFETCH(QByteArray, text);
    QFETCH(QList<int>, leftOut);
    TITBSongList songs;
    Songs(songs);
    TITBPlayListData list;
    list.FTrackIDs = trackIds;
    TCopyReport report;
    for (int i = 0; i < copies.size(); ++i)
        report.FOutcomes.append({i, copies[i], copies[i].isEmpty() ? -2 : 0, {}});
    QList<int> missing;
    QCOMPARE(PlayListFileText(u"/out/"_s, songs, list, report, &missing), text);
    QCOMPARE(missing, leftOut);
}

void TstPlayHistoryFiles::playlistFileName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("file");
    QTest::addRow("plain") << u"Road trip"_s << u"Road trip.m3u8"_s;
    QTest::addRow("current folder") << u"."_s << u"_.m3u8"_s;
    QTest::addRow("parent folder") << u".."_s << u"_.m3u8"_s;
    QTest::addRow("dots alone") << u"..."_s << u"_.m3u8"_s;
    QTest::addRow("dots and blanks") << u" . . "_s << u"_.m3u8"_s;
    QTest::addRow("cleaned to blanks") << u"?*:"_s << u"_.m3u8"_s;
    // Decomposed, as a player formatted on a Mac has it: the name is made composed.
    QTest::addRow("decomposed") << u"Cafe\u0301"_s << u"Caf\u00e9.m3u8"_s;
}

void TstPlayHistoryFiles::playlistFileName()
{
    QFETCH(QString, name);
    QFETCH(QString, file);
    QTemporaryDir dir;
    TITBSongList songs;
    Songs(songs);
    TITBPlayListData list;
    list.FName = name;
    list.FTrackIDs = {1};
    TCopyReport report;
    report.FOutcomes.append({0, dir.filePath(u"1.mp3"_s), 0, {}});
    const TPlayListFileResult written = WritePlayListFile(dir.path() + u'/', songs, list, report);
    QCOMPARE(QFileInfo(written.FPath).fileName(), file);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{file});
}

void TstPlayHistoryFiles::scrobbleLines_data()
{
    QTest::addColumn<QList<int>>("plays");
    QTest::addColumn<QList<quint32>>("lastPlayed"); // Mac time
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("untimed");
    constexpr quint32 mac = 3'800'000'000u;
    // The tests run in Asia/Tokyo: the player's wall-clock time is nine hours ahead of UTC.
    const qint64 unix = qint64(mac) - 2082844800 - 9 * 3600;
    QTest::addRow("one play") << QList<int>{1, 0, 0} << QList<quint32>{mac, 0, 0}
                              << QStringList{u"Artist\tAlbum\tTitle\t\t1\tL\t%1\t"_s.arg(unix)} << 0;
    // Three plays of a 2 s song: two seconds apart; the lines of all songs oldest first.
    QTest::addRow("plays spaced back, fields cleaned")
        << QList<int>{1, 3, 0} << QList<quint32>{mac - 3, mac, 0}
        << QStringList{u"A B\tAlbum\tTwo lines\t1\t2\tL\t%1\t"_s.arg(unix - 4),
                       u"Artist\tAlbum\tTitle\t\t1\tL\t%1\t"_s.arg(unix - 3),
                       u"A B\tAlbum\tTwo lines\t1\t2\tL\t%1\t"_s.arg(unix - 2),
                       u"A B\tAlbum\tTwo lines\t1\t2\tL\t%1\t"_s.arg(unix)}
        << 0;
    QTest::addRow("plays without a time left out")
        << QList<int>{2, 0, 1} << QList<quint32>{0, 0, mac}
        << QStringList{u"\tAlbum\tAlone\t2\t3\tL\t%1\t"_s.arg(unix)} << 1;
}

void TstPlayHistoryFiles::scrobbleLines()
{
    QFETCH(QList<int>, plays);
    QFETCH(QList<quint32>, lastPlayed);
    QFETCH(QStringList, lines);
    QFETCH(int, untimed);
    if (qEnvironmentVariable("TZ") != u"Asia/Tokyo"_s)
        QSKIP("run by ctest, in Asia/Tokyo");
    TITBSongList songs;
    Songs(songs);
    TPlayCounts counts;
    for (int i = 0; i < plays.size(); ++i) {
        TPlayCountEntry e;
        e.FPlays = plays[i];
        e.FLastPlayed = lastPlayed[i];
        counts.FEntries.append(e);
    }
    int missing = -1;
    const QByteArray text = ScrobbleLogText(songs, RecordedPlays(songs, counts, &missing), u"Sorvo 1"_s);
    QCOMPARE(QString::fromUtf8(text).split(u'\n'),
             QStringList({u"#AUDIOSCROBBLER/1.1"_s, u"#TZ/UTC"_s, u"#CLIENT/Sorvo 1"_s}) + lines +
                 QStringList{QString()});
    QCOMPARE(missing, untimed);
}

QTEST_GUILESS_MAIN(TstPlayHistoryFiles)
#include "tst_playhistoryfiles.moc"
