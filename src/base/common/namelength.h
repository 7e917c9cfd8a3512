#pragma once

#include <QString>
#include <QStringView>

/// Longest file-name component in bytes that the destination file systems accept.
inline constexpr int kMaxComponentBytes = 255;
/// Room left in a file name for the "(99)" a taken name may receive.
inline constexpr int kUniqueSuffixBytes = 4;

/// Bytes the text takes in UTF-8.
int Utf8Length(QStringView text);
/// The extension of a file name with its dot; empty when it has none.
QString ExtensionOf(const QString &fileName);
/// Shortens a name to `maxBytes` of UTF-8, keeping its extension (when `keepExtension`) and whole characters.
QString ShortenComponent(const QString &name, int maxBytes, bool keepExtension);
