#include "app/settings.h"
#include "app/userdialogs.h"
#include "device/kiruipod.h"
#include "mainform/mainform.h"
#include "mainform/tabs.h"
#include "photos/jpegio.h"
#include "photos/photocopyform.h"
#include "photos/photoform.h"
#include "photos/photolistbox.h"
#include "photos/phototab.h"
#include "platform/drivetable.h"
#include "platform/mountwatcher.h"
#include "recordingprogress.h"
#include "tabfixture.h"

#include "artworkdbwriter.h"
#include "fixturefiles.h"
#include "itunesdbwriter.h"
#include "photoplayer.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace Qt::Literals::StringLiterals;

namespace {

/// The photo tab's window over a standard iPod whose photo database the test writes first.
struct TPhotoFixture : TTabFixture
{
    TPhotoFixture() { WriteSongs(); }
    TPhotoTab &Open()
    {
        TTabFixture::Open(pgPhotos);
        return *form->findChild<TPhotoTab *>();
    }
};

} // namespace

Q_DECLARE_METATYPE(TFixturePhoto)

namespace {

TFixturePhoto Photo(quint32 id, QSize thumb, bool full = false)
{
    TFixturePhoto p;
    p.id = id;
    if (thumb.isValid())
        p.thumb = PatternImage(thumb.width(), thumb.height());
    if (full) {
        p.fullFile = u":Full Resolution:2024:P%1.jpg"_s.arg(id);
        p.fullData = EncodeJpeg(PatternImage(160 + int(id), 120), 90);
    }
    return p;
}

QList<TFixturePhoto> Photos(int count, QSize thumb, bool full = false)
{
    QList<TFixturePhoto> photos;
    for (int i = 0; i < count; ++i)
        photos << Photo(quint32(101 + i), thumb, full);
    return photos;
}

/// Runs `action` on the next modal window once it is shown.
template <class T> void OnModal(std::function<void(T &)> action)
{
    QTimer::singleShot(0, [action] {
        if (!QTest::qWaitFor([] { return qobject_cast<T *>(QApplication::activeModalWidget()) != nullptr; }))
            return;
        QPointer<T> window = qobject_cast<T *>(QApplication::activeModalWidget());
        action(*window);
        // A failed check returns early: the window must not stay open.
        if (window && window->isVisible())
            window->reject();
    });
}

} // namespace

class TstPhotoTab : public QObject
{
    Q_OBJECT
private slots:
    void loader_data();
    void loader();
    void noPhotoDatabase();
    void libraryAlbumNeverChecked();
    void albumSelectionFillsGrid();
    void cellsDecodedWhenDrawn();
    void cellDrawing_data();
    void cellDrawing();
    void viewerSteps_data();
    void viewerSteps();
    void viewerKeysAndGeometry();
    void exportTwoAlbums();
    void exportCancelledAtSettings();
};

void TstPhotoTab::loader_data()
{
    QTest::addColumn<QList<TFixturePhoto>>("photos");
    QTest::addColumn<int>("gridRows");
    QTest::addColumn<QSize>("cell");
    QTest::addColumn<QString>("status");
    QTest::addColumn<bool>("viewable");
    QTest::addRow("thumbnails give the cell size") << Photos(4, QSize(42, 30), true) << 4 << QSize(42, 30)
                                                   << u"4 枚のサムネイル画像を取得しました"_s << true;
    QTest::addRow("no thumbnails: empty grid, default cells, items counted")
        << Photos(3, QSize()) << 0 << QSize(88, 133) << u"3 枚のサムネイル画像を取得しました"_s << false;
    QTest::addRow("no items") << QList<TFixturePhoto>{} << 0 << QSize(88, 133)
                              << u"0 枚のサムネイル画像を取得しました"_s << false;
    QTest::addRow("without full-size files nothing can be viewed")
        << Photos(2, QSize(130, 88)) << 2 << QSize(130, 88) << u"2 枚のサムネイル画像を取得しました"_s
        << false;
}

