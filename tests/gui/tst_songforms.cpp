#include "app/settings.h"
#include "app/userdialogs.h"
#include "audiofilewriter.h"
#include "common/japanese.h"
#include "common/sorvoerror.h"
#include "demoplayer.h"
#include "fakedrivetable.h"
#include "fixturefiles.h"
#include "music/itunesdbloader.h"
#include "music/songcopycfgform.h"
#include "music/songinfo.h"
#include "music/songinfoform.h"
#include "photos/artworkdbloader.h"
#include "platform/drivetable.h"
#include "scripteddialogs.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace Qt::Literals::StringLiterals;

using namespace AudioFileWriter;

namespace {
template <typename T> T *Child(QWidget &form, const QString &name)
{
    T *child = form.findChild<T *>(name);
    if (!child)
        qFatal("no child %s", qPrintable(name));
    return child;
}

/// Settings and a fake drive with 5 GiB free around a temporary folder.
struct TCfgFixture
{
    QTemporaryDir dir;
    TFakeDriveTable drives;
    TScriptedDialogs dialogs;
    std::unique_ptr<TKiruIPodINI> settings;
    QString disk;

    TCfgFixture()
    {
        settings = std::make_unique<TKiruIPodINI>(dir.filePath(u"Velmor.INI"_s));
        disk = dir.filePath(u"disk"_s);
        QDir().mkpath(disk + u"/music"_s);
        QDir().mkpath(dir.filePath(u"full"_s));
        drives.Add(disk, false, u"DATA"_s, qint64(20) << 30, qint64(5) << 30);
        drives.Add(dir.filePath(u"full"_s), false, u"FULL"_s, qint64(1) << 30, 0);
    }
};

QString InfoValue(TSongInfoForm &form, const QString &caption)
{
    const auto lines = SongInfoLines(form.FSong, form.FFilePath);
    for (int i = 0; i < lines.size(); ++i)
        if (lines[i].first == caption)
            return Child<QLabel>(form, u"InfoValue_%1"_s.arg(i))->text();
    return u"<none>"_s;
}

/// An entry whose file is an MP3 with (or without) lyrics in its ID3v2 tag.
QString WriteSongFile(const QString &path, const QString &lyrics)
{
    TId3v2Writer tag(3);
    tag.Text("TIT2", 1, u"歌"_s);
    if (!lyrics.isEmpty())
        tag.Described("USLT", 1, "jpn", QString(), lyrics);
    WriteFixtureFile(path, tag.Build() + MpegAudio(4000));
    return path;
}
} // namespace

class TstSongForms : public QObject
{
    Q_OBJECT
private slots:
    void folderCheck_data();
    void folderCheck();
    void loadsAndStoresItsSettings_data();
    void loadsAndStoresItsSettings();
    void missingFolderQuestion_data();
    void missingFolderQuestion();
    void folderInPlayerRefused();
    void openFolderAndEscape();

    void overview_data();
    void overview();
    void lyricsPage_data();
    void lyricsPage();
    void saveLyrics_data();
    void saveLyrics();
    void artworkPage();
    void saveArtwork_data();
    void saveArtwork();
    void checkBoxAndVideoMode();
};

void TstSongForms::folderCheck_data()
{
    QTest::addColumn<QString>("folder"); // below the temporary folder; "" stands for nothing typed
    QTest::addColumn<bool>("okEnabled");
    QTest::addColumn<QString>("label");
    QTest::addRow("existing folder") << u"disk/music"_s << true
                                     << u"このフォルダは存在します (5120 MB空き)"_s;
    QTest::addRow("missing folder") << u"disk/new/sub"_s << true
                                    << u"このフォルダは存在しません (5120 MB空き)"_s;
    QTest::addRow("no drive") << u"elsewhere"_s << false << u"ドライブが存在しません"_s;
    QTest::addRow("nothing typed") << u""_s << false << u"フォルダが指定されていません"_s;
    QTest::addRow("full drive") << u"full"_s << false << u"このドライブにはコピーできません"_s;
}

