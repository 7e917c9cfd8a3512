#include "app/settings.h"
#include "common/japanese.h"
#include "devicefixtures.h"
#include "fixturefiles.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

/// sorvo-cli news against a settings file and a player folder in a temporary folder.
class TstCmdNews : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void editList_data();
    void editList();
    void download();
    void usage_data();
    void usage();

private:
    int Cli(const QStringList &args, QByteArray *out = nullptr, QByteArray *err = nullptr);
    QStringList Names();
    std::unique_ptr<QTemporaryDir> FDir;
    QString FSettings;
};

void TstCmdNews::init()
{
    FDir = std::make_unique<QTemporaryDir>();
    FSettings = FDir->filePath(u"Velmor.INI"_s);
}

int TstCmdNews::Cli(const QStringList &args, QByteArray *out, QByteArray *err)
{
    QProcess process;
    process.start(QStringLiteral(SORVO_CLI_PATH), QStringList{u"--settings"_s, FSettings, u"news"_s} + args);
    if (!process.waitForFinished(60000))
        return -1;
    if (out)
        *out = process.readAllStandardOutput();
    if (err)
        *err = process.readAllStandardError();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

QStringList TstCmdNews::Names()
{
    QByteArray out;
    if (Cli({u"list"_s, u"--json"_s}, &out) != 0)
        return {u"<failed>"_s};
    QStringList names;
    for (const QJsonValue &row : QJsonDocument::fromJson(out).array())
        names << row[u"name"_s].toString() + (row[u"ticked"_s].toBool() ? u"+"_s : u""_s);
    return names;
}

void TstCmdNews::editList_data()
{
    QTest::addColumn<QList<QStringList>>("commands");
    QTest::addColumn<QStringList>("names");
    const QStringList defaults{u"日経デジタルARENA+"_s, u"朝日新聞+"_s, u"MYCOM PCWEB+"_s, u"日経BP+"_s,
                               u"AllAboutJapan+"_s};
    QTest::addRow("defaults") << QList<QStringList>{} << defaults;
    QTest::addRow("add is unticked") << QList<QStringList>{{u"add"_s, u"テスト"_s, u"http://t/"_s}}
                                     << (QStringList(defaults) << u"テスト"_s);
    QTest::addRow("add then tick") << QList<QStringList>{{u"add"_s, u"T"_s, u"/tmp/t.rdf"_s},
                                                         {u"tick"_s, u"T"_s}}
                                   << (QStringList(defaults) << u"T+"_s);
    QTest::addRow("untick") << QList<QStringList>{{u"untick"_s, u"朝日新聞"_s}}
                            << QStringList{u"日経デジタルARENA+"_s, u"朝日新聞"_s, u"MYCOM PCWEB+"_s,
                                           u"日経BP+"_s, u"AllAboutJapan+"_s};
    QTest::addRow("remove with --yes")
        << QList<QStringList>{{u"--yes"_s, u"remove"_s, u"日経BP"_s}}
        << QStringList{u"日経デジタルARENA+"_s, u"朝日新聞+"_s, u"MYCOM PCWEB+"_s, u"AllAboutJapan+"_s};
    QTest::addRow("remove unanswered keeps") << QList<QStringList>{{u"remove"_s, u"日経BP"_s}} << defaults;
}

void TstCmdNews::editList()
{
    QFETCH(QList<QStringList>, commands);
    QFETCH(QStringList, names);
    for (const QStringList &command : commands)
        Cli(command);
    QCOMPARE(Names(), names);
}

void TstCmdNews::download()
{
    const QString root = FDir->filePath(u"player/"_s);
    QVERIFY(TouchFile(root + u"iPod_Control/iTunes/iTunesDB"_s));
    QVERIFY(QDir().mkpath(root + u"Notes"_s));
    const QString feed = FDir->filePath(u"feed.rdf"_s);
    QVERIFY(WriteFixtureFile(
        feed, u"<?xml version=\"1.0\" encoding=\"utf-8\"?><rss><channel><title>ローカル</title>"
              u"</channel><item><title>記事</title></item></rss>"_s.toUtf8()));
    {
        TKiruIPodINI settings(FSettings);
        settings.FSiteList = {u"Local;%1;Not Updated;1;"_s.arg(feed), u"Off;%1;Not Updated;0;"_s.arg(feed)};
        settings.Save();
    }
    QByteArray out, err;
    QCOMPARE(Cli({u"download"_s, u"--drive"_s, root}, &out, &err), 0);
    const QString note = root + u"Notes/RSS News/Local.txt"_s;
    QVERIFY2(QString::fromLocal8Bit(out).contains(QDir::toNativeSeparators(note)), out.constData());
    QVERIFY(ShiftJisToUnicode(ReadFixtureFile(note)).contains(u"【記事】"_s));
    TKiruIPodINI settings(FSettings);
    QVERIFY(settings.FSiteList.value(0).startsWith(u"Local;%1;20"_s.arg(feed)));
    QCOMPARE(settings.FSiteList.value(1), u"Off;%1;Not Updated;0;"_s.arg(feed));
}

void TstCmdNews::usage_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addRow("no action") << QStringList{} << 2;
    QTest::addRow("unknown action") << QStringList{u"frob"_s} << 2;
    QTest::addRow("add without address") << QStringList{u"add"_s, u"x"_s} << 2;
    QTest::addRow("unknown site") << QStringList{u"tick"_s, u"nobody"_s} << 1;
    QTest::addRow("unknown option") << QStringList{u"list"_s, u"--frob"_s} << 2;
    QTest::addRow("no player") << QStringList{u"download"_s, u"--drive"_s, u"/nonexistent-sorvo"_s} << 1;
}

void TstCmdNews::usage()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QByteArray err;
    QCOMPARE(Cli(args, nullptr, &err), exitCode);
    QVERIFY(!err.isEmpty());
}

QTEST_GUILESS_MAIN(TstCmdNews)
#include "tst_cmdnews.moc"
