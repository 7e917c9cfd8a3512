#include "platform/playerbounds.h"

#include "fixturefiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/mount.h>

using namespace Qt::Literals::StringLiterals;

/// A second mount of a folder, for as long as it lives; needs root.
class TBindMount
{
public:
    TBindMount(const QString &from, const QString &to) : FTo(QFile::encodeName(to))
    {
        FMounted =
            ::mount(QFile::encodeName(from).constData(), FTo.constData(), nullptr, MS_BIND, nullptr) == 0;
    }
    ~TBindMount()
    {
        if (FMounted)
            ::umount2(FTo.constData(), MNT_DETACH);
    }
    bool Mounted() const { return FMounted; }

private:
    QByteArray FTo;
    bool FMounted = false;
};

class TstPlayerBounds : public QObject
{
    Q_OBJECT
private slots:
    void landsInPlayer_data();
    void landsInPlayer();
    void secondMount_data();
    void secondMount();
    void noPlayer();
};

void TstPlayerBounds::landsInPlayer_data()
{
    QTest::addColumn<QString>("path"); // below the temporary folder
    QTest::addColumn<bool>("inside");
    QTest::addRow("the root") << u"iPod"_s << true;
    QTest::addRow("the root, with a slash") << u"iPod/"_s << true;
    QTest::addRow("the song database") << u"iPod/iPod_Control/iTunes/iTunesDB"_s << true;
    QTest::addRow("a folder still to be made") << u"iPod/Notes/new/deeper/x.txt"_s << true;
    QTest::addRow("another spelling") << u"out/../iPod/./Notes"_s << true;
    QTest::addRow("a link to the player") << u"toPlayer/Notes/x.png"_s << true;
    QTest::addRow("a link to the database file") << u"toDatabase"_s << true;
    QTest::addRow("a dangling link into the player") << u"toNewFile"_s << true;
    QTest::addRow("a folder beside it") << u"out/x.png"_s << false;
    QTest::addRow("a name sharing its beginning") << u"iPod2/x.png"_s << false;
    QTest::addRow("the folder above it") << u"."_s << false;
    QTest::addRow("a dangling link out") << u"toOutside"_s << false;
}

void TstPlayerBounds::landsInPlayer()
{
    QFETCH(QString, path);
    QFETCH(bool, inside);
    QTemporaryDir dir;
    const QString root = dir.filePath(u"iPod"_s);
    QVERIFY(WriteFixtureFile(root + u"/iPod_Control/iTunes/iTunesDB"_s, "mhbd"));
    QVERIFY(QDir(root).mkdir(u"Notes"_s));
    QVERIFY(QDir(dir.path()).mkdir(u"out"_s));
    QVERIFY(QDir(dir.path()).mkdir(u"iPod2"_s));
    QVERIFY(QFile::link(u"iPod"_s, dir.filePath(u"toPlayer"_s)));
    QVERIFY(QFile::link(u"iPod/iPod_Control/iTunes/iTunesDB"_s, dir.filePath(u"toDatabase"_s)));
    QVERIFY(QFile::link(u"iPod/iPod_Control/iTunes/new.png"_s, dir.filePath(u"toNewFile"_s)));
    QVERIFY(QFile::link(u"out/missing/x.png"_s, dir.filePath(u"toOutside"_s)));
    QCOMPARE(LandsInPlayer(dir.filePath(path), root), inside);
    // The root given through a link finds the same.
    QCOMPARE(LandsInPlayer(dir.filePath(path), dir.filePath(u"toPlayer"_s)), inside);
}

void TstPlayerBounds::secondMount_data()
{
    QTest::addColumn<QString>("mounted"); // what of the player is mounted a second time
    QTest::addColumn<QString>("path");    // below the second mount
    QTest::addRow("the root") << u""_s << u"iPod_Control/iTunes/iTunesDB"_s;
    QTest::addRow("the root itself") << u""_s << u""_s;
    QTest::addRow("one of its folders") << u"iPod_Control"_s << u"iTunes/new.png"_s;
}

void TstPlayerBounds::secondMount()
{
    QFETCH(QString, mounted);
    QFETCH(QString, path);
    QTemporaryDir dir;
    const QString root = dir.filePath(u"iPod"_s);
    QVERIFY(WriteFixtureFile(root + u"/iPod_Control/iTunes/iTunesDB"_s, "mhbd"));
    const QString second = dir.filePath(u"second"_s);
    QVERIFY(QDir().mkpath(second));
    TBindMount bind(root + u'/' + mounted, second);
    if (!bind.Mounted())
        QSKIP("a second mount needs root");
    QVERIFY(LandsInPlayer(second + u'/' + path, root));
    QVERIFY(!LandsInPlayer(dir.filePath(u"elsewhere/x"_s), root));
}

void TstPlayerBounds::noPlayer()
{
    QTemporaryDir dir;
    QVERIFY(!LandsInPlayer(dir.filePath(u"x"_s), QString()));
    // A player whose root is gone is still recognised by its path.
    QVERIFY(LandsInPlayer(dir.filePath(u"gone/Notes/x"_s), dir.filePath(u"gone"_s)));
}

QTEST_GUILESS_MAIN(TstPlayerBounds)
#include "tst_playerbounds.moc"
