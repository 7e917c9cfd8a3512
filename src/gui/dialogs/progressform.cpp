#include "dialogs/progressform.h"

#include "app/backgroundtask.h"
#include "platform/safefilewriter.h"
#include "ui_progressform.h"

#include <QCloseEvent>
#include <QTimer>

namespace {
/// How often the window takes up the step's position and caption.
constexpr int kRefreshMs = 30;
} // namespace

TProgressForm::TProgressForm(const QString &title, int minimum, int maximum, const TProgressStep &step,
                             QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      FUi(std::make_unique<Ui::TProgressForm>()), FStep(step), FMinimum(minimum), FMaximum(maximum),
      FPosition(minimum)
{
    FUi->setupUi(this);
    setWindowTitle(title);
    setModal(true);
    FUi->ProgressBar->setRange(minimum, maximum);
    FUi->ProgressBar->setValue(minimum);
    FTask = new TBackgroundTask(this);
    FRefresh = new QTimer(this);
    FRefresh->setInterval(kRefreshMs);
    connect(FRefresh, &QTimer::timeout, this, &TProgressForm::Refresh);
    connect(FUi->Button1, &QPushButton::clicked, this, &TProgressForm::CancelWork);
    resize(minimumSizeHint().expandedTo(QSize(450, 61)));
}

TProgressForm::~TProgressForm()
{
    FCancelled = true;
    FTask->Wait();
}

QProgressBar *TProgressForm::ProgressBar() const
{
    return FUi->ProgressBar;
}
QLabel *TProgressForm::Label() const
{
    return FUi->Label_Exp;
}

int TProgressForm::Execute()
{
    exec();
    // The keys go back to the window the work was started from, also where no window manager says so.
    if (QWidget *owner = parentWidget())
        owner->window()->activateWindow();
    if (FError)
        std::rethrow_exception(FError);
    return FPosition.load();
}

void TProgressForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!FStarted) {
        FStarted = true;
        // The work starts once the window has been painted.
        QTimer::singleShot(0, this, &TProgressForm::StartWork);
    }
}

void TProgressForm::StartWork()
{
    FCancelled = false;
    ResetStopRequest();
    FRefresh->start();
    const bool started = FTask->Start(
        [this] {
            if (FStep)
                FStep(*this);
        },
        [this](std::exception_ptr error) {
            FError = error;
            FRefresh->stop();
            Refresh();
            done(QDialog::Accepted);
        });
    if (!started)
        done(QDialog::Accepted);
}

void TProgressForm::CancelWork()
{
    FCancelled = true;
    RequestStop(); // file work in the middle of a long file stops at its next chunk
    FUi->Button1->setEnabled(false);
}

void TProgressForm::reject()
{
    // Escape asks the step to stop; the window closes when it has.
    if (FTask->Running()) {
        CancelWork();
        return;
    }
    QDialog::reject();
}

void TProgressForm::closeEvent(QCloseEvent *event)
{
    if (FTask->Running()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TProgressForm::SetPosition(int position)
{
    FPosition = qBound(FMinimum, position, FMaximum.load());
}

void TProgressForm::SetLabel(const QString &text)
{
    const QMutexLocker lock(&FLabelLock);
    FLabel = text;
    FLabelChanged = true;
}

void TProgressForm::Refresh()
{
    FUi->ProgressBar->setMaximum(FMaximum.load());
    FUi->ProgressBar->setValue(FPosition.load());
    const QMutexLocker lock(&FLabelLock);
    if (FLabelChanged) {
        FLabelChanged = false;
        FUi->Label_Exp->setText(FLabel);
    }
}

int TWidgetProgressRunner::Run(const QString &title, int minimum, int maximum, const TProgressStep &step)
{
    TProgressForm form(title, minimum, maximum, step, FOwner);
    return form.Execute();
}
