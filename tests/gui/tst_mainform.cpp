#include "app/commandline.h"
#include "app/settings.h"
#include "app/userdialogs.h"
#include "common/format.h"
#include "common/sorvoerror.h"
#include "demoplayer.h"
#include "device/kiruipod.h"
#include "device/playerpage.h"
#include "devicefixtures.h"
#include "fakedrivetable.h"
#include "fixturefiles.h"
#include "itunesdbwriter.h"
#include "mainform/mainform.h"
#include "platform/drivetable.h"
#include "platform/mountwatcher.h"
#include "recordingprogress.h"
#include "scripteddialogs.h"
#include "session/playersession.h"
#include "songplayer.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QToolButton>

using namespace Qt::Literals::StringLiterals;

namespace {
const QStringList kAllButtons = {u"TabButton_iPod"_s, u"TabButton_Song"_s,    u"TabButton_Memo"_s,
                                 u"TabButton_News"_s, u"TabButton_Address"_s, u"TabButton_Cal"_s,
                                 u"TabButton_ToDo"_s, u"TabButton_Photo"_s,   u"TabButton_Video"_s,
                                 u"TabButton_Debug"_s};

/// A page that counts how often it is shown and reads its list the first time only.
class TCountingPage : public TTabPage
{
public:
    using TTabPage::TTabPage;
    void Entering() override
    {
        ++FEntered;
        if (!FLoaded) {
            ++FLoads;
            FLoaded = true;
        }
    }
    void ClearList() { FLoaded = false; }
    int FEntered = 0;
    int FLoads = 0;
    bool FLoaded = false;
};

/// A page whose list cannot be read.
class TFailingPage : public TTabPage
{
public:
    using TTabPage::TTabPage;
    void Entering() override { throw ESorvoError(u"メモを読めません"_s); }
};

/// One window over a player in a temporary folder, with scripted dialogs.
struct TFixture
{
    QTemporaryDir dir;
    TFakeDriveTable drives;
    TScriptedDialogs dialogs;
    TRecordingProgress progress;
    TMountWatcher watcher{nullptr, u"/nonexistent/mountinfo"_s};
    QString settingsFile;
    QString root;

    explicit TFixture(bool accepted = true, const QString &playerFolder = u"player"_s)
    {
        settingsFile = dir.filePath(u"Velmor.INI"_s);
        TKiruIPodINI ini(settingsFile);
        ini.FCopyright = accepted;
        ini.Save();
        root = dir.filePath(playerFolder);
        QDir().mkpath(root);
        // 30 GiB and a little less than one MiB more: the panel truncates to 30,720 MB.
        drives.Add(root, true, u"IPOD"_s, (qint64(30) << 30) + (1 << 20) - 1, qint64(1536) << 20);
    }

    /// The window with its real pages; `progress` false: the real progress window.
    std::unique_ptr<TMainForm> Make(bool debug = false, bool recordProgress = true)
    {
        TMainFormSetup setup;
        setup.settingsFile = settingsFile;
        setup.driveTable = &drives;
        setup.dialogs = &dialogs;
        setup.progress = recordProgress ? &progress : nullptr;
        setup.watcher = &watcher;
        setup.modelFile = QStringLiteral(SORVO_SOURCE_DIR "/data/Velmor.MCD");
        setup.manualFile = dir.filePath(u"manual/index.html"_s);
        setup.debugMode = debug;
        auto form = std::make_unique<TMainForm>(setup);
        return form;
    }

