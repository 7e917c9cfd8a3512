#include "cli/cliplayer.h"

#include "app/sorvoerror.h"
#include "app/userdialogs.h"
#include "common/paths.h"
#include "photos/artworkdbloader.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

QString CliPlayerRoot(const TCliContext &context)
{
    if (context.line.drives.isEmpty())
        throw ESorvoError(u"--drive でプレーヤーのフォルダを指定してください"_s);
    const QString root = QDir::fromNativeSeparators(context.line.drives.first());
    if (!QFileInfo(root).isDir())
        throw ESorvoError(u"フォルダ \"%1\" が見つかりません"_s.arg(QDir::toNativeSeparators(root)));
    return AddPathDelim(root);
}

QString CliPlayerFile(const QString &root, const QString &relative)
{
    QString path = root;
    const QStringList parts = relative.split(u'/', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < parts.size(); ++i) {
        QString entry = parts[i];
        if (!QFileInfo::exists(path + entry)) {
            const QStringList names =
                QDir(path).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
            for (const QString &name : names)
                if (name.compare(entry, Qt::CaseInsensitive) == 0)
                    entry = name;
        }
        path += entry + (i + 1 < parts.size() ? u"/"_s : QString());
    }
    return path;
}

void CliLoadPictureDatabase(TArtworkDBLoader &loader, TScriptedDialogs &dialogs, const QString &path)
{
    loader.LoadFromFile(path); // raises for an unreadable file
    if (!dialogs.FCalls.isEmpty())
        throw ESorvoError(dialogs.FCalls.first().text);
}

QString CliJsonDateTime(TDateTime value)
{
    const qint64 seconds = std::llround(value * 86400.0);
    const qint64 days = seconds >= 0 ? seconds / 86400 : -((-seconds + 86399) / 86400);
    const QDateTime at(QDate(1899, 12, 30).addDays(days), QTime(0, 0), Qt::UTC);
    return at.addSecs(seconds - days * 86400).toString(u"yyyy-MM-ddTHH:mm:ss"_s);
}

void CliCheckNoRest(const TCliContext &context)
{
    QString error;
    const QStringList rest = context.args.Rest(&error);
    if (!error.isEmpty())
        throw ESorvoError(error);
    if (!rest.isEmpty())
        throw ESorvoError(u"不明な引数です: "_s + rest.first());
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

int CliRunPictureDatabase(TCliContext &context, const QString &relative)
{
    const bool json = context.args.Flag(u"--json"_s);
    CliCheckNoRest(context);
    const QString root = CliPlayerRoot(context);
    TScriptedDialogs dialogs;
    TArtworkDBLoader loader(&dialogs);
    CliLoadPictureDatabase(loader, dialogs, CliPlayerFile(root, relative));
    CliPrintPictureDatabase(loader, json);
    return 0;
}
