#include "news/taganalysis.h"
#include "news/tokenreader.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

using TPairs = QList<QPair<QString, QString>>;

class TstTokenReader : public QObject
{
    Q_OBJECT
private slots:
    void tokens_data();
    void tokens();
    void tagName_data();
    void tagName();
    void parse_data();
    void parse();
    void valueOf_data();
    void valueOf();
};

// Each token as "kind:text", the end token as "0:".
static QStringList ReadAll(const QByteArray &text)
{
    TTokenReader reader;
    reader.SetText(text);
    QStringList out;
    for (int guard = 0; guard < 100; ++guard) {
        reader.Next();
        out << QString::number(reader.FTokenKind) + u':' + QString::fromLatin1(reader.FToken);
        if (reader.FTokenKind == TTokenReader::KindEnd)
            break;
    }
    return out;
}

void TstTokenReader::tokens_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("expected");
    QTest::addRow("text and tags") << QByteArray("a<b>c</b>")
                                   << QStringList{u"3:a"_s, u"1:<b>"_s, u"3:c"_s, u"2:</b>"_s, u"0:"_s};
    QTest::addRow("unfinished tag only") << QByteArray("<a") << QStringList{u"0:"_s};
    QTest::addRow("unfinished tag after text") << QByteArray("x<p") << QStringList{u"3:x"_s, u"0:"_s};
    QTest::addRow("blank-only text skipped")
        << QByteArray("<a> \r\n\t </a>") << QStringList{u"1:<a>"_s, u"2:</a>"_s, u"0:"_s};
    QTest::addRow("text keeps its line breaks")
        << QByteArray("<p> one\r\ntwo </p>")
        << QStringList{u"1:<p>"_s, u"3: one\r\ntwo "_s, u"2:</p>"_s, u"0:"_s};
    QTest::addRow("comment is a tag ending at first >")
        << QByteArray("<!-- a > b -->") << QStringList{u"1:<!-- a >"_s, u"3: b -->"_s, u"0:"_s};
    QTest::addRow("quoted > ends the tag")
        << QByteArray("<a title=\"x>y\">") << QStringList{u"1:<a title=\"x>"_s, u"3:y\">"_s, u"0:"_s};
    QTest::addRow("closing tag scan starts after slash")
        << QByteArray("</>x") << QStringList{u"2:</>"_s, u"3:x"_s, u"0:"_s};
    QTest::addRow("empty") << QByteArray() << QStringList{u"0:"_s};
    QTest::addRow("lone <>") << QByteArray("<>") << QStringList{u"1:<>"_s, u"0:"_s};
    // A Shift-JIS pair whose trail byte is a backslash passes through unchanged.
    QTest::addRow("shift-jis text") << QByteArray("<t>\x95\x5c</t>")
                                    << QStringList{u"1:<t>"_s, u"3:\u0095\\"_s, u"2:</t>"_s, u"0:"_s};
}

void TstTokenReader::tokens()
{
    QFETCH(QByteArray, text);
    QFETCH(QStringList, expected);
    QCOMPARE(ReadAll(text), expected);
}

void TstTokenReader::tagName_data()
{
    QTest::addColumn<QByteArray>("token");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("lowerName");
    QTest::addRow("open") << QByteArray("<p>") << QByteArray("p") << QByteArray("p");
    QTest::addRow("close") << QByteArray("</P>") << QByteArray("P") << QByteArray("p");
    QTest::addRow("attribute") << QByteArray("<p class=\"x\">") << QByteArray("p") << QByteArray("p");
    QTest::addRow("br with slash") << QByteArray("<br/>") << QByteArray("br/") << QByteArray("br/");
    QTest::addRow("br slash after blank") << QByteArray("<br />") << QByteArray("br") << QByteArray("br");
    QTest::addRow("too short") << QByteArray("<>") << QByteArray() << QByteArray();
    QTest::addRow("text") << QByteArray("hello") << QByteArray() << QByteArray();
    QTest::addRow("padded") << QByteArray("  <Item>  ") << QByteArray("Item") << QByteArray("item");
    QTest::addRow("xml declaration") << QByteArray("<?xml version=\"1.0\"?>") << QByteArray("?xml")
                                     << QByteArray("?xml");
    QTest::addRow("blank right after <") << QByteArray("< p>") << QByteArray() << QByteArray();
}