    /// A player with only a song database: the standard iPod kind.
    void WriteBareIPod(bool withVideo)
    {
        TITunesDBWriter db;
        db.FTracks.append(TITunesDBWriter::SampleTrack(1));
        if (withVideo) {
            TITDBTrack video = TITunesDBWriter::SampleTrack(2);
            video.mediaType = 2;
            db.FTracks.append(video);
        }
        db.AddMasterPlaylist();
        QDir().mkpath(root + u"/Notes"_s);
        QVERIFY(db.WriteTo(root + u"/iPod_Control/iTunes/iTunesDB"_s));
    }
    void Build(const QString &kind)
    {
        if (kind == u"bare"_s)
            WriteBareIPod(false);
        else if (kind == u"bare with video"_s)
            WriteBareIPod(true);
        else if (kind == u"h10"_s)
            QVERIFY(TouchFile(root + u"/System/H10.mi4"_s));
        else if (kind == u"demo"_s)
            QCOMPARE(BuildDemoPlayer(root), QString());
        else if (kind == u"compressed"_s)
            WriteCompressedIPod();
    }
    /// A later iPod: the songs in iTunesCDB, iTunesDB left empty.
    void WriteCompressedIPod()
    {
        TITunesDBWriter db;
        db.FTracks.append(TITunesDBWriter::SampleTrack(1));
        db.AddMasterPlaylist();
        db.FCompressed = true;
        QVERIFY(db.WriteTo(root + u"/iPod_Control/iTunes/iTunesCDB"_s));
        QVERIFY(TouchFile(root + u"/iPod_Control/iTunes/iTunesDB"_s));
    }
};

QStringList VisibleButtons(TMainForm &form)
{
    QStringList visible;
    for (const QString &name : kAllButtons)
        if (!form.findChild<QToolButton *>(name)->isHidden())
            visible.append(name);
    return visible;
}

QString Text(TMainForm &form, const QString &label)
{
    return form.findChild<QLabel *>(label)->text();
}

void ShowAndRecognize(TMainForm &form)
{
    form.show();
    QTRY_VERIFY(!form.PlayerPage()->RecognitionPending());
}

/// Recognises again (after the player was written) and waits for the end.
void Recognize(TMainForm &form)
{
    form.findChild<QPushButton *>(u"SButton_Recognize"_s)->click();
    QTRY_VERIFY(!form.PlayerPage()->RecognitionPending());
}
} // namespace

class TstMainForm : public QObject
{
    Q_OBJECT
private slots:
    void startWithoutPlayer();
    void buttonsFollowFeatures_data();
    void buttonsFollowFeatures();
    void playerPanels();
    void songCountsLabelled();
    void remembersSize();
    void everyTabThenSongs();
    void statusElided_data();
    void statusElided();
    void functionKeys();
    void mountChange_data();
    void mountChange();
    void playerGoneDuringLongWork();
    void progressText_data();
    void progressText();
    void debugButton_data();
    void debugButton();
    void drops();
    void termsCancelled();
    void helpMissing();
    void resetKeepsSites();
    void debugExport();
    void damagedDatabase();
    void loaderError();
    void removeFolderPlayer();
    void autoDownloadNews();
    void folderPlayerVanishes_data();
    void folderPlayerVanishes();
    void rewrittenDatabaseKeepsPlayer();
    void longFolderPathElided();
};

void TstMainForm::startWithoutPlayer()
{
    TFixture f;
    auto form = f.Make();
    QCOMPARE(form->windowTitle(), u"Sorvo 1.72"_s);
    ShowAndRecognize(*form);
    QCOMPARE(form->StatusText(1), u"iPodが見つかりません"_s);
    QCOMPARE(form->StatusText(0), u"[接続待ち]"_s);
    QCOMPARE(Text(*form, u"Panel_Recognize"_s), u"認識できません"_s);
    QCOMPARE(VisibleButtons(*form), QStringList{u"TabButton_iPod"_s});
    QVERIFY(form->findChild<QPushButton *>(u"SButton_Recognize"_s)->isEnabled());
    QVERIFY(form->findChild<QPushButton *>(u"SButton_SpecData"_s)->isHidden());
    QCOMPARE(form->CurrentPage(), int(pgPlayer));
}

void TstMainForm::buttonsFollowFeatures_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("visible");
    const QStringList ipod = {u"TabButton_iPod"_s, u"TabButton_Song"_s,    u"TabButton_Memo"_s,
                              u"TabButton_News"_s, u"TabButton_Address"_s, u"TabButton_Cal"_s,
                              u"TabButton_ToDo"_s};
    QTest::addRow("standard iPod") << u"bare"_s << ipod;
    QTest::addRow("standard iPod holding a video")
        << u"bare with video"_s << (QStringList(ipod) << u"TabButton_Video"_s);
    QTest::addRow("iRiver H10") << u"h10"_s
                                << QStringList{u"TabButton_iPod"_s, u"TabButton_Song"_s, u"TabButton_Memo"_s,
                                               u"TabButton_News"_s};
    QTest::addRow("video model") << u"demo"_s
                                 << (QStringList(ipod) << u"TabButton_Photo"_s << u"TabButton_Video"_s);
}

