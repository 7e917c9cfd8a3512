#include "music/songlist.h"
#include "music/songlistmodel.h"

#include "music/songdb.h"
#include "music/songsearch.h"
#include "recordingprogress.h"

#include "recordingservices.h"

#include <QAbstractItemModelTester>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

using TPairs = QList<QStringList>; // {artist, album} or {artist, album, "video"}
using TTree = QList<QStringList>;  // {artist, album...}
Q_DECLARE_METATYPE(TPairs)

class TstSongList : public QObject
{
    Q_OBJECT

private slots:
    void tree_data();
    void tree();
    void loadShowsProgressAndCount();
    void cancelLeavesRowsAndPartialTree();
    void treeIsLinearOnLargeLists();
    void summaryAndChecks();
    void findArtistRow();
    void keywords_data();
    void keywords();
    void search_data();
    void search();
    void artistSearch();
};

namespace {

TITBSongList Songs(const TPairs &pairs)
{
    TITBSongList list;
    int n = 0;
    for (const QStringList &p : pairs) {
        TITBSongItem &s = list.AddNew(0);
        s.SetTitle(p.size() > 3 ? p.at(3) : u"T%1"_s.arg(n));
        s.SetArtist(p.at(0));
        s.SetAlbum(p.at(1));
        s.FIsVideo = p.size() > 2 && p.at(2) == u"video"_s;
        s.FSize = 1048576 + 104858 * qint64(n);
        ++n;
    }
    return list;
}

TTree TreeOf(const TSongListData &data)
{
    TTree tree;
    for (const TArtistNode &node : data.FTree)
        tree << (QStringList{node.FText} + node.FAlbums);
    return tree;
}

} // namespace

void TstSongList::tree_data()
{
    QTest::addColumn<TPairs>("pairs");
    QTest::addColumn<TTree>("expected");
    QTest::addRow("first spelling wins")
        << TPairs{{u"ABC"_s, u"x"_s}, {u"abc"_s, u"y"_s}} << TTree{{u"ABC"_s, u"x"_s, u"y"_s}};
    QTest::addRow("later albums in reverse order")
        << TPairs{{u"A"_s, u"1"_s}, {u"B"_s, u"b"_s}, {u"a"_s, u"2"_s}, {u"A"_s, u"3"_s}}
        << TTree{{u"A"_s, u"1"_s, u"3"_s, u"2"_s}, {u"B"_s, u"b"_s}};
    QTest::addRow("first offered album spelling kept")
        << TPairs{{u"A"_s, u"foo"_s}, {u"A"_s, u"Bar"_s}, {u"A"_s, u"bar"_s}}
        << TTree{{u"A"_s, u"foo"_s, u"bar"_s}};
    QTest::addRow("empty and blank albums add nothing")
        << TPairs{{u"A"_s, u""_s}, {u"A"_s, u"  "_s}} << TTree{{u"A"_s}};
    QTest::addRow("trimmed test, untrimmed text")
        << TPairs{{u"A"_s, u" Alb "_s}, {u"A"_s, u"alb"_s}} << TTree{{u"A"_s, u" Alb "_s, u"alb"_s}};
    QTest::addRow("same album once") << TPairs{{u"A"_s, u"Alb"_s}, {u"A"_s, u"ALB"_s}}
                                     << TTree{{u"A"_s, u"Alb"_s}};
    QTest::addRow("no artist, no node") << TPairs{{u""_s, u"Alb"_s}} << TTree{};
    QTest::addRow("videos never appear")
        << TPairs{{u"V"_s, u"x"_s, u"video"_s}, {u"A"_s, u"y"_s}} << TTree{{u"A"_s, u"y"_s}};
    QTest::addRow("empty list") << TPairs{} << TTree{};
}

void TstSongList::tree()
{
    QFETCH(TPairs, pairs);
    QFETCH(TTree, expected);
    TSongListData data;
    data.FillRows(Songs(pairs));
    QVERIFY(data.BuildTree());
    QCOMPARE(TreeOf(data), expected);
}

