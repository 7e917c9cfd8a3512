#pragma once

#include "tags/kirump3tagreader.h"
#include "tags/wmatagreader.h"

#include <QString>

/// Reads the tags of any audio file the player may hold: ".wma" files through the WMA reader, every
/// other file through the MP3/MPEG-4 reader. Keeps the readers between files.
class TAudioTagReader
{
public:
    /// Fills tag from the file; throws ETagFileOpenError when the file cannot be opened.
    void ReadFromFile(const QString &path, TMP3Tag &tag);

private:
    TKiruMP3TagReader FMp3Reader;
    TWMATagReader FWmaReader;
};
