#pragma once

#include "pim/kiruvcal.h"

/// One task as the editor shows it; the deadline in the 15-character form.
struct TVTodoObj
{
    QString Summary;
    QString Due;
    QString Description;
    bool operator==(const TVTodoObj &) const = default;
};

/// A vCalendar task file on the player.
class TKiruVTodo : public TKiruCalendarFile
{
public:
    /// Loads the file, or starts from an empty task when there is none; raises ESorvoError when unreadable.
    explicit TKiruVTodo(const QString &fileName);
    /// The deadline is read from DTEND, else DUE, else DTSTART.
    TVTodoObj GetRecord() const;
    /// The deadline goes into both DTSTART and DTEND.
    void SetRecord(const TVTodoObj &record);

protected:
    QStringList Skeleton() const override;
    int AnchorLine() const override;
};
