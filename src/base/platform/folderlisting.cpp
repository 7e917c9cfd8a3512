#include "platform/folderlisting.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include <algorithm>

bool ListFolder(const QString &folder, std::vector<TFolderEntry> &entries)
{
    entries.clear();
    const QFileInfo self(folder);
    if (!self.isDir() || !self.isReadable())
        return false;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        TFolderEntry entry;
        entry.name = info.fileName();
        if (info.isSymLink())
            entry.kind = info.isDir() ? TFolderEntry::FolderLink : TFolderEntry::FileLink;
        else if (info.isDir())
            entry.kind = TFolderEntry::Folder;
        else if (info.isFile())
            entry.kind = TFolderEntry::File;
        else
            entry.kind = TFolderEntry::Special;
        entries.push_back(std::move(entry));
    }
    std::sort(entries.begin(), entries.end(),
              [](const TFolderEntry &a, const TFolderEntry &b) { return a.name.compare(b.name) < 0; });
    return true;
}

bool WalkFolderTree(const QString &folderPath, const std::function<void(const QString &folder)> &enter,
                    const std::function<void(const QString &folder, const TFolderEntry &entry)> &visit,
                    QString *failed)
{
    const QString folder = folderPath.endsWith(u'/') ? folderPath : folderPath + u'/';
    if (enter)
        enter(folder);
    std::vector<TFolderEntry> entries;
    if (!ListFolder(folder, entries)) {
        if (failed)
            *failed = folder;
        return false;
    }
    for (const TFolderEntry &entry : entries) {
        if (entry.kind != TFolderEntry::Folder)
            visit(folder, entry);
        else if (!WalkFolderTree(folder + entry.name, enter, visit, failed))
            return false;
    }
    return true;
}
