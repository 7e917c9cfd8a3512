#pragma once

#include "app/progress.h"
#include "music/songcopy.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

class IMainServices;
class IUserDialogs;
class TITBSongList;
class TITXMakeLibrary;

/// "%d 本をチェックしています ( 全体で %.1n MB )": the summary of the checked videos.
QString VideoSelectionSummary(int count, qint64 bytes);

/// The video tab's rows without the widgets: the entries that are videos, in database order. The check
/// marks are the list model's.
class TVideoListData
{
    Q_DECLARE_TR_FUNCTIONS(TVideoListData)

public:
    /// Rows inside the progress window "ビデオの取得"; returns the status text "%d 本のビデオを取得しました".
    QString Load(const TITBSongList &songs, IProgressRunner &progress);
    /// Rows for every video entry, in database order, without a progress window.
    void FillRows(const TITBSongList &songs);

    QList<int> FRows; // indexes into the song database's list
};

/// Copies the checked videos with the video rules ("VideoCopy" settings in `options`).
TCopyReport ExtractVideos(const TITBSongList &songs, const QString &root, const QList<TCopyRow> &rows,
                          TCopyOptions options, IProgressRunner &progress, IMainServices &services,
                          IUserDialogs &dialogs, TITXMakeLibrary *listing);