void TstSongForms::folderCheck()
{
    QFETCH(QString, folder);
    QFETCH(bool, okEnabled);
    QFETCH(QString, label);
    TCfgFixture f;
    TSongCopyCfgForm form(*f.settings, f.drives, f.dialogs);
    // Every edit re-evaluates: start from the other state, then type the folder.
    Child<QLineEdit>(form, u"Edit_Folder"_s)
        ->setText(folder == u"disk/music"_s ? u""_s : f.disk + u"/music"_s);
    Child<QLineEdit>(form, u"Edit_Folder"_s)->setText(folder.isEmpty() ? QString() : f.dir.filePath(folder));
    QCOMPARE(Child<QPushButton>(form, u"Button_Ok"_s)->isEnabled(), okEnabled);
    QCOMPARE(Child<QLabel>(form, u"Label_DirCheck"_s)->text(), label);
}

void TstSongForms::loadsAndStoresItsSettings_data()
{
    QTest::addColumn<bool>("video");
    QTest::addRow("songs") << false;
    QTest::addRow("videos") << true;
}

void TstSongForms::loadsAndStoresItsSettings()
{
    QFETCH(bool, video);
    TCfgFixture f;
    TKiruIPodINI &s = *f.settings;
    s.FSongCopy_Folder = f.disk + u"/music/"_s;
    s.FMakeFolder_Artist = false;
    s.FMakeFolder_Album = true;
    s.FAddTrackNo = true;
    s.FMakeLibraryData = false;
    s.FMakingNameType = 1;
    s.FVideoFolder = f.disk + u"/"_s;
    s.FMakeArtistFolder = true;
    s.FMakeAlbumFolder = false;
    s.FMakeImportFile = true;
    s.FMakeType = 2;
    s.FSongCopy_EmbedTags = false;
    s.FVideoCopy_EmbedTags = true;
    TSongCopyCfgForm form(s, f.drives, f.dialogs, video ? TCopyKind::Videos : TCopyKind::Songs);

    QCOMPARE(form.windowTitle(), video ? u"ビデオデータの取り出し"_s : u"曲データの取り出し"_s);
    QCOMPARE(Child<QGroupBox>(form, u"GroupBox_Detail"_s)->title(),
             video ? u"ビデオデータの取り出し詳細設定"_s : u"曲データの取り出し詳細設定"_s);
    QCOMPARE(Child<QLineEdit>(form, u"Edit_Folder"_s)->text(), video ? s.FVideoFolder : s.FSongCopy_Folder);
    auto *artist = Child<QCheckBox>(form, u"CheckBox_MkDirArtist"_s);
    auto *album = Child<QCheckBox>(form, u"CheckBox_MkDirAlbum"_s);
    auto *track = Child<QCheckBox>(form, u"CheckBox_AddTrackNo"_s);
    auto *listing = Child<QCheckBox>(form, u"CheckBox_MkImportData"_s);
    QCOMPARE(artist->isChecked(), video);
    QCOMPARE(album->isChecked(), !video);
    QCOMPARE(track->isEnabled(), !video);
    QCOMPARE(listing->isChecked(), video);
    auto *embed = Child<QCheckBox>(form, u"CheckBox_EmbedTags"_s);
    QCOMPARE(embed->text(), u"タグとアートワークを書き込む"_s);
    QCOMPARE(embed->isChecked(), video);
    QVERIFY(Child<QRadioButton>(form, video ? u"RadioButton_Keep"_s : u"RadioButton_Title"_s)->isChecked());

    // Change everything, confirm, and find the changes in the right section only.
    Child<QLineEdit>(form, u"Edit_Folder"_s)->setText(f.disk + u"/music"_s);
    artist->setChecked(!artist->isChecked());
    album->setChecked(!album->isChecked());
    listing->setChecked(!listing->isChecked());
    embed->setChecked(!embed->isChecked());
    Child<QRadioButton>(form, u"RadioButton_ArtistTitle"_s)->setChecked(true);
    QTest::mouseClick(Child<QPushButton>(form, u"Button_Ok"_s), Qt::LeftButton);
    QVERIFY(form.FConfirmed);
    QCOMPARE(form.result(), int(QDialog::Accepted));
    if (video) {
        QCOMPARE(s.FVideoFolder, f.disk + u"/music/"_s);
        QCOMPARE(s.FMakeArtistFolder, false);
        QCOMPARE(s.FMakeAlbumFolder, true);
        QCOMPARE(s.FMakeImportFile, false);
        QCOMPARE(s.FMakeType, 0);
        QCOMPARE(s.FMakingNameType, 1); // the song settings stay
        QCOMPARE(s.FAddTrackNo, true);
        QCOMPARE(s.FVideoCopy_EmbedTags, false);
        QCOMPARE(s.FSongCopy_EmbedTags, false); // the song settings stay
    } else {
        QCOMPARE(s.FSongCopy_Folder, f.disk + u"/music/"_s);
        QCOMPARE(s.FMakeFolder_Artist, true);
        QCOMPARE(s.FMakeFolder_Album, false);
        QCOMPARE(s.FMakeLibraryData, true);
        QCOMPARE(s.FMakingNameType, 0);
        QCOMPARE(s.FMakeType, 2); // the video settings stay
        QCOMPARE(s.FVideoFolder, f.disk + u"/"_s);
        QCOMPARE(s.FSongCopy_EmbedTags, true);
        QCOMPARE(s.FVideoCopy_EmbedTags, true); // the video settings stay
    }
}

