#pragma once

#include "common/datetime.h"

#include <QString>

/// A calendar value as a date-time: "20050320T091600", or a date alone ("20050320") as midnight; a
/// trailing "Z" (universal time) is turned into local time.
/// Empty text gives now; anything else raises EConvertError.
TDateTime ReadCalendarDateTime(const QString &value);
/// The same, with now for an empty or unreadable value (what the editors show).
TDateTime ReadCalendarDateTimeOrNow(const QString &value);
/// A calendar value as the lists show it, "yyyy/MM/dd hh:mm"; empty when there is none or it
/// cannot be read.
QString ShownCalendarDateTime(const QString &value);
/// The 15-character form written to files: yyyymmdd "T" hhnn "00".
QString FormatCalendarDateTime(TDateTime value);
