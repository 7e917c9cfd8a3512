#include "app/settings.h"
#include "app/userdialogs.h"
#include "device/kiruipod.h"
#include "mainform/mainform.h"
#include "mainform/tabs.h"
#include "music/songcopycfgform.h"
#include "music/songdb.h"
#include "photos/artworkdbloader.h"
#include "platform/drivetable.h"
#include "platform/mountwatcher.h"
#include "recordingprogress.h"
#include "tabfixture.h"
#include "video/videolistbox.h"
#include "video/videotab.h"

#include "fixturefiles.h"
#include "itunesdbwriter.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

namespace {

TITDBTrack Video(int index, const QString &title, const QString &artist, const QString &album)
{
    TITDBTrack t = TITunesDBWriter::SampleTrack(index);
    t.mediaType = 2;
    t.size = 3 << 20;
    t.strings.clear();
    t.Str(2, u":iPod_Control:Music:F01:V%1.m4v"_s.arg(index));
    if (!title.isEmpty())
        t.Str(1, title);
    if (!artist.isEmpty())
        t.Str(4, artist);
    if (!album.isEmpty())
        t.Str(3, album);
    t.Str(5, u"Drama"_s);
    return t;
}

/// The video tab's window over a standard iPod holding these videos.
struct TVideoFixture : TTabFixture
{
    explicit TVideoFixture(const QList<TITDBTrack> &videos)
    {
        for (const TITDBTrack &video : videos)
            WriteFixtureFile(root + u"/iPod_Control/Music/F01/V%1.m4v"_s.arg(video.trackId - 100),
                             "video " + QByteArray::number(video.trackId));
        WriteSongs(videos);
    }
    TVideoTab &Open()
    {
        TTabFixture::Open(pgVideos);
        return *form->findChild<TVideoTab *>();
    }
};

/// Rows of the picture holding a pixel darker than mid grey, between columns [left, right).
QList<int> InkRows(const QImage &image, int left, int right)
{
    QList<int> rows;
    for (int y = 0; y < image.height(); ++y)
        for (int x = left; x < right; ++x)
            if (qGray(image.pixel(x, y)) < 160) {
                rows << y;
                break;
            }
    return rows;
}

} // namespace

class TstVideoTab : public QObject
{
    Q_OBJECT
private slots:
    void load_data();
    void load();
    void selectionSummary();
    void rowLines_data();
    void rowLines();
    void rowDrawing();
    void extractionKeepsItsOwnFolderOptions();
};

void TstVideoTab::load_data()
{
    QTest::addColumn<int>("videos");
    QTest::addRow("songs only") << 0;
    QTest::addRow("two videos") << 2;
}

void TstVideoTab::load()
{
    QFETCH(int, videos);
    QList<TITDBTrack> tracks;
    for (int i = 0; i < videos; ++i)
        tracks << Video(10 + i, u"Video %1"_s.arg(i), u"Artist"_s, u"Album"_s);
    TVideoFixture f(tracks);
    TVideoTab &tab = f.Open();
    QAbstractItemModelTester tester(&tab.Model());
    QCOMPARE(tab.Model().rowCount(), videos);
    // Once the list is read, the status line shows what is checked: nothing yet.
    QCOMPARE(f.form->StatusText(1), u"0 本をチェックしています ( 全体で 0.0 MB )"_s);
    QCOMPARE(f.Find<QPushButton>(u"SButton_VideoInfo"_s)->isEnabled(), videos > 0);
    QVERIFY(!f.Find<QPushButton>(u"SButton_ExtractVideos"_s)->isEnabled());
    QCOMPARE(f.progress.FRuns.last().title, u"ビデオの取得"_s);
    QCOMPARE(f.progress.FRuns.last().labels.value(0), u"読み込み中... 0 %"_s);
}

