#include "mainform/mainform.h"

#include "device/debugexport.h"
#include "mainform/elidedpath.h"

#include "app/messages.h"
#include "app/settings.h"
#include "app/userdialogs.h"
#include "app/version.h"
#include "common/format.h"
#include "common/paths.h"
#include "device/configform.h"
#include "device/kiruipod.h"
#include "device/playerpaths.h"
#include "device/specform.h"
#include "dialogs/crform.h"
#include "dialogs/guarded.h"
#include "dialogs/logform.h"
#include "dialogs/progressform.h"
#include "dialogs/widgetdialogs.h"
#include "news/newsdownloader.h"
#include "notes/textimport.h"
#include "platform/drivetable.h"
#include "platform/eject.h"
#include "platform/mountwatcher.h"
#include "platform/network.h"
#include "platform/system.h"
#include "ui_mainform.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QScopedValueRollback>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

using namespace Qt::Literals::StringLiterals;

namespace {
/// Accepts a dropped file's site as it is, when the news tab has given no editor.
class TAcceptURL : public IEditURLDialog
{
public:
    bool Execute(QString &, QString &) override { return true; }
};

const char *const kTabIcons[pgCount] = {
    ":/icons/tab_ipod.png",  ":/icons/tab_song.png",  ":/icons/tab_memo.png", ":/icons/tab_address.png",
    ":/icons/tab_cal.png",   ":/icons/tab_photo.png", ":/icons/tab_news.png", ":/icons/tab_todo.png",
    ":/icons/tab_video.png", ":/icons/tab_debug.png"};
} // namespace

static void InitResources()
{
    Q_INIT_RESOURCE(sorvo);
}