void TstSongList::loadShowsProgressAndCount()
{
    TRecordingProgress progress;
    TSongListData data;
    const TITBSongList one = Songs({{u"A"_s, u"x"_s}});
    QCOMPARE(data.Load(one, progress), u"1 曲を読み込みました"_s);
    QCOMPARE(progress.FRuns.size(), 1);
    QCOMPARE(progress.FRuns.at(0).title, u"音楽ファイルの一覧取得"_s);
    QCOMPARE(progress.FRuns.at(0).maximum, 1);

    const TITBSongList songs = Songs({{u"b"_s, u"1"_s},
                                      {u""_s, u"x"_s},
                                      {u"V"_s, u"v"_s, u"video"_s},
                                      {u"a"_s, u"2"_s},
                                      {u"B"_s, u"3"_s}});
    QCOMPARE(data.Load(songs, progress), u"4 曲を読み込みました"_s);
    const auto &run = progress.FRuns.at(1);
    QCOMPARE(run.maximum, 4);
    QCOMPARE(run.labels, (QStringList{u"準備中... 0 %"_s, u"準備中... 60 %"_s, u"準備中... 80 %"_s,
                                      u"Loading... b"_s, u"Loading... a"_s}));
    QCOMPARE(run.positions, (QList<int>{0, 2}));
    // Sorted for display: artists and albums in the locale's order.
    QCOMPARE(TreeOf(data), (TTree{{u"a"_s, u"2"_s}, {u"b"_s, u"1"_s, u"3"_s}}));
    QCOMPARE(data.FRows.size(), 4);
}

void TstSongList::cancelLeavesRowsAndPartialTree()
{
    TRecordingProgress progress;
    progress.FCancelAtCheck = 1; // asked after the first artist
    TSongListData data;
    data.Load(Songs({{u"A"_s, u"1"_s}, {u"B"_s, u"2"_s}, {u"C"_s, u"3"_s}}), progress);
    QCOMPARE(data.FRows.size(), 3);
    QCOMPARE(TreeOf(data), (TTree{{u"A"_s, u"1"_s}}));
}

void TstSongList::treeIsLinearOnLargeLists()
{
    // 65,000 songs by 20,000 artists: the pairwise walk would take billions of comparisons.
    TPairs pairs;
    for (int i = 0; i < 65000; ++i)
        pairs << QStringList{u"Artist %1"_s.arg(i % 20000), u"Album %1"_s.arg(i % 7)};
    TSongListData data;
    data.FillRows(Songs(pairs));
    QVERIFY(data.BuildTree());
    QCOMPARE(data.FTree.size(), 20000);
    QCOMPARE(data.FTree.first().FAlbums,
             (QStringList{u"Album 0"_s, u"Album 3"_s, u"Album 2"_s, u"Album 1"_s}));
}

void TstSongList::summaryAndChecks()
{
    // The marks are the list model's; the data says which rows a tree node stands for.
    const TITBSongList songs =
        Songs({{u"ABC"_s, u"x"_s}, {u"abc"_s, u"Y"_s}, {u""_s, u"y"_s}, {u"D"_s, u"y"_s}});
    TSongListModel list;
    QAbstractItemModelTester tester(&list, QAbstractItemModelTester::FailureReportingMode::QtTest);
    list.Fill(songs);
    const TSongListData &data = list.Data();
    QCOMPARE(list.SelectionSummary(), u"0 曲を選択しています ( 合計 0.0 MB )"_s);
    QCOMPARE(data.ArtistRows(u"Abc"_s), (QList<int>{0, 1}));
    QCOMPARE(list.CheckItems(data.ArtistRows(u"Abc"_s)), 2);
    QCOMPARE(list.SelectionSummary(), u"2 曲を選択しています ( 合計 2.1 MB )"_s);
    QCOMPARE(list.CheckItems(data.ArtistRows(u"Abc"_s)), 0); // no song newly checked
    QCOMPARE(data.ArtistRows(u"不明なアーティスト"_s), QList<int>{2});
    QCOMPARE(data.AlbumRows(u"abc"_s, u"y"_s), QList<int>{1});
    list.SetAllChecked(true);
    QCOMPARE(list.CheckedCount(), 4);
    QCOMPARE(list.CheckedBytes(), 4 * 1048576 + 6 * 104858);
    QCOMPARE(SongSelectionSummary(4, 4 * 1048576 + 6 * 104858), list.SelectionSummary());
}

