#include "device/mplayerchecker.h"
#include "device/sysinfo.h"
#include "fakedrivetable.h"
#include "platform/drivetable.h"

#include "devicefixtures.h"
#include "fixturefiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

using namespace Qt::Literals::StringLiterals;

class TstMPlayerChecker : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void sysInfoText_data();
    void sysInfoText();
    void kinds_data();
    void kinds();
    void fixedDiskIsNoPlayer();
    void models_data();
    void models();
    void sysInfoLines();
    void deviceInfo_data();
    void deviceInfo();
    void songScan();
    void otherLetterCases();
    void compressedSongDatabase_data();
    void compressedSongDatabase();
    void clearResets();

private:
    QString Root() const { return FDir->path() + u"/player"_s; }
    QString ModelFile() const { return FDir->path() + u"/Velmor.MCD"_s; }
    std::unique_ptr<QTemporaryDir> FDir;
    TFakeDriveTable FDrives;
};

void TstMPlayerChecker::init()
{
    FDir = std::make_unique<QTemporaryDir>();
    FDrives = TFakeDriveTable();
    FDrives.Add(Root(), true, u"IPOD"_s, 30LL << 30, 10LL << 30);
    QVERIFY(WriteFixtureFile(ModelFile(), "[iPod]\r\nA002=5G,iPod video 30GB,iPod video,5th,30GB,\r\n"
                                          "A005=nano,iPod nano 2GB,nano,1st,2GB,\r\n"
                                          "A123=photo,iPod photo,iPod photo,4th,20GB,\r\n"
                                          "9724=shuffle,iPod shuffle,iPod shuffle,1st,512MB,\r\n"));
}

void TstMPlayerChecker::kinds_data()
{
    QTest::addColumn<QStringList>("markers");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("music");
    QTest::addColumn<QString>("notes");
    QTest::addColumn<QString>("name");
    QTest::addRow("ipod without sysinfo") << QStringList{u"iPod_Control/iTunes/iTunesDB"_s} << 1
                                          << u"iPod_Control/Music/"_s << u"Notes/"_s << u"IPOD"_s;
    QTest::addRow("ipod wins over h10") << QStringList{u"System/H10.mi4"_s, u"iPod_Control/iTunes/iTunesDB"_s}
                                        << 1 << u"iPod_Control/Music/"_s << u"Notes/"_s << u"IPOD"_s;
    QTest::addRow("h10") << QStringList{u"System/H10.mi4"_s} << 6 << u"Media/Music/"_s << u"Media/Text/"_s
                         << u"H10 Unknown"_s;
    QTest::addRow("rio unite") << QStringList{u"SETTINGS.DAT"_s} << 10 << u""_s << u"I-TEXT/"_s
                               << u"RioUnite Unknown"_s;
    QTest::addRow("iaudio") << QStringList{u"System/LOGO.ILB"_s} << 11 << u"MUSIC/"_s << u"TEXTFILE/"_s
                            << u"iAudio Unknown"_s;
    QTest::addRow("nothing") << QStringList{u"iPod_Control/iTunes/other"_s} << 0 << u""_s << u""_s << u""_s;
}

void TstMPlayerChecker::kinds()
{
    QFETCH(QStringList, markers);
    QFETCH(int, kind);
    QFETCH(QString, music);
    QFETCH(QString, notes);
    QFETCH(QString, name);
    for (const QString &m : markers)
        QVERIFY(TouchFile(Root() + u'/' + m));
    TMPlayerChecker checker(FDrives, ModelFile());
    QCOMPARE(checker.CheckPlayer(Root()), kind != 0);
    QCOMPARE(int(checker.FInfo.FKind), kind);
    QCOMPARE(checker.FInfo.FRoot, Root() + u'/'); // set whatever the result
    if (kind == 0)
        return;
    QCOMPARE(checker.FInfo.FMusicDir, Root() + u'/' + music);
    QCOMPARE(checker.FInfo.FNotesDir, Root() + u'/' + notes);
    QCOMPARE(checker.FInfo.FName, name);
    QVERIFY(checker.FInfo.FHasSongs && checker.FInfo.FHasNotes);
    QCOMPARE(checker.FInfo.FHasContacts, kind == 1);
    QCOMPARE(checker.FInfo.FHasTodo, kind == 1);
    QVERIFY(!checker.FInfo.FHasPhotos);
    QCOMPARE(checker.FInfo.FTotalBytes, 30LL << 30);
    QCOMPARE(checker.FInfo.FFreeBytes, 10LL << 30);
    if (kind == 1) {
        QCOMPARE(checker.FInfo.FKindName, u"不明なiPod"_s);
        QCOMPARE(checker.FInfo.FModelCode, u"unknown"_s);
        QCOMPARE(checker.FInfo.FSongDBFile, Root() + u"/iPod_Control/iTunes/iTunesDB"_s);
    } else {
        QCOMPARE(checker.FInfo.FSerial, u"?"_s);
        QVERIFY(checker.FInfo.FSongDBFile.isEmpty());
    }
    // The window watches the marker that identified the player's kind, and only that one.
    QVERIFY(PlayerStillPresent(checker.FInfo));
    QVERIFY(QFile::remove(Root() + u'/' + markers.last()));
    QVERIFY(!PlayerStillPresent(checker.FInfo));
}

