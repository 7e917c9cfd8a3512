// Takes the README's pictures of the notes tab, the note editor and the division window when
// SORVO_SCREENSHOT_DIR names a folder (scripts/screenshots.sh runs it under Xvfb); otherwise it only
// checks that the windows fit their text.
#include "app/settings.h"
#include "app/userdialogs.h"
#include "demoplayer.h"
#include "device/kiruipod.h"
#include "mainform/mainform.h"
#include "notes/memodivideform.h"
#include "notes/memoform.h"
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
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TstScreenshotsNotes : public QObject
{
    Q_OBJECT
private slots:
    void windows();
};

void TstScreenshotsNotes::windows()
{
    QTemporaryDir dir;
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
    form.ShowTab(pgNotes); // the notes tab, as its button shows it
    QTest::qWait(200);     // let the window system paint before grabbing
    CheckNothingCut(form);
    SaveScreenshot(form, u"notes-tab.png"_s);

    TMemoForm editor(form.Settings(), dialogs, form.Session().Player().FNotesDir, &form);
    editor.Open(form.Session().Player().FNotesDir + u"はじめに.txt"_s);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    CheckNothingCut(editor);
    SaveScreenshot(editor, u"note-editor.png"_s);
    editor.hide();

    TMemoDivideForm divide(&form);
    divide.SetOptions(TMemoDivideOptions::FromSettings(form.Settings(), u"長い話"_s));
    divide.show();
    QVERIFY(QTest::qWaitForWindowExposed(&divide));
    CheckNothingCut(divide);
    QVERIFY(divide.width() <= 1280 && divide.height() <= 800);
    SaveScreenshot(divide, u"note-division.png"_s);
}

QTEST_MAIN(TstScreenshotsNotes)
#include "tst_screenshots_notes.moc"