void TstSongList::findArtistRow()
{
    TSongListData data;
    data.FillRows(Songs({{u"A"_s, u"x"_s}, {u""_s, u"y"_s}, {u"a"_s, u"z"_s}}));
    QCOMPARE(data.FindArtistRow(u"A"_s), 0);
    QCOMPARE(data.FindArtistRow(u"a"_s, {2, 1, 0}), 2);
    QCOMPARE(data.FindArtistRow(u"不明なアーティスト"_s), 1);
    QCOMPARE(data.FindArtistRow(u"none"_s), -1);
}

void TstSongList::keywords_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("keywords");
    QTest::addRow("two spaces") << "rock  pop" << QStringList{u"rock"_s, u"pop"_s};
    QTest::addRow("lower-cased") << "ROCK Pop" << QStringList{u"rock"_s, u"pop"_s};
    QTest::addRow("full-width space does not cut") << "ロック　ポップ" << QStringList{u"ロック　ポップ"_s};
    QTest::addRow("empty") << "" << QStringList{};
    QTest::addRow("blanks only") << "   " << QStringList{};
}

void TstSongList::keywords()
{
    QFETCH(QString, text);
    QFETCH(QStringList, keywords);
    QCOMPARE(SplitKeywords(text), keywords);
}

void TstSongList::search_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<int>>("checked");
    // Rows: 0 "Rock Song" by "Band" on "Live"; 1 "quiet" by "ROCKERS" on "B"; 2 "pop hit" by "X" on "Pop"
    QTest::addRow("either keyword, all fields") << "rock  pop" << int(kFindAll) << 3 << QList<int>{0, 1, 2};
    QTest::addRow("upper-case keyword") << "SONG" << int(kFindTitle) << 1 << QList<int>{0};
    QTest::addRow("artist word not in titles") << "rockers" << int(kFindTitle) << 0 << QList<int>{};
    QTest::addRow("artist word, all fields") << "rockers" << int(kFindAll) << 1 << QList<int>{1};
    QTest::addRow("artist field") << "rock" << int(kFindArtist) << 1 << QList<int>{1};
    QTest::addRow("album field") << "pop" << int(kFindAlbum) << 1 << QList<int>{2};
    QTest::addRow("empty text") << "" << int(kFindAll) << 0 << QList<int>{};
}

void TstSongList::search()
{
    QFETCH(QString, text);
    QFETCH(int, field);
    QFETCH(int, count);
    QFETCH(QList<int>, checked);
    TITBSongList songs = Songs({{u"Band"_s, u"Live"_s, {}, u"Rock Song"_s},
                                {u"ROCKERS"_s, u"B"_s, {}, u"quiet"_s},
                                {u"X"_s, u"Pop"_s, {}, u"pop hit"_s}});
    TSongListData data;
    data.FillRows(songs);
    TRecordingServices services;
    const QList<int> found = SearchSongs(data, text, TSongFindType(field), &services);
    QCOMPARE(found.size(), count);
    QCOMPARE(found, checked);
    QCOMPARE(services.FProgressTexts.last(), u"3/3 曲のチェック処理中"_s);
    // Searching again finds the same songs again.
    QCOMPARE(SearchSongs(data, text, TSongFindType(field), nullptr), found);
    QCOMPARE(SearchResultText(count),
             count ? u"%1 曲をチェック項目に追加しました"_s.arg(count) : u"該当する曲はありませんでした"_s);
}

void TstSongList::artistSearch()
{
    TSongListData data;
    data.FillRows(Songs({{u"ABC"_s, u"x"_s}, {u"D"_s, u"y"_s}, {u"abc"_s, u"z"_s}}));
    data.BuildTree();
    QList<TArtistTick> ticks = ArtistTicks(data);
    QCOMPARE(ticks.size(), 2);
    QVERIFY(SearchArtists(data, ticks, nullptr).isEmpty());
    ticks[0].FTicked = true;
    TRecordingServices services;
    QCOMPARE(SearchArtists(data, ticks, &services), (QList<int>{0, 2}));
    QCOMPARE(services.FProgressTexts,
             (QStringList{u"1/2 曲のチェック処理中"_s, u"2/2 曲のチェック処理中"_s}));
}

QTEST_GUILESS_MAIN(TstSongList)
#include "tst_songlist.moc"
