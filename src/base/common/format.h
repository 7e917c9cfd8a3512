#pragma once

#include <QString>
#include <initializer_list>
#include <variant>

/// One argument of Format: an integer, a floating-point number or a text.
class TFormatArg
{
public:
    TFormatArg(int v) : FValue(qint64(v)) {}
    TFormatArg(unsigned v) : FValue(qint64(v)) {}
    TFormatArg(long v) : FValue(qint64(v)) {}
    TFormatArg(long long v) : FValue(qint64(v)) {}
    TFormatArg(unsigned long v) : FValue(qint64(v)) {}
    TFormatArg(unsigned long long v) : FValue(qint64(v)) {}
    TFormatArg(double v) : FValue(v) {}
    TFormatArg(const QString &v) : FValue(v) {}
    TFormatArg(const char16_t *v) : FValue(QString::fromUtf16(v)) {}

    std::variant<qint64, double, QString> FValue;
};

/// Fills a message template in the program's format notation: %d %u %x %s %f %n %e %g %%, with an
/// optional "-" (left-align), width and ".precision" ("%0.2d" pads to two digits, "%.0n" groups
/// thousands with no decimals, "%.1n" one decimal). Numbers follow the default QLocale.
QString Format(const QString &pattern, std::initializer_list<TFormatArg> args);

/// A number with thousands separators and the given decimals ("%.0n", "%.1n").
QString FormatNumber(double value, int decimals = 0);
