#include "platform/namesondisk.h"

#include "common/paths.h"
#include "platform/folderlisting.h"
#include "platform/playerpaths.h"

#include <vector>

using namespace Qt::Literals::StringLiterals;

TNamesOnDisk::TNamesOnDisk(QString folder) : FFolder(AddPathDelim(std::move(folder))) {}

QString TNamesOnDisk::Relative(const QString &relative)
{
    const qsizetype cut = relative.lastIndexOf(u'/');
    if (cut < 0)
        return relative;
    return FolderOnDisk(relative.left(cut)) + relative.mid(cut);
}

QString TNamesOnDisk::FolderOnDisk(const QString &relativeFolder)
{
    if (const auto known = FLevels.constFind(relativeFolder); known != FLevels.cend())
        return *known;
    const qsizetype cut = relativeFolder.lastIndexOf(u'/');
    const QString parent = cut < 0 ? QString() : FolderOnDisk(relativeFolder.left(cut)) + u'/';
    const QString level = relativeFolder.mid(cut + 1);
    std::vector<TFolderEntry> entries;
    if (!ListFolder(FFolder + parent, entries))
        return parent + level; // not known yet: asked again next time
    QString found;
    const QString folded = FoldFileName(level);
    for (const TFolderEntry &entry : entries) {
        if (entry.name == level) {
            found = level;
            break;
        }
        if (found.isEmpty() && FoldFileName(entry.name) == folded)
            found = entry.name;
    }
    if (found.isEmpty())
        return parent + level;
    FLevels.insert(relativeFolder, parent + found);
    return parent + found;
}