void TstSongForms::missingFolderQuestion_data()
{
    QTest::addColumn<TDialogAnswer>("answer");
    QTest::addRow("yes creates and confirms") << TDialogAnswer::Yes;
    QTest::addRow("no keeps the window") << TDialogAnswer::No;
}

void TstSongForms::missingFolderQuestion()
{
    QFETCH(TDialogAnswer, answer);
    TCfgFixture f;
    const QString before = f.settings->FSongCopy_Folder;
    f.dialogs.FAnswers = {answer};
    TSongCopyCfgForm form(*f.settings, f.drives, f.dialogs);
    const QString folder = f.disk + u"/new/sub"_s;
    Child<QLineEdit>(form, u"Edit_Folder"_s)->setText(folder);
    form.Confirm();
    QCOMPARE(f.dialogs.Texts(u"yesno"_s),
             QStringList{u"フォルダ[ %1 ]は存在しません。作成してもよろしいですか？"_s.arg(
                 QDir::toNativeSeparators(folder))});
    const bool yes = answer == TDialogAnswer::Yes;
    QCOMPARE(form.FConfirmed, yes);
    QCOMPARE(QFileInfo(folder).isDir(), yes);
    QCOMPARE(f.settings->FSongCopy_Folder, yes ? folder + u"/"_s : before);
}

void TstSongForms::folderInPlayerRefused()
{
    // A destination below the player, here through a link, is refused before anything is made there.
    TCfgFixture f;
    const QString player = f.disk + u"/player"_s;
    QVERIFY(QDir().mkpath(player + u"/Music"_s));
    QVERIFY(QFile::link(player, f.disk + u"/link"_s));
    f.dialogs.FAnswers = {TDialogAnswer::Yes};
    TSongCopyCfgForm form(*f.settings, f.drives, f.dialogs);
    form.SetPlayerRoot(player + u'/');
    Child<QLineEdit>(form, u"Edit_Folder"_s)->setText(f.disk + u"/link/Music/new"_s);
    QVERIFY_THROWS_EXCEPTION(ESorvoError, form.Confirm());
    QVERIFY(f.dialogs.Texts(u"yesno"_s).isEmpty());
    QVERIFY(!QFileInfo::exists(player + u"/Music/new"_s));
    QVERIFY(!form.FConfirmed);
}

void TstSongForms::openFolderAndEscape()
{
    TCfgFixture f;
    const QString before = f.settings->FSongCopy_Folder;
    f.dialogs.FFileAnswers = {{u"  "_s + f.disk + u"/music  "_s}};
    TSongCopyCfgForm form(*f.settings, f.drives, f.dialogs);
    form.show();
    QTest::mouseClick(Child<QToolButton>(form, u"SButton_OpenFolder"_s), Qt::LeftButton);
    QCOMPARE(Child<QLineEdit>(form, u"Edit_Folder"_s)->text(), f.disk + u"/music/"_s);
    QCOMPARE(Child<QLabel>(form, u"Label_DirCheck"_s)->text(), u"このフォルダは存在します (5120 MB空き)"_s);
    QTest::keyClick(&form, Qt::Key_Escape);
    QVERIFY(!form.isVisible());
    QVERIFY(!form.FConfirmed);
    QCOMPARE(f.settings->FSongCopy_Folder, before);
}

