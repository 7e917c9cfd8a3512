#pragma once

#include <QString>

#include <functional>
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

/// Walks a folder tree depth first, entries in name order, never following links: `enter` (when given)
/// is called for each folder before its entries, `visit` for every entry that is not a folder, each with
/// the folder's path ending in "/". False when a folder cannot be listed; `failed` then names it. What
/// the callbacks throw ends the walk.
bool WalkFolderTree(const QString &folder, const std::function<void(const QString &folder)> &enter,
                    const std::function<void(const QString &folder, const TFolderEntry &entry)> &visit,
                    QString *failed = nullptr);
