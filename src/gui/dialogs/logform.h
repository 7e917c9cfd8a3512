#pragma once

#include "music/transferlog.h"
#include <QDialog>

#include <QList>

#include <memory>

namespace Ui {
class TLogForm;
}
class IUserDialogs;
class TITBSongList;

/// The window listing the songs that could not be copied, with a save button.
class TLogForm : public QDialog
{
    Q_OBJECT
public:
    TLogForm(IUserDialogs &dialogs, QWidget *parent = nullptr);
    ~TLogForm() override;

    /// Lists the failed entries of `songs`, which must outlive the window.
    void Fill(const TITBSongList &songs);
    QList<TTransferLogRow> Rows() const;

    /// Asks for a file and writes the rows; raises ESorvoError when it cannot write.
    void Button2Click();

private:
    std::unique_ptr<Ui::TLogForm> FUi;
    IUserDialogs &FDialogs;
    TTransferLogModel FModel;
};
