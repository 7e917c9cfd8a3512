#include "common/textutils.h"

#include "common/format.h"

#include <algorithm>

#include <QCoreApplication>

using namespace Qt::Literals::StringLiterals;

QString GetField(int n, const QString &text, QChar separator)
{
    QString result;
    int field = 0;
    for (const QChar c : text) {
        if (c == separator) {
            ++field;
            if (field > n)
                break;
        } else if (field == n) {
            result += c;
        }
    }
    return result;
}

QString DecodeWideOrUtf8(QByteArrayView buffer, int mode, bool blankInnerNuls)
{
    if (blankInnerNuls) {
        // Trailing NULs are padding; one inside is made a blank rather than cutting the text there.
        QString text;
        if (mode == 1) {
            text = QString::fromUtf8(buffer);
        } else if (mode == 0 || mode == 2) {
            text.resize(buffer.size() / 2);
            for (qsizetype i = 0; i < text.size(); ++i)
                text[i] = QChar(char16_t(uchar(buffer[2 * i]) | (uchar(buffer[2 * i + 1]) << 8)));
        }
        while (!text.isEmpty() && text.back() == QChar(0))
            text.chop(1);
        text.replace(QChar(0), u' ');
        return text;
    }
    if (mode == 0 || mode == 2) {
        qsizetype units = buffer.size() / 2;
        for (qsizetype i = 0; i < units; ++i) {
            if (buffer[2 * i] == 0 && buffer[2 * i + 1] == 0) {
                units = i;
                break;
            }
        }
        QString out(units, Qt::Uninitialized);
        for (qsizetype i = 0; i < units; ++i)
            out[i] = QChar(char16_t(uchar(buffer[2 * i]) | (uchar(buffer[2 * i + 1]) << 8)));
        return out;
    }
    if (mode == 1) {
        const qsizetype zero = buffer.indexOf('\0');
        return QString::fromUtf8(zero < 0 ? buffer : buffer.first(zero));
    }
    return {};
}

QString FormatDuration(qint32 ms)
{
    const qint32 seconds = ms / 1000;
    const qint32 minutes = ms / 60000;
    const qint32 hours = ms / 3600000;
    if (minutes <= 0)
        return Format(QCoreApplication::translate("TextUtils", "%d 秒"), {seconds});
    if (hours > 0)
        return Format(QCoreApplication::translate("TextUtils", "%d 時間 %d 分 %d 秒"),
                      {hours, minutes % 60, seconds % 60});
    return Format(QCoreApplication::translate("TextUtils", "%d 分 %d 秒"), {minutes, seconds % 60});
}

QString EscapeControlChars(const QString &text)
{
    const auto isControl = [](QChar c) {
        const char16_t u = c.unicode();
        return u < 0x20 || (u >= 0x7F && u <= 0x9F);
    };
    if (std::none_of(text.begin(), text.end(), isControl))
        return text;
    QString out;
    out.reserve(text.size() + 8);
    for (QChar c : text) {
        if (c == u'\n')
            out += u"\\n"_s;
        else if (c == u'\r')
            out += u"\\r"_s;
        else if (c == u'\t')
            out += u"\\t"_s;
        else if (isControl(c))
            out += u"\\x"_s + QString::number(c.unicode(), 16).rightJustified(2, u'0').toUpper();
        else
            out += c;
    }
    return out;
}

QString OneLineCell(QStringView text)
{
    QString cell = text.toString();
    for (QChar &c : cell)
        if (c == u'\t' || c == u'\r' || c == u'\n')
            c = u' ';
    return cell;
}
