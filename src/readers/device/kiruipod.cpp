#include "device/kiruipod.h"

#include "app/settings.h"
#include "app/userdialogs.h"
#include "common/format.h"
#include "common/paths.h"
#include "platform/drivetable.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

TKiruIPOD::TKiruIPOD(IDriveTable &drives, IUserDialogs *dialogs, const QString &modelFile)
    : FChecker(drives, modelFile), FDrives(drives), FDialogs(dialogs)
{}

void TKiruIPOD::SetOnProgress(TProgressEvent event)
{
    FOnProgress = std::move(event);
    FChecker.SetOnProgress(FOnProgress);
}

void TKiruIPOD::Report(qint64 position, qint64 total, const QString &message)
{
    if (FOnProgress)
        FOnProgress(position, total, message);
}

void TKiruIPOD::UseDriveLock(const TKiruIPodINI &settings)
{
    FLockPath = settings.FRecognize_MakeFolder ? settings.FDriveLockPath : QString();
}

bool TKiruIPOD::FindPlayer()
{
    FChecker.Clear();
    // Drives the user named on the command line take precedence over the stored drive lock.
    const QString root = FLockPath.isEmpty() || FDrives.NamedByUser() ? ScanDrives() : CheckLockedPath();
    return !root.isEmpty();
}

QString TKiruIPOD::ScanDrives()
{
    const QStringList candidates = FDrives.Candidates();
    for (qsizetype k = 0; k < candidates.size() && k < 23; ++k) {
        const int position = int(k) + 4;
        Report(position, 26, tr("iPodを検索中"));
        const QString root = AddPathDelim(candidates[k]);
        if (FChecker.CheckPlayer(root)) {
            Report(position, 26,
                   Format(tr("iPodを[ %s ]ドライブで発見しました"), {QDir::toNativeSeparators(root)}));
            return TrimPathDelim(root);
        }
    }
    return {};
}

QString TKiruIPOD::CheckLockedPath()
{
    Report(1, 1, tr("iPodを検索中"));
    const QString root = AddPathDelim(FLockPath);
    FDrives.AddUserRoot(root);
    if (!FChecker.CheckPlayer(root))
        return {};
    Report(1, 1, Format(tr("iPodを[ %s ]ドライブで発見しました"), {QDir::toNativeSeparators(root)}));
    return TrimPathDelim(root);
}

void ListFilesBelow(const QString &folderPath, QStringList &list)
{
    const QString folder = AddPathDelim(folderPath);
    const QFileInfoList entries = QDir(folder).entryInfoList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &entry : entries) {
        if (entry.isDir()) {
            if (!entry.isSymLink()) // a linked folder could lead off the player or round in a circle
                ListFilesBelow(entry.filePath(), list);
        } else {
            list << folder + entry.fileName();
        }
    }
}

bool TKiruIPOD::ListFiles(const QString &folderPath, QStringList &list)
{
    const QString folder = AddPathDelim(folderPath);
    Report(0, 0, Format(tr("データ一覧を取得中 - [ %s ]"), {QDir::toNativeSeparators(folder)}));
    ListFilesBelow(folder, list);
    return true;
}

int TKiruIPOD::CountEntries(const QString &folder)
{
    return int(
        QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot).size());
}

bool TKiruIPOD::RemoveEmptyFolders(const QString &folderPath)
{
    const QString folder = AddPathDelim(folderPath);
    const QFileInfoList entries = QDir(folder).entryInfoList(
        QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &entry : entries) {
        if (entry.isSymLink() || CountEntries(entry.filePath()) != 0)
            continue;
        const QString shown = QDir::toNativeSeparators(entry.filePath());
        if (!FDialogs ||
            FDialogs->AskYesNo(Format(tr("フォルダ [ %s ] が空ですので削除してもよろしいですか？"),
                                      {shown})) != TDialogAnswer::Yes)
            continue;
        if (!QDir().rmdir(entry.filePath()))
            throw EIPODError(Format(tr("フォルダ[ %s ]の削除に失敗しました"), {shown}));
    }
    return true;
}

TDriveDataInfo TKiruIPOD::GetDriveDataInfo(const QString &path) const
{
    TDriveDataInfo info;
    info.path = path;
    const TDriveFacts facts = FDrives.Query(path);
    if (QFileInfo(path).isDir()) {
        info.total = facts.totalBytes;
        info.free = facts.freeBytes;
        info.used = info.total - info.free;
    }
    info.volumeName = facts.ok ? facts.volumeName : u"NotFound"_s;
    info.driveType = facts.typeName.isEmpty() ? u"Unknown"_s : facts.typeName;
    return info;
}
