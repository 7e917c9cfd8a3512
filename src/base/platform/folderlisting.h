#pragma once

#include <QString>

#include <vector>

/// One entry of a folder listing, classified from the listing itself.
struct TFolderEntry
{
    enum TKind
    {
        File,
        Folder,
        FolderLink, // a link to a folder: could lead off the player or round in a circle
        FileLink,
        Special, // a pipe, socket or device: opening it could block
    };
    QString name;
    TKind kind = File;
};

/// The entries of a folder (hidden ones included) in name order, so that every file system gives the
/// same order; false when the folder cannot be listed.
bool ListFolder(const QString &folder, std::vector<TFolderEntry> &entries);
