#include "app/settings.h"
#include "app/userdialogs.h"
#include "device/playerpage.h"
#include "fakedrivetable.h"
#include "fixturefiles.h"
#include "mainform/mainform.h"
#include "music/songlistmodel.h"
#include "music/songtab.h"
#include "platform/drivetable.h"
#include "platform/mountwatcher.h"
#include "playcountswriter.h"
#include "recordingprogress.h"
#include "scripteddialogs.h"
#include "songplayer.h"
#include "widgets/reportlistview.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <QToolButton>
#include <QTreeView>
#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {
/// The main window with the real tabs over a fixture player, with scripted dialogs and recorded progress.
struct TFixture
{
    QTemporaryDir dir;
    TFakeDriveTable drives;
    TScriptedDialogs dialogs;
    TRecordingProgress progress;
    TMountWatcher watcher{nullptr, u"/nonexistent/mountinfo"_s};
    QString root;
    std::unique_ptr<TMainForm> form;
    TSongTab *tab = nullptr;

    explicit TFixture(const QList<TFixtureSong> &songs, int cancelAfter = -1,
                      const QList<TFixturePlaylist> &playlists = {}, const QByteArray &playCounts = {})
    {
        const QString settingsFile = dir.filePath(u"Velmor.INI"_s);
        TKiruIPodINI ini(settingsFile);
        ini.FCopyright = true;
        ini.Save();
        root = dir.filePath(u"player"_s);
        QDir().mkpath(root);
        if (!WriteSongPlayer(root, songs, playlists) ||
            (!playCounts.isEmpty() &&
             !WriteFixtureFile(root + u"/iPod_Control/iTunes/Play Counts"_s, playCounts)))
            qFatal("fixture player not written");
        drives.Add(root, true, u"IPOD"_s, qint64(30) << 30, qint64(1) << 30);
        drives.Add(dir.filePath(u"pc"_s), false, u"PC"_s, qint64(100) << 30, qint64(50) << 30);
        QDir().mkpath(dir.filePath(u"pc"_s));
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
        tab = form->findChild<TSongTab *>();
        progress.FCancelAtCheck = cancelAfter;
        QTest::mouseClick(form->findChild<QToolButton *>(u"TabButton_Song"_s), Qt::LeftButton);
    }

    template <typename T> T *Child(const QString &name)
    {
        T *child = form->findChild<T *>(name);
        if (!child)
            qFatal("no child %s", qPrintable(name));
        return child;
    }
    TSongListModel &List() { return tab->ListModel(); }
    /// The column texts of the rows as shown.
    QStringList Column(int column)
    {
        QStringList texts;
        for (int row = 0; row < List().rowCount(); ++row)
            texts << List().index(row, column).data().toString();
        return texts;
    }
    /// Artist nodes as "artist: album, album".
    QStringList Tree()
    {
        QStringList nodes;
        QStandardItemModel &tree = tab->TreeModel();
        for (int i = 0; i < tree.rowCount(); ++i) {
            QStringList albums;
            for (int k = 0; k < tree.item(i)->rowCount(); ++k)
                albums << tree.item(i)->child(k)->text();
            nodes << tree.item(i)->text() + u": "_s + albums.join(u", "_s);
        }
        return nodes;
    }
    QStringList CheckedTitles()
    {
        QStringList titles;
        for (int item : List().CheckedItems())
            titles << List().Row(item).FTitle;
        return titles;
    }
    QString Status() { return form->StatusText(1); }
    bool CopyEnabled()
    {
        const bool button = Child<QToolButton>(u"SButton_OutSongs"_s)->isEnabled();
        if (button != Child<QAction>(u"Menu_OutSongs"_s)->isEnabled())
            qFatal("button and menu disagree");
        return button;
    }
};

