#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TConfigForm;
}
class IDriveTable;
class IUserDialogs;
class TKiruIPodINI;

/// The settings window: drive lock, news options and memo division options.
class TConfigForm : public QDialog
{
    Q_OBJECT
public:
    TConfigForm(TKiruIPodINI &settings, const IDriveTable &drives, IUserDialogs &dialogs,
                QWidget *parent = nullptr);
    ~TConfigForm() override;

    /// Stores every control into the settings and closes; a save folder the news download would refuse
    /// keeps the window open.
    void Confirm();

private:
    std::unique_ptr<Ui::TConfigForm> FUi;
    TKiruIPodINI &FSettings;
    IUserDialogs &FDialogs;
};