void TstMPlayerChecker::fixedDiskIsNoPlayer()
{
    TFakeDriveTable fixed;
    fixed.Add(Root(), false);
    QVERIFY(TouchFile(Root() + u"/iPod_Control/iTunes/iTunesDB"_s));
    TMPlayerChecker checker(fixed, ModelFile());
    QVERIFY(!checker.CheckPlayer(Root()));
    QVERIFY(checker.FInfo.FRoot.isEmpty()); // nothing changed
}

void TstMPlayerChecker::models_data()
{
    QTest::addColumn<QString>("modelNumStr");
    QTest::addColumn<bool>("photoDb");
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("photos");
    QTest::addColumn<bool>("video");
    QTest::addColumn<QString>("capacity");
    QTest::addRow("video") << u"xA002"_s << false << 5 << true << true << u"30GB"_s;
    QTest::addRow("nano") << u"MA005"_s << false << 4 << true << false << u"2GB"_s;
    QTest::addRow("photo") << u"xA123"_s << false << 3 << true << false << u"20GB"_s;
    QTest::addRow("shuffle") << u"M9724"_s << true << 2 << false << false << u"512MB"_s;
    QTest::addRow("unknown model without photo db")
        << u"xZZZZ"_s << false << 1 << false << false << u"不明な容量"_s;
    QTest::addRow("unknown model with photo db")
        << u"xZZZZ"_s << true << 1 << true << false << u"不明な容量"_s;
}

void TstMPlayerChecker::models()
{
    QFETCH(QString, modelNumStr);
    QFETCH(bool, photoDb);
    QFETCH(int, kind);
    QFETCH(bool, photos);
    QFETCH(bool, video);
    QFETCH(QString, capacity);
    QVERIFY(TouchFile(Root() + u"/iPod_Control/iTunes/iTunesDB"_s));
    if (photoDb)
        QVERIFY(TouchFile(Root() + u"/Photos/Photo DataBase"_s));
    QVERIFY(WriteSysInfo(Root(), modelNumStr));
    TMPlayerChecker checker(FDrives, ModelFile());
    QVERIFY(checker.CheckPlayer(Root()));
    QCOMPARE(int(checker.FInfo.FKind), kind);
    QCOMPARE(checker.FInfo.FHasPhotos, photos);
    QCOMPARE(checker.FInfo.FHasVideo, video);
    QCOMPARE(checker.FInfo.FCapacity, capacity);
    QCOMPARE(checker.FInfo.FModelNumber, modelNumStr);
    QCOMPARE(checker.FInfo.FSerial, u"8K1234"_s);
    QCOMPARE(checker.FInfo.FRegion, u"LL(0x0001)"_s);
    QCOMPARE(checker.FInfo.FSoftware, u"0x06128000 (6.1.2)"_s);
    QVERIFY(checker.FInfo.FOwner.isEmpty());
}