void TstVideoTab::selectionSummary()
{
    TVideoFixture f({Video(10, u"A"_s, {}, {}), Video(11, u"B"_s, {}, {})});
    TVideoTab &tab = f.Open();
    QVERIFY(tab.Model().setData(tab.Model().index(1, 0), Qt::Checked, Qt::CheckStateRole));
    QCOMPARE(f.form->StatusText(1), u"1 本をチェックしています ( 全体で 3.0 MB )"_s);
    QVERIFY(f.Find<QPushButton>(u"SButton_ExtractVideos"_s)->isEnabled());
    QVERIFY(f.Find<QAction>(u"Menu_Video_Extract"_s)->isEnabled());
    f.Find<QAction>(u"Menu_Video_AllCheck"_s)->trigger();
    QCOMPARE(f.form->StatusText(1), u"2 本をチェックしています ( 全体で 6.0 MB )"_s);
    f.Find<QAction>(u"Menu_Video_UnCheck"_s)->trigger();
    QCOMPARE(f.form->StatusText(1), u"0 本をチェックしています ( 全体で 0.0 MB )"_s);
    QVERIFY(!f.Find<QPushButton>(u"SButton_ExtractVideos"_s)->isEnabled());
    QVERIFY(!f.Find<QAction>(u"Menu_Video_Extract"_s)->isEnabled());
    QCOMPARE(f.Find<QAction>(u"N30"_s)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
}

void TstVideoTab::rowLines_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("artist");
    QTest::addColumn<QString>("album");
    QTest::addColumn<QStringList>("lines");
    QTest::addRow("every line") << u"T"_s << u"Ar"_s << u"Al"_s
                                << QStringList{u"T"_s, u"Ar"_s, u"Al"_s, u"Drama"_s, u"3 分 0 秒"_s};
    QTest::addRow("no title, artist, album")
        << QString() << QString() << QString() << QStringList{u"Drama"_s, u"3 分 0 秒"_s};
    QTest::addRow("blank artist takes no room")
        << u"T"_s << u"  "_s << u"Al"_s << QStringList{u"T"_s, u"Al"_s, u"Drama"_s, u"3 分 0 秒"_s};
}

void TstVideoTab::rowLines()
{
    QFETCH(QString, title);
    QFETCH(QString, artist);
    QFETCH(QString, album);
    QFETCH(QStringList, lines);
    TITBSongItem entry;
    entry.SetTitle(title);
    entry.SetArtist(artist);
    entry.SetAlbum(album);
    entry.SetGenre(u"Drama"_s);
    entry.FLength = 180000;
    const QList<TVideoTextLine> drawn = TVideoRowDelegate::Lines(entry, QFont(), 4);
    QStringList texts;
    for (const TVideoTextLine &line : drawn)
        texts << line.text;
    QCOMPARE(texts, lines);
    QCOMPARE(drawn.first().top, 4);
    for (int i = 1; i < drawn.size(); ++i)
        QVERIFY(drawn[i].top > drawn[i - 1].top);
    QCOMPARE(drawn.last().colour, QColor(128, 128, 128));
}

