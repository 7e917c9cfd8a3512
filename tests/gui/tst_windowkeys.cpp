// Every window as the keyboard finds it: the caret where the user types, Escape to close.
#include "app/settings.h"
#include "device/configform.h"
#include "device/playerinfo.h"
#include "device/specform.h"
#include "dialogs/crform.h"
#include "dialogs/logform.h"
#include "fakedrivetable.h"
#include "fixturefiles.h"
#include "music/songcopycfgform.h"
#include "music/songdb.h"
#include "music/songfindform.h"
#include "music/songinfoform.h"
#include "news/editurlform.h"
#include "notes/memodivideform.h"
#include "notes/memoform.h"
#include "photos/artworkdbloader.h"
#include "photos/photocopyform.h"
#include "photos/photoform.h"
#include "pim/addressform.h"
#include "pim/delcalform.h"
#include "pim/scheduleform.h"
#include "pim/todoform.h"
#include "scripteddialogs.h"
#include "widgets/reportlistview.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace {
struct TFixture
{
    QTemporaryDir dir;
    TFakeDriveTable drives;
    TScriptedDialogs dialogs;
    TKiruIPodINI settings{dir.filePath(u"Velmor.INI"_s)};
    TPlayerInfo device;
    TITBSongItem song;
    TArtworkDBLoader artwork;
};

using TMaker = std::function<QDialog *(TFixture &)>;

struct TWindowRow
{
    const char *name;
    TMaker make;
    QString focus; // the field the caret starts in; empty when the window asks for no text
};

QList<TWindowRow> Windows()
{
    return {
        {"search", [](TFixture &f) { return new TSongFindForm(f.settings, {}); }, u"Edit_FindSongs"_s},
        {"search on the artists page",
         [](TFixture &f) {
             f.settings.FPageIndex = 2;
             return new TSongFindForm(f.settings, {{u"A"_s, false}});
         },
         u"ArtistsListView"_s},
        {"new note", [](TFixture &f) { return new TMemoForm(f.settings, f.dialogs, f.dir.path()); },
         u"MemoEdit"_s},
        {"existing note",
         [](TFixture &f) {
             const QString path = f.dir.filePath(u"note.txt"_s);
             WriteFixtureFile(path, "abc\r\n");
             auto *form = new TMemoForm(f.settings, f.dialogs, f.dir.path());
             form->Open(path);
             return form;
         },
         u"MemoEdit"_s},
        {"news site", [](TFixture &f) { return new TEditURLForm(f.dialogs); }, u"Edit_name"_s},
        {"note division", [](TFixture &) { return new TMemoDivideForm; }, u"Edit_Title"_s},
        {"song extraction",
         [](TFixture &f) { return new TSongCopyCfgForm(f.settings, f.drives, f.dialogs, TCopyKind::Songs); },
         u"Edit_Folder"_s},
        {"photo export", [](TFixture &f) { return new TPhotoCopyForm(f.settings, f.drives, f.dialogs); },
         u"Edit_Folder"_s},
        {"event", [](TFixture &) { return new TScheduleForm; }, u"ComboBox_Summary"_s},
        {"to-do", [](TFixture &) { return new TToDoForm; }, u"ComboBox_Summary"_s},
        {"contact", [](TFixture &f) { return new TAddressForm(f.dialogs); }, {}},
        {"expired entries", [](TFixture &) { return new TDelCalForm; }, {}},
        {"settings", [](TFixture &f) { return new TConfigForm(f.settings, f.drives, f.dialogs); }, {}},
        {"details", [](TFixture &f) { return new TSpecForm(f.device, f.dialogs); }, {}},
        {"transfer log", [](TFixture &f) { return new TLogForm(f.dialogs); }, {}},
        {"song information",
         [](TFixture &f) { return new TSongInfoForm(f.song, QString(), f.artwork, f.dialogs); },
         {}},
        {"photo viewer", [](TFixture &f) { return new TPhotoForm(f.settings, f.dialogs); }, {}},
        {"terms of use", [](TFixture &f) { return new TCRForm(f.settings); }, {}},
    };
}

/// Shows the window and waits until it has the keyboard.
void ShowActive(QDialog &form)
{
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
}
} // namespace

class TstWindowKeys : public QObject
{
    Q_OBJECT
private slots:
    void caretAndEscape_data();
    void caretAndEscape();
    void searchTypedAtOnce();
    void enterAccepts_data();
    void enterAccepts();
    void newContactWaitsForFullName_data();
    void newContactWaitsForFullName();
};

