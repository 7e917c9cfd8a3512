#include "platform/safefilewriter.h"

#include "fixturefiles.h"
#include "smalldisk.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>

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

QTEST_GUILESS_MAIN(TstSafeFileWriter)
#include "tst_safefilewriter.moc"