void TstMPlayerChecker::sysInfoLines()
{
    QVERIFY(TouchFile(Root() + u"/iPod_Control/iTunes/iTunesDB"_s));
    // The key is the model number without its first letter; a line without a colon is ignored.
    QVERIFY(WriteFixtureFile(Root() + u"/iPod_Control/Device/SysInfo"_s,
                             "garbage line\nModelNumStr:   xA123  \nvisibleBuildID: 0x1\n"));
    TMPlayerChecker checker(FDrives, ModelFile());
    QVERIFY(checker.CheckPlayer(Root()));
    QCOMPARE(checker.FInfo.FModelKey, u"A123"_s);
    QCOMPARE(checker.FInfo.FModelCode, u"photo"_s);
    QCOMPARE(checker.FInfo.FGeneration, u"4th"_s);
    QCOMPARE(checker.FInfo.FKindName, u"iPod photo"_s);

    TMPlayerChecker noModels(FDrives, FDir->path() + u"/missing.MCD"_s);
    QVERIFY(noModels.CheckPlayer(Root()));
    QCOMPARE(noModels.FInfo.FModelCode, u"4G"_s);
    QCOMPARE(noModels.FInfo.FKindName, u"不明な種類"_s);
    QCOMPARE(noModels.FInfo.FGeneration, u"不明な世代"_s);
    QCOMPARE(int(noModels.FInfo.FKind), 1);
}

void TstMPlayerChecker::deviceInfo_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("owner");
    QTest::addRow("name and owner") << DeviceInfoBytes({u"Player"_s, u"山田"_s}) << u"Player"_s << u"山田"_s;
    QTest::addRow("short file") << QByteArray("\x06\x00P\x00l\x00", 6) << u"Pl"_s << u""_s;
    QTest::addRow("empty file") << QByteArray() << u""_s << u""_s;
    QByteArray huge = DeviceInfoBytes({QString(300, u'x')});
    qToLittleEndian<quint16>(300, huge.data());
    QTest::addRow("count above 255") << huge << QString(255, u'x') << u""_s;
}

void TstMPlayerChecker::deviceInfo()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, name);
    QFETCH(QString, owner);
    QVERIFY(TouchFile(Root() + u"/iPod_Control/iTunes/iTunesDB"_s));
    QVERIFY(WriteSysInfo(Root(), u"xA002"_s));
    QVERIFY(WriteFixtureFile(Root() + u"/iPod_Control/iTunes/DeviceInfo"_s, bytes));
    TMPlayerChecker checker(FDrives, ModelFile());
    QVERIFY(checker.CheckPlayer(Root()));
    QCOMPARE(checker.FInfo.FName, name);
    QCOMPARE(checker.FInfo.FOwner, owner);
}

void TstMPlayerChecker::songScan()
{
    QVERIFY(TouchFile(Root() + u"/iPod_Control/iTunes/iTunesDB"_s));
    QVERIFY(TouchFile(Root() + u"/iPod_Control/Music/F00/song.MP3"_s, 100));
    QVERIFY(TouchFile(Root() + u"/iPod_Control/Music/F01/song.m4p"_s, 50));
    QVERIFY(TouchFile(Root() + u"/iPod_Control/Music/F01/cover.jpg"_s, 1000));
    QVERIFY(TouchFile(Root() + u"/iPod_Control/Music/F02/deep/x.ogg"_s, 7));
    TMPlayerChecker checker(FDrives, ModelFile());
    QStringList messages;
    checker.SetOnProgress([&](qint64, qint64, const QString &m) { messages << m; });
    QVERIFY(checker.CheckPlayer(Root()));
    QCOMPARE(checker.FInfo.FSongCount, 3);
    QCOMPARE(checker.FInfo.FSongBytes, 157);
    QCOMPARE(messages.first(), u"iPodの情報を取得中"_s);
    QVERIFY(messages.contains(u"曲サイズを取得中 - [ "_s + Root() + u"/iPod_Control/Music/F00/ ]"_s));
}

