#pragma once

#include "app/userdialogs.h"

#include <QCoreApplication>
#include <QMessageBox>

class QApplication;
class QWidget;

/// The dialog seam with Qt message boxes, file dialogs and the clipboard.
class TWidgetDialogs : public IUserDialogs
{
    Q_DECLARE_TR_FUNCTIONS(TWidgetDialogs)

public:
    explicit TWidgetDialogs(QWidget *owner = nullptr) : FOwner(owner) {}
    void SetOwner(QWidget *owner) { FOwner = owner; }

    void Warning(const QString &text) override;
    void Information(const QString &text) override;
    void Error(const QString &title, const QString &text) override;
    TDialogAnswer AskYesNo(const QString &text) override;
    TDialogAnswer AskYesNoCancel(const QString &text) override;
    TDialogAnswer AskOkCancel(const QString &text) override;
    QStringList OpenFileNames(const QString &title, const QString &filter, const QString &folder,
                              bool multiple) override;
    QString SaveFileName(const QString &title, const QString &filter, const QString &defaultExt,
                         const QString &proposedPath) override;
    TSaveChoice SaveFileChoice(const QString &title, const QString &filter,
                               const QString &proposedPath) override;
    QString SaveFileNameNoOverwriteQuestion(const QString &title, const QString &filter,
                                            const QString &defaultExt, const QString &proposedPath) override;
    bool BrowseForFolder(QString &folder) override;
    bool InputBox(const QString &caption, const QString &prompt, QString &value) override;
    void SetClipboardText(const QString &text) override;
    void SetClipboardImage(const QImage &image) override;
    void ShellOpen(const QString &target) override;

    /// A message box with the program's own button texts ("はい(&Y)", "いいえ(&N)", "キャンセル", "OK"),
    /// whatever the system's language.
    static std::unique_ptr<QMessageBox> MakeBox(QWidget *owner, QMessageBox::Icon icon, const QString &title,
                                                const QString &text, QMessageBox::StandardButtons buttons);

private:
    QString RunSaveDialog(const QString &title, const QString &filter, const QString &defaultExt,
                          const QString &proposedPath, bool askOverwrite);
    QMessageBox::StandardButton Show(QMessageBox::Icon icon, const QString &title, const QString &text,
                                     QMessageBox::StandardButtons buttons);
    QWidget *FOwner;
};
