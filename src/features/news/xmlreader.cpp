#include "news/xmlreader.h"

#include "common/japanese.h"
#include "news/taganalysis.h"

using namespace Qt::Literals::StringLiterals;

namespace {
enum TState
{
    Outside = 0,
    InChannel = 1,
    InItem = 2
};
} // namespace

const TPodCastObject *TXMLReader::Items(int index) const
{
    if (index < 0 || index >= Count())
        return nullptr;
    return FItems[size_t(index)].get();
}

void TXMLReader::Read()
{
    int state = Outside;
    QString *pending = nullptr;
    std::unique_ptr<TPodCastObject> open; // the item being read, until its closing tag
    const auto beginItem = [&] {
        if (open)
            pending = nullptr; // never points into an item that is dropped
        state = InItem;
        open = std::make_unique<TPodCastObject>();
        open->FAuthor = FChannelAuthor;
        open->FFeedTitle = FChannelTitle;
    };

    for (Next(); FTokenKind != KindEnd; Next()) {
        if (FTokenKind == KindText) {
            const QByteArray text = TrimBlanks(FToken);
            if (pending && !text.isEmpty())
                *pending = ShiftJisToUnicode(text);
            pending = nullptr;
            continue;
        }
        const QByteArray name = LowerTagName(FToken);
        if (FTokenKind == KindCloseTag) {
            if (state == InChannel && name == "channel") {
                state = Outside;
            } else if (state == InItem && name == "item") {
                state = Outside;
                // A field still pending goes on pointing into the kept item, which stays alive.
                FItems.push_back(std::move(open));
            }
            continue;
        }
        if (state == Outside) {
            if (name == "channel")
                state = InChannel;
            else if (name == "item")
                beginItem();
        } else if (state == InChannel) {
            if (name == "title")
                pending = &FChannelTitle;
            else if (name == "description")
                pending = &FChannelDescription;
            else if (name == "dc:publisher" || name == "managingeditor" || name == "webmaster" ||
                     name == "author")
                pending = &FChannelAuthor;
            else if (name == "pubdate" || name == "lastbuilddate" || name == "dc:date")
                pending = &FChannelDate;
            else if (name == "link")
                pending = &FChannelLink;
            else if (name == "item")
                beginItem();
        } else {
            if (name == "title")
                pending = &open->FTitle;
            else if (name == "description")
                pending = &open->FDescription;
            else if (name == "content:encoded")
                pending = &open->FContent;
            else if (name == "link")
                pending = &open->FLink;
            else if (name == "pubdate" || name == "dc:date")
                pending = &open->FDate;
            else if (name == "enclosure")
                ReadEnclosure(*open);
        }
    }
}

void TXMLReader::ReadEnclosure(TPodCastObject &item) const
{
    TTagAnalysis tag;
    tag.Parse(FToken);
    const QString type = tag.ValueOf(u"type"_s);
    if (type == u"audio/mpeg"_s || type == u"text/plain"_s || type == u"video/mp4"_s ||
        type == u"video/quicktime"_s || type == u"application/octet-stream"_s) {
        item.FEnclosureUrl = tag.ValueOf(u"url"_s);
        QString path = item.FEnclosureUrl;
        path.replace(u'/', u'\\');
        item.FEnclosureFileName = path.mid(path.lastIndexOf(u'\\') + 1);
        item.FEnclosureLengthText = tag.ValueOf(u"length"_s);
        bool ok = false;
        const qint32 length = item.FEnclosureLengthText.toInt(&ok);
        item.FEnclosureLength = ok ? length : 0;
    } else if (type == u"image/jpeg"_s) {
        item.FImageUrl = tag.ValueOf(u"url"_s);
    }
}
