#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

/// Shift-JIS (Windows code page 932 with the NEC and IBM extensions) into Unicode.
QString ShiftJisToUnicode(QByteArrayView bytes);
/// Unicode into Shift-JIS; characters the code page lacks become "?".
QByteArray UnicodeToShiftJis(QStringView text);
/// The same, counting in `replaced` the characters that became "?".
QByteArray UnicodeToShiftJis(QStringView text, int *replaced);
/// The characters of the text that Shift-JIS cannot hold (they would become "?"), each once, in the order
/// they first appear.
QStringList ShiftJisMissingCharacters(QStringView text);

/// 1 ISO-2022-JP, 0 Shift-JIS, 2 anything else (EUC-JP or plain ASCII); looks at the first 32 KiB.
int DetectJapaneseEncoding(QByteArrayView text);
/// ISO-2022-JP (JIS) text into Shift-JIS bytes.
QByteArray JisToShiftJis(QByteArrayView text);
/// EUC-JP text into Shift-JIS bytes.
QByteArray EucToShiftJis(QByteArrayView text);

/// One JIS X 0208 code (both bytes 0x21..0x7E) as its two Shift-JIS bytes.
void JisPairToShiftJis(unsigned char j1, unsigned char j2, char out[2]);

/// True when the byte starts a two-byte Shift-JIS character.
inline bool IsShiftJisLeadByte(unsigned char b)
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}
