#include "app/settings.h"
#include "app/userdialogs.h"
#include "device/playerpage.h"
#include "devicefixtures.h"
#include "fakedrivetable.h"
#include "fixturefiles.h"
#include "itunesdbwriter.h"
#include "mainform/mainform.h"
#include "notefiles.h"
#include "pim/addressform.h"
#include "pim/addresstab.h"
#include "pim/calendartab.h"
#include "pim/delcalform.h"
#include "pim/scheduleform.h"
#include "pim/todoform.h"
#include "pim/todotab.h"
#include "platform/drivetable.h"
#include "platform/mountwatcher.h"
#include "recordingprogress.h"
#include "scripteddialogs.h"
#include "session/playersession.h"
#include "widgets/reportlistview.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeEdit>
#include <QTimer>
#include <QToolButton>

#include <functional>

using namespace Qt::Literals::StringLiterals;

using TValues = QMap<QString, QString>;

namespace {

/// A window with the real tabs over a standard iPod in a temporary folder, with scripted dialogs.
struct TFixture
{
    QTemporaryDir dir;
    TFakeDriveTable drives;
    TScriptedDialogs dialogs;
    TRecordingProgress progress;
    TMountWatcher watcher{nullptr, u"/nonexistent/mountinfo"_s};
    QString settingsFile;
    QString root;
    std::unique_ptr<TMainForm> form;

    TFixture()
    {
        settingsFile = dir.filePath(u"Velmor.INI"_s);
        TKiruIPodINI ini(settingsFile);
        ini.FCopyright = true;
        ini.Save();
        root = dir.filePath(u"player"_s);
        QDir().mkpath(root + u"/Contacts"_s);
        QDir().mkpath(root + u"/Calendars"_s);
        drives.Add(root, true, u"IPOD"_s, qint64(30) << 30, qint64(1536) << 20);
        TITunesDBWriter db;
        db.FTracks.append(TITunesDBWriter::SampleTrack(1));
        db.AddMasterPlaylist();
        db.WriteTo(root + u"/iPod_Control/iTunes/iTunesDB"_s);
    }

    QString Contacts() const { return root + u"/Contacts/"_s; }
    QString Calendars() const { return root + u"/Calendars/"_s; }

    /// Builds and shows the window, waits for the recognition and opens a tab.
    void Open(const QString &tabButton)
    {
        TMainFormSetup setup;
        setup.settingsFile = settingsFile;
        setup.driveTable = &drives;
        setup.dialogs = &dialogs;
        setup.progress = &progress;
        setup.watcher = &watcher;
        setup.modelFile = QStringLiteral(SORVO_SOURCE_DIR "/data/Velmor.MCD");
        form = std::make_unique<TMainForm>(setup);
        form->show();
        QTRY_VERIFY(!form->PlayerPage()->RecognitionPending());
        QVERIFY(form->Session().Connected());
        form->findChild<QToolButton *>(tabButton)->click();
    }

    template <class T> T *Find(const QString &name) const { return form->findChild<T *>(name); }
    TReportListView *List(const QString &name) const { return Find<TReportListView>(name); }

    /// Every file below the player's personal folders with its bytes.
    QMap<QString, QByteArray> Snapshot() const
    {
        QMap<QString, QByteArray> files;
        for (const QString &folder : {Contacts(), Calendars()}) {
            QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString path = it.next();
                files.insert(path, ReadFixtureFile(path));
            }
        }
        return files;
    }
};

/// Runs `act` on the modal window of class T as soon as it is shown (by a later exec()).
template <class T> void WhenModal(std::function<void(T *)> act)
{
    auto *timer = new QTimer;
    auto started = std::make_shared<QElapsedTimer>();
    started->start();
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, act, started] {
        T *window = qobject_cast<T *>(QApplication::activeModalWidget());
        if (!window && started->elapsed() < 5000)
            return;
        timer->stop();
        timer->deleteLater();
        if (window)
            act(window);
    });
    timer->start();
}

/// The texts of a list's rows in display order, one column.
QStringList Column(TReportListView *view, int column)
{
    QStringList texts;
    for (int row = 0; row < view->model()->rowCount(); ++row)
        texts.append(view->model()->index(row, column).data().toString());
    return texts;
}

void SelectRows(TReportListView *view, const QList<int> &rows)
{
    view->clearSelection();
    for (int row : rows)
        view->selectionModel()->select(view->model()->index(row, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
    if (!rows.isEmpty())
        view->selectionModel()->setCurrentIndex(view->model()->index(rows.first(), 0),
                                                QItemSelectionModel::NoUpdate);
}

QString ContactFile(const QString &folder, const QString &name, const QStringList &lines, bool utf8 = false)
{
    return WriteLinesFile(folder, name, lines, utf8);
}

/// Edits the contact editor's row with the given caption through the input box and confirms or cancels.
void FillContact(TAddressForm *editor, TScriptedDialogs &dialogs, const QMap<QString, QString> &values,
                 bool ok)
{
    auto *view = editor->findChild<TReportListView *>(u"DataListView"_s);
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        const int row = Column(view, 0).indexOf(it.key());
        SelectRows(view, {row});
        dialogs.FFileAnswers.append(QStringList{it.value()});
        editor->findChild<QPushButton *>(u"Button_Edit"_s)->click();
    }
    editor->findChild<QPushButton *>(ok ? u"Button_OK"_s : u"Button_Cancel"_s)->click();
}

/// Sets a date and a time field of a window.
void SetPicked(QWidget *window, const QString &date, const QString &time, const QDateTime &value)
{
    window->findChild<QDateEdit *>(date)->setDate(value.date());
    window->findChild<QTimeEdit *>(time)->setTime(value.time());
}

QDateTime Picked(QWidget *window, const QString &date, const QString &time)
{
    return QDateTime(window->findChild<QDateEdit *>(date)->date(),
                     window->findChild<QTimeEdit *>(time)->time());
}

QStringList CalendarLines(const QString &block, const QStringList &properties)
{
    return QStringList{u"BEGIN:vcalender"_s, u"VERSION:2.0"_s, u"BEGIN:"_s + block} + properties +
           QStringList{u"END:"_s + block, u"END:vcalender"_s};
}

QDateTime At(int y, int mo, int d, int h, int mi)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi));
}

