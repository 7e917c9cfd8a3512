#pragma once

#include <QHash>
#include <QString>

/// The names folders below a destination have on its disk. A case-insensitive file system (FAT,
/// exFAT) enters an existing "artist" for "Artist", and some store names in another Unicode
/// normalisation: a playlist that names the folder as written is lost to a reader that matches names
/// exactly.
class TNamesOnDisk
{
public:
    explicit TNamesOnDisk(QString folder);

    /// `relative` ("Artist/Album/Song.mp3", below the folder) with each folder level named as its
    /// parent's listing has it: as written when listed so, else the entry equal to it ignoring case
    /// and normalisation. The file name stays as written: a copy is made under a new name of its own.
    QString Relative(const QString &relative);

private:
    QString FolderOnDisk(const QString &relativeFolder);

    QString FFolder;                 // with a trailing "/"
    QHash<QString, QString> FLevels; // folder as written -> as on the disk; one listing per folder a run
};
