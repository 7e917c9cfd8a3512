#pragma once

#include <QByteArray>
#include <QList>
#include <QStringView>

/// Writes JSON straight into UTF-8 bytes, laid out as QJsonDocument::Indented lays it out, without
/// building a document first: long listings (tens of thousands of songs) print at the speed of the
/// text. Members are written in the order given; a caller that wants QJsonObject's output gives
/// them in key order.
class TJsonWriter
{
public:
    void BeginArray();
    void EndArray();
    void BeginObject();
    void EndObject();
    /// The name of the next member of the current object.
    void Key(QStringView key);
    void Value(QStringView text);
    void Value(const char16_t *text) { Value(QStringView(text)); }
    void Value(qint64 number);
    void Value(int number) { Value(qint64(number)); }
    void Value(bool flag);
    /// The document so far; once the outermost container is closed it ends with a line break.
    const QByteArray &Bytes() const { return FOut; }

private:
    void BeforeValue();
    void NewMember();
    void Open(char bracket);
    void Close(char bracket);
    void Indent(qsizetype level);
    void String(QStringView text);

    QByteArray FOut;
    QList<qsizetype> FCounts; // members written so far in each open container
    bool FAfterKey = false;
};