void TstMainForm::buttonsFollowFeatures()
{
    QFETCH(QString, kind);
    QFETCH(QStringList, visible);
    TFixture f;
    f.Build(kind);
    auto form = f.Make();
    ShowAndRecognize(*form);
    QStringList expected;
    for (const QString &name : kAllButtons) // button order
        if (visible.contains(name))
            expected.append(name);
    QCOMPARE(VisibleButtons(*form), expected);
    QCOMPARE(form->StatusText(0), u"[接続中]"_s);
    QVERIFY(!form->findChild<QPushButton *>(u"SButton_Recognize"_s)->isEnabled());
    QVERIFY(form->findChild<QPushButton *>(u"SButton_Remove"_s)->isEnabled());
    QVERIFY(!form->findChild<QPushButton *>(u"SButton_SpecData"_s)->isHidden());
}

void TstMainForm::playerPanels()
{
    TFixture f;
    f.Build(u"demo"_s);
    auto form = f.Make();
    ShowAndRecognize(*form);
    const TPlayerInfo &device = form->Session().Player();
    QVERIFY(device.FSongCount > 0);
    QCOMPARE(Text(*form, u"Panel_Recognize"_s), u"認識されています"_s);
    QCOMPARE(Text(*form, u"Panel_IPName"_s), device.FName);
    QVERIFY(!device.FName.isEmpty());
    QCOMPARE(Text(*form, u"Panel_IPDrive"_s), QDir::toNativeSeparators(f.root + u'/'));
    QCOMPARE(Text(*form, u"Panel_IPSize"_s), FormatNumber(30720) + u" MB"_s);
    QCOMPARE(Text(*form, u"Panel_IPFreeSize"_s), FormatNumber(1536) + u" MB"_s);
    QCOMPARE(Text(*form, u"Panel_IPMusicSize"_s), FormatNumber(double(device.FSongBytes >> 20)) + u" MB"_s);
    QCOMPARE(Text(*form, u"Panel_IPMusicCount"_s), FormatNumber(device.FSongCount) + u" 曲"_s);
    QCOMPARE(form->StatusText(1),
             Format(u"iPodが[ %s ]で見つかりました"_s, {QDir::toNativeSeparators(f.root + u'/')}));
}

void TstMainForm::songCountsLabelled()
{
    TFixture f;
    QVERIFY(WriteSongPlayer(f.root, SongCountCases()));
    auto form = f.Make();
    ShowAndRecognize(*form);
    QCOMPARE(Text(*form, u"Panel_IPMusicCount"_s), u"2 曲"_s);
    QCOMPARE(Text(*form, u"Panel_IPListedSongs"_s), u"3 曲"_s);
    QVERIFY(!form->findChild<QLabel *>(u"Label_IPMusicCount"_s)->toolTip().isEmpty());
    form->ShowTab(pgSongs);
    QTRY_COMPARE(form->findChild<QAbstractItemView *>(u"SongListView"_s)->model()->rowCount(), 3);
}

void TstMainForm::functionKeys()
{
    TFixture f;
    auto form = f.Make();
    auto *songs = new TCountingPage(form->Context());
    form->RegisterTabPage(pgSongs, songs);
    ShowAndRecognize(*form);

    // No player: the song button is hidden and F2 does nothing.
    QTest::keyClick(form.get(), Qt::Key_F2);
    QCOMPARE(form->CurrentPage(), int(pgPlayer));
    QCOMPARE(songs->FEntered, 0);

    f.Build(u"bare"_s);
    Recognize(*form);
    QTest::keyClick(form.get(), Qt::Key_F2);
    QCOMPARE(form->CurrentPage(), int(pgSongs));
    QVERIFY(form->findChild<QToolButton *>(u"TabButton_Song"_s)->isChecked());
    QCOMPARE(songs->FLoads, 1);

    // Back and again: the list is read once.
    QTest::keyClick(form.get(), Qt::Key_F1);
    QCOMPARE(form->CurrentPage(), int(pgPlayer));
    QTest::mouseClick(form->findChild<QToolButton *>(u"TabButton_Song"_s), Qt::LeftButton);
    QCOMPARE(form->CurrentPage(), int(pgSongs));
    QCOMPARE(songs->FLoads, 1);
    // A click on the button already down takes the page up again once.
    const int entered = songs->FEntered;
    QTest::mouseClick(form->findChild<QToolButton *>(u"TabButton_Song"_s), Qt::LeftButton);
    QCOMPARE(songs->FEntered, entered + 1);

    // An assistive tool toggles the button without a click: the page switches.
    QTest::keyClick(form.get(), Qt::Key_F1);
    form->findChild<QToolButton *>(u"TabButton_Song"_s)->toggle();
    QCOMPARE(form->CurrentPage(), int(pgSongs));
    QCOMPARE(songs->FLoads, 1);
    songs->ClearList();
    QTest::keyClick(form.get(), Qt::Key_F1);
    form->findChild<QToolButton *>(u"TabButton_Song"_s)->toggle();
    QCOMPARE(songs->FLoads, 2);
}

