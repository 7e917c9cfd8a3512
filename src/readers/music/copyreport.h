#pragma once

#include <QList>
#include <QString>

/// What one copy run did with one song or video.
struct TCopyOutcome
{
    int FIndex = -1;      // into the song database's list
    QString FPath;        // where the copy went; empty when it failed
    qint32 FError = 0;    // 0 copied; negative: the transfer log's own reasons; positive: system error code
    QString FNote;        // the copy was made but without its tags: why, as the log file says it
    QString FShownNote{}; // the same in the window's language; empty: FNote
    bool Failed() const { return FError != 0; }
};

/// What one copy run did: an outcome for every song it took up, in the order it took them.
struct TCopyReport
{
    QList<TCopyOutcome> FOutcomes;
    int FHandled = 0; // songs done, copied or not (a song without a free name is not counted)
    int FCopied = 0;
    int FFailed = 0;
    bool FCancelled = false;
    bool FDestinationLost = false; // the destination went away (or changed device) mid-run
    QString FPlayerRoot;           // where the songs came from: nothing of the run is written there
    bool FPlayerLost = false;      // the player went away (unplugged, its root gone or replaced) mid-run
    QString FStatusText;
    QString FListingPath;          // the song listing written or added to; empty when none
    bool FListingAppended = false; // the rows were added to an earlier listing there

    /// Songs the transfer log lists: failed ones and copies with a note.
    bool HasLogRows() const
    {
        for (const TCopyOutcome &outcome : FOutcomes)
            if (outcome.Failed() || !outcome.FNote.isEmpty())
                return true;
        return false;
    }
};
