#include "fixturefiles.h"
#include "news/webfetch.h"
#include "newsfixtures.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TstWebFetch : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void prefixes_data();
    void prefixes();
    void fetch_data();
    void fetch();
    void failureKeepsOldFile();
    void agentName();
    void cancel();
    void silentServerTimesOut();
    void localFilesOnlyFeedsAndPages_data();
    void localFilesOnlyFeedsAndPages();

private:
    QString Expand(QString address) const;
    TTestWebServer FServer;
    QTemporaryDir FDir;
    quint16 FDeadPort = 0;
};

static const QByteArray kFeed = "<rss><channel><title>T</title></channel></rss>";

void TstWebFetch::initTestCase()
{
    qunsetenv("http_proxy");
    qunsetenv("https_proxy");
    qunsetenv("ALL_PROXY");
    qunsetenv("all_proxy");
    QVERIFY(FDir.isValid());
    QVERIFY(WriteFixtureFile(FDir.filePath(u"local.rdf"_s), kFeed));
    QVERIFY(WriteFixtureFile(FDir.filePath(u"secret.txt"_s), "private"));
    FServer.AddRoute("/feed", {200, kFeed, {}, true, false});
    FServer.AddRoute("/nolength", {200, kFeed, {}, false, false});
    FServer.AddRoute("/missing", {404, "<html>gone</html>", {}, true, false});
    FServer.AddRoute("/broken", {500, "oops", {}, true, false});
    FServer.AddRoute("/moved", {302, {}, "/feed", true, false});
    FServer.AddRoute("/tofile", {302, {}, "file://" + FDir.filePath(u"secret.txt"_s).toUtf8(), true, false});
    FServer.AddRoute("/loop", {302, {}, "/loop", true, false});
    FServer.AddRoute("/big", {200, QByteArray(5000, 'x'), {}, true, false});
    FServer.AddRoute("/bignolength", {200, QByteArray(5000, 'x'), {}, false, false});
    FServer.AddRoute("/silent", {200, {}, {}, true, true});
    QVERIFY(FServer.Start());
    FDeadPort = UnusedLocalPort();
}

QString TstWebFetch::Expand(QString address) const
{
    address.replace(u"{web}"_s, u"http://127.0.0.1:%1"_s.arg(FServer.Port()));
    address.replace(u"{dead}"_s, u"http://127.0.0.1:%1"_s.arg(FDeadPort));
    address.replace(u"{dir}"_s, FDir.path());
    return address;
}

void TstWebFetch::prefixes_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("web");
    QTest::addRow("http") << u"http://a/"_s << true;
    QTest::addRow("https") << u"https://a/"_s << true;
    QTest::addRow("ftp") << u"ftp://a/"_s << true;
    QTest::addRow("file") << u"file:///a"_s << true;
    QTest::addRow("capital HTTP") << u"HTTP://a/"_s << false;
    QTest::addRow("leading blank") << u" http://a/"_s << false;
    QTest::addRow("local path") << u"/home/a.rdf"_s << false;
    QTest::addRow("other scheme") << u"gopher://a/"_s << false;
}

void TstWebFetch::prefixes()
{
    QFETCH(QString, address);
    QFETCH(bool, web);
    QCOMPARE(TWebFetch::IsWebAddress(address), web);
}

void TstWebFetch::fetch_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<qint64>("maxBytes");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QByteArray>("body");
    const qint64 cap = qint64(32) * 1024 * 1024;
    QTest::addRow("200") << u"{web}/feed"_s << cap << true << kFeed;
    QTest::addRow("200 without length") << u"{web}/nolength"_s << cap << true << kFeed;
    QTest::addRow("404 fails") << u"{web}/missing"_s << cap << false << QByteArray();
    QTest::addRow("500 fails") << u"{web}/broken"_s << cap << false << QByteArray();
    QTest::addRow("redirect followed") << u"{web}/moved"_s << cap << true << kFeed;
    QTest::addRow("redirect to file refused") << u"{web}/tofile"_s << cap << false << QByteArray();
    QTest::addRow("endless redirect") << u"{web}/loop"_s << cap << false << QByteArray();
    QTest::addRow("unreachable port") << u"{dead}/feed"_s << cap << false << QByteArray();
    QTest::addRow("over the cap") << u"{web}/big"_s << qint64(4999) << false << QByteArray();
    QTest::addRow("over the cap, no length")
        << u"{web}/bignolength"_s << qint64(4999) << false << QByteArray();
    QTest::addRow("exactly the cap") << u"{web}/big"_s << qint64(5000) << true << QByteArray(5000, 'x');
    QTest::addRow("file address") << u"file://{dir}/local.rdf"_s << cap << true << kFeed;
    QTest::addRow("local path copied") << u"{dir}/local.rdf"_s << cap << true << kFeed;
    QTest::addRow("local path missing") << u"{dir}/none.rdf"_s << cap << false << QByteArray();
    QTest::addRow("local folder") << u"{dir}"_s << cap << false << QByteArray();
    QTest::addRow("capital HTTP is a local path")
        << u"HTTP://127.0.0.1/feed"_s << cap << false << QByteArray();
}

