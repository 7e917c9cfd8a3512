#pragma once

#include "common/reportlistmodel.h"
#include "music/videocopy.h"

class TITBSongList;

/// The video tab's list: a row points at a video entry of the song database; its one column is the
/// video's title (the rows are drawn from the entry, the text serves assistive tools).
class TVideoListModel : public TReportListModel
{
    Q_OBJECT
public:
    /// The entry's index in the song database.
    static constexpr int SongIndexRole = ItemRole + 1;

    explicit TVideoListModel(QObject *parent = nullptr);

    /// Rows for the videos of `songs` (which must outlive the rows) inside the progress window
    /// "ビデオの取得"; returns "%d 本のビデオを取得しました".
    QString Load(const TITBSongList &songs, IProgressRunner &progress);
    void Clear();
    /// Rows for the videos of `songs` (which must outlive the rows), without a progress display.
    void Fill(const TITBSongList &songs);
    /// "%d 本をチェックしています ( 全体で %.1n MB )" of the checked rows.
    QString SelectionSummary() const;
    qint64 CheckedBytes() const;
    /// Every row in list order with its entry and mark, as the copy loop takes them.
    QList<TCopyRow> CopyRows() const;
    int SongIndex(int item) const;

protected:
    QString ItemText(int item, int column) const override;
    QVariant ItemData(int item, int column, int role) const override;

private:
    const TITBSongList *FSongs = nullptr;
    TVideoListData FData;
};
