#pragma once

#include "app/settings.h"
#include "common/reportlistmodel.h"

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

/// The 最終更新 text shown for a stored value: a site never fetched reads 未更新.
QString ShownLastUpdate(const QString &stored);

/// The news sites: one row per site in list order, its check box the site's tick, and the commands of
/// the news tab that change them. The model owns the rows; a row's tick is its check mark.
class TNewsSiteModel : public TReportListModel
{
    Q_OBJECT
public:
    enum TEditMode : int
    {
        ModeEdit = 0,
        ModeAdd = 1,
        ModeDroppedFile = 3
    };

    explicit TNewsSiteModel(QObject *parent = nullptr);

    /// The rows, each with its tick.
    QList<TSiteRow> Rows() const;
    int Count() const { return int(FRows.size()); }
    TSiteRow Row(int index) const;
    /// New rows in place of the old ones: sites that stay keep their place and selection.
    void SetRows(const QList<TSiteRow> &rows);
    void SetTicked(int index, bool ticked) { SetItemChecked(index, ticked); }
    /// A site was fetched: its last-update column.
    void SetLastUpdate(int index, const QString &text);

    /// Adds or edits a row through the editor; a dropped file proposes "不明なニュース" for a dropped file.
    /// Returns the index of the added or changed row, -1 when the editor was cancelled. A name the
    /// settings cannot hold is refused with ESorvoError.
    int EditSite(TEditMode mode, const QString &path, int selected, IEditURLDialog &editor);
    /// Adds an unticked row that has never been updated; returns its index. Refuses (ESorvoError) a name
    /// the settings cannot hold.
    int AddSite(const QString &caption, const QString &address);
    /// Asks before removing the selected row; true when it was removed.
    bool DeleteSite(int selected, IUserDialogs &dialogs);
    /// Asks, then replaces every row with the five default sites; true when it did.
    bool ResetToDefaults(IUserDialogs &dialogs);
    /// The first row with this caption; -1 if none.
    int IndexOfCaption(const QString &caption) const;

    /// Rows from the settings' site lines (an empty list leaves the rows alone).
    void LoadFromSettings(const QStringList &lines);
    /// Rows into the settings' site lines (no rows leave the lines alone).
    void StoreToSettings(QStringList &lines) const;

    /// The five default sites, unticked, "Not Updated".
    static QList<TSiteRow> DefaultRows();

protected:
    QString ItemText(int item, int column) const override;
    QVariant ItemData(int item, int column, int role) const override;

private:
    QList<TSiteRow> FRows; // their FTicked is not kept here: the check marks are the ticks
};
