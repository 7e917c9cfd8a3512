#include "music/videocopy.h"

#include "common/format.h"
#include "music/songdb.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

QString TVideoListData::Load(const TITBSongList &songs, IProgressRunner &progress)
{
    FRows.clear();
    const int count = songs.Count();
    progress.RunWithProgress(u"ビデオの取得"_s, 0, count, [&](TProgressContext &context) {
        int index = 0;
        for (const auto &entry : songs) {
            if (entry->FIsVideo)
                FRows.append(TCopyRow{index, false});
            context.SetLabel(Format(u"読み込み中... %d %%"_s, {qint64(index) * 100 / count}));
            ++index;
        }
    });
    return Format(u"%d 本のビデオを取得しました"_s, {int(FRows.size())});
}

void TVideoListData::FillRows(const TITBSongList &songs)
{
    FRows.clear();
    int index = 0;
    for (const auto &entry : songs) {
        if (entry->FIsVideo)
            FRows.append(TCopyRow{index, false});
        ++index;
    }
}

int TVideoListData::CheckedCount() const
{
    return int(std::count_if(FRows.begin(), FRows.end(), [](const TCopyRow &r) { return r.FChecked; }));
}

qint64 TVideoListData::CheckedBytes(const TITBSongList &songs) const
{
    qint64 total = 0;
    for (const TCopyRow &row : FRows)
        if (row.FChecked && row.FIndex >= 0 && row.FIndex < songs.Count())
            total += songs.Items(row.FIndex).FSize;
    return total;
}

QString TVideoListData::SelectionSummary(const TITBSongList &songs) const
{
    return Format(u"%d 本をチェックしています ( 全体で %.1n MB )"_s,
                  {CheckedCount(), double(CheckedBytes(songs)) / 1048576.0});
}

void TVideoListData::SetAllChecked(bool checked)
{
    for (TCopyRow &row : FRows)
        row.FChecked = checked;
}

TCopyResult ExtractVideos(TITBSongList &songs, const QString &root, const QList<TCopyRow> &rows,
                          TCopyOptions options, IProgressRunner &progress, IMainServices &services,
                          IUserDialogs &dialogs, TITXMakeLibrary *listing)
{
    options.FKind = TCopyKind::Videos;
    options.FAddTrackNo = false;
    return ExtractEntries(songs, root, rows, options, progress, services, dialogs, listing);
}
