#include "mainform/mainform.h"

#include "mainform/elidedpath.h"

#include "app/guithreaddialogs.h"
#include "app/messages.h"
#include "app/settings.h"
#include "app/version.h"
#include "common/format.h"
#include "common/paths.h"
#include "device/playerpage.h"
#include "dialogs/crform.h"
#include "dialogs/guarded.h"
#include "dialogs/progressform.h"
#include "dialogs/widgetdialogs.h"
#include "mainform/tabs.h"
#include "platform/drivetable.h"
#include "platform/mountwatcher.h"
#include "session/playersession.h"
#include "ui_mainform.h"

#include <QButtonGroup>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

using namespace Qt::Literals::StringLiterals;

namespace {
const char *const kTabIcons[pgCount] = {
    ":/icons/tab_ipod.png",  ":/icons/tab_song.png",  ":/icons/tab_memo.png", ":/icons/tab_address.png",
    ":/icons/tab_cal.png",   ":/icons/tab_photo.png", ":/icons/tab_news.png", ":/icons/tab_todo.png",
    ":/icons/tab_video.png", ":/icons/tab_debug.png"};
/// The pages of the function keys F1 to F9.
constexpr int kFunctionKeyPages[] = {pgPlayer,   pgSongs, pgNotes,  pgNews,  pgContacts,
                                     pgCalendar, pgToDo,  pgPhotos, pgVideos};
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
    FManualFile = setup.manualFile;
    FDebugMode = setup.debugMode;

    FTabButtons = {FUi->TabButton_iPod,  FUi->TabButton_Song,  FUi->TabButton_Memo, FUi->TabButton_Address,
                   FUi->TabButton_Cal,   FUi->TabButton_Photo, FUi->TabButton_News, FUi->TabButton_ToDo,
                   FUi->TabButton_Video, FUi->TabButton_Debug};
    // One radio group of every button but the debug one drives the page stack. A click and an assistive
    // tool's toggle both switch the page; choosing the page shown again only takes the focus there.
    FTabGroup = new QButtonGroup(this);
    FTabGroup->setExclusive(true);
    for (int page = 0; page < pgCount; ++page) {
        QToolButton *button = TabButton(page);
        button->setIcon(QIcon(QString::fromLatin1(kTabIcons[page])));
        button->setIconSize(QSize(32, 32));
        if (page != pgDebug)
            FTabGroup->addButton(button, page);
    }
    connect(FTabGroup, &QButtonGroup::idToggled, this, [this](int page, bool checked) {
        if (checked)
            PageChosen(page);
    });
    // A click on the button already down toggles nothing: it takes the page up again.
    connect(FTabGroup, &QButtonGroup::idPressed, this,
            [this](int page) { FPressedDown = TabButton(page)->isChecked() ? page : -1; });
    connect(FTabGroup, &QButtonGroup::idClicked, this, [this](int page) {
        if (FPressedDown == page)
            PageChosen(page);
        FPressedDown = -1;
    });
    connect(FUi->TabButton_Debug, &QToolButton::toggled, this, [this](bool checked) {
        if (checked)
            PageChosen(pgDebug);
    });
    connect(FUi->TabButton_Debug, &QToolButton::clicked, this, [this] { PageChosen(pgDebug); });

    FStatus0 = new QLabel(this);
    FStatus0->setObjectName(u"StatusPanel0"_s);
    FStatus0->setAlignment(Qt::AlignCenter);
    FStatus0->setMinimumWidth(100);
    FStatus1 = new QLabel(this);
    FStatus1->setObjectName(u"StatusPanel1"_s);
    FStatus1->setMinimumWidth(100);
    FUi->StatusBar->addWidget(FStatus0);
    FUi->StatusBar->addWidget(FStatus1, 1);

    if (!setup.driveTable)
        FOwnDrives = std::make_unique<TSystemDriveTable>(setup.drives);
    IDriveTable &drives = setup.driveTable ? *setup.driveTable : *FOwnDrives;
    if (!setup.dialogs)
        FOwnDialogs = std::make_unique<TWidgetDialogs>(this);
    // Work running beside the window asks the user through the same dialogs, on this thread.
    FDialogs = std::make_unique<TGuiThreadDialogs>(setup.dialogs ? *setup.dialogs : *FOwnDialogs);
    if (setup.progress) {
        FProgress = setup.progress;
    } else {
        FOwnProgress = std::make_unique<TWidgetProgressRunner>(this);
        FProgress = FOwnProgress.get();
    }
    FWatcher = setup.watcher ? setup.watcher : new TMountWatcher(this);
    connect(FWatcher, &TMountWatcher::MountsChanged, this,
            [this] { RunGuarded(Dialogs(), [this] { DeviceChange(); }); });

