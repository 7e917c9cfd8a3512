// Song tab benchmark on the largest players, running the real window and tab on the offscreen platform.
//   bench_songtab write DIR [SONGS]   writes a player below DIR: SysInfo and a song database
//   bench_songtab run DIR             starts the main window on it, opens the song tab and prints:
//     start_ms  process start to the song count in the status line (window, recognition, list)
//     fill_ms   the tab's load (list and tree, from the loaded song list to the status text)
//     sort_ms   one header click per column (median of the three columns, and the slowest)
//     check_ms  check all and the summary
//     page_kib  resident memory the filled page adds
// scripts/bench.sh runs it and prints the figures.
#include "app/settings.h"
#include "app/userdialogs.h"
#include "devicefixtures.h"
#include "fakedrivetable.h"
#include "itunesdbwriter.h"
#include "mainform/mainform.h"
#include "music/songlistmodel.h"
#include "music/songtab.h"
#include "platform/drivetable.h"
#include "platform/mountwatcher.h"
#include "scripteddialogs.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QToolButton>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <ctime>

using namespace Qt::Literals::StringLiterals;

namespace {

long ResidentKiB()
{
    QFile statm(u"/proc/self/statm"_s);
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields.at(1).toLong() * (sysconf(_SC_PAGESIZE) / 1024) : 0;
}

/// Milliseconds since this process started.
double SinceProcessStart()
{
    QFile stat(u"/proc/self/stat"_s);
    QFile uptime(u"/proc/uptime"_s);
    if (!stat.open(QIODevice::ReadOnly) || !uptime.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    const double startTicks = fields.value(19).toDouble(); // field 22: start time in clock ticks
    const double now = uptime.readAll().split(' ').value(0).toDouble();
    return (now - startTicks / double(sysconf(_SC_CLK_TCK))) * 1000.0;
}

int Write(const QString &dir, int songs)
{
    // About five thousand artists with two albums each, titles in mixed scripts and cases.
    static const QStringList words = {u"Blue"_s,   u"night"_s, u"夜明け"_s, u"Rain"_s,
                                      u"さくら"_s, u"Glass"_s, u"東京"_s,   u"echo"_s,
                                      u"Río"_s,    u"風"_s,    u"Motor"_s,  u"ひかり"_s};
    TITunesDBWriter db;
    db.FTracks.reserve(songs);
    for (int i = 0; i < songs; ++i) {
        const quint32 h = quint32(i) * 2654435761u;
        const int artist = i / 13;
        TITDBTrack t = TITunesDBWriter::SampleTrack(i);
        t.strings.clear();
        t.Str(1, words.at(h % 12) + u' ' + words.at((h >> 8) % 12) + u' ' + QString::number(h % 100000));
        t.Str(2, u":iPod_Control:Music:F%1:S%2.mp3"_s.arg(i % 50, 2, 10, QChar(u'0')).arg(i));
        t.Str(3, words.at((artist * 7) % 12) + u" Album "_s + QString::number(artist * 2 + (i % 13 >= 7)));
        t.Str(4, words.at((artist * 5) % 12) + u' ' + words.at(artist % 12) + u' ' + QString::number(artist));
        db.FTracks.append(t);
    }
    db.AddMasterPlaylist();
    return WriteSysInfo(dir, u"xA002"_s) && db.WriteTo(dir + u"/iPod_Control/iTunes/iTunesDB"_s) ? 0 : 1;
}

double Elapsed(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

/// Processor time of this process in milliseconds: on a shared machine the figure that the other
/// processes do not inflate.
double CpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

int Run(const QString &dir)
{
    QDir().mkpath(dir + u"/settings"_s);
    const QString settingsFile = dir + u"/settings/Velmor.INI"_s;
    {
        TKiruIPodINI ini(settingsFile);
        ini.FCopyright = true;
        ini.Save();
    }
    TFakeDriveTable drives;
    drives.Add(dir, true, u"IPOD"_s, qint64(80) << 30, qint64(10) << 30);
    TScriptedDialogs dialogs;
    TMountWatcher watcher(nullptr, u"/nonexistent/mountinfo"_s);
    TMainFormSetup setup;
    setup.settingsFile = settingsFile;
    setup.driveTable = &drives;
    setup.dialogs = &dialogs;
    setup.watcher = &watcher;
    TMainForm form(setup); // the real progress window
    form.show();
    while (form.StatusText(0) != u"[接続中]"_s)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    auto *tab = form.findChild<TSongTab *>();
    const long before = ResidentKiB();

    QElapsedTimer timer;
    timer.start();
    double cpu = CpuMs();
    QToolButton *button = form.findChild<QToolButton *>(u"TabButton_Song"_s);
    button->click();
    QCoreApplication::processEvents();
    const double fill = Elapsed(timer);
    const double fillCpu = CpuMs() - cpu;
    const double start = SinceProcessStart();
    const QString status = form.StatusText(1);
    const long after = ResidentKiB();

    TSongListModel &model = tab->ListModel();
    QList<double> sorts, sortCpus;
    for (int column : {0, 1, 2}) {
        timer.restart();
        cpu = CpuMs();
        model.ColumnClick(column);
        QCoreApplication::processEvents();
        sorts << Elapsed(timer);
        sortCpus << CpuMs() - cpu;
    }
    timer.restart();
    cpu = CpuMs();
    tab->CheckAll(true);
    QCoreApplication::processEvents();
    const double check = Elapsed(timer);
    const double checkCpu = CpuMs() - cpu;
    std::sort(sorts.begin(), sorts.end());
    std::sort(sortCpus.begin(), sortCpus.end());
    std::printf("songs=%d start_ms=%.0f fill_ms=%.1f (cpu %.1f) sort_ms=%.1f (cpu %.1f) sort_max_ms=%.1f "
                "(cpu %.1f) check_ms=%.2f (cpu %.2f) page_kib=%ld status=\"%s\" summary=\"%s\"\n",
                model.rowCount(), start, fill, fillCpu, sorts.at(1), sortCpus.at(1), sorts.last(),
                sortCpus.last(), check, checkCpu, after - before, qPrintable(status),
                qPrintable(form.StatusText(1)));
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    const QStringList args = [&] {
        QStringList list;
        for (int i = 0; i < argc; ++i)
            list << QString::fromLocal8Bit(argv[i]);
        return list;
    }();
    if (args.size() >= 3 && args[1] == u"write"_s) {
        QCoreApplication app(argc, argv);
        return Write(args[2], args.size() > 3 ? args[3].toInt() : 65000);
    }
    if (args.size() == 3 && args[1] == u"run"_s) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication app(argc, argv);
        return Run(args[2]);
    }
    std::fprintf(stderr, "usage: bench_songtab write DIR [SONGS] | run DIR\n");
    return 2;
}
