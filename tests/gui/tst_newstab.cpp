#include "app/settings.h"
#include "app/userdialogs.h"
#include "common/japanese.h"
#include "device/playerpage.h"
#include "devicefixtures.h"
#include "fakedrivetable.h"
#include "fixturefiles.h"
#include "itunesdbwriter.h"
#include "mainform/mainform.h"
#include "news/newssitemodel.h"
#include "news/newstab.h"
#include "newsfixtures.h"
#include "platform/drivetable.h"
#include "platform/mountwatcher.h"
#include "recordingprogress.h"
#include "scripteddialogs.h"
#include "session/playersession.h"
#include "widgets/reportlistview.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace Qt::Literals::StringLiterals;

namespace {
const QByteArray kFeed = R"(<?xml version="1.0" encoding="utf-8"?><rss version="2.0"><channel>
<title>テストニュース</title><link>http://n/</link><description>毎日の話題</description>
<item><title>記事その一</title><link>http://n/1</link><description>本文です</description></item>
</channel></rss>)";

/// A window over a bare iPod with a notes folder, the real tabs, scripted dialogs and a web server.
struct TFixture
{
    QTemporaryDir dir;
    TFakeDriveTable drives;
    TScriptedDialogs dialogs;
    TRecordingProgress progress;
    TMountWatcher watcher{nullptr, u"/nonexistent/mountinfo"_s};
    TTestWebServer server;
    QString settingsFile;
    QString root;

    explicit TFixture(const QStringList &sites = {})
    {
        server.AddRoute("/feed.rdf", {200, kFeed, {}, true, false});
        server.AddRoute("/gone.rdf", {404, "not here", {}, true, false});
        settingsFile = dir.filePath(u"Velmor.INI"_s);
        TKiruIPodINI ini(settingsFile);
        ini.FCopyright = true;
        ini.FTextDivide_MakeFolder = false;
        if (!sites.isEmpty())
            ini.FSiteList = sites;
        ini.Save();
        root = dir.filePath(u"player"_s);
        TITunesDBWriter db;
        db.FTracks.append(TITunesDBWriter::SampleTrack(1));
        db.AddMasterPlaylist();
        QDir().mkpath(root + u"/Notes"_s);
        db.WriteTo(root + u"/iPod_Control/iTunes/iTunesDB"_s);
        drives.Add(root, true, u"IPOD"_s, qint64(30) << 30, qint64(1536) << 20);
    }

    std::unique_ptr<TMainForm> Make()
    {
        TMainFormSetup setup;
        setup.settingsFile = settingsFile;
        setup.driveTable = &drives;
        setup.dialogs = &dialogs;
        setup.progress = &progress;
        setup.watcher = &watcher;
        setup.modelFile = QStringLiteral(SORVO_SOURCE_DIR "/data/Velmor.MCD");
        auto form = std::make_unique<TMainForm>(setup);
        return form;
    }
    QString NotesDir() const { return root + u"/Notes/"_s; }
    QStringList Notes() const { return QDir(NotesDir()).entryList(QDir::Files, QDir::Name); }
};

QString SiteLine(const QString &name, const QString &address, bool ticked)
{
    return name + u';' + address + u";Not Updated;"_s + (ticked ? u"1;"_s : u"0;"_s);
}

/// Recognises the player and shows the news tab.
TNewsTab *OpenNewsTab(TMainForm &form)
{
    form.show();
    if (!QTest::qWaitFor([&] { return !form.PlayerPage()->RecognitionPending(); }))
        return nullptr;
    form.findChild<QToolButton *>(u"TabButton_News"_s)->click();
    return form.findChild<TNewsTab *>();
}

TReportListView *List(TMainForm &form)
{
    return form.findChild<TReportListView *>(u"URLListView"_s);
}

void Click(TMainForm &form, const QString &button)
{
    form.findChild<QPushButton *>(button)->click();
}

/// What the site editor showed and how it was answered.
struct TEditorScript
{
    QString name;       // typed into "サイト名:" (null: leave as shown)
    QString address;    // typed into "パス・URL:" (null: leave as shown)
    bool accept = true; // OK, or キャンセル
    QString shownName;  // what the window showed
    QString shownAddress;
    bool okEnabled = false; // OK's state after typing
    int opened = 0;
};