void ClickButton(QWidget *window, const QString &name)
{
    window->findChild<QAbstractButton *>(name)->click();
}

} // namespace

class TstPimTabs : public QObject
{
    Q_OBJECT
private slots:
    void newContact_data();
    void newContact();
    void contactCancel_data();
    void contactCancel();
    void utf8Contact_data();
    void utf8Contact();
    void contactLostCharacters_data();
    void contactLostCharacters();
    void deleteContacts_data();
    void deleteContacts();
    void contactSortSurvivesReload();
    void newEvent_data();
    void newEvent();
    void editEvent_data();
    void editEvent();
    void monthSteps_data();
    void monthSteps();
    void yearPicker();
    void gridPreset();
    void enteringShowsToday();
    void newTask_data();
    void newTask();
    void editTask();
    void expired_data();
    void expired();
    void eventSortSurvivesReload();
    void severalEntriesInOneFile_data();
    void severalEntriesInOneFile();
};

void TstPimTabs::newContact_data()
{
    QTest::addColumn<TValues>("values");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("lines");
    QTest::addRow("full name only") << TValues{{u"フルネーム"_s, u"山田花子"_s}} << u"山田花子.vcf"_s
                                    << QStringList{u"BEGIN:vcard"_s, u"VERSION:3.0"_s, u"FN:山田花子"_s,
                                                   u"END:vcard"_s};
    QTest::addRow("name, phone and note")
        << TValues{{u"フルネーム"_s, u"Jane Doe"_s},
                   {u"名前"_s, u"Doe;Jane"_s},
                   {u"携帯電話番号"_s, u"090-1111"_s},
                   {u"コメント"_s, u"友人"_s}}
        << u"Jane Doe.vcf"_s << QStringList{u"BEGIN:vcard"_s, u"VERSION:3.0"_s, u"tel;type=cell:090-1111"_s,
                                            u"NOTE:友人"_s,   u"N:Doe;Jane"_s,  u"FN:Jane Doe"_s,
                                            u"END:vcard"_s};
}

void TstPimTabs::newContact()
{
    QFETCH(TValues, values);
    QFETCH(QString, file);
    QFETCH(QStringList, lines);
    TFixture f;
    f.Open(u"TabButton_Address"_s);
    auto *tab = f.form->findChild<TAddressTab *>();
    QAbstractItemModelTester tester(&tab->Model());
    WhenModal<TAddressForm>([&](TAddressForm *editor) {
        QAbstractItemModelTester rowsTester(&editor->Model());
        QCOMPARE(editor->windowTitle(), u"連絡先の編集"_s);
        QCOMPARE(Column(editor->findChild<TReportListView *>(u"DataListView"_s), 0),
                 (QStringList{u"名前"_s, u"フルネーム"_s, u"役職"_s, u"所属"_s, u"携帯電話番号"_s,
                              u"会社電話番号"_s, u"自宅電話番号"_s, u"メールアドレス"_s, u"URL"_s,
                              u"会社住所"_s, u"自宅住所"_s, u"コメント"_s}));
        FillContact(editor, f.dialogs, values, true);
    });
    f.Find<QPushButton>(u"SButton_AddrNew"_s)->click();
    QCOMPARE(ReadLinesFile(f.Contacts() + file), lines);
    QVERIFY(f.dialogs.Texts(u"input"_s).contains(u"フルネーム の編集|テキストを入力してください"_s));
    // The list was reloaded with the new card.
    QCOMPARE(Column(f.List(u"AddressListView"_s), 0), QStringList{file});
    QCOMPARE(f.form->StatusText(1), u"アドレス帳を読み込みました"_s);
}

void TstPimTabs::contactCancel_data()
{
    QTest::addColumn<bool>("existing");
    QTest::addRow("new contact") << false;
    QTest::addRow("existing contact by double click") << true;
}

void TstPimTabs::contactCancel()
{
    QFETCH(bool, existing);
    TFixture f;
    ContactFile(f.Contacts(), u"a.vcf"_s,
                {u"BEGIN:VCARD"_s, u"VERSION:2.1"_s, u"FN:阿部"_s, u"NOTE:古い"_s, u"END:VCARD"_s});
    const auto before = f.Snapshot();
    f.Open(u"TabButton_Address"_s);
    TReportListView *list = f.List(u"AddressListView"_s);
    QString shownNote;
    WhenModal<TAddressForm>([&](TAddressForm *editor) {
        shownNote = editor->Record().Note;
        FillContact(editor, f.dialogs, {{u"フルネーム"_s, u"別人"_s}, {u"コメント"_s, u"新しい"_s}}, false);
    });
    if (existing) {
        SelectRows(list, {0});
        emit list->doubleClicked(list->model()->index(0, 0));
        QCOMPARE(shownNote, u"古い"_s);
    } else {
        f.Find<QPushButton>(u"SButton_AddrNew"_s)->click();
    }
    QTRY_VERIFY(!QApplication::activeModalWidget());
    QCOMPARE(f.Snapshot(), before);
}

