#pragma once

#include "platform/regularfile.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

/// Encodings a text file may come in; every load ends in Shift-JIS lines.
enum TKiruTextCode : int
{
    tcAuto = 0,
    tcShiftJIS = 1,
    tcJIS = 2,
    tcEUC = 3,
    tcUTF16LE = 4,
    tcUTF16BE = 5,
    tcUTF8 = 6,
};

/// Lines of Shift-JIS text, loaded from a file in any common Japanese encoding.
class TKiruStringList
{
public:
    /// Reads the whole file and loads it; raises ESorvoError when it cannot be read.
    void LoadFromFileEx(const QString &fileName, int code);
    /// Loads the bytes in the given encoding (tcAuto detects) and sets Encoding.
    void LoadFromStreamEx(QByteArrayView data, int code);
    /// Detects the encoding of a text: never returns tcAuto.
    static int DetectEncoding(QByteArrayView data);

    /// Shift-JIS bytes split at CR LF, LF or CR; no conversion.
    void SetText(QByteArrayView text);
    /// Every line followed by CR LF.
    QByteArray Text() const;
    /// Byte length of Text().
    qint64 TextLength() const;
    /// The lines as Unicode text joined by "\n".
    QString UnicodeText() const;
    /// Writes Text() (replacing the file atomically); raises ESorvoError on failure.
    void SaveToFile(const QString &fileName) const;

    int Encoding = tcShiftJIS;
    QList<QByteArray> FLines;
    /// Characters the last load could not keep (Shift-JIS lacks them, or their bytes were broken): each
    /// became "?".
    int FReplacedChars = 0;
    /// Of those, the damaged byte sequences of a UTF-8 text (each became "?" too).
    int FBrokenSequences = 0;
};

/// True when the bytes are well-formed UTF-8 (no overlong forms, surrogates or cut sequences).
bool IsWellFormedUtf8(QByteArrayView bytes);
/// Splits bytes into lines the way a text list does: CR LF, LF and CR all end a line.
QList<QByteArray> SplitTextLines(QByteArrayView text);
/// Joins lines, each followed by CR LF.
QByteArray JoinTextLines(const QList<QByteArray> &lines);
/// Writes bytes atomically (a removed player or a full disk never leaves half a file); raises ESorvoError.
void WriteFileAtomic(const QString &fileName, const QByteArray &bytes);
/// Reads a whole file of at most `limit` bytes; raises ESorvoError when it cannot.
QByteArray ReadWholeFile(const QString &fileName, qint64 limit = kTextFileLimit);
