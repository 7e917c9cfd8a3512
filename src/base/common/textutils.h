#pragma once

#include <QByteArrayView>
#include <QString>

/// The n-th (from 0) field of a text split at every separator; empty past the last field.
QString GetField(int n, const QString &text, QChar separator);
/// A zero-terminated database string: mode 0 or 2 UTF-16LE, mode 1 UTF-8, other modes empty.
QString DecodeWideOrUtf8(QByteArrayView buffer, int mode, bool blankInnerNuls = false);
/// "%d 秒", "%d 分 %d 秒" or "%d 時間 %d 分 %d 秒" for a length in milliseconds.
QString FormatDuration(qint32 ms);
/// Control characters (C0, DEL and C1) written as "\\n", "\\t", "\\r" or "\\xHH", so
/// that text from outside shown on a terminal can neither move the cursor nor start an escape sequence.
QString EscapeControlChars(const QString &text);
/// A cell of a tab-separated line (the song listing, the scrobble log): tabs and line breaks become
/// blanks, so that a tag holding them cannot split the row.
QString OneLineCell(QStringView text);
