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

/// sorvo-cli tags, run as a program.
class TstCmdTags : public QObject
{
    Q_OBJECT
private slots:
    void printsJson_data();
    void printsJson();
    void missingFileFails();
};

void TstCmdTags::printsJson_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QVariantMap>("expected");

    QTest::addRow("MP3 with ID3v2 and lyrics") << u"a.mp3"_s
                                               << TId3v2Writer(3)
                                                          .Text("TIT2", 1, u"曲"_s)
                                                          .Text("TPE1", 0, u"Singer"_s)
                                                          .Described("USLT", 1, "eng", {}, u"la la"_s)
                                                          .Build() +
                                                      MpegAudio(160000)
                                               << QVariantMap{{u"kind"_s, u"MPEG オーディオファイル"_s},
                                                              {u"title"_s, u"曲"_s},
                                                              {u"artist"_s, u"Singer"_s},
                                                              {u"bit_rate"_s, 128},
                                                              {u"sample_rate"_s, 44100},
                                                              {u"duration_s"_s, 10},
                                                              {u"lyrics"_s, u"la la"_s}};
    QTest::addRow("WMA") << u"b.WMA"_s
                         << WmaFile({AsfFilePropertiesObject(),
                                     WmaContentDescription(u"W"_s, u"Au"_s, {}, u"De"_s)})
                         << QVariantMap{{u"kind"_s, u"WindowsMediaAudio"_s},
                                        {u"title"_s, u"W"_s},
                                        {u"artist"_s, u"Au"_s},
                                        {u"comment"_s, u"De"_s},
                                        {u"bit_rate"_s, 64},
                                        {u"lyrics"_s, QString()}};
    TMp4Spec mp4;
    mp4.Year = u"2005"_s;
    mp4.Title = u"M"_s;
    QTest::addRow("MPEG-4") << u"c.m4a"_s << Mp4File(mp4)
                            << QVariantMap{{u"kind"_s, u"AAC オーディオファイル"_s}, {u"year"_s, u"2005"_s}};
}

void TstCmdTags::printsJson()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QVariantMap, expected);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    QVERIFY(WriteFixtureFile(path, bytes));

    QProcess cli;
    cli.start(QString::fromUtf8(SORVO_CLI_PATH), {u"tags"_s, path, u"--json"_s});
    QVERIFY(cli.waitForFinished());
    QCOMPARE(cli.exitCode(), 0);
    const QJsonArray all = QJsonDocument::fromJson(cli.readAllStandardOutput()).array();
    QCOMPARE(all.size(), 1);
    const QJsonObject o = all[0].toObject();
    QCOMPARE(o[u"file_size"_s].toInteger(), bytes.size());
    for (auto it = expected.cbegin(); it != expected.cend(); ++it)
        QCOMPARE(o[it.key()].toVariant().toString(), it.value().toString());
}

void TstCmdTags::missingFileFails()
{
    QTemporaryDir dir;
    QProcess cli;
    cli.start(QString::fromUtf8(SORVO_CLI_PATH), {u"tags"_s, dir.filePath(u"none.mp3"_s)});
    QVERIFY(cli.waitForFinished());
    QCOMPARE(cli.exitCode(), 1);
    QVERIFY(!cli.readAllStandardError().isEmpty());
}

QTEST_GUILESS_MAIN(TstCmdTags)
#include "tst_cmdtags.moc"
