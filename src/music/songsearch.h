#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class IMainServices;
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
/// Checks every row whose field holds a keyword; returns the number of matching rows (rows already
/// checked count again). `services` (may be null) receives the status-line progress.
int SearchSongs(TSongListData &list, const QString &text, TSongFindType findType, IMainServices *services);
/// Checks the rows of every ticked artist (case ignored); returns how many rows were checked.
int SearchArtists(TSongListData &list, const QList<TArtistTick> &artists, IMainServices *services);
/// The artist page's rows: the tree's artists in its order, unticked.
QList<TArtistTick> ArtistTicks(const TSongListData &list);
/// "%d 曲をチェック項目に追加しました", or "該当する曲はありませんでした" for 0.
QString SearchResultText(int count);
/// Shows the result in the status line and in an information box.
void ReportSearchResult(int count, IMainServices &services, IUserDialogs &dialogs);
