#include "cli/cliplayer.h"
#include "common/textutils.h"
#include "music/itunesdbloader.h"

#include "app/sorvoerror.h"
#include "app/userdialogs.h"
#include "photos/artworkdbloader.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

TCliPlayer::TCliPlayer(TCliContext &context) : FDialogs(context.line.assumeYes), FDevice(context, &FDialogs)
{}

TKiruIPOD &TCliPlayer::Locate()
{
    FDevice.Locate();
    return *FDevice.FDevice;
}

TArtworkDBLoader &TCliPlayer::LoadPhotos()
{
    TKiruIPOD &device = Locate();
    RaiseMessages();
    const QString path = device.FChecker.FPhotoDBFile;
    if (path.isEmpty() || !QFileInfo(path).isFile())
        throw ESorvoError(u"iPod内にフォトデータが見つかりません"_s);
    device.FPhotoDB.LoadFromFile(path);
    RaiseMessages();
    return device.FPhotoDB;
}

void TCliPlayer::RaiseMessages() const
{
    if (!FDialogs.FMessages.isEmpty())
        throw ESorvoError(FDialogs.FMessages.first());
}

void TCliPlayer::PrintMessages() const
{
    for (const QString &message : FDialogs.FMessages)
        CliErr(message + u'\n');
}

QString CliJsonDateTime(TDateTime value)
{
    const qint64 seconds = std::llround(value * 86400.0);
    const qint64 days = seconds >= 0 ? seconds / 86400 : -((-seconds + 86399) / 86400);
    const QDateTime at(QDate(1899, 12, 30).addDays(days), QTime(0, 0), Qt::UTC);
    return at.addSecs(seconds - days * 86400).toString(u"yyyy-MM-ddTHH:mm:ss"_s);
}

void CliPrintPictureDatabase(const TArtworkDBLoader &loader, bool json)
{
    if (json) {
        QJsonArray albums;
        for (int i = 0; i < loader.FAlbums.Count(); ++i) {
            const TIntList &album = loader.FAlbums.Items(i);
            QJsonArray ids;
            for (const quint32 id : album.FItems)
                ids.append(qint64(id));
            albums.append(
                QJsonObject{{u"name"_s, album.FName}, {u"kind"_s, album.FTag}, {u"image_ids"_s, ids}});
        }
        QJsonArray items;
        for (const auto &item : loader.FItems) {
            QJsonArray thumbnails;
            for (const auto &image : item->FImages)
                thumbnails.append(QJsonObject{{u"file"_s, image->FFileName},
                                              {u"offset"_s, image->FOffset},
                                              {u"size"_s, image->FSize},
                                              {u"width"_s, image->FWidth},
                                              {u"height"_s, image->FHeight},
                                              {u"data_width"_s, image->FDataWidth},
                                              {u"data_height"_s, image->FDataHeight},
                                              {u"crop"_s, image->FCropNeeded}});
            items.append(QJsonObject{{u"image_id"_s, qint64(item->FImageId)},
                                     {u"song_id"_s, QString::number(item->FSongId)},
                                     {u"full_file"_s, item->FFullFileName},
                                     {u"thumbnails"_s, thumbnails}});
        }
        CliJson(QJsonObject{{u"albums"_s, albums}, {u"items"_s, items}});
        return;
    }
    if (loader.FAlbums.Count() > 0) {
        QList<QStringList> rows{{u"アルバム"_s, u"種類"_s, u"画像数"_s}};
        for (int i = 0; i < loader.FAlbums.Count(); ++i) {
            const TIntList &album = loader.FAlbums.Items(i);
            rows.append({album.FName, QString::number(album.FTag), QString::number(album.FItems.size())});
        }
        CliTable(rows);
        CliOut(u"\n"_s);
    }
    QList<QStringList> rows{{u"画像ID"_s, u"曲ID"_s, u"サムネイル"_s, u"フルサイズ"_s}};
    for (const auto &item : loader.FItems) {
        QStringList sizes;
        for (const auto &image : item->FImages)
            sizes.append(u"%1x%2"_s.arg(image->FWidth).arg(image->FHeight));
        rows.append({QString::number(item->FImageId), QString::number(item->FSongId), sizes.join(u' '),
                     item->FFullFileName});
    }
    CliTable(rows);
}

namespace {
QJsonObject SongJson(int index, const TITBSongItem &s)
{
    return QJsonObject{
        {u"index"_s, index},
        {u"title"_s, s.FTitle},
        {u"artist"_s, s.FArtist},
        {u"album"_s, s.FAlbum},
        {u"genre"_s, s.FGenre},
        {u"comment"_s, s.FComment},
        {u"composer"_s, s.FComposer},
        {u"grouping"_s, s.FGrouping},
        {u"kind"_s, s.FKind},
        {u"equalizer"_s, s.FEqualizer},
        {u"location"_s, s.FLocation},
        {u"size"_s, s.FSize},
        {u"length_ms"_s, s.FLength},
        {u"track_id"_s, s.FTrackID},
        {u"play_count"_s, s.FPlayCount},
        {u"sample_rate"_s, s.FSampleRate},
        {u"bit_rate"_s, s.FBitRate},
        {u"rating"_s, int(s.FRating)},
        {u"volume"_s, s.FVolume},
        {u"year"_s, s.FYear},
        {u"track_number"_s, s.FTrackNumber},
        {u"track_count"_s, s.FTrackCount},
        {u"disc_number"_s, s.FDiscNumber},
        {u"disc_count"_s, s.FDiscCount},
        {u"date_added"_s, CliJsonDateTime(s.FDateAdded)},
        {u"date_modified"_s, CliJsonDateTime(s.FDateModified)},
        {u"last_played"_s, CliJsonDateTime(s.FLastPlayed)},
        {u"dbid"_s, QString::number(s.FDBID)},
        {u"is_video"_s, s.FIsVideo},
    };
}

} // namespace

void CliPrintSongs(const TITBSongList &songs, bool json)
{
    if (json) {
        QJsonArray out;
        for (int i = 0; i < songs.Count(); ++i)
            out.append(SongJson(i, songs.Items(i)));
        CliJson(out);
        return;
    }
    QList<QStringList> rows{
        {u"#"_s, u"タイトル"_s, u"アーティスト"_s, u"アルバム"_s, u"時間"_s, u"種類"_s, u"場所"_s}};
    for (int i = 0; i < songs.Count(); ++i) {
        const TITBSongItem &s = songs.Items(i);
        rows.append({QString::number(i), s.FTitle, s.FArtist, s.FAlbum, FormatDuration(s.FLength),
                     s.FIsVideo ? u"ビデオ"_s : u"曲"_s, s.FLocation});
    }
    CliTable(rows);
}
