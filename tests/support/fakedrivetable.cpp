#include "fakedrivetable.h"

#include <QDir>

using namespace Qt::Literals::StringLiterals;

void TFakeDriveTable::Add(const QString &root, bool removable, const QString &label, qint64 total,
                          qint64 free)
{
    TDriveFacts facts;
    facts.ok = true;
    facts.removable = removable;
    facts.typeName = removable ? u"Removable"_s : u"HardDisk"_s;
    facts.volumeName = label;
    facts.totalBytes = total;
    facts.freeBytes = free;
    FDrives.append({QDir::cleanPath(root), facts});
}

QStringList TFakeDriveTable::Candidates() const
{
    QStringList out;
    for (const TDrive &d : FDrives)
        out << d.root;
    return out;
}

TDriveFacts TFakeDriveTable::Query(const QString &path) const
{
    const QString clean = QDir::cleanPath(path);
    FQueried << clean;
    const TDrive *best = nullptr;
    for (const TDrive &d : FDrives)
        if (SameOrBelow(clean, d.root) && (!best || d.root.size() > best->root.size()))
            best = &d;
    if (!best) {
        TDriveFacts none;
        none.typeName = u"Unknown"_s;
        return none;
    }
    return best->facts;
}

void TFakeDriveTable::AddUserRoot(const QString &root)
{
    const QString clean = QDir::cleanPath(root);
    for (TDrive &d : FDrives)
        if (d.root == clean) {
            d.facts.removable = true;
            return;
        }
    Add(clean, true);
}