void TstPhotoTab::loader()
{
    QFETCH(QList<TFixturePhoto>, photos);
    QFETCH(int, gridRows);
    QFETCH(QSize, cell);
    QFETCH(QString, status);
    QFETCH(bool, viewable);
    TPhotoFixture f;
    WritePhotoPlayer(f.root, photos, {});
    TPhotoTab &tab = f.Open();
    QAbstractItemModelTester gridTester(&tab.Grid());
    QAbstractItemModelTester albumTester(&tab.Albums());
    QCOMPARE(f.form->StatusText(1), status);
    QCOMPARE(tab.Grid().rowCount(), gridRows);
    QCOMPARE(tab.Grid().CellSize(), cell);
    auto *grid = f.Find<TPhotoListBox>(u"PhotoListBox"_s);
    QCOMPARE(grid->gridSize(), QSize(cell.width(), cell.height() + 2));
    QCOMPARE(grid->CurrentRow(), gridRows > 0 ? 0 : -1);
    QCOMPARE(f.Find<QPushButton>(u"SButton_OpenPhoto"_s)->isEnabled(), viewable);
    QVERIFY(!f.Find<QPushButton>(u"SButton_ExtractPhotos"_s)->isEnabled());
    if (!photos.isEmpty()) {
        QCOMPARE(f.progress.FRuns.size(), 1);
        QCOMPARE(f.progress.FRuns[0].title, u"サムネイルの取得"_s);
        QCOMPARE(f.progress.FRuns[0].maximum, int(photos.size()));
        QCOMPARE(f.progress.FRuns[0].labels.value(0), u"情報の整理中..."_s);
    }
    // Nothing is decoded while the grid is built.
    QCOMPARE(tab.Grid().DecodedCount(), 0);
}

void TstPhotoTab::noPhotoDatabase()
{
    TPhotoFixture f;
    TPhotoTab &tab = f.Open();
    QCOMPARE(f.form->StatusText(1), u"iPod内にフォトデータが見つかりません"_s);
    QCOMPARE(tab.Grid().rowCount(), 0);
    QCOMPARE(tab.Albums().rowCount(), 0);
    QVERIFY(!f.Find<QPushButton>(u"SButton_OpenPhoto"_s)->isEnabled());
    QVERIFY(f.progress.FRuns.isEmpty());
}