    const QScreen *screen = QGuiApplication::primaryScreen();
    const QSize screenSize = screen ? screen->availableSize() : QSize(1024, 768);
    // The window grows past its 594 x 385 client area when the user's fonts need more room.
    const QSize windowSize = sizeHint().expandedTo(QSize(594, 385 + FUi->StatusBar->sizeHint().height()));
    resize(windowSize);
    FSettings = std::make_unique<TKiruIPodINI>(setup.settingsFile.isEmpty() ? TKiruIPodINI::DefaultPath()
                                                                            : setup.settingsFile,
                                               screenSize, windowSize);
    if (!FSettings->LoadWarning().isEmpty())
        Dialogs().Warning(FSettings->LoadWarning());
    // The size the user left it at, never smaller than the layout needs nor larger than the screen.
    const QSize savedSize = QSize(FSettings->FMain_W, FSettings->FMain_H)
                                .expandedTo(minimumSizeHint())
                                .boundedTo(screenSize.expandedTo(windowSize));
    resize(savedSize);
    PlaceWindow(savedSize);

    FSession = std::make_unique<TPlayerSession>(
        drives, *FDialogs, FSettings.get(),
        setup.modelFile.isEmpty() ? TMPlayerChecker::DefaultModelFile() : setup.modelFile);
    FSession->SetStatusLine(this);
    connect(FSession.get(), &TPlayerSession::playerFound, this, &TMainForm::ShowPlayerTabs);
    connect(FSession.get(), &TPlayerSession::playerLost, this, &TMainForm::HidePlayerTabs);

    setWindowTitle(
        Format(u"%s %s"_s, {FSession->Messages().GetText("TITLE"), QString::fromUtf16(kSorvoVersion)}));
    setAcceptDrops(true);
    HidePlayerTabs();
    CreateTabPages(*this);
}

TMainForm::~TMainForm()
{
    StoreState();
    // The pages go first: work they started (a recognition) uses the session.
    for (TTabPage *&page : FPages) {
        delete page;
        page = nullptr;
    }
    try {
        if (FSettings->CanSave()) // the user was told at start why this file is left alone
            FSettings->SaveChanges();
    } catch (const ESorvoError &e) {
        Dialogs().Warning(e.Message());
    }
}

IUserDialogs &TMainForm::Dialogs()
{
    return *FDialogs;
}

TTabContext TMainForm::Context()
{
    return TTabContext{*FSession, *FSettings, *FDialogs, *FProgress, *this, this};
}

void TMainForm::PlaceWindow(const QSize &windowSize)
{
    // A position saved on a screen that is no longer there would put the window out of reach.
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect saved(QPoint(FSettings->FMain_X, FSettings->FMain_Y), windowSize);
    bool onScreen = false;
    for (const QScreen *s : QGuiApplication::screens())
        onScreen = onScreen || s->availableGeometry().intersects(saved);
    if (onScreen || !screen)
        move(saved.topLeft());
    else
        move(screen->availableGeometry().center() - QPoint(windowSize.width() / 2, windowSize.height() / 2));
}

void TMainForm::StoreState()
{
    FSettings->FMain_X = x();
    FSettings->FMain_Y = y();
    const QSize shown = isMaximized() || isFullScreen() ? normalGeometry().size() : size();
    FSettings->FMain_W = shown.width();
    FSettings->FMain_H = shown.height();
    FSession->StoreNewsSites();
}

bool TMainForm::CheckTerms()
{
    if (FSettings->FCopyright)
        return true;
    TCRForm form(*FSettings); // centred on the screen: the main window is not shown yet
    form.exec();
    return FSettings->FCopyright;
}

void TMainForm::RegisterTabPage(int page, TTabPage *tab)
{
    if (page < 0 || page >= pgCount || !tab)
        return;
    delete FPages[size_t(page)]; // a page given again replaces the one before
    FPages[size_t(page)] = tab;
    FUi->PageControl->widget(page)->layout()->addWidget(tab);
}

TPlayerPage *TMainForm::PlayerPage() const
{
    return qobject_cast<TPlayerPage *>(FPages[pgPlayer]);
}

void TMainForm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!FShown) {
        FShown = true;
        // The player page has the focus once the window is shown: the first recognition starts then.
        QTimer::singleShot(0, this, [this] { PageChosen(CurrentPage()); });
    }
}