TFixtureSong Song(const QString &title, const QString &artist, const QString &album, int bytes = 1000)
{
    TFixtureSong s;
    s.title = title;
    s.artist = artist;
    s.album = album;
    s.data = QByteArray(bytes, char('a' + title.size() % 26));
    return s;
}

QList<TFixtureSong> Library()
{
    TFixtureSong video = Song(u"Film"_s, u"Director"_s, u"Movies"_s);
    video.video = true;
    return {
        Song(u"Song A"_s, u"ABC"_s, u"First"_s, 1 << 20), Song(u"Song b"_s, u"abc"_s, u" first "_s, 1 << 19),
        Song(u"Nameless"_s, QString(), u"Lost"_s),        video,
        Song(u"Alone"_s, u"Solo"_s, QString()),           Song(u"Rock on"_s, u"Band"_s, u"Zeta"_s),
        Song(u"Pop star"_s, u"Band"_s, u"Alpha"_s)};
}

/// Runs `act` on the modal window that the next command opens.
void OnModal(const std::function<void(QWidget *)> &act)
{
    QTimer::singleShot(0, [act] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            qFatal("no modal window");
        act(modal);
    });
}
} // namespace

class TstSongTab : public QObject
{
    Q_OBJECT
private slots:
    void listAndTree();
    void singleSong();
    void sortByHeaders();
    void summaryAndCopyCommands();
    void cancelDuringTree();
    void treeCheck_data();
    void treeCheck();
    void treeDoubleClick();
    void search_data();
    void search();
    void searchByArtist();
    void informationWindowChecksRow();
    void extraction();
    void playlistBranch();
    void extractPlaylist();
    void scrobbleLog();
};

