#pragma once

#include "pim/pimcommands.h"
#include "pim/pimeditors.h"

#include <QDialog>

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
    /// tag 0: start into the end fields; tag 1: start into the alarm fields.
    void SButton_EndCopyClick(int tag);

private:
    void TrackBar_PriorityChange();
    void UpdateEnabled();

    std::unique_ptr<Ui::TScheduleForm> FUi;
};
