#include "platform/consolerun.h"
#include "platform/drivetable.h"
#include "platform/namesondisk.h"
#include "platform/regularfile.h"
#include "platform/system.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>

using namespace Qt::Literals::StringLiterals;

class TstPlatform : public QObject
{
    Q_OBJECT
private slots:
    void driveTypes_data();
    void driveTypes();
    void namedRoots();
    void queryMissingFolder();
    void consoleRun();
    void consoleRunLaunchFailure();
    void systemErrorText();
    void namesOnDisk_data();
    void namesOnDisk();
    void readWholeFileLimit_data();
    void readWholeFileLimit();
};

void TstPlatform::driveTypes_data()
{
    QTest::addColumn<QString>("fs");
    QTest::addColumn<QString>("type");
    QTest::addRow("nfs") << u"nfs4"_s << u"Network"_s;
    QTest::addRow("cifs") << u"cifs"_s << u"Network"_s;
    QTest::addRow("optical") << u"iso9660"_s << u"CD/DVD"_s;
    QTest::addRow("memory") << u"tmpfs"_s << u"RAMDisk"_s;
    QTest::addRow("disk") << u"ext4"_s << u"HardDisk"_s;
}

void TstPlatform::driveTypes()
{
    QFETCH(QString, fs);
    QFETCH(QString, type);
    QCOMPARE(DriveTypeForFileSystem(fs), type);
}

void TstPlatform::namedRoots()
{
    QTemporaryDir a, b;
    TSystemDriveTable named({a.path(), b.path()});
    QCOMPARE(named.Candidates(), (QStringList{a.path(), b.path()}));
    QVERIFY(named.NamedByUser());
    QVERIFY(named.Query(a.path() + u"/sub"_s).removable);
    QCOMPARE(named.Query(a.path()).typeName, u"Removable"_s);

    qputenv("SORVO_DRIVES", (a.path() + QDir::listSeparator() + b.path()).toLocal8Bit());
    TSystemDriveTable fromEnv;
    QCOMPARE(fromEnv.Candidates().size(), 2);
    TSystemDriveTable optionWins({b.path()});
    QCOMPARE(optionWins.Candidates(), QStringList{b.path()});
    qunsetenv("SORVO_DRIVES");

    QStringList many;
    for (int i = 0; i < 30; ++i)
        many << a.path() + u"/d"_s + QString::number(i);
    QCOMPARE(TSystemDriveTable(many).Candidates().size(), 23);
}

void TstPlatform::queryMissingFolder()
{
    QTemporaryDir dir;
    TSystemDriveTable table({dir.path()});
    const TDriveFacts facts = table.Query(dir.path() + u"/not/yet/made"_s);
    QVERIFY(facts.ok);
    QVERIFY(facts.totalBytes > 0); // the facts of the drive it would be on
    QCOMPARE(facts.typeName, u"Removable"_s);
}

void TstPlatform::consoleRun()
{
    QByteArray out, err;
    QCOMPARE(ConsoleRun(u"sh -c \"cat; echo oops >&2; exit 3\""_s, "hello\n", out, err), 3);
    QCOMPARE(out, QByteArray("hello\n"));
    QCOMPARE(err, QByteArray("oops\n"));
    out.clear();
    err.clear();
    QCOMPARE(ConsoleRun(u"true"_s, {}, out, err), 0);
    QVERIFY(out.isEmpty());
    // More output than a pipe holds must not block.
    QCOMPARE(ConsoleRun(u"sh -c \"head -c 300000 /dev/zero\""_s, {}, out, err), 0);
    QCOMPARE(out.size(), 300000);
}

void TstPlatform::consoleRunLaunchFailure()
{
    QByteArray out, err;
    try {
        ConsoleRun(u"/nonexistent/program --x"_s, {}, out, err);
        QFAIL("no error");
    } catch (const ELaunchFailed &e) {
        QCOMPARE(e.Message(), u"CreateProcess() failed!"_s);
    }
}