void TstPimTabs::utf8Contact_data()
{
    QTest::addColumn<bool>("utf8");
    QTest::addRow("UTF-8 card stays UTF-8") << true;
    QTest::addRow("Shift-JIS card stays Shift-JIS") << false;
}

void TstPimTabs::utf8Contact()
{
    QFETCH(bool, utf8);
    TFixture f;
    const QString path = ContactFile(
        f.Contacts(), u"phone.vcf"_s,
        {u"BEGIN:VCARD"_s, u"VERSION:3.0"_s, u"FN:山田太郎"_s, u"TEL;TYPE=CELL:090"_s, u"END:VCARD"_s}, utf8);
    f.Open(u"TabButton_Address"_s);
    TReportListView *list = f.List(u"AddressListView"_s);
    QCOMPARE(Column(list, 1), QStringList{u"山田太郎"_s});
    WhenModal<TAddressForm>([&](TAddressForm *editor) {
        QCOMPARE(editor->Record().CellPhone, u"090"_s);
        FillContact(editor, f.dialogs, {{u"コメント"_s, u"大学の友人"_s}}, true);
    });
    SelectRows(list, {0});
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(ReadLinesFile(path, utf8),
             (QStringList{u"BEGIN:VCARD"_s, u"VERSION:3.0"_s, u"NOTE:大学の友人"_s, u"FN:山田太郎"_s,
                          u"tel;type=cell:090"_s, u"END:VCARD"_s}));
    QCOMPARE(Column(list, 2), QStringList{u"大学の友人"_s});
}

void TstPimTabs::contactLostCharacters_data()
{
    QTest::addColumn<bool>("utf8");
    QTest::addColumn<TDialogAnswer>("answer");
    QTest::addColumn<QString>("note"); // in the file afterwards; empty: the file as it was
    QTest::addRow("Shift-JIS card, No goes back to the editor") << false << TDialogAnswer::No << QString();
    QTest::addRow("Shift-JIS card, Yes writes ?") << false << TDialogAnswer::Yes << u"Caf? ?"_s;
    QTest::addRow("UTF-8 card holds them, nothing asked") << true << TDialogAnswer::Yes << u"Café 한"_s;
}

void TstPimTabs::contactLostCharacters()
{
    QFETCH(bool, utf8);
    QFETCH(TDialogAnswer, answer);
    QFETCH(QString, note);
    TFixture f;
    const QString path = ContactFile(
        f.Contacts(), u"a.vcf"_s, {u"BEGIN:VCARD"_s, u"VERSION:3.0"_s, u"FN:阿部"_s, u"END:VCARD"_s}, utf8);
    const auto before = f.Snapshot();
    f.dialogs.FAnswers = {answer};
    f.Open(u"TabButton_Address"_s);
    TReportListView *list = f.List(u"AddressListView"_s);
    bool stayed = false;
    WhenModal<TAddressForm>([&](TAddressForm *editor) {
        FillContact(editor, f.dialogs, {{u"コメント"_s, u"Café 한"_s}}, true);
        stayed = editor->isVisible();
        if (stayed) {
            QCOMPARE(editor->Record().Note, u"Café 한"_s); // what was typed is still there to change
            editor->findChild<QPushButton *>(u"Button_Cancel"_s)->click();
        }
    });
    SelectRows(list, {0});
    QTest::keyClick(list, Qt::Key_Return);
    QTRY_VERIFY(!QApplication::activeModalWidget());
    QCOMPARE(
        f.dialogs.Texts(u"yesno"_s),
        utf8 ? QStringList()
             : QStringList{u"次の文字はShift-JISにないため「?」に置き換わります: é 한\n保存しますか？"_s});
    QCOMPARE(stayed, answer == TDialogAnswer::No);
    if (note.isEmpty()) {
        QCOMPARE(f.Snapshot(), before);
        return;
    }
    QVERIFY(ReadLinesFile(path, utf8).contains(u"NOTE:"_s + note));
    // The list shows what the player now holds.
    QCOMPARE(Column(list, 2), QStringList{note});
}

void TstPimTabs::deleteContacts_data()
{
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<QList<TDialogAnswer>>("answers");
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<QStringList>("asked");
    QTest::addColumn<QStringList>("warned");
    QTest::addRow("two, confirmed, read-only too")
        << QList<int>{0, 2} << QList<TDialogAnswer>{TDialogAnswer::Yes} << QStringList{u"b.vcf"_s}
        << QStringList{u"[ a.vcf ]を削除してもよろしいですか？"_s} << QStringList();
    QTest::addRow("refused") << QList<int>{1} << QList<TDialogAnswer>{TDialogAnswer::No}
                             << QStringList{u"a.vcf"_s, u"b.vcf"_s, u"c.vcf"_s}
                             << QStringList{u"[ b.vcf ]を削除してもよろしいですか？"_s} << QStringList();
    QTest::addRow("nothing selected")
        << QList<int>{} << QList<TDialogAnswer>{} << QStringList{u"a.vcf"_s, u"b.vcf"_s, u"c.vcf"_s}
        << QStringList() << QStringList{u"ファイルが選択されていませんので削除できません"_s};
}

void TstPimTabs::deleteContacts()
{
    QFETCH(QList<int>, rows);
    QFETCH(QList<TDialogAnswer>, answers);
    QFETCH(QStringList, left);
    QFETCH(QStringList, asked);
    QFETCH(QStringList, warned);
    TFixture f;
    for (const QString &name : {u"a"_s, u"b"_s, u"c"_s})
        ContactFile(f.Contacts(), name + u".vcf"_s,
                    {u"BEGIN:vcard"_s, u"VERSION:3.0"_s, u"FN:"_s + name, u"END:vcard"_s});
    QFile(f.Contacts() + u"c.vcf"_s).setPermissions(QFileDevice::ReadOwner);
    f.Open(u"TabButton_Address"_s);
    TReportListView *list = f.List(u"AddressListView"_s);
    SelectRows(list, rows);
    f.dialogs.FAnswers = answers;
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(QDir(f.Contacts()).entryList(QDir::Files), left);
    QCOMPARE(f.dialogs.Texts(u"yesno"_s), asked);
    QCOMPARE(f.dialogs.Texts(u"warning"_s), warned);
    QCOMPARE(Column(list, 0), left);
}

