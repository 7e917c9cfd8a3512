// Takes the pictures of the news tab and the site editor when SORVO_SCREENSHOT_DIR names a folder
// (scripts/screenshots.sh runs it under Xvfb); otherwise it only checks that the windows fit their text.
#include "app/settings.h"
#include "app/userdialogs.h"
#include "demoplayer.h"
#include "fakedrivetable.h"
#include "mainform/mainform.h"
#include "platform/drivetable.h"
#include "platform/mountwatcher.h"
#include "recordingprogress.h"
#include "scripteddialogs.h"

#include "screenshotsupport.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace Qt::Literals::StringLiterals;

class TstScreenshotsNews : public QObject
{
    Q_OBJECT
private slots:
    void newsTab();
};

void TstScreenshotsNews::newsTab()
{
    QTemporaryDir dir;
    const bool pictures = !qEnvironmentVariableIsEmpty("SORVO_SCREENSHOT_DIR");
    // The pictures show a short player path, as a mount point would be.
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
        ini.FSiteList = {
            u"日経デジタルARENA;http://arena.nikkeibp.co.jp/index.rdf;2026/12/10 08:15;1;"_s,
            u"朝日新聞;http://rss.asahi.com/rss/asahi/newsheadlines.rdf;2026/12/10 08:15;1;"_s,
            u"MYCOM PCWEB;http://pcweb.mycom.co.jp/haishin/rss/index.rdf;Not Updated;0;"_s,
            u"日経BP;http://www.nikkeibp.co.jp/rss/index.rdf;Not Updated;0;"_s,
            u"AllAboutJapan;http://rss.allabout.co.jp/aa/latest/;Not Updated;0;"_s,
            u"自分のメモ;/home/user/memo.txt;2026/12/09 22:40;1;"_s,
        };
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
    form.findChild<QToolButton *>(u"TabButton_News"_s)->click();
    QCOMPARE(form.CurrentPage(), int(pgNews));
    QTest::qWait(200); // let the window system paint before grabbing
    CheckNothingCut(form);
    SaveScreenshot(form, u"news.png"_s);

    auto *editor = form.findChild<QDialog *>(u"TEditURLForm"_s);
    QVERIFY(editor);
    editor->findChild<QLineEdit *>(u"Edit_name"_s)->setText(u"朝日新聞"_s);
    editor->findChild<QLineEdit *>(u"Edit_URL"_s)
        ->setText(u"http://rss.asahi.com/rss/asahi/newsheadlines.rdf"_s);
    editor->show();
    QVERIFY(QTest::qWaitForWindowExposed(editor));
    QTest::qWait(100);
    CheckNothingCut(*editor);
    SaveScreenshot(*editor, u"site-editor.png"_s);
    editor->hide();
}

QTEST_MAIN(TstScreenshotsNews)
#include "tst_screenshots_news.moc"