/// Answers the site editor when it next appears.
void AnswerEditor(TMainForm &form, TEditorScript &script)
{
    auto *timer = new QTimer(&form);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, &form, [&form, &script, timer] {
        auto *editor = form.findChild<QDialog *>(u"TEditURLForm"_s);
        if (!editor || !editor->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        ++script.opened;
        auto *name = editor->findChild<QLineEdit *>(u"Edit_name"_s);
        auto *address = editor->findChild<QLineEdit *>(u"Edit_URL"_s);
        script.shownName = name->text();
        script.shownAddress = address->text();
        if (!script.name.isNull())
            name->setText(script.name);
        if (!script.address.isNull())
            address->setText(script.address);
        auto *ok = editor->findChild<QPushButton *>(u"Button_Ok"_s);
        script.okEnabled = ok->isEnabled();
        if (script.accept && ok->isEnabled())
            ok->click();
        else
            editor->findChild<QPushButton *>(u"Button_Cancel"_s)->click();
    });
    timer->start();
}

QStringList Captions(TMainForm &form)
{
    QStringList captions;
    for (const TSiteRow &row : form.Session().NewsSites().Rows())
        captions << row.FCaption;
    return captions;
}
} // namespace

class TstNewsTab : public QObject
{
    Q_OBJECT
private slots:
    void listShape();
    void download_data();
    void download();
    void edit_data();
    void edit();
    void siteBrowse();
    void reset_data();
    void reset();
    void remove_data();
    void remove();
    void keys();
    void dropFile();
    void survivesRestart();
};

