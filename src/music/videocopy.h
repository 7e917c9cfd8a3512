#pragma once

#include "app/progress.h"
#include "music/songcopy.h"

#include <QList>
#include <QString>

class IMainServices;
class IUserDialogs;
class TITBSongList;
class TITXMakeLibrary;

/// The video tab's contents without the widgets: one row per video entry, with its check mark.
class TVideoListData
{
public:
    /// Rows inside the progress window "ビデオの取得"; returns the status text "%d 本のビデオを取得しました".
    QString Load(const TITBSongList &songs, IProgressRunner &progress);
    /// Rows for every video entry, in database order, without a progress window.
    void FillRows(const TITBSongList &songs);

    int CheckedCount() const;
    qint64 CheckedBytes(const TITBSongList &songs) const;
    /// "%d 本をチェックしています ( 全体で %.1n MB )".
    QString SelectionSummary(const TITBSongList &songs) const;
    void SetAllChecked(bool checked);

    QList<TCopyRow> FRows;
};

/// Copies the checked videos with the video rules ("VideoCopy" settings in `options`).
TCopyResult ExtractVideos(TITBSongList &songs, const QString &root, const QList<TCopyRow> &rows,
                          TCopyOptions options, IProgressRunner &progress, IMainServices &services,
                          IUserDialogs &dialogs, TITXMakeLibrary *listing);
