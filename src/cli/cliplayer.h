#pragma once

#include "app/userdialogs.h"
#include "cli/clicommand.h"
#include "cli/clidevice.h"
#include "common/datetime.h"

#include <QString>

class TArtworkDBLoader;
class TITBSongList;
class TPlayerSession;

/// The console's questions, with the message boxes kept back so that a command can turn them into an error.
class TCollectedDialogs : public TConsoleDialogs
{
public:
    using TConsoleDialogs::TConsoleDialogs;
    void Warning(const QString &text) override { FMessages << text; }
    void Information(const QString &text) override { FMessages << text; }
    void Error(const QString &title, const QString &text) override
    {
        Q_UNUSED(title);
        FMessages << text;
    }

    QStringList FMessages;
};

/// The player below --drive, recognised as the window does, for the commands that read its
/// databases. The readers' message boxes are kept, so that a command can turn them into an error.
class TCliPlayer
{
public:
    explicit TCliPlayer(TCliContext &context);

    /// Runs the recognition (song database, artwork database); raises when there is no player.
    TPlayerSession &Locate();
    /// Loads the photo database; raises "iPod内にフォトデータが見つかりません" when there is none.
    const TArtworkDBLoader &LoadPhotos();
    /// Raises the first message box shown so far as an error (standard error, exit code 1).
    void RaiseMessages() const;
    /// Prints the message boxes shown so far to standard error.
    void PrintMessages() const;
    /// The root of the player found by the last Locate or LoadPhotos.
    QString Root() const;

private:
    TCollectedDialogs FDialogs;
    TCliDevice FDevice;
};

/// Prints a picture database: albums and items, as JSON ({"albums": [...], "items": [...]}) or tables.
void CliPrintPictureDatabase(const TArtworkDBLoader &loader, bool json);
