#include "common/datetime.h"
#include "common/japanese.h"
#include "fixturefiles.h"
#include "music/itxmakelibrary.h"
#include "music/songdb.h"
#include "smalldisk.h"

#include <QDir>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString Header =
    u"名前\tアーティスト\t作曲者\tアルバム\tグループ\tジャンル\tサイズ\t時間\tディスク番号\tディスク数\t"
    u"トラック番号\tトラック数\t年\t変更日\t追加日\tビットレート\tサンプルレート\t音量調整\t種類\t"
    u"イコライザ\tコメント\t再生回数\t最後に再生した日\tマイレート\t場所"_s;

QByteArray Utf16Bytes(const QString &text)
{
    return QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
}

TDateTime At(int y, int mo, int d, int h, int mi, int s)
{
    return QDateTimeToDateTime(QDateTime(QDate(y, mo, d), QTime(h, mi, s)));
}

} // namespace

class TstITXMakeLibrary : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan)); }
    void row_data();
    void row();
    void dateCell_data();
    void dateCell();
    void runsAccumulateAndSaveReplaces();
    void unwritableTargetThrows();
    void encoding_data();
    void encoding();
    void fullDiskKeepsOldListing();
    void saveIntoFolder_data();
    void saveIntoFolder();
};

void TstITXMakeLibrary::row_data()
{
    QTest::addColumn<TITBSongItem>("song");
    QTest::addColumn<QString>("row");

    TITBSongItem full(At(2006, 5, 4, 13, 2, 3));
    full.SetTitle(u"曲名"_s);
    full.SetArtist(u"歌手"_s);
    full.SetComposer(u"作曲"_s);
    full.SetAlbum(u"盤"_s);
    full.SetGrouping(u"組"_s);
    full.SetGenre(u"Pop"_s);
    full.FSize = 5000000;
    full.FLength = 1999;
    full.FDiscNumber = 1;
    full.FDiscCount = 2;
    full.FTrackNumber = 3;
    full.FTrackCount = 12;
    full.FYear = 2006;
    full.FDateAdded = At(2006, 5, 1, 0, 0, 0);
    full.FBitRate = 128;
    full.FSampleRate = 44100;
    full.FVolume = -5;
    full.SetKind(u"MPEG オーディオファイル"_s);
    full.SetEqualizer(u"Rock"_s);
    full.SetComment(u"c"_s);
    full.FPlayCount = 7;
    full.FRating = 60;
    QTest::addRow("every column")
        << full
        << u"曲名\t歌手\t作曲\t盤\t組\tPop\t5000000\t1\t1\t2\t3\t12\t2006\t2006/05/04 "
           u"13:02:03\t2006/05/01\t128\t"
           u"44100\t-5\tMPEG オーディオファイル\tRock\tc\t7\t2006/05/04 13:02:03\t60\t/pc/曲名.mp3"_s;

    TITBSongItem zeros(MacTimeToDateTime(0));
    zeros.FYear = 0;
    zeros.FSampleRate = 0;
    QTest::addRow("zero numbers are empty cells")
        << zeros
        << u"\t\t\t\t\t\t\t\t\t\t\t\t\t1904/01/01\t1904/01/01\t\t\t\t\t\t\t\t1904/01/01\t\t/pc/曲名.mp3"_s;

    TITBSongItem split(MacTimeToDateTime(0));
    split.SetTitle(u"Two\nlines"_s);
    split.SetArtist(u"A\tB"_s);
    split.SetAlbum(u"CR\r\nLF"_s);
    split.SetComment(u"first\r\nsecond\tthird"_s);
    split.FYear = 0;
    split.FSampleRate = 0;
    QTest::addRow("tabs and line breaks become blanks")
        << split
        << u"Two lines\tA B\t\tCR  LF\t\t\t\t\t\t\t\t\t\t1904/01/01\t1904/01/01\t\t\t\t\t\tfirst  second "
           u"third\t\t1904/01/01\t\t/pc/曲名.mp3"_s;
}

void TstITXMakeLibrary::row()
{
    QFETCH(TITBSongItem, song);
    QFETCH(QString, row);
    TITXMakeLibrary library;
    library.Add(song, u"/pc/曲名.mp3"_s);
    QCOMPARE(library.FLines, (QStringList{Header, row}));
    QCOMPARE(row.count(u'\t'), 24);
}

void TstITXMakeLibrary::dateCell_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::addRow("midnight") << At(2024, 1, 2, 0, 0, 0) << u"2024/01/02"_s;
    QTest::addRow("one second past") << At(2024, 1, 2, 0, 0, 1) << u"2024/01/02 0:00:01"_s;
    QTest::addRow("afternoon") << At(1999, 12, 31, 23, 59, 59) << u"1999/12/31 23:59:59"_s;
    QTest::addRow("zero value") << 0.0 << u"1899/12/30"_s;
}

void TstITXMakeLibrary::dateCell()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(TITXMakeLibrary::DateCell(value), text);
}