void TstPimTabs::contactSortSurvivesReload()
{
    TFixture f;
    // File names and full names in opposite orders.
    ContactFile(f.Contacts(), u"1.vcf"_s, {u"BEGIN:vcard"_s, u"VERSION:3.0"_s, u"FN:c"_s, u"END:vcard"_s});
    ContactFile(f.Contacts(), u"2.vcf"_s, {u"BEGIN:vcard"_s, u"VERSION:3.0"_s, u"FN:b"_s, u"END:vcard"_s});
    ContactFile(f.Contacts(), u"3.vcf"_s, {u"BEGIN:vcard"_s, u"VERSION:3.0"_s, u"FN:a"_s, u"END:vcard"_s});
    f.Open(u"TabButton_Address"_s);
    TReportListView *list = f.List(u"AddressListView"_s);
    QAbstractItemModelTester tester(list->model());
    QCOMPARE(Column(list, 1), (QStringList{u"a"_s, u"b"_s, u"c"_s}));
    QTest::mouseClick(list->horizontalHeader()->viewport(), Qt::LeftButton, {},
                      QPoint(list->horizontalHeader()->sectionViewportPosition(0) + 5, 5));
    QCOMPARE(Column(list, 0), (QStringList{u"1.vcf"_s, u"2.vcf"_s, u"3.vcf"_s}));
    QCOMPARE(list->model()->headerData(0, Qt::Horizontal).toString(), u"ファイル名▲"_s);
    list->ReportModel()->ColumnClick(0);
    QCOMPARE(list->model()->headerData(0, Qt::Horizontal).toString(), u"ファイル名▼"_s);
    f.form->Session().LoadContacts();
    QCOMPARE(Column(list, 0), (QStringList{u"3.vcf"_s, u"2.vcf"_s, u"1.vcf"_s}));
    QCOMPARE(list->model()->headerData(0, Qt::Horizontal).toString(), u"ファイル名▼"_s);

    // A card added and one removed while "2.vcf" is selected: the selection stays on it, no reset.
    list->SelectItem(list->ReportModel()->ItemOfRow(1));
    QSignalSpy resets(list->model(), &QAbstractItemModel::modelReset);
    ContactFile(f.Contacts(), u"4.vcf"_s, {u"BEGIN:vcard"_s, u"VERSION:3.0"_s, u"FN:d"_s, u"END:vcard"_s});
    QVERIFY(QFile::remove(f.Contacts() + u"3.vcf"_s));
    f.form->Session().LoadContacts();
    QCOMPARE(Column(list, 0), (QStringList{u"4.vcf"_s, u"2.vcf"_s, u"1.vcf"_s}));
    QCOMPARE(resets.size(), 0);
    QCOMPARE(list->selectionModel()->selectedRows().size(), 1);
    QCOMPARE(list->selectionModel()->selectedRows().first().data().toString(), u"2.vcf"_s);
}

void TstPimTabs::newEvent_data()
{
    QTest::addColumn<bool>("useEnd");
    QTest::addColumn<bool>("useAlarm");
    QTest::addColumn<int>("priority");
    QTest::addColumn<QStringList>("lines");
    QTest::addRow("summary and start, PRIORITY 0")
        << false << false << 0
        << CalendarLines(u"vevent"_s, {u"PRIORITY:0"_s, u"DTSTART:20050320T091600"_s, u"SUMMARY:会議"_s});
    QTest::addRow("end and alarm copied from the start")
        << true << true << 3
        << CalendarLines(u"vevent"_s,
                         {u"PRIORITY:3"_s, u"DALARM:20050320T091600"_s, u"DTEND:20050320T091600"_s,
                          u"DTSTART:20050320T091600"_s, u"SUMMARY:会議"_s});
}

void TstPimTabs::newEvent()
{
    QFETCH(bool, useEnd);
    QFETCH(bool, useAlarm);
    QFETCH(int, priority);
    QFETCH(QStringList, lines);
    TFixture f;
    f.Open(u"TabButton_Cal"_s);
    auto *tab = f.form->findChild<TCalendarTab *>();
    QAbstractItemModelTester tester(&tab->Model());
    for (int round = 0; round < 2; ++round) {
        WhenModal<TScheduleForm>([&](TScheduleForm *editor) {
            QCOMPARE(editor->findChild<QComboBox *>(u"ComboBox_Summary"_s)->currentText(), QString());
            QCOMPARE(editor->findChild<QLabel *>(u"Label_Priority"_s)->text(),
                     u"現在の重要度は [ 0 ] です"_s);
            editor->findChild<QComboBox *>(u"ComboBox_Summary"_s)->setCurrentText(u"会議"_s);
            editor->findChild<QSlider *>(u"TrackBar_Priority"_s)->setValue(priority);
            QCOMPARE(editor->findChild<QLabel *>(u"Label_Priority"_s)->text(),
                     u"現在の重要度は [ %1 ] です"_s.arg(priority));
            SetPicked(editor, u"DatePick_Start"_s, u"TimePick_Start"_s, At(2005, 3, 20, 9, 16));
            editor->findChild<QCheckBox *>(u"CheckBox_EndTime"_s)->setChecked(useEnd);
            editor->findChild<QCheckBox *>(u"CheckBox_UseAlarm"_s)->setChecked(useAlarm);
            ClickButton(editor, u"SButton_EndCopy"_s);
            ClickButton(editor, u"SButton_AlarmCopy"_s);
            QCOMPARE(Picked(editor, u"DatePick_Alarm"_s, u"TimePick_Alarm"_s), At(2005, 3, 20, 9, 16));
            ClickButton(editor, u"Button_OK"_s);
        });
        ClickButton(f.form.get(), u"SButton_CalNew"_s);
    }
    // The same start twice: two files, numbered.
    QCOMPARE(ReadLinesFile(f.Calendars() + u"20050320T091600_0.ics"_s, true), lines);
    QCOMPARE(ReadLinesFile(f.Calendars() + u"20050320T091600_1.ics"_s, true), lines);
    TReportListView *list = f.List(u"CalendarListView"_s);
    QCOMPARE(Column(list, 2), (QStringList{u"2005/03/20 09:16"_s, u"2005/03/20 09:16"_s}));
    QVERIFY(list->isColumnHidden(1));
    QCOMPARE(f.form->StatusText(1), u"スケジュールを読み込みました"_s);
}

