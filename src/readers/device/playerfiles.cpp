#include "device/playerfiles.h"

#include "app/userdialogs.h"
#include "common/format.h"
#include "common/paths.h"
#include "common/sorvoerror.h"
#include "platform/safefilewriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

QStringList ListPlayerFiles(const QString &folder)
{
    QStringList files;
    if (folder.isEmpty())
        return files;
    const QDir base(folder);
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        // A FIFO, socket or device standing among the files is no note or card and is never opened; a
        // temporary file of a write in progress (or one stopped by a crash) is not one either.
        if (it.fileInfo().isFile() && !IsTemporaryFileName(it.fileName()))
            files.append(base.relativeFilePath(it.filePath()));
    }
    std::sort(files.begin(), files.end());
    return files;
}

void MakePlayerFolder(const QString &folder, const QString &root)
{
    if (QFileInfo(folder).isDir())
        return;
    const QString shown = QDir::toNativeSeparators(folder);
    const QString cleanRoot = QDir::cleanPath(root);
    const QString cleanFolder = QDir::cleanPath(folder);
    // Nothing is created outside the player, whatever the folder's name says.
    bool inside = !cleanRoot.isEmpty() && QFileInfo(cleanRoot).isDir() &&
                  cleanFolder.startsWith(AddPathDelim(cleanRoot));
    if (inside) {
        QString existing = cleanFolder;
        while (!QFileInfo::exists(existing))
            existing = QFileInfo(existing).path();
        const QString canonicalRoot = QFileInfo(cleanRoot).canonicalFilePath();
        const QString canonicalExisting = QFileInfo(existing).canonicalFilePath();
        inside =
            canonicalExisting == canonicalRoot || canonicalExisting.startsWith(AddPathDelim(canonicalRoot));
    }
    if (!inside || !QDir().mkpath(cleanFolder))
        throw ESorvoError(
            Format(QCoreApplication::translate("PlayerFiles", "フォルダ[ %s ]を作成できません"), {shown}));
}

void RemoveEmptySubFolders(const QString &folder, IUserDialogs &dialogs)
{
    const QDir base(folder);
    for (const QFileInfo &sub :
         base.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name)) {
        if (sub.isSymLink() ||
            !QDir(sub.filePath())
                 .isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System))
            continue;
        const QString shown = QDir::toNativeSeparators(sub.filePath());
        if (dialogs.AskYesNo(
                Format(QCoreApplication::translate("PlayerFiles",
                                                   "フォルダ [ %s ] が空ですので削除してもよろしいですか？"),
                       {shown})) != TDialogAnswer::Yes)
            continue;
        if (!base.rmdir(sub.fileName()))
            throw ESorvoError(Format(
                QCoreApplication::translate("PlayerFiles", "フォルダ[ %s ]の削除に失敗しました"), {shown}));
    }
}
