#pragma once

#include "app/userdialogs.h"

/// Passes every question and message to another dialog seam on the program's main thread, waiting for
/// the answer: work running on a worker thread asks the user as the window does.
class TGuiThreadDialogs : public IUserDialogs
{
public:
    explicit TGuiThreadDialogs(IUserDialogs &target) : FTarget(target) {}
    IUserDialogs &Target() const { return FTarget; }

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

private:
    IUserDialogs &FTarget;
};
