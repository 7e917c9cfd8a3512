#include "notefiles.h"

#include "common/japanese.h"
#include "fixturefiles.h"

#include <QtEndian>

using namespace Qt::Literals::StringLiterals;

QByteArray SjisBytes(const QString &text)
{
    return UnicodeToShiftJis(text);
}

QByteArray Utf16Bytes(const QString &text, bool bigEndian)
{
    QByteArray out = bigEndian ? QByteArray("\xFE\xFF") : QByteArray("\xFF\xFE");
    for (QChar c : text) {
        char unit[2];
        if (bigEndian)
            qToBigEndian<quint16>(c.unicode(), unit);
        else
            qToLittleEndian<quint16>(c.unicode(), unit);
        out.append(unit, 2);
    }
    return out;
}

QByteArray RepeatLines(int count, int width)
{
    QByteArray out;
    for (int i = 0; i < count; ++i) {
        out += QByteArray(width, char('a' + i % 26));
        out += "\r\n";
    }
    return out;
}

QString WriteLinesFile(const QString &folder, const QString &name, const QStringList &lines, bool utf8)
{
    QByteArray bytes;
    for (const QString &l : lines)
        bytes += (utf8 ? l.toUtf8() : SjisBytes(l)) + "\r\n";
    const QString path = folder + u'/' + name;
    WriteFixtureFile(path, bytes);
    return path;
}

QStringList ReadLinesFile(const QString &path, bool utf8)
{
    const QByteArray bytes = ReadFixtureFile(path);
    QStringList lines;
    for (const QByteArray &l : bytes.split('\n')) {
        QByteArray line = l;
        if (line.endsWith('\r'))
            line.chop(1);
        lines.append(utf8 ? QString::fromUtf8(line) : ShiftJisToUnicode(line));
    }
    if (!lines.isEmpty() && lines.last().isEmpty() && bytes.endsWith('\n'))
        lines.removeLast();
    return lines;
}
