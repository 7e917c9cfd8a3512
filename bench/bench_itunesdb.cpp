// Reading benchmark: a full-size song database and a thousand thumbnails.
//   bench_itunesdb write DIR [TRACKS] [PLAYLISTS]
//                                       writes DIR/iPod_Control/iTunes/iTunesDB and an artwork database;
//                                       PLAYLISTS of 1,000 songs each beside the master playlist (0 by
//                                       default), or -1 for a database without a playlist section
//   bench_itunesdb compress IN OUT      writes the compressed form (iTunesCDB) of the database IN
//   bench_itunesdb songs FILE           reads the song database once; prints time and peak memory
//   bench_itunesdb read FILE            reads the file's bytes and keeps nothing: the scale for `songs`
//   bench_itunesdb thumbs DIR           decodes every thumbnail of DIR's artwork database
// scripts/bench.sh runs them (and the libgpod comparison) and prints the figures.
#include "artworkdbwriter.h"
#include "fixturefiles.h"
#include "itunesdbwriter.h"
#include "music/itunesdbloader.h"
#include "photos/artworkdbloader.h"
#include "platform/filebytes.h"
#include "platform/readonlyfile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

#include <sys/resource.h>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace {

long PeakKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

int Write(const QString &dir, int tracks, int playlists)
{
    TITunesDBWriter songs;
    songs.FTracks.reserve(tracks);
    for (int i = 0; i < tracks; ++i)
        songs.FTracks.append(TITunesDBWriter::SampleTrack(i));
    if (playlists < 0) {
        songs.FSections = {1};
    } else {
        songs.AddMasterPlaylist();
        // Playlists of a thousand songs each, every kind among them, the songs spread over the library.
        for (int p = 0; p < playlists && tracks > 0; ++p) {
            TITDBPlaylist list(u"Playlist %1"_s.arg(p), false, 0x9000 + quint64(p), {});
            for (int k = 0; k < 1000; ++k)
                list.trackIds.append(songs.FTracks[(p * 7919 + k * 61) % tracks].trackId);
            list.smart = p % 5 == 1;
            list.podcast = p == 2;
            songs.FPlaylists.append(list);
        }
    }
    if (!songs.WriteTo(dir + u"/iPod_Control/iTunes/iTunesDB"_s))
        return 1;

    // 1000 pictures with a 56 × 56 and a 140 × 140 thumbnail each, in two thumbnail files.
    TIthmbWriter small, large;
    TArtworkDBWriter artwork;
    const QByteArray smallPixels = EncodeRgb565(PatternImage(56, 56), 56, false);
    const QByteArray largePixels = EncodeRgb565(PatternImage(140, 140), 140, false);
    for (int i = 0; i < 1000; ++i) {
        TArtDBThumb a;
        a.fileName = u":F1031_1.ithmb"_s;
        a.offset = small.Append(smallPixels);
        a.size = quint32(smallPixels.size());
        a.width = a.height = 56;
        TArtDBThumb b;
        b.fileName = u":F1032_1.ithmb"_s;
        b.offset = large.Append(largePixels);
        b.size = quint32(largePixels.size());
        b.width = b.height = 140;
        artwork.FPictures.append(
            {quint32(100 + i), 0x8000000000000000ull + quint64(i) * 7919, std::nullopt, {a, b}});
    }
    const QString art = dir + u"/iPod_Control/Artwork/"_s;
    return artwork.WriteTo(art + u"ArtworkDB"_s) && small.WriteTo(art + u"F1031_1.ithmb"_s) &&
                   large.WriteTo(art + u"F1032_1.ithmb"_s)
               ? 0
               : 1;
}

int Songs(const QString &path)
{
    QElapsedTimer timer;
    timer.start();
    TITunesDBLoader loader;
    loader.LoadFromFile(path);
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    std::printf("sorvo songs=%d ms=%.2f peak_kib=%ld\n", loader.FSongs.Count(), ms, PeakKiB());
    return 0;
}

// The plain read of the file: its bytes through one reused buffer, in the parts the song reader reads.
int Read(const QString &path)
{
    QElapsedTimer timer;
    timer.start();
    TReadOnlyFile file;
    if (!file.Open(path))
        return 1;
    QByteArray buffer(qsizetype(TFileBytes::kPartSize), Qt::Uninitialized);
    qint64 total = 0;
    for (qint64 got; (got = file.ReadAt(total, buffer.data(), buffer.size())) > 0;)
        total += got;
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    std::printf("plain bytes=%lld ms=%.2f peak_kib=%ld\n", total, ms, PeakKiB());
    return total == file.Size() ? 0 : 1;
}

int Compress(const QString &in, const QString &out)
{
    QFile file(in);
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    const QByteArray packed = TITunesDBWriter::Compress(file.readAll());
    return !packed.isEmpty() && WriteFixtureFile(out, packed) ? 0 : 1;
}

int Thumbs(const QString &dir)
{
    QElapsedTimer timer;
    timer.start();
    TArtworkDBLoader loader;
    loader.LoadFromFile(dir + u"/iPod_Control/Artwork/ArtworkDB"_s);
    int decoded = 0;
    for (const auto &item : loader.FItems)
        for (const auto &image : item->FImages) {
            decoded += image->Bitmap().isNull() ? 0 : 1;
        }
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    std::printf("sorvo thumbnails=%d ms=%.2f peak_kib=%ld\n", decoded, ms, PeakKiB());
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() >= 3 && args[1] == u"write"_s)
        return Write(args[2], args.size() > 3 ? args[3].toInt() : 65000,
                     args.size() > 4 ? args[4].toInt() : 0);
    if (args.size() == 3 && args[1] == u"songs"_s)
        return Songs(args[2]);
    if (args.size() == 3 && args[1] == u"read"_s)
        return Read(args[2]);
    if (args.size() == 4 && args[1] == u"compress"_s)
        return Compress(args[2], args[3]);
    if (args.size() == 3 && args[1] == u"thumbs"_s)
        return Thumbs(args[2]);
    std::fprintf(stderr, "usage: bench_itunesdb write DIR [TRACKS] [PLAYLISTS] | compress IN OUT | songs "
                         "FILE | read FILE | thumbs DIR\n");
    return 2;
}