void TMainForm::ShowPlayerTabs(const TPlayerInfo &player)
{
    FUi->TabButton_Song->setVisible(player.FHasSongs);
    FUi->TabButton_Memo->setVisible(player.FHasNotes);
    FUi->TabButton_News->setVisible(player.FHasNotes);
    FUi->TabButton_Address->setVisible(player.FHasContacts);
    FUi->TabButton_Cal->setVisible(player.FHasCalendar);
    FUi->TabButton_ToDo->setVisible(player.FHasTodo);
    FUi->TabButton_Photo->setVisible(player.FHasPhotos);
    FUi->TabButton_Video->setVisible(player.FHasVideo);
    FUi->TabButton_Debug->setVisible(FDebugMode);
    if (player.FKind == kPlayerIPod && FSession->Songs().VideoCount() > 0)
        FUi->TabButton_Video->setVisible(true);
    FUi->TabButton_iPod->setChecked(true);
    FStatus0->setText(FSession->Messages().GetText("MSG_CNCT_SUC"));
    FWatcher->WatchPlayer(TrimPathDelim(player.FRoot), PlayerMarkerFile(player));
}

void TMainForm::HidePlayerTabs()
{
    for (int page = pgSongs; page < pgCount; ++page)
        TabButton(page)->setVisible(false);
    FUi->TabButton_Debug->setChecked(false);
    FUi->TabButton_iPod->setChecked(true);
    FUi->PageControl->setCurrentIndex(pgPlayer);
    FWatcher->StopWatchingPlayer();
    FStatus0->setText(tr("[接続待ち]"));
}

void TMainForm::PageChosen(int page)
{
    if (page < 0 || page >= pgCount)
        return;
    if (page != pgDebug)
        FUi->TabButton_Debug->setChecked(false);
    FUi->PageControl->setCurrentIndex(page);
    if (TTabPage *tab = FPages[size_t(page)])
        RunGuarded(Dialogs(), [tab] { tab->Entering(); });
}

bool TMainForm::ShowTab(int page)
{
    if (page < 0 || page >= pgCount)
        return false;
    QToolButton *button = TabButton(page);
    if (button->isHidden())
        return false;
    if (CurrentPage() == page || button->isChecked())
        PageChosen(page);
    else
        button->setChecked(true); // the button's toggle shows the page
    return true;
}

int TMainForm::CurrentPage() const
{
    return FUi->PageControl->currentIndex();
}

void TMainForm::keyPressEvent(QKeyEvent *event)
{
    // The function keys act as the tab buttons; a list's own shortcut on the same key comes first.
    const int key = event->key();
    if (key >= Qt::Key_F1 && key <= Qt::Key_F9 && event->modifiers() == Qt::NoModifier)
        ShowTab(kFunctionKeyPages[key - Qt::Key_F1]);
    QMainWindow::keyPressEvent(event);
}

void TMainForm::SetStatusText(const QString &text)
{
    // A message naming a long folder is cut with "…" rather than widening the window; whole in the tip.
    ShowElidedText(FStatus1, text);
}

QString TMainForm::StatusText(int panel) const
{
    return panel == 0 ? FStatus0->text() : FullLabelText(FStatus1);
}

void TMainForm::ShowProgressText(int position, int total, const QString &message)
{
    if (total == 0)
        ShowElidedText(FStatus1, message);
    else
        ShowElidedText(FStatus1, Format(u"%d %% - %s"_s, {qint64(position) * 100 / total, message}));
}

void TMainForm::DeviceChange()
{
    // Only a recognised player can go away; a change of other drives leaves the window as it is.
    if (!FSession->Connected() || PlayerStillPresent(FSession->Player()))
        return;
    FSession->Reset();
    SetStatusText(FSession->Messages().GetText("MSG_REMOVED"));
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
    QTimer::singleShot(0, this, [this, paths] { DropFiles(paths); });
}

void TMainForm::DropFiles(const QStringList &paths)
{
    const int page = CurrentPage();
    TTabPage *tab = FPages[size_t(page)];
    if (!tab || !tab->AcceptsDrops()) {
        Dialogs().Warning(tr("現在の画面ではドラッグされたファイルを登録できません"));
        return;
    }
    for (const QString &path : paths) {
        if (CurrentPage() != page) {
            Dialogs().Warning(tr("ドラッグされたファイルを登録できません"));
            continue;
        }
        RunGuarded(Dialogs(), [tab, &path] { tab->DropFile(path); });
    }
}
