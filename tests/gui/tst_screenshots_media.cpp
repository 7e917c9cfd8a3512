// Takes the README's pictures of the photo and video tabs and the photo windows when SORVO_SCREENSHOT_DIR
// names a folder (scripts/screenshots.sh runs it under Xvfb); otherwise it only checks that they fit.
#include "app/settings.h"
#include "app/userdialogs.h"
#include "demoplayer.h"
#include "device/kiruipod.h"
#include "mainform/mainform.h"
#include "photos/photocopyform.h"
#include "photos/photoform.h"
#include "photos/photolistbox.h"
#include "photos/phototab.h"
#include "photos/photoviewer.h"
#include "platform/drivetable.h"
#include "platform/mountwatcher.h"
#include "recordingprogress.h"
#include "scripteddialogs.h"
#include "video/videotab.h"
#include "widgets/reportlistview.h"

#include "screenshotsupport.h"
#include "session/playersession.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace Qt::Literals::StringLiterals;

class TstScreenshotsMedia : public QObject
{
    Q_OBJECT
private slots:
    void windows();
};

void TstScreenshotsMedia::windows()
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
        ini.FPhotoCopy_Folder = QDir::homePath() + u"/Pictures/iPod/"_s;
        ini.FPView_X = 40;
        ini.FPView_Y = 40;
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

    QTest::mouseClick(form.findChild<QToolButton *>(u"TabButton_Video"_s), Qt::LeftButton);
    auto *videos = form.findChild<TVideoTab *>();
    QVERIFY(videos->Model().rowCount() > 0);
    videos->Model().SetItemChecked(0, true);
    QTest::qWait(200); // let the window system paint before grabbing
    CheckNothingCut(form);
    SaveScreenshot(form, u"video-tab.png"_s);

    QTest::mouseClick(form.findChild<QToolButton *>(u"TabButton_Photo"_s), Qt::LeftButton);
    auto *photos = form.findChild<TPhotoTab *>();
    QVERIFY(photos->Grid().rowCount() > 0);
    photos->Albums().SetItemChecked(1, true);
    form.findChild<TReportListView *>(u"PhotoAlbumListView"_s)->selectRow(0);
    form.findChild<TPhotoListBox *>(u"PhotoListBox"_s)->SetCurrentRow(1);
    QTest::qWait(200);
    CheckNothingCut(form);
    SaveScreenshot(form, u"photo-tab.png"_s);

    TPhotoForm viewer(form.Settings(), dialogs, &form);
    const QString path = PhotoPathForRow(form.Session().Photos(), photos->Grid().Ids(), 1);
    QVERIFY(viewer.OpenPhoto(path, 1, photos->Grid().rowCount()));
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    QTest::qWait(100);
    CheckNothingCut(viewer);
    SaveScreenshot(viewer, u"photo-viewer.png"_s);

    TPhotoCopyForm copy(form.Settings(), drives, dialogs, &form);
    copy.show();
    QVERIFY(QTest::qWaitForWindowExposed(&copy));
    CheckNothingCut(copy);
    SaveScreenshot(copy, u"photo-export.png"_s);
}

QTEST_MAIN(TstScreenshotsMedia)
#include "tst_screenshots_media.moc"
