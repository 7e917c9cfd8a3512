#pragma once

#include "app/progress.h"
#include "music/copynaming.h"
#include "music/copyreport.h"
#include "platform/namesondisk.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

class IMainServices;
class IUserDialogs;
class TITBSongItem;
class TITBSongList;
class TITXMakeLibrary;
class TCopyDestination;
class TCopySource;
class TPlayerPaths;

/// One row of a song or video list handed to the copy loop, in display order.
struct TCopyRow
{
    int FIndex = 0; // into the song database's list
    bool FChecked = false;
};

/// Copies the checked entries of a list to the PC; what became of each goes into its report.
class TSongCopier
{
    Q_DECLARE_TR_FUNCTIONS(TSongCopier)

public:
    /// `root` is the player root; `listing` receives a row per copy when the options ask for it (may be
    /// null).
    TSongCopier(const TITBSongList &songs, const QString &root, TCopyOptions options,
                TITXMakeLibrary *listing = nullptr);

    /// The loop run inside the progress window over the rows in display order.
    void Step(const QList<TCopyRow> &rows, TProgressContext &context);
    /// The status-line text of the finished run.
    QString StatusText() const;

    TCopyReport FReport;
    /// The checked destination; when null, Step checks and makes FOptions.FFolder itself.
    const TCopyDestination *FDestination = nullptr;

private:
    bool CopyOne(int index, int checkedCount, TProgressContext &context);
    /// Copies with the database's tags written in; the outcome's note says why a copy was made without them.
    int CopyWithTags(const QString &source, const QString &target, const TITBSongItem &entry,
                     TCopyOutcome &outcome);

    const TITBSongList &FSongs;
    QString FRoot;
    TCopyOptions FOptions;
    TITXMakeLibrary *FListing;
    TPlayerPaths *FPaths = nullptr;       // set while Step runs
    const TCopySource *FSource = nullptr; // set while Step runs
    TNamesOnDisk FNamesOnDisk;            // what the report names: the folders as the destination has them
};

/// The whole extraction once the settings are confirmed: the loop in the progress window "楽曲の転送状況",
/// the status line, the transfer log when some copies failed, the folder opened, the listing saved.
TCopyReport ExtractEntries(const TITBSongList &songs, const QString &root, const QList<TCopyRow> &rows,
                           const TCopyOptions &options, IProgressRunner &progress, IMainServices &services,
                           IUserDialogs &dialogs, TITXMakeLibrary *listing);
