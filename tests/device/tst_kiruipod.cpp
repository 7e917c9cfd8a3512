#include "app/settings.h"
#include "app/userdialogs.h"
#include "device/kiruipod.h"
#include "fakedrivetable.h"
#include "platform/drivetable.h"
#include "scripteddialogs.h"

#include "devicefixtures.h"
#include "fixturefiles.h"
#include "itunesdbwriter.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TstKiruIPOD : public QObject
{
    Q_OBJECT
private slots:
    void firstPlayerWins();
    void fixedDiskSkipped();
    void driveLock();
    void namedDrivesBeatDriveLock();
    void driveLockFromSettings_data();
    void driveLockFromSettings();
    void locateLoadsSongDatabase();
    void locateReadsCompressedSongDatabase();
    void locateScansMusicFolderWithoutDatabase();
    void listFiles();
    void countEntriesCountsHidden();
    void removeEmptyFolders_data();
    void removeEmptyFolders();
    void driveInfoOfMissingFolder();

private:
    static bool MakeIPod(const QString &root, int tracks = 0);
    QTemporaryDir FDir;
    QString Path(const QString &name) const { return FDir.path() + u'/' + name; }
};

bool TstKiruIPOD::MakeIPod(const QString &root, int tracks)
{
    TITunesDBWriter writer;
    for (int i = 0; i < tracks; ++i)
        writer.FTracks << TITunesDBWriter::SampleTrack(i);
    writer.AddMasterPlaylist();
    return writer.WriteTo(root + u"/iPod_Control/iTunes/iTunesDB"_s);
}

void TstKiruIPOD::firstPlayerWins()
{
    QTemporaryDir dir;
    const QString e = dir.path() + u"/E"_s, f = dir.path() + u"/F"_s, g = dir.path() + u"/G"_s;
    QVERIFY(MakeIPod(e) && MakeIPod(g));
    QDir().mkpath(f);
    TFakeDriveTable drives;
    drives.Add(f, true);
    drives.Add(e, true);
    drives.Add(g, true);
    TScriptedDialogs dialogs;
    TKiruIPOD ipod(drives, &dialogs, Path(u"none.MCD"_s));
    QList<QPair<qint64, QString>> reports;
    ipod.SetOnProgress([&](qint64 pos, qint64 total, const QString &m) {
        if (total == 26)
            reports.append({pos, m});
    });
    QCOMPARE(ipod.ScanDrives(), e);
    QVERIFY(!drives.FQueried.contains(g));
    QCOMPARE(reports.size(), 3);
    QCOMPARE(reports[0], (QPair<qint64, QString>(4, u"iPodを検索中"_s)));
    QCOMPARE(reports[1], (QPair<qint64, QString>(5, u"iPodを検索中"_s)));
    QCOMPARE(reports[2], (QPair<qint64, QString>(5, u"iPodを[ "_s + e + u"/ ]ドライブで発見しました"_s)));
}

void TstKiruIPOD::fixedDiskSkipped()
{
    QTemporaryDir dir;
    QVERIFY(MakeIPod(dir.path() + u"/C"_s));
    TFakeDriveTable drives;
    drives.Add(dir.path() + u"/C"_s, false);
    TKiruIPOD ipod(drives, nullptr, Path(u"none.MCD"_s));
    QVERIFY(!ipod.Locate());
    QCOMPARE(ipod.ScanDrives(), QString());
}

void TstKiruIPOD::driveLock()
{
    QTemporaryDir dir;
    const QString f = dir.path() + u"/F"_s;
    QVERIFY(MakeIPod(dir.path() + u"/E"_s) && MakeIPod(f, 2));
    TFakeDriveTable drives;
    drives.Add(dir.path() + u"/E"_s, true);
    TKiruIPOD ipod(drives, nullptr, Path(u"none.MCD"_s));
    QList<QPair<qint64, qint64>> figures;
    ipod.SetOnProgress([&](qint64 pos, qint64 total, const QString &) {
        if (total != 0)
            figures.append({pos, total});
    });
    ipod.FLockPath = f; // no trailing separator: it is added
    QVERIFY(ipod.Locate());
    QCOMPARE(ipod.FChecker.FRoot, f + u'/');
    QCOMPARE(figures, (QList<QPair<qint64, qint64>>{{1, 1}, {1, 1}}));
    QCOMPARE(ipod.FSongDB.FSongs.Count(), 2);
}