void TstPimTabs::editEvent_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<QStringList>("after");
    const QStringList before =
        CalendarLines(u"vevent"_s, {u"SUMMARY:誕生日"_s, u"DTSTART:20050320T091600"_s,
                                    u"DTEND:20050320T101600"_s, u"DESCRIPTION:友人"_s, u"X-OTHER:keep"_s});
    QTest::addRow("end switched off removes DTEND")
        << true
        << CalendarLines(u"vevent"_s, {u"PRIORITY:0"_s, u"SUMMARY:誕生日"_s, u"DTSTART:20050320T091600"_s,
                                       u"DESCRIPTION:友人"_s, u"X-OTHER:keep"_s});
    QTest::addRow("cancel leaves the file") << false << before;
}

void TstPimTabs::editEvent()
{
    QFETCH(bool, confirm);
    QFETCH(QStringList, after);
    TFixture f;
    const QString path = WriteLinesFile(
        f.Calendars(), u"e.ics"_s,
        CalendarLines(u"vevent"_s, {u"SUMMARY:誕生日"_s, u"DTSTART:20050320T091600"_s,
                                    u"DTEND:20050320T101600"_s, u"DESCRIPTION:友人"_s, u"X-OTHER:keep"_s}),
        true);
    const QByteArray before = ReadFixtureFile(path);
    f.Open(u"TabButton_Cal"_s);
    TReportListView *list = f.List(u"CalendarListView"_s);
    QCOMPARE(Column(list, 0), QStringList{u"誕生日"_s});
    WhenModal<TScheduleForm>([&](TScheduleForm *editor) {
        QCOMPARE(editor->findChild<QComboBox *>(u"ComboBox_Summary"_s)->currentText(), u"誕生日"_s);
        QCOMPARE(Picked(editor, u"DatePick_End"_s, u"TimePick_End"_s), At(2005, 3, 20, 10, 16));
        auto *end = editor->findChild<QCheckBox *>(u"CheckBox_EndTime"_s);
        QVERIFY(end->isChecked());
        end->setChecked(false);
        ClickButton(editor, confirm ? u"Button_OK"_s : u"Button_Cancel"_s);
    });
    SelectRows(list, {0});
    emit list->doubleClicked(list->model()->index(0, 0));
    QTRY_VERIFY(!QApplication::activeModalWidget());
    if (confirm)
        QCOMPARE(ReadLinesFile(path, true), after);
    else
        QCOMPARE(ReadFixtureFile(path), before);
}

void TstPimTabs::monthSteps_data()
{
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QString>("label");
    QTest::addRow("31 January to the end of February")
        << QDate(2005, 1, 31) << u"SpeedButton3"_s << QDate(2005, 2, 28) << u"2005年02月"_s;
    QTest::addRow("leap year") << QDate(2004, 1, 31) << u"SpeedButton3"_s << QDate(2004, 2, 29)
                               << u"2004年02月"_s;
    QTest::addRow("30 April back to 30 March")
        << QDate(2005, 4, 30) << u"SpeedButton2"_s << QDate(2005, 3, 30) << u"2005年03月"_s;
    QTest::addRow("December to January")
        << QDate(2005, 12, 15) << u"SpeedButton3"_s << QDate(2006, 1, 15) << u"2006年01月"_s;
}

void TstPimTabs::monthSteps()
{
    QFETCH(QDate, from);
    QFETCH(QString, button);
    QFETCH(QDate, to);
    QFETCH(QString, label);
    TFixture f;
    f.Open(u"TabButton_Cal"_s);
    auto *tab = f.form->findChild<TCalendarTab *>();
    f.Find<QTabWidget>(u"CalendarPages"_s)->setCurrentIndex(1);
    tab->SetCalendarDate(from);
    ClickButton(f.form.get(), button);
    QCOMPARE(f.Find<QCalendarWidget>(u"CalendarGraph"_s)->selectedDate(), to);
    for (const QString &picker : {u"Picker_Year"_s, u"Picker_Month"_s, u"Picker_Day"_s})
        QCOMPARE(f.Find<QDateEdit>(picker)->date(), to);
    QCOMPARE(f.Find<QLabel>(u"YearMonthLabel"_s)->text(), label);
}

