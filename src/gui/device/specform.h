#pragma once

#include "platform/diskcheck.h"

#include <QDialog>

#include <memory>

namespace Ui {
class TSpecForm;
}
class IUserDialogs;
class TMPlayerChecker;

/// The device details window: model data, the player's information file and a disk check.
class TSpecForm : public QDialog
{
    Q_OBJECT
public:
    TSpecForm(const TMPlayerChecker &device, IUserDialogs &dialogs, QWidget *parent = nullptr);
    ~TSpecForm() override;

    /// The disk check: asks, runs the checker and shows its output.
    void Button1Click();
    /// The check the window offers (planned for the player root on opening); tests give their own.
    void SetDiskCheck(const TDiskCheck &check);
    int PictureIndex() const { return FPictureIndex; }

private:
    std::unique_ptr<Ui::TSpecForm> FUi;
    const TMPlayerChecker &FDevice;
    IUserDialogs &FDialogs;
    int FPictureIndex = 1;
    TDiskCheck FDiskCheck;
};
