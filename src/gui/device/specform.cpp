#include "device/specform.h"

#include "app/backgroundtask.h"
#include "app/userdialogs.h"
#include "device/modelpictures.h"
#include "device/playerinfo.h"
#include "device/specvalues.h"
#include "dialogs/guarded.h"
#include "platform/consolerun.h"
#include "ui_specform.h"

#include <QAction>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QMenu>

using namespace Qt::Literals::StringLiterals;

TSpecForm::TSpecForm(const TPlayerInfo &device, IUserDialogs &dialogs, QWidget *parent)
    : QDialog(parent), FUi(std::make_unique<Ui::TSpecForm>()), FDevice(device), FDialogs(dialogs)
{
    FUi->setupUi(this);
    FCheck = new TBackgroundTask(this);
    const TSpecValues v = MakeSpecValues(device);
    FUi->Label_PodMachine->setText(v.machine);
    FUi->Label_Podgeneration->setText(v.generation);
    FUi->Label_PodNumber->setText(v.number);
    FUi->Label_PodName->setText(v.name);
    FUi->Label_PodOwner->setText(v.owner);
    FUi->Label_PodSoftware->setText(v.software);
    FUi->Label_PodSerial->setText(v.serial);
    FUi->Label_PodArea->setText(v.area);
    FUi->Label_PodHDD->setText(v.hdd);
    FUi->Label_PodSongs->setText(v.songs);
    FUi->Label_PodSongSize->setText(v.songSize);
    FPictureIndex = v.pictureIndex;
    FUi->IPODImage->setPixmap(ModelFramePicture(FPictureIndex, FUi->IPODImage->minimumSize()));

    if (!device.FSysInfoFile.isEmpty() && QFileInfo(device.FSysInfoFile).isFile()) {
        QFile file(device.FSysInfoFile);
        if (file.open(QIODevice::ReadOnly))
            FUi->IniMemo->setPlainText(QString::fromUtf8(file.read(1 << 20)));
    }

    // The information file's own menu: copy and select all.
    FUi->IniMemo->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto *copy = new QAction(tr("コピー(&C)"), FUi->IniMemo);
    copy->setShortcut(QKeySequence(u"Ctrl+C"_s));
    copy->setShortcutContext(Qt::WidgetShortcut);
    connect(copy, &QAction::triggered, FUi->IniMemo, &QPlainTextEdit::copy);
    auto *all = new QAction(tr("全てを選択(&L)"), FUi->IniMemo);
    all->setShortcut(QKeySequence(u"Ctrl+A"_s));
    all->setShortcutContext(Qt::WidgetShortcut);
    connect(all, &QAction::triggered, FUi->IniMemo, &QPlainTextEdit::selectAll);
    FUi->IniMemo->addActions({copy, all});

    connect(FUi->Button1, &QPushButton::clicked, this,
            [this] { RunGuarded(FDialogs, [this] { CheckDisk(); }); });
    connect(FUi->Button_Close, &QPushButton::clicked, this, &QDialog::accept);
    SetDiskCheck(PlanDiskCheck(device.FRoot));
    FUi->PageControl1->setCurrentIndex(0);
    resize(sizeHint().expandedTo(size()));
}

void TSpecForm::SetDiskCheck(const TDiskCheck &check)
{
    FDiskCheck = check;
    // The note says what the checker here really does; a player kept in a folder cannot be checked at all.
    QString note = check.repairs ? tr("※iPod内のデータの損傷をチェックし修正を行います。iPod "
                                      "nanoやShuffleには絶対に使用しないで下さい。")
                                 : tr("※iPod内のデータの損傷をチェックします。読み取りのみで、修正は行いませ"
                                      "ん。iPod nanoやShuffleには絶対に使用しないで下さい。");
    if (!check.possible)
        //: %1 is why this drive cannot be checked; ※ marks a note
        note = tr("※%1").arg(check.reason);
    FUi->Label_ScanNote->setText(note);
    FUi->Button1->setEnabled(check.possible);
    FUi->Button1->setToolTip(check.possible ? QString() : check.reason);
}

TSpecForm::~TSpecForm() = default;

void TSpecForm::CheckDisk()
{
    // Nothing is asked about a check that cannot run.
    if (!FDiskCheck.possible) {
        FDialogs.Warning(tr("このドライブはスキャンディスクできません"));
        return;
    }
    if (FDialogs.AskYesNo(tr("iPodをスキャンディスクしてもよろしいですか？意味のわからない方は、「いいえ」を"
                             "選択して作業を中止してください。")) != TDialogAnswer::Yes)
        return;
    // The check runs beside the window, which stays painted; its output shows when it has ended.
    auto output = std::make_shared<QString>();
    const TDiskCheck check = FDiskCheck;
    FUi->Button1->setEnabled(false);
    FUi->Button_Close->setEnabled(false);
    FCheck->Start([check, output] { *output = RunDiskCheck(check, QDateTime::currentDateTime()); },
                  [this, output](std::exception_ptr error) {
                      FUi->Button1->setEnabled(FDiskCheck.possible);
                      FUi->Button_Close->setEnabled(true);
                      try {
                          if (error)
                              std::rethrow_exception(error);
                          FUi->ConsoleMemo->setPlainText(*output);
                      } catch (const ELaunchFailed &) {
                          FDialogs.Error(tr("エラー情報"), tr("スキャンディスクの起動に失敗しました。"));
                      } catch (...) {
                          RunGuarded(FDialogs, [error] { std::rethrow_exception(error); });
                      }
                  });
}

bool TSpecForm::Checking() const
{
    return FCheck->Running();
}

void TSpecForm::closeEvent(QCloseEvent *event)
{
    if (Checking())
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void TSpecForm::reject()
{
    if (!Checking())
        QDialog::reject();
}