TMainForm::TMainForm(const TMainFormSetup &setup, QWidget *parent)
    : QMainWindow(parent), FUi(std::make_unique<Ui::TMainForm>())
{
    InitResources();
    FUi->setupUi(this);
    setWindowIcon(QIcon(u":/icons/sorvo.png"_s));

    FTabButtons = {FUi->TabButton_iPod,  FUi->TabButton_Song,  FUi->TabButton_Memo, FUi->TabButton_Address,
                   FUi->TabButton_Cal,   FUi->TabButton_Photo, FUi->TabButton_News, FUi->TabButton_ToDo,
                   FUi->TabButton_Video, FUi->TabButton_Debug};
    FTabGroup = new QButtonGroup(this);
    FTabGroup->setExclusive(true);
    for (int page = 0; page < pgCount; ++page) {
        QToolButton *button = TabButton(page);
        button->setProperty("tag", page);
        button->setIcon(QIcon(QString::fromLatin1(kTabIcons[page])));
        button->setIconSize(QSize(32, 32));
        if (page != pgDebug)
            FTabGroup->addButton(button, page);
        // A click toggles the button and then reports the click; assistive tools toggle it without a
        // click. Either switches the page, once.
        connect(button, &QToolButton::toggled, this, [this, button](bool checked) {
            if (!checked || FInTabClick || CurrentPage() == button->property("tag").toInt())
                return;
            FToggledButton = button;
            Guarded([&] { TabButtonClick(button); });
            // Cleared only after the switch: a tab's load processes events, and the click that follows
            // the toggle must still find the mark.
            QTimer::singleShot(0, this, [this] { FToggledButton = nullptr; });
        });
        connect(button, &QToolButton::clicked, this, [this, button] {
            if (FToggledButton == button) {
                FToggledButton = nullptr;
                return;
            }
            Guarded([&] { TabButtonClick(button); });
        });
    }

    FStatus0 = new QLabel(this);
    FStatus0->setObjectName(u"StatusPanel0"_s);
    FStatus0->setAlignment(Qt::AlignCenter);
    FStatus0->setMinimumWidth(100);
    FStatus1 = new QLabel(this);
    FStatus1->setObjectName(u"StatusPanel1"_s);
    // A message naming a long folder is cut by the window's edge rather than widening the window.
    FStatus1->setSizePolicy(QSizePolicy::Ignored, FStatus1->sizePolicy().verticalPolicy());
    FStatus1->setMinimumWidth(100);
    FUi->StatusBar->addWidget(FStatus0);
    FUi->StatusBar->addWidget(FStatus1, 1);

    FUi->SButton_Config->setProperty("tag", 1);
    FUi->SButton_SpecData->setProperty("tag", 0);
    FUi->SButton_Config->setIcon(QIcon(u":/icons/config.png"_s));
    FUi->SButton_SpecData->setIcon(QIcon(u":/icons/details.png"_s));
    FUi->SpeedButton4->setIcon(QIcon(u":/icons/help.png"_s));
    FUi->SButton_Remove->setIcon(QIcon(u":/icons/remove.png"_s));
    FUi->SButton_Recognize->setIcon(QIcon(u":/icons/recognize.png"_s));
#ifndef Q_OS_WIN
    FUi->Label_Product->setText(u"Sorvo for Linux"_s);
#endif
    connect(FUi->SButton_Recognize, &QPushButton::clicked, this,
            [this] { Guarded([this] { Button_RecognizeClick(); }); });
    connect(FUi->SButton_SpecData, &QPushButton::clicked, this,
            [this] { Guarded([this] { SButton_SpecDataClick(0); }); });
    connect(FUi->SButton_Config, &QPushButton::clicked, this,
            [this] { Guarded([this] { SButton_SpecDataClick(1); }); });
    connect(FUi->SButton_Remove, &QPushButton::clicked, this,
            [this] { Guarded([this] { SButton_RemoveClick(); }); });
    connect(FUi->SpeedButton4, &QPushButton::clicked, this,
            [this] { Guarded([this] { SpeedButton4Click(); }); });
    connect(FUi->SButton_ExportDebugs, &QPushButton::clicked, this,
            [this] { Guarded([this] { SButton_ExportDebugsClick(); }); });

    if (setup.driveTable) {
        FDrives = setup.driveTable;
    } else {
        FOwnDrives = std::make_unique<TSystemDriveTable>(setup.drives);
        FDrives = FOwnDrives.get();
    }
    if (setup.dialogs) {
        FDialogs = setup.dialogs;
    } else {
        FOwnDialogs = std::make_unique<TWidgetDialogs>(this);
        FDialogs = FOwnDialogs.get();
    }
    if (setup.progress) {
        FProgress = setup.progress;
    } else {
        FOwnProgress = std::make_unique<TWidgetProgressRunner>(this);
        FProgress = FOwnProgress.get();
    }
    FWatcher = setup.watcher ? setup.watcher : new TMountWatcher(this);
    connect(FWatcher, &TMountWatcher::MountsChanged, this, [this] { Guarded([this] { DeviceChange(); }); });
    // A change seen during a long operation is handled once it has ended.
    connect(&TBusyState::Instance(), &TBusyState::Idle, this, [this] {
        if (FPendingDeviceChange)
            QTimer::singleShot(0, this, [this] { Guarded([this] { DeviceChange(); }); });
    });
    FManualFile = setup.manualFile;

    FormCreate(setup);
}

TMainForm::~TMainForm()
{
    FormDestroy();
}

void TMainForm::Guarded(const std::function<void()> &command)
{
    RunGuarded(*FDialogs, command);
}