void TstITXMakeLibrary::runsAccumulateAndSaveReplaces()
{
    QTemporaryDir dir;
    TITXMakeLibrary library;
    TITBSongItem song(At(2020, 1, 1, 0, 0, 0));
    song.SetTitle(u"一"_s);
    library.Add(song, dir.filePath(u"A/一.mp3"_s));
    QVERIFY(QDir(dir.path()).mkpath(u"A"_s));
    QVERIFY(QDir(dir.path()).mkpath(u"B"_s));
    library.SaveToFile(dir.filePath(u"A/iPodLibrary.TXT"_s));

    song.SetTitle(u"二"_s);
    library.Add(song, dir.filePath(u"B/二.mp3"_s));
    const QString target = dir.filePath(u"B/iPodLibrary.TXT"_s);
    QVERIFY(WriteFixtureFile(target, QByteArray(100000, 'x')));
    library.SaveToFile(target);

    const QByteArray bytes = ReadFixtureFile(target);
    QVERIFY(bytes.endsWith("\r\n"));
    const QStringList lines = ShiftJisToUnicode(bytes).split(u"\r\n"_s);
    QCOMPARE(lines.size(), 4); // header, two rows, the empty piece after the last CR LF
    QCOMPARE(lines[0], Header);
    QVERIFY(lines[1].startsWith(u"一\t"_s));
    QVERIFY(lines[1].endsWith(dir.filePath(u"A/一.mp3"_s)));
    QVERIFY(lines[2].endsWith(dir.filePath(u"B/二.mp3"_s)));
    QCOMPARE(ShiftJisToUnicode(ReadFixtureFile(dir.filePath(u"A/iPodLibrary.TXT"_s))).count(u"\r\n"_s), 2);

    library.Reset();
    QCOMPARE(library.FLines, QStringList{Header});
}

void TstITXMakeLibrary::unwritableTargetThrows()
{
    QTemporaryDir dir;
    TITXMakeLibrary library;
    QVERIFY_THROWS_EXCEPTION(ESorvoError, library.SaveToFile(dir.filePath(u"missing/iPodLibrary.TXT"_s)));
}

void TstITXMakeLibrary::encoding_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("unicode");
    QTest::addRow("Japanese only: Shift-JIS") << u"夜明けの歌"_s << false;
    QTest::addRow("Korean: UTF-16LE") << u"아침 이슬"_s << true;
    QTest::addRow("emoji: UTF-16LE") << u"Song 🎵"_s << true;
}

void TstITXMakeLibrary::encoding()
{
    QFETCH(QString, title);
    QFETCH(bool, unicode);
    QTemporaryDir dir;
    TITXMakeLibrary library;
    TITBSongItem song(At(2020, 1, 1, 0, 0, 0));
    song.SetTitle(title);
    const QString copy = dir.filePath(title + u".mp3"_s);
    library.Add(song, copy);
    const QString path = dir.filePath(u"iPodLibrary.TXT"_s);
    library.SaveToFile(path);
    const QByteArray bytes = ReadFixtureFile(path);
    QString text;
    if (unicode) {
        QVERIFY(bytes.startsWith("\xFF\xFE"));
        text = QString::fromUtf16(reinterpret_cast<const char16_t *>(bytes.constData() + 2),
                                  (bytes.size() - 2) / 2);
    } else {
        QVERIFY(!bytes.startsWith("\xFF\xFE"));
        text = ShiftJisToUnicode(bytes);
    }
    const QStringList lines = text.split(u"\r\n"_s);
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines[0], Header);
    QVERIFY(lines[1].startsWith(title + u'\t'));
    QVERIFY(lines[1].endsWith(copy)); // the location names the copy, character for character
}

void TstITXMakeLibrary::fullDiskKeepsOldListing()
{
    TSmallDisk disk(128 * 1024);
    if (!disk.Mounted())
        QSKIP("a small file system can only be mounted by root");
    const QString path = disk.FilePath(u"iPodLibrary.TXT"_s);
    QVERIFY(WriteFixtureFile(path, "old listing\r\n"));
    TITXMakeLibrary library;
    TITBSongItem song(At(2020, 1, 1, 0, 0, 0));
    song.SetTitle(QString(300, u'曲'));
    for (int i = 0; i < 400; ++i)
        library.Add(song, u"/music/%1.mp3"_s.arg(i));
    disk.Fill();
    QVERIFY_THROWS_EXCEPTION(ESorvoError, library.SaveToFile(path));
    QCOMPARE(ReadFixtureFile(path), QByteArray("old listing\r\n"));
    QCOMPARE(FolderEntries(disk.Path()), (QStringList{u"filler"_s, u"iPodLibrary.TXT"_s}));
}

