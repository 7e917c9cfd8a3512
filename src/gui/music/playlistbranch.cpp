#include "music/playlistbranch.h"

#include "music/itunesdbloader.h"
#include "music/playlistsongmodel.h"
#include "music/songlistmodel.h"
#include "widgets/reportlistview.h"

#include <QStandardItemModel>

using namespace Qt::Literals::StringLiterals;

namespace {
constexpr int kPlayListRole = Qt::UserRole + 1; // the playlist's index; kBranch on the branch node
constexpr int kBranch = -2;
} // namespace

TPlayListBranch::TPlayListBranch(QStandardItemModel &tree, TReportListView &list, TSongListModel &songs,
                                 QObject *parent)
    : QObject(parent), FTree(tree), FList(list), FSongs(songs), FModel(new TPlayListSongModel(songs, this))
{
    FModel->setObjectName(u"PlayListSongModel"_s);
}

TPlayListBranch::~TPlayListBranch() = default;

void TPlayListBranch::Fill(std::shared_ptr<const TITunesDBLoader> db)
{
    Show(-1);
    FDb = std::move(db);
    if (!FDb)
        return;
    const TITBPlayLists &lists = FDb->FPlayLists;
    auto *branch = new QStandardItem(tr("プレイリスト"));
    branch->setEditable(false);
    branch->setData(kBranch, kPlayListRole);
    // Folders first made, then their playlists put below them; a missing folder leaves a playlist at the top.
    QList<QStandardItem *> nodes(lists.Count(), nullptr);
    for (int i = 0; i < lists.Count(); ++i) {
        if (lists.Items(i).FKind == TPlayListKind::Master)
            continue;
        nodes[i] = new QStandardItem(lists.Items(i).FName);
        nodes[i]->setEditable(false);
        nodes[i]->setData(i, kPlayListRole);
    }
    for (int i = 0; i < lists.Count(); ++i) {
        if (!nodes[i])
            continue;
        const int parent = lists.ParentOf(i);
        (parent >= 0 && nodes[parent] ? nodes[parent] : branch)->appendRow(nodes[i]);
    }
    if (branch->rowCount() == 0) { // the master playlist alone: nothing the artists do not show
        delete branch;
        return;
    }
    FTree.invisibleRootItem()->appendRow(branch);
}

void TPlayListBranch::Clear()
{
    Show(-1);
    FDb.reset();
}

bool TPlayListBranch::InBranch(const QModelIndex &index) const
{
    return index.isValid() && !index.data(kPlayListRole).isNull();
}

int TPlayListBranch::PlayListOf(const QModelIndex &index) const
{
    if (!InBranch(index) || !FDb)
        return -1;
    const int list = index.data(kPlayListRole).toInt();
    return list >= 0 && list < FDb->FPlayLists.Count() ? list : -1;
}

void TPlayListBranch::Show(int playList)
{
    if (playList >= 0 && FDb) {
        FModel->Fill(FDb->FSongs, FDb->FPlayLists.Items(playList));
        if (FShown < 0) {
            FList.SetReportModel(FModel);
            FList.SetColumnWidths({50, 125, 100, 95, 75});
        }
        FShown = playList;
        return;
    }
    if (FShown >= 0) {
        FList.SetReportModel(&FSongs);
        FList.SetColumnWidths({125, 100, 95, 75});
    }
    FShown = -1;
    FModel->Clear();
}

int TPlayListBranch::CurrentSongItem() const
{
    const int item = FList.CurrentItem();
    if (item < 0)
        return -1;
    return FShown >= 0 ? FModel->SongItem(item) : item;
}

QList<int> TPlayListBranch::SongItems(int playList)
{
    if (!FDb || playList < 0)
        return {};
    TPlayListSongModel model(FSongs);
    model.Fill(FDb->FSongs, FDb->FPlayLists.Items(playList));
    return model.SongItems();
}
