#include "music/playcounts.h"
#include "music/songdb.h"

#include "playcountswriter.h"

#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

using namespace Qt::Literals::StringLiterals;

using TEntries = QList<TPlayCountEntry>;
Q_DECLARE_METATYPE(TEntries)

class TstPlayCounts : public QObject
{
    Q_OBJECT

private slots:
    void applied_data();
    void applied();
    void damaged_data();
    void damaged();
    void missingFile();
};

namespace {

constexpr quint32 kLastPlayed = 3'800'000'000u; // Mac time, 2024

TPlayCountEntry Entry(qint32 plays, quint32 lastPlayed, std::optional<quint8> rating = {}, qint32 skips = 0)
{
    TPlayCountEntry e;
    e.FPlays = plays;
    e.FLastPlayed = lastPlayed;
    e.FRating = rating;
    e.FSkips = skips;
    return e;
}

/// Two songs with the database's own figures: 5 plays, rated 40, last played at Mac time 1000.
void TwoSongs(TITBSongList &songs)
{
    for (int i = 0; i < 2; ++i) {
        TITBSongItem &s = songs.AddNew(0);
        s.FPlayCount = 5;
        s.FRating = 40;
        s.FLastPlayed = MacTimeToDateTime(1000);
    }
}

} // namespace

void TstPlayCounts::applied_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QList<int>>("plays");
    QTest::addColumn<QList<int>>("ratings");
    QTest::addColumn<QList<quint32>>("lastPlayed");
    QTest::addColumn<int>("skipsOfFirst");
    const TEntries entries{Entry(3, kLastPlayed, 100, 2), Entry(0, 0, 60)};
    QTest::addRow("full entries") << PlayCountsFile(entries) << QList<int>{8, 5} << QList<int>{100, 60}
                                  << QList<quint32>{kLastPlayed, 1000} << 2;
    // Entries of 16 bytes carry the rating but no skips.
    QTest::addRow("entries with rating") << PlayCountsFile(entries, 0x10) << QList<int>{8, 5}
                                         << QList<int>{100, 60} << QList<quint32>{kLastPlayed, 1000} << 0;
    // Entries of 12 bytes carry no rating: the database's stays.
    QTest::addRow("entries without rating") << PlayCountsFile(entries, 0x0C) << QList<int>{8, 5}
                                            << QList<int>{40, 40} << QList<quint32>{kLastPlayed, 1000} << 0;
    // Longer entries of later players: the fields known stay where they are.
    QTest::addRow("longer entries") << PlayCountsFile(entries, 0x24) << QList<int>{8, 5}
                                    << QList<int>{100, 60} << QList<quint32>{kLastPlayed, 1000} << 2;
}

void TstPlayCounts::applied()
{
    QFETCH(QByteArray, file);
    QFETCH(QList<int>, plays);
    QFETCH(QList<int>, ratings);
    QFETCH(QList<quint32>, lastPlayed);
    QFETCH(int, skipsOfFirst);
    TITBSongList songs;
    TwoSongs(songs);
    TPlayCounts counts;
    counts.LoadFromBytes(file);
    counts.ApplyTo(songs);
    QVERIFY2(counts.FWarning.isEmpty(), qPrintable(counts.FWarning));
    QCOMPARE(counts.FEntries.size(), 2);
    QCOMPARE(counts.FEntries[0].FSkips, skipsOfFirst);
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(songs.Items(i).FPlayCount, plays[i]);
        QCOMPARE(int(songs.Items(i).FRating), ratings[i]);
        QCOMPARE(songs.Items(i).FLastPlayed, MacTimeToDateTime(lastPlayed[i]));
    }
}

void TstPlayCounts::damaged_data()
{
    QTest::addColumn<QByteArray>("file");
    const QByteArray good = PlayCountsFile({Entry(3, kLastPlayed, 100), Entry(1, kLastPlayed)});
    QTest::addRow("empty") << QByteArray();
    QTest::addRow("wrong tag") << QByteArray("mhbd").append(good.mid(4));
    QTest::addRow("header only partly there") << good.left(10);
    QTest::addRow("cut in the last entry") << good.left(good.size() - 3);
    QByteArray tinyEntries = good;
    qToLittleEndian<quint32>(4, tinyEntries.data() + 8);
    QTest::addRow("entry smaller than its fields") << tinyEntries;
    QByteArray huge = good;
    qToLittleEndian<quint32>(0xFFFFFFFF, huge.data() + 12);
    QTest::addRow("count beyond the file") << huge;
    QByteArray headerPastEnd = good;
    qToLittleEndian<quint32>(0xFFFFFFF0, headerPastEnd.data() + 4);
    QTest::addRow("header length past the end") << headerPastEnd;
    QTest::addRow("negative plays") << PlayCountsFile({Entry(-1, 0), Entry(1, 0)});
    QTest::addRow("plays beyond any player") << PlayCountsFile({Entry(2'000'000'000, 1), Entry(1, 0)});
    // Three entries for two songs: written for another database.
    QTest::addRow("more entries than songs") << PlayCountsFile({Entry(1, 0), Entry(1, 0), Entry(1, 0)});
    QTest::addRow("fewer entries than songs") << PlayCountsFile({Entry(1, 0)});
}

void TstPlayCounts::damaged()
{
    QFETCH(QByteArray, file);
    TITBSongList songs;
    TwoSongs(songs);
    TPlayCounts counts;
    counts.LoadFromBytes(file);
    counts.ApplyTo(songs);
    QVERIFY(!counts.FWarning.isEmpty());
    QVERIFY(counts.FEntries.isEmpty());
    for (int i = 0; i < 2; ++i) { // the database's figures only
        QCOMPARE(songs.Items(i).FPlayCount, 5);
        QCOMPARE(int(songs.Items(i).FRating), 40);
        QCOMPARE(songs.Items(i).FLastPlayed, MacTimeToDateTime(1000));
    }
}

void TstPlayCounts::missingFile()
{
    QTemporaryDir dir;
    TPlayCounts counts;
    counts.FWarning = u"left from before"_s;
    counts.LoadFromFile(dir.filePath(u"Play Counts"_s));
    QVERIFY(counts.FEntries.isEmpty());
    QVERIFY(counts.FWarning.isEmpty());
}

QTEST_GUILESS_MAIN(TstPlayCounts)
#include "tst_playcounts.moc"