void TstSongForms::overview_data()
{
    QTest::addColumn<int>("rating");
    QTest::addColumn<double>("lastPlayed");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("stars");
    QTest::addColumn<QString>("played");
    QTest::addColumn<QString>("format");
    const double day = 1462 + 36000.75; // 2002/07/25 18:00
    const QString dayText = u"2002/07/25 18:00"_s;
    QTest::addRow("never played") << 0 << 1462.0 << u"A.mp3"_s << u"・・・・・"_s << u"不明"_s
                                  << u"MP3 (MPEG1 Layer3)"_s;
    QTest::addRow("rating 50") << 50 << day << u"B.M4A"_s << u"・・・・・"_s << dayText
                               << u"AAC (MPEG4 AAC)"_s;
    QTest::addRow("rating 60") << 60 << day << u"C.ogg"_s << u"★★★・・"_s << dayText << u"不明な音楽形式"_s;
    QTest::addRow("rating 100") << 100 << 0.0 << u"D.m4v"_s << u"★★★★★"_s << u"不明"_s << u"MPEG4 Video"_s;
}

void TstSongForms::overview()
{
    QFETCH(int, rating);
    QFETCH(double, lastPlayed);
    QFETCH(QString, fileName);
    QTemporaryDir dir;
    TITBSongItem song;
    song.SetTitle(u"曲"_s);
    song.FRating = quint8(rating);
    song.FLastPlayed = lastPlayed;
    song.FPlayCount = 3;
    song.FLength = 65000;
    const QString path = dir.filePath(fileName);
    QVERIFY(WriteFixtureFile(path, QByteArray(1234567, 'x')));
    TArtworkDBLoader artwork;
    TScriptedDialogs dialogs;
    TSongInfoForm form(song, path, artwork, dialogs);
    QFETCH(QString, stars);
    QFETCH(QString, played);
    QFETCH(QString, format);
    QCOMPARE(InfoValue(form, u"マイレート:"_s), stars);
    QCOMPARE(InfoValue(form, u"再生された日:"_s), played);
    QCOMPARE(InfoValue(form, u"形式:"_s), format);
    QCOMPARE(InfoValue(form, u"サイズ:"_s), u"1,234,567 byte"_s);
    QCOMPARE(InfoValue(form, u"再生時間:"_s), u"1 分 5 秒"_s);
    QCOMPARE(InfoValue(form, u"再生回数:"_s), u"3 回"_s);
    QCOMPARE(form.windowTitle(), u"音楽ファイルの詳細情報"_s);
    // No artwork: the box stays white inside its black frame.
    const QImage box = Child<QLabel>(form, u"ArtworkImage"_s)->pixmap().toImage();
    QCOMPARE(box.size(), QSize(89, 89));
    QCOMPARE(box.pixel(44, 44), qRgb(255, 255, 255));
    QCOMPARE(box.pixel(0, 0), qRgb(0, 0, 0));
}

void TstSongForms::lyricsPage_data()
{
    QTest::addColumn<QString>("lyrics");
    QTest::addColumn<bool>("fileExists");
    QTest::addRow("lyrics") << u"一行目\n二行目"_s << true;
    QTest::addRow("blank lyrics") << u"  \n "_s << true;
    QTest::addRow("no lyrics") << QString() << true;
    QTest::addRow("missing file") << QString() << false;
}

void TstSongForms::lyricsPage()
{
    QFETCH(QString, lyrics);
    QFETCH(bool, fileExists);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"S.mp3"_s);
    if (fileExists)
        WriteSongFile(path, lyrics);
    TITBSongItem song;
    TArtworkDBLoader artwork;
    TScriptedDialogs dialogs;
    TSongInfoForm form(song, path, artwork, dialogs);
    auto *pages = Child<QTabWidget>(form, u"SongPages"_s);
    QVERIFY(pages->isTabVisible(pages->indexOf(Child<QWidget>(form, u"TabSheet_Lyric"_s))));
    pages->setCurrentWidget(Child<QWidget>(form, u"TabSheet_Lyric"_s));
    const bool found = !lyrics.trimmed().isEmpty();
    auto *memo = Child<QPlainTextEdit>(form, u"LyricMemo"_s);
    QCOMPARE(memo->toPlainText(), found ? lyrics.trimmed() : u"歌詞情報はありませんでした"_s);
    QCOMPARE(memo->isEnabled(), found);
    QCOMPARE(Child<QToolButton>(form, u"SButton_CopyLyric"_s)->isEnabled(), found);
    QCOMPARE(Child<QToolButton>(form, u"SButton_SaveLyric"_s)->isEnabled(), found);
    if (found) {
        QTest::mouseClick(Child<QToolButton>(form, u"SButton_CopyLyric"_s), Qt::LeftButton);
        QCOMPARE(dialogs.FClipboardText, lyrics.trimmed());
    }
}

