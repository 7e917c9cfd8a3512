#pragma once

#include "platform/diskcheck.h"

#include <QDialog>

#include <memory>

namespace Ui {
class TSpecForm;
}
class IUserDialogs;
class TBackgroundTask;
struct TPlayerInfo;

/// The device details window: model data, the player's information file and a disk check.
class TSpecForm : public QDialog
{
    Q_OBJECT
public:
    TSpecForm(const TPlayerInfo &device, IUserDialogs &dialogs, QWidget *parent = nullptr);
    ~TSpecForm() override;

    /// "スキャンディスク": asks, runs the checker beside the window and shows its output.
    void CheckDisk();
    /// True while the disk check runs.
    bool Checking() const;
    /// The check the window offers (planned for the player root on opening); tests give their own.
    void SetDiskCheck(const TDiskCheck &check);
    int PictureIndex() const { return FPictureIndex; }

protected:
    /// The window stays while the check runs.
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    std::unique_ptr<Ui::TSpecForm> FUi;
    const TPlayerInfo &FDevice;
    IUserDialogs &FDialogs;
    int FPictureIndex = 1;
    TDiskCheck FDiskCheck;
    TBackgroundTask *FCheck = nullptr; // the disk check running beside the window
};