void TstNewsTab::listShape()
{
    TFixture f;
    auto form = f.Make();
    TNewsTab *tab = OpenNewsTab(*form);
    QVERIFY(tab);
    QAbstractItemModelTester tester(&tab->Model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    TReportListView *list = List(*form);
    QCOMPARE(list->toolTip(), u"右クリックするとメニューが表示されます"_s);
    QCOMPARE(list->model()->columnCount(), 3);
    QCOMPARE(list->model()->headerData(0, Qt::Horizontal).toString(), u"サイト名"_s);
    QCOMPARE(list->model()->headerData(1, Qt::Horizontal).toString(), u"URL"_s);
    QCOMPARE(list->model()->headerData(2, Qt::Horizontal).toString(), u"最終更新"_s);
    QCOMPARE(list->columnWidth(0), 148);
    QCOMPARE(list->columnWidth(1), 255);
    QVERIFY(list->columnWidth(2) >= 105); // the last column takes the rest of the width
    // The default sites, unticked, never updated.
    QCOMPARE(list->model()->rowCount(), 5);
    QCOMPARE(list->model()->index(0, 0).data().toString(), u"日経デジタルARENA"_s);
    QCOMPARE(list->model()->index(0, 2).data().toString(), u"未更新"_s);
    QCOMPARE(list->model()->index(0, 0).data(Qt::CheckStateRole).toInt(),
             int(form->Session().NewsSites().Row(0).FTicked ? Qt::Checked : Qt::Unchecked));
    // A tick in the list is the site's tick.
    QVERIFY(list->model()->setData(list->model()->index(2, 0), Qt::Unchecked, Qt::CheckStateRole));
    QVERIFY(!form->Session().NewsSites().Row(2).FTicked);
    QVERIFY(list->model()->setData(list->model()->index(2, 0), Qt::Checked, Qt::CheckStateRole));
    QVERIFY(form->Session().NewsSites().Row(2).FTicked);
    QCOMPARE(form->findChild<QPushButton *>(u"SButton_Download"_s)->text(), u"ダウンロード "_s);
    QCOMPARE(form->findChild<QAction *>(u"D1"_s)->shortcut(), QKeySequence(Qt::Key_F9));
}

void TstNewsTab::download_data()
{
    QTest::addColumn<QStringList>("sites"); // name|route|ticked
    QTest::addColumn<QStringList>("stamped");
    QTest::addColumn<QStringList>("notes");
    QTest::addColumn<QStringList>("statusHas");
    QTest::addRow("one ticked site") << QStringList{u"速報|/feed.rdf|1"_s} << QStringList{u"速報"_s}
                                     << QStringList{u"速報.txt"_s} << QStringList{};
    QTest::addRow("unticked site skipped")
        << QStringList{u"速報|/feed.rdf|0"_s, u"朝刊|/feed.rdf|1"_s} << QStringList{u"朝刊"_s}
        << QStringList{u"朝刊.txt"_s} << QStringList{};
    QTest::addRow("failing sites named, the others go on")
        << QStringList{u"消えた|/gone.rdf|1"_s, u"速報|/feed.rdf|1"_s, u"止まった|down|1"_s}
        << QStringList{u"速報"_s} << QStringList{u"速報.txt"_s}
        << QStringList{u"[ 消えた ]を取得できませんでした"_s, u"404"_s,
                       u"[ 止まった ]を取得できませんでした"_s};
}

void TstNewsTab::download()
{
    QFETCH(QStringList, sites);
    QFETCH(QStringList, stamped);
    QFETCH(QStringList, notes);
    QFETCH(QStringList, statusHas);
    TFixture f;
    QVERIFY(f.server.Start());
    const quint16 down = UnusedLocalPort();
    QStringList lines;
    for (const QString &site : sites) {
        const QStringList parts = site.split(u'|');
        const QString url =
            parts[1] == u"down"_s ? u"http://127.0.0.1:%1/x.rdf"_s.arg(down) : f.server.Url(parts[1]);
        lines << SiteLine(parts[0], url, parts[2] == u"1"_s);
    }
    {
        TKiruIPodINI ini(f.settingsFile);
        ini.FSiteList = lines;
        ini.Save();
    }
    auto form = f.Make();
    TNewsTab *tab = OpenNewsTab(*form);
    QVERIFY(tab);
    QAbstractItemModelTester tester(&tab->Model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    Click(*form, u"SButton_Download"_s);

    QCOMPARE(f.progress.FRuns.size(), 1);
    QCOMPARE(f.progress.FRuns[0].title, u"ダウンロード状況"_s);
    QCOMPARE(f.progress.FRuns[0].maximum, int(sites.size()));
    QCOMPARE(f.Notes(), notes);
    QVERIFY(ReadFixtureFile(f.NotesDir() + notes.first()).contains(UnicodeToShiftJis(u"記事その一")));
    const QAbstractItemModel *model = List(*form)->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        const QString caption = model->index(row, 0).data().toString();
        const QString update = model->index(row, 2).data().toString();
        QCOMPARE(update != u"未更新"_s, stamped.contains(caption));
    }
    for (const QString &text : statusHas) {
        QVERIFY2(form->StatusText(1).contains(text), qPrintable(form->StatusText(1)));
        QVERIFY(f.progress.FRuns[0].labels.join(u'\n').contains(text));
    }
    QVERIFY(f.dialogs.Texts(u"error"_s).isEmpty());
}

void TstNewsTab::edit_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("selected"); // -1: none
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QString>("shownName");
    QTest::addColumn<QString>("shownAddress");
    QTest::addColumn<QStringList>("captions");
    const QStringList two{u"一"_s, u"二"_s};
    QTest::addRow("edit with nothing selected adds")
        << u"SButton_EditURL"_s << -1 << u"三"_s << true << QString() << u"http://"_s
        << QStringList{u"一"_s, u"二"_s, u"三"_s};
    QTest::addRow("edit changes the selected row") << u"SButton_EditURL"_s << 1 << u"弐"_s << true << u"二"_s
                                                   << u"file:///2"_s << QStringList{u"一"_s, u"弐"_s};
    QTest::addRow("add ignores the selection") << u"SButton_AddNewSite"_s << 0 << u"三"_s << true << QString()
                                               << u"http://"_s << QStringList{u"一"_s, u"二"_s, u"三"_s};
    QTest::addRow("cancel changes nothing")
        << u"SButton_EditURL"_s << 0 << u"変"_s << false << u"一"_s << u"file:///1"_s << two;
    QTest::addRow("no name, no OK") << u"SButton_AddNewSite"_s << -1 << QString() << true << QString()
                                    << u"http://"_s << two;
}

