#pragma once

#include "music/songcopy.h"

#include <QDialog>

#include <memory>

namespace Ui {
class TSongCopyCfgForm;
}
class IDriveTable;
class IUserDialogs;
class QButtonGroup;
class TKiruIPodINI;

/// The extraction settings window: destination folder with its check, folder and naming options. Shows
/// and stores the "SongCopy" settings, or the "VideoCopy" ones for videos (no track numbers there).
class TSongCopyCfgForm : public QDialog
{
    Q_OBJECT
public:
    TSongCopyCfgForm(TKiruIPodINI &settings, const IDriveTable &drives, IUserDialogs &dialogs,
                     TCopyKind kind = TCopyKind::Songs, QWidget *parent = nullptr);
    ~TSongCopyCfgForm() override;

    /// Re-evaluates the folder text: the status label and whether OK may be pressed.
    void FolderChanged();
    /// Lets the user pick the folder.
    void ChooseFolder();
    /// Asks to create a missing folder, stores the settings and closes confirmed; No keeps the window open.
    void Confirm();

    /// The player's root: a destination inside it (also through a link) is refused before anything is made.
    void SetPlayerRoot(const QString &root) { FPlayerRoot = root; }

    bool FConfirmed = false;

private:
    std::unique_ptr<Ui::TSongCopyCfgForm> FUi;
    TKiruIPodINI &FSettings;
    const IDriveTable &FDrives;
    IUserDialogs &FDialogs;
    TCopyKind FKind;
    QString FPlayerRoot;
    QButtonGroup *FNameTypes = nullptr;
};