void TstKiruIPOD::namedDrivesBeatDriveLock()
{
    QTemporaryDir dir;
    const QString e = dir.path() + u"/E"_s;
    QVERIFY(MakeIPod(e));
    TFakeDriveTable drives;
    drives.Add(e, true);
    drives.FNamedByUser = true;
    TKiruIPOD ipod(drives, nullptr, Path(u"none.MCD"_s));
    ipod.FLockPath = dir.path() + u"/elsewhere"_s;
    QVERIFY(ipod.Locate());
    QCOMPARE(ipod.FChecker.FRoot, e + u'/');
}

void TstKiruIPOD::driveLockFromSettings_data()
{
    QTest::addColumn<bool>("lockOn");
    QTest::addColumn<QString>("found");
    QTest::addRow("lock off: the first drive") << false << u"E"_s;
    QTest::addRow("lock on: only the locked folder") << true << u"F"_s;
}

void TstKiruIPOD::driveLockFromSettings()
{
    QFETCH(bool, lockOn);
    QFETCH(QString, found);
    QTemporaryDir dir;
    QVERIFY(MakeIPod(dir.path() + u"/E"_s) && MakeIPod(dir.path() + u"/F"_s, 2));
    TFakeDriveTable drives;
    drives.Add(dir.path() + u"/E"_s, true);
    TKiruIPodINI settings(dir.path() + u"/Velmor.INI"_s);
    settings.FRecognize_MakeFolder = lockOn;
    settings.FDriveLockPath = dir.path() + u"/F"_s;
    TKiruIPOD ipod(drives, nullptr, Path(u"none.MCD"_s));
    ipod.UseDriveLock(settings);
    // The recognition alone: the device record, not the databases.
    QVERIFY(ipod.FindPlayer());
    QCOMPARE(ipod.FChecker.FRoot, dir.path() + u'/' + found + u'/');
    QCOMPARE(ipod.FSongDB.FSongs.Count(), 0);
}

void TstKiruIPOD::locateLoadsSongDatabase()
{
    QTemporaryDir dir;
    const QString e = dir.path() + u"/E"_s;
    QVERIFY(MakeIPod(e, 5));
    QVERIFY(TouchFile(e + u"/iPod_Control/Music/F00/a.mp3"_s, 10));
    TFakeDriveTable drives;
    drives.Add(e, true, u"MYPOD"_s, 100, 50);
    TKiruIPOD ipod(drives, nullptr, Path(u"none.MCD"_s));
    QVERIFY(ipod.Locate());
    QCOMPARE(ipod.FSongDB.FSongs.Count(), 5);
    QCOMPARE(ipod.FChecker.FSongCount, 1);
    QCOMPARE(ipod.FChecker.FName, u"MYPOD"_s);
    QCOMPARE(ipod.FArtworkDB.Count(), 0);
    QVERIFY(ipod.Locate()); // a second recognition does not add the songs twice
    QCOMPARE(ipod.FSongDB.FSongs.Count(), 5);
    ipod.Clear();
    QCOMPARE(ipod.FSongDB.FSongs.Count(), 0);
    QCOMPARE(int(ipod.FChecker.FKind), 0);
}

void TstKiruIPOD::locateReadsCompressedSongDatabase()
{
    // A later player: the songs in iTunesCDB, iTunesDB left empty.
    QTemporaryDir dir;
    const QString e = dir.path() + u"/E"_s;
    TITunesDBWriter writer;
    for (int i = 0; i < 7; ++i)
        writer.FTracks << TITunesDBWriter::SampleTrack(i);
    writer.AddMasterPlaylist();
    writer.FCompressed = true;
    QVERIFY(writer.WriteTo(e + u"/iPod_Control/iTunes/iTunesCDB"_s));
    QVERIFY(TouchFile(e + u"/iPod_Control/iTunes/iTunesDB"_s));
    TFakeDriveTable drives;
    drives.Add(e, true, u"NANO"_s, 100, 50);
    TKiruIPOD ipod(drives, nullptr, Path(u"none.MCD"_s));
    QVERIFY(ipod.Locate());
    QCOMPARE(ipod.FSongDB.FSongs.Count(), 7);
    QCOMPARE(ipod.FSongDB.FSongs.Items(6).Title(), TITunesDBWriter::SampleTrack(6).strings.first().text);

    // A damaged compressed database reaches the caller as the reader's message.
    QByteArray damaged = writer.ToBytes();
    damaged.truncate(damaged.size() / 2);
    QVERIFY(WriteFixtureFile(e + u"/iPod_Control/iTunes/iTunesCDB"_s, damaged));
    try {
        ipod.Locate();
        QFAIL("a damaged database was read");
    } catch (const ESorvoError &error) {
        QCOMPARE(error.Message(), u"ヘッダーが不正です"_s);
    }
}

