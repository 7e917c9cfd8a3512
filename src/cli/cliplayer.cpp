#include "cli/cliplayer.h"
#include "music/songdb.h"

#include "app/userdialogs.h"
#include "common/sorvoerror.h"
#include "photos/artworkdbloader.h"
#include "session/playersession.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

using namespace Qt::Literals::StringLiterals;

TCliPlayer::TCliPlayer(TCliContext &context) : FDialogs(context.line.assumeYes), FDevice(context, &FDialogs)
{}

TPlayerSession &TCliPlayer::Locate()
{
    FDevice.Locate();
    return FDevice.Session();
}

QString TCliPlayer::Root() const
{
    return FDevice.Player().FRoot;
}

const TArtworkDBLoader &TCliPlayer::LoadPhotos()
{
    TPlayerSession &session = Locate();
    RaiseMessages();
    const QString path = session.Player().FPhotoDBFile;
    if (path.isEmpty() || !QFileInfo(path).isFile())
        throw ESorvoError(QCoreApplication::translate("CliPlayer", "iPod内にフォトデータが見つかりません"));
    session.LoadPhotos();
    RaiseMessages();
    return session.Photos();
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
        QList<QStringList> rows{
            {QCoreApplication::translate("CliPlayer", "アルバム"),
             /*: Column: the album's kind (a number) */ QCoreApplication::translate("CliPlayer", "種類"),
             QCoreApplication::translate("CliPlayer", "画像数")}};
        for (int i = 0; i < loader.FAlbums.Count(); ++i) {
            const TIntList &album = loader.FAlbums.Items(i);
            rows.append({album.FName, QString::number(album.FTag), QString::number(album.FItems.size())});
        }
        CliTable(rows);
        CliOut(u"\n"_s);
    }
    QList<QStringList> rows{{QCoreApplication::translate("CliPlayer", "画像ID"),
                             QCoreApplication::translate("CliPlayer", "曲ID"),
                             QCoreApplication::translate("CliPlayer", "サムネイル"),
                             QCoreApplication::translate("CliPlayer", "フルサイズ")}};
    for (const auto &item : loader.FItems) {
        QStringList sizes;
        for (const auto &image : item->FImages)
            sizes.append(u"%1x%2"_s.arg(image->FWidth).arg(image->FHeight));
        rows.append({QString::number(item->FImageId), QString::number(item->FSongId), sizes.join(u' '),
                     item->FFullFileName});
    }
    CliTable(rows);
}
