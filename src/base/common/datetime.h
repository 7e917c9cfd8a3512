#pragma once

#include <QDateTime>
#include <QString>

/// The program's date-time value: days since 1899-12-30 with the time of day as the fraction,
/// local wall-clock time with no zone.
using TDateTime = double;

/// The wall-clock value of a date-time (no zone or daylight-saving adjustment).
TDateTime QDateTimeToDateTime(const QDateTime &value);
/// Local date-time with the same wall-clock value, to the nearest millisecond.
QDateTime DateTimeToQDateTime(TDateTime value);
/// The date alone.
QDate DateTimeToDate(TDateTime value);
TDateTime DateToDateTime(QDate date);
/// A date and time as every window shows it: 2007/05/14 21:15.
QString ShownDateTime(const QDateTime &value);
/// Now, as a date-time value.
TDateTime NowDateTime();
/// Seconds since 1904-01-01 as stored by the song database: seconds / 86400 + 1462.
TDateTime MacTimeToDateTime(quint32 seconds);

/// A calendar value such as 20050315T103000 (date and hours:minutes; seconds and zone ignored).
/// Empty text gives now; malformed text raises EConvertError.
TDateTime ParseVCalDateTime(const QString &text);