void TstMainForm::everyTabThenSongs()
{
    // Every tab in turn through the buttons' toggle (an assistive tool's action), then back to the songs
    // by the button and by F2: the window keeps switching.
    TFixture f;
    f.Build(u"demo"_s);
    auto form = f.Make();
    ShowAndRecognize(*form);
    const QList<std::pair<const char16_t *, int>> tabs = {
        {u"TabButton_Song", pgSongs},       {u"TabButton_Memo", pgNotes},   {u"TabButton_News", pgNews},
        {u"TabButton_Address", pgContacts}, {u"TabButton_Cal", pgCalendar}, {u"TabButton_ToDo", pgToDo},
        {u"TabButton_Photo", pgPhotos},     {u"TabButton_Video", pgVideos}};
    const auto toggle = [&form](const char16_t *name) {
        auto *button = form->findChild<QToolButton *>(QString::fromUtf16(name));
        QVERIFY(button && button->isVisible());
        button->toggle();
    };
    for (int round = 0; round < 2; ++round) {
        for (const auto &[name, page] : tabs) {
            toggle(name);
            QCOMPARE(form->CurrentPage(), page);
        }
        toggle(u"TabButton_Song");
        QCOMPARE(form->CurrentPage(), int(pgSongs));
        toggle(u"TabButton_Video");
        QCOMPARE(form->CurrentPage(), int(pgVideos));
        QTest::keyClick(form.get(), Qt::Key_F2);
        QCOMPARE(form->CurrentPage(), int(pgSongs));
    }
}

void TstMainForm::mountChange_data()
{
    QTest::addColumn<bool>("remove");
    QTest::addRow("player still there") << false;
    QTest::addRow("player gone") << true;
}

void TstMainForm::mountChange()
{
    QFETCH(bool, remove);
    TFixture f;
    f.Build(u"demo"_s);
    auto form = f.Make();
    ShowAndRecognize(*form);
    const QString found = form->StatusText(1);
    form->ShowTab(pgSongs);
    if (remove)
        QVERIFY(QDir(f.root + u"/iPod_Control"_s).removeRecursively());
    f.watcher.NotifyChange();
    if (!remove) {
        QCOMPARE(form->StatusText(0), u"[接続中]"_s);
        QCOMPARE(form->CurrentPage(), int(pgSongs));
        return;
    }
    QCOMPARE(form->StatusText(0), u"[接続待ち]"_s);
    QCOMPARE(form->StatusText(1), u"iPodは取り外されました"_s);
    QCOMPARE(form->CurrentPage(), int(pgPlayer));
    QCOMPARE(VisibleButtons(*form), QStringList{u"TabButton_iPod"_s});
    QVERIFY(form->Session().Player().FRoot.isEmpty());
    QCOMPARE(form->Session().Songs().Count(), 0);
    QCOMPARE(form->findChild<QAbstractItemView *>(u"SongListView"_s)->model()->rowCount(), 0);
    // A second change, with nothing recognised, leaves the window alone.
    form->SetStatusText(u"x"_s);
    f.watcher.NotifyChange();
    QCOMPARE(form->StatusText(1), u"x"_s);
}

void TstMainForm::playerGoneDuringLongWork()
{
    // The player goes while work runs beside the window: the window lets it go at once, and the work
    // goes on over the database it started with.
    TFixture f;
    f.Build(u"demo"_s);
    auto form = f.Make(false, false);
    ShowAndRecognize(*form);
    const int songs = form->Session().Songs().Count();
    QVERIFY(songs > 0);
    std::atomic<bool> lost{false};
    connect(&form->Session(), &TPlayerSession::playerLost, form.get(), [&] { lost = true; });
    const auto database = form->Session().SharedSongs();
    int seen = 0;
    form->Progress().RunWithProgress(u"t"_s, 0, 1, [&](TProgressContext &) {
        QDir(f.root + u"/iPod_Control"_s).removeRecursively();
        QMetaObject::invokeMethod(&f.watcher, [&f] { f.watcher.NotifyChange(); });
        QElapsedTimer waited;
        waited.start();
        while (!lost && waited.elapsed() < 10000)
            QThread::msleep(1);
        seen = database->FSongs.Count();
    });
    QVERIFY(lost);
    QCOMPARE(seen, songs);
    QCOMPARE(form->StatusText(0), u"[接続待ち]"_s);
    QCOMPARE(form->Session().Songs().Count(), 0);
}

