#include "platform/safefilewriter.h"

#include "fixturefiles.h"
#include "smalldisk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

enum TStanding
{
    sLinkToFile,
    sDanglingLink,
    sLinkToLink,
    sLinkLoop,
    sReadFifo,
    sUnreadFifo,
    sDevNull,
    sDevFull,
    sFolder,
    sSocket,
};

mode_t FileType(const QString &path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? (st.st_mode & S_IFMT) : 0;
}

} // namespace

using namespace Qt::Literals::StringLiterals;

class TstSafeFileWriter : public QObject
{
    Q_OBJECT
private slots:
    void failedWriteKeepsOldFile_data();
    void failedWriteKeepsOldFile();
    void fullDiskKeepsOldFile_data();
    void fullDiskKeepsOldFile();
    void noReplace_data();
    void noReplace();
    void readOnlyFileNotReplaced();
    void discardLeavesNothing();
    void whatStandsAtThePath_data();
    void whatStandsAtThePath();
    void nonFileAppearsBeforeCommit();
};

void TstSafeFileWriter::failedWriteKeepsOldFile_data()
{
    QTest::addColumn<bool>("oldFile");
    QTest::addColumn<qint64>("failAfter");
    QTest::addRow("replace, first byte fails") << true << qint64(0);
    QTest::addRow("replace, fails midway") << true << qint64(5000);
    QTest::addRow("new file, fails midway") << false << qint64(5000);
}

void TstSafeFileWriter::failedWriteKeepsOldFile()
{
    QFETCH(bool, oldFile);
    QFETCH(qint64, failAfter);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"note.txt"_s);
    if (oldFile)
        QVERIFY(WriteFixtureFile(path, "old text"));
    QString error;
    {
        TWriteFailure failure(failAfter);
        QVERIFY(!SaveFileSafely(path, QByteArray(20000, 'n'), &error));
    }
    QVERIFY(!error.isEmpty());
    QCOMPARE(FolderEntries(dir.path()), oldFile ? QStringList{u"note.txt"_s} : QStringList{});
    if (oldFile)
        QCOMPARE(ReadFixtureFile(path), QByteArray("old text"));
    // The seam is off again: the same write now succeeds.
    QVERIFY(SaveFileSafely(path, "new text"));
    QCOMPARE(ReadFixtureFile(path), QByteArray("new text"));
}

void TstSafeFileWriter::fullDiskKeepsOldFile_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addRow("larger than the free space") << qint64(256 * 1024);
    QTest::addRow("one block more than is free") << qint64(8192);
}

void TstSafeFileWriter::fullDiskKeepsOldFile()
{
    QFETCH(qint64, size);
    TSmallDisk disk(512 * 1024);
    if (!disk.Mounted())
        QSKIP("a small file system can only be mounted by root");
    const QString path = disk.FilePath(u"Velmor.INI"_s);
    QVERIFY(WriteFixtureFile(path, "[SongCopy]\r\nAddTrackNo=1\r\n"));
    disk.Fill(size / 2);
    TSafeFileWriter writer(path);
    QVERIFY(writer.Open());
    const bool written = writer.Write(QByteArray(size, 'x')) && writer.Commit();
    QVERIFY(!written);
    QCOMPARE(writer.Error(), ENOSPC);
    QCOMPARE(ReadFixtureFile(path), QByteArray("[SongCopy]\r\nAddTrackNo=1\r\n"));
    QCOMPARE(FolderEntries(disk.Path()), (QStringList{u"Velmor.INI"_s, u"filler"_s}));
}

void TstSafeFileWriter::noReplace_data()
{
    QTest::addColumn<bool>("takenBefore");
    QTest::addRow("taken before the open") << true;
    QTest::addRow("taken between open and commit") << false;
}

void TstSafeFileWriter::noReplace()
{
    QFETCH(bool, takenBefore);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"song.mp3"_s);
    if (takenBefore)
        QVERIFY(WriteFixtureFile(path, "first"));
    TSafeFileWriter writer(path, TSafeFileWriter::cmNoReplace);
    if (writer.Open()) {
        QVERIFY(!takenBefore);
        QVERIFY(writer.Write("second"));
        QVERIFY(WriteFixtureFile(path, "first")); // another run took the name meanwhile
        QVERIFY(!writer.Commit());
    }
    QCOMPARE(writer.Error(), EEXIST);
    QCOMPARE(ReadFixtureFile(path), QByteArray("first"));
    QCOMPARE(FolderEntries(dir.path()), QStringList{u"song.mp3"_s});
}

