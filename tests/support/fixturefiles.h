#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

/// Writes bytes to a file, creating its folders; fails the calling test on error.
bool WriteFixtureFile(const QString &path, const QByteArray &bytes);
/// Reads a whole file; empty when it cannot be read.
QByteArray ReadFixtureFile(const QString &path);
/// The files below a folder, relative to it with "/" separators, sorted.
QStringList FilesBelow(const QString &folder);
