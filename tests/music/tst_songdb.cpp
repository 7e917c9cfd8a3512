#include "music/songdb.h"

#include "itunesdbwriter.h"
#include "music/itunesdbloader.h"

#include <QTest>

#include <optional>

using namespace Qt::Literals::StringLiterals;

class TstSongDB : public QObject
{
    Q_OBJECT

private slots:
    void listAccess();
    void defaultsOfNewEntry();
    void texts_data();
    void texts();
    void textFromItself();
    void entryLeavesItsList_data();
    void entryLeavesItsList();
    void loadedListMoves();
    void textsWrittenByAReader_data();
    void textsWrittenByAReader();
};

using TWrites = QList<std::pair<TSongText, QByteArray>>;
Q_DECLARE_METATYPE(TWrites)

namespace {

const QList<TSongText> kAllTexts = {
    TSongText::Location, TSongText::Title, TSongText::Artist,    TSongText::Album,    TSongText::Genre,
    TSongText::Comment,  TSongText::Kind,  TSongText::Equalizer, TSongText::Composer, TSongText::Grouping};

/// A database of `count` sample songs, read into `loader`.
void LoadSamples(TITunesDBLoader &loader, int count)
{
    TITunesDBWriter w;
    for (int i = 0; i < count; ++i)
        w.FTracks.append(TITunesDBWriter::SampleTrack(i));
    loader.LoadFromStream(w.ToBytes());
}

QString SampleText(int index, quint32 type)
{
    for (const TITDBString &s : TITunesDBWriter::SampleTrack(index).strings)
        if (s.type == type)
            return s.text;
    return {};
}

} // namespace

void TstSongDB::listAccess()
{
    TITBSongList list;
    list.AddNew().SetTitle(u"one"_s);
    TITBSongItem video;
    video.FIsVideo = true;
    list.Add(video);
    QCOMPARE(list.Count(), 2);
    QCOMPARE(list.VideoCount(), 1);
    for (int index : {2, -1, 1000}) {
        try {
            list.Items(index);
            QFAIL("no exception");
        } catch (const TITBException &e) {
            QCOMPARE(e.Message(), u"アイテム番号%1にはアイテムが存在しません"_s.arg(index));
        }
    }
    list.Delete(0);
    QCOMPARE(list.Count(), 1);
    QVERIFY(list.Items(0).FIsVideo);
    list.Truncate(0);
    QCOMPARE(list.Count(), 0);
    TITBPlayLists playlists;
    playlists.AddNew();
    QVERIFY_THROWS_EXCEPTION(TITBException, playlists.Items(1));
}

void TstSongDB::defaultsOfNewEntry()
{
    const TDateTime before = NowDateTime();
    TITBSongList list;
    const TITBSongItem &s = list.AddNew();
    const TDateTime after = NowDateTime();
    QCOMPARE(s.FYear, 2000);
    QCOMPARE(s.FSampleRate, 44100);
    QCOMPARE(s.FSize, qint64(0));
    for (const TSongText text : kAllTexts)
        QVERIFY(s.Text(text).isEmpty() && s.TextView(text).isEmpty());
    for (TDateTime d : {s.FDateAdded, s.FDateModified, s.FLastPlayed})
        QVERIFY(d >= before - 1e-6 && d <= after + 1e-6);
}

void TstSongDB::texts_data()
{
    QTest::addColumn<int>("which");
    for (const TSongText text : kAllTexts)
        QTest::addRow("text %d", int(text)) << int(text);
}

void TstSongDB::texts()
{
    // Setting one text keeps the others, on an entry of its own and on one read from a database.
    QFETCH(int, which);
    const TSongText text = TSongText(which);
    TITunesDBLoader loader;
    LoadSamples(loader, 3);
    TITBSongItem own;
    for (const TSongText other : kAllTexts)
        own.SetText(other, u"値 %1"_s.arg(int(other)));
    for (TITBSongItem *song : {&own, &loader.FSongs.Items(1)}) {
        const TITBSongItem before = *song;
        song->SetText(text, u"新しい ü"_s);
        for (const TSongText other : kAllTexts) {
            const QString expected = other == text ? u"新しい ü"_s : before.Text(other);
            QCOMPARE(song->Text(other), expected);
            QCOMPARE(song->TextView(other), expected);
        }
        song->SetText(text, QString());
        QVERIFY(song->Text(text).isEmpty());
    }
    // The neighbours in the list keep theirs.
    QCOMPARE(loader.FSongs.Items(0).Location(), SampleText(0, 2));
    QCOMPARE(loader.FSongs.Items(2).Title(), SampleText(2, 1));
}

void TstSongDB::textFromItself()
{
    TITBSongItem song;
    song.SetArtist(u"Artist"_s);
    song.SetTitle(u"Title"_s);
    song.SetText(TSongText::Title, song.ArtistView());
    QCOMPARE(song.Title(), u"Artist"_s);
    song.SetText(TSongText::Album, song.TitleView().first(3));
    QCOMPARE(song.Album(), u"Art"_s);
    QCOMPARE(song.Artist(), u"Artist"_s);
}

void TstSongDB::entryLeavesItsList_data()
{
    QTest::addColumn<QString>("how");
    for (const char *how : {"copy", "move", "copy assignment", "move assignment", "into another list"})
        QTest::addRow("%s", how) << QString::fromLatin1(how);
}

