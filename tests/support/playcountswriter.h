#pragma once

#include "music/playcounts.h"

#include <QByteArray>
#include <QList>

/// A "Play Counts" file as the player writes it: an mhdp header of 0x60 bytes, then the entries, each
/// `entryLength` bytes (0x0C without rating, 0x10 with, 0x1C with skips).
QByteArray PlayCountsFile(const QList<TPlayCountEntry> &entries, quint32 entryLength = 0x1C);