void TstSongForms::saveLyrics_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<int>("filter");
    QTest::addColumn<QString>("written");
    QTest::addColumn<bool>("existing");
    QTest::addColumn<TDialogAnswer>("answer");
    QTest::addRow("text filter forces .txt")
        << u"lyrics.doc"_s << 0 << u"lyrics.txt"_s << false << TDialogAnswer::Yes;
    QTest::addRow("no extension") << u"lyrics"_s << 0 << u"lyrics.txt"_s << false << TDialogAnswer::Yes;
    QTest::addRow("all files keeps the name")
        << u"lyrics.doc"_s << 1 << u"lyrics.doc"_s << false << TDialogAnswer::Yes;
    QTest::addRow("overwrite yes") << u"lyrics.TXT"_s << 0 << u"lyrics.txt"_s << true << TDialogAnswer::Yes;
    QTest::addRow("overwrite no") << u"lyrics.txt"_s << 0 << u"lyrics.txt"_s << true << TDialogAnswer::No;
}

void TstSongForms::saveLyrics()
{
    QFETCH(QString, chosen);
    QFETCH(int, filter);
    QFETCH(QString, written);
    QFETCH(bool, existing);
    QFETCH(TDialogAnswer, answer);
    QTemporaryDir dir;
    const QString lyrics = u"春の歌\nらららー"_s;
    const QString songPath = WriteSongFile(dir.filePath(u"S.mp3"_s), lyrics);
    const QString target = dir.filePath(written);
    if (existing)
        QVERIFY(WriteFixtureFile(target, "old"));
    TITBSongItem song;
    song.SetTitle(u"春/歌"_s);
    TArtworkDBLoader artwork;
    TScriptedDialogs dialogs;
    dialogs.FFileAnswers = {{dir.filePath(chosen), QString::number(filter)}};
    dialogs.FAnswers = {answer};
    TSongInfoForm form(song, songPath, artwork, dialogs);
    Child<QTabWidget>(form, u"SongPages"_s)->setCurrentWidget(Child<QWidget>(form, u"TabSheet_Lyric"_s));
    QTest::mouseClick(Child<QToolButton>(form, u"SButton_SaveLyric"_s), Qt::LeftButton);

    // The proposed name cannot lead into a folder: the title's "/" became a blank.
    QCOMPARE(dialogs.Texts(u"savechoice"_s), QStringList{u"歌詞情報の保存|春 歌の歌詞.TXT"_s});
    QCOMPARE(dialogs.Texts(u"yesno"_s).size(), existing ? 1 : 0);
    if (existing)
        QCOMPARE(dialogs.Texts(u"yesno"_s).first(),
                 u"[ %1 ]は既に存在します。上書き保存してもよろしいですか？"_s.arg(written));
    const QByteArray expected =
        answer == TDialogAnswer::No ? QByteArray("old") : UnicodeToShiftJis(u"春の歌\r\nらららー\r\n"_s);
    QCOMPARE(ReadFixtureFile(target), expected);
    if (written != chosen && !existing)
        QVERIFY(!QFileInfo::exists(dir.filePath(chosen)));
}

void TstSongForms::artworkPage()
{
    QTemporaryDir dir;
    QCOMPARE(BuildDemoPlayer(dir.path()), QString());
    TITunesDBLoader db;
    db.LoadFromFile(dir.filePath(u"iPod_Control/iTunes/iTunesDB"_s));
    TArtworkDBLoader artwork;
    artwork.LoadFromFile(dir.filePath(u"iPod_Control/Artwork/ArtworkDB"_s));
    TScriptedDialogs dialogs;
    // The first songs of the demo player have artwork; the eleventh has none.
    for (int index : {0, 10}) {
        TITBSongItem &song = db.FSongs.Items(index);
        TSongInfoForm form(song, SongFilePath(dir.path(), song), artwork, dialogs);
        const bool has = index == 0;
        const QImage thumb = Child<QLabel>(form, u"ArtworkImage"_s)->pixmap().toImage();
        QCOMPARE(thumb.pixel(44, 44) != qRgb(255, 255, 255), has);
        QCOMPARE(InfoValue(form, u"サイズ:"_s) == u"0 byte"_s, false);
        Child<QTabWidget>(form, u"SongPages"_s)
            ->setCurrentWidget(Child<QWidget>(form, u"TabSheet_Artwork"_s));
        const QLabel *art = Child<QLabel>(form, u"Image_Art"_s);
        QCOMPARE(art->pixmap().isNull(), !has);
        QCOMPARE(art->text(), has ? QString() : u"アートワーク情報はありませんでした"_s);
        if (has)
            QCOMPARE(art->size(), QSize(100, 100));
        QCOMPARE(Child<QToolButton>(form, u"SButton_SavePic"_s)->isEnabled(), has);
        QCOMPARE(Child<QToolButton>(form, u"SButton_CopyToClip"_s)->isEnabled(), has);
        if (has) {
            QTest::mouseClick(Child<QToolButton>(form, u"SButton_CopyToClip"_s), Qt::LeftButton);
            QCOMPARE(dialogs.FClipboardImage.size(), QSize(100, 100));
        }
    }
}