void TstVideoTab::rowDrawing()
{
    TITBSongList songs;
    TITBSongItem &video = songs.AddNew();
    video.FIsVideo = true;
    video.SetGenre(u"Drama"_s);
    video.FLength = 180000;
    TArtworkDBLoader artwork;
    TITBSongItem &full = songs.AddNew(); // all five lines
    full.FIsVideo = true;
    full.SetTitle(u"Title"_s);
    full.SetArtist(u"Artist"_s);
    full.SetAlbum(u"Album"_s);
    full.SetGenre(u"Genre"_s);
    full.FLength = 200000;
    TRecordingProgress progress;
    TVideoListModel model;
    QAbstractItemModelTester tester(&model);
    model.Load(songs, progress);
    QCOMPARE(model.rowCount(), 2);
    TVideoListBox view;
    view.setModel(&model);
    TVideoRowDelegate delegate;
    delegate.SetSource(&songs, &artwork);
    QStyleOptionViewItem option;
    option.initFrom(&view);
    option.widget = &view;
    option.rect = QRect(0, 0, 400, 64);
    option.state = QStyle::State_Enabled | QStyle::State_Selected;
    QImage canvas(400, 64, QImage::Format_RGB32);
    canvas.fill(Qt::magenta);
    {
        QPainter painter(&canvas);
        delegate.paint(&painter, option, model.index(0, 0));
    }
    const QRect content = delegate.ContentRect(option, model.index(0, 0));
    QCOMPARE(canvas.pixel(content.left() + 50, 30), TVideoRowDelegate::SelectedColor().rgb()); // no artwork
    // The genre is the first line: its ink starts just below the top line position, not further down.
    const QList<int> ink = InkRows(canvas, content.left() + 100, 400);
    QVERIFY(!ink.isEmpty());
    QVERIFY2(ink.first() >= 4 && ink.first() <= 4 + 6, qPrintable(QString::number(ink.first())));
    const QList<TVideoTextLine> lines = TVideoRowDelegate::Lines(video, option.font, 4);
    QVERIFY(ink.last() < lines.last().top + QFontMetrics(lines.last().font).height());

    // A row with all five lines is at least 64 pixels high and shows its last (grey) line whole.
    const int height = delegate.sizeHint(option, model.index(1, 0)).height();
    QVERIFY(height >= 64);
    const QList<TVideoTextLine> five = TVideoRowDelegate::Lines(full, option.font, 4);
    QCOMPARE(five.size(), 5);
    QVERIFY(five.last().top + QFontMetrics(five.last().font).height() <= height);
}

void TstVideoTab::extractionKeepsItsOwnFolderOptions()
{
    TVideoFixture f({Video(10, u"Film"_s, u"Director"_s, u"Series"_s)});
    {
        TKiruIPodINI ini(f.settingsFile);
        ini.FMakeFolder_Artist = true;
        ini.FMakeFolder_Album = true;
        ini.FMakeArtistFolder = false;
        ini.FMakeAlbumFolder = false;
        ini.FMakeType = 1;
        ini.Save();
    }
    TVideoTab &tab = f.Open();
    const QString out = f.dir.filePath(u"videos"_s);
    QDir().mkpath(out);
    tab.Model().SetAllChecked(true);
    bool shown = false;
    QTimer::singleShot(0, [&] {
        if (!QTest::qWaitFor(
                [] { return qobject_cast<TSongCopyCfgForm *>(QApplication::activeModalWidget()); }))
            return;
        QPointer<TSongCopyCfgForm> form = qobject_cast<TSongCopyCfgForm *>(QApplication::activeModalWidget());
        shown = true;
        QCOMPARE(form->windowTitle(), u"ビデオデータの取り出し"_s);
        QCOMPARE(form->findChild<QGroupBox *>(u"GroupBox_Detail"_s)->title(),
                 u"ビデオデータの取り出し詳細設定"_s);
        QVERIFY(!form->findChild<QCheckBox *>(u"CheckBox_MkDirArtist"_s)->isChecked());
        QVERIFY(!form->findChild<QCheckBox *>(u"CheckBox_AddTrackNo"_s)->isEnabled());
        form->findChild<QLineEdit *>(u"Edit_Folder"_s)->setText(out);
        form->findChild<QPushButton *>(u"Button_Ok"_s)->click();
        if (form && form->isVisible())
            form->reject();
    });
    f.Find<QPushButton>(u"SButton_ExtractVideos"_s)->click();
    QVERIFY(shown);
    QCOMPARE(FilesBelow(out), QStringList{u"Film.m4v"_s});
    QCOMPARE(f.progress.FRuns.last().title, u"楽曲の転送状況"_s);
    QCOMPARE(f.form->StatusText(1), u"フォルダ \"%1/\" にビデオファイルを全て転送しました"_s.arg(out));
    QCOMPARE(f.dialogs.FOpened.size(), 1);
    QVERIFY(f.form->Settings().FMakeFolder_Artist); // the song extraction's options are untouched
    QVERIFY(f.form->Settings().FMakeFolder_Album);
}

QTEST_MAIN(TstVideoTab)
#include "tst_videotab.moc"
