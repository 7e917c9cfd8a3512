// Song copy speed: the extraction engine against "cp -r --reflink=never" on the same files and disk.
// Usage: bench_copy [WORK_FOLDER] [SONGS]   (default: a temporary folder, 2000 songs)
#include "app/mainservices.h"
#include "app/userdialogs.h"
#include "music/itunesdbloader.h"
#include "music/songcopy.h"

#include "fixturefiles.h"
#include "itunesdbwriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

class TQuietProgress : public IProgressRunner, private TProgressContext
{
protected:
    int Run(const QString &, int minimum, int, const TProgressStep &step) override
    {
        FPosition = minimum;
        step(*this);
        return FPosition;
    }

private:
    void SetPosition(int position) override { FPosition = position; }
    int Position() const override { return FPosition; }
    void SetLabel(const QString &) override {}
    bool Cancelled() const override { return false; }
    void SetMaximum(int) override {}
    int FPosition = 0;
};

class TQuietServices : public IMainServices
{
public:
    void SetStatusText(const QString &) override {}
    void ShowProgressText(int, int, const QString &) override {}
    void LoadTabData(TTabCode) override {}
    void ShowTransferLog(const TCopyReport &) override {}
};

double Median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

void Sync()
{
    ::sync();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir temp;
    const QString work =
        argc > 1 ? QDir(QString::fromLocal8Bit(argv[1])).absolutePath() + u'/' : temp.path() + u'/';
    const int songs = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 2000;
    const QString root = work + u"player/"_s;

    // A player with `songs` files of 100 to 200 KB in fifty folders, named by the sample database.
    TITunesDBWriter writer;
    QRandomGenerator random(42);
    qint64 totalBytes = 0;
    for (int i = 0; i < songs; ++i) {
        TITDBTrack t = TITunesDBWriter::SampleTrack(i);
        QByteArray data(100000 + int(random.bounded(100000)), Qt::Uninitialized);
        for (qsizetype k = 0; k < data.size(); k += 4096)
            data[k] = char(random.generate());
        t.size = quint32(data.size());
        totalBytes += data.size();
        QString location = t.strings.at(1).text;
        location.replace(u':', u'/');
        WriteFixtureFile(root + location.mid(1), data);
        writer.FTracks.append(t);
    }
    writer.AddMasterPlaylist();
    writer.WriteTo(root + u"iPod_Control/iTunes/iTunesDB"_s);
    TITunesDBLoader db;
    db.LoadFromFile(root + u"iPod_Control/iTunes/iTunesDB"_s);
    QList<TCopyRow> rows;
    for (int i = 0; i < db.FSongs.Count(); ++i)
        rows.append({i, true});

    TQuietProgress progress;
    TQuietServices services;
    TConsoleDialogs dialogs(true);
    auto engine = [&](const QString &dest) {
        TCopyOptions o;
        o.FFolder = dest;
        o.FArtistFolder = true;
        o.FAlbumFolder = true;
        o.FNameType = TNamingType::ArtistTitle;
        QDir().mkpath(dest);
        QElapsedTimer timer;
        timer.start();
        TSongCopier copier(db.FSongs, root, o);
        progress.RunWithProgress(u"copy"_s, 0, int(rows.size()),
                                 [&](TProgressContext &context) { copier.Step(rows, context); });
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        if (copier.FReport.FCopied != songs)
            std::fprintf(stderr, "engine copied %d of %d\n", copier.FReport.FCopied, songs);
        return ms;
    };
    auto cp = [&](const QString &dest) {
        QElapsedTimer timer;
        timer.start();
        QProcess::execute(u"cp"_s, {u"-r"_s, u"--reflink=never"_s, root + u"iPod_Control/Music"_s, dest});
        return double(timer.nsecsElapsed()) / 1e6;
    };
    auto clean = [&](const QString &dest) {
        QDir(dest).removeRecursively();
        Sync();
    };

    // Warm the page cache with one run of each.
    engine(work + u"warm-engine/"_s);
    cp(work + u"warm-cp"_s);
    clean(work + u"warm-engine/"_s);
    clean(work + u"warm-cp"_s);

    QList<double> engineTimes, cpTimes, crowdedTimes;
    for (int round = 0; round < 5; ++round) {
        Sync();
        cpTimes << cp(work + u"cp"_s);
        Sync();
        engineTimes << engine(work + u"engine/"_s);
        Sync();
        // The same copy again into the filled folder: every name is taken and gets "(2)".
        crowdedTimes << engine(work + u"engine/"_s);
        clean(work + u"cp"_s);
        clean(work + u"engine/"_s);
    }
    const double e = Median(engineTimes), c = Median(cpTimes), crowded = Median(crowdedTimes);
    std::printf("songs %d, %.1f MiB\n", songs, double(totalBytes) / 1048576.0);
    std::printf("cp -r --reflink=never  %8.1f ms (median of 5)\n", c);
    std::printf("engine                 %8.1f ms (median of 5)   ratio %.2f x cp\n", e, e / c);
    std::printf("engine, names taken    %8.1f ms (median of 5)   ratio %.2f x empty folder\n", crowded,
                crowded / e);
    return 0;
}
