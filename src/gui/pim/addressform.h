#pragma once

#include "common/reportlistmodel.h"
#include "pim/pimcommands.h"
#include "pim/pimeditors.h"

#include <QDialog>
#include <QMenu>

#include <memory>

namespace Ui {
class TAddressForm;
}
class IUserDialogs;

/// The contact editor's rows: "項目" and "内容", one per field of the card.
class TContactRowsModel : public TReportListModel
{
    Q_OBJECT
public:
    explicit TContactRowsModel(QObject *parent = nullptr);
    void SetRows(const QList<TContactEditorRow> &rows);
    const QList<TContactEditorRow> &Rows() const { return FRows; }
    /// Replaces one row's content and repaints it.
    void SetRowValue(int item, const QString &value);

protected:
    QString ItemText(int item, int column) const override;

private:
    QList<TContactEditorRow> FRows;
};

/// The contact editor: one row per field, each edited in an input box.
class TAddressForm : public QDialog
{
    Q_OBJECT
public:
    explicit TAddressForm(IUserDialogs &dialogs, QWidget *parent = nullptr);
    ~TAddressForm() override;

    /// Record to rows.
    void SetRecord(const TIpodVCF &record);
    /// Rows to record.
    TIpodVCF Record() const;
    /// Edits the selected row's content in an input box.
    void EditSelectedContact();
    TContactRowsModel &Model() { return FModel; }
    /// A new card takes its file name from the full name: OK then waits for a usable one.
    void SetFileNameRequired(bool required) { FFileNameRequired = required; }
    /// The card OK saves into (empty: a new card); OK first names the characters it cannot hold.
    void SetTargetFile(const QString &path) { FTargetFile = path; }
    void accept() override;

private:
    std::unique_ptr<Ui::TAddressForm> FUi;
    IUserDialogs &FDialogs;
    TContactRowsModel FModel;
    QMenu FPopupMenu;
    bool FFileNameRequired = false;
    QString FTargetFile;
};