void TstITXMakeLibrary::saveIntoFolder_data()
{
    QTest::addColumn<QByteArray>("existing"); // the iPodLibrary.TXT already there; null: none
    QTest::addColumn<bool>("secondTaken");    // iPodLibrary(2).TXT is there too
    QTest::addColumn<QString>("title");       // of the song this run lists
    QTest::addColumn<QString>("written");     // the file the listing went to
    QTest::addColumn<bool>("appended");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QByteArray>("expected"); // the listing's bytes afterwards; null: not checked

    const QByteArray header = UnicodeToShiftJis(Header) + "\r\n";
    const QByteArray earlier = header + "Old\tBand\r\n";
    const QByteArray other = "my own notes\r\n";
    TITBSongItem song(At(2020, 1, 1, 0, 0, 0));
    song.SetTitle(u"New"_s);
    TITXMakeLibrary library;
    library.Add(song, u"/pc/New.mp3"_s);
    const QByteArray newRow = UnicodeToShiftJis(library.FLines.at(1)) + "\r\n";

    QTest::addRow("no file: written")
        << QByteArray() << false << u"New"_s << u"iPodLibrary.TXT"_s << false << 1 << header + newRow;
    QTest::addRow("an earlier listing: rows added, no second header")
        << earlier << false << u"New"_s << u"iPodLibrary.TXT"_s << true << 1 << earlier + newRow;
    QTest::addRow("an earlier listing without a last line end")
        << earlier.chopped(2) << false << u"New"_s << u"iPodLibrary.TXT"_s << true << 1 << earlier + newRow;
    QTest::addRow("rows already there are not added again")
        << earlier + newRow << false << u"New"_s << u"iPodLibrary.TXT"_s << true << 0 << earlier + newRow;
    QTest::addRow("another file kept, (2) written")
        << other << false << u"New"_s << u"iPodLibrary(2).TXT"_s << false << 1 << header + newRow;
    QTest::addRow("(2) taken as well: (3)")
        << other << true << u"New"_s << u"iPodLibrary(3).TXT"_s << false << 1 << header + newRow;
    QTest::addRow("an empty file is not a listing")
        << QByteArray("") << false << u"New"_s << u"iPodLibrary(2).TXT"_s << false << 1 << header + newRow;
    // A row Shift-JIS cannot hold turns the whole listing into UTF-16, the earlier rows with it.
    QTest::addRow("an earlier Shift-JIS listing and a Korean title")
        << earlier << false << u"아침"_s << u"iPodLibrary.TXT"_s << true << 1 << QByteArray();
    QTest::addRow("an earlier UTF-16 listing")
        << QByteArray("\xFF\xFE", 2) + Utf16Bytes(Header + u"\r\nOld\tBand\r\n"_s) << false << u"New"_s
        << u"iPodLibrary.TXT"_s << true << 1 << QByteArray();
}

void TstITXMakeLibrary::saveIntoFolder()
{
    QFETCH(QByteArray, existing);
    QFETCH(bool, secondTaken);
    QFETCH(QString, title);
    QFETCH(QString, written);
    QFETCH(bool, appended);
    QFETCH(int, rows);
    QFETCH(QByteArray, expected);
    QTemporaryDir dir;
    const QString first = dir.filePath(u"iPodLibrary.TXT"_s);
    if (!existing.isNull())
        QVERIFY(WriteFixtureFile(first, existing));
    if (secondTaken)
        QVERIFY(WriteFixtureFile(dir.filePath(u"iPodLibrary(2).TXT"_s), "taken"));
    TITXMakeLibrary library;
    TITBSongItem song(At(2020, 1, 1, 0, 0, 0));
    song.SetTitle(title);
    library.Add(song, u"/pc/"_s + title + u".mp3"_s);

    const TListingSaved saved = library.SaveIntoFolder(dir.path());
    QCOMPARE(saved.FPath, dir.filePath(written));
    QCOMPARE(saved.FAppended, appended);
    QCOMPARE(saved.FRows, rows);
    QCOMPARE(saved.FKept, written == u"iPodLibrary.TXT"_s ? QString() : first);
    // A file that is not a listing, and a listing's earlier rows, stay as they were.
    if (written != u"iPodLibrary.TXT"_s)
        QCOMPARE(ReadFixtureFile(first), existing);
    if (secondTaken)
        QCOMPARE(ReadFixtureFile(dir.filePath(u"iPodLibrary(2).TXT"_s)), QByteArray("taken"));
    const QByteArray bytes = ReadFixtureFile(saved.FPath);
    if (!expected.isNull()) {
        QCOMPARE(bytes, expected);
    } else {
        QVERIFY(bytes.startsWith("\xFF\xFE"));
        const QString text = QString::fromUtf16(reinterpret_cast<const char16_t *>(bytes.constData() + 2),
                                                (bytes.size() - 2) / 2);
        QCOMPARE(text, Header + u"\r\nOld\tBand\r\n"_s + library.FLines.at(1) + u"\r\n"_s);
    }
    QCOMPARE(FolderEntries(dir.path()).size(), 1 + int(written != u"iPodLibrary.TXT"_s) + int(secondTaken));
}

QTEST_GUILESS_MAIN(TstITXMakeLibrary)
#include "tst_itxmakelibrary.moc"
