#pragma once

#include "common/datetime.h"

#include "app/progress.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

class TITBSongList;

/// One row of the song list: what it shows and the entry it stands for.
struct TSongRow
{
    QString FTitle;
    QString FArtist;
    QString FAlbum;
    int FIndex = 0;        // into the song database's list
    qint64 FSize = 0;      // bytes, added up by the summary
    qint32 FPlayCount = 0; // the database's and the plays recorded since the last sync
    TDateTime FLastPlayed = 0;
    quint8 FRating = 0; // 20 per star
};

/// One artist of the song tree with its albums, in the order they were added.
struct TArtistNode
{
    QString FText; // the artist's first spelling
    QStringList FAlbums;
};

/// The text shown for the empty artist in the tree and when choosing by artist.
inline constexpr char16_t kUnknownArtist[] = u"不明なアーティスト";

/// "%d 曲を選択しています ( 合計 %.1n MB )": the summary of the checked songs.
QString SongSelectionSummary(int count, qint64 bytes);

/// The song tab's contents without the widgets: rows and the artist/album tree. The check marks are the
/// list model's.
class TSongListData
{
    Q_DECLARE_TR_FUNCTIONS(TSongListData)

public:
    /// Rows for every entry that is not a video (or, asked for, every video), in database order; clears
    /// the tree.
    void FillRows(const TITBSongList &songs, bool videos = false);
    /// Builds the artist/album tree from the rows; progress goes to `context` when given. False when the
    /// cancel flag stopped it (the tree then holds the artists built so far).
    bool BuildTree(TProgressContext *context = nullptr);
    /// Rows and tree inside the progress window "音楽ファイルの一覧取得"; returns the text for the status
    /// line ("%d 曲を読み込みました").
    QString Load(const TITBSongList &songs, IProgressRunner &progress);
    /// Sorts artists and their albums in the locale's order, as the tree view shows them.
    void SortTree();

    /// The rows of an artist node ("不明なアーティスト" stands for the empty artist).
    QList<int> ArtistRows(const QString &artist) const;
    /// The rows of an album node below its artist.
    QList<int> AlbumRows(const QString &artist, const QString &album) const;
    /// The rows of the given songs (indexes into the song database's list), in row order.
    QList<int> SongRows(const QList<int> &songs) const;
    /// The first row (in `order`, or row order when empty) by the node's artist; -1 when none.
    int FindArtistRow(const QString &artist, const QList<int> &order = {}) const;

    QList<TSongRow> FRows;
    QList<TArtistNode> FTree;
};

/// Whether a row's artist is the node's artist: case ignored, "不明なアーティスト" for the empty one.
bool SameArtist(const QString &rowArtist, const QString &nodeArtist);
