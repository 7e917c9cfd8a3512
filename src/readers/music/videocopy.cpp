#include "music/videocopy.h"

#include "common/format.h"
#include "music/songdb.h"

#include <QCoreApplication>

using namespace Qt::Literals::StringLiterals;

QString TVideoListData::Load(const TITBSongList &songs, IProgressRunner &progress)
{
    FRows.clear();
    const int count = songs.Count();
    const QString reading = tr("読み込み中... %d %%");
    progress.RunWithProgress(tr("ビデオの取得"), 0, count, [&](TProgressContext &context) {
        int index = 0;
        for (const auto &entry : songs) {
            if (entry->FIsVideo)
                FRows.append(index);
            context.SetLabel(Format(reading, {qint64(index) * 100 / count}));
            ++index;
        }
    });
    return tr("%n 本のビデオを取得しました", nullptr, int(FRows.size()));
}

void TVideoListData::FillRows(const TITBSongList &songs)
{
    FRows.clear();
    int index = 0;
    for (const auto &entry : songs) {
        if (entry->FIsVideo)
            FRows.append(index);
        ++index;
    }
}

QString VideoSelectionSummary(int count, qint64 bytes)
{
    return Format(
        QCoreApplication::translate("TVideoListData", "%d 本をチェックしています ( 全体で %.1n MB )"),
        {count, double(bytes) / 1048576.0});
}

TCopyReport ExtractVideos(const TITBSongList &songs, const QString &root, const QList<TCopyRow> &rows,
                          TCopyOptions options, IProgressRunner &progress, IMainServices &services,
                          IUserDialogs &dialogs, TITXMakeLibrary *listing)
{
    options.FKind = TCopyKind::Videos;
    options.FAddTrackNo = false;
    return ExtractEntries(songs, root, rows, options, progress, services, dialogs, listing);
}
