#include "music/songinfoform.h"

#include "app/userdialogs.h"
#include "common/format.h"
#include "common/paths.h"
#include "dialogs/guarded.h"
#include "music/itunesdbloader.h"
#include "music/songinfo.h"
#include "ui_songinfoform.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>

using namespace Qt::Literals::StringLiterals;

TSongInfoForm::TSongInfoForm(const TITBSongItem &song, const QString &filePath,
                             const TArtworkDBLoader &artwork, IUserDialogs &dialogs, QWidget *parent)
    : QDialog(parent), FSong(song), FFilePath(filePath), FUi(std::make_unique<Ui::TSongInfoForm>()),
      FArtwork(artwork), FDialogs(dialogs)
{
    FUi->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    FUi->ScrollBox_Art->setMinimumSize(420, 300);

    FMemoPopupMenu = new QMenu(this);
    FMemoPopupMenu->setObjectName(u"MemoPopupMenu"_s);
    QAction *copy = FMemoPopupMenu->addAction(tr("コピー(&C)"));
    copy->setObjectName(u"Menu_LyricCopy"_s);
    copy->setShortcut(QKeySequence(u"Ctrl+C"_s));
    QAction *select = FMemoPopupMenu->addAction(tr("全てを選択(&L)"));
    select->setObjectName(u"Menu_LyricSelect"_s);
    select->setShortcut(QKeySequence(u"Ctrl+A"_s));
    FArtworkPopupMenu = new QMenu(this);
    FArtworkPopupMenu->setObjectName(u"ArtworkPopupMenu"_s);
    QAction *save = FArtworkPopupMenu->addAction(tr("ファイルに保存(&S)..."));
    save->setObjectName(u"AWMenu_Save"_s);
    QAction *clip = FArtworkPopupMenu->addAction(tr("クリップボードにコピー(&C)"));
    clip->setObjectName(u"AWMenu_Clip"_s);

    const auto lyric = [this](TLyricCommand command) {
        return [this, command] { RunGuarded(FDialogs, [&] { LyricCommand(command); }); };
    };
    const auto art = [this](TArtworkCommand command) {
        return [this, command] { RunGuarded(FDialogs, [&] { ArtworkCommand(command); }); };
    };
    connect(copy, &QAction::triggered, this, lyric(TLyricCommand::CopySelection));
    connect(select, &QAction::triggered, this, lyric(TLyricCommand::SelectAll));
    connect(FUi->SButton_CopyLyric, &QToolButton::clicked, this, lyric(TLyricCommand::CopyAll));
    connect(FUi->SButton_SaveLyric, &QToolButton::clicked, this, lyric(TLyricCommand::Save));
    connect(save, &QAction::triggered, this, art(TArtworkCommand::Save));
    connect(FUi->SButton_SavePic, &QToolButton::clicked, this, art(TArtworkCommand::Save));
    connect(clip, &QAction::triggered, this, art(TArtworkCommand::CopyToClipboard));
    connect(FUi->SButton_CopyToClip, &QToolButton::clicked, this, art(TArtworkCommand::CopyToClipboard));
    connect(FUi->LyricMemo, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { FMemoPopupMenu->popup(FUi->LyricMemo->mapToGlobal(at)); });
    connect(FUi->Image_Art, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        if (!FArtImage.isNull())
            FArtworkPopupMenu->popup(FUi->Image_Art->mapToGlobal(at));
    });
    connect(FUi->Button1, &QPushButton::clicked, this,
            [this] { RunGuarded(FDialogs, [this] { OpenSongFile(); }); });
    connect(FUi->Button_Close, &QPushButton::clicked, this, &QDialog::accept);
    connect(FUi->SongPages, &QTabWidget::currentChanged, this,
            [this] { RunGuarded(FDialogs, [this] { SongPagesChange(); }); });
    // toggled, not clicked: assistive tools and the keyboard toggle without a click.
    connect(FUi->CheckBox_AddSong, &QCheckBox::toggled, this, [this](bool checked) {
        if (FSetRowChecked)
            FSetRowChecked(checked);
        FChanged = true;
    });
    // The shortcuts of the lyrics menu act while the memo has the focus.
    FUi->LyricMemo->addAction(copy);
    FUi->LyricMemo->addAction(select);
    copy->setShortcutContext(Qt::WidgetShortcut);
    select->setShortcutContext(Qt::WidgetShortcut);

    FillOverview();
    FUi->SongPages->setCurrentIndex(0);
}

TSongInfoForm::~TSongInfoForm() = default;

void TSongInfoForm::SetVideoMode(bool video)
{
    FVideoMode = video;
    setWindowTitle(video ? tr("ビデオファイルの詳細情報") : tr("音楽ファイルの詳細情報"));
    FUi->SongPages->setTabVisible(FUi->SongPages->indexOf(FUi->TabSheet_Lyric), !video);
}

void TSongInfoForm::SetChecked(bool checked, std::function<void(bool)> setRowChecked)
{
    FSetRowChecked = nullptr;
    FUi->CheckBox_AddSong->setChecked(checked);
    FSetRowChecked = std::move(setRowChecked);
    FChanged = false;
}

