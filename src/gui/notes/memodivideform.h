#pragma once

#include "notes/memodivider.h"

#include <QDialog>

#include <memory>

namespace Ui {
class TMemoDivideForm;
}

/// The division settings window shown before a long text becomes linked notes.
class TMemoDivideForm : public QDialog, public IMemoDivideDialog
{
    Q_OBJECT
public:
    explicit TMemoDivideForm(QWidget *parent = nullptr);
    ~TMemoDivideForm() override;

    /// Shows the options, runs the window and takes them back when the user confirmed.
    bool Execute(TMemoDivideOptions &options) override;
    void SetOptions(const TMemoDivideOptions &options);
    TMemoDivideOptions Options() const;
    bool Confirmed() const { return FConfirmed; }

    /// OK (tag 1) confirms, Cancel (tag 0) does not; both close the window.
    void Finish(bool confirmed);

private:
    std::unique_ptr<Ui::TMemoDivideForm> FUi;
    bool FConfirmed = false;
};