void TstMainForm::progressText_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("total");
    QTest::addColumn<QString>("shown");
    QTest::addRow("5 of 20") << 5 << 20 << u"25 % - 曲を読み込み中"_s;
    QTest::addRow("truncated") << 2 << 3 << u"66 % - 曲を読み込み中"_s;
    QTest::addRow("message alone") << 0 << 0 << u"曲を読み込み中"_s;
    QTest::addRow("no total") << 7 << 0 << u"曲を読み込み中"_s;
    QTest::addRow("large numbers") << 2000000000 << 2000000000 << u"100 % - 曲を読み込み中"_s;
}

void TstMainForm::progressText()
{
    QFETCH(int, position);
    QFETCH(int, total);
    QFETCH(QString, shown);
    TFixture f;
    auto form = f.Make();
    form->ShowProgressText(position, total, u"曲を読み込み中"_s);
    QCOMPARE(form->StatusText(1), shown);
}

void TstMainForm::debugButton_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("shown");
    QTest::addRow("-DEBUG") << QStringList{u"-DEBUG"_s} << true;
    QTest::addRow("-Debug after other options") << QStringList{u"--drive"_s, u"/x"_s, u"-Debug"_s} << true;
    QTest::addRow("none") << QStringList{} << false;
}

void TstMainForm::debugButton()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, shown);
    TFixture f;
    f.Build(u"bare"_s);
    auto form = f.Make(TCommandLine::Parse(QStringList{u"sorvo"_s} + arguments).debug);
    ShowAndRecognize(*form);
    QCOMPARE(!form->findChild<QToolButton *>(u"TabButton_Debug"_s)->isHidden(), shown);
}

void TstMainForm::drops()
{
    TFixture f;
    f.Build(u"bare"_s);
    auto form = f.Make();
    ShowAndRecognize(*form);
    QStringList files;
    for (int i = 1; i <= 3; ++i) {
        const QString path = f.dir.filePath(Format(u"メモ%d.txt"_s, {i}));
        QVERIFY(WriteFixtureFile(path, "line\r\n"));
        files.append(path);
    }

    form->ShowTab(pgSongs);
    form->DropFiles(files);
    QCOMPARE(f.dialogs.Texts(u"warning"_s),
             QStringList{u"現在の画面ではドラッグされたファイルを登録できません"_s});

    f.dialogs.FCalls.clear();
    form->ShowTab(pgNotes);
    form->DropFiles(files);
    QCOMPARE(f.dialogs.Texts(u"warning"_s), QStringList());
    QCOMPARE(f.dialogs.Texts(u"error"_s).join(u'\n'), QString());
    const QStringList notes = QDir(form->Session().Player().FNotesDir).entryList(QDir::Files, QDir::Name);
    QCOMPARE(notes, (QStringList{u"メモ1.txt"_s, u"メモ2.txt"_s, u"メモ3.txt"_s}));

    form->ShowTab(pgNews);
    const int before = int(form->Session().NewsSites().Count());
    // The site editor comes up with the dropped file; OK takes it.
    QTimer::singleShot(0, [] {
        if (QWidget *editor = QApplication::activeModalWidget())
            editor->findChild<QPushButton *>(u"Button_Ok"_s)->click();
    });
    form->DropFiles({files[0]});
    QCOMPARE(form->Session().NewsSites().Count(), before + 1);
    QCOMPARE(form->Session().NewsSites().Rows().last().FCaption, u"不明なニュース"_s);
    QCOMPARE(form->Session().NewsSites().Rows().last().FAddress, files[0]);
}

void TstMainForm::termsCancelled()
{
    for (const bool accept : {false, true}) {
        TFixture f(false);
        {
            auto form = f.Make();
            QTimer::singleShot(0, [accept] {
                QWidget *terms = QApplication::activeModalWidget();
                QVERIFY(terms);
                terms->findChild<QPushButton *>(accept ? u"Button1"_s : u"Button2"_s)->click();
            });
            QCOMPARE(form->CheckTerms(), accept);
            QCOMPARE(form->Settings().FCopyright, accept);
        }
        QCOMPARE(TKiruIPodINI(f.settingsFile).FCopyright, accept);
    }
}