void TSongInfoForm::FillOverview()
{
    const auto lines = SongInfoLines(FSong, FFilePath);
    for (int i = 0; i < lines.size(); ++i) {
        auto *caption = new QLabel(lines[i].first, FUi->TabSheet_Overview);
        auto *value = new QLabel(lines[i].second, FUi->TabSheet_Overview);
        value->setObjectName(u"InfoValue_%1"_s.arg(i));
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        // A long value (the file's path) is shortened in the middle; its tool tip holds it whole.
        const int widest = 480;
        if (value->fontMetrics().horizontalAdvance(lines[i].second) > widest) {
            value->setText(value->fontMetrics().elidedText(lines[i].second, Qt::ElideMiddle, widest));
            value->setToolTip(lines[i].second);
        }
        caption->setBuddy(value);
        value->setAccessibleName(lines[i].first);
        FUi->InfoLayout->addRow(caption, value);
    }
    FUi->ArtworkImage->setPixmap(QPixmap::fromImage(SongThumbnail(FArtwork, FSong)));
}

void TSongInfoForm::SongPagesChange()
{
    QWidget *page = FUi->SongPages->currentWidget();
    if (page == FUi->TabSheet_Lyric)
        ShowLyrics();
    else if (page == FUi->TabSheet_Artwork)
        ShowArtwork();
}

void TSongInfoForm::ShowLyrics()
{
    const QString lyrics = ReadSongLyrics(FFilePath);
    const bool found = !lyrics.isEmpty();
    FUi->LyricMemo->setPlainText(found ? lyrics : tr("歌詞情報はありませんでした"));
    FUi->LyricMemo->setEnabled(found);
    FUi->SButton_CopyLyric->setEnabled(found);
    FUi->SButton_SaveLyric->setEnabled(found);
}

void TSongInfoForm::ShowArtwork()
{
    FArtImage = SongArtwork(FArtwork, FSong, 0);
    const bool found = !FArtImage.isNull();
    // No artwork is said in words, as the lyrics page does.
    if (found) {
        FUi->Image_Art->setPixmap(QPixmap::fromImage(FArtImage));
        FUi->Image_Art->resize(FArtImage.size());
    } else {
        FUi->Image_Art->setText(tr("アートワーク情報はありませんでした"));
        FUi->Image_Art->adjustSize();
    }
    FUi->SButton_SavePic->setEnabled(found);
    FUi->SButton_CopyToClip->setEnabled(found);
}

void TSongInfoForm::LyricCommand(TLyricCommand command)
{
    QPlainTextEdit *memo = FUi->LyricMemo;
    if (!memo->isEnabled())
        return;
    switch (command) {
    case TLyricCommand::CopySelection:
        FDialogs.SetClipboardText(
            memo->textCursor().selectedText().replace(QChar::ParagraphSeparator, u'\n'));
        break;
    case TLyricCommand::SelectAll:
        memo->selectAll();
        break;
    case TLyricCommand::CopyAll:
        memo->selectAll();
        FDialogs.SetClipboardText(memo->toPlainText());
        break;
    case TLyricCommand::Save:
        SaveLyrics();
        break;
    }
}

void TSongInfoForm::ArtworkCommand(TArtworkCommand command)
{
    if (FArtImage.isNull())
        return;
    if (command == TArtworkCommand::Save)
        SaveArtwork();
    else
        FDialogs.SetClipboardImage(FArtImage);
}

void TSongInfoForm::OpenSongFile()
{
    FDialogs.ShellOpen(FFilePath);
}

bool TSongInfoForm::MayOverwrite(const QString &path)
{
    if (!QFileInfo::exists(path))
        return true;
    return FDialogs.AskYesNo(Format(tr("[ %s ]は既に存在します。上書き保存してもよろしいですか？"),
                                    {QFileInfo(path).fileName()})) != TDialogAnswer::No;
}

void TSongInfoForm::SaveLyrics()
{
    // The offered file name stays Japanese in every language, as the program's other file names do.
    TSaveChoice choice = FDialogs.SaveFileChoice(tr("歌詞情報の保存"),
                                                 //: File type filters of the save dialog: name|pattern|...
                                                 tr("テキストファイル(*.TXT)|*.TXT|全てのファイル(*.*)|*.*"),
                                                 SanitizeFileName(FSong.Title()) + u"の歌詞.TXT"_s);
    if (choice.FPath.isEmpty())
        return;
    QString path = QDir::fromNativeSeparators(choice.FPath);
    if (choice.FFilter == 0)
        path = ForceExtension(path, u".txt"_s);
    if (!MayOverwrite(path))
        return;
    SaveLyricsFile(FUi->LyricMemo->toPlainText(), path);
}

void TSongInfoForm::SaveArtwork()
{
    TSaveChoice choice = FDialogs.SaveFileChoice(
        tr("アートワークの保存"),
        //: File type filters of the save dialog: name|patterns|...; the JPEG type comes first
        tr("JPEG イメージファイル (*.jpg)|*.jpg;*.jpeg;*.jpe|ビットマップ (*.bmp)|*.bmp"),
        SanitizeFileName(FSong.Title()) + u"のアートワーク"_s);
    if (choice.FPath.isEmpty())
        return;
    const bool jpeg = choice.FFilter != 1;
    const QString path =
        ForceExtension(QDir::fromNativeSeparators(choice.FPath), jpeg ? u".jpg"_s : u".bmp"_s);
    if (!MayOverwrite(path))
        return;
    SaveArtworkFile(FArtImage, path, jpeg);
}
