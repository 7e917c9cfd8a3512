#include "common/format.h"
#include "common/textutils.h"

#include <QLocale>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TstText : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan)); }
    void getField_data();
    void getField();
    void formatDuration_data();
    void formatDuration();
    void format_data();
    void format();
    void decodeWideOrUtf8();
    void escapeControlChars_data();
    void escapeControlChars();
    void oneLineCell_data();
    void oneLineCell();
};

void TstText::getField_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::addRow("first") << 0 << u"a;b;;d"_s << u"a"_s;
    QTest::addRow("empty between separators") << 2 << u"a;b;;d"_s << u""_s;
    QTest::addRow("last") << 3 << u"a;b;;d"_s << u"d"_s;
    QTest::addRow("past the end") << 4 << u"a;b;;d"_s << u""_s;
    QTest::addRow("site line tick") << 3 << u"名前;http://x/;Not Updated;1;"_s << u"1"_s;
    QTest::addRow("missing tick") << 3 << u"名前;http://x/;Not Updated"_s << u""_s;
}

void TstText::getField()
{
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(GetField(index, text, u';'), expected);
}

void TstText::formatDuration_data()
{
    QTest::addColumn<int>("ms");
    QTest::addColumn<QString>("expected");
    QTest::addRow("zero") << 0 << u"0 秒"_s;
    QTest::addRow("just under a minute") << 59999 << u"59 秒"_s;
    QTest::addRow("one minute") << 60000 << u"1 分 0 秒"_s;
    QTest::addRow("one hour two minutes three seconds") << 3723000 << u"1 時間 2 分 3 秒"_s;
    QTest::addRow("negative") << -5000 << u"-5 秒"_s;
}

void TstText::formatDuration()
{
    QFETCH(int, ms);
    QFETCH(QString, expected);
    QCOMPARE(FormatDuration(ms), expected);
}

void TstText::format_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("expected");
    QTest::addRow("copy label") << u"(%d/%d) [ %s ]をコピー中"_s << u"(3/12) [ %s ]をコピー中"_s;
    QTest::addRow("track prefix") << u"%0.2d %s"_s << u"03 12"_s;
    QTest::addRow("page file") << u"%s %0.3d.txt"_s << u"3 012.txt"_s;
    QTest::addRow("percent") << u"%d %% - %s"_s << u"3 % - 12"_s;
    QTest::addRow("missing argument left as is") << u"%d %d %d"_s << u"3 12 %d"_s;
}

void TstText::format()
{
    QFETCH(QString, pattern);
    QFETCH(QString, expected);
    QCOMPARE(Format(pattern, {3, u"12"_s}), expected);
}

void TstText::decodeWideOrUtf8()
{
    const QByteArray wide("A\0\x42\x30\0\0Z\0", 8);
    QCOMPARE(DecodeWideOrUtf8(wide, 0), u"Aあ"_s);
    QCOMPARE(DecodeWideOrUtf8(wide, 2), u"Aあ"_s);
    QCOMPARE(DecodeWideOrUtf8(QByteArray("caf\xc3\xa9\0x", 7), 1), u"café"_s);
    QCOMPARE(DecodeWideOrUtf8(wide, 3), QString());
    QCOMPARE(DecodeWideOrUtf8(QByteArray("A", 1), 0), QString()); // half a character
    QCOMPARE(FormatNumber(1234567.0, 0), u"1,234,567"_s);
    QCOMPARE(Format(u"%.0n MB"_s, {12345}), u"12,345 MB"_s);
    QCOMPARE(Format(u"%.1n MB"_s, {1536.25}), u"1,536.3 MB"_s);
}

void TstText::escapeControlChars_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::addRow("plain text stays") << u"曲名 a\\b"_s << u"曲名 a\\b"_s;
    QTest::addRow("line breaks and tab") << u"a\nb\r\tc"_s << u"a\\nb\\r\\tc"_s;
    QTest::addRow("escape sequence") << (QChar(0x1B) + u"[2J"_s) << u"\\x1B[2J"_s;
    QTest::addRow("NUL, DEL and C1") << (QChar(0) + QChar(0x7F) + QChar(0x9B)) << u"\\x00\\x7F\\x9B"_s;
}

void TstText::escapeControlChars()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(EscapeControlChars(text), expected);
}

void TstText::oneLineCell_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::addRow("plain") << u"曲 名"_s << u"曲 名"_s;
    QTest::addRow("tab, CR LF, LF") << u"a\tb\r\nc\nd"_s << u"a b  c d"_s;
    QTest::addRow("other control characters stay") << (u"a"_s + QChar(0x1B)) << (u"a"_s + QChar(0x1B));
}

void TstText::oneLineCell()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(OneLineCell(text), expected);
}

QTEST_GUILESS_MAIN(TstText)
#include "tst_text.moc"
