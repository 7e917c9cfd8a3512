#pragma once

#include <QString>

/// A name Windows can open on a FAT or exFAT disk: trailing dots and blanks are dropped, and a device
/// name (CON, AUX, PRN, NUL, COM1-COM9, LPT1-LPT9, with or without an extension) gets a "_" after its
/// device part ("CON.mp3" becomes "CON_.mp3"). A name left empty becomes "_".
QString WindowsSafeName(const QString &name);
/// WindowsSafeName for every part of a relative path written with "/".
QString WindowsSafePath(const QString &relative);
/// True when the name is a device name to Windows.
bool IsWindowsDeviceName(const QString &name);