void TstSafeFileWriter::readOnlyFileNotReplaced()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Velmor.INI"_s);
    QVERIFY(WriteFixtureFile(path, "kept"));
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadUser));
    QString error;
    QVERIFY(!SaveFileSafely(path, "replaced", &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(ReadFixtureFile(path), QByteArray("kept"));
    QCOMPARE(FolderEntries(dir.path()), QStringList{u"Velmor.INI"_s});
}

void TstSafeFileWriter::discardLeavesNothing()
{
    QTemporaryDir dir;
    {
        TSafeFileWriter writer(dir.filePath(u"a.jpg"_s), TSafeFileWriter::cmNoReplace);
        QVERIFY(writer.Open());
        QVERIFY(writer.Write("half"));
        QCOMPARE(FolderEntries(dir.path()).size(), 1); // the temporary file, not the final name
        QVERIFY(!FolderEntries(dir.path()).contains(u"a.jpg"_s));
    }
    QCOMPARE(FolderEntries(dir.path()), QStringList{});
}

void TstSafeFileWriter::whatStandsAtThePath_data()
{
    QTest::addColumn<int>("standing");
    QTest::addColumn<bool>("written");
    QTest::addColumn<int>("error");
    QTest::addRow("link to a file: its target is written") << int(sLinkToFile) << true << 0;
    QTest::addRow("dangling link: its target is made") << int(sDanglingLink) << true << 0;
    QTest::addRow("link to a link") << int(sLinkToLink) << true << 0;
    QTest::addRow("link loop") << int(sLinkLoop) << false << int(ELOOP);
    QTest::addRow("FIFO with a reader: written through") << int(sReadFifo) << true << 0;
    QTest::addRow("FIFO nobody reads: refused at once") << int(sUnreadFifo) << false << int(ENXIO);
    QTest::addRow("/dev/null stays a device") << int(sDevNull) << true << 0;
    QTest::addRow("/dev/full: the failure is reported") << int(sDevFull) << false << int(ENOSPC);
    QTest::addRow("folder") << int(sFolder) << false << int(EISDIR);
    QTest::addRow("socket") << int(sSocket) << false << int(EINVAL);
}

void TstSafeFileWriter::whatStandsAtThePath()
{
    QFETCH(int, standing);
    QFETCH(bool, written);
    QFETCH(int, error);
    QTemporaryDir dir;
    QString path = dir.filePath(u"out.log"_s);
    const QString target = dir.filePath(u"target.log"_s);
    int reader = -1;
    int sock = -1;
    switch (TStanding(standing)) {
    case sLinkToFile:
        QVERIFY(WriteFixtureFile(target, "old"));
        QVERIFY(QFile::link(u"target.log"_s, path));
        break;
    case sDanglingLink:
        QVERIFY(QFile::link(u"target.log"_s, path));
        break;
    case sLinkToLink:
        QVERIFY(WriteFixtureFile(target, "old"));
        QVERIFY(QFile::link(u"target.log"_s, dir.filePath(u"middle"_s)));
        QVERIFY(QFile::link(u"middle"_s, path));
        break;
    case sLinkLoop:
        QVERIFY(QFile::link(u"out.log"_s, path));
        break;
    case sReadFifo:
    case sUnreadFifo:
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        if (standing == sReadFifo)
            reader = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK);
        break;
    case sDevNull:
        path = u"/dev/null"_s;
        break;
    case sDevFull:
        if (!QFile::exists(u"/dev/full"_s))
            QSKIP("no /dev/full here");
        path = u"/dev/full"_s;
        break;
    case sFolder:
        QVERIFY(QDir(dir.path()).mkdir(u"out.log"_s));
        break;
    case sSocket: {
        sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray name = QFile::encodeName(path);
        QVERIFY(size_t(name.size()) < sizeof(address.sun_path));
        qstrcpy(address.sun_path, name.constData());
        QCOMPARE(::bind(sock, reinterpret_cast<sockaddr *>(&address), sizeof(address)), 0);
        break;
    }
    }
    const mode_t typeBefore = FileType(path);
    TSafeFileWriter writer(path);
    const bool ok = writer.Open() && writer.Write("new") && writer.Commit();
    QCOMPARE(ok, written);
    QCOMPARE(writer.Error(), error);
    if (!ok)
        QVERIFY(!writer.ErrorString().isEmpty());
    // Whatever stood at the path is still of its kind: a link is not replaced by a file, nor a device.
    QCOMPARE(FileType(path), typeBefore);
    if (standing == sLinkToFile || standing == sDanglingLink || standing == sLinkToLink)
        QCOMPARE(ReadFixtureFile(target), QByteArray("new"));
    if (reader >= 0) {
        char buffer[8] = {};
        QCOMPARE(::read(reader, buffer, sizeof(buffer)), ssize_t(3));
        QCOMPARE(QByteArray(buffer, 3), QByteArray("new"));
        ::close(reader);
    }
    if (sock >= 0)
        ::close(sock);
    // No temporary file left behind.
    for (const QString &name : FolderEntries(dir.path()))
        QVERIFY2(!name.startsWith(u".sorvo-"_s), qPrintable(name));
}

void TstSafeFileWriter::nonFileAppearsBeforeCommit()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"out.log"_s);
    QVERIFY(WriteFixtureFile(path, "old"));
    TSafeFileWriter writer(path);
    QVERIFY(writer.Open());
    QVERIFY(writer.Write("new"));
    QVERIFY(QFile::remove(path));
    QVERIFY(QDir(dir.path()).mkdir(u"out.log"_s));
    QVERIFY(!writer.Commit());
    QCOMPARE(writer.Error(), EISDIR);
    QVERIFY(QFileInfo(path).isDir());
    QCOMPARE(FolderEntries(dir.path()), QStringList{u"out.log"_s});
}

QTEST_GUILESS_MAIN(TstSafeFileWriter)
#include "tst_safefilewriter.moc"
