#include "app/settings.h"
#include "app/testprogress.h"
#include "app/userdialogs.h"
#include "devicefixtures.h"
#include "fixturefiles.h"
#include "itunesdbwriter.h"
#include "mainform/mainform.h"
#include "mainform/tabs.h"
#include "notefiles.h"
#include "pim/addressform.h"
#include "pim/addresstab.h"
#include "platform/drivetable.h"
#include "platform/mountwatcher.h"
#include "widgets/reportlistview.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QHeaderView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
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
        CreateTabPages(*form);
        form->show();
        QTRY_VERIFY(!form->FAutoRecognize);
        QVERIFY(form->Connected());
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
    void deleteContacts_data();
    void deleteContacts();
    void contactSortSurvivesReload();
};

void TstPimTabs::newContact_data()
{
    QTest::addColumn<TValues>("values");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("lines");
    QTest::addRow("full name only") << TValues{{u"フルネーム"_s, u"山田花子"_s}}
                                    << u"山田花子.vcf"_s
                                    << QStringList{u"BEGIN:vcard"_s, u"VERSION:3.0"_s, u"FN:山田花子"_s,
                                                   u"END:vcard"_s};
    QTest::addRow("name, phone and note")
        << TValues{{u"フルネーム"_s, u"Jane Doe"_s},
                                  {u"名前"_s, u"Doe;Jane"_s},
                                  {u"携帯電話番号"_s, u"090-1111"_s},
                                  {u"コメント"_s, u"友人"_s}}
        << u"Jane Doe.vcf"_s
        << QStringList{u"BEGIN:vcard"_s,           u"VERSION:3.0"_s, u"tel;type=cell:090-1111"_s,
                       u"NOTE:友人"_s,             u"N:Doe;Jane"_s,  u"FN:Jane Doe"_s,
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
    const QString path = ContactFile(f.Contacts(), u"phone.vcf"_s,
                                     {u"BEGIN:VCARD"_s, u"VERSION:3.0"_s, u"FN:山田太郎"_s,
                                      u"TEL;TYPE=CELL:090"_s, u"END:VCARD"_s},
                                     utf8);
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
    f.form->LoadTabData(TTabCode::Contacts);
    QCOMPARE(Column(list, 0), (QStringList{u"3.vcf"_s, u"2.vcf"_s, u"1.vcf"_s}));
    QCOMPARE(list->model()->headerData(0, Qt::Horizontal).toString(), u"ファイル名▼"_s);
}

QTEST_MAIN(TstPimTabs)
#include "tst_pimtabs.moc"
