#pragma once

#include <QByteArrayView>
#include <QString>

/// Removes blanks and control characters (U+0000 to U+0020) at both ends.
QString TrimTagText(const QString &text);
/// A fixed single-byte field (ID3v1, ID3v2 encoding 0): leading zero bytes skipped, up to the next zero
/// byte, Shift-JIS, trimmed.
QString DecodeSingleByteField(QByteArrayView bytes);
/// UTF-16 up to the first zero code unit (an odd last byte is ignored); a leading BOM is not looked at.
QString DecodeUtf16Units(QByteArrayView bytes, bool bigEndian);
/// UTF-8 up to the first zero byte.
QString DecodeUtf8Field(QByteArrayView bytes);
/// The text of an ID3v2 text frame after its encoding byte: 0 Shift-JIS, 1 UTF-16 with its byte-order
/// mark, 2 UTF-16BE, 3 UTF-8, trimmed; "???" for any other encoding.
QString DecodeId3Text(int encoding, QByteArrayView bytes);
/// Offset just past the zero terminator of the text starting at from: one zero byte for encodings 0 and 3,
/// a zero 16-bit unit for 1 and 2; -1 when there is none.
qsizetype FindId3Terminator(int encoding, QByteArrayView bytes, qsizetype from);
/// Four 7-bit groups, most significant first.
quint32 SynchsafeSize(QByteArrayView fourBytes);
