#include "music/songlist.h"

#include "app/messages.h"
#include "common/format.h"
#include "music/songdb.h"

#include <QCollator>
#include <QCoreApplication>
#include <QHash>
#include <QSet>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

TSongRow RowOf(const TITBSongItem &song, int index)
{
    return {song.Title(), song.Artist(),   song.Album(),     index,
            song.FSize,   song.FPlayCount, song.FLastPlayed, song.FRating};
}

QString Fold(const QString &text)
{
    return text.toCaseFolded();
}

// The artist a node stands for; the unknown-artist caption means the empty artist.
QString NodeArtist(const QString &nodeText)
{
    return nodeText == QStringView(kUnknownArtist) ? QString() : nodeText;
}

} // namespace

bool SameArtist(const QString &rowArtist, const QString &nodeArtist)
{
    return rowArtist.compare(NodeArtist(nodeArtist), Qt::CaseInsensitive) == 0;
}

void TSongListData::FillRows(const TITBSongList &songs, bool videos)
{
    FRows.clear();
    FTree.clear();
    FRows.reserve(songs.Count());
    int index = 0;
    for (const auto &song : songs) {
        if (song->FIsVideo == videos)
            FRows.append(RowOf(*song, index));
        ++index;
    }
}

bool TSongListData::BuildTree(TProgressContext *context)
{
    FTree.clear();
    // Pairs with an artist, grouped by the folded artist in order of first appearance. Each group is one
    // node: its first spelling names it, and its albums are offered as the first pair's album followed by
    // the group's later pairs from the last one backwards.
    QHash<QString, int> groupOf;
    QList<QList<int>> groups; // row positions
    for (int i = 0; i < FRows.size(); ++i) {
        const QString &artist = FRows.at(i).FArtist;
        if (artist.isEmpty())
            continue;
        const QString key = Fold(artist);
        auto it = groupOf.constFind(key);
        if (it == groupOf.constEnd()) {
            it = groupOf.insert(key, int(groups.size()));
            groups.append(QList<int>());
        }
        groups[it.value()].append(i);
    }

    int done = 0;
    for (const QList<int> &group : std::as_const(groups)) {
        const TSongRow &first = FRows.at(group.first());
        if (context) {
            context->SetPosition(done);
            context->SetLabel(u"Loading... "_s + first.FArtist);
        }
        TArtistNode node{first.FArtist, {}};
        QSet<QString> seen; // folded album texts of the node's children
        auto addAlbum = [&](const QString &album) {
            const QString trimmed = album.trimmed();
            if (trimmed.isEmpty() || seen.contains(Fold(trimmed)))
                return;
            seen.insert(Fold(album));
            node.FAlbums.append(album);
        };
        addAlbum(first.FAlbum);
        for (qsizetype k = group.size() - 1; k >= 1; --k)
            addAlbum(FRows.at(group.at(k)).FAlbum);
        FTree.append(node);
        done += int(group.size());
        if (context && context->Cancelled())
            return false;
    }
    return true;
}

QString TSongListData::Load(const TITBSongList &songs, IProgressRunner &progress)
{
    const int count = songs.Count();
    const QString preparing = tr("準備中... %d %%");
    progress.RunWithProgress(
        tr("音楽ファイルの一覧取得"), 0, std::max(1, count - 1), [&](TProgressContext &context) {
            FRows.clear();
            FTree.clear();
            FRows.reserve(count);
            int index = 0;
            for (const auto &song : songs) {
                if (!song->FIsVideo) {
                    FRows.append(RowOf(*song, index));
                    if (!song->ArtistView().isEmpty()) {
                        context.SetLabel(Format(preparing, {qint64(index) * 100 / count}));
                    }
                }
                ++index;
            }
            BuildTree(&context);
        });
    SortTree();
    return Format(TLagugae().GetText("MSG_LOAD_SONG"), {int(FRows.size())});
}

void TSongListData::SortTree()
{
    QCollator collator;
    auto less = [&](const QString &a, const QString &b) { return collator.compare(a, b) < 0; };
    std::stable_sort(FTree.begin(), FTree.end(),
                     [&](const TArtistNode &a, const TArtistNode &b) { return less(a.FText, b.FText); });
    for (TArtistNode &node : FTree)
        std::stable_sort(node.FAlbums.begin(), node.FAlbums.end(), less);
}

QString SongSelectionSummary(int count, qint64 bytes)
{
    return Format(QCoreApplication::translate("TSongListData", "%d 曲を選択しています ( 合計 %.1n MB )"),
                  {count, double(bytes) / 1048576.0});
}

QList<int> TSongListData::ArtistRows(const QString &artist) const
{
    QList<int> rows;
    for (int i = 0; i < FRows.size(); ++i)
        if (SameArtist(FRows.at(i).FArtist, artist))
            rows.append(i);
    return rows;
}

QList<int> TSongListData::SongRows(const QList<int> &songs) const
{
    const QSet<int> wanted(songs.begin(), songs.end());
    QList<int> rows;
    for (int i = 0; i < FRows.size(); ++i)
        if (wanted.contains(FRows.at(i).FIndex))
            rows.append(i);
    return rows;
}

QList<int> TSongListData::AlbumRows(const QString &artist, const QString &album) const
{
    QList<int> rows;
    for (int i = 0; i < FRows.size(); ++i)
        if (FRows.at(i).FArtist.compare(artist, Qt::CaseInsensitive) == 0 &&
            FRows.at(i).FAlbum.compare(album, Qt::CaseInsensitive) == 0)
            rows.append(i);
    return rows;
}

int TSongListData::FindArtistRow(const QString &artist, const QList<int> &order) const
{
    if (order.isEmpty()) {
        for (int i = 0; i < FRows.size(); ++i)
            if (SameArtist(FRows.at(i).FArtist, artist))
                return i;
        return -1;
    }
    for (int i : order)
        if (i >= 0 && i < FRows.size() && SameArtist(FRows.at(i).FArtist, artist))
            return i;
    return -1;
}
