#pragma once

#include <QString>

class TITunesDBLoader;

/// Builds songs from the files under a player's music folder, for players without a song database.
/// Appends to loader.FSongs (depth first, entries in name order), reports each folder through
/// loader.FOnProgress, then drops entries without a title, length, bit rate of 48 or more, or size.
/// Locations are relative to playerRoot with ":" between components. Throws TITBException
/// "フォルダ[ %s ]でファイル[ %s ]の取得に失敗しました" naming the top folder's entry under which a file
/// failed.
void ScanMusicFolder(TITunesDBLoader &loader, const QString &folder, const QString &playerRoot);
