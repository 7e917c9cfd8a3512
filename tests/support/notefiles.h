#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

/// Unicode text as Shift-JIS bytes.
QByteArray SjisBytes(const QString &text);
/// Unicode text as UTF-16 with its byte order mark.
QByteArray Utf16Bytes(const QString &text, bool bigEndian);
/// count lines of width ASCII characters each ("a", "b", ... cycling), every line ended by CR LF.
QByteArray RepeatLines(int count, int width);
/// Writes lines joined by CR LF (each line ended) into folder/name; returns the path.
QString WriteLinesFile(const QString &folder, const QString &name, const QStringList &lines,
                       bool utf8 = false);
/// The lines of a CR LF file, decoded from Shift-JIS (utf8 false) or UTF-8.
QStringList ReadLinesFile(const QString &path, bool utf8 = false);
