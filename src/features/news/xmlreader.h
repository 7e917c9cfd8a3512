#pragma once

#include "news/tokenreader.h"

#include <QString>

#include <memory>
#include <vector>

/// One feed item, with the attached file of podcast-style feeds.
class TPodCastObject
{
public:
    QString FTitle;
    QString FLink;
    QString FDescription;
    QString FContent; // content:encoded
    QString FDate;
    QString FEnclosureUrl;
    QString FEnclosureLengthText;
    QString FEnclosureFileName;
    qint32 FEnclosureLength = 0;
    QString FImageUrl;
    QString FAuthor;    // channel author when the item began
    QString FFeedTitle; // channel title when the item began
};

/// Reads an RSS or RDF feed by lower-cased tag names; nesting and namespaces are not checked.
class TXMLReader : public TTokenReader
{
public:
    /// Parses the whole text given to SetText (Shift-JIS) once.
    void Read();
    int Count() const { return int(FItems.size()); }
    /// The item at an index; nullptr past the end.
    const TPodCastObject *Items(int index) const;

    std::vector<std::unique_ptr<TPodCastObject>> FItems; // in document order
    QString FChannelTitle;
    QString FChannelAuthor;
    QString FChannelLink;
    QString FChannelDescription;
    QString FChannelDate;

private:
    void ReadEnclosure(TPodCastObject &item) const;
};
