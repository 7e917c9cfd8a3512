// Takes the README's pictures of the song tab and its windows when SORVO_SCREENSHOT_DIR names a folder
// (scripts/screenshots.sh runs it under Xvfb); otherwise it only checks that the windows fit their text.
#include "app/settings.h"
#include "app/userdialogs.h"
#include "audiofilewriter.h"
#include "demoplayer.h"
#include "device/kiruipod.h"
#include "fixturefiles.h"
#include "mainform/mainform.h"
#include "music/songcopycfgform.h"
#include "music/songfindform.h"
#include "music/songinfo.h"
#include "music/songinfoform.h"
#include "music/songlistmodel.h"
#include "music/songtab.h"
#include "platform/drivetable.h"
#include "platform/mountwatcher.h"
#include "recordingprogress.h"
#include "scripteddialogs.h"
#include "widgets/reportlistview.h"

#include "screenshotsupport.h"
#include "session/playersession.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

using namespace Qt::Literals::StringLiterals;

class TstScreenshotsSongs : public QObject
{
    Q_OBJECT
private slots:
    void windows();
};

void TstScreenshotsSongs::windows()
{
    QTemporaryDir dir;
    // The pictures show a short player path, as a mount point would be.
    const bool pictures = !qEnvironmentVariableIsEmpty("SORVO_SCREENSHOT_DIR");
    const QString root = pictures ? QDir::temp().filePath(u"IPOD"_s) : dir.filePath(u"IPOD"_s);
    if (pictures)
        QDir(root).removeRecursively();
    const auto cleanup = qScopeGuard([&] {
        if (pictures)
            QDir(root).removeRecursively();
    });
    QCOMPARE(BuildDemoPlayer(root), QString());
    const QString settingsFile = dir.filePath(u"Velmor.INI"_s);
    {
        TKiruIPodINI ini(settingsFile);
        ini.FCopyright = true;
        ini.FSongCopy_Folder = QDir::homePath() + u"/Music/iPod/"_s;
        ini.FText = u"さくら 風"_s;
        ini.FSongFind_Type = 3;
        ini.Save();
    }
    TSystemDriveTable drives({root});
    TScriptedDialogs dialogs;
    TRecordingProgress progress;
    TMountWatcher watcher(nullptr, u"/nonexistent/mountinfo"_s);
    TMainFormSetup setup;
    setup.settingsFile = settingsFile;
    setup.driveTable = &drives;
    setup.dialogs = &dialogs;
    setup.progress = &progress;
    setup.watcher = &watcher;
    setup.modelFile = QStringLiteral(SORVO_SOURCE_DIR "/data/Velmor.MCD");
    TMainForm form(setup);
    form.show();
    QTRY_COMPARE(form.StatusText(0), ConnectedText());
    QTest::mouseClick(form.findChild<QToolButton *>(u"TabButton_Song"_s), Qt::LeftButton);
    auto *tab = form.findChild<TSongTab *>();
    QVERIFY(tab->ListModel().rowCount() > 0);
    // A few songs checked, the second artist opened in the tree.
    auto *tree = form.findChild<QTreeView *>(u"SongTreeView"_s);
    tree->setCurrentIndex(tab->TreeModel().index(1, 0));
    tree->expand(tab->TreeModel().index(1, 0));
    tab->CheckSelectedArtist();
    form.findChild<TReportListView *>(u"SongListView"_s)->selectRow(0);
    QTest::qWait(200); // let the window system paint before grabbing
    CheckNothingCut(form);
    SaveScreenshot(form, u"song-tab.png"_s);

    // A playlist chosen in the tree: its songs in its order with their position.
    const QStandardItem *branch =
        tab->TreeModel().findItems(QCoreApplication::translate("TPlayListBranch", "プレイリスト")).value(0);
    QVERIFY(branch && branch->rowCount() > 0 && branch->child(0)->rowCount() > 0);
    tree->collapseAll();
    tree->expand(branch->index());
    tree->expand(branch->child(0)->index());
    tree->setCurrentIndex(branch->child(0)->child(0)->index());
    QTest::qWait(200);
    CheckNothingCut(form);
    SaveScreenshot(form, u"song-playlist.png"_s);
    tree->setCurrentIndex(tab->TreeModel().index(1, 0));

    TSongCopyCfgForm copy(form.Settings(), drives, dialogs, TCopyKind::Songs, &form);
    copy.show();
    QVERIFY(QTest::qWaitForWindowExposed(&copy));
    CheckNothingCut(copy);
    SaveScreenshot(copy, u"song-extract-settings.png"_s);

    TSongFindForm find(form.Settings(), ArtistTicks(tab->ListModel().Data()), &form);
    find.show();
    QVERIFY(QTest::qWaitForWindowExposed(&find));
    CheckNothingCut(find);
    SaveScreenshot(find, u"song-search.png"_s);

    // The first song gets lyrics in its tag for the lyrics page.
    TPlayerSession &session = form.Session();
    const TITBSongItem &song = session.Songs().Items(0);
    const QString path = SongFilePath(session.Player().FRoot, song);
    AudioFileWriter::TId3v2Writer tag(3);
    tag.Text("TIT2", 1, song.Title());
    tag.Described("USLT", 1, "jpn", QString(),
                  u"朝の光が窓をたたく\n眠い目をこすりながら\n今日もまた歩き出す\n\n"
                  u"遠くの空に 雲が流れて\n君の声が 聞こえた気がした"_s);
    QVERIFY(WriteFixtureFile(path, tag.Build() + AudioFileWriter::MpegAudio(32000)));
    TSongInfoForm info(song, path, session.Artwork(), dialogs, &form);
    info.show();
    QVERIFY(QTest::qWaitForWindowExposed(&info));
    CheckNothingCut(info);
    SaveScreenshot(info, u"song-info.png"_s);
    auto *pages = info.findChild<QTabWidget *>(u"SongPages"_s);
    pages->setCurrentIndex(1);
    QTest::qWait(50);
    SaveScreenshot(info, u"song-info-lyrics.png"_s);
    pages->setCurrentIndex(2);
    QTest::qWait(50);
    SaveScreenshot(info, u"song-info-artwork.png"_s);
}

QTEST_MAIN(TstScreenshotsSongs)
#include "tst_screenshots_songs.moc"