void TMainForm::FormCreate(const TMainFormSetup &setup)
{
    FDevice = std::make_unique<TKiruIPOD>(*FDrives, FDialogs,
                                          setup.modelFile.isEmpty() ? TMPlayerChecker::DefaultModelFile()
                                                                    : setup.modelFile);
    FDevice->SetOnProgress([this](qint64 position, qint64 total, const QString &message) {
        const auto clamp = [](qint64 v) { return int(qBound(qint64(INT_MIN), v, qint64(INT_MAX))); };
        ShowProgressText(clamp(position), clamp(total), message);
    });

    const QScreen *screen = QGuiApplication::primaryScreen();
    const QSize screenSize = screen ? screen->availableSize() : QSize(1024, 768);
    // The window grows past its 594 x 385 client area when the user's fonts need more room.
    const QSize windowSize = sizeHint().expandedTo(QSize(594, 385 + FUi->StatusBar->sizeHint().height()));
    resize(windowSize);
    FSettings = std::make_unique<TKiruIPodINI>(setup.settingsFile.isEmpty() ? TKiruIPodINI::DefaultPath()
                                                                            : setup.settingsFile,
                                               screenSize, windowSize);
    if (!FSettings->LoadWarning().isEmpty())
        FDialogs->Warning(FSettings->LoadWarning());

    // A position saved on a screen that is no longer there would put the window out of reach.
    const QRect saved(QPoint(FSettings->FMain_X, FSettings->FMain_Y), windowSize);
    bool onScreen = false;
    for (const QScreen *s : QGuiApplication::screens())
        onScreen = onScreen || s->availableGeometry().intersects(saved);
    if (onScreen || !screen)
        move(saved.topLeft());
    else
        move(screen->availableGeometry().center() - QPoint(windowSize.width() / 2, windowSize.height() / 2));
    FNewsSites.LoadFromSettings(FSettings->FSiteList);

    FMessages = std::make_unique<TLagugae>();
    ResetDeviceView();
    setWindowTitle(Format(u"%s %s"_s, {FMessages->GetText("TITLE"), QString::fromUtf16(kSorvoVersion)}));
    FSortKeys = {0, 3, 2, 2, 2, 2};
    FDebugMode = setup.debugMode;
    setAcceptDrops(true);
    FAutoRecognize = true;
}

bool TMainForm::CheckTerms()
{
    if (FSettings->FCopyright)
        return true;
    TCRForm form(*FSettings); // centred on the screen: the main window is not shown yet
    form.exec();
    return FSettings->FCopyright;
}

void TMainForm::FormDestroy()
{
    if (!FSettings)
        return;
    FSettings->FMain_X = x();
    FSettings->FMain_Y = y();
    FNewsSites.StoreToSettings(FSettings->FSiteList);
    FMessages.reset();
    FDevice.reset();
    try {
        if (FSettings->CanSave()) // the user was told at start why this file is left alone
            FSettings->Save();
    } catch (const ESorvoError &e) {
        FDialogs->Warning(e.Message());
    }
    FSettings.reset();
}

void TMainForm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!FShown) {
        FShown = true;
        // The player page has the focus once the window is shown: the first recognition runs then.
        QTimer::singleShot(0, this, [this] { Guarded([this] { iPodSheetEnter(); }); });
    }
}

void TMainForm::iPodSheetEnter()
{
    if (!FAutoRecognize)
        return;
    FAutoRecognize = false;
    Button_RecognizeClick();
}

void TMainForm::Button_RecognizeClick()
{
    TBusyScope busy;
    FDevice->UseDriveLock(*FSettings);
    bool found = false;
    try {
        found = FDevice->Locate();
    } catch (...) {
        // A damaged database leaves no half-read player behind.
        FDevice->Clear();
        SetStatusText(FMessages->GetText("MSG_RECG_FAL"));
        throw;
    }
    if (!found) {
        SetStatusText(FMessages->GetText("MSG_RECG_FAL"));
        return;
    }
    ShowDeviceInfo();
    if (FSettings->FAutoDownLoad)
        Guarded([this] { AutoDownloadNews(); });
    SetStatusText(
        Format(FMessages->GetText("MSG_RECG_SUC"), {QDir::toNativeSeparators(FDevice->FChecker.FRoot)}));
    if (FDevice->FSongDB.FEndedEarly)
        SetStatusText(EndedEarlyText(int(FDevice->FSongDB.FSongs.Count())));
}