void TstMainForm::helpMissing()
{
    TFixture f;
    auto form = f.Make();
    form->PlayerPage()->OpenManual();
    QCOMPARE(f.dialogs.Texts(u"warning"_s), QStringList{u"Sorvoのヘルプが見つかりません"_s});
    QVERIFY(WriteFixtureFile(f.dir.filePath(u"manual/index.html"_s), "<html></html>"));
    form->PlayerPage()->OpenManual();
    QCOMPARE(f.dialogs.FOpened, QStringList{f.dir.filePath(u"manual/index.html"_s)});
}

void TstMainForm::resetKeepsSites()
{
    TFixture f;
    f.Build(u"bare"_s);
    {
        auto form = f.Make();
        ShowAndRecognize(*form);
        QVERIFY(!form->Session().NewsSites().Rows().isEmpty());
        form->Session().NewsSites().AddSite(u"追加したサイト"_s, u"http://127.0.0.1/feed.rdf"_s);
        // The player goes: the sites are not the player's, and the added one is kept in the settings.
        QVERIFY(QDir(f.root + u"/iPod_Control"_s).removeRecursively());
        f.watcher.NotifyChange();
        QCOMPARE(form->StatusText(0), u"[接続待ち]"_s);
        QCOMPARE(form->Session().NewsSites().Rows().last().FCaption, u"追加したサイト"_s);
        QVERIFY(form->Settings().FSiteList.last().startsWith(u"追加したサイト;"_s));
    }
    QVERIFY(TKiruIPodINI(f.settingsFile).FSiteList.last().startsWith(u"追加したサイト;"_s));
}

void TstMainForm::debugExport()
{
    TFixture f;
    f.Build(u"demo"_s);
    auto form = f.Make(true);
    ShowAndRecognize(*form);
    for (const QString &name : {u"CheckBox_iTunesDB"_s, u"CheckBox_PhotoInfo"_s, u"CheckBox_FolderReport"_s,
                                u"CheckBox_InfoReport"_s})
        form->findChild<QCheckBox *>(name)->setChecked(true);
    const QString out = f.dir.filePath(u"export"_s);
    QVERIFY(QDir().mkpath(out));
    f.dialogs.FFileAnswers = {{out}};
    form->findChild<QPushButton *>(u"SButton_ExportDebugs"_s)->click();
    QCOMPARE(QDir(out).entryList(QDir::Files, QDir::Name),
             (QStringList{u"DeviceReport.txt"_s, u"FolderReport.txt"_s, u"PhotoInfo.txt"_s, u"iTunesDB"_s}));
    QCOMPARE(ReadFixtureFile(out + u"/iTunesDB"_s), ReadFixtureFile(form->Session().Player().FSongDBFile));
    QVERIFY(ReadFixtureFile(out + u"/FolderReport.txt"_s).contains("iPod_Control/iTunes/iTunesDB\t"));
    QCOMPARE(form->StatusText(1), u"4 個のファイルを書き出しました"_s);
    QVERIFY(f.dialogs.Texts(u"error"_s).isEmpty());
}

void TstMainForm::autoDownloadNews()
{
    TFixture f;
    f.Build(u"bare"_s);
    // A site on the computer is read when it is a feed (or a page).
    const QString site = f.dir.filePath(u"news.rdf"_s);
    QVERIFY(WriteFixtureFile(site, u"<?xml version=\"1.0\" encoding=\"utf-8\"?><rss><channel><title>t</title>"
                                   u"<item><title>ニュース</title></item></channel></rss>"_s.toUtf8()));
    {
        TKiruIPodINI ini(f.settingsFile);
        ini.FAutoDownLoad = true;
        ini.FSiteList = {u"テスト;"_s + site + u";Not Updated;1;"_s};
        ini.Save();
    }
    auto form = f.Make();
    ShowAndRecognize(*form);
    QTRY_COMPARE(f.progress.FRuns.size(), 1);
    QCOMPARE(f.progress.FRuns[0].title, u"ダウンロード状況"_s);
    QCOMPARE(form->Session().NewsSites().Count(), 1);
    QVERIFY(form->Session().NewsSites().Row(0).FLastUpdate != u"Not Updated"_s);
    QStringList notes;
    ListFilesBelow(form->Session().Player().FNotesDir, notes);
    QCOMPARE(notes.size(), 1);
    // The outcome is the status line's last word, not the notes list's message.
    QCOMPARE(form->StatusText(1), u"ニュースをダウンロードしました (メモ 1 件)"_s);
}