void TstKiruIPOD::locateScansMusicFolderWithoutDatabase()
{
    QTemporaryDir dir;
    const QString h10 = dir.path() + u"/H"_s;
    QVERIFY(TouchFile(h10 + u"/System/H10.mi4"_s));
    QVERIFY(TouchFile(h10 + u"/Media/Music/readme.txt"_s));
    TFakeDriveTable drives;
    drives.Add(h10, true);
    TKiruIPOD ipod(drives, nullptr, Path(u"none.MCD"_s));
    QVERIFY(ipod.Locate());
    QCOMPARE(int(ipod.FChecker.FKind), 6);
    QCOMPARE(ipod.FSongDB.FSongs.Count(), 0); // a text file is no song
}

void TstKiruIPOD::listFiles()
{
    QTemporaryDir dir;
    QVERIFY(TouchFile(dir.path() + u"/Notes/a.txt"_s));
    QVERIFY(TouchFile(dir.path() + u"/Notes/sub/b.txt"_s));
    QVERIFY(TouchFile(dir.path() + u"/Notes/.hidden"_s));
    TFakeDriveTable drives;
    TKiruIPOD ipod(drives, nullptr, Path(u"none.MCD"_s));
    QStringList files{u"kept"_s};
    QVERIFY(ipod.ListFiles(dir.path() + u"/Notes"_s, files));
    QCOMPARE(files, (QStringList{u"kept"_s, dir.path() + u"/Notes/.hidden"_s, dir.path() + u"/Notes/a.txt"_s,
                                 dir.path() + u"/Notes/sub/b.txt"_s}));
    QVERIFY(ipod.ListFiles(dir.path() + u"/missing"_s, files));
    QCOMPARE(files.size(), 4);
}

void TstKiruIPOD::countEntriesCountsHidden()
{
    QTemporaryDir dir;
    QVERIFY(TouchFile(dir.path() + u"/f/.hidden"_s));
    TFakeDriveTable drives;
    TKiruIPOD ipod(drives, nullptr, Path(u"none.MCD"_s));
    QCOMPARE(ipod.CountEntries(dir.path() + u"/f"_s), 1);
    QDir().mkpath(dir.path() + u"/f/sub"_s);
    QCOMPARE(ipod.CountEntries(dir.path() + u"/f/"_s), 2);
}

void TstKiruIPOD::removeEmptyFolders_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("oldRemains");
    QTest::addRow("no keeps it") << int(TDialogAnswer::No) << true;
    QTest::addRow("yes removes it") << int(TDialogAnswer::Yes) << false;
}

void TstKiruIPOD::removeEmptyFolders()
{
    QFETCH(int, answer);
    QFETCH(bool, oldRemains);
    QTemporaryDir dir;
    const QString notes = dir.path() + u"/Notes"_s;
    QDir().mkpath(notes + u"/old"_s);
    QVERIFY(TouchFile(notes + u"/new/x.txt"_s));
    TFakeDriveTable drives;
    TScriptedDialogs dialogs;
    dialogs.FAnswers = {TDialogAnswer(answer)};
    TKiruIPOD ipod(drives, &dialogs, Path(u"none.MCD"_s));
    QVERIFY(ipod.RemoveEmptyFolders(notes));
    QCOMPARE(dialogs.Texts(u"yesno"_s),
             QStringList{u"フォルダ [ "_s + notes + u"/old ] が空ですので削除してもよろしいですか？"_s});
    QCOMPARE(QFileInfo::exists(notes + u"/old"_s), oldRemains);
    QVERIFY(QFileInfo::exists(notes + u"/new/x.txt"_s));
}

void TstKiruIPOD::driveInfoOfMissingFolder()
{
    QTemporaryDir dir;
    TFakeDriveTable drives;
    drives.Add(dir.path(), true, u"VOL"_s, 1000, 400);
    TKiruIPOD ipod(drives, nullptr, Path(u"none.MCD"_s));
    const TDriveDataInfo there = ipod.GetDriveDataInfo(dir.path());
    QCOMPARE(there.total, 1000);
    QCOMPARE(there.free, 400);
    QCOMPARE(there.used, 600);
    const TDriveDataInfo missing = ipod.GetDriveDataInfo(dir.path() + u"/not/there"_s);
    QCOMPARE(missing.total, 0);
    QCOMPARE(missing.free, 0);
    QCOMPARE(missing.volumeName, u"VOL"_s);
    QCOMPARE(missing.driveType, u"Removable"_s);
}

QTEST_GUILESS_MAIN(TstKiruIPOD)
#include "tst_kiruipod.moc"
