#pragma once

#include "app/progress.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

class IMainServices;
class IUserDialogs;
class TArtworkDBLoader;

/// One row of the photo tab's album list as the export sees it.
struct TAlbumCheckRow
{
    QString FName;
    bool FChecked = false;
};

/// Kind of picture an export writes.
enum TPhotoExportKind
{
    kExportThumbnails = 0, // the largest thumbnail, as JPEG of quality 90
    kExportFullSize = 1,   // the full-resolution files the player keeps
};

/// Counters of one export run.
struct TPhotoExportResult
{
    int FAlbums = 0;
    int FWritten = 0;
    int FFailedCopies = 0; // full-size files that could not be copied
    int FRenameFailures = 0;
    int FUnreadable = 0; // thumbnails missing from the database or that could not be decoded
    bool FCancelled = false;
};

/// Full size when the first picture of the database names its full-resolution file, else thumbnails.
TPhotoExportKind DefaultPhotoExportKind(const TArtworkDBLoader &photos);

/// Exports the checked albums of the photo database, album by album, into one folder each.
class TPhotoExporter
{
    Q_DECLARE_TR_FUNCTIONS(TPhotoExporter)

public:
    TPhotoExporter(const TArtworkDBLoader &photos, QString folder, TPhotoExportKind kind);
    /// The loop run inside the progress window. A thumbnail JPEG that cannot be written raises ESorvoError.
    void Step(const QList<TAlbumCheckRow> &rows, TProgressContext &context);

    TPhotoExportResult FResult;

private:
    const TArtworkDBLoader &FPhotos;
    QString FFolder;
    TPhotoExportKind FKind;
};

/// The whole export once the settings are confirmed: a folder inside the player refused (ESorvoError), the
/// loop in the progress window "フォトの取り出し", the status text, a warning when pictures were not read
/// or copied, the folder opened.
TPhotoExportResult ExportPhotos(const TArtworkDBLoader &photos, const QList<TAlbumCheckRow> &rows,
                                const QString &folder, const QString &playerRoot, TPhotoExportKind kind,
                                IProgressRunner &progress, IMainServices &services, IUserDialogs &dialogs);