void TstNewsTab::edit()
{
    QFETCH(QString, button);
    QFETCH(int, selected);
    QFETCH(QString, name);
    QFETCH(bool, accept);
    QFETCH(QString, shownName);
    QFETCH(QString, shownAddress);
    QFETCH(QStringList, captions);
    TFixture f({SiteLine(u"一"_s, u"file:///1"_s, true), SiteLine(u"二"_s, u"file:///2"_s, false)});
    auto form = f.Make();
    QVERIFY(OpenNewsTab(*form));
    if (selected >= 0)
        List(*form)->SelectItem(selected);
    TEditorScript script;
    script.name = name.isNull() ? u""_s : name;
    script.accept = accept;
    AnswerEditor(*form, script);
    Click(*form, button);
    QCOMPARE(script.opened, 1);
    QCOMPARE(script.shownName, shownName);
    QCOMPARE(script.shownAddress, shownAddress);
    QCOMPARE(script.okEnabled, !name.isEmpty());
    QCOMPARE(Captions(*form), captions);
    QCOMPARE(List(*form)->model()->rowCount(), int(captions.size()));
    // An added row is unticked and never updated; an edited one keeps its tick.
    if (captions.size() > 2) {
        QVERIFY(!form->Session().NewsSites().Rows().last().FTicked);
        QCOMPARE(form->Session().NewsSites().Rows().last().FLastUpdate, u"Not Updated"_s);
    }
    QVERIFY(form->Session().NewsSites().Row(0).FTicked);
}

void TstNewsTab::siteBrowse()
{
    TFixture f;
    auto form = f.Make();
    QVERIFY(OpenNewsTab(*form));
    auto *editor = form->findChild<QDialog *>(u"TEditURLForm"_s);
    QVERIFY(editor);
    QCOMPARE(editor->windowTitle(), u"サイトの編集"_s);
    editor->findChild<QLineEdit *>(u"Edit_URL"_s)->setText(u"https://example.invalid/feed.rdf"_s);
    editor->findChild<QPushButton *>(u"SpeedButton1"_s)->click();
    QCOMPARE(f.dialogs.FOpened, QStringList{u"https://example.invalid/feed.rdf"_s});
}

void TstNewsTab::reset_data()
{
    QTest::addColumn<QList<TDialogAnswer>>("answers");
    QTest::addColumn<bool>("reset");
    QTest::addRow("yes") << QList<TDialogAnswer>{TDialogAnswer::Yes} << true;
    QTest::addRow("no") << QList<TDialogAnswer>{TDialogAnswer::No} << false;
    QTest::addRow("closed without answer") << QList<TDialogAnswer>{} << false;
}

void TstNewsTab::reset()
{
    QFETCH(QList<TDialogAnswer>, answers);
    QFETCH(bool, reset);
    TFixture f({SiteLine(u"一"_s, u"file:///1"_s, true)});
    auto form = f.Make();
    QVERIFY(OpenNewsTab(*form));
    f.dialogs.FAnswers = answers;
    form->findChild<QAction *>(u"PM_SiteAllDelete"_s)->trigger();
    QCOMPARE(f.dialogs.Texts(u"yesno"_s),
             QStringList{u"サイト情報をクリアして初期状態にします。よろしいですか？"_s});
    QCOMPARE(List(*form)->model()->rowCount(), reset ? 5 : 1);
    QCOMPARE(Captions(*form).first(), reset ? u"日経デジタルARENA"_s : u"一"_s);
    if (reset)
        for (const TSiteRow &row : form->Session().NewsSites().Rows())
            QVERIFY(!row.FTicked && row.FLastUpdate == u"Not Updated"_s);
}

void TstNewsTab::remove_data()
{
    QTest::addColumn<int>("selected");
    QTest::addColumn<QList<TDialogAnswer>>("answers");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<QStringList>("captions");
    QTest::addRow("nothing selected")
        << -1 << QList<TDialogAnswer>{} << u"アイテムが選択されていません"_s << QStringList{u"一"_s, u"二"_s};
    QTest::addRow("yes removes") << 1 << QList<TDialogAnswer>{TDialogAnswer::Yes} << QString()
                                 << QStringList{u"一"_s};
    QTest::addRow("no keeps") << 1 << QList<TDialogAnswer>{TDialogAnswer::No} << QString()
                              << QStringList{u"一"_s, u"二"_s};
}

