#include "platform/playerpaths.h"

#include "devicefixtures.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TstPlayerPaths : public QObject
{
    Q_OBJECT
private slots:
    void resolve_data();
    void resolve();
    void listingReadOncePerRun();
    void leadsOutside_data();
    void leadsOutside();
};

void TstPlayerPaths::resolve_data()
{
    QTest::addColumn<QString>("location");
    QTest::addColumn<QString>("expected"); // relative to the root; "-" for refused
    QTest::addColumn<bool>("found");
    QTest::addRow("exact") << u"iPod_Control/Music/F00/A.mp3"_s << u"iPod_Control/Music/F00/A.mp3"_s << true;
    QTest::addRow("colons") << u":iPod_Control:Music:F00:A.mp3"_s << u"iPod_Control/Music/F00/A.mp3"_s
                            << true;
    QTest::addRow("other case") << u"IPOD_CONTROL/music/f00/a.MP3"_s << u"iPod_Control/Music/F00/A.mp3"_s
                                << true;
    QTest::addRow("decomposed on disk") << u"Notes/café.txt"_s << u"Notes/cafe\u0301.txt"_s << true;
    QTest::addRow("missing keeps the rest")
        << u"ipod_control/MUSIC/F99/x.mp3"_s << u"iPod_Control/Music/F99/x.mp3"_s << false;
    QTest::addRow("dot dot refused") << u"iPod_Control/../../etc/passwd"_s << u"-"_s << false;
    QTest::addRow("link outside refused") << u"Notes/out/secret.txt"_s << u"-"_s << false;
    QTest::addRow("link inside allowed") << u"Notes/in/A.mp3"_s << u"Notes/in/A.mp3"_s << true;
}

void TstPlayerPaths::resolve()
{
    QFETCH(QString, location);
    QFETCH(QString, expected);
    QFETCH(bool, found);
    QTemporaryDir dir;
    const QString root = dir.path() + u"/player"_s;
    QVERIFY(TouchFile(root + u"/iPod_Control/Music/F00/A.mp3"_s));
    QVERIFY(TouchFile(root + u"/Notes/cafe\u0301.txt"_s));
    QVERIFY(TouchFile(dir.path() + u"/outside/secret.txt"_s));
    QVERIFY(QFile::link(dir.path() + u"/outside"_s, root + u"/Notes/out"_s));
    QVERIFY(QFile::link(root + u"/iPod_Control/Music/F00"_s, root + u"/Notes/in"_s));
    TPlayerPaths paths(root);
    const QString resolved = paths.Resolve(location);
    QCOMPARE(resolved, expected == u"-"_s ? QString() : root + u'/' + expected);
    QCOMPARE(paths.Found(), found);
}

void TstPlayerPaths::listingReadOncePerRun()
{
    QTemporaryDir dir;
    QVERIFY(TouchFile(dir.path() + u"/Music/a.mp3"_s));
    TPlayerPaths paths(dir.path());
    QVERIFY(paths.Exists(u"music/A.MP3"_s));
    QVERIFY(TouchFile(dir.path() + u"/Music/b.mp3"_s));
    QVERIFY(!paths.Exists(u"music/b.mp3"_s)); // the listing of this run is kept
    paths.Clear();
    QVERIFY(paths.Exists(u"music/b.mp3"_s));
}

void TstPlayerPaths::leadsOutside_data()
{
    QTest::addColumn<QString>("location");
    QTest::addColumn<bool>("outside");
    QTest::addRow("file linked out") << u"Music/out.mp3"_s << true;
    QTest::addRow("in a folder linked out") << u"Notes/out/secret.txt"_s << true;
    QTest::addRow("link to nothing") << u"Music/gone.mp3"_s << false;
    QTest::addRow("missing") << u"Music/none.mp3"_s << false;
    QTest::addRow("dot dot") << u"../outside/secret.txt"_s << false;
    QTest::addRow("link inside") << u"Music/in.mp3"_s << false;
}

void TstPlayerPaths::leadsOutside()
{
    QFETCH(QString, location);
    QFETCH(bool, outside);
    QTemporaryDir dir;
    const QString root = dir.path() + u"/player"_s;
    QVERIFY(TouchFile(root + u"/Music/a.mp3"_s));
    QVERIFY(TouchFile(dir.path() + u"/outside/secret.txt"_s));
    QVERIFY(QDir().mkpath(root + u"/Notes"_s));
    QVERIFY(QFile::link(dir.path() + u"/outside/secret.txt"_s, root + u"/Music/out.mp3"_s));
    QVERIFY(QFile::link(dir.path() + u"/outside"_s, root + u"/Notes/out"_s));
    QVERIFY(QFile::link(dir.path() + u"/nothing"_s, root + u"/Music/gone.mp3"_s));
    QVERIFY(QFile::link(root + u"/Music/a.mp3"_s, root + u"/Music/in.mp3"_s));
    TPlayerPaths paths(root);
    paths.Resolve(u"Music/out.mp3"_s); // a refusal before is forgotten
    const QString resolved = paths.Resolve(location);
    QCOMPARE(paths.LeadsOutside(), outside);
    if (outside)
        QCOMPARE(resolved, QString());
}

QTEST_GUILESS_MAIN(TstPlayerPaths)
#include "tst_playerpaths.moc"