void TstPhotoTab::libraryAlbumNeverChecked()
{
    TPhotoFixture f;
    WritePhotoPlayer(f.root, Photos(5, QSize(42, 30)), {{u"旅行"_s, {101, 102}}, {u"家族"_s, {103}}});
    TPhotoTab &tab = f.Open();
    TPhotoAlbumListModel &albums = tab.Albums();
    QAbstractItemModelTester tester(&albums);
    QCOMPARE(albums.rowCount(), 3);
    QCOMPARE(albums.index(0, 0).data().toString(), u"Photo Library"_s);
    auto *extract = f.Find<QPushButton>(u"SButton_ExtractPhotos"_s);
    auto *menuExtract = f.Find<QAction>(u"Menu_ExtractPhotos"_s);

    // Checking the library album is undone at once, through the view's check box role as a click would.
    QVERIFY(albums.setData(albums.index(0, 0), Qt::Checked, Qt::CheckStateRole));
    QCOMPARE(albums.index(0, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
    QVERIFY(!extract->isEnabled());
    QVERIFY(!menuExtract->isEnabled());

    f.Find<QAction>(u"A1"_s)->trigger();
    QCOMPARE(albums.CheckedCount(), 2);
    QVERIFY(!albums.ItemChecked(0));
    QVERIFY(extract->isEnabled());
    QVERIFY(menuExtract->isEnabled());
    QCOMPARE(f.Find<QAction>(u"A1"_s)->text(), u"全てを選択(&A)"_s);
    QCOMPARE(f.Find<QAction>(u"A1"_s)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_A));
    QCOMPARE(menuExtract->shortcut(), QKeySequence(Qt::Key_F9));

    f.Find<QAction>(u"N27"_s)->trigger();
    QCOMPARE(albums.CheckedCount(), 0);
    QVERIFY(!extract->isEnabled());

    // A database with the library album alone lets it be checked.
    TPhotoAlbumListModel single;
    QAbstractItemModelTester singleTester(&single);
    single.SetAlbums({{u"Photo Library"_s, 1}});
    single.SetItemChecked(0, true);
    QVERIFY(single.ItemChecked(0));
}

void TstPhotoTab::albumSelectionFillsGrid()
{
    TPhotoFixture f;
    WritePhotoPlayer(f.root, Photos(5, QSize(42, 30)), {{u"旅行"_s, {104, 102}}});
    TPhotoTab &tab = f.Open();
    auto *albumView = f.Find<QAbstractItemView>(u"PhotoAlbumListView"_s);
    auto *grid = f.Find<TPhotoListBox>(u"PhotoListBox"_s);
    albumView->setCurrentIndex(tab.Albums().index(1, 0));
    QCOMPARE(tab.Grid().Ids(), (QStringList{u"104"_s, u"102"_s}));
    QCOMPARE(grid->CurrentRow(), 0);
    albumView->setCurrentIndex(tab.Albums().index(0, 0));
    QCOMPARE(tab.Grid().Ids(), (QStringList{u"101"_s, u"102"_s, u"103"_s, u"104"_s, u"105"_s}));
}

void TstPhotoTab::cellsDecodedWhenDrawn()
{
    TPhotoFixture f;
    WritePhotoPlayer(f.root, Photos(200, QSize(42, 30)), {});
    TPhotoTab &tab = f.Open();
    auto *grid = f.Find<TPhotoListBox>(u"PhotoListBox"_s);
    grid->resize(42 * 4 + 30, 32 * 3);
    QCOMPARE(tab.Grid().DecodedCount(), 0);
    grid->grab();
    const int drawn = tab.Grid().DecodedCount();
    QVERIFY2(drawn > 0 && drawn <= 4 * 4, qPrintable(QString::number(drawn)));
    grid->grab(); // drawn again: nothing decoded twice
    QCOMPARE(tab.Grid().DecodedCount(), drawn);
    QCOMPARE(grid->ColumnCount(), grid->viewport()->width() / 42);
}

void TstPhotoTab::cellDrawing_data()
{
    QTest::addColumn<bool>("selected");
    QTest::addColumn<QSize>("rect");
    QTest::addRow("plain cell") << false << QSize(42, 32);
    QTest::addRow("selected cell") << true << QSize(42, 32);
    QTest::addRow("wider column centres the thumbnail") << false << QSize(60, 40);
}

void TstPhotoTab::cellDrawing()
{
    QFETCH(bool, selected);
    QFETCH(QSize, rect);
    QTemporaryDir dir;
    TArtworkDBLoader photos;
    photos.LoadFromFile(WritePhotoPlayer(dir.path(), {Photo(7, QSize(42, 30))}, {}));
    TPhotoGridModel model;
    model.SetPhotos(&photos);
    model.Build();
    TPhotoListBox view;
    view.setModel(&model);
    QImage canvas(rect, QImage::Format_RGB32);
    canvas.fill(Qt::magenta);
    QStyleOptionViewItem option;
    option.initFrom(&view);
    option.rect = QRect(QPoint(0, 0), rect);
    option.state = QStyle::State_Enabled | (selected ? QStyle::State_Selected : QStyle::StateFlag(0));
    {
        QPainter painter(&canvas);
        TPhotoCellDelegate().paint(&painter, option, model.index(0, 0));
    }
    const QImage thumb = model.Thumbnail(0);
    const int dx = (rect.width() - 42) / 2, dy = (rect.height() - 30) / 2;
    // Inside the thumbnail, away from the frame.
    QCOMPARE(canvas.pixel(dx + 10, dy + 10), thumb.pixel(10, 10));
    QCOMPARE(canvas.pixel(dx + 41 - 3, dy + 29 - 3), thumb.pixel(38, 26));
    const QRgb corner = canvas.pixel(0, 0);
    if (selected) {
        QCOMPARE(corner, TPhotoCellDelegate::FrameColor().rgb());
        QCOMPARE(canvas.pixel(rect.width() - 1, rect.height() - 1), TPhotoCellDelegate::FrameColor().rgb());
    } else if (dy > 0) {
        QCOMPARE(corner, QColor(Qt::white).rgb());
    }
}

void TstPhotoTab::viewerSteps_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("step"); // 0 none, -1 previous, +1 next
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("prior");
    QTest::addColumn<bool>("next");
    QTest::addRow("first row") << 0 << 0 << 0 << false << true;
    QTest::addRow("last row") << 2 << 0 << 2 << true << false;
    QTest::addRow("first, next") << 0 << 1 << 1 << true << true;
    QTest::addRow("middle, next reaches the end") << 1 << 1 << 2 << true << false;
    QTest::addRow("middle, previous reaches the start") << 1 << -1 << 0 << false << true;
    QTest::addRow("first, previous stays") << 0 << -1 << 0 << false << true;
}

