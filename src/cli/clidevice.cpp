#include "cli/clidevice.h"

#include "app/messages.h"
#include "app/settings.h"

#include "common/paths.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

TCliDevice::TCliDevice(const TCliContext &context, IUserDialogs *dialogs) : FDrives(context.line.drives)
{
    FDevice = std::make_unique<TKiruIPOD>(FDrives, dialogs ? dialogs : &context.dialogs);
    // The stored drive lock applies as in the window; the settings are only read, never written.
    const QString settingsPath = context.SettingsFile();
    if (QFileInfo::exists(settingsPath))
        FDevice->UseDriveLock(TKiruIPodINI(settingsPath));
}

void TCliDevice::FindPlayer()
{
    if (!FDevice->FindPlayer())
        throw ESorvoError(TLagugae().GetText("MSG_RECG_FAL"));
}

QString CliDestinationFolder(const QString &to)
{
    if (to.isEmpty())
        throw ECliUsageError(u"--to で保存先のフォルダを指定してください"_s);
    return AddPathDelim(
        QDir::cleanPath(QDir(QDir::currentPath()).absoluteFilePath(QDir::fromNativeSeparators(to))));
}

void TCliDevice::Locate()
{
    if (!FDevice->Locate())
        throw ESorvoError(TLagugae().GetText("MSG_RECG_FAL"));
}
