#include "cli/clidevice.h"

#include "app/messages.h"
#include "app/settings.h"

#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

TCliDevice::TCliDevice(TCliContext &context) : FDrives(context.line.drives)
{
    FDevice = std::make_unique<TKiruIPOD>(FDrives, &context.dialogs);
    // The stored drive lock applies as in the window; the settings are only read, never written.
    const QString settingsPath =
        context.line.settingsFile.isEmpty() ? TKiruIPodINI::DefaultPath() : context.line.settingsFile;
    if (QFileInfo::exists(settingsPath)) {
        const TKiruIPodINI settings(settingsPath);
        if (settings.FRecognize_MakeFolder)
            FDevice->FLockPath = settings.FDriveLockPath;
    }
}

void TCliDevice::Locate()
{
    if (!FDevice->Locate())
        throw ESorvoError(TLagugae().GetText("MSG_RECG_FAL"));
}