void TstNewsTab::remove()
{
    QFETCH(int, selected);
    QFETCH(QList<TDialogAnswer>, answers);
    QFETCH(QString, warning);
    QFETCH(QStringList, captions);
    TFixture f({SiteLine(u"一"_s, u"file:///1"_s, true), SiteLine(u"二"_s, u"file:///2"_s, false)});
    auto form = f.Make();
    QVERIFY(OpenNewsTab(*form));
    if (selected >= 0)
        List(*form)->SelectItem(selected);
    f.dialogs.FAnswers = answers;
    form->findChild<QAction *>(u"PM_SiteDelete"_s)->trigger();
    if (warning.isEmpty())
        QCOMPARE(f.dialogs.Texts(u"yesno"_s), QStringList{u"[ 二 ]を削除してもよろしいですか？"_s});
    else
        QCOMPARE(f.dialogs.Texts(u"warning"_s), QStringList{warning});
    QCOMPARE(Captions(*form), captions);
    QCOMPARE(List(*form)->model()->rowCount(), int(captions.size()));
}

void TstNewsTab::keys()
{
    TFixture f({SiteLine(u"一"_s, u"file:///1"_s, true), SiteLine(u"二"_s, u"file:///2"_s, false)});
    auto form = f.Make();
    QVERIFY(OpenNewsTab(*form));
    QApplication::setActiveWindow(form.get());
    TReportListView *list = List(*form);
    list->setFocus();
    list->SelectItem(1);
    // Enter edits the selected row, once.
    TEditorScript script;
    script.name = u"弐"_s;
    AnswerEditor(*form, script);
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(script.opened, 1);
    QCOMPARE(Captions(*form), (QStringList{u"一"_s, u"弐"_s}));
    // Delete asks for the selected row.
    f.dialogs.FAnswers = {TDialogAnswer::Yes};
    QApplication::setActiveWindow(form.get()); // the closed editor leaves no window active offscreen
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(Captions(*form), QStringList{u"一"_s});
    // F9 downloads while the tab has the focus.
    QTest::keyClick(list, Qt::Key_F9);
    QCOMPARE(f.progress.FRuns.size(), 1);
    QCOMPARE(form->CurrentPage(), int(pgNews));
}

void TstNewsTab::dropFile()
{
    TFixture f({SiteLine(u"一"_s, u"file:///1"_s, true)});
    auto form = f.Make();
    QVERIFY(OpenNewsTab(*form));
    const QString file = f.dir.filePath(u"page.html"_s);
    QVERIFY(WriteFixtureFile(file, "<html><body>x</body></html>"));
    TEditorScript script;
    AnswerEditor(*form, script);
    form->DropFiles({file});
    QCOMPARE(script.opened, 1);
    QCOMPARE(script.shownName, u"不明なニュース"_s);
    QCOMPARE(script.shownAddress, file);
    QCOMPARE(List(*form)->model()->rowCount(), 2);
    QCOMPARE(List(*form)->model()->index(1, 1).data().toString(), file);
    QCOMPARE(List(*form)->CurrentItem(), 1);
}

void TstNewsTab::survivesRestart()
{
    TFixture f({SiteLine(u"一"_s, u"file:///1"_s, false)});
    {
        auto form = f.Make();
        QVERIFY(OpenNewsTab(*form));
        TEditorScript script;
        script.name = u"追加"_s;
        script.address = u"http://127.0.0.1/a.rdf"_s;
        AnswerEditor(*form, script);
        Click(*form, u"SButton_AddNewSite"_s);
        QAbstractItemModel *model = List(*form)->model();
        QVERIFY(model->setData(model->index(1, 0), Qt::Checked, Qt::CheckStateRole));
    }
    auto form = f.Make();
    QVERIFY(OpenNewsTab(*form));
    QCOMPARE(Captions(*form), (QStringList{u"一"_s, u"追加"_s}));
    QCOMPARE(form->Session().NewsSites().Row(1).FAddress, u"http://127.0.0.1/a.rdf"_s);
    QVERIFY(form->Session().NewsSites().Row(1).FTicked);
    QVERIFY(!form->Session().NewsSites().Row(0).FTicked);
    QCOMPARE(List(*form)->model()->index(1, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
}

QTEST_MAIN(TstNewsTab)
#include "tst_newstab.moc"
