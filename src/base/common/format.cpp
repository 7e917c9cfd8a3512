#include "common/format.h"

#include <QLocale>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

QLocale GroupingLocale()
{
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return locale;
}

qint64 AsInteger(const TFormatArg &a)
{
    if (const auto *i = std::get_if<qint64>(&a.FValue))
        return *i;
    if (const auto *d = std::get_if<double>(&a.FValue))
        return qint64(*d);
    return std::get<QString>(a.FValue).toLongLong();
}

double AsDouble(const TFormatArg &a)
{
    if (const auto *d = std::get_if<double>(&a.FValue))
        return *d;
    if (const auto *i = std::get_if<qint64>(&a.FValue))
        return double(*i);
    return std::get<QString>(a.FValue).toDouble();
}

QString AsText(const TFormatArg &a)
{
    if (const auto *s = std::get_if<QString>(&a.FValue))
        return *s;
    if (const auto *i = std::get_if<qint64>(&a.FValue))
        return QString::number(*i);
    return QString::number(std::get<double>(a.FValue));
}

} // namespace

QString FormatNumber(double value, int decimals)
{
    return GroupingLocale().toString(value, 'f', decimals);
}

QString Format(const QString &pattern, std::initializer_list<TFormatArg> args)
{
    QString out;
    out.reserve(pattern.size() + 16);
    const TFormatArg *next = args.begin();
    const qsizetype n = pattern.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = pattern.at(i);
        if (c != u'%') {
            out += c;
            ++i;
            continue;
        }
        if (i + 1 < n && pattern.at(i + 1) == u'%') {
            out += u'%';
            i += 2;
            continue;
        }
        // %[-][width][.precision]type
        qsizetype j = i + 1;
        bool left = false;
        if (j < n && pattern.at(j) == u'-') {
            left = true;
            ++j;
        }
        int width = 0;
        while (j < n && pattern.at(j).isDigit())
            width = width * 10 + pattern.at(j++).digitValue();
        int precision = -1;
        if (j < n && pattern.at(j) == u'.') {
            ++j;
            precision = 0;
            while (j < n && pattern.at(j).isDigit())
                precision = precision * 10 + pattern.at(j++).digitValue();
        }
        if (j >= n) {
            out += QStringView(pattern).mid(i);
            break;
        }
        const QChar type = pattern.at(j).toLower();
        if (next == args.end() || !QStringView(u"duxsfneg").contains(type)) {
            out += QStringView(pattern).mid(i, j - i + 1);
            i = j + 1;
            continue;
        }
        const TFormatArg &arg = *next++;
        QString piece;
        switch (type.unicode()) {
        case u'd':
        case u'u': {
            const qint64 v = AsInteger(arg);
            QString digits = QString::number(v < 0 ? -v : v);
            if (precision > digits.size())
                digits = QString(precision - digits.size(), u'0') + digits;
            piece = (v < 0 ? u"-"_s : QString()) + digits;
            break;
        }
        case u'x': {
            QString digits = QString::number(quint64(AsInteger(arg)), 16).toUpper();
            if (precision > digits.size())
                digits = QString(precision - digits.size(), u'0') + digits;
            piece = digits;
            break;
        }
        case u's':
            piece = AsText(arg);
            if (precision >= 0)
                piece.truncate(precision);
            break;
        case u'f':
            piece = QString::number(AsDouble(arg), 'f', precision < 0 ? 2 : precision);
            break;
        case u'n':
            piece = FormatNumber(AsDouble(arg), precision < 0 ? 2 : precision);
            break;
        case u'e':
            piece = QString::number(AsDouble(arg), 'E', precision < 0 ? 14 : qMax(precision - 1, 0));
            break;
        default: // g
            piece = QString::number(AsDouble(arg), 'g', precision < 0 ? 15 : precision);
            break;
        }
        if (piece.size() < width)
            piece = left ? piece + QString(width - piece.size(), u' ')
                         : QString(width - piece.size(), u' ') + piece;
        out += piece;
        i = j + 1;
    }
    return out;
}
