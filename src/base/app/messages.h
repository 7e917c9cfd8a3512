#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
#include <vector>

/// One entry of the message table.
class TLangObj
{
public:
    QByteArray FKey;
    QString FText;
};

/// The entries in order; lookups are exact and case-sensitive.
class TLangObjList
{
public:
    virtual ~TLangObjList() = default;
    virtual void AddText(const QByteArray &key, const QString &text);
    /// The first entry's text whose key equals the argument byte for byte; empty when none.
    virtual QString FindText(const QByteArray &key) const;
    qsizetype Count() const { return qsizetype(FItems.size()); }

private:
    std::vector<std::unique_ptr<TLangObj>> FItems;
};

/// The program's keyed user-interface texts (status-line messages and the title).
class TLagugae
{
public:
    TLagugae();
    virtual ~TLagugae() = default;
    virtual QString GetText(const QByteArray &key) const;

    TLangObjList FItems;
};
