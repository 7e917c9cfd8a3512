#pragma once

#include <QString>

/// Builds the demo player: a fifth-generation iPod with songs (real MPEG audio), videos, artwork,
/// two photo albums, notes (one divided text), contacts, events and to-do items.
/// Returns an empty text on success, else what failed.
QString BuildDemoPlayer(const QString &root);
