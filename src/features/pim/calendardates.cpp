#include "pim/calendardates.h"

#include "common/sorvoerror.h"

#include <QTimeZone>

using namespace Qt::Literals::StringLiterals;

namespace {

bool IsDateOnly(const QString &value)
{
    if (value.size() != 8)
        return false;
    for (QChar c : value)
        if (!c.isDigit())
            return false;
    return true;
}

} // namespace

TDateTime ReadCalendarDateTime(const QString &value)
{
    // Files from other programs often hold an all-day start without a time.
    if (IsDateOnly(value))
        return ParseVCalDateTime(value + u"T0000"_s);
    // A trailing Z is universal time; the lists and the expiry work in local time.
    if (value.endsWith(u'Z') && value.contains(u'T')) {
        const QDateTime wall = DateTimeToQDateTime(ParseVCalDateTime(value.chopped(1)));
        const QDateTime utc(wall.date(), wall.time(), QTimeZone::utc());
        return QDateTimeToDateTime(utc.toLocalTime());
    }
    return ParseVCalDateTime(value);
}

TDateTime ReadCalendarDateTimeOrNow(const QString &value)
{
    try {
        return ReadCalendarDateTime(value);
    } catch (const EConvertError &) {
        return NowDateTime();
    }
}

QString ShownCalendarDateTime(const QString &value)
{
    if (value.trimmed().isEmpty())
        return {}; // no start is shown as none, not as the moment the list was read
    try {
        return ShownDateTime(DateTimeToQDateTime(ReadCalendarDateTime(value)));
    } catch (const EConvertError &) {
        return {};
    }
}

QString FormatCalendarDateTime(TDateTime value)
{
    return DateTimeToQDateTime(value).toString(u"yyyyMMdd'T'HHmm'00'"_s);
}
