#pragma once

#include <QDateTime>
#include <QString>

/// How the file system of a player is checked on this system.
struct TDiskCheck
{
    bool possible = false; // false when the player is a folder rather than a device of its own
    QString command;       // the checker's command line
    QString note;          // a line shown under the header ("read only" on systems that do not repair)
    bool repairs = false;  // whether the checker mends what it finds
    QString reason;        // why the check is not possible, when it is not
};

/// The check for a player root: "chkdsk X:\ /F" on Windows, "/usr/sbin/fsck -n DEVICE" (read only)
/// elsewhere, DEVICE being the device mounted at the root.
TDiskCheck PlanDiskCheck(const QString &root);
/// Runs the check and returns the text to show: the header "<< scandisk is ran at … >>", the note, the
/// checker's output, its error output and its exit code. Raises ELaunchFailed when it cannot start.
QString RunDiskCheck(const TDiskCheck &check, const QDateTime &now);