void TstPhotoTab::viewerSteps()
{
    QFETCH(int, start);
    QFETCH(int, step);
    QFETCH(int, row);
    QFETCH(bool, prior);
    QFETCH(bool, next);
    TPhotoFixture f;
    WritePhotoPlayer(f.root, Photos(3, QSize(42, 30), true), {});
    TPhotoTab &tab = f.Open();
    auto *grid = f.Find<TPhotoListBox>(u"PhotoListBox"_s);
    grid->SetCurrentRow(start);

    bool checked = false;
    OnModal<TPhotoForm>([&](TPhotoForm &viewer) {
        if (step != 0)
            QTest::keyClick(&viewer, step > 0 ? Qt::Key_PageDown : Qt::Key_PageUp);
        checked = true;
        QCOMPARE(viewer.windowTitle(), u"フォトビューア"_s);
        QCOMPARE(viewer.findChild<QToolButton *>(u"Button_Prior"_s)->isEnabled(), prior);
        QCOMPARE(viewer.findChild<QToolButton *>(u"Button_Next"_s)->isEnabled(), next);
        QCOMPARE(viewer.StatusText(0), u"%1x120"_s.arg(160 + 101 + row));
        QVERIFY(viewer.StatusText(1).endsWith(u"P%1.jpg"_s.arg(101 + row)));
        QCOMPARE(grid->CurrentRow(), row);
        QTest::keyClick(&viewer, Qt::Key_Escape);
    });
    tab.OpenPhoto();
    QVERIFY(checked);
    QVERIFY(!QApplication::activeModalWidget());
}

void TstPhotoTab::viewerKeysAndGeometry()
{
    TPhotoFixture f;
    WritePhotoPlayer(f.root, Photos(2, QSize(42, 30), true), {});
    TPhotoTab &tab = f.Open();
    f.form->Settings().FPView_X = -5000; // a screen that is gone
    f.form->Settings().FPView_Y = -5000;
    f.form->Settings().FPView_W = 500;
    f.form->Settings().FPView_H = 300;
    QPoint shownAt;
    OnModal<TPhotoForm>([&](TPhotoForm &viewer) {
        shownAt = viewer.pos();
        QCOMPARE(viewer.size(), QSize(500, 300));
        viewer.move(40, 30);
        // The wheel turned towards the user steps on.
        QWheelEvent wheel(QPointF(10, 10), viewer.mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&viewer, &wheel);
        QCOMPARE(viewer.Viewer().FIndex, 1);
        viewer.findChild<QToolButton *>(u"Button_Clipboard"_s)->click();
        QTest::mouseClick(viewer.findChild<QWidget *>(u"PaintBox"_s), Qt::LeftButton);
    });
    tab.OpenPhoto();
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(shownAt.x() > -1000 && shownAt.y() > -1000);
    QCOMPARE(f.dialogs.FClipboardImage.width(), 160 + 102); // the second photo
    QCOMPARE(f.form->Settings().FPView_X, 40);
    QCOMPARE(f.form->Settings().FPView_Y, 30);
}

