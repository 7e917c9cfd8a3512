#pragma once

#include "app/userdialogs.h"

/// Test double: answers from a script and records what was asked.
class TScriptedDialogs : public IUserDialogs
{
public:
    struct TCall
    {
        QString kind; // "warning", "information", "error", "yesno", "yesnocancel", "okcancel", "open", ...
        QString text;
    };

    QList<TCall> FCalls;
    QList<TDialogAnswer> FAnswers;   // consumed by questions in order; Cancel/No when exhausted
    QList<QStringList> FFileAnswers; // consumed by open/save/folder/input in order; empty = cancel
    QString FClipboardText;
    QImage FClipboardImage;
    QStringList FOpened;

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
    bool BrowseForFolder(QString &folder) override;
    bool InputBox(const QString &caption, const QString &prompt, QString &value) override;
    void SetClipboardText(const QString &text) override;
    void SetClipboardImage(const QImage &image) override;
    void ShellOpen(const QString &target) override;

    /// Texts of the recorded calls of one kind.
    QStringList Texts(const QString &kind) const;

private:
    TDialogAnswer NextAnswer(const QString &kind, const QString &text, TDialogAnswer whenEmpty);
    QStringList NextFiles(const QString &kind, const QString &text);
};
