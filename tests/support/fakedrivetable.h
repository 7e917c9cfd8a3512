#pragma once

#include "platform/drivetable.h"

#include <QList>

/// Test double: fixed roots with their facts.
class TFakeDriveTable : public IDriveTable
{
public:
    struct TDrive
    {
        QString root;
        TDriveFacts facts;
    };
    QList<TDrive> FDrives;
    bool FNamedByUser = false;
    mutable QStringList FQueried; // roots asked about, in order

    void Add(const QString &root, bool removable, const QString &label = {}, qint64 total = 0,
             qint64 free = 0);
    QStringList Candidates() const override;
    bool NamedByUser() const override { return FNamedByUser; }
    TDriveFacts Query(const QString &path) const override;
    void AddUserRoot(const QString &root) override;
};
