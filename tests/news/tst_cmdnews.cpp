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
    void siteNames_data();
    void siteNames();
    void addressesComeBackAsEntered();
    void downloadFailuresTold();
    void downloadTellsLostCharacters();
    void foreignSettingsFileLeftAlone();
    void concurrentAddsAllKept();
    void utf8SettingsWithMark();

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

void TstCmdNews::siteNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("stored");
    QTest::addRow("Japanese") << u"日本のニュース"_s << true;
    QTest::addRow("Korean") << u"한국 뉴스"_s << false;
    QTest::addRow("emoji") << u"ニュース🎵"_s << false;
    QTest::addRow("semicolon") << u"a;b"_s << false;
}

void TstCmdNews::siteNames()
{
    // A name the settings line cannot hold is refused at once, not stored as "?".
    QFETCH(QString, name);
    QFETCH(bool, stored);
    QByteArray err;
    QCOMPARE(Cli({u"add"_s, name, u"http://t/"_s}, nullptr, &err), stored ? 0 : 1);
    QCOMPARE(Names().contains(name), stored);
    if (!stored) {
        QVERIFY2(QString::fromUtf8(err).contains(u"保存できません"_s), err.constData());
        QCOMPARE(Names().size(), 5);
    } else {
        QCOMPARE(Cli({u"tick"_s, name}), 0);
        QVERIFY(Names().contains(name + u'+'));
    }
}

void TstCmdNews::addressesComeBackAsEntered()
{
    const QStringList addresses{u"http://a/feed?x=1;y=2"_s, u"http://例え.jp/ニュース.rdf"_s,
                                u"http://b/%E3%81%82;100%"_s};
    for (int i = 0; i < addresses.size(); ++i)
        QCOMPARE(Cli({u"add"_s, u"S%1"_s.arg(i), addresses[i]}), 0);
    QByteArray out;
    QCOMPARE(Cli({u"list"_s, u"--json"_s}, &out), 0);
    const QJsonArray rows = QJsonDocument::fromJson(out).array();
    QCOMPARE(rows.size(), 5 + addresses.size());
    for (int i = 0; i < addresses.size(); ++i)
        QCOMPARE(rows[5 + i][u"address"_s].toString(), addresses[i]);
}

void TstCmdNews::downloadFailuresTold()
{
    const QString root = FDir->filePath(u"player/"_s);
    QVERIFY(TouchFile(root + u"iPod_Control/iTunes/iTunesDB"_s));
    QVERIFY(QDir().mkpath(root + u"Notes"_s));
    const QString feed = FDir->filePath(u"feed.rdf"_s);
    QVERIFY(WriteFixtureFile(feed,
                             "<rss><channel><title>t</title></channel><item><title>x</title></item></rss>"));
    {
        TKiruIPodINI settings(FSettings);
        settings.FSiteList = {u"Local;%1;Not Updated;1;"_s.arg(feed),
                              u"Missing;%1;Not Updated;1;"_s.arg(FDir->filePath(u"none.rdf"_s))};
        settings.Save();
    }
    QByteArray out, err;
    QCOMPARE(Cli({u"download"_s, u"--drive"_s, root}, &out, &err), 1);
    QVERIFY2(QString::fromUtf8(err).contains(u"[ Missing ]を取得できませんでした"_s), err.constData());
    QVERIFY(QFileInfo::exists(root + u"Notes/RSS News/Local.txt"_s)); // the other site still arrives
    TKiruIPodINI settings(FSettings);
    QVERIFY(settings.FSiteList.value(1).contains(u";Not Updated;"_s));
}

void TstCmdNews::downloadTellsLostCharacters()
{
    const QString root = FDir->filePath(u"player/"_s);
    QVERIFY(TouchFile(root + u"iPod_Control/iTunes/iTunesDB"_s));
    QVERIFY(QDir().mkpath(root + u"Notes"_s));
    const QString feed = FDir->filePath(u"feed.rdf"_s);
    QVERIFY(
        WriteFixtureFile(feed, u"<?xml version=\"1.0\" encoding=\"utf-8\"?><rss><channel><title>Café</title>"
                               u"</channel><item><title>한국</title></item></rss>"_s.toUtf8()));
    {
        TKiruIPodINI settings(FSettings);
        settings.FSiteList = {u"Local;%1;Not Updated;1;"_s.arg(feed)};
        settings.Save();
    }
    QByteArray out, err;
    QCOMPARE(Cli({u"download"_s, u"--drive"_s, root}, &out, &err), 0);
    QVERIFY2(QString::fromUtf8(err).contains(
                 u"[ Local ] の次の文字はShift-JISにないため「?」に置き換えました: é 한 국\n"_s),
             err.constData());
    QVERIFY(ShiftJisToUnicode(ReadFixtureFile(root + u"Notes/RSS News/Local.txt"_s)).contains(u"Caf?"_s));
}

void TstCmdNews::foreignSettingsFileLeftAlone()
{
    const QByteArray photo = QByteArray("\xFF\xD8\xFF\xE0", 4) + QByteArray(2000, '\0');
    QVERIFY(WriteFixtureFile(FSettings, photo));
    QByteArray err;
    QCOMPARE(Cli({u"add"_s, u"T"_s, u"http://t/"_s}, nullptr, &err), 1);
    QVERIFY2(QString::fromUtf8(err).count(u"設定ファイルではありません"_s) == 1,
             err.constData());     // said once
    QCOMPARE(Cli({u"list"_s}), 0); // runs on defaults
    QVERIFY(ReadFixtureFile(FSettings) == photo);
}

void TstCmdNews::concurrentAddsAllKept()
{
    // Ten runs at once on one settings file: every site they added is kept.
    QCOMPARE(Cli({u"add"_s, u"first"_s, u"http://t/0"_s}), 0);
    std::vector<std::unique_ptr<QProcess>> runs;
    for (int i = 1; i <= 10; ++i) {
        runs.push_back(std::make_unique<QProcess>());
        runs.back()->start(QStringLiteral(SORVO_CLI_PATH), {u"--settings"_s, FSettings, u"news"_s, u"add"_s,
                                                            u"site%1"_s.arg(i), u"http://t/%1"_s.arg(i)});
    }
    for (const auto &run : runs) {
        QVERIFY(run->waitForFinished(60000));
        QCOMPARE(run->exitCode(), 0);
    }
    QStringList names = Names();
    names.sort();
    QStringList expected{u"first"_s};
    for (int i = 1; i <= 10; ++i)
        expected << u"site%1"_s.arg(i);
    for (const QString &n : TKiruIPodINI::DefaultSiteList())
        expected << n.section(u';', 0, 0) + u"+"_s;
    expected.sort();
    QCOMPARE(names, expected);
}

void TstCmdNews::utf8SettingsWithMark()
{
    QVERIFY(WriteFixtureFile(FSettings, QByteArray("\xEF\xBB\xBF[RSSURLData]\r\nCount=0\r\nNo.0=") +
                                            u"日本語;http://j/;Not Updated;1;\r\n"_s.toUtf8()));
    QCOMPARE(Names(), QStringList{u"日本語+"_s});
}

QTEST_GUILESS_MAIN(TstCmdNews)
#include "tst_cmdnews.moc"