void TstMainForm::remembersSize()
{
    TFixture f;
    {
        TKiruIPodINI ini(f.settingsFile);
        ini.FMain_W = 760;
        ini.FMain_H = 520;
        ini.Save();
    }
    {
        auto form = f.Make();
        form->show();
        QCOMPARE(form->size(), QSize(760, 520));
        form->resize(700, 500);
    }
    TKiruIPodINI again(f.settingsFile);
    QCOMPARE(QSize(again.FMain_W, again.FMain_H), QSize(700, 500));
}

void TstMainForm::statusElided_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("cut");
    QTest::addRow("short") << u"メモを読み込みました"_s << false;
    QTest::addRow("long folder") << u"iPodが[ /media/"_s + QString(200, u'x') + u"/ ]で見つかりました"_s
                                 << true;
}

void TstMainForm::statusElided()
{
    QFETCH(QString, text);
    QFETCH(bool, cut);
    TFixture f;
    auto form = f.Make();
    form->show();
    const int width = form->width();
    form->SetStatusText(text);
    const QLabel *panel = form->findChild<QLabel *>(u"StatusPanel1"_s);
    QCOMPARE(form->width(), width); // never widened by the text
    QCOMPARE(panel->text().endsWith(u'…'), cut);
    QCOMPARE(panel->text() == text, !cut);
    QCOMPARE(panel->toolTip(), text);
    QCOMPARE(form->StatusText(1), text);
}

void TstMainForm::removeFolderPlayer()
{
    // A player that is a folder, not a device of its own, cannot be unmounted: the user is told.
    TFixture f;
    f.Build(u"bare"_s);
    auto form = f.Make();
    ShowAndRecognize(*form);
    form->findChild<QPushButton *>(u"SButton_Remove"_s)->click();
    QCOMPARE(f.dialogs.Texts(u"warning"_s),
             QStringList{u"iPodを取り外せませんでした。\nこのドライブは取り外せません"_s});
    QCOMPARE(form->StatusText(0), u"[接続中]"_s);
}

void TstMainForm::folderPlayerVanishes_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("how");
    QTest::addRow("folder renamed") << u"bare"_s << u"rename"_s;
    QTest::addRow("folder removed") << u"bare"_s << u"remove"_s;
    QTest::addRow("song database removed") << u"bare"_s << u"database"_s;
    QTest::addRow("h10 marker removed") << u"h10"_s << u"marker"_s;
    QTest::addRow("compressed database removed") << u"compressed"_s << u"database"_s;
}

void TstMainForm::folderPlayerVanishes()
{
    // No mount-table change comes: the window notices by itself, within two seconds.
    QFETCH(QString, kind);
    QFETCH(QString, how);
    TFixture f;
    f.Build(kind);
    auto form = f.Make();
    ShowAndRecognize(*form);
    QCOMPARE(form->StatusText(0), u"[接続中]"_s);
    form->ShowTab(pgSongs);
    const QString songDB = form->Session().Player().FSongDBFile;
    QElapsedTimer clock;
    clock.start();
    if (how == u"rename"_s)
        QVERIFY(QDir().rename(f.root, f.root + u"-moved"_s));
    else if (how == u"remove"_s)
        QVERIFY(QDir(f.root).removeRecursively());
    else if (how == u"database"_s)
        QVERIFY(QFile::remove(songDB));
    else
        QVERIFY(QFile::remove(f.root + u"/System/H10.mi4"_s));
    QTRY_COMPARE_WITH_TIMEOUT(form->StatusText(0), u"[接続待ち]"_s, 2000);
    QVERIFY(clock.elapsed() < 2000);
    QCOMPARE(form->StatusText(1), u"iPodは取り外されました"_s);
    QCOMPARE(form->CurrentPage(), int(pgPlayer));
    QCOMPARE(VisibleButtons(*form), QStringList{u"TabButton_iPod"_s});
    QVERIFY(form->Session().Player().FRoot.isEmpty());
}

