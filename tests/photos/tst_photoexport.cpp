#include "photos/photoexport.h"

#include "app/userdialogs.h"
#include "common/sorvoerror.h"
#include "photos/artworkdbloader.h"
#include "photos/jpegio.h"
#include "recordingprogress.h"
#include "scripteddialogs.h"

#include "artworkdbwriter.h"
#include "fixturefiles.h"
#include "photoplayer.h"
#include "recordingservices.h"

#include <QDir>
#include <QDirIterator>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TstPhotoExport : public QObject
{
    Q_OBJECT

private slots:
    void thumbnails_data();
    void thumbnails();
    void secondExportAddsNumbers();
    void fullSize();
    void cancelInFirstAlbum();
    void unwritableThumbnailEndsExport();
    void defaultKind_data();
    void defaultKind();
};

namespace {

struct TPhotoPlayer
{
    QTemporaryDir dir;
    QString out;
    TArtworkDBLoader db;

    TPhotoPlayer(const QList<TFixturePhoto> &photos, const QList<TFixtureAlbum> &albums)
    {
        out = dir.filePath(u"out"_s);
        db.LoadFromFile(WritePhotoPlayer(dir.filePath(u"player"_s), photos, albums));
    }
};

QList<TFixturePhoto> FivePhotos(bool full = false)
{
    QList<TFixturePhoto> photos;
    for (quint32 id = 1; id <= 5; ++id) {
        TFixturePhoto p;
        p.id = 100 + id;
        p.thumb = PatternImage(40 + int(id), 30);
        if (full) {
            p.fullFile = u":Full Resolution:2024:P%1.jpg"_s.arg(id);
            p.fullData = "jpeg" + QByteArray::number(id);
        }
        photos << p;
    }
    return photos;
}

} // namespace

void TstPhotoExport::thumbnails_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("firstFolder");
    QTest::addRow("plain names") << "Trip"
                                 << "Trip";
    QTest::addRow("slash and dot") << "2024/05.Kyoto"
                                   << "2024 05 Kyoto";
}

void TstPhotoExport::thumbnails()
{
    QFETCH(QString, first);
    QFETCH(QString, firstFolder);
    TPhotoPlayer player(FivePhotos(),
                        {{first, {101, 102, 103}}, {u"Unchecked"_s, {104}}, {u"Home"_s, {104, 105}}});
    TRecordingProgress progress;
    TRecordingServices services;
    TScriptedDialogs dialogs;
    const QList<TAlbumCheckRow> rows = {{first, true}, {u"Unchecked"_s, false}, {u"Home"_s, true}};
    const TPhotoExportResult r =
        ExportPhotos(player.db, rows, player.out, {}, kExportThumbnails, progress, services, dialogs);

    QCOMPARE(r.FWritten, 5);
    QStringList expected{u"Home/IMG00000.jpg"_s, u"Home/IMG00001.jpg"_s, firstFolder + u"/IMG00000.jpg"_s,
                         firstFolder + u"/IMG00001.jpg"_s, firstFolder + u"/IMG00002.jpg"_s};
    expected.sort();
    QCOMPARE(FilesBelow(player.out), expected);
    const QImage decoded = LoadJpeg(player.out + u"/Home/IMG00001.jpg"_s);
    QCOMPARE(decoded.size(), QSize(45, 30));
    const auto &run = progress.FRuns.first();
    QCOMPARE(run.title, u"フォトの取り出し"_s);
    QCOMPARE(run.maximum, 2);
    QCOMPARE(run.positions, (QList<int>{1, 2}));
    QCOMPARE(run.labels.first(), u"写真アルバム(1/2)のコピー中 0%"_s);
    QCOMPARE(run.labels.at(1), u"写真アルバム(1/2)のコピー中 33%"_s);
    QCOMPARE(run.labels.last(), u"写真アルバム(2/2)のコピー中 50%"_s);
    QCOMPARE(services.FStatusTexts,
             QStringList{u"フォルダ \"%1\" に写真ファイルを転送しました"_s.arg(player.out)});
    QCOMPARE(dialogs.FOpened, QStringList{player.out});
    QVERIFY(dialogs.Texts(u"warning"_s).isEmpty());
}

