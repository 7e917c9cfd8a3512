#include "device/debugexport.h"

#include "platform/filecopy.h"
#include "platform/safefilewriter.h"

#include "common/format.h"
#include "common/paths.h"
#include "common/sorvoerror.h"
#include "device/kiruipod.h"
#include "device/specvalues.h"
#include "music/copydestination.h"
#include "music/itunesdbloader.h"
#include "photos/artworkdbloader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace {
QString Target(const QString &folder, const QString &name)
{
    const QString path = QDir(folder).filePath(name);
    return QFileInfo::exists(path) ? MakeUniqueFileName(path) : path;
}

void WriteReport(const QString &path, const QStringList &lines, QStringList &written)
{
    SaveFileOrThrow(path, QByteArray(lines.join(u'\n').toUtf8() + '\n'));
    written.append(path);
}

void CopyDatabase(const QString &source, const QString &folder, QStringList &written)
{
    if (source.isEmpty() || !QFileInfo(source).isFile())
        return;
    const QString target = Target(folder, QFileInfo(source).fileName());
    if (CopyFileNoOverwrite(source, target) != 0)
        throw ESorvoError(Format(QCoreApplication::translate("DebugExport", "ファイル %s をコピーできません"),
                                 {QDir::toNativeSeparators(source)}));
    written.append(target);
}

// Written to a file: not translated.
QStringList PictureReport(const QString &caption, const TArtworkDBLoader &db)
{
    return {caption, Format(u"項目数: %d"_s, {db.Count()}),
            Format(u"アルバム数: %d"_s, {db.FAlbums.Count()})};
}
} // namespace

QStringList ExportDebugData(const TDebugSources &sources, const TDebugExportChoice &choice,
                            const QString &folder)
{
    const TPlayerInfo &record = sources.player;
    // Copies of the databases written among the player's own files could be taken for its own.
    RefuseFolderInPlayer(folder, record.FRoot);
    QStringList written;
    if (choice.songDB)
        CopyDatabase(record.FSongDBFile, folder, written);
    if (choice.artworkDB)
        CopyDatabase(record.FArtworkDBFile, folder, written);
    if (choice.photoDB)
        CopyDatabase(record.FPhotoDBFile, folder, written);
    if (choice.artworkInfo)
        WriteReport(Target(folder, u"ArtworkInfo.txt"_s), PictureReport(u"ArtworkDB"_s, sources.artwork),
                    written);
    if (choice.photoInfo) {
        // The photo database is read when the photo tab is first shown; read it here when it is not yet.
        TArtworkDBLoader photos;
        const TArtworkDBLoader *db = sources.photos;
        if ((!db || db->Count() == 0) && QFileInfo(record.FPhotoDBFile).isFile()) {
            photos.LoadFromFile(record.FPhotoDBFile);
            db = &photos;
        }
        WriteReport(Target(folder, u"PhotoInfo.txt"_s), PictureReport(u"Photo Database"_s, db ? *db : photos),
                    written);
    }
    if (choice.folderReport && !record.FRoot.isEmpty()) {
        QStringList files;
        ListFilesBelow(record.FRoot, files);
        files.sort();
        QStringList lines;
        for (const QString &file : files)
            lines.append(Format(u"%s\t%d"_s, {file.mid(record.FRoot.size()), GetFileSize64(file)}));
        WriteReport(Target(folder, u"FolderReport.txt"_s), lines, written);
    }
    if (choice.deviceReport) {
        const TSpecValues v = MakeSpecValues(record);
        const auto flag = [](bool on) { return on ? u"1"_s : u"0"_s; };
        WriteReport(Target(folder, u"DeviceReport.txt"_s),
                    {u"Root="_s + record.FRoot, u"Kind="_s + QString::number(record.FKind),
                     u"Model="_s + v.machine, u"ModelCode="_s + record.FModelCode,
                     u"ModelNumber="_s + record.FModelNumber, u"Generation="_s + record.FGeneration,
                     u"Software="_s + record.FSoftware, u"Serial="_s + record.FSerial,
                     u"Region="_s + record.FRegion, u"TotalBytes="_s + QString::number(record.FTotalBytes),
                     u"FreeBytes="_s + QString::number(record.FFreeBytes),
                     u"SongCount="_s + QString::number(record.FSongCount),
                     u"SongBytes="_s + QString::number(record.FSongBytes),
                     u"Songs="_s + QString::number(sources.songs.Count()),
                     u"Videos="_s + QString::number(sources.songs.VideoCount()),
                     u"Flags="_s + flag(record.FHasSongs) + flag(record.FHasNotes) +
                         flag(record.FHasContacts) + flag(record.FHasCalendar) + flag(record.FHasTodo) +
                         flag(record.FHasPhotos) + flag(record.FHasVideo)},
                    written);
    }
    return written;
}
