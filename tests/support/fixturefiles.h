#pragma once

#include <QByteArray>
#include <QString>

/// Writes bytes to a file, creating its folders; fails the calling test on error.
bool WriteFixtureFile(const QString &path, const QByteArray &bytes);
/// Reads a whole file; empty when it cannot be read.
QByteArray ReadFixtureFile(const QString &path);
