#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TCRForm;
}
class TKiruIPodINI;

/// The terms of use, shown at start-up until the user has agreed once.
class TCRForm : public QDialog
{
    Q_OBJECT
public:
    explicit TCRForm(TKiruIPodINI &settings, QWidget *parent = nullptr);
    ~TCRForm() override;

    void Agree();
    void Decline();
    void reject() override;

private:
    std::unique_ptr<Ui::TCRForm> FUi;
    TKiruIPodINI &FSettings;
};
