#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>

/// One attribute of a tag: name and value as written (no entity decoding).
class TTagItem
{
public:
    QString FName;
    QString FValue;
};

/// Pulls name and value pairs out of one tag, with the quote rules the feed and page readers rely on.
class TTagAnalysis
{
public:
    /// Replaces the attribute list with the attributes of one Shift-JIS tag.
    void Parse(QByteArrayView tag);
    /// The value of the last attribute of that name, without regard to case; empty if none.
    QString ValueOf(const QString &name) const;

    QList<TTagItem> FItems; // in the order found
};