void TstWindowKeys::caretAndEscape_data()
{
    QTest::addColumn<int>("row");
    const QList<TWindowRow> windows = Windows();
    for (int i = 0; i < windows.size(); ++i)
        QTest::addRow("%s", windows[i].name) << i;
}

void TstWindowKeys::caretAndEscape()
{
    QFETCH(int, row);
    const TWindowRow window = Windows().at(row);
    TFixture f;
    std::unique_ptr<QDialog> form(window.make(f));
    ShowActive(*form);
    QWidget *focus = QApplication::focusWidget();
    if (!window.focus.isEmpty()) {
        QVERIFY2(focus, "nothing has the keyboard");
        const QWidget *wanted = form->findChild<QWidget *>(window.focus);
        QVERIFY(wanted);
        // An editable combo box types into its own line edit.
        QVERIFY2(focus == wanted || wanted->isAncestorOf(focus), qPrintable(focus->objectName()));
    }
    QTest::keyClick(focus ? focus : form.get(), Qt::Key_Escape);
    QTRY_VERIFY(!form->isVisible());
}

void TstWindowKeys::searchTypedAtOnce()
{
    TFixture f;
    f.settings.FText = u"old"_s;
    TSongFindForm form(f.settings, {});
    ShowActive(form);
    QWidget *focus = QApplication::focusWidget();
    QVERIFY(focus);
    QTest::keySequence(focus, QKeySequence::SelectAll);
    QTest::keyClicks(focus, u"Night"_s);
    QTest::keyClick(focus, Qt::Key_Return);
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(f.settings.FText, u"Night"_s);
}

void TstWindowKeys::enterAccepts_data()
{
    QTest::addColumn<bool>("task");
    QTest::addColumn<QString>("field");
    QTest::addRow("event, title") << false << u"ComboBox_Summary"_s;
    QTest::addRow("event, description") << false << u"Edit_Description"_s;
    QTest::addRow("event, start date") << false << u"DatePick_Start"_s;
    QTest::addRow("to-do, title") << true << u"ComboBox_Summary"_s;
    QTest::addRow("to-do, description") << true << u"Edit_Description"_s;
}

void TstWindowKeys::enterAccepts()
{
    QFETCH(bool, task);
    QFETCH(QString, field);
    std::unique_ptr<QDialog> form(task ? static_cast<QDialog *>(new TToDoForm) : new TScheduleForm);
    ShowActive(*form);
    QWidget *wanted = form->findChild<QWidget *>(field);
    QVERIFY(wanted);
    wanted->setFocus();
    QTest::keyClicks(QApplication::focusWidget(), u"abc"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_VERIFY(!form->isVisible());
    QCOMPARE(form->result(), int(QDialog::Accepted));
}

void TstWindowKeys::newContactWaitsForFullName_data()
{
    QTest::addColumn<bool>("required");
    QTest::addColumn<QString>("fullName");
    QTest::addColumn<bool>("closes");
    QTest::addRow("new, no full name") << true << QString() << false;
    QTest::addRow("new, a slash in the full name") << true << u"A/B"_s << false;
    QTest::addRow("new, full name") << true << u"山田花子"_s << true;
    QTest::addRow("existing, no full name") << false << QString() << true;
}

void TstWindowKeys::newContactWaitsForFullName()
{
    QFETCH(bool, required);
    QFETCH(QString, fullName);
    QFETCH(bool, closes);
    TFixture f;
    TAddressForm form(f.dialogs);
    form.SetFileNameRequired(required);
    form.Model().SetRowValue(0, u"佐藤 花子"_s); // 名前, typed first
    form.Model().SetRowValue(1, fullName);       // フルネーム
    ShowActive(form);
    form.findChild<QPushButton *>(u"Button_OK"_s)->click();
    QCOMPARE(form.isVisible(), !closes);
    if (closes) {
        QVERIFY(f.dialogs.Texts(u"warning"_s).isEmpty());
        return;
    }
    // Still open with what was typed, the full-name row chosen, and the reason given.
    QCOMPARE(form.Record().Name, u"佐藤 花子"_s);
    const QStringList warnings = f.dialogs.Texts(u"warning"_s);
    QCOMPARE(warnings.size(), 1);
    QVERIFY(warnings.first().contains(u"フルネーム"_s));
    auto *list = form.findChild<TReportListView *>(u"DataListView"_s);
    QCOMPARE(list->SelectedItems(), QList<int>{1});
    form.Model().SetRowValue(1, u"佐藤花子"_s);
    form.findChild<QPushButton *>(u"Button_OK"_s)->click();
    QVERIFY(!form.isVisible());
    QCOMPARE(form.result(), int(QDialog::Accepted));
}

QTEST_MAIN(TstWindowKeys)
#include "tst_windowkeys.moc"
