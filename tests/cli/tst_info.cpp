#include "demoplayer.h"
#include "songplayer.h"

#include <QJsonArray>

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

/// sorvo-cli info on the demo player, and with no player at all.
class TstInfo : public QObject
{
    Q_OBJECT
private slots:
    void demoPlayer();
    void noPlayer();
    void songCounts();

private:
    static int Run(const QStringList &args, QByteArray &out, QByteArray &err, const QString &drivesEnv = {});
};

int TstInfo::Run(const QStringList &args, QByteArray &out, QByteArray &err, const QString &drivesEnv)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"SORVO_DRIVES"_s, drivesEnv);
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(SORVO_CLI_PATH), args);
    if (!process.waitForFinished(60000))
        return -100;
    out = process.readAllStandardOutput();
    err = process.readAllStandardError();
    return process.exitCode();
}

void TstInfo::demoPlayer()
{
    QTemporaryDir dir;
    const QString root = dir.path() + u"/DEMO"_s;
    QCOMPARE(BuildDemoPlayer(root), QString());
    QTemporaryDir other;
    QByteArray out, err;
    QCOMPARE(Run({u"info"_s, u"--drive"_s, other.path(), u"--drive"_s, root, u"--json"_s}, out, err), 0);
    const QJsonObject info = QJsonDocument::fromJson(out).object();
    QCOMPARE(info[u"kind"_s].toInt(), 5);
    QCOMPARE(info[u"name"_s].toString(), u"デモのiPod"_s);
    QCOMPARE(info[u"owner"_s].toString(), u"山田 花子"_s);
    QCOMPARE(info[u"root"_s].toString(), root + u'/');
    QCOMPARE(info[u"song_count"_s].toInt(), 30);
    QCOMPARE(info[u"entries"_s].toInt(), 33);
    QCOMPARE(info[u"generation"_s].toString(), u"第5世代"_s);
    QCOMPARE(info[u"model_code"_s].toString(), u"5G"_s);
    QCOMPARE(info[u"drive_type"_s].toString(), u"Removable"_s);
    for (const char16_t *flag : {u"has_songs", u"has_notes", u"has_contacts", u"has_calendar", u"has_photos",
                                 u"has_todo", u"has_video"})
        QVERIFY2(info[QString::fromUtf16(flag)].toBool(), qPrintable(QString::fromUtf16(flag)));

    // The environment names the drives when no option does.
    QCOMPARE(Run({u"info"_s}, out, err, root), 0);
    QVERIFY(QString::fromLocal8Bit(out).contains(u"デモのiPod"_s));
}

void TstInfo::noPlayer()
{
    QTemporaryDir empty;
    QByteArray out, err;
    QCOMPARE(Run({u"info"_s, u"--drive"_s, empty.path()}, out, err), 1);
    QCOMPARE(QString::fromLocal8Bit(err).trimmed(), u"iPodが見つかりません"_s);
}

void TstInfo::songCounts()
{
    QTemporaryDir dir;
    QVERIFY(WriteSongPlayer(dir.path(), SongCountCases()));
    QByteArray out, err;
    QCOMPARE(Run({u"info"_s, u"--drive"_s, dir.path(), u"--json"_s}, out, err), 0);
    const QJsonObject info = QJsonDocument::fromJson(out).object();
    QCOMPARE(info[u"song_count"_s].toInt(), 2); // the audio files found
    QCOMPARE(info[u"entries"_s].toInt(), 4);
    QCOMPARE(info[u"listed_songs"_s].toInt(), 3);
    // The listed songs are the rows of `songs` that are not videos.
    QCOMPARE(Run({u"songs"_s, u"--drive"_s, dir.path(), u"--json"_s}, out, err), 0);
    int notVideos = 0;
    for (const QJsonValue &row : QJsonDocument::fromJson(out).array())
        notVideos += row.toObject()[u"is_video"_s].toBool() ? 0 : 1;
    QCOMPARE(notVideos, 3);
    // The table says what each figure counts.
    QCOMPARE(Run({u"info"_s, u"--drive"_s, dir.path()}, out, err), 0);
    const QString table = QString::fromUtf8(out);
    QVERIFY2(table.contains(u"2 曲 (音楽フォルダのファイル)"_s), qPrintable(table));
    QVERIFY2(table.contains(u"3 曲 (データベースの曲、ビデオを除く)"_s), qPrintable(table));
}

QTEST_GUILESS_MAIN(TstInfo)
#include "tst_info.moc"
