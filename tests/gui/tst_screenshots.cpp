// Takes the README's pictures of the windows when SORVO_SCREENSHOT_DIR names a folder
// (scripts/screenshots.sh runs it under Xvfb); otherwise it only checks that the windows fit their text.
#include "app/settings.h"
#include "app/userdialogs.h"
#include "demoplayer.h"
#include "device/configform.h"
#include "device/kiruipod.h"
#include "device/specform.h"
#include "dialogs/crform.h"
#include "dialogs/logform.h"
#include "mainform/mainform.h"
#include "music/songdb.h"
#include "platform/drivetable.h"
#include "platform/mountwatcher.h"
#include "recordingprogress.h"
#include "scripteddialogs.h"

#include "screenshotsupport.h"
#include "session/playersession.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QScopeGuard>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TstScreenshots : public QObject
{
    Q_OBJECT
private slots:
    void windows();
};

void TstScreenshots::windows()
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
    QTest::qWait(200); // let the window system paint before grabbing
    CheckNothingCut(form);
    SaveScreenshot(form, u"main-window.png"_s);

    TSpecForm spec(form.Session().Player(), dialogs, &form);
    spec.show();
    QVERIFY(QTest::qWaitForWindowExposed(&spec));
    CheckNothingCut(spec);
    SaveScreenshot(spec, u"device-details.png"_s);

    TConfigForm config(form.Settings(), drives, dialogs, &form);
    config.show();
    QVERIFY(QTest::qWaitForWindowExposed(&config));
    auto *pages = config.findChild<QTabWidget *>(u"PageControl1"_s);
    for (int page = 0; page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        CheckNothingCut(config);
    }
    pages->setCurrentIndex(2);
    SaveScreenshot(config, u"settings.png"_s);

    TKiruIPodINI fresh(dir.filePath(u"fresh.INI"_s));
    TCRForm terms(fresh);
    terms.show();
    QVERIFY(QTest::qWaitForWindowExposed(&terms));
    CheckNothingCut(terms);
    SaveScreenshot(terms, u"terms.png"_s);

    TLogForm log(dialogs, &form);
    TITBSongList failed;
    TITBSongItem &song = failed.AddNew();
    song.SetTitle(u"曲名"_s);
    song.SetArtist(u"アーティスト"_s);
    TCopyReport report;
    report.FOutcomes.append(TCopyOutcome{0, {}, -2, {}});
    log.Fill(failed, report);
    log.show();
    QVERIFY(QTest::qWaitForWindowExposed(&log));
    CheckNothingCut(log);
}

QTEST_MAIN(TstScreenshots)
#include "tst_screenshots.moc"
