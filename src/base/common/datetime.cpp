#include "common/datetime.h"

#include "common/format.h"
#include "common/sorvoerror.h"

#include <cmath>

#include <QCoreApplication>

using namespace Qt::Literals::StringLiterals;

namespace {
const QDate kEpoch(1899, 12, 30);
constexpr qint64 kMsPerDay = 86400000;

[[noreturn]] void ThrowConvert(const QString &text)
{
    throw EConvertError(
        Format(QCoreApplication::translate("DateTime", "'%s' は正しい日付/時刻ではありません"), {text}));
}

int ParseNumber(QStringView digits, bool &ok)
{
    ok = !digits.isEmpty();
    for (const QChar c : digits)
        if (!c.isDigit() || c.unicode() > 127)
            ok = false;
    return ok ? digits.toInt() : 0;
}
} // namespace

TDateTime QDateTimeToDateTime(const QDateTime &value)
{
    const qint64 days = kEpoch.daysTo(value.date());
    const double fraction = double(value.time().msecsSinceStartOfDay()) / double(kMsPerDay);
    // Before the epoch the fraction still counts forward from midnight: -1.25 is 1899-12-29 06:00.
    return days >= 0 ? double(days) + fraction : double(days) - fraction;
}

QDateTime DateTimeToQDateTime(TDateTime value)
{
    double whole = std::trunc(value);
    qint64 ms = std::llround(std::fabs(value - whole) * double(kMsPerDay));
    if (ms >= kMsPerDay) {
        ms -= kMsPerDay;
        whole += value >= 0 ? 1 : -1;
    }
    return QDateTime(kEpoch.addDays(qint64(whole)), QTime::fromMSecsSinceStartOfDay(int(ms)));
}

QDate DateTimeToDate(TDateTime value)
{
    return DateTimeToQDateTime(value).date();
}

TDateTime DateToDateTime(QDate date)
{
    return double(kEpoch.daysTo(date));
}

QString ShownDateTime(const QDateTime &value)
{
    return value.toString(u"yyyy/MM/dd HH:mm"_s);
}

TDateTime NowDateTime()
{
    return QDateTimeToDateTime(QDateTime::currentDateTime());
}

TDateTime MacTimeToDateTime(quint32 seconds)
{
    return double(seconds) / 86400.0 + 1462.0;
}

TDateTime ParseVCalDateTime(const QString &text)
{
    if (text.isEmpty())
        return NowDateTime();
    const qsizetype t = text.indexOf(u'T');
    if (t < 0)
        ThrowConvert(text);
    const QStringView datePart = QStringView(text).left(t);
    bool okY, okM, okD;
    const int year = ParseNumber(datePart.mid(0, 4), okY);
    const int month = ParseNumber(datePart.mid(4, 2), okM);
    const int day = ParseNumber(datePart.mid(6, 2), okD);
    const QDate date(year, month, day);
    if (!okY || !okM || !okD || !date.isValid())
        ThrowConvert(text);
    const QStringView timePart = QStringView(text).mid(t + 1, 4);
    bool okH, okN;
    const int hour = ParseNumber(timePart.mid(0, 2), okH);
    const int minute = ParseNumber(timePart.mid(2, 2), okN);
    if (!okH || !okN || hour > 23 || minute > 59)
        ThrowConvert(text);
    return DateToDateTime(date) + double(hour * 60 + minute) / 1440.0;
}
