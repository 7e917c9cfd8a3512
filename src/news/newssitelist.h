#pragma once

#include "app/settings.h"

#include <QList>
#include <QString>
#include <QStringList>

class IUserDialogs;

/// The site editor window: edits a name and an address; false when cancelled.
class IEditURLDialog
{
public:
    virtual ~IEditURLDialog() = default;
    virtual bool Execute(QString &name, QString &address) = 0;
};

/// The news site rows and the commands of the news tab that change them.
class TNewsSiteList
{
public:
    enum TEditMode : int
    {
        ModeEdit = 0,
        ModeAdd = 1,
        ModeDroppedFile = 3
    };

    /// Adds or edits a row through the editor; a dropped file proposes "不明なニュース" for a dropped file.
    /// Returns the index of the added or changed row, -1 when the editor was cancelled.
    int EditSite(TEditMode mode, const QString &path, int selected, IEditURLDialog &editor);
    /// Adds an unticked row that has never been updated; returns its index.
    int AddSite(const QString &caption, const QString &address);
    /// Asks before removing the selected row; true when it was removed.
    bool DeleteSite(int selected, IUserDialogs &dialogs);
    /// Asks, then replaces every row with the five default sites; true when it did.
    bool ResetToDefaults(IUserDialogs &dialogs);
    /// The first row with this caption; -1 if none.
    int IndexOfCaption(const QString &caption) const;

    /// Rows from the settings' site lines (an empty list leaves the rows alone).
    void LoadFromSettings(const QStringList &lines) { FillSiteRows(lines, FRows); }
    /// Rows into the settings' site lines (no rows leave the lines alone).
    void StoreToSettings(QStringList &lines) const { StoreSiteRows(FRows, lines); }

    /// The five default sites, unticked, "Not Updated".
    static QList<TSiteRow> DefaultRows();

    QList<TSiteRow> FRows;
};
