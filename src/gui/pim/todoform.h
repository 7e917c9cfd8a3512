#pragma once

#include "pim/pimcommands.h"
#include "pim/pimeditors.h"

#include <QDialog>

#include <memory>

namespace Ui {
class TToDoForm;
}

/// The task editor: title, comment and deadline.
class TToDoForm : public QDialog
{
    Q_OBJECT
public:
    /// The deadline starts on now.
    explicit TToDoForm(QWidget *parent = nullptr);
    ~TToDoForm() override;

    void SetValues(const TTaskEditorValues &values);
    TTaskEditorValues Values() const;
    void Preset(TDateTime value);

private:
    std::unique_ptr<Ui::TToDoForm> FUi;
};