void TstWebFetch::fetch()
{
    QFETCH(QString, address);
    QFETCH(qint64, maxBytes);
    QFETCH(bool, ok);
    QFETCH(QByteArray, body);
    const QString target = FDir.filePath(u"out/%1.RDF"_s.arg(QString::fromLatin1(QTest::currentDataTag())));
    QVERIFY(QDir().mkpath(FDir.filePath(u"out"_s)));
    TWebFetch fetch;
    fetch.FMaxBytes = maxBytes;
    QCOMPARE(fetch.Fetch(Expand(address), target), ok);
    QCOMPARE(QFile::exists(target), ok);
    QCOMPARE(fetch.FError.isEmpty(), ok);
    if (ok)
        QCOMPARE(ReadFixtureFile(target), body);
}

void TstWebFetch::failureKeepsOldFile()
{
    const QString target = FDir.filePath(u"old.RDF"_s);
    QVERIFY(WriteFixtureFile(target, "previous"));
    TWebFetch fetch;
    QVERIFY(!fetch.Fetch(Expand(u"{web}/missing"_s), target));
    QCOMPARE(ReadFixtureFile(target), QByteArray("previous"));
}

void TstWebFetch::agentName()
{
    TWebFetch fetch;
    QVERIFY(fetch.Fetch(Expand(u"{web}/feed"_s), FDir.filePath(u"agent.RDF"_s)));
    QVERIFY(FServer.Requests().contains(u"/feed MyApp"_s));
}

void TstWebFetch::cancel()
{
    TWebFetch fetch;
    int calls = 0;
    fetch.FOnKeepAlive = [&calls] {
        ++calls;
        return true;
    };
    const QString target = FDir.filePath(u"cancel.RDF"_s);
    QVERIFY(!fetch.Fetch(Expand(u"{web}/feed"_s), target));
    QVERIFY(calls > 0);
    QVERIFY(!QFile::exists(target));
}

void TstWebFetch::silentServerTimesOut()
{
    TWebFetch fetch;
    fetch.FIdleTimeoutSeconds = 1;
    const QString target = FDir.filePath(u"silent.RDF"_s);
    QVERIFY(!fetch.Fetch(Expand(u"{web}/silent"_s), target));
    QVERIFY(!QFile::exists(target));
}

void TstWebFetch::localFilesOnlyFeedsAndPages_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("fileScheme");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("why"); // part of the refusal
    const QString notFeed = u"フィードでもHTMLのページでもありません"_s;
    QTest::addRow("RSS feed") << u"a.rdf"_s << kFeed << true << true << QString();
    QTest::addRow("RDF feed with declaration")
        << u"b.rdf"_s
        << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<rdf:RDF xmlns:rdf=\"r\"></rdf:RDF>")
        << true << true << QString();
    QTest::addRow("Atom feed with mark and comment")
        << u"c.xml"_s
        << QByteArray("\xEF\xBB\xBF<?xml version=\"1.0\"?>\r\n<!-- a -->\r\n<feed xmlns=\"a\"/>") << true
        << true << QString();
    QTest::addRow("HTML page") << u"d.html"_s
                               << QByteArray("<!DOCTYPE html>\n<html><body><p>x</p></body></html>") << true
                               << true << QString();
    QTest::addRow("page by local path")
        << u"e.htm"_s << QByteArray("<HTML><BODY>x</BODY></HTML>") << false << true << QString();
    QTest::addRow("account file") << u"shadow"_s << QByteArray("root:$6$salt$hash:19000:0:99999:7:::\n")
                                  << true << false << notFeed;
    QTest::addRow("plain text note") << u"memo.txt"_s << u"買い物\n"_s.toUtf8() << true << false << notFeed;
    QTest::addRow("program") << u"tool"_s
                             << QByteArray("\x7F"
                                           "ELF\x02\x01\x01\0\0\0",
                                           10)
                             << true << false << notFeed;
    QTest::addRow("other XML") << u"list.opml"_s << QByteArray("<?xml version=\"1.0\"?><opml></opml>") << true
                               << false << notFeed;
    QTest::addRow("text by local path") << u"notes"_s << QByteArray("secret\n") << false << false << notFeed;
    QTest::addRow("feed over the cap") << u"big.rdf"_s << (kFeed + QByteArray(5000, ' ')) << true << false
                                       << u"内容が 4999 バイトを超えています"_s;
}

void TstWebFetch::localFilesOnlyFeedsAndPages()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(bool, fileScheme);
    QFETCH(bool, ok);
    QFETCH(QString, why);
    QTemporaryDir dir;
    const QString source = dir.filePath(u"pc/"_s + name);
    QVERIFY(WriteFixtureFile(source, content));
    const QString feeds = dir.filePath(u"RDFData"_s);
    QVERIFY(QDir().mkpath(feeds));
    const QString address = fileScheme ? u"file://"_s + source : source;
    TWebFetch fetch;
    fetch.FMaxBytes = 4999;
    QCOMPARE(fetch.Fetch(address, feeds + u"/site.RDF"_s), ok);
    if (ok) {
        QCOMPARE(ReadFixtureFile(feeds + u"/site.RDF"_s), content);
        return;
    }
    // Refused before anything reaches the feed folder, naming the address and why.
    QCOMPARE(QDir(feeds).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{});
    QCOMPARE(fetch.FError, u"%1 を読み込みません: %2"_s.arg(address, why));
}

QTEST_GUILESS_MAIN(TstWebFetch)
#include "tst_webfetch.moc"
