#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class IStatusLine;
class IUserDialogs;
class TSongListData;

/// Field a keyword search looks at.
enum TSongFindType
{
    kFindArtist = 0,
    kFindTitle = 1,
    kFindAlbum = 2,
    kFindAll = 3,
};

/// One row of the artist page: an artist of the tree and its tick.
struct TArtistTick
{
    QString FArtist;
    bool FTicked = false;
};

/// Keywords of a search text: cut at half-width spaces only, trimmed, empty ones dropped, lower-cased.
QStringList SplitKeywords(const QString &text);
/// The rows whose field holds a keyword. `status` (may be null) receives the status-line progress.
QList<int> SearchSongs(const TSongListData &list, const QString &text, TSongFindType findType,
                       IStatusLine *status);
/// The rows of every ticked artist (case ignored).
QList<int> SearchArtists(const TSongListData &list, const QList<TArtistTick> &artists, IStatusLine *status);
/// The artist page's rows: the tree's artists in its order, unticked.
QList<TArtistTick> ArtistTicks(const TSongListData &list);
/// "%d 曲をチェック項目に追加しました" with the songs a search newly checked, or
/// "該当する曲はありませんでした" for 0.
QString SearchResultText(int count);
/// Shows the result in the status line and in an information box.
void ReportSearchResult(int count, IStatusLine &status, IUserDialogs &dialogs);
