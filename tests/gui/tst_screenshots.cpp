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
#include "music/itunesdbloader.h"
#include "platform/drivetable.h"
#include "platform/mountwatcher.h"
#include "recordingprogress.h"
#include "scripteddialogs.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QScopeGuard>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {
void Save(QWidget &window, const QString &name)
{
    const QString folder = qEnvironmentVariable("SORVO_SCREENSHOT_DIR");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    QVERIFY(window.grab().save(QDir(folder).filePath(name)));
}

/// No label of the window is narrower than its text.
void CheckNothingCut(QWidget &window)
{
    for (QLabel *label : window.findChildren<QLabel *>()) {
        if (!label->isVisible() || label->wordWrap() || label->text().isEmpty() || !label->pixmap().isNull())
            continue;
        const int needed = label->fontMetrics().horizontalAdvance(label->text());
        QVERIFY2(label->contentsRect().width() >= needed,
                 qPrintable(label->objectName() + u": "_s + label->text()));
    }
}
} // namespace

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
    QTRY_COMPARE(form.StatusText(0), u"[接続中]"_s);
    QTest::qWait(200); // let the window system paint before grabbing
    CheckNothingCut(form);
    Save(form, u"main-window.png"_s);

    TSpecForm spec(form.Device().FChecker, dialogs, &form);
    spec.show();
    QVERIFY(QTest::qWaitForWindowExposed(&spec));
    CheckNothingCut(spec);
    Save(spec, u"device-details.png"_s);

    TConfigForm config(form.Settings(), drives, dialogs, &form);
    config.show();
    QVERIFY(QTest::qWaitForWindowExposed(&config));
    auto *pages = config.findChild<QTabWidget *>(u"PageControl1"_s);
    for (int page = 0; page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        CheckNothingCut(config);
    }
    pages->setCurrentIndex(2);
    Save(config, u"settings.png"_s);

    TKiruIPodINI fresh(dir.filePath(u"fresh.INI"_s));
    TCRForm terms(fresh);
    terms.show();
    QVERIFY(QTest::qWaitForWindowExposed(&terms));
    CheckNothingCut(terms);
    Save(terms, u"terms.png"_s);

    TLogForm log(dialogs, &form);
    TITBSongList failed;
    TITBSongItem &song = failed.AddNew();
    song.FTitle = u"曲名"_s;
    song.FArtist = u"アーティスト"_s;
    song.FCopyFailed = true;
    song.FCopyError = -2;
    log.Fill(failed);
    log.show();
    QVERIFY(QTest::qWaitForWindowExposed(&log));
    CheckNothingCut(log);
}

QTEST_MAIN(TstScreenshots)
#include "tst_screenshots.moc"
