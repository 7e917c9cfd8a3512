#pragma once

#include "common/datetime.h"

#include <QDialog>

#include <memory>

namespace Ui {
class TDelCalForm;
}

/// Asks for the time before which events or tasks count as passed; starts on now.
class TDelCalForm : public QDialog
{
    Q_OBJECT
public:
    explicit TDelCalForm(QWidget *parent = nullptr);
    ~TDelCalForm() override;

    /// The date of the date field with the time of the time field.
    TDateTime Threshold() const;
    void SetThreshold(TDateTime value);
    void SetToNow();

private:
    std::unique_ptr<Ui::TDelCalForm> FUi;
};
