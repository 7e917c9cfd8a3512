#pragma once

#include "app/settings.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class IMainServices;
class IProgressRunner;
class IUserDialogs;
class TKiruStringList;
class TProgressContext;

/// Downloads the ticked news sites and writes each onto the player as a chain of linked notes.
class TNewsDownloader
{
    Q_DECLARE_TR_FUNCTIONS(TNewsDownloader)

public:
    TNewsDownloader(const TKiruIPodINI &settings, IUserDialogs &dialogs);

    /// The download command: offline warning, the progress run over every row, the notes reload.
    void Download(QList<TSiteRow> &rows, const QString &notesFolder, IProgressRunner &progress,
                  IMainServices *services);
    /// One pass over the rows inside a progress display; stamps the rows that were fetched.
    void DownloadStep(QList<TSiteRow> &rows, const QString &notesFolder, TProgressContext &context);

    /// Where the news notes go; raises ESorvoError for a save folder that would leave the notes folder.
    QString DestinationFolder(const QString &notesFolder) const;
    /// "RDFData" next to the program when that folder is writable, else in the user's cache folder.
    static QString DefaultWorkFolder();
    /// The caption as one file name: refused characters become blanks, nothing usable gives "news".
    static QString SafeCaption(const QString &caption);

    QString FWorkFolder; // empty: DefaultWorkFolder()
    std::function<bool()> FIsOnline;
    int FIdleTimeoutSeconds = 60;
    /// No site may hold the run longer than this, however slowly it keeps sending.
    int FTotalTimeoutSeconds = 120;
    qint64 FMaxBytes = qint64(32) * 1024 * 1024;
    /// Full paths of the notes written by the last run.
    QStringList FWrittenNotes;
    /// "[ site ]を取得できませんでした (reason)" for every ticked site the last run could not turn into
    /// notes.
    QStringList FFailures;
    /// "[ site ] の次の文字は…「?」に置き換えました: é ü" for every site whose notes lost characters that
    /// Shift-JIS cannot hold.
    QStringList FLostCharacters;

private:
    /// After a run that was not stopped: removes from the save folder what the run did not write, except
    /// the notes of the sites (titles) that got no new ones.
    void RemoveOldNotes(const QString &dest, const QStringList &unfinished) const;
    /// False with the divider's message in `error` when the text could not be divided.
    bool DivideIntoNotes(const TKiruStringList &lines, const QString &title, const QString &folder,
                         QString &error);

    const TKiruIPodINI &FSettings;
    IUserDialogs &FDialogs;
};
