#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TPhotoCopyForm;
}
class IDriveTable;
class IUserDialogs;
class TKiruIPodINI;

/// Asks where the checked photo albums go and whether as thumbnails or full-size files.
class TPhotoCopyForm : public QDialog
{
    Q_OBJECT
public:
    TPhotoCopyForm(TKiruIPodINI &settings, const IDriveTable &drives, IUserDialogs &dialogs,
                   QWidget *parent = nullptr);
    ~TPhotoCopyForm() override;

    /// Chooses the kind (0 thumbnails, 1 full size) and whether the user may change it.
    void SetKind(int kind, bool changeable);
    int Kind() const;
    QString Folder() const;

    /// Shows what the folder text names and allows OK only for a drive that can take files.
    void FolderChanged();
    void ChooseFolder();

private:
    std::unique_ptr<Ui::TPhotoCopyForm> FUi;
    const IDriveTable &FDrives;
    IUserDialogs &FDialogs;
};
