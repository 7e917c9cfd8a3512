#include "common/japanese.h"
#include "news/xmlreader.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TstXMLReader : public QObject
{
    Q_OBJECT
private slots:
    void channel_data();
    void channel();
    void items_data();
    void items();
    void enclosure_data();
    void enclosure();
    void unclosedItemDropped();
};

static void ReadFeed(TXMLReader &reader, const QString &text)
{
    reader.SetText(UnicodeToShiftJis(text));
    reader.Read();
}

void TstXMLReader::channel_data()
{
    QTest::addColumn<QString>("feed");
    QTest::addColumn<QStringList>("fields"); // title, author, link, description, date
    QTest::addRow("rss 2.0 channel before items")
        << uR"(<?xml version="1.0"?><rss version="2.0"><channel><title>日本のニュース</title>
<link>http://example.jp/</link><description>説明</description><managingEditor>ed@example.jp</managingEditor>
<item><title>A</title></item><item><title>B</title></item>
<copyright>ignored</copyright><webMaster>late@example.jp</webMaster></channel></rss>)"_s
        << QStringList{u"日本のニュース"_s, u"ed@example.jp"_s, u"http://example.jp/"_s, u"説明"_s,
                       QString()};
    QTest::addRow("rdf with items after channel")
        << uR"(<rdf:RDF><channel rdf:about="x"><title>RDF</title><link>http://r/</link>
<dc:publisher>Pub</dc:publisher><dc:date>2006-01-02</dc:date></channel>
<item rdf:about="1"><title>A</title></item></rdf:RDF>)"_s
        << QStringList{u"RDF"_s, u"Pub"_s, u"http://r/"_s, QString(), u"2006-01-02"_s};
    QTest::addRow("pubDate then lastBuildDate keeps the later")
        << uR"(<channel><pubDate>Mon, 01 Jan 2007</pubDate><lastBuildDate>Tue, 02 Jan 2007</lastBuildDate></channel>)"_s
        << QStringList{QString(), QString(), QString(), QString(), u"Tue, 02 Jan 2007"_s};
    QTest::addRow("entities kept, text trimmed")
        << u"<channel><title>\r\n  A &amp; B  \r\n</title></channel>"_s
        << QStringList{u"A &amp; B"_s, QString(), QString(), QString(), QString()};
    QTest::addRow("pending survives unknown tags")
        << u"<channel><title><span>Inner</span></title></channel>"_s
        << QStringList{u"Inner"_s, QString(), QString(), QString(), QString()};
}

void TstXMLReader::channel()
{
    QFETCH(QString, feed);
    QFETCH(QStringList, fields);
    TXMLReader reader;
    ReadFeed(reader, feed);
    QCOMPARE((QStringList{reader.FChannelTitle, reader.FChannelAuthor, reader.FChannelLink,
                          reader.FChannelDescription, reader.FChannelDate}),
             fields);
}

void TstXMLReader::items_data()
{
    QTest::addColumn<QString>("feed");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QStringList>("links");
    QTest::addColumn<QStringList>("dates");
    QTest::addRow("rss 2.0")
        << uR"(<rss><channel><title>T</title><item><title>一</title><link>http://a/1</link><pubDate>D1</pubDate>
<description>&lt;b&gt;x&lt;/b&gt;</description></item><item><title>二</title><link>http://a/2</link></item></channel></rss>)"_s
        << QStringList{u"一"_s, u"二"_s} << QStringList{u"http://a/1"_s, u"http://a/2"_s}
        << QStringList{u"D1"_s, QString()};
    QTest::addRow("rdf items after channel")
        << uR"(<rdf:RDF><channel><title>T</title></channel><item><title>A</title><dc:date>2006</dc:date></item>
<item><title>B</title></item></rdf:RDF>)"_s
        << QStringList{u"A"_s, u"B"_s} << QStringList{QString(), QString()}
        << QStringList{u"2006"_s, QString()};
    QTest::addRow("cdata title not taken, next element stored")
        << u"<channel><item><title><![CDATA[Hidden]]></title><link>http://l/</link></item></channel>"_s
        << QStringList{QString()} << QStringList{u"http://l/"_s} << QStringList{QString()};
    QTest::addRow("no items") << u"<rss><channel><title>T</title></channel></rss>"_s << QStringList{}
                              << QStringList{} << QStringList{};
}