void TstPlatform::systemErrorText()
{
    QVERIFY(!SystemErrorText(ENOENT).isEmpty());
    QVERIFY(SystemErrorText(ENOENT) != SystemErrorText(EACCES));
}

void TstPlatform::namesOnDisk_data()
{
    QTest::addColumn<QStringList>("folders"); // made below the destination first
    QTest::addColumn<QString>("relative");
    QTest::addColumn<QString>("onDisk");
    QTest::addRow("as written") << QStringList{u"Artist/Album"_s} << u"Artist/Album/Song.mp3"_s
                                << u"Artist/Album/Song.mp3"_s;
    // What a case-insensitive disk shows after "Artist/Album" was entered where "artist/album" stood.
    QTest::addRow("case of the disk")
        << QStringList{u"artist/aLBUM"_s} << u"Artist/Album/Song.mp3"_s << u"artist/aLBUM/Song.mp3"_s;
    QTest::addRow("the name as written wins")
        << QStringList{u"artist"_s, u"Artist"_s} << u"Artist/Song.mp3"_s << u"Artist/Song.mp3"_s;
    QTest::addRow("normalisation of the disk")
        << QStringList{u"Cafe\u0301"_s} << u"Caf\u00e9/Song.mp3"_s << u"Cafe\u0301/Song.mp3"_s;
    QTest::addRow("missing folder as written") << QStringList{} << u"New/Song.mp3"_s << u"New/Song.mp3"_s;
    QTest::addRow("no folder") << QStringList{u"song.mp3"_s} << u"Song.mp3"_s << u"Song.mp3"_s;
}

void TstPlatform::namesOnDisk()
{
    QFETCH(QStringList, folders);
    QFETCH(QString, relative);
    QFETCH(QString, onDisk);
    QTemporaryDir dir;
    for (const QString &folder : folders)
        QVERIFY(QDir(dir.path()).mkpath(folder));
    TNamesOnDisk names(dir.path());
    QCOMPARE(names.Relative(relative), onDisk);
    QCOMPARE(names.Relative(relative), onDisk); // the second time from what the first listing found
}

void TstPlatform::readWholeFileLimit_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addColumn<qint64>("limit");
    QTest::addColumn<QString>("why"); // empty: read
    QTest::addRow("under the limit") << qint64(1000) << qint64(1) << QString();
    QTest::addRow("at the limit") << qint64(1 << 20) << qint64(1) << QString();
    QTest::addRow("a byte over") << qint64((1 << 20) + 1) << qint64(1)
                                 << u"大きすぎます。2 MB あり、読み込めるのは 1 MB までです"_s;
    // Sparse: the size without the disk space, and never read.
    QTest::addRow("2.2 GB of text") << qint64(2200) * 1000 * 1000 << qint64(-1)
                                    << u"大きすぎます。2,099 MB あり、読み込めるのは 64 MB までです"_s;
    QTest::addRow("a database far over its limit")
        << (qint64(3) << 30) << qint64(-2)
        << u"大きすぎます。3,072 MB あり、読み込めるのは 512 MB までです"_s;
}

void TstPlatform::readWholeFileLimit()
{
    QFETCH(qint64, size);
    QFETCH(qint64, limit); // in MiB; -1 the default, -2 the databases'
    QFETCH(QString, why);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"file"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(size));
    file.close();
    QByteArray bytes;
    QString reason;
    const bool read = limit == -1   ? ReadRegularFile(path, bytes, &reason)
                      : limit == -2 ? ReadRegularFile(path, bytes, &reason, kDatabaseFileLimit)
                                    : ReadRegularFile(path, bytes, &reason, limit << 20);
    QCOMPARE(reason, why);
    QCOMPARE(read, why.isEmpty());
    QCOMPARE(bytes.size(), read ? size : 0);
}

QTEST_GUILESS_MAIN(TstPlatform)
#include "tst_platform.moc"
