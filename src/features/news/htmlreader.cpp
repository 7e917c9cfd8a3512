#include "news/htmlreader.h"

#include "common/japanese.h"
#include "news/taganalysis.h"
#include "news/xmlreader.h"

using namespace Qt::Literals::StringLiterals;

namespace {

const QByteArray kSeparator = "***********************"; // 23 asterisks between the header and the items

QByteArray Sjis(const QString &text)
{
    return UnicodeToShiftJis(text);
}

// "【" + s + "】" and the like, with s kept as bytes.
QByteArray Wrap(const char16_t *before, const QByteArray &s, const char16_t *after = u"")
{
    return Sjis(QString::fromUtf16(before)) + s + Sjis(QString::fromUtf16(after));
}

enum TStyle
{
    Plain,
    Title,
    Raw,
    H1,
    H2,
    H3,
    H4,
    Bullet
};

} // namespace

int THTMLReader::XmlEncodingCode(const QString &name)
{
    const QString n = name.toLower();
    if (n == u"utf-8"_s || n == u"utf8"_s || n == u"utf_8"_s)
        return 1;
    if (n == u"euc-jp"_s || n == u"euc_jp"_s)
        return 2;
    if (n == u"jis"_s || n == u"iso-2022-jp"_s)
        return 3;
    if (n == u"shift_jis"_s || n == u"sjis"_s || n == u"shift-jis"_s)
        return 4;
    return 0;
}

int THTMLReader::MetaEncodingCode(const QString &name)
{
    const QString n = name.toLower();
    if (n == u"utf-8"_s)
        return 1;
    if (n == u"euc-jp"_s)
        return 2;
    if (n == u"jis"_s || n == u"iso-2022-jp"_s)
        return 3;
    if (n == u"shift-jis"_s)
        return 4;
    return 0;
}

QByteArray THTMLReader::Encode(const QString &text)
{
    for (const QString &c : ShiftJisMissingCharacters(text))
        if (!FLostCharacters.contains(c))
            FLostCharacters.append(c);
    return Sjis(text);
}

void THTMLReader::LoadFromFile(const QString &path)
{
    LoadFromBytes(ReadWholeFile(path));
}

void THTMLReader::LoadFromBytes(const QByteArray &bytes)
{
    FLostCharacters.clear();
    const QByteArray raw = JoinTextLines(SplitTextLines(bytes));
    FText = ShiftJisToUnicode(raw);
    SetText(raw);
    Detect();

    if (FEncodingCode == 1) {
        QByteArrayView body(raw);
        if (body.startsWith("\xEF\xBB\xBF"))
            body = body.sliced(3);
        FText = QString::fromUtf8(body);
        SetText(Encode(FText));
        return;
    }
    static const int kListCodes[] = {tcAuto, tcShiftJIS, tcEUC, tcJIS, tcShiftJIS};
    TKiruStringList list;
    list.LoadFromStreamEx(bytes, kListCodes[FEncodingCode]);
    const QByteArray text = list.Text();
    FText = ShiftJisToUnicode(text);
    SetText(text);
}

void THTMLReader::Detect()
{
    FDocKind = DocUnknown;
    FEncodingCode = 0;
    bool encodingSeen = false;
    bool kindSeen = false;
    for (Next(); FTokenKind != KindEnd && !(encodingSeen && kindSeen); Next()) {
        QByteArray n = LowerTagName(FToken);
        if (n == "?xml") {
            n = FToken.toLower();
            TTagAnalysis tag;
            tag.Parse(n);
            FEncodingCode = XmlEncodingCode(tag.ValueOf(u"encoding"_s));
            encodingSeen = true;
        }
        if (n == "meta") {
            n = FToken.toLower();
            TTagAnalysis tag;
            tag.Parse(n);
            FEncodingCode = MetaEncodingCode(tag.ValueOf(u"charset"_s));
            encodingSeen = true;
        }
        if (n == "rdf:rdf" || n == "rss") {
            FDocKind = DocFeed;
            kindSeen = true;
        } else if (n == "html") {
            FDocKind = DocPage;
            kindSeen = true;
        }
    }
}

