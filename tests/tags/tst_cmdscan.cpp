#include "audiofilewriter.h"
#include "fixturefiles.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using namespace AudioFileWriter;

/// sorvo-cli scan, run as a program.
class TstCmdScan : public QObject
{
    Q_OBJECT
private slots:
    void listsSongs();
    void missingFolderFails();
};

void TstCmdScan::listsSongs()
{
    QTemporaryDir root;
    QVERIFY(WriteFixtureFile(root.filePath(u"Media/Music/x.mp3"_s),
                             TId3v2Writer(3).Text("TIT2", 1, u"曲 X"_s).Build() + MpegAudio(32000)));
    QVERIFY(WriteFixtureFile(root.filePath(u"Media/Music/cover.jpg"_s), QByteArray(500, 'j')));
    QVERIFY(WriteFixtureFile(root.filePath(u"Media/Music/w.wma"_s),
                             WmaFile({WmaContentDescription(u"W"_s, u"A"_s, {}, {})})));

    QProcess cli;
    cli.start(QString::fromUtf8(SORVO_CLI_PATH),
              {u"--drive"_s, root.path(), u"scan"_s, u"--music-folder"_s, u"Media/Music"_s, u"--json"_s});
    QVERIFY(cli.waitForFinished());
    QCOMPARE(cli.exitCode(), 0);
    const QJsonArray songs = QJsonDocument::fromJson(cli.readAllStandardOutput()).array();
    QCOMPARE(songs.size(), 2);
    QCOMPARE(songs[0][u"location"_s].toString(), u"Media:Music:w.wma"_s);
    QCOMPARE(songs[0][u"track_id"_s].toInt(), 2);
    QCOMPARE(songs[1][u"title"_s].toString(), u"曲 X"_s);
    QCOMPARE(songs[1][u"length_ms"_s].toInt(), 2000);
}

void TstCmdScan::missingFolderFails()
{
    QTemporaryDir root;
    QProcess cli;
    cli.start(QString::fromUtf8(SORVO_CLI_PATH),
              {u"--drive"_s, root.path(), u"scan"_s, u"--music-folder"_s, u"none"_s});
    QVERIFY(cli.waitForFinished());
    QCOMPARE(cli.exitCode(), 1);
}

QTEST_GUILESS_MAIN(TstCmdScan)
#include "tst_cmdscan.moc"