void TstSongForms::saveArtwork_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<int>("filter");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QByteArray>("magic");
    QTest::addRow("jpeg") << u"cover"_s << 0 << u"cover.jpg"_s << QByteArray("\xff\xd8");
    QTest::addRow("jpeg forced") << u"cover.png"_s << 0 << u"cover.jpg"_s << QByteArray("\xff\xd8");
    QTest::addRow("bitmap") << u"cover.jpg"_s << 1 << u"cover.bmp"_s << QByteArray("BM");
}

void TstSongForms::saveArtwork()
{
    QFETCH(QString, chosen);
    QFETCH(int, filter);
    QFETCH(QString, written);
    QFETCH(QByteArray, magic);
    QTemporaryDir dir;
    QCOMPARE(BuildDemoPlayer(dir.filePath(u"player"_s)), QString());
    TITunesDBLoader db;
    db.LoadFromFile(dir.filePath(u"player/iPod_Control/iTunes/iTunesDB"_s));
    TArtworkDBLoader artwork;
    artwork.LoadFromFile(dir.filePath(u"player/iPod_Control/Artwork/ArtworkDB"_s));
    TScriptedDialogs dialogs;
    dialogs.FFileAnswers = {{dir.filePath(chosen), QString::number(filter)}};
    TITBSongItem &song = db.FSongs.Items(0);
    TSongInfoForm form(song, SongFilePath(dir.filePath(u"player"_s), song), artwork, dialogs);
    Child<QTabWidget>(form, u"SongPages"_s)->setCurrentWidget(Child<QWidget>(form, u"TabSheet_Artwork"_s));
    QTest::mouseClick(Child<QToolButton>(form, u"SButton_SavePic"_s), Qt::LeftButton);
    QCOMPARE(dialogs.Texts(u"savechoice"_s),
             QStringList{u"アートワークの保存|"_s + song.Title() + u"のアートワーク"_s});
    const QByteArray bytes = ReadFixtureFile(dir.filePath(written));
    QVERIFY(bytes.startsWith(magic));
    QImage read;
    QVERIFY(read.loadFromData(bytes));
    QCOMPARE(read.size(), QSize(100, 100));
    QCOMPARE(dialogs.Texts(u"yesno"_s), QStringList());
}

void TstSongForms::checkBoxAndVideoMode()
{
    TITBSongItem song;
    TArtworkDBLoader artwork;
    TScriptedDialogs dialogs;
    TSongInfoForm form(song, u"/nonexistent/V.m4v"_s, artwork, dialogs);
    QList<bool> rowMarks;
    form.SetVideoMode(true);
    form.SetChecked(true, [&](bool checked) { rowMarks.append(checked); });
    QCOMPARE(form.windowTitle(), u"ビデオファイルの詳細情報"_s);
    auto *pages = Child<QTabWidget>(form, u"SongPages"_s);
    QVERIFY(!pages->isTabVisible(pages->indexOf(Child<QWidget>(form, u"TabSheet_Lyric"_s))));
    QVERIFY(pages->isTabVisible(pages->indexOf(Child<QWidget>(form, u"TabSheet_Artwork"_s))));
    auto *box = Child<QCheckBox>(form, u"CheckBox_AddSong"_s);
    QVERIFY(box->isChecked());
    QVERIFY(!form.FChanged);
    box->toggle(); // as an assistive tool would, without a click
    QCOMPARE(rowMarks, QList<bool>{false});
    QVERIFY(form.FChanged);
    QCOMPARE(InfoValue(form, u"サイズ:"_s), u"0 byte"_s);
    QTest::mouseClick(Child<QPushButton>(form, u"Button1"_s), Qt::LeftButton);
    QCOMPARE(dialogs.FOpened, QStringList{u"/nonexistent/V.m4v"_s});
}

QTEST_MAIN(TstSongForms)
#include "tst_songforms.moc"
