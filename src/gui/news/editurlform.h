#pragma once

#include "news/newssitemodel.h"

#include <QDialog>

#include <memory>

namespace Ui {
class TEditURLForm;
}
class IUserDialogs;

/// "サイトの編集": a news site's name and address.
class TEditURLForm : public QDialog, public IEditURLDialog
{
    Q_OBJECT
public:
    explicit TEditURLForm(IUserDialogs &dialogs, QWidget *parent = nullptr);
    ~TEditURLForm() override;

    /// Shows the window with these values; true and the edited values on OK.
    bool Execute(QString &name, QString &address) override;

    void Finish(bool accepted);
    void OpenAddress();
    void NameChanged();

private:
    std::unique_ptr<Ui::TEditURLForm> FUi;
    IUserDialogs &FDialogs;
};
