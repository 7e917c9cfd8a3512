#pragma once

#include <QCoreApplication>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

/// A file chosen in a save dialog and the filter (counted from 0) it was chosen under.
struct TSaveChoice
{
    QString FPath; // empty: cancelled
    int FFilter = 0;
};

enum class TDialogAnswer
{
    Yes,
    No,
    Cancel,
    Ok
};

/// Every message box, question, file dialog, input box, clipboard access and shell open of the program.
class IUserDialogs
{
public:
    virtual ~IUserDialogs() = default;

    virtual void Warning(const QString &text) = 0;
    virtual void Information(const QString &text) = 0;
    virtual void Error(const QString &title, const QString &text) = 0;
    /// Yes or No.
    virtual TDialogAnswer AskYesNo(const QString &text) = 0;
    /// Yes, No or Cancel.
    virtual TDialogAnswer AskYesNoCancel(const QString &text) = 0;
    /// Ok or Cancel.
    virtual TDialogAnswer AskOkCancel(const QString &text) = 0;

    /// Filters in the "caption|*.ext;*.ext2|caption|*.ext" form. Empty result: cancelled.
    virtual QStringList OpenFileNames(const QString &title, const QString &filter, const QString &folder,
                                      bool multiple) = 0;
    /// Asks before overwriting. Empty result: cancelled.
    virtual QString SaveFileName(const QString &title, const QString &filter, const QString &defaultExt,
                                 const QString &proposedPath) = 0;
    /// A save dialog that reports the chosen filter and leaves the overwrite question to the caller.
    virtual TSaveChoice SaveFileChoice(const QString &title, const QString &filter,
                                       const QString &proposedPath)
    {
        return {SaveFileName(title, filter, {}, proposedPath), 0};
    }
    /// As SaveFileName, but without a question about overwriting: for callers that ask their own.
    virtual QString SaveFileNameNoOverwriteQuestion(const QString &title, const QString &filter,
                                                    const QString &defaultExt, const QString &proposedPath)
    {
        return SaveFileName(title, filter, defaultExt, proposedPath);
    }
    /// Folder browser titled "フォルダを選択してください。"; false when cancelled, folder unchanged.
    virtual bool BrowseForFolder(QString &folder) = 0;
    /// One-line input; false when cancelled, value unchanged.
    virtual bool InputBox(const QString &caption, const QString &prompt, QString &value) = 0;

    virtual void SetClipboardText(const QString &text) = 0;
    virtual void SetClipboardImage(const QImage &image) = 0;
    /// Opens a file, folder or address with its associated program; says so, with the path, when nothing can.
    virtual void ShellOpen(const QString &target) = 0;

    QString OpenFileName(const QString &title, const QString &filter, const QString &folder = {})
    {
        const QStringList names = OpenFileNames(title, filter, folder, false);
        return names.isEmpty() ? QString() : names.first();
    }
};

/// Turns the "caption|pattern|caption|pattern" filter form into Qt's ";;"-separated one.
QString FilterToQt(const QString &filter);

/// sorvo-cli: messages to standard error; questions asked on a terminal, otherwise No (Yes with --yes).
class TConsoleDialogs : public IUserDialogs
{
    Q_DECLARE_TR_FUNCTIONS(TConsoleDialogs)

public:
    explicit TConsoleDialogs(bool assumeYes = false) : FAssumeYes(assumeYes) {}

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

private:
    TDialogAnswer Ask(const QString &text, const QString &choices);
    QString ReadLine(const QString &prompt);
    bool FAssumeYes;
};
