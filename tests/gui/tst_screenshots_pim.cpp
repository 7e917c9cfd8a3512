// Takes the README's pictures of the contacts, calendar and to-do tabs and their windows when
// SORVO_SCREENSHOT_DIR names a folder; otherwise it only checks that the windows fit their text.
#include "app/settings.h"
#include "app/userdialogs.h"
#include "demoplayer.h"
#include "device/kiruipod.h"
#include "fakedrivetable.h"
#include "mainform/mainform.h"
#include "pim/addressform.h"
#include "pim/calendartab.h"
#include "pim/delcalform.h"
#include "pim/scheduleform.h"
#include "pim/todoform.h"
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
#include <QToolButton>

using namespace Qt::Literals::StringLiterals;

namespace {

void Shoot(QWidget &window, const QString &name)
{
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(100);
    CheckNothingCut(window);
    SaveScreenshot(window, name);
}
} // namespace

class TstScreenshotsPim : public QObject
{
    Q_OBJECT
private slots:
    void pimWindows();
};

void TstScreenshotsPim::pimWindows()
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

    const auto showTab = [&](const QString &button, const QString &picture) {
        form.findChild<QToolButton *>(button)->click();
        QTest::qWait(200); // let the window system paint before grabbing
        CheckNothingCut(form);
        SaveScreenshot(form, picture);
    };
    showTab(u"TabButton_Address"_s, u"contacts-tab.png"_s);
    showTab(u"TabButton_Cal"_s, u"calendar-list.png"_s);
    form.findChild<QTabWidget *>(u"CalendarPages"_s)->setCurrentIndex(1);
    QTest::qWait(200);
    CheckNothingCut(form);
    SaveScreenshot(form, u"calendar-month.png"_s);
    showTab(u"TabButton_ToDo"_s, u"todo-tab.png"_s);

    const QString contacts = form.Session().Player().FContactsDir;
    const QString calendars = form.Session().Player().FCalendarsDir;
    TAddressForm contact(dialogs, &form);
    contact.SetRecord(TKiruVCF(contacts + u"山田太郎.vcf"_s).GetRecord());
    Shoot(contact, u"contact-editor.png"_s);

    TScheduleForm event(&form);
    TEventEditorValues values =
        TEventEditorValues::FromRecord(TKiruVCal(calendars + u"歯医者.ics"_s).GetRecord());
    values.UseEnd = true;
    values.End = values.Start + 1.0 / 24;
    values.Categories = u"PRIVATE"_s;
    values.Priority = 3;
    event.SetValues(values);
    Shoot(event, u"event-editor.png"_s);

    TToDoForm task(&form);
    task.SetValues(TTaskEditorValues::FromRecord(TKiruVTodo(calendars + u"todo-backup.ics"_s).GetRecord()));
    Shoot(task, u"task-editor.png"_s);

    TDelCalForm expired(&form);
    Shoot(expired, u"expired-entries.png"_s);
}

QTEST_MAIN(TstScreenshotsPim)
#include "tst_screenshots_pim.moc"
