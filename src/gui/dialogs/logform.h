#pragma once

#include "app/mainservices.h"
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

    /// Lists the failed entries of a copy over `songs`, which must outlive the window.
    void Fill(const TITBSongList &songs, const TCopyReport &report);
    QList<TTransferLogRow> Rows() const;

    /// Asks for a file and writes the rows; raises ESorvoError when it cannot write.
    void SaveLogAs();

private:
    std::unique_ptr<Ui::TLogForm> FUi;
    IUserDialogs &FDialogs;
    TTransferLogModel FModel;
    QString FPlayerRoot;
};

/// What a copy asks of the window: the status line, and the transfer log over the list it copied.
class TTransferLogServices : public IMainServices
{
public:
    TTransferLogServices(IStatusLine &status, IUserDialogs &dialogs, const TITBSongList &songs,
                         QWidget *owner)
        : FStatus(status), FDialogs(dialogs), FSongs(songs), FOwner(owner)
    {}
    void SetStatusText(const QString &text) override { FStatus.SetStatusText(text); }
    void ShowProgressText(int position, int total, const QString &message) override
    {
        FStatus.ShowProgressText(position, total, message);
    }
    void LoadTabData(TTabCode) override {}
    void ShowTransferLog(const TCopyReport &report) override;

private:
    IStatusLine &FStatus;
    IUserDialogs &FDialogs;
    const TITBSongList &FSongs;
    QWidget *FOwner;
};
