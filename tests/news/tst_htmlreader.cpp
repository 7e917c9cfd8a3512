#include "common/sorvoerror.h"
#include "common/japanese.h"
#include "fixturefiles.h"
#include "news/htmlreader.h"
#include "newsfixtures.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TstHTMLReader : public QObject
{
    Q_OBJECT
private slots:
    void detect_data();
    void detect();
    void feed_data();
    void feed();
    void page_data();
    void page();
    void unreadableFile();
};

enum TEnc
{
    Utf8,
    Sjis,
    Euc,
    Jis
};

static QByteArray Encode(const QString &text, int encoding)
{
    switch (encoding) {
    case Utf8:
        return text.toUtf8();
    case Euc:
        return ShiftJisToEucForTest(UnicodeToShiftJis(text));
    case Jis:
        return ShiftJisToJisForTest(UnicodeToShiftJis(text));
    default:
        return UnicodeToShiftJis(text);
    }
}

static QStringList Lines(const THTMLReader &reader)
{
    QStringList out;
    for (const QByteArray &line : reader.FLines.FLines)
        out << ShiftJisToUnicode(line);
    return out;
}

void TstHTMLReader::detect_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("contains");
    const QString feed = u"<rss><channel><title>日本語ニュース</title></channel></rss>"_s;
    QTest::addRow("utf-8 feed") << Encode(u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>"_s + feed, Utf8) << 1
                                << 1 << u"日本語ニュース"_s;
    QTest::addRow("euc_jp feed") << Encode(u"<?xml version=\"1.0\" encoding=\"euc_jp\"?>"_s + feed, Euc) << 1
                                 << 2 << u"日本語ニュース"_s;
    QTest::addRow("iso-2022-jp feed")
        << Encode(u"<?xml version=\"1.0\" encoding=\"ISO-2022-JP\"?>"_s + feed, Jis) << 1 << 3
        << u"日本語ニュース"_s;
    QTest::addRow("sjis rdf") << Encode(u"<?xml version=\"1.0\" encoding=\"SJIS\"?><rdf:RDF>"_s + feed, Sjis)
                              << 1 << 4 << u"日本語ニュース"_s;
    // Half-width katakana alone look like EUC-JP to detection: only a forced Shift-JIS load keeps them.
    QTest::addRow("Shift_JIS in xml declaration is forced")
        << Encode(u"<?xml version=\"1.0\" encoding=\"Shift_JIS\"?><html><p>ｱｲｳｴ</p></html>"_s, Sjis) << 0 << 4
        << u"ｱｲｳｴ"_s;
    QTest::addRow("Shift_JIS in meta charset is detected")
        << Encode(
               u"<html><meta http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\"><p>日本</p></html>"_s,
               Sjis)
        << 0 << 0 << u"日本"_s;
    QTest::addRow("meta euc-jp")
        << Encode(u"<html><head><meta content=\"text/html; charset=EUC-JP\"><p>日本</p>"_s, Euc) << 0 << 2
        << u"日本"_s;
    QTest::addRow("meta html5 utf-8")
        << Encode(u"<!DOCTYPE html><html><meta charset=\"utf-8\"><p>日本</p>"_s, Utf8) << 0 << 1 << u"日本"_s;
    QTest::addRow("meta utf8 not in the meta list")
        << Encode(u"<html><meta charset=\"utf8\"><p>日本</p>"_s, Utf8) << 0 << 0 << u"<p>"_s;
    QTest::addRow("first meta after html decides")
        << Encode(u"<html><meta name=\"keywords\" content=\"x\"><meta charset=\"euc-jp\"><p>日本</p>"_s, Sjis)
        << 0 << 0 << u"日本"_s;
    QTest::addRow("no kind") << Encode(u"<?xml version=\"1.0\" encoding=\"utf-8\"?><opml>x</opml>"_s, Utf8)
                             << 2 << 1 << u"opml"_s;
    QTest::addRow("plain text") << QByteArray("just text\r\n") << 2 << 0 << u"just text"_s;
    QTest::addRow("empty") << QByteArray() << 2 << 0 << QString();
}

void TstHTMLReader::detect()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, kind);
    QFETCH(int, code);
    QFETCH(QString, contains);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"doc.RDF"_s);
    QVERIFY(WriteFixtureFile(path, bytes));
    THTMLReader reader;
    reader.LoadFromFile(path);
    QCOMPARE(int(reader.FDocKind), kind);
    QCOMPARE(reader.FEncodingCode, code);
    QVERIFY2(reader.FText.contains(contains), qPrintable(reader.FText));
    QCOMPARE(reader.FSource, UnicodeToShiftJis(reader.FText));
}

