#include "music/copydestination.h"

#include "app/userdialogs.h"
#include "common/format.h"
#include "common/paths.h"
#include "common/sorvoerror.h"
#include "platform/drivetable.h"
#include "platform/playerbounds.h"
#include "platform/system.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

QString ResolvedPath(const QString &path)
{
    QString existing = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    QString rest;
    // Climb to the nearest part that exists (a dangling link counts as missing).
    while (!QFileInfo::exists(existing)) {
        const QFileInfo info(existing);
        const QString parent = info.path();
        if (parent == existing)
            break;
        rest = rest.isEmpty() ? info.fileName() : info.fileName() + u'/' + rest;
        existing = parent;
    }
    const QString canonical = QFileInfo(existing).canonicalFilePath();
    const QString base = canonical.isEmpty() ? existing : canonical;
    return rest.isEmpty() ? base : QDir::cleanPath(base + u'/' + rest);
}

void RefuseFolderInPlayer(const QString &folder, const QString &playerRoot)
{
    // Copies written among the player's own files could be taken for songs or overwrite its data.
    if (LandsInPlayer(folder, playerRoot))
        throw ESorvoError(Format(
            QCoreApplication::translate("TCopyDestination",
                                        "フォルダ[ %s ]はプレーヤーの中にあるため、取り出し先にできません"),
            {QDir::toNativeSeparators(folder)}));
}

void RefuseFileInPlayer(const QString &file, const QString &playerRoot)
{
    if (LandsInPlayer(file, playerRoot))
        throw ESorvoError(
            Format(QCoreApplication::translate("TCopyDestination",
                                               "ファイル[ %s ]はプレーヤーの中にあるため、書き出せません"),
                   {QDir::toNativeSeparators(file)}));
}

TCopyDestination::TCopyDestination(const QString &folder, const QString &playerRoot)
    : FFolder(AddPathDelim(folder)), FPlayer(playerRoot)
{
    if (FPlayer.Contains(FFolder))
        throw ESorvoError(Format(tr("フォルダ[ %s ]はプレーヤーの中にあるため、取り出し先にできません"),
                                 {QDir::toNativeSeparators(FFolder)}));
    const QString shown = QDir::toNativeSeparators(FFolder);
    // A folder that cannot be made or written stops the run once, rather than failing every song.
    if (!QFileInfo(FFolder).isDir() && (!QDir().mkpath(FFolder) || !QFileInfo(FFolder).isDir()))
        throw ESorvoError(Format(tr("フォルダ[ %s ]を作成できません"), {shown}));
    const QByteArray name = QFile::encodeName(FFolder);
    if (::access(name.constData(), W_OK | X_OK) != 0)
        throw ESorvoError(Format(tr("フォルダ[ %s ]に書き込めません (%s)"), {shown, SystemErrorText(errno)}));
    struct stat st;
    if (::stat(name.constData(), &st) == 0) {
        FDevice = st.st_dev;
        FInode = st.st_ino;
    }
}

bool TCopyDestination::StillThere() const
{
    struct stat st;
    return ::stat(QFile::encodeName(FFolder).constData(), &st) == 0 && S_ISDIR(st.st_mode) &&
           st.st_dev == FDevice && st.st_ino == FInode;
}

bool TCopyDestination::EnterFolder(const QString &relativeFolder, QString *why, int *code) const
{
    QString path = FFolder;
    for (const QString &level : relativeFolder.split(u'/', Qt::SkipEmptyParts)) {
        path += level + u'/';
        // A link standing here may lead anywhere, the player included: checked before it is used.
        if (FPlayer.Contains(path)) {
            if (code)
                *code = kIntoPlayer;
            if (why)
                *why = Format(tr("フォルダ[ %s ]はプレーヤーの中を指しています"),
                              {QDir::toNativeSeparators(path)});
            return false;
        }
        if (QFileInfo(path).isDir())
            continue;
        if (!QDir().mkdir(path) && !QFileInfo(path).isDir()) {
            const int error = errno;
            const bool fileInTheWay = QFileInfo::exists(path.chopped(1));
            if (code)
                *code = fileInTheWay ? kFileInTheWay : (error ? error : EIO);
            if (why)
                *why = fileInTheWay
                           ? Format(tr("フォルダ[ %s ]を作成できません。同じ名前のファイルがあります"),
                                    {QDir::toNativeSeparators(path)})
                           : Format(tr("フォルダ[ %s ]を作成できません"), {QDir::toNativeSeparators(path)});
            return false;
        }
    }
    return true;
}

void CheckExtractionFolder(const QString &folder, const QString &playerRoot)
{
    const TCopyDestination destination(folder, playerRoot);
}

TFolderCheck CheckDestinationFolder(const QString &folder, const IDriveTable &drives)
{
    if (folder.trimmed().isEmpty())
        return {false, QCoreApplication::translate("TCopyDestination", "フォルダが指定されていません")};
    if (QDir::isRelativePath(folder))
        return {false, QCoreApplication::translate("TCopyDestination", "ドライブが存在しません")};
    const TDriveFacts facts = drives.Query(folder);
    if (!facts.ok)
        return {false, QCoreApplication::translate("TCopyDestination", "ドライブが存在しません")};
    if (facts.freeBytes <= 0)
        return {false, QCoreApplication::translate("TCopyDestination", "このドライブにはコピーできません")};
    const qint64 megabytes = facts.freeBytes >> 20;
    if (QFileInfo(folder).isDir())
        return {true, Format(QCoreApplication::translate("TCopyDestination",
                                                         "このフォルダは存在します (%d MB空き)"),
                             {megabytes})};
    return {true,
            Format(QCoreApplication::translate("TCopyDestination", "このフォルダは存在しません (%d MB空き)"),
                   {megabytes})};
}

bool ConfirmDestinationFolder(const QString &folder, IUserDialogs &dialogs)
{
    if (QFileInfo(folder).isDir())
        return true;
    const TDialogAnswer answer = dialogs.AskYesNo(
        Format(QCoreApplication::translate("TCopyDestination",
                                           "フォルダ[ %s ]は存在しません。作成してもよろしいですか？"),
               {QDir::toNativeSeparators(folder)}));
    if (answer == TDialogAnswer::No)
        return false;
    QDir().mkpath(folder);
    return true;
}