void TstSongDB::entryLeavesItsList()
{
    // An entry taken out of a list keeps its texts after the list is cleared (the sanitizers see any
    // text left pointing into the list's memory).
    QFETCH(QString, how);
    TITunesDBLoader loader;
    LoadSamples(loader, 40);
    TITBSongItem &inList = loader.FSongs.Items(30);
    std::optional<TITBSongItem> out;
    TITBSongList other;
    if (how == u"copy"_s) {
        out.emplace(inList);
    } else if (how == u"move"_s) {
        out.emplace(std::move(inList));
    } else if (how == u"copy assignment"_s) {
        out.emplace();
        *out = inList;
    } else if (how == u"move assignment"_s) {
        out.emplace();
        *out = std::move(inList);
    } else {
        other.Add(std::move(inList));
    }
    // The entry in the list is unchanged by a move out of it.
    QCOMPARE(loader.FSongs.Items(30).Title(), SampleText(30, 1));
    loader.Clear();
    const TITBSongItem &kept = out ? *out : other.Items(0);
    QCOMPARE(kept.Title(), SampleText(30, 1));
    QCOMPARE(kept.Location(), SampleText(30, 2));
    QCOMPARE(kept.ComposerView(), SampleText(30, 12));
    QCOMPARE(kept.FTrackID, 130);
}

void TstSongDB::loadedListMoves()
{
    TITunesDBLoader loader;
    LoadSamples(loader, 500);
    TITBSongList moved(std::move(loader.FSongs));
    QCOMPARE(loader.FSongs.Count(), 0);
    loader.Clear();
    QCOMPARE(moved.Count(), 500);
    QCOMPARE(moved.Items(499).Artist(), SampleText(499, 4));
    TITBSongList assigned;
    assigned.AddNew().SetTitle(u"replaced"_s);
    assigned = std::move(moved);
    QCOMPARE(assigned.Items(0).Title(), SampleText(0, 1));
}

void TstSongDB::textsWrittenByAReader_data()
{
    // Texts as a reader writes them (kind, UTF-16LE bytes) and the ten texts the entry then has.
    QTest::addColumn<TWrites>("writes");
    QTest::addColumn<QStringList>("expected");
    const auto le = [](const QString &text) {
        QByteArray bytes;
        for (const QChar c : text)
            bytes.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
        return bytes;
    };
    const auto texts = [](std::initializer_list<std::pair<TSongText, QString>> set) {
        QStringList all(kSongTextCount);
        for (const auto &[which, text] : set)
            all[int(which)] = text;
        return all;
    };
    QTest::addRow("none") << TWrites{} << texts({});
    QTest::addRow("in order") << TWrites{{TSongText::Title, le(u"曲"_s)},
                                         {TSongText::Artist, le(u"Artist"_s)},
                                         {TSongText::Genre, le(u"G"_s)}}
                              << texts({{TSongText::Title, u"曲"_s},
                                        {TSongText::Artist, u"Artist"_s},
                                        {TSongText::Genre, u"G"_s}});
    QTest::addRow("out of order") << TWrites{{TSongText::Composer, le(u"C"_s)},
                                             {TSongText::Title, le(u"T"_s)}}
                                  << texts({{TSongText::Composer, u"C"_s}, {TSongText::Title, u"T"_s}});
    QTest::addRow("later one wins") << TWrites{{TSongText::Title, le(u"first"_s)},
                                               {TSongText::Title, le(u"second"_s)}}
                                    << texts({{TSongText::Title, u"second"_s}});
    QTest::addRow("NUL inside a blank, in the first word and after it; trailing NULs padding")
        << TWrites{{TSongText::Title, le(u"ab\0cdefgh"_s)}, {TSongText::Album, le(u"abcdefgh\0ij\0\0"_s)}}
        << texts({{TSongText::Title, u"ab cdefgh"_s}, {TSongText::Album, u"abcdefgh ij"_s}});
    QTest::addRow("odd last byte dropped")
        << TWrites{{TSongText::Title, QByteArray("a\0b", 3)}} << texts({{TSongText::Title, u"a"_s}});
    QTest::addRow("empty") << TWrites{{TSongText::Title, QByteArray()}} << texts({});
    // Texts far longer than the first blocks of the list's memory: the song's texts move as they grow.
    TWrites longWrites;
    QStringList longTexts(kSongTextCount);
    for (int i = 0; i < kSongTextCount; ++i) {
        longTexts[i] = QString(30000 + i, QChar(u'あ' + i));
        longWrites.append({TSongText(i), le(longTexts[i])});
    }
    QTest::addRow("long texts") << longWrites << longTexts;
}

void TstSongDB::textsWrittenByAReader()
{
    QFETCH(TWrites, writes);
    QFETCH(QStringList, expected);
    TITBSongList list;
    list.SetLastText(TSongText::Title, QByteArray("x\0", 2)); // no entry yet: nothing happens
    list.AddNew().SetTitle(u"before"_s);
    list.AddNew();
    for (const auto &[which, bytes] : std::as_const(writes))
        list.SetLastText(which, bytes);
    // The next entry stores them, as StoreLastTexts does.
    list.AddNew();
    list.SetLastText(TSongText::Title, QByteArray("n\0", 2));
    list.StoreLastTexts();
    for (int i = 0; i < kSongTextCount; ++i)
        QCOMPARE(list.Items(1).TextView(TSongText(i)), expected.at(i));
    QCOMPARE(list.Items(0).Title(), u"before"_s);
    QCOMPARE(list.Items(2).Title(), u"n"_s);
}

QTEST_GUILESS_MAIN(TstSongDB)
#include "tst_songdb.moc"