void TstHTMLReader::feed_data()
{
    QTest::addColumn<QString>("feed");
    QTest::addColumn<bool>("addDate");
    QTest::addColumn<bool>("addLink");
    QTest::addColumn<QStringList>("lines");
    const QString rss = uR"(<?xml version="1.0" encoding="utf-8"?><rss version="2.0"><channel>
<title>ニュース</title><link>http://n/</link><description>毎日</description><lastBuildDate>D0</lastBuildDate>
<item><title>一</title><link>http://n/1</link><pubDate>D1</pubDate><description>本文&lt;b&gt;</description></item>
<item><title>二</title><link>http://n/2</link><description>行1
行2</description></item></channel></rss>)"_s;
    const QString stars = u"***********************"_s;
    QTest::addRow("plain") << rss << false << false
                           << QStringList{u"ニュース"_s, QString(),          u"毎日"_s,   stars,
                                          u"【一】"_s,   u"本文&lt;b&gt;"_s, u"【二】"_s, u"行1\r\n行2"_s};
    QTest::addRow("dates without links")
        << rss << true << false
        << QStringList{u"ニュース"_s, QString(),    u"毎日"_s,          u"Date:D0"_s, stars,
                       u"【一】"_s,   u"Date:D1"_s, u"本文&lt;b&gt;"_s, u"【二】"_s,  u"行1\r\n行2"_s};
    QTest::addRow("dates and links") << rss << true << true
                                     << QStringList{
                                            u"ニュース"_s,      QString(),           u"毎日"_s,
                                            u"Date:D0"_s,       u"Link:http://n/"_s, stars,
                                            u"【一】"_s,        u"Date:D1"_s,        u"Link:http://n/1"_s,
                                            u"本文&lt;b&gt;"_s, u"【二】"_s,         u"Link:http://n/2"_s,
                                            u"行1\r\n行2"_s};
    QTest::addRow("characters outside shift-jis")
        << u"<rss><channel><title>A😀B</title></channel></rss>"_s << false << false
        << QStringList{u"A?B"_s, QString(), QString(), stars};
}

void TstHTMLReader::feed()
{
    QFETCH(QString, feed);
    QFETCH(bool, addDate);
    QFETCH(bool, addLink);
    QFETCH(QStringList, lines);
    THTMLReader reader;
    reader.LoadFromBytes(feed.toUtf8());
    reader.FAddDate = addDate;
    reader.FAddLink = addLink;
    reader.Convert();
    QCOMPARE(Lines(reader), lines);
}

void TstHTMLReader::page_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QStringList>("lines");
    QTest::addRow("h1 p b") << u"<html><body><h1>Title</h1><p>Hello<b>world</b></p></body></html>"_s
                            << QStringList{u"「Title」"_s, u"Hello"_s, QString()};
    QTest::addRow("headings") << u"<html><h2>二</h2><h3>三</h3><h4>四</h4></html>"_s
                              << QStringList{u"■二"_s, u"【三】"_s, u">四"_s};
    QTest::addRow("list") << u"<html><ul><li>a</li><li>b</li></ul><li>c</li></html>"_s
                          << QStringList{u"・a"_s, u"・b"_s, u"・c"_s};
    QTest::addRow("br adds an empty line")
        << u"<html><p>x<br>y</p></html>"_s << QStringList{u"x"_s, QString(), QString()};
    QTest::addRow("br in body sets plain pending")
        << u"<html>a<br>b</html>"_s << QStringList{QString(), u"b"_s};
    QTest::addRow("br with slash is no br")
        << u"<html><div>a</div><br/>b</html>"_s << QStringList{u"a"_s, u"b"_s};
    QTest::addRow("heading keeps blanks")
        << u"<html><h1> two\r\nlines </h1></html>"_s << QStringList{u"「 two\r\nlines 」"_s};
    QTest::addRow("only the first text after a tag")
        << u"<html><div>one</div>two</html>"_s << QStringList{u"one"_s};
    QTest::addRow("text before html dropped")
        << u"before<html><h1>x</h1></html>after"_s << QStringList{u"「x」"_s};
}

void TstHTMLReader::page()
{
    QFETCH(QString, page);
    QFETCH(QStringList, lines);
    THTMLReader reader;
    reader.LoadFromBytes(UnicodeToShiftJis(page));
    QCOMPARE(int(reader.FDocKind), int(THTMLReader::DocPage));
    reader.Convert();
    QCOMPARE(Lines(reader), lines);
}

void TstHTMLReader::unreadableFile()
{
    THTMLReader reader;
    QVERIFY_THROWS_EXCEPTION(ESorvoError, reader.LoadFromFile(u"/nonexistent/feed.RDF"_s));
}

QTEST_GUILESS_MAIN(TstHTMLReader)
#include "tst_htmlreader.moc"