void THTMLReader::Convert()
{
    FLines.FLines.clear();
    if (FDocKind == DocFeed)
        ConvertFeed();
    else if (FDocKind == DocPage)
        ConvertPage();
}

void THTMLReader::ConvertFeed()
{
    TXMLReader feed;
    feed.SetText(FSource);
    feed.Read();
    QList<QByteArray> &out = FLines.FLines;
    const auto addDateAndLink = [&](const QString &date, const QString &link) {
        if (FAddDate && !date.trimmed().isEmpty())
            out.append(Encode(u"Date:"_s + date));
        if (FAddLink && !link.trimmed().isEmpty())
            out.append(Encode(u"Link:"_s + link));
    };
    out.append(Encode(feed.FChannelTitle));
    out.append(Encode(feed.FChannelAuthor));
    out.append(Encode(feed.FChannelDescription));
    addDateAndLink(feed.FChannelDate, feed.FChannelLink);
    out.append(kSeparator);
    for (const auto &item : feed.FItems) {
        out.append(Wrap(u"【", Encode(item->FTitle), u"】"));
        addDateAndLink(item->FDate, item->FLink);
        out.append(Encode(item->FDescription));
    }
}

void THTMLReader::ConvertPage()
{
    // States: 0 outside, 1 channel, 2 item, 3 html body, 5 "--" block, 6 paragraph, 7 list.
    int state = 0;
    bool pending = false;
    int style = Plain;
    QList<QByteArray> &out = FLines.FLines;
    const auto setPending = [&](int s) {
        pending = true;
        style = s;
    };

    SetText(FSource);
    for (Next(); FTokenKind != KindEnd; Next()) {
        if (FTokenKind == KindText) {
            const QByteArray trimmed = TrimBlanks(FToken);
            if (pending && !trimmed.isEmpty()) {
                const QByteArray &s = FToken;
                switch (style) {
                case Title:
                    out.append(Wrap(u"【", s, u"】"));
                    break;
                case Raw:
                    out.append(s);
                    break;
                case H1:
                    out.append(Wrap(u"「", s, u"」"));
                    break;
                case H2:
                    out.append(Wrap(u"■", s));
                    break;
                case H3:
                    out.append(Wrap(u"【", s, u"】"));
                    break;
                case H4:
                    out.append(">" + s);
                    break;
                case Bullet:
                    out.append(Wrap(u"・", s));
                    break;
                default:
                    out.append(trimmed);
                    break;
                }
            }
            pending = false;
            style = Plain;
            continue;
        }
        const QByteArray n = LowerTagName(FToken);
        if (FTokenKind == KindCloseTag) {
            if (state == 1 && n == "channel") {
                state = 0;
                out.append(kSeparator);
            } else if ((state == 2 && n == "item") || (state == 3 && n == "html") ||
                       (state == 5 && n == "--") || (state == 7 && n == "ul")) {
                state = state == 2 || state == 3 ? 0 : 3;
            } else if (state == 6 && n == "p") {
                state = 3;
                out.append(QByteArray());
            }
            continue;
        }
        switch (state) {
        case 0:
            if (n == "channel") {
                state = 1;
            } else if (n == "item") {
                state = 2;
                out.append(QByteArray());
            } else if (n == "html") {
                state = 3;
            }
            break;
        case 1:
            if (n == "title" || n == "description" || n == "dc:publisher")
                setPending(Plain);
            break;
        case 2:
            if (n == "title")
                setPending(Title);
            else if (n == "description")
                setPending(Raw);
            break;
        case 3:
            if (n == "h1")
                setPending(H1);
            else if (n == "h2")
                setPending(H2);
            else if (n == "h3")
                setPending(H3);
            else if (n == "h4")
                setPending(H4);
            else if (n == "li")
                setPending(Bullet);
            else if (n == "--")
                state = 5;
            else if (n == "p") {
                state = 6;
                setPending(Plain);
            } else if (n == "ul")
                state = 7;
            else
                setPending(Plain);
            break;
        case 7:
            if (n == "li")
                setPending(Bullet);
            break;
        default:
            break;
        }
        if (n == "br")
            out.append(QByteArray());
    }
}