void TstTokenReader::tagName()
{
    QFETCH(QByteArray, token);
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, lowerName);
    QCOMPARE(TTokenReader::TagName(token), name);
    QCOMPARE(TTokenReader::LowerTagName(token), lowerName);
}

void TstTokenReader::parse_data()
{
    QTest::addColumn<QByteArray>("tag");
    QTest::addColumn<TPairs>("attributes");
    QTest::addRow("xml declaration") << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>")
                                     << TPairs{{u"version"_s, u"1.0"_s}, {u"encoding"_s, u"UTF-8"_s}};
    QTest::addRow("meta content with charset")
        << QByteArray("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=shift_jis\">")
        << TPairs{{u"http-equiv"_s, u"Content-Type"_s},
                  {u"content"_s, u"text/html;"_s},
                  {u"charset"_s, u"shift_jis"_s}};
    QTest::addRow("unquoted value runs past blanks")
        << QByteArray("<img w=100 h=50>") << TPairs{{u"w"_s, u"100 h=50"_s}};
    QTest::addRow("attribute text without tag") << QByteArray("w=100") << TPairs{{u"w"_s, u"100"_s}};
    QTest::addRow("no attributes") << QByteArray("<p>") << TPairs{};
    // Two quotes leave the switch on, so the next blank does not end the empty value.
    QTest::addRow("empty quoted value") << QByteArray("<a b=\"\" c=\"d\">") << TPairs{{u"b"_s, u" c="_s}};
    QTest::addRow("self-closing enclosure")
        << QByteArray("<enclosure url=\"http://x/a.mp3\" length=\"12\" type=\"audio/mpeg\" />")
        << TPairs{{u"url"_s, u"http://x/a.mp3"_s}, {u"length"_s, u"12"_s}, {u"type"_s, u"audio/mpeg"_s}};
    QTest::addRow("shift-jis value") << QByteArray("<a title=\"\x93\xfa\x96\x7b\">")
                                     << TPairs{{u"title"_s, u"日本"_s}};
    QTest::addRow("unterminated quote") << QByteArray("<a b=\"cd") << TPairs{{u"b"_s, u"cd"_s}};
}

void TstTokenReader::parse()
{
    QFETCH(QByteArray, tag);
    QFETCH(TPairs, attributes);
    TTagAnalysis analysis;
    analysis.FItems.append(TTagItem{u"stale"_s, u"x"_s});
    analysis.Parse(tag);
    TPairs got;
    for (const TTagItem &item : analysis.FItems)
        got.append({item.FName, item.FValue});
    QCOMPARE(got, attributes);
}

void TstTokenReader::valueOf_data()
{
    QTest::addColumn<QByteArray>("tag");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    QTest::addRow("capital name") << QByteArray("<?xml version=\"1.0\" encoding=\"EUC-JP\"?>")
                                  << u"ENCODING"_s << u"EUC-JP"_s;
    QTest::addRow("later duplicate wins") << QByteArray("<a x=\"1\" X=\"2\">") << u"x"_s << u"2"_s;
    QTest::addRow("missing") << QByteArray("<a x=\"1\">") << u"y"_s << QString();
    QTest::addRow("meta charset") << QByteArray("<meta content=\"text/html; charset=EUC-JP\">")
                                  << u"charset"_s << u"EUC-JP"_s;
}

void TstTokenReader::valueOf()
{
    QFETCH(QByteArray, tag);
    QFETCH(QString, name);
    QFETCH(QString, value);
    TTagAnalysis analysis;
    analysis.Parse(tag);
    QCOMPARE(analysis.ValueOf(name), value);
}

QTEST_GUILESS_MAIN(TstTokenReader)
#include "tst_tokenreader.moc"
