#include "common/windowsnames.h"

#include <QStringList>

using namespace Qt::Literals::StringLiterals;

namespace {

// The part of a name Windows takes for the device: up to the first dot, trailing blanks ignored.
QStringView DevicePart(const QString &name)
{
    QStringView base(name);
    const qsizetype dot = base.indexOf(u'.');
    if (dot >= 0)
        base = base.first(dot);
    while (!base.isEmpty() && base.back() == u' ')
        base.chop(1);
    return base;
}

} // namespace

bool IsWindowsDeviceName(const QString &name)
{
    const QString base = DevicePart(name).toString().toUpper();
    if (base == u"CON"_s || base == u"AUX"_s || base == u"PRN"_s || base == u"NUL"_s)
        return true;
    return base.size() == 4 && (base.startsWith(u"COM"_s) || base.startsWith(u"LPT"_s)) &&
           base.at(3) >= u'1' && base.at(3) <= u'9';
}

QString WindowsSafeName(const QString &name)
{
    QString out = name;
    // Windows drops trailing dots and blanks when it opens a name, so a file named so cannot be reached.
    while (!out.isEmpty() && (out.back() == u'.' || out.back() == u' '))
        out.chop(1);
    if (out.isEmpty())
        return u"_"_s;
    if (IsWindowsDeviceName(out))
        out.insert(DevicePart(out).size(), u'_');
    return out;
}

QString WindowsSafePath(const QString &relative)
{
    QStringList parts = relative.split(u'/');
    for (QString &part : parts)
        if (!part.isEmpty())
            part = WindowsSafeName(part);
    return parts.join(u'/');
}
