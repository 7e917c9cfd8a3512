#pragma once

#include <QString>
#include <QStringList>

class TKiruIPOD;

/// What the debug page's "エクスポート" writes.
struct TDebugExportChoice
{
    bool songDB = false;
    bool artworkDB = false;
    bool photoDB = false;
    bool artworkInfo = false;
    bool photoInfo = false;
    bool folderReport = false;
    bool deviceReport = false;

    /// Every database and every report.
    static TDebugExportChoice All() { return {true, true, true, true, true, true, true}; }
};

/// Writes copies of the player's databases and text reports on them into a folder, for a bug report.
/// Returns the files written; raises ESorvoError when one cannot be written.
QStringList ExportDebugData(TKiruIPOD &device, const TDebugExportChoice &choice, const QString &folder);
