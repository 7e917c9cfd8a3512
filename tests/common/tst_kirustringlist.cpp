#include "common/kirustringlist.h"

#include "common/sorvoerror.h"
#include "fixturefiles.h"
#include "notefiles.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TstKiruStringList : public QObject
{
    Q_OBJECT
private slots:
    void load_data();
    void load();
    void splitLines_data();
    void splitLines();
    void loadFromFile();
    void brokenUtf8_data();
    void brokenUtf8();
};

void TstKiruStringList::load_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("encoding");
    QTest::addColumn<QString>("text"); // expected lines joined by "\n"

    const QByteArray jis = "\x1B$B$\"\x1B(B";  // あ
    const QByteArray euc = "\xA4\xA2\xA4\xA4"; // あい
    QByteArray longUtf8Cut = u"あ"_s.toUtf8() + QByteArray(32767 - 3 - 1, 'x') + u"い"_s.toUtf8();

    QTest::addRow("ascii is EUC") << QByteArray("abc\r\ndef\r\n") << 0 << 3 << u"abc\ndef"_s;
    QTest::addRow("empty is EUC") << QByteArray() << 0 << 3 << QString();
    QTest::addRow("first non-ASCII 0x82 is Shift-JIS")
        << SjisBytes(u"abcあいう\r\n"_s) << 0 << 1 << u"abcあいう"_s;
    QTest::addRow("UTF-16 BE") << Utf16Bytes(u"日本\r\n語"_s, true) << 0 << 5 << u"日本\n語"_s;
    QTest::addRow("UTF-16 LE") << Utf16Bytes(u"日本\r\n語"_s, false) << 0 << 4 << u"日本\n語"_s;
    QTest::addRow("UTF-16 stops at zero unit")
        << Utf16Bytes(u"ab"_s + QChar(0) + u"cd"_s, false) << 0 << 4 << u"ab"_s;
    QTest::addRow("JIS escape") << (jis + "\r\n") << 0 << 2 << u"あ"_s;
    QTest::addRow("JIS escape after Shift-JIS") << (SjisBytes(u"い"_s) + jis + "\r\n") << 0 << 2 << QString();
    QTest::addRow("EUC") << (euc + "\r\n") << 0 << 3 << u"あい"_s;
    QTest::addRow("last byte never scanned") << QByteArray("abc\x82") << 0 << 3 << QString();
    QTest::addRow("UTF-8 with mark") << (QByteArray("\xEF\xBB\xBF") + u"漢字\r\n"_s.toUtf8()) << 0 << 6
                                     << u"漢字"_s;
    QTest::addRow("UTF-8 without mark") << u"テスト abc\r\n"_s.toUtf8() << 0 << 6 << u"テスト abc"_s;
    QTest::addRow("UTF-8 cut by the window") << longUtf8Cut << 0 << 6 << QString();
    QTest::addRow("ASCII only is not UTF-8") << QByteArray("plain") << 0 << 3 << u"plain"_s;
    QTest::addRow("forced Shift-JIS keeps bytes") << (euc + "\r\n") << 1 << 1 << QString();
    QTest::addRow("forced UTF-16 skips two bytes") << QByteArray("xxa\0b\0", 6) << 4 << 4 << u"ab"_s;
    QTest::addRow("forced EUC") << euc << 3 << 3 << u"あい"_s;
    QTest::addRow("forced UTF-8") << u"é"_s.toUtf8() << 6 << 6 << u"?"_s;
}

void TstKiruStringList::load()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, code);
    QFETCH(int, encoding);
    QFETCH(QString, text);

    TKiruStringList list;
    list.FLines = {"stale"};
    list.LoadFromStreamEx(bytes, code);
    QCOMPARE(list.Encoding, encoding);
    if (!text.isNull())
        QCOMPARE(list.UnicodeText(), text);
    for (const QByteArray &line : list.FLines)
        QVERIFY(!line.contains('\r') && !line.contains('\n'));
    if (text.isEmpty() && !text.isNull())
        QVERIFY(list.FLines.isEmpty());
}

void TstKiruStringList::splitLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QList<QByteArray>>("lines");
    QTest::addRow("mixed ends") << QByteArray("a\rb\nc\r\nd") << QList<QByteArray>{"a", "b", "c", "d"};
    QTest::addRow("empty lines") << QByteArray("\r\n\r\nx\r\n") << QList<QByteArray>{"", "", "x"};
    QTest::addRow("no final end") << QByteArray("x") << QList<QByteArray>{"x"};
}

void TstKiruStringList::splitLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QList<QByteArray>, lines);
    QCOMPARE(SplitTextLines(bytes), lines);
    TKiruStringList list;
    list.SetText(bytes);
    QCOMPARE(list.TextLength(), JoinTextLines(lines).size());
}

void TstKiruStringList::loadFromFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"a.txt"_s);
    WriteFixtureFile(path, Utf16Bytes(u"メモ\r\n"_s, true));
    TKiruStringList list;
    list.LoadFromFileEx(path, 0);
    QCOMPARE(list.Text(), SjisBytes(u"メモ\r\n"_s));
    QVERIFY_THROWS_EXCEPTION(ESorvoError, list.LoadFromFileEx(dir.filePath(u"missing.txt"_s), 0));
}

void TstKiruStringList::brokenUtf8_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("encoding");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("broken");
    QTest::addColumn<int>("replaced");
    QTest::addRow("one stray byte in a short text")
        << (u"テスト"_s.toUtf8() + "\xFF" + u"です\r\n"_s.toUtf8()) << 6 << u"テスト?です"_s << 1 << 1;
    QTest::addRow("a lone continuation byte")
        << (u"メモ: "_s.toUtf8() + "\x80" + u"本文\r\n"_s.toUtf8()) << 6 << u"メモ: ?本文"_s << 1 << 1;
    QTest::addRow("two broken bytes in a line of eight characters")
        << (u"今日は"_s.toUtf8() + "\xC0" + u"いい天気"_s.toUtf8() + "\xFE" + u"です"_s.toUtf8()) << 6
        << u"今日は?いい天気?です"_s << 2 << 2;
    QTest::addRow("a replacement character of the text is no broken byte")
        << u"a\uFFFDあいう"_s.toUtf8() << 6 << u"a?あいう"_s << 0 << 1;
    QTest::addRow("Shift-JIS stays Shift-JIS") << SjisBytes(u"テスト\r\n"_s) << 1 << u"テスト"_s << 0 << 0;
    QTest::addRow("Shift-JIS with half-width katakana")
        << SjisBytes(u"ﾃﾞｰﾀベース\r\n"_s) << 1 << u"ﾃﾞｰﾀベース"_s << 0 << 0;
    QTest::addRow("EUC stays EUC") << QByteArray("\xA4\xA2\xA4\xA4\xC6\xFC\xCB\xDC") << 3 << u"あい日本"_s
                                   << 0 << 0;
}

void TstKiruStringList::brokenUtf8()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, encoding);
    QFETCH(QString, text);
    QFETCH(int, broken);
    QFETCH(int, replaced);
    TKiruStringList list;
    list.LoadFromStreamEx(bytes, tcAuto);
    QCOMPARE(list.Encoding, encoding);
    QCOMPARE(list.UnicodeText(), text);
    QCOMPARE(list.FBrokenSequences, broken);
    QCOMPARE(list.FReplacedChars, replaced);
}

QTEST_GUILESS_MAIN(TstKiruStringList)
#include "tst_kirustringlist.moc"