void TstMPlayerChecker::otherLetterCases()
{
    // A copy of a player on a case-sensitive disk, with a real player's spellings.
    QVERIFY(TouchFile(Root() + u"/IPOD_CONTROL/itunes/ITUNESDB"_s));
    QVERIFY(TouchFile(Root() + u"/ipod_control/x"_s)); // a second spelling must not confuse the lookup
    QVERIFY(TouchFile(Root() + u"/Photos/Photo Database"_s));
    QVERIFY(TouchFile(Root() + u"/IPOD_CONTROL/music/f00/a.mp3"_s, 10));
    QVERIFY(WriteSysInfo(Root(), u"xZZZZ"_s));
    QDir(Root()).rename(u"iPod_Control/Device"_s, u"iPod_Control/device"_s);
    TMPlayerChecker checker(FDrives, ModelFile());
    QVERIFY(checker.CheckPlayer(Root()));
    QCOMPARE(checker.FInfo.FSongDBFile, Root() + u"/IPOD_CONTROL/itunes/ITUNESDB"_s);
    QCOMPARE(checker.FInfo.FPhotoDBFile, Root() + u"/Photos/Photo Database"_s);
    QVERIFY(checker.FInfo.FHasPhotos);
    QCOMPARE(checker.FInfo.FSongCount, 1);
}

void TstMPlayerChecker::compressedSongDatabase_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("songDB"); // empty: no player
    QTest::addRow("only iTunesCDB") << QStringList{u"iPod_Control/iTunes/iTunesCDB"_s}
                                    << u"iPod_Control/iTunes/iTunesCDB"_s;
    QTest::addRow("iTunesCDB beside an empty iTunesDB")
        << QStringList{u"iPod_Control/iTunes/iTunesDB"_s, u"iPod_Control/iTunes/iTunesCDB"_s}
        << u"iPod_Control/iTunes/iTunesCDB"_s;
    QTest::addRow("only iTunesDB") << QStringList{u"iPod_Control/iTunes/iTunesDB"_s}
                                   << u"iPod_Control/iTunes/iTunesDB"_s;
    QTest::addRow("other spelling") << QStringList{u"IPOD_CONTROL/ITUNES/ITUNESCDB"_s}
                                    << u"IPOD_CONTROL/ITUNES/ITUNESCDB"_s;
    QTest::addRow("neither") << QStringList{u"iPod_Control/iTunes/iTunesPrefs"_s} << QString();
}

void TstMPlayerChecker::compressedSongDatabase()
{
    QFETCH(QStringList, files);
    QFETCH(QString, songDB);
    for (const QString &f : files)
        QVERIFY(TouchFile(Root() + u'/' + f));
    TMPlayerChecker checker(FDrives, ModelFile());
    QCOMPARE(checker.CheckPlayer(Root()), !songDB.isEmpty());
    if (songDB.isEmpty())
        return;
    QCOMPARE(int(checker.FInfo.FKind), int(kPlayerIPod));
    QCOMPARE(checker.FInfo.FSongDBFile, Root() + u'/' + songDB);
}

void TstMPlayerChecker::clearResets()
{
    QVERIFY(TouchFile(Root() + u"/iPod_Control/iTunes/iTunesDB"_s));
    TMPlayerChecker checker(FDrives, ModelFile());
    QVERIFY(checker.CheckPlayer(Root()));
    checker.Clear();
    QCOMPARE(int(checker.FInfo.FKind), 0);
    QVERIFY(checker.FInfo.FRoot.isEmpty() && checker.FInfo.FName.isEmpty() && !checker.FInfo.FHasSongs);
    QCOMPARE(checker.FInfo.FCapacity, u"不明な容量"_s);
}

void TstMPlayerChecker::sysInfoText_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("serial");
    QTest::addRow("usual") << QByteArray("ModelNumStr: MA450\npszSerialNumber: 5U6\n") << u"MA450"_s
                           << u"5U6"_s;
    QTest::addRow("CR LF, any case, last value wins")
        << QByteArray("modelnumstr: xA1\r\nModelNumStr:  MA002 \r\n") << u"MA002"_s << QString();
    // Real files are a few KB: a key after the first 64 KB is not read at all.
    QTest::addRow("key past the size limit")
        << (QByteArray("pszSerialNumber: S\n") + QByteArray(70000, 'x') + "\nModelNumStr: MA450\n")
        << QString() << u"S"_s;
}

void TstMPlayerChecker::sysInfoText()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, model);
    QFETCH(QString, serial);
    const TSysInfoFields fields = ParseSysInfo(text);
    QCOMPARE(fields.modelNumber, model);
    QCOMPARE(fields.serial, serial);
}

QTEST_GUILESS_MAIN(TstMPlayerChecker)
#include "tst_mplayerchecker.moc"
