#pragma once

#include "pim/pimcommands.h"
#include "pim/pimeditors.h"

#include <QDateEdit>
#include <QDialog>
#include <QTimeEdit>

#include <memory>

namespace Ui {
class TScheduleForm;
}

/// The event editor: title, comment, category, class, priority, start, end and alarm.
class TScheduleForm : public QDialog
{
    Q_OBJECT
public:
    /// Every date and time starts on now.
    explicit TScheduleForm(QWidget *parent = nullptr);
    ~TScheduleForm() override;

    void SetValues(const TEventEditorValues &values);
    TEventEditorValues Values() const;
    /// Start, end and alarm all set to the value.
    void Preset(TDateTime value);
    /// The start date and time into the end fields or the alarm fields.
    void CopyStartTo(QDateEdit *date, QTimeEdit *time);

private:
    void PriorityChanged();
    void UpdateEnabled();

    std::unique_ptr<Ui::TScheduleForm> FUi;
};