void TstPhotoExport::secondExportAddsNumbers()
{
    TPhotoPlayer player(FivePhotos(), {{u"A"_s, {101}}});
    TRecordingProgress progress;
    TRecordingServices services;
    TScriptedDialogs dialogs;
    ExportPhotos(player.db, {{u"A"_s, true}}, player.out, {}, kExportThumbnails, progress, services, dialogs);
    ExportPhotos(player.db, {{u"A"_s, true}}, player.out, {}, kExportThumbnails, progress, services, dialogs);
    QCOMPARE(FilesBelow(player.out), (QStringList{u"A/IMG00000(2).jpg"_s, u"A/IMG00000.jpg"_s}));

    for (int n = 3; n <= 99; ++n)
        WriteFixtureFile(player.out + u"/A/IMG00000(%1).jpg"_s.arg(n), "x");
    const TPhotoExportResult r = ExportPhotos(player.db, {{u"A"_s, true}}, player.out, {}, kExportThumbnails,
                                              progress, services, dialogs);
    QCOMPARE(r.FWritten, 0);
    QCOMPARE(r.FRenameFailures, 1);
    QCOMPARE(progress.FRuns.last().labels.last(), u"[ IMG00000.jpg ]のリネームに失敗しました"_s);
}

void TstPhotoExport::fullSize()
{
    QList<TFixturePhoto> photos = FivePhotos(true);
    photos[1].fullData.clear(); // named but missing
    photos[2].fullFile = u":..:..:secret.jpg"_s;
    TPhotoPlayer player(photos, {{u"A"_s, {101, 102, 103, 104, 999}}});
    WriteFixtureFile(player.dir.filePath(u"secret.jpg"_s), "secret");
    QCOMPARE(DefaultPhotoExportKind(player.db), int(kExportFullSize));
    TRecordingProgress progress;
    TRecordingServices services;
    TScriptedDialogs dialogs;
    const TPhotoExportResult r = ExportPhotos(player.db, {{u"A"_s, true}}, player.out, {}, kExportFullSize,
                                              progress, services, dialogs);
    QCOMPARE(r.FWritten, 2);
    QCOMPARE(r.FFailedCopies, 2);
    QCOMPARE(r.FUnreadable, 1); // 999: in the album, not in the database
    QCOMPARE(FilesBelow(player.out), (QStringList{u"A/P1.jpg"_s, u"A/P4.jpg"_s}));
    QCOMPARE(ReadFixtureFile(player.out + u"/A/P4.jpg"_s), QByteArray("jpeg4"));
    QCOMPARE(dialogs.Texts(u"warning"_s),
             (QStringList{u"1 枚の写真を読み込めませんでした"_s, u"2 枚の写真を転送できませんでした"_s}));
    QCOMPARE(services.FStatusTexts.size(), 1);
}

void TstPhotoExport::cancelInFirstAlbum()
{
    TPhotoPlayer player(FivePhotos(), {{u"A"_s, {101, 102, 103}}, {u"B"_s, {104, 105}}});
    TRecordingProgress progress;
    progress.FCancelAtCheck = 2; // asked after each photo: stops after the second
    TRecordingServices services;
    TScriptedDialogs dialogs;
    const TPhotoExportResult r = ExportPhotos(player.db, {{u"A"_s, true}, {u"B"_s, true}}, player.out, {},
                                              kExportThumbnails, progress, services, dialogs);
    QVERIFY(r.FCancelled);
    QCOMPARE(FilesBelow(player.out), (QStringList{u"A/IMG00000.jpg"_s, u"A/IMG00001.jpg"_s}));
    QCOMPARE(services.FStatusTexts.size(), 1);
    QCOMPARE(dialogs.FOpened.size(), 1);
}

void TstPhotoExport::unwritableThumbnailEndsExport()
{
    TPhotoPlayer player(FivePhotos(), {{u"A"_s, {101}}});
    QVERIFY(WriteFixtureFile(player.out + u"/A"_s, "a file where the album folder belongs"));
    TRecordingProgress progress;
    TRecordingServices services;
    TScriptedDialogs dialogs;
    QVERIFY_THROWS_EXCEPTION(ESorvoError, ExportPhotos(player.db, {{u"A"_s, true}}, player.out, {},
                                                       kExportThumbnails, progress, services, dialogs));
}

void TstPhotoExport::defaultKind_data()
{
    QTest::addColumn<bool>("firstHasFull");
    QTest::addColumn<int>("kind");
    QTest::addRow("full-size name") << true << int(kExportFullSize);
    QTest::addRow("thumbnails only") << false << int(kExportThumbnails);
}

void TstPhotoExport::defaultKind()
{
    QFETCH(bool, firstHasFull);
    QFETCH(int, kind);
    QList<TFixturePhoto> photos = FivePhotos(true);
    if (!firstHasFull)
        photos[0].fullFile.clear();
    TPhotoPlayer player(photos, {});
    QCOMPARE(int(DefaultPhotoExportKind(player.db)), kind);
}

QTEST_GUILESS_MAIN(TstPhotoExport)
#include "tst_photoexport.moc"
