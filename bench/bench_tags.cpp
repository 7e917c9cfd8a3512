// Music folder scan against TagLib on the same files, side by side in one run.
//   bench_tags FOLDER [RUNS]   (FOLDER from bench/make-audio.sh: OUTDIR/music)
#include "music/itunesdbloader.h"
#include "music/musicfolderscan.h"
#include "tags/kirump3tagreader.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>
#include <vector>

#ifdef SORVO_HAVE_TAGLIB
#include <fileref.h>
#include <tag.h>
#include <tpropertymap.h>
#endif

using namespace Qt::Literals::StringLiterals;

namespace {

// Every file below folder, depth first in name order (as the scan walks).
void ListFiles(const QString &folder, QStringList &out)
{
    QStringList names =
        QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::NoSort);
    std::sort(names.begin(), names.end(),
              [](const QString &a, const QString &b) { return a.compare(b) < 0; });
    for (const QString &n : std::as_const(names)) {
        const QString path = folder + u'/' + n;
        if (QFileInfo(path).isDir())
            ListFiles(path, out);
        else
            out << path;
    }
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

qint64 ScanOnce(const QString &folder, int *songs)
{
    QElapsedTimer t;
    t.start();
    TITunesDBLoader loader;
    ScanMusicFolder(loader, folder, QFileInfo(folder).path());
    *songs = loader.FSongs.Count();
    return t.nsecsElapsed();
}

#ifdef SORVO_HAVE_TAGLIB
struct TTagLibFields
{
    QString title, artist, album, genre, comment;
    int bitRate = 0, sampleRate = 0, seconds = 0;
};

TTagLibFields ReadWithTagLib(const QString &path)
{
    TTagLibFields f;
    TagLib::FileRef ref(QFile::encodeName(path).constData(), true, TagLib::AudioProperties::Average);
    if (ref.isNull())
        return f;
    if (const TagLib::Tag *tag = ref.tag()) {
        f.title = QString::fromStdString(tag->title().to8Bit(true));
        f.artist = QString::fromStdString(tag->artist().to8Bit(true));
        f.album = QString::fromStdString(tag->album().to8Bit(true));
        f.genre = QString::fromStdString(tag->genre().to8Bit(true));
        f.comment = QString::fromStdString(tag->comment().to8Bit(true));
    }
    if (const TagLib::AudioProperties *p = ref.audioProperties()) {
        f.bitRate = p->bitrate();
        f.sampleRate = p->sampleRate();
        f.seconds = p->lengthInSeconds();
    }
    return f;
}

qint64 TagLibOnce(const QString &folder, int *read)
{
    QElapsedTimer t;
    t.start();
    QStringList files;
    ListFiles(folder, files);
    int n = 0;
    for (const QString &path : std::as_const(files))
        n += ReadWithTagLib(path).title.isEmpty() ? 0 : 1;
    *read = n;
    return t.nsecsElapsed();
}
#endif

void Print(const QString &text)
{
    const QByteArray b = text.toUtf8();
    std::fwrite(b.constData(), 1, size_t(b.size()), stdout);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        Print(u"usage: bench_tags FOLDER [RUNS]\n"_s);
        return 2;
    }
    const QString folder = QDir::cleanPath(QFile::decodeName(argv[1]));
    const int runs = argc > 2 ? std::max(1, atoi(argv[2])) : 7;
    QStringList files;
    ListFiles(folder, files);
    Print(u"files: %1, runs: %2 (median; one warm-up run each first)\n"_s.arg(files.size()).arg(runs));

    int songs = 0;
    ScanOnce(folder, &songs);
    std::vector<double> ours;
    for (int i = 0; i < runs; ++i)
        ours.push_back(double(ScanOnce(folder, &songs)) / 1e6);
    Print(u"sorvo scan:  %1 ms (%2 songs kept)\n"_s.arg(Median(ours), 0, 'f', 1).arg(songs));

#ifdef SORVO_HAVE_TAGLIB
    int read = 0;
    TagLibOnce(folder, &read);
    std::vector<double> theirs;
    for (int i = 0; i < runs; ++i)
        theirs.push_back(double(TagLibOnce(folder, &read)) / 1e6);
    Print(u"TagLib:      %1 ms (%2 files with a title)\n"_s.arg(Median(theirs), 0, 'f', 1).arg(read));
    Print(u"ratio sorvo/TagLib: %1\n"_s.arg(Median(ours) / Median(theirs), 0, 'f', 3));

    // Fields both define alike: titles, artists and albums of ID3v2 and MPEG-4 files.
    int compared = 0, differ = 0;
    for (const QString &path : std::as_const(files)) {
        if (path.endsWith(u".wma"_s))
            continue;
        TMP3Tag ourTag;
        TKiruMP3TagReader().ReadFromFile(path, ourTag);
        const TTagLibFields theirTag = ReadWithTagLib(path);
        ++compared;
        if (ourTag.Title != theirTag.title || ourTag.Artist != theirTag.artist ||
            ourTag.Album != theirTag.album) {
            if (++differ <= 5)
                Print(u"  differs: %1: [%2|%3|%4] vs [%5|%6|%7]\n"_s.arg(path, ourTag.Title, ourTag.Artist,
                                                                         ourTag.Album, theirTag.title,
                                                                         theirTag.artist, theirTag.album));
        }
    }
    Print(u"title/artist/album agree on %1 of %2 MP3/MPEG-4 files\n"_s.arg(compared - differ).arg(compared));
#else
    Print(u"TagLib not found at configure time: comparison skipped\n"_s);
#endif
    return 0;
}