void TstMainForm::rewrittenDatabaseKeepsPlayer()
{
    // The database replaced by a new file (as a sync does) is no removal; its later removal still is.
    TFixture f;
    f.Build(u"bare"_s);
    auto form = f.Make();
    ShowAndRecognize(*form);
    const QString songDB = form->Session().Player().FSongDBFile;
    const QByteArray bytes = ReadFixtureFile(songDB);
    QVERIFY(WriteFixtureFile(songDB + u".new"_s, bytes));
    QVERIFY(QFile::remove(songDB));
    QVERIFY(QFile::rename(songDB + u".new"_s, songDB));
    QTest::qWait(1500);
    QCOMPARE(form->StatusText(0), u"[接続中]"_s);
    QVERIFY(QFile::remove(songDB));
    QTRY_COMPARE_WITH_TIMEOUT(form->StatusText(0), u"[接続待ち]"_s, 2000);
}

void TstMainForm::longFolderPathElided()
{
    // Five levels of 60 characters: the path is far wider than any screen.
    QString folder = u"player"_s;
    for (int level = 0; level < 5; ++level)
        folder += u'/' + QString(60, QChar(u'a' + level));
    TFixture f(true, folder);
    f.Build(u"bare"_s);
    auto form = f.Make();
    form->show();
    const int widthWithoutPlayer = form->frameGeometry().width();
    QTRY_VERIFY(!form->PlayerPage()->RecognitionPending());
    QCOMPARE(form->StatusText(0), u"[接続中]"_s);
    const QString path = QDir::toNativeSeparators(f.root + u'/');
    auto *panel = form->findChild<QLabel *>(u"Panel_IPDrive"_s);
    QCOMPARE(panel->toolTip(), path);
    QVERIFY(panel->text().contains(u'…'));
    QVERIFY(panel->text().startsWith(path.left(4)));
    QVERIFY(panel->text().endsWith(u"eeee/"_s));
    QTRY_VERIFY(panel->fontMetrics().horizontalAdvance(panel->text()) <= panel->contentsRect().width());
    // The window grows by the field's bounded width at most, and stays inside a 1280-pixel screen.
    QVERIFY2(form->frameGeometry().width() <= widthWithoutPlayer + 360,
             qPrintable(u"%1 > %2 + 360"_s.arg(form->frameGeometry().width()).arg(widthWithoutPlayer)));
    QVERIFY(form->frameGeometry().width() <= 1280);
    QVERIFY(form->minimumSizeHint().width() <= 1280);
    // Once the player is gone the field and its tool tip are empty.
    QVERIFY(QDir(f.root).removeRecursively());
    QTRY_COMPARE_WITH_TIMEOUT(form->StatusText(0), u"[接続待ち]"_s, 2000);
    QVERIFY(panel->text().isEmpty());
    QVERIFY(panel->toolTip().isEmpty());
}

void TstMainForm::damagedDatabase()
{
    TFixture f;
    QVERIFY(WriteFixtureFile(f.root + u"/iPod_Control/iTunes/iTunesDB"_s,
                             QByteArray("mhbd\xff\xff\xff\x7fgarbage")));
    auto form = f.Make();
    ShowAndRecognize(*form);
    QCOMPARE(f.dialogs.Texts(u"error"_s).size(), 1);
    QCOMPARE(form->StatusText(0), u"[接続待ち]"_s);
    QCOMPARE(form->StatusText(1), u"iPodが見つかりません"_s);
    QCOMPARE(VisibleButtons(*form), QStringList{u"TabButton_iPod"_s});
    QVERIFY(form->Session().Player().FRoot.isEmpty());
    QVERIFY(form->findChild<QPushButton *>(u"SButton_Recognize"_s)->isEnabled());
}

void TstMainForm::loaderError()
{
    TFixture f;
    f.Build(u"bare"_s);
    auto form = f.Make();
    form->RegisterTabPage(pgNotes, new TFailingPage(form->Context()));
    ShowAndRecognize(*form);
    form->findChild<QToolButton *>(u"TabButton_Memo"_s)->click();
    QCOMPARE(f.dialogs.Texts(u"error"_s), QStringList{u"メモを読めません"_s});
    QCOMPARE(form->CurrentPage(), int(pgNotes));
    // The window goes on: another tab still switches.
    form->findChild<QToolButton *>(u"TabButton_iPod"_s)->click();
    QCOMPARE(form->CurrentPage(), int(pgPlayer));
}

QTEST_MAIN(TstMainForm)
#include "tst_mainform.moc"