void TstXMLReader::items()
{
    QFETCH(QString, feed);
    QFETCH(QStringList, titles);
    QFETCH(QStringList, links);
    QFETCH(QStringList, dates);
    TXMLReader reader;
    ReadFeed(reader, feed);
    QStringList gotTitles, gotLinks, gotDates;
    for (int i = 0; i < reader.Count(); ++i) {
        gotTitles << reader.Items(i)->FTitle;
        gotLinks << reader.Items(i)->FLink;
        gotDates << reader.Items(i)->FDate;
        QCOMPARE(reader.Items(i)->FFeedTitle, reader.FChannelTitle);
    }
    QCOMPARE(gotTitles, titles);
    QCOMPARE(gotLinks, links);
    QCOMPARE(gotDates, dates);
    QCOMPARE(reader.Items(reader.Count()), nullptr);
    QCOMPARE(reader.Items(-1), nullptr);
}

void TstXMLReader::enclosure_data()
{
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("lengthText");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("image");
    QTest::addRow("audio 12345")
        << uR"(<enclosure url="http://p/a/ep1.mp3" length="12345" type="audio/mpeg"/>)"_s
        << u"http://p/a/ep1.mp3"_s << u"ep1.mp3"_s << u"12345"_s << 12345 << QString();
    QTest::addRow("audio abc") << uR"(<enclosure url="http://p/ep2.mp3" length="abc" type="audio/mpeg" />)"_s
                               << u"http://p/ep2.mp3"_s << u"ep2.mp3"_s << u"abc"_s << 0 << QString();
    QTest::addRow("video") << uR"(<enclosure url="v.mp4" length="7" type="video/mp4" />)"_s << u"v.mp4"_s
                           << u"v.mp4"_s << u"7"_s << 7 << QString();
    QTest::addRow("type case matters") << uR"(<enclosure url="x.mp3" length="1" type="Audio/MPEG" />)"_s
                                       << QString() << QString() << QString() << 0 << QString();
    QTest::addRow("image") << uR"(<enclosure url="http://p/i.jpg" length="9" type="image/jpeg" />)"_s
                           << QString() << QString() << QString() << 0 << u"http://p/i.jpg"_s;
    QTest::addRow("length overflows") << uR"(<enclosure url="a" length="99999999999" type="audio/mpeg" />)"_s
                                      << u"a"_s << u"a"_s << u"99999999999"_s << 0 << QString();
}

void TstXMLReader::enclosure()
{
    QFETCH(QString, tag);
    QFETCH(QString, url);
    QFETCH(QString, fileName);
    QFETCH(QString, lengthText);
    QFETCH(int, length);
    QFETCH(QString, image);
    TXMLReader reader;
    ReadFeed(reader, u"<channel><item><title>E</title>"_s + tag + u"</item></channel>"_s);
    QCOMPARE(reader.Count(), 1);
    const TPodCastObject *item = reader.Items(0);
    QCOMPARE(item->FEnclosureUrl, url);
    QCOMPARE(item->FEnclosureFileName, fileName);
    QCOMPARE(item->FEnclosureLengthText, lengthText);
    QCOMPARE(item->FEnclosureLength, length);
    QCOMPARE(item->FImageUrl, image);
}

void TstXMLReader::unclosedItemDropped()
{
    TXMLReader reader;
    ReadFeed(reader, u"<channel><title>T</title><item><title>A</title></item><item><title>B</title>"_s);
    QCOMPARE(reader.Count(), 1);
    QCOMPARE(reader.Items(0)->FTitle, u"A"_s);
}

QTEST_GUILESS_MAIN(TstXMLReader)
#include "tst_xmlreader.moc"
