#include "notes/usablename.h"

#include "common/format.h"
#include "common/sorvoerror.h"

#include <QCoreApplication>

using namespace Qt::Literals::StringLiterals;

namespace {
bool IsRefused(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7F || u"\\/:*?\"<>|"_s.contains(c);
}
} // namespace

bool IsUsableFileName(const QString &name)
{
    if (name.trimmed().isEmpty() || name == u"."_s || name == u".."_s)
        return false;
    for (QChar c : name)
        if (IsRefused(c))
            return false;
    return true;
}

void CheckUsableFileName(const QString &name)
{
    if (!IsUsableFileName(name))
        throw ESorvoError(
            Format(QCoreApplication::translate("UsableName", "ファイル名[ %s ]は使えません"), {name}));
}

QString BlankUnusableChars(const QString &name)
{
    QString out = name;
    for (QChar &c : out)
        if (IsRefused(c))
            c = u' ';
    return out;
}