void TstPimTabs::yearPicker()
{
    TFixture f;
    f.Open(u"TabButton_Cal"_s);
    auto *tab = f.form->findChild<TCalendarTab *>();
    f.Find<QTabWidget>(u"CalendarPages"_s)->setCurrentIndex(1);
    tab->SetCalendarDate(QDate(2005, 5, 15));
    auto *year = f.Find<QDateEdit>(u"Picker_Year"_s);
    QCOMPARE(year->text(), u"2005年"_s);
    year->setFocus();
    QTest::keyClick(year, Qt::Key_Up);
    QCOMPARE(f.Find<QCalendarWidget>(u"CalendarGraph"_s)->selectedDate(), QDate(2006, 5, 15));
    QCOMPARE(f.Find<QDateEdit>(u"Picker_Day"_s)->date(), QDate(2006, 5, 15));
    QCOMPARE(f.Find<QDateEdit>(u"Picker_Month"_s)->text(), u"05月"_s);
    QCOMPARE(f.Find<QLabel>(u"YearMonthLabel"_s)->text(), u"2006年05月"_s);
    // The grid's own changes reach the pickers.
    f.Find<QCalendarWidget>(u"CalendarGraph"_s)->setSelectedDate(QDate(2006, 5, 20));
    QCOMPARE(f.Find<QDateEdit>(u"Picker_Day"_s)->text(), u"20日"_s);
}

void TstPimTabs::gridPreset()
{
    TFixture f;
    f.Open(u"TabButton_Cal"_s);
    auto *tab = f.form->findChild<TCalendarTab *>();
    f.Find<QTabWidget>(u"CalendarPages"_s)->setCurrentIndex(1);
    tab->SetCalendarDate(QDate(2005, 5, 15));
    QDateTime start, end, alarm;
    WhenModal<TScheduleForm>([&](TScheduleForm *editor) {
        start = Picked(editor, u"DatePick_Start"_s, u"TimePick_Start"_s);
        end = Picked(editor, u"DatePick_End"_s, u"TimePick_End"_s);
        alarm = Picked(editor, u"DatePick_Alarm"_s, u"TimePick_Alarm"_s);
        ClickButton(editor, u"Button_OK"_s);
    });
    // Enter on the grid's day is its double click.
    auto *grid = f.Find<QCalendarWidget>(u"CalendarGraph"_s);
    QWidget *days = grid->findChild<QAbstractItemView *>();
    days->setFocus();
    QTest::keyClick(days, Qt::Key_Return);
    QCOMPARE(start, At(2005, 5, 15, 0, 0));
    QCOMPARE(end, start);
    QCOMPARE(alarm, start);
    QVERIFY(QFile::exists(f.Calendars() + u"20050515T000000_0.ics"_s));
}

void TstPimTabs::enteringShowsToday()
{
    TFixture f;
    f.Open(u"TabButton_Cal"_s);
    auto *pages = f.Find<QTabWidget>(u"CalendarPages"_s);
    f.form->findChild<TCalendarTab *>()->SetCalendarDate(QDate(2005, 5, 15));
    pages->setCurrentIndex(1);
    f.form->findChild<QToolButton *>(u"TabButton_ToDo"_s)->click();
    f.form->findChild<QToolButton *>(u"TabButton_Cal"_s)->click();
    QCOMPARE(pages->currentWidget()->objectName(), u"CalSheet_List"_s);
    QCOMPARE(f.Find<QCalendarWidget>(u"CalendarGraph"_s)->selectedDate(), QDate::currentDate());
}

void TstPimTabs::newTask_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("presetNow");
    QTest::addRow("button") << u"SButton_NewVTodo"_s << true;
    QTest::addRow("edit without selection") << u"SButton_EditVTodo"_s << true;
    QTest::addRow("menu without preset") << u"Action_TodoNew"_s << false;
    QTest::addRow("Ctrl+N in the list") << u"Ctrl+N"_s << false;
}

void TstPimTabs::newTask()
{
    QFETCH(QString, how);
    QFETCH(bool, presetNow);
    Q_UNUSED(presetNow); // every way starts on now
    TFixture f;
    f.Open(u"TabButton_ToDo"_s);
    auto *tab = f.form->findChild<TToDoTab *>();
    QAbstractItemModelTester tester(&tab->Model());
    for (int round = 0; round < 2; ++round) {
        WhenModal<TToDoForm>([&](TToDoForm *editor) {
            QCOMPARE(editor->windowTitle(), u"ToDo編集"_s);
            const QDateTime shown = Picked(editor, u"DatePick_Start"_s, u"TimePick_Start"_s);
            QVERIFY(qAbs(shown.secsTo(QDateTime::currentDateTime())) < 120);
            editor->findChild<QComboBox *>(u"ComboBox_Summary"_s)->setCurrentText(u"レポート"_s);
            editor->findChild<QLineEdit *>(u"Edit_Description"_s)->setText(u"第3章"_s);
            SetPicked(editor, u"DatePick_Start"_s, u"TimePick_Start"_s, At(2005, 3, 20, 9, 16));
            ClickButton(editor, u"Button_OK"_s);
        });
        if (how.startsWith(u"Action"_s))
            f.form->findChild<QAction *>(how)->trigger();
        else if (how == u"Ctrl+N"_s) {
            f.form->activateWindow(); // a shortcut reaches only the active window
            QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
            QTest::keyClick(f.List(u"TodoListView"_s), Qt::Key_N, Qt::ControlModifier);
        } else
            ClickButton(f.form.get(), how);
    }
    const QStringList lines =
        CalendarLines(u"vtodo"_s, {u"DESCRIPTION:第3章"_s, u"DTEND:20050320T091600"_s,
                                   u"DTSTART:20050320T091600"_s, u"SUMMARY:レポート"_s});
    QCOMPARE(ReadLinesFile(f.Calendars() + u"t20050320T091600_0.ics"_s, true), lines);
    QCOMPARE(ReadLinesFile(f.Calendars() + u"t20050320T091600_1.ics"_s, true), lines);
    TReportListView *list = f.List(u"TodoListView"_s);
    QCOMPARE(Column(list, 2), (QStringList{u"2005/03/20 09:16"_s, u"2005/03/20 09:16"_s}));
    QVERIFY(list->isColumnHidden(1));
    QCOMPARE(f.form->StatusText(1), u"Todoファイルを読み込みました"_s);
}

