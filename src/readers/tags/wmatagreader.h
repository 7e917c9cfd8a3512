#pragma once

#include <QByteArrayView>
#include <QString>

class TTagSource;

/// Title, author, rights notice and description of a Windows Media Audio file.
class TWMATagReader
{
public:
    /// Empties the fields and reads them from the file's header; throws ETagFileOpenError when the file
    /// cannot be opened. A file that cannot be parsed leaves the fields empty.
    void ReadFromFile(const QString &fileName);
    void ReadFromData(QByteArrayView data);
    void ReadFromSource(TTagSource &source);

    QString FTitle;
    QString FAuthor;
    QString FRights;
    QString FDescription;
};