void TMainForm::ResetDeviceView()
{
    ShowPage(pgPlayer);
    FUi->iPodSheet->setFocus();
    for (int page = pgSongs; page < pgCount; ++page)
        TabButton(page)->setVisible(false);
    FUi->SButton_Recognize->setEnabled(true);
    FUi->SButton_SpecData->setEnabled(false);
    FUi->SButton_SpecData->setVisible(false);
    FUi->SButton_Remove->setEnabled(false);
    FUi->TabButton_iPod->setChecked(true);
    FUi->TabButton_Debug->setChecked(false);

    FUi->Panel_Recognize->setText(FMessages->GetText("MSG_RECG_NOT"));
    for (QLabel *panel : {FUi->Panel_IPName, FUi->Panel_IPDrive, FUi->Panel_IPSize, FUi->Panel_IPFreeSize,
                          FUi->Panel_IPMusicCount, FUi->Panel_IPMusicSize})
        panel->clear();

    // Sites added or edited since start-up are kept in the settings before the view is emptied.
    FNewsSites.StoreToSettings(FSettings->FSiteList);
    FNewsSites.FRows.clear();
    for (ITabPage *tab : FPages)
        if (tab)
            tab->ClearList();

    FDevice->Clear();
    FWatcher->StopWatchingPlayer();
    ShowElidedPath(FUi->Panel_IPDrive, QString());
    FStatus0->setText(u"[接続待ち]"_s);
}

void TMainForm::ShowDeviceInfo()
{
    UpdateTabButtons();
    const TMPlayerChecker &device = FDevice->FChecker;
    FUi->Panel_Recognize->setText(FMessages->GetText("MSG_RECG_HAD"));
    FUi->Panel_IPName->setText(device.FName);
    ShowElidedPath(FUi->Panel_IPDrive, QDir::toNativeSeparators(device.FRoot));
    FWatcher->WatchPlayer(TrimPathDelim(device.FRoot), PlayerMarkerFile(device));
    FUi->Panel_IPSize->setText(Format(u"%.0n MB"_s, {device.FTotalBytes >> 20}));
    FUi->Panel_IPFreeSize->setText(Format(u"%.0n MB"_s, {device.FFreeBytes >> 20}));
    FUi->Panel_IPMusicSize->setText(Format(u"%.0n MB"_s, {device.FSongBytes >> 20}));
    FUi->Panel_IPMusicCount->setText(Format(u"%.0n 曲"_s, {device.FSongCount}));
}

void TMainForm::UpdateTabButtons()
{
    const TMPlayerChecker &device = FDevice->FChecker;
    FUi->SButton_Recognize->setEnabled(false);
    FUi->SButton_SpecData->setVisible(true);
    FUi->SButton_SpecData->setEnabled(true);
    FUi->SButton_Remove->setEnabled(true);
    FUi->TabButton_Song->setVisible(device.FHasSongs);
    FUi->TabButton_Memo->setVisible(device.FHasNotes);
    FUi->TabButton_News->setVisible(device.FHasNotes);
    FUi->TabButton_Address->setVisible(device.FHasContacts);
    FUi->TabButton_Cal->setVisible(device.FHasCalendar);
    FUi->TabButton_ToDo->setVisible(device.FHasTodo);
    FUi->TabButton_Photo->setVisible(device.FHasPhotos);
    FUi->TabButton_Video->setVisible(device.FHasVideo);
    FUi->TabButton_Debug->setVisible(FDebugMode);
    if (device.FKind == kPlayerIPod && FDevice->FSongDB.FSongs.VideoCount() > 0)
        FUi->TabButton_Video->setVisible(true);
    FUi->TabButton_iPod->setChecked(true);
    FStatus0->setText(FMessages->GetText("MSG_CNCT_SUC"));
}

void TMainForm::SetStatusText(const QString &text)
{
    FStatus1->setText(text);
}

QString TMainForm::StatusText(int panel) const
{
    return panel == 0 ? FStatus0->text() : FStatus1->text();
}