void TstPimTabs::editTask()
{
    TFixture f;
    // Written elsewhere: DTSTART differs from DTEND; the editor shows DTEND, saving makes both equal.
    const QString path =
        WriteLinesFile(f.Calendars(), u"x.ics"_s,
                       CalendarLines(u"vtodo"_s, {u"SUMMARY:支払い"_s, u"DTSTART:20050301T090000"_s,
                                                  u"DTEND:20050310T180000"_s, u"DESCRIPTION:電気代"_s}),
                       true);
    // An event in the same folder is not a task.
    WriteLinesFile(f.Calendars(), u"e.ics"_s, CalendarLines(u"vevent"_s, {u"SUMMARY:会議"_s}), true);
    f.Open(u"TabButton_ToDo"_s);
    TReportListView *list = f.List(u"TodoListView"_s);
    QCOMPARE(Column(list, 0), QStringList{u"支払い"_s});
    QCOMPARE(Column(list, 2), QStringList{u"2005/03/01 09:00"_s});
    WhenModal<TToDoForm>([&](TToDoForm *editor) {
        QCOMPARE(Picked(editor, u"DatePick_Start"_s, u"TimePick_Start"_s), At(2005, 3, 10, 18, 0));
        editor->findChild<QLineEdit *>(u"Edit_Description"_s)->clear();
        ClickButton(editor, u"Button_OK"_s);
    });
    SelectRows(list, {0});
    emit list->doubleClicked(list->model()->index(0, 0));
    QCOMPARE(ReadLinesFile(path, true),
             CalendarLines(u"vtodo"_s,
                           {u"SUMMARY:支払い"_s, u"DTSTART:20050310T180000"_s, u"DTEND:20050310T180000"_s}));
}

void TstPimTabs::expired_data()
{
    QTest::addColumn<bool>("tasks");
    QTest::addColumn<bool>("confirmThreshold");
    QTest::addColumn<QList<TDialogAnswer>>("answers");
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<QStringList>("asked");
    const QStringList all{u"after.ics"_s, u"at.ics"_s, u"before.ics"_s};
    const QStringList kept{u"after.ics"_s, u"at.ics"_s};
    for (bool tasks : {false, true}) {
        const QString kind = tasks ? u"tasks: "_s : u"events: "_s;
        const QString question = tasks
                                     ? u"1 個のタスクが既に経過済みです。削除してもよろしいですか？"_s
                                     : u"1 個のスケジュールが既に経過済みです。削除してもよろしいですか？"_s;
        QTest::addRow("%s", qPrintable(kind + u"one minute before goes"_s))
            << tasks << true << QList<TDialogAnswer>{TDialogAnswer::Ok} << kept << QStringList{question};
        QTest::addRow("%s", qPrintable(kind + u"question cancelled"_s))
            << tasks << true << QList<TDialogAnswer>{TDialogAnswer::Cancel} << all << QStringList{question};
        QTest::addRow("%s", qPrintable(kind + u"threshold cancelled"_s))
            << tasks << false << QList<TDialogAnswer>{TDialogAnswer::Ok} << all << QStringList();
    }
}

void TstPimTabs::expired()
{
    QFETCH(bool, tasks);
    QFETCH(bool, confirmThreshold);
    QFETCH(QList<TDialogAnswer>, answers);
    QFETCH(QStringList, left);
    QFETCH(QStringList, asked);
    TFixture f;
    const QString block = tasks ? u"vtodo"_s : u"vevent"_s;
    const QList<std::pair<QString, QString>> files{{u"before.ics"_s, u"20050320T091500"_s},
                                                   {u"at.ics"_s, u"20050320T091600"_s},
                                                   {u"after.ics"_s, u"20050320T091700"_s}};
    for (const auto &[name, start] : files)
        WriteLinesFile(f.Calendars(), name,
                       CalendarLines(block, {u"SUMMARY:"_s + name, u"DTSTART:"_s + start}), true);
    f.Open(tasks ? u"TabButton_ToDo"_s : u"TabButton_Cal"_s);
    f.dialogs.FAnswers = answers;
    WhenModal<TDelCalForm>([&](TDelCalForm *dialog) {
        QCOMPARE(dialog->windowTitle(), u"経過済みスケジュールの削除"_s);
        QVERIFY(qAbs(DateTimeToQDateTime(dialog->Threshold()).secsTo(QDateTime::currentDateTime())) < 120);
        ClickButton(dialog, u"SButton_SetNow"_s);
        SetPicked(dialog, u"DatePick"_s, u"TimePick"_s, At(2005, 3, 20, 9, 16));
        ClickButton(dialog, confirmThreshold ? u"Button_OK"_s : u"Button_Cancel"_s);
    });
    ClickButton(f.form.get(), tasks ? u"SButton_DeleteVTodo"_s : u"SButton_CalDel"_s);
    QCOMPARE(QDir(f.Calendars()).entryList(QDir::Files), left);
    QCOMPARE(f.dialogs.Texts(u"okcancel"_s), asked);
    QCOMPARE(f.List(tasks ? u"TodoListView"_s : u"CalendarListView"_s)->model()->rowCount(), left.size());
}