void TstPhotoTab::exportTwoAlbums()
{
    TPhotoFixture f;
    WritePhotoPlayer(f.root, Photos(5, QSize(42, 30)),
                     {{u"旅行/夏.1"_s, {101, 102, 103}}, {u"家族"_s, {104, 105}}, {u"空"_s, {}}});
    TPhotoTab &tab = f.Open();
    const QString out = f.dir.filePath(u"out"_s);
    tab.Albums().SetItemChecked(1, true);
    tab.Albums().SetItemChecked(2, true);
    bool shown = false;
    OnModal<TPhotoCopyForm>([&](TPhotoCopyForm &form) {
        shown = true;
        QCOMPARE(form.windowTitle(), u"写真画像の取り出し"_s);
        // Thumbnails only: the first photo names no full-size file.
        QVERIFY(form.findChild<QRadioButton *>(u"Radio_Thumbnail"_s)->isChecked());
        QVERIFY(!form.findChild<QWidget *>(u"RGroup_Type"_s)->isEnabled());
        auto *edit = form.findChild<QLineEdit *>(u"Edit_Folder"_s);
        edit->setText(QDir::toNativeSeparators(out));
        QCOMPARE(form.findChild<QLabel *>(u"Label_DirCheck"_s)->text(),
                 u"このフォルダは存在しません (51200 MB空き)"_s);
        QTest::mouseClick(form.findChild<QPushButton *>(u"OkButton"_s), Qt::LeftButton);
    });
    f.Find<QPushButton>(u"SButton_ExtractPhotos"_s)->click();
    QVERIFY(shown);
    QCOMPARE(FilesBelow(out),
             (QStringList{u"家族/IMG00000.jpg"_s, u"家族/IMG00001.jpg"_s, u"旅行 夏 1/IMG00000.jpg"_s,
                          u"旅行 夏 1/IMG00001.jpg"_s, u"旅行 夏 1/IMG00002.jpg"_s}));
    QCOMPARE(LoadJpeg(out + u"/家族/IMG00001.jpg"_s).size(), QSize(42, 30));
    QCOMPARE(f.progress.FRuns.last().title, u"フォトの取り出し"_s);
    QCOMPARE(f.progress.FRuns.last().maximum, 2);
    QCOMPARE(f.form->StatusText(1),
             u"フォルダ \"%1\" に写真ファイルを転送しました"_s.arg(QDir::toNativeSeparators(out)));
    QCOMPARE(f.dialogs.FOpened, QStringList{out});
    QCOMPARE(f.form->Settings().FPhotoCopy_Folder, out);
    QCOMPARE(f.form->Settings().FPhotoCopy_Type, 0);
}

void TstPhotoTab::exportCancelledAtSettings()
{
    TPhotoFixture f;
    WritePhotoPlayer(f.root, Photos(2, QSize(42, 30), true), {{u"A"_s, {101}}});
    TPhotoTab &tab = f.Open();
    f.form->Settings().FPhotoCopy_Folder = u"/keep"_s;
    f.form->Settings().FPhotoCopy_Type = 0;
    tab.Albums().SetItemChecked(1, true);
    OnModal<TPhotoCopyForm>([&](TPhotoCopyForm &form) {
        // The first photo has a full-size file: that is offered and may be changed.
        QVERIFY(form.findChild<QRadioButton *>(u"Radio_FullSize"_s)->isChecked());
        QVERIFY(form.findChild<QWidget *>(u"RGroup_Type"_s)->isEnabled());
        form.findChild<QLineEdit *>(u"Edit_Folder"_s)->setText(u"/elsewhere"_s);
        QTest::mouseClick(form.findChild<QPushButton *>(u"CloseButton"_s), Qt::LeftButton);
    });
    tab.ExtractPhotos();
    QCOMPARE(f.progress.FRuns.size(), 1); // the loader's run only
    QCOMPARE(f.form->Settings().FPhotoCopy_Folder, u"/keep"_s);
    QCOMPARE(f.form->Settings().FPhotoCopy_Type, 1); // written when the window opened
    QVERIFY(f.dialogs.FOpened.isEmpty());
}

QTEST_MAIN(TstPhotoTab)
#include "tst_phototab.moc"