void TMainForm::ShowProgressText(int position, int total, const QString &message)
{
    if (total == 0)
        FStatus1->setText(message);
    else
        FStatus1->setText(Format(u"%d %% - %s"_s, {qint64(position) * 100 / total, message}));
    // Painting for every item would cost more than the work: about every 30 ms, and at the end.
    if (FStatusRefresh.isValid() && FStatusRefresh.elapsed() < 30 && position < total)
        return;
    FStatusRefresh.start();
    FUi->StatusBar->repaint();
    // Paints and keeps the window alive; clicks wait, so the running loop is not entered again.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

int TMainForm::CurrentPage() const
{
    return FUi->PageControl->currentIndex();
}

void TMainForm::ShowPage(int page)
{
    if (page >= 0 && page < pgCount)
        FUi->PageControl->setCurrentIndex(page);
}

bool TMainForm::Connected() const
{
    return FDevice && !FDevice->FChecker.FRoot.isEmpty() && FDevice->FChecker.FKind != kPlayerNone;
}

void TMainForm::RegisterTabPage(int page, ITabPage *tab)
{
    if (page <= pgPlayer || page >= pgDebug)
        return;
    FPages[size_t(page)] = tab;
    if (tab && tab->PageWidget())
        FUi->PageControl->widget(page)->layout()->addWidget(tab->PageWidget());
}

void TMainForm::LoadTabData(TTabCode tabCode)
{
    const int page = PageOfTabCode(tabCode);
    if (page < 0)
        return;
    TBusyScope busy;
    if (ITabPage *tab = FPages[size_t(page)])
        tab->LoadTabData(tabCode);
    else if (tabCode == TTabCode::NewsSites)
        FNewsSites.LoadFromSettings(FSettings->FSiteList);
}

void TMainForm::TabButtonClick(QAbstractButton *sender)
{
    if (TBusyState::Instance().Busy()) {
        // A long operation is running: the page stays.
        TabButton(CurrentPage())->setChecked(true);
        return;
    }
    if (sender) {
        ShowPage(sender->property("tag").toInt());
        const QScopedValueRollback<bool> inClick(FInTabClick, true);
        sender->setChecked(true);
    }
    const int page = CurrentPage();
    TTabCode code;
    if (!TabCodeOfPage(page, code))
        return;
    ITabPage *tab = FPages[size_t(page)];
    if (tab)
        tab->Entering();
    const bool empty = tab ? tab->ListEmpty() : page == pgNews && FNewsSites.FRows.isEmpty();
    if (!empty)
        return;
    LoadTabData(code);
    if (tab)
        tab->Loaded();
}

void TMainForm::FormKeyDown(int key)
{
    if (key < Qt::Key_F1 || key > Qt::Key_F9)
        return;
    static const int pages[] = {pgPlayer,   pgSongs, pgNotes,  pgNews,  pgContacts,
                                pgCalendar, pgToDo,  pgPhotos, pgVideos};
    const int page = pages[key - Qt::Key_F1];
    QToolButton *button = TabButton(page);
    if (button->isHidden() || TBusyState::Instance().Busy())
        return;
    ShowPage(page);
    TabButtonClick(button);
}

void TMainForm::keyPressEvent(QKeyEvent *event)
{
    Guarded([&] { FormKeyDown(event->key()); });
    QMainWindow::keyPressEvent(event);
}

void TMainForm::DeviceChange()
{
    if (TBusyState::Instance().Busy()) {
        FPendingDeviceChange = true;
        return;
    }
    FPendingDeviceChange = false;
    // Only a recognised player can go away; a change of other drives leaves the window as it is.
    if (!Connected() || PlayerStillPresent(FDevice->FChecker))
        return;
    ShowPage(pgPlayer);
    ResetDeviceView();
    SetStatusText(FMessages->GetText("MSG_REMOVED"));
}

void TMainForm::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent *event)
{
    QStringList paths;
    for (const QUrl &url : event->mimeData()->urls())
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    event->acceptProposedAction();
    // The drop ends before the files are taken in, so the source program is not kept waiting.
    QTimer::singleShot(0, this, [this, paths] { Guarded([&] { DropFiles(paths); }); });
}

void TMainForm::DropFiles(const QStringList &paths)
{
    const int page = CurrentPage();
    if (page != pgNotes && page != pgNews && page != pgCalendar && page != pgContacts) {
        FDialogs->Warning(u"現在の画面ではドラッグされたファイルを登録できません"_s);
        return;
    }
    for (const QString &path : paths) {
        if (CurrentPage() != page) {
            FDialogs->Warning(u"ドラッグされたファイルを登録できません"_s);
            continue;
        }
        Guarded([&] { DropFileOnPage(page, path); });
    }
}

