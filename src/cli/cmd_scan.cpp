// sorvo-cli scan: the songs a music folder scan finds on a player without a song database.
#include "app/sorvoerror.h"
#include "cli/clicommand.h"
#include "common/paths.h"
#include "music/itunesdbloader.h"
#include "music/musicfolderscan.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonObject>

using namespace Qt::Literals::StringLiterals;

namespace {

QJsonObject SongJson(const TITBSongItem &s)
{
    return QJsonObject{
        {u"track_id"_s, s.FTrackID},       {u"location"_s, s.FLocation}, {u"title"_s, s.FTitle},
        {u"artist"_s, s.FArtist},          {u"album"_s, s.FAlbum},       {u"genre"_s, s.FGenre},
        {u"comment"_s, s.FComment},        {u"kind"_s, s.FKind},         {u"bit_rate"_s, s.FBitRate},
        {u"sample_rate"_s, s.FSampleRate}, {u"length_ms"_s, s.FLength},  {u"size"_s, s.FSize}};
}

int Run(TCliContext &context)
{
    const bool json = context.args.Flag(u"--json"_s);
    const QString musicFolder = QDir::fromNativeSeparators(context.args.Value(u"--music-folder"_s));
    QString error;
    const QStringList rest = context.args.Rest(&error);
    if (!error.isEmpty())
        throw ESorvoError(error);
    if (context.line.drives.isEmpty() || musicFolder.isEmpty() || !rest.isEmpty())
        throw ESorvoError(u"使い方: sorvo-cli scan --drive フォルダ --music-folder 相対パス [--json]"_s);

    const QString root = AddPathDelim(QDir::fromNativeSeparators(context.line.drives.first()));
    const QString folder = root + musicFolder;
    if (!QDir(folder).exists())
        throw ESorvoError(u"フォルダ "_s + QDir::toNativeSeparators(folder) + u" がありません"_s);

    TITunesDBLoader loader;
    ScanMusicFolder(loader, folder, root);

    if (json) {
        QJsonArray all;
        for (const auto &song : loader.FSongs)
            all.append(SongJson(*song));
        CliJson(all);
        return 0;
    }
    QList<QStringList> rows{{u"ID"_s, u"タイトル"_s, u"アーティスト"_s, u"アルバム"_s, u"時間"_s, u"場所"_s}};
    for (const auto &song : loader.FSongs)
        rows << QStringList{
            QString::number(song->FTrackID),       song->FTitle,   song->FArtist, song->FAlbum,
            QString::number(song->FLength / 1000), song->FLocation};
    CliTable(rows);
    return 0;
}

TCliCommand reg(u"scan", u"音楽フォルダを調べて曲を一覧表示します", Run);

} // namespace