void TstPimTabs::eventSortSurvivesReload()
{
    TFixture f;
    WriteLinesFile(f.Calendars(), u"1.ics"_s,
                   CalendarLines(u"vevent"_s, {u"SUMMARY:b"_s, u"DTSTART:20050102T000000"_s}), true);
    WriteLinesFile(f.Calendars(), u"2.ics"_s,
                   CalendarLines(u"vevent"_s, {u"SUMMARY:a"_s, u"DTSTART:20050103T000000"_s}), true);
    WriteLinesFile(f.Calendars(), u"3.ics"_s,
                   CalendarLines(u"vevent"_s, {u"SUMMARY:c"_s, u"DTSTART:20050101T000000"_s}), true);
    f.Open(u"TabButton_Cal"_s);
    TReportListView *list = f.List(u"CalendarListView"_s);
    QAbstractItemModelTester tester(list->model());
    QCOMPARE(Column(list, 4), (QStringList{u"3.ics"_s, u"1.ics"_s, u"2.ics"_s}));
    QTest::mouseClick(list->horizontalHeader()->viewport(), Qt::LeftButton, {},
                      QPoint(list->horizontalHeader()->sectionViewportPosition(0) + 5, 5));
    QCOMPARE(Column(list, 0), (QStringList{u"a"_s, u"b"_s, u"c"_s}));
    QCOMPARE(list->model()->headerData(0, Qt::Horizontal).toString(), u"タイトル▲"_s);
    WriteLinesFile(f.Calendars(), u"4.ics"_s,
                   CalendarLines(u"vevent"_s, {u"SUMMARY:0"_s, u"DTSTART:20050101T000000"_s}), true);
    f.form->Session().LoadEvents();
    QCOMPARE(Column(list, 0), (QStringList{u"0"_s, u"a"_s, u"b"_s, u"c"_s}));
}

void TstPimTabs::severalEntriesInOneFile_data()
{
    QTest::addColumn<QString>("tabButton");
    QTest::addColumn<QString>("listName");
    QTest::addColumn<QString>("deleteAction");
    QTest::addColumn<int>("titleColumn");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("lines");
    const auto entries = [](const QString &kind, const QString &key) {
        QStringList lines{u"BEGIN:VCALENDAR"_s, u"VERSION:2.0"_s};
        for (int i = 1; i <= 3; ++i)
            lines << u"BEGIN:"_s + kind << u"SUMMARY:entry %1"_s.arg(i)
                  << u"%1:2027010%2T100000"_s.arg(key).arg(i) << u"END:"_s + kind;
        return lines << u"END:VCALENDAR"_s;
    };
    QTest::addRow("calendar export") << u"TabButton_Cal"_s << u"CalendarListView"_s << u"Action_CalDelete"_s
                                     << 0 << u"export.ics"_s << entries(u"VEVENT"_s, u"DTSTART"_s);
    QTest::addRow("to-dos of an export") << u"TabButton_ToDo"_s << u"TodoListView"_s << u"Action_TodoDelete"_s
                                         << 0 << u"export.ics"_s << entries(u"VTODO"_s, u"DUE"_s);
    QStringList cards;
    for (int i = 1; i <= 3; ++i)
        cards << u"BEGIN:VCARD"_s << u"VERSION:3.0"_s << u"FN:entry %1"_s.arg(i) << u"END:VCARD"_s;
    QTest::addRow("address book") << u"TabButton_Address"_s << u"AddressListView"_s << u"Action_AddrDelete"_s
                                  << 1 << u"export.vcf"_s << cards;
}

void TstPimTabs::severalEntriesInOneFile()
{
    QFETCH(QString, tabButton);
    QFETCH(QString, listName);
    QFETCH(QString, deleteAction);
    QFETCH(int, titleColumn);
    QFETCH(QString, file);
    QFETCH(QStringList, lines);
    TFixture f;
    const bool card = file.endsWith(u".vcf"_s);
    const QString path = WriteLinesFile(card ? f.Contacts() : f.Calendars(), file, lines, !card);
    const QByteArray before = ReadFixtureFile(path);
    f.Open(tabButton);
    TReportListView *list = f.List(listName);
    QAbstractItemModelTester tester(list->model());
    // Every entry of the file is listed, the future ones too.
    QCOMPARE(Column(list, titleColumn), (QStringList{u"entry 1"_s, u"entry 2"_s, u"entry 3"_s}));

    // Opening a row says first that the file holds three entries; No keeps the editor closed.
    f.dialogs.FAnswers = {TDialogAnswer::No};
    SelectRows(list, {1});
    emit list->doubleClicked(list->model()->index(1, 0));
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(
        f.dialogs.Texts(u"yesno"_s),
        QStringList{u"[ %1 ] には 3 件の項目が入っています。編集できるのはファイルの最初の項目だけで、保存"
                    u"するとこのファイルを書き換えます。編集してもよろしいですか？"_s.arg(file)});
    QCOMPARE(ReadFixtureFile(path), before);

    // Deleting a row deletes the file, and the question says so.
    f.dialogs.FCalls.clear();
    f.dialogs.FAnswers = {TDialogAnswer::Yes};
    SelectRows(list, {2});
    f.Find<QAction>(deleteAction)->trigger();
    QCOMPARE(f.dialogs.Texts(u"yesno"_s),
             QStringList{u"次のファイルには複数の項目が入っていて、ファイルごと削除されます: [ %1 ] (3 件)\n"
                         u"[ %1 ]を削除してもよろしいですか？"_s.arg(file)});
    QVERIFY(!QFileInfo::exists(path));
    QCOMPARE(list->model()->rowCount(), 0);
}

QTEST_MAIN(TstPimTabs)
#include "tst_pimtabs.moc"