void TMainForm::DropFileOnPage(int page, const QString &path)
{
    ITabPage *tab = FPages[size_t(page)];
    if (tab && tab->DropFile(path))
        return;
    TBusyScope busy;
    if (page == pgNews) {
        TAcceptURL accept;
        FNewsSites.EditSite(TNewsSiteList::ModeDroppedFile, path, -1, FURLEditor ? *FURLEditor : accept);
        if (tab)
            tab->DataChanged();
        return;
    }
    const TMPlayerChecker &device = FDevice->FChecker;
    TTextImporter importer(*FSettings, *FDialogs, this);
    importer.SetDevice(device);
    importer.FProgressRunner = FProgress;
    const TImportKind kind = page == pgNotes ? ikNote : page == pgContacts ? ikContact : ikCalendar;
    importer.ImportFile(path, kind);
}

void TMainForm::SButton_SpecDataClick(int tag)
{
    if (tag == 0) {
        TSpecForm form(FDevice->FChecker, *FDialogs, this);
        form.exec();
    } else if (tag == 1) {
        TConfigForm form(*FSettings, *FDrives, *FDialogs, this);
        form.exec();
    }
}

void TMainForm::SButton_RemoveClick()
{
    QString error;
    if (!EjectPlayer(FDevice->FChecker.FRoot, error))
        FDialogs->Warning(Format(u"iPodを取り外せませんでした。\n%s"_s, {error}));
}

QString TMainForm::ManualFile() const
{
    if (!FManualFile.isEmpty())
        return FManualFile;
    return ProgramDataFile(u"manual/index.html"_s);
}

void TMainForm::SpeedButton4Click()
{
    const QString manual = ManualFile();
    if (QFileInfo::exists(manual))
        FDialogs->ShellOpen(manual);
    else
        FDialogs->Warning(u"Sorvoのヘルプが見つかりません"_s);
}

void TMainForm::AutoDownloadNews()
{
    FNewsSites.StoreToSettings(FSettings->FSiteList);
    FNewsSites.FRows.clear();
    FNewsSites.LoadFromSettings(FSettings->FSiteList);
    DownloadNews();
}

void TMainForm::DownloadNews()
{
    ITabPage *tab = FPages[pgNews];
    const QString notes = FDevice->FChecker.FNotesDir;
    if (notes.isEmpty()) {
        if (tab)
            tab->DataChanged();
        return; // a player without notes has nowhere to put the news
    }
    TBusyScope busy;
    TNewsDownloader downloader(*FSettings, *FDialogs);
    downloader.FIsOnline = IsOnline;
    try {
        downloader.Download(FNewsSites.FRows, notes, *FProgress, this);
    } catch (...) {
        if (tab)
            tab->DataChanged();
        throw;
    }
    if (tab)
        tab->DataChanged();
}

void TMainForm::ShowTransferLog()
{
    TLogForm form(*FDialogs, this);
    form.Fill(FDevice->FSongDB.FSongs);
    form.exec();
}

void TMainForm::SButton_ExportDebugsClick()
{
    TDebugExportChoice choice;
    choice.songDB = FUi->CheckBox_iTunesDB->isChecked();
    choice.artworkDB = FUi->CheckBox_ArtworkDB->isChecked();
    choice.photoDB = FUi->CheckBox_PhotoDB->isChecked();
    choice.artworkInfo = FUi->CheckBox_ArtworkInfo->isChecked();
    choice.photoInfo = FUi->CheckBox_PhotoInfo->isChecked();
    choice.folderReport = FUi->CheckBox_FolderReport->isChecked();
    choice.deviceReport = FUi->CheckBox_InfoReport->isChecked();
    QString folder = QDir::homePath();
    if (!FDialogs->BrowseForFolder(folder))
        return;
    TBusyScope busy;
    const QStringList written = ExportDebugData(*FDevice, choice, folder);
    SetStatusText(Format(u"%d 個のファイルを書き出しました"_s, {int(written.size())}));
}
