#include "cli/clidevice.h"

#include "app/messages.h"
#include "app/settings.h"
#include "common/paths.h"
#include "session/playersession.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

TCliDevice::TCliDevice(const TCliContext &context, IUserDialogs *dialogs) : FDrives(context.line.drives)
{
    // The stored drive lock applies as in the window; the settings are only read, never written.
    const QString settingsPath = context.SettingsFile();
    if (QFileInfo::exists(settingsPath))
        FSettings = std::make_unique<TKiruIPodINI>(settingsPath);
    FSession =
        std::make_unique<TPlayerSession>(FDrives, dialogs ? *dialogs : context.dialogs, FSettings.get());
}

TCliDevice::~TCliDevice() = default;

const TPlayerInfo &TCliDevice::Player() const
{
    return FSession->Player();
}

void TCliDevice::FindPlayer()
{
    if (!FSession->FindPlayer())
        throw ESorvoError(TLagugae().GetText("MSG_RECG_FAL"));
}

void TCliDevice::Locate()
{
    if (!FSession->Recognize())
        throw ESorvoError(TLagugae().GetText("MSG_RECG_FAL"));
}

QString CliDestinationFolder(const QString &to)
{
    if (to.isEmpty())
        throw ECliUsageError(
            QCoreApplication::translate("CliDevice", "--to で保存先のフォルダを指定してください"));
    return AddPathDelim(
        QDir::cleanPath(QDir(QDir::currentPath()).absoluteFilePath(QDir::fromNativeSeparators(to))));
}
