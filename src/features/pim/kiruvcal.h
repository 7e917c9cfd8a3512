#pragma once

#include "pim/propertystore.h"

/// One calendar event as the editor shows it; dates in the 15-character form 20050320T091600.
struct TIpodVCal
{
    QString Summary;
    QString DtStart;
    QString DtEnd;
    QString DAlarm;
    QString Categories;
    QString Priority;
    QString EventClass; // CLASS
    QString Description;
    bool operator==(const TIpodVCal &) const = default;
};

/// Shared shape of the two calendar file kinds: UTF-8 values, "vcalender" block, empty values delete.
class TKiruCalendarFile : public TKiruPropertyStore
{
protected:
    bool IsValid() const override;
    QString InvalidMarker() const override;
    bool IsUtf8() const override { return true; }
    bool EmptyValueDeletes() const override { return true; }
};

/// A vCalendar event file on the player.
class TKiruVCal : public TKiruCalendarFile
{
public:
    /// Loads the file, or starts from an empty event when there is none; raises ESorvoError when unreadable.
    explicit TKiruVCal(const QString &fileName);
    TIpodVCal GetRecord() const;
    void SetRecord(const TIpodVCal &record);

protected:
    QStringList Skeleton() const override;
    int AnchorLine() const override;
};