void TstSongTab::listAndTree()
{
    TFixture f(Library());
    QAbstractItemModelTester listTester(&f.List(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    QAbstractItemModelTester treeTester(&f.tab->TreeModel(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(f.Status(), u"6 曲を読み込みました"_s);
    // Sorted by artist without an arrow; no video; the song without artist is listed.
    QStringList artists = f.Column(1);
    artists.removeOne(u"abc"_s); // where it goes depends on the locale's treatment of case
    QCOMPARE(artists, (QStringList{u""_s, u"ABC"_s, u"Band"_s, u"Band"_s, u"Solo"_s}));
    QVERIFY(!f.Column(0).contains(u"Film"_s));
    QCOMPARE(f.List().headerData(1, Qt::Horizontal).toString(), u"アーティスト"_s);
    // One node for ABC/abc under its first spelling, albums compared trimmed, sorted at every level;
    // an empty album gives a node without children; no node for the empty artist.
    QCOMPARE(f.Tree(), (QStringList{u"ABC: First"_s, u"Band: Alpha, Zeta"_s, u"Solo: "_s}));
    QVERIFY(!f.CopyEnabled());
    QCOMPARE(f.progress.FRuns.first().title, u"音楽ファイルの一覧取得"_s);
    QCOMPARE(f.progress.FRuns.first().maximum, 6);
    // The tree's commands expand and collapse everything.
    auto *tree = f.Child<QTreeView>(u"SongTreeView"_s);
    f.Child<QAction>(u"N16"_s)->trigger();
    QVERIFY(tree->isExpanded(f.tab->TreeModel().index(1, 0)));
    f.Child<QAction>(u"N17"_s)->trigger();
    QVERIFY(!tree->isExpanded(f.tab->TreeModel().index(1, 0)));
}

void TstSongTab::singleSong()
{
    TFixture f({Song(u"Only"_s, u"One"_s, u"Album"_s)});
    QCOMPARE(f.Status(), u"1 曲を読み込みました"_s);
    QCOMPARE(f.Column(0), QStringList{u"Only"_s});
    QCOMPARE(f.progress.FRuns.first().maximum, 1);
}

void TstSongTab::sortByHeaders()
{
    TFixture f(Library());
    QAbstractItemModelTester tester(&f.List(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    QHeaderView *header = f.Child<TReportListView>(u"SongListView"_s)->horizontalHeader();
    QStringList ascending = f.Column(1);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(1) + 10, header->height() / 2));
    QCOMPARE(f.List().headerData(1, Qt::Horizontal).toString(), u"アーティスト▼"_s);
    std::reverse(ascending.begin(), ascending.end());
    QCOMPARE(f.Column(1), ascending);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(0) + 10, header->height() / 2));
    QCOMPARE(f.List().headerData(0, Qt::Horizontal).toString(), u"曲名▲"_s);
    QCOMPARE(f.List().headerData(1, Qt::Horizontal).toString(), u"アーティスト"_s);
    const QStringList byTitle = {u"Alone"_s,   u"Nameless"_s, u"Pop star"_s,
                                 u"Rock on"_s, u"Song A"_s,   u"Song b"_s};
    QCOMPARE(f.Column(0), byTitle);
    // A reload keeps the order and the arrow.
    f.tab->LoadSongList();
    QCOMPARE(f.Column(0), byTitle);
    QCOMPARE(f.List().headerData(0, Qt::Horizontal).toString(), u"曲名▲"_s);
}

void TstSongTab::summaryAndCopyCommands()
{
    TFixture f(Library());
    auto *view = f.Child<TReportListView>(u"SongListView"_s);
    view->setFocus();
    // Nothing checked.
    f.form->ShowTab(pgSongs);
    QCOMPARE(f.Status(), u"0 曲を選択しています ( 合計 0.0 MB )"_s);
    QVERIFY(!f.CopyEnabled());
    // Ctrl+A checks every row: 1 MiB + 0.5 MiB + 4 x 1000 bytes.
    QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(f.List().CheckedCount(), 6);
    QCOMPARE(f.Status(), u"6 曲を選択しています ( 合計 1.5 MB )"_s);
    QVERIFY(f.CopyEnabled());
    // The menu's uncheck, then the space key on the current row.
    f.Child<QAction>(u"N1"_s)->trigger();
    QCOMPARE(f.Status(), u"0 曲を選択しています ( 合計 0.0 MB )"_s);
    QVERIFY(!f.CopyEnabled());
    view->SelectItem(0);
    QTest::keyClick(view, Qt::Key_Space);
    QCOMPARE(f.CheckedTitles(), QStringList{u"Song A"_s});
    QCOMPARE(f.Status(), u"1 曲を選択しています ( 合計 1.0 MB )"_s);
    QVERIFY(f.CopyEnabled());
    // A click on a row's box.
    const QModelIndex cell = f.List().index(f.List().RowOfItem(1), 0);
    f.List().setData(cell, Qt::Checked, Qt::CheckStateRole);
    QCOMPARE(f.Status(), u"2 曲を選択しています ( 合計 1.5 MB )"_s);
}

void TstSongTab::cancelDuringTree()
{
    // The tree asks whether to stop after each artist node: stopped at the first question.
    TFixture f(Library(), 1);
    QCOMPARE(f.List().rowCount(), 6);
    QCOMPARE(f.Tree(), QStringList{u"ABC: First"_s});
    QCOMPARE(f.Status(), u"6 曲を読み込みました"_s);
}

void TstSongTab::treeCheck_data()
{
    QTest::addColumn<int>("artist");
    QTest::addColumn<int>("album"); // -1: the artist node itself
    QTest::addColumn<QStringList>("checked");
    QTest::addRow("artist of two spellings")
        << 0 << -1 << QStringList{u"Song A"_s, u"Song b"_s, u"Rock on"_s};
    QTest::addRow("album") << 1 << 0 << QStringList{u"Pop star"_s, u"Rock on"_s};
    QTest::addRow("artist without album") << 2 << -1 << QStringList{u"Alone"_s, u"Rock on"_s};
}

void TstSongTab::treeCheck()
{
    QFETCH(int, artist);
    QFETCH(int, album);
    QFETCH(QStringList, checked);
    TFixture f(Library());
    // A row checked before stays checked.
    f.List().SetItemChecked(4, true); // "Rock on"
    QStandardItemModel &tree = f.tab->TreeModel();
    const QModelIndex node = album < 0 ? tree.index(artist, 0) : tree.index(album, 0, tree.index(artist, 0));
    f.Child<QTreeView>(u"SongTreeView"_s)->setCurrentIndex(node);
    f.Child<QAction>(u"N12"_s)->trigger();
    QStringList titles = f.CheckedTitles();
    titles.sort(Qt::CaseInsensitive);
    checked.sort(Qt::CaseInsensitive);
    QCOMPARE(titles, checked);
    QCOMPARE(f.Status(),
             u"%1 曲を選択しています"_s.arg(checked.size()) + f.Status().mid(f.Status().indexOf(u" ( "_s)));
    QVERIFY(f.CopyEnabled());
}

void TstSongTab::treeDoubleClick()
{
    TFixture f(Library());
    auto *view = f.Child<TReportListView>(u"SongListView"_s);
    QStandardItemModel &tree = f.tab->TreeModel();
    // The album node of "Band" leads to the first "Band" row in the list's order.
    f.tab->SelectArtistRow(tree.index(0, 0, tree.index(1, 0)));
    QCOMPARE(f.List().Row(view->CurrentItem()).FArtist, u"Band"_s);
    QCOMPARE(view->currentIndex().row(), f.Column(1).indexOf(u"Band"_s));
    f.tab->SelectArtistRow(tree.index(0, 0));
    QCOMPARE(f.List().Row(view->CurrentItem()).FArtist.toLower(), u"abc"_s);
    QCOMPARE(view->currentIndex().row(), 1);
}

void TstSongTab::search_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("type");
    QTest::addColumn<QStringList>("checked");
    QTest::addColumn<QString>("message");
    QTest::addRow("two words") << u"rock  pop"_s << 3 << QStringList{u"Pop star"_s, u"Rock on"_s}
                               << u"2 曲をチェック項目に追加しました"_s;
    QTest::addRow("upper case") << u"SONG"_s << 1 << QStringList{u"Song A"_s, u"Song b"_s}
                                << u"2 曲をチェック項目に追加しました"_s;
    QTest::addRow("title only misses the artist")
        << u"solo"_s << 1 << QStringList{} << u"該当する曲はありませんでした"_s;
    QTest::addRow("all fields find the artist")
        << u"solo"_s << 3 << QStringList{u"Alone"_s} << u"1 曲をチェック項目に追加しました"_s;
    QTest::addRow("two keywords, one song counted once")
        << u"rock roc"_s << 1 << QStringList{u"Rock on"_s} << u"1 曲をチェック項目に追加しました"_s;
    QTest::addRow("empty text") << u" "_s << 3 << QStringList{} << u"該当する曲はありませんでした"_s;
}

void TstSongTab::search()
{
    QFETCH(QString, text);
    QFETCH(int, type);
    QFETCH(QStringList, checked);
    QFETCH(QString, message);
    TFixture f(Library());
    OnModal([&](QWidget *window) {
        QCOMPARE(window->windowTitle(), u"曲の検索"_s);
        auto *pages = window->findChild<QTabWidget *>(u"Findpages"_s);
        QVERIFY(!pages->isTabVisible(1));
        window->findChild<QLineEdit *>(u"Edit_FindSongs"_s)->setText(text);
        const QStringList radios = {u"RadioButton_Artist"_s, u"RadioButton_Title"_s, u"RadioButton_Album"_s,
                                    u"RadioButton_All"_s};
        window->findChild<QRadioButton *>(radios.at(type))->setChecked(true);
        QTest::mouseClick(window->findChild<QPushButton *>(u"Button_Ok"_s), Qt::LeftButton);
    });
    QTest::mouseClick(f.Child<QToolButton>(u"SButton_FindSongs"_s), Qt::LeftButton);
    QStringList titles = f.CheckedTitles();
    titles.sort(Qt::CaseInsensitive);
    QCOMPARE(titles, checked);
    QCOMPARE(f.dialogs.Texts(u"information"_s), QStringList{message});
    QCOMPARE(f.form->Settings().FText, text);
    QCOMPARE(f.form->Settings().FSongFind_Type, type);
    QCOMPARE(f.form->Settings().FPageIndex, 0);
    // The summary follows in every case.
    QVERIFY(f.Status().startsWith(u"%1 曲を選択しています"_s.arg(checked.size())));
    QCOMPARE(f.CopyEnabled(), !checked.isEmpty());
}

void TstSongTab::searchByArtist()
{
    TFixture f(Library());
    f.form->Settings().FPageIndex = 2;
    OnModal([&](QWidget *window) {
        auto *pages = window->findChild<QTabWidget *>(u"Findpages"_s);
        QCOMPARE(pages->currentIndex(), 2);
        auto *list = window->findChild<TReportListView *>(u"ArtistsListView"_s);
        TReportListModel *model = list->ReportModel();
        QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QStringList artists;
        for (int row = 0; row < model->rowCount(); ++row)
            artists << model->index(row, 0).data().toString();
        QCOMPARE(artists, (QStringList{u"ABC"_s, u"Band"_s, u"Solo"_s}));
        QCOMPARE(model->CheckedCount(), 0);
        // Column clicks do not sort this list.
        QCOMPARE(model->SortState(), 0);
        list->SelectItem(0);
        QTest::keyClick(list, Qt::Key_Space);
        QTest::mouseClick(window->findChild<QPushButton *>(u"Button_Ok"_s), Qt::LeftButton);
    });
    QTest::mouseClick(f.Child<QToolButton>(u"SButton_FindSongs"_s), Qt::LeftButton);
    QStringList titles = f.CheckedTitles();
    titles.sort(Qt::CaseInsensitive);
    QCOMPARE(titles, (QStringList{u"Song A"_s, u"Song b"_s}));
    QCOMPARE(f.dialogs.Texts(u"information"_s), QStringList{u"2 曲をチェック項目に追加しました"_s});
    QCOMPARE(f.form->Settings().FPageIndex, 2);
    QCOMPARE(f.Status(), u"2 曲を選択しています ( 合計 1.5 MB )"_s);
}

void TstSongTab::informationWindowChecksRow()
{
    TFixture f(Library());
    auto *view = f.Child<TReportListView>(u"SongListView"_s);
    view->SelectItem(0);
    OnModal([](QWidget *window) {
        QCOMPARE(window->windowTitle(), u"音楽ファイルの詳細情報"_s);
        window->findChild<QCheckBox *>(u"CheckBox_AddSong"_s)->toggle();
        QTest::mouseClick(window->findChild<QPushButton *>(u"Button_Close"_s), Qt::LeftButton);
    });
    QTest::mouseClick(f.Child<QToolButton>(u"SButton_SongInfo"_s), Qt::LeftButton);
    QCOMPARE(f.CheckedTitles(), QStringList{u"Song A"_s});
    QCOMPARE(f.Status(), u"1 曲を選択しています ( 合計 1.0 MB )"_s);
}

void TstSongTab::extraction()
{
    TFixture f(Library());
    QTest::keyClick(f.Child<TReportListView>(u"SongListView"_s), Qt::Key_A, Qt::ControlModifier);
    const QString out = f.dir.filePath(u"pc/out"_s);
    f.dialogs.FAnswers = {TDialogAnswer::Yes}; // create the folder
    OnModal([&](QWidget *window) {
        QCOMPARE(window->windowTitle(), u"曲データの取り出し"_s);
        window->findChild<QLineEdit *>(u"Edit_Folder"_s)->setText(out);
        window->findChild<QCheckBox *>(u"CheckBox_MkDirArtist"_s)->setChecked(false);
        window->findChild<QCheckBox *>(u"CheckBox_MkImportData"_s)->setChecked(false);
        QTest::mouseClick(window->findChild<QPushButton *>(u"Button_Ok"_s), Qt::LeftButton);
    });
    QTest::mouseClick(f.Child<QToolButton>(u"SButton_OutSongs"_s), Qt::LeftButton);
    QCOMPARE(f.progress.FRuns.last().title, u"楽曲の転送状況"_s);
    QCOMPARE(f.progress.FRuns.last().maximum, 6);
    // Copied in the list's order (by artist), named artist-title, byte for byte.
    const QList<TFixtureSong> songs = Library();
    for (const TFixtureSong &s : songs) {
        if (s.video)
            continue;
        const QString name = s.artist.isEmpty() ? s.title : s.artist + u'-' + s.title;
        QCOMPARE(ReadFixtureFile(out + u'/' + name + u".mp3"_s), s.data);
    }
    QCOMPARE(QDir(out).entryList(QDir::Files).size(), 6);
    QCOMPARE(f.Status(),
             u"フォルダ \"%1/\" に音楽ファイルを全曲転送しました"_s.arg(QDir::toNativeSeparators(out)));
    QCOMPARE(f.dialogs.FOpened, QStringList{out + u'/'});
}

namespace {
// Library(): 0 Song A, 1 Song b, 2 Nameless, 3 Film (video), 4 Alone, 5 Rock on, 6 Pop star.
const QList<TFixturePlaylist> kPlaylists{{u"Drive"_s, {5, 3, 0, 5}}, {u"Quiet"_s, {4}}};

/// The tree node of a playlist below "プレイリスト".
QModelIndex PlaylistNode(QStandardItemModel &tree, const QString &name)
{
    const QList<QStandardItem *> branch = tree.findItems(u"プレイリスト"_s);
    if (branch.size() != 1)
        return {};
    for (int i = 0; i < branch[0]->rowCount(); ++i)
        if (branch[0]->child(i)->text() == name)
            return branch[0]->child(i)->index();
    return {};
}
} // namespace

void TstSongTab::playlistBranch()
{
    TFixture f(Library(), -1, kPlaylists);
    auto *view = f.Child<TReportListView>(u"SongListView"_s);
    auto *tree = f.Child<QTreeView>(u"SongTreeView"_s);
    const QModelIndex drive = PlaylistNode(f.tab->TreeModel(), u"Drive"_s);
    QVERIFY(drive.isValid());
    QVERIFY(PlaylistNode(f.tab->TreeModel(), u"Quiet"_s).isValid());
    tree->setCurrentIndex(drive);
    // The playlist's songs in its order with their position; the video is not a song of the list.
    QAbstractItemModel *shown = view->model();
    QVERIFY(shown != &f.List());
    QAbstractItemModelTester tester(shown, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(shown->headerData(0, Qt::Horizontal).toString(), u"位置"_s);
    QStringList rows;
    for (int row = 0; row < shown->rowCount(); ++row)
        rows << shown->index(row, 0).data().toString() + u' ' + shown->index(row, 1).data().toString();
    QCOMPARE(rows, (QStringList{u"1 Rock on"_s, u"2 Song A"_s, u"3 Rock on"_s}));
    // A mark set here is the song list's: the summary and the copy commands follow it.
    QVERIFY(shown->setData(shown->index(1, 0), Qt::Checked, Qt::CheckStateRole));
    QCOMPARE(f.CheckedTitles(), QStringList{u"Song A"_s});
    QVERIFY(f.CopyEnabled());
    // The tree's check command on a playlist checks its songs.
    f.tab->CheckSelectedArtist();
    QCOMPARE(f.CheckedTitles().size(), 2);
    QCOMPARE(shown->index(0, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
    // An artist node shows the whole list again, marks kept.
    tree->setCurrentIndex(f.tab->TreeModel().index(0, 0));
    QCOMPARE(view->model(), &f.List());
    QCOMPARE(f.CheckedTitles().size(), 2);
}

void TstSongTab::extractPlaylist()
{
    TFixture f(Library(), -1, kPlaylists);
    auto *tree = f.Child<QTreeView>(u"SongTreeView"_s);
    // Another song checked before: only the playlist's songs are copied.
    f.List().SetItemChecked(f.List().Data().ArtistRows(u"Solo"_s).value(0), true);
    tree->setCurrentIndex(PlaylistNode(f.tab->TreeModel(), u"Drive"_s));
    const QString out = f.dir.filePath(u"pc/lists"_s);
    f.dialogs.FAnswers = {TDialogAnswer::Yes}; // create the folder
    OnModal([&](QWidget *window) {
        window->findChild<QLineEdit *>(u"Edit_Folder"_s)->setText(out);
        window->findChild<QCheckBox *>(u"CheckBox_MkDirArtist"_s)->setChecked(true);
        window->findChild<QCheckBox *>(u"CheckBox_MkImportData"_s)->setChecked(false);
        QTest::mouseClick(window->findChild<QPushButton *>(u"Button_Ok"_s), Qt::LeftButton);
    });
    f.Child<QAction>(u"Menu_ExtractPlayList"_s)->trigger();
    QCOMPARE(ReadFixtureFile(out + u"/Drive.m3u8"_s),
             QByteArray("#EXTM3U\n#EXTINF:0,Band - Rock on\nBand/Band-Rock on.mp3\n#EXTINF:0,ABC - Song A\n"
                        "ABC/ABC-Song A.mp3\n#EXTINF:0,Band - Rock on\nBand/Band-Rock on.mp3\n"));
    QVERIFY(!QFileInfo::exists(out + u"/Solo/Solo-Alone.mp3"_s));
    QVERIFY(f.Status().contains(u"Drive.m3u8"_s));
}

void TstSongTab::scrobbleLog()
{
    QList<TPlayCountEntry> plays(Library().size());
    plays[6].FPlays = 1;
    plays[6].FLastPlayed = 3'800'000'000u;
    plays[6].FRating = 60;
    plays[0].FPlays = 10;
    plays[1].FPlays = 2;
    TFixture f(Library(), -1, {}, PlayCountsFile(plays));
    // The list shows the figures with the recorded plays, and sorts the counts by value.
    f.List().ColumnClick(3);
    QCOMPARE(f.Column(3), (QStringList{u"0"_s, u"0"_s, u"0"_s, u"1"_s, u"2"_s, u"10"_s}));
    QCOMPARE(f.Column(0).at(3), u"Pop star"_s);
    QCOMPARE(f.Column(4).at(3), u"2024/05/31 11:33"_s);
    QCOMPARE(f.Column(5).at(3), u"★★★・・"_s);
    QCOMPARE(f.Column(4).at(0), QString()); // never played
    auto *button = f.Child<QToolButton>(u"SButton_ScrobbleLog"_s);
    QVERIFY(button->isEnabled());
    const QString file = f.dir.filePath(u"pc/.scrobbler.log"_s);
    f.dialogs.FFileAnswers = {{file}};
    QTest::mouseClick(button, Qt::LeftButton);
    const QStringList lines = QString::fromUtf8(ReadFixtureFile(file)).split(u'\n');
    QCOMPARE(lines.value(0), u"#AUDIOSCROBBLER/1.1"_s);
    QCOMPARE(lines.value(3).section(u'\t', 0, 5), u"Band\tAlpha\tPop star\t\t0\tL"_s);
    QCOMPARE(lines.size(), 5);
}

QTEST_MAIN(TstSongTab)
#include "tst_songtab.moc"
