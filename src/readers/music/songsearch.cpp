#include "music/songsearch.h"

#include "app/statusline.h"
#include "app/userdialogs.h"
#include "common/format.h"
#include "music/songlist.h"

#include <QCoreApplication>

using namespace Qt::Literals::StringLiterals;

namespace {

// Blanks and control characters at both ends go; a full-width space is part of the keyword.
QString TrimControls(const QString &text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text.at(start).unicode() <= 0x20)
        ++start;
    while (end > start && text.at(end - 1).unicode() <= 0x20)
        --end;
    return text.mid(start, end - start);
}

QString CheckingText()
{
    return QCoreApplication::translate("SongSearch", "曲のチェック処理中");
}

} // namespace

QStringList SplitKeywords(const QString &text)
{
    QStringList keywords;
    const QStringList pieces = QString(text + u' ').split(u' ');
    for (const QString &piece : pieces) {
        const QString keyword = TrimControls(piece);
        if (!keyword.isEmpty())
            keywords << keyword.toLower();
    }
    return keywords;
}

QList<int> SearchSongs(const TSongListData &list, const QString &text, TSongFindType findType,
                       IStatusLine *status)
{
    const QStringList keywords = SplitKeywords(text);
    QList<int> found;
    const int total = int(list.FRows.size());
    const QString checking = CheckingText();
    for (int i = 0; i < total; ++i) {
        const TSongRow &row = list.FRows[i];
        if (!keywords.isEmpty()) {
            QString field;
            switch (findType) {
            case kFindArtist:
                field = row.FArtist;
                break;
            case kFindTitle:
                field = row.FTitle;
                break;
            case kFindAlbum:
                field = row.FAlbum;
                break;
            default:
                field = row.FTitle + u' ' + row.FArtist + u' ' + row.FAlbum;
                break;
            }
            field = field.toLower();
            for (const QString &keyword : keywords)
                if (field.contains(keyword)) {
                    found.append(i);
                    break;
                }
        }
        if (status)
            status->ShowProgressText(i + 1, total, checking);
    }
    return found;
}

QList<int> SearchArtists(const TSongListData &list, const QList<TArtistTick> &artists, IStatusLine *status)
{
    QList<int> found;
    const int total = int(artists.size());
    const QString checking = CheckingText();
    for (int i = 0; i < total; ++i) {
        if (status)
            status->ShowProgressText(i + 1, total, checking);
        if (!artists.at(i).FTicked)
            continue;
        for (int k = 0; k < list.FRows.size(); ++k)
            if (list.FRows.at(k).FArtist.compare(artists.at(i).FArtist, Qt::CaseInsensitive) == 0)
                found.append(k);
    }
    return found;
}

QList<TArtistTick> ArtistTicks(const TSongListData &list)
{
    QList<TArtistTick> ticks;
    ticks.reserve(list.FTree.size());
    for (const TArtistNode &node : list.FTree)
        ticks.append(TArtistTick{node.FText, false});
    return ticks;
}

QString SearchResultText(int count)
{
    if (count > 0)
        return QCoreApplication::translate("SongSearch", "%n 曲をチェック項目に追加しました", nullptr, count);
    return QCoreApplication::translate("SongSearch", "該当する曲はありませんでした");
}

void ReportSearchResult(int count, IStatusLine &status, IUserDialogs &dialogs)
{
    const QString text = SearchResultText(count);
    status.SetStatusText(text);
    dialogs.Information(text);
}
