#include "dialogs/progressform.h"

#include "dialogs/guarded.h"
#include "ui_progressform.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QTimer>

TProgressForm::TProgressForm(const QString &title, int minimum, int maximum, const TProgressStep &step,
                             QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      FUi(std::make_unique<Ui::TProgressForm>()), FStep(step)
{
    FUi->setupUi(this);
    setWindowTitle(title);
    setModal(true);
    FUi->ProgressBar->setRange(minimum, maximum);
    FUi->ProgressBar->setValue(minimum);
    FPosition = minimum;
    connect(FUi->Button1, &QPushButton::clicked, this, &TProgressForm::Button1Click);
    resize(minimumSizeHint().expandedTo(QSize(450, 61)));
}

TProgressForm::~TProgressForm() = default;

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
    TBusyScope busy;
    exec();
    const int position = FPosition;
    if (FError)
        std::rethrow_exception(FError);
    return position;
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
    repaint();
    FCancelled = false;
    FRunning = true;
    FSinceRefresh.start();
    if (FStep) {
        try {
            FStep(*this);
        } catch (...) {
            FError = std::current_exception();
        }
    }
    FRunning = false;
    Refresh(true);
    done(QDialog::Accepted);
}

void TProgressForm::Button1Click()
{
    FCancelled = true;
    reject();
}

void TProgressForm::reject()
{
    // While the step runs the window stays; it closes when the step returns.
    if (FRunning) {
        FCloseRequested = true;
        return;
    }
    QDialog::reject();
}

void TProgressForm::closeEvent(QCloseEvent *event)
{
    if (FRunning) {
        FCloseRequested = true;
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TProgressForm::SetPosition(int position)
{
    FPosition = qBound(FUi->ProgressBar->minimum(), position, FUi->ProgressBar->maximum());
    Refresh(false);
}
int TProgressForm::Position() const
{
    return FPosition;
}
void TProgressForm::SetLabel(const QString &text)
{
    FLabel = text;
    FLabelChanged = true;
    Refresh(false);
}
void TProgressForm::KeepAlive()
{
    Refresh(false);
}

void TProgressForm::Refresh(bool force)
{
    if (!force && FSinceRefresh.isValid() && FSinceRefresh.elapsed() < 30)
        return;
    FSinceRefresh.restart();
    FUi->ProgressBar->setValue(FPosition);
    if (FLabelChanged) {
        FLabelChanged = false;
        FUi->Label_Exp->setText(FLabel);
    }
    if (FRunning)
        QCoreApplication::processEvents();
}

int TWidgetProgressRunner::Run(const QString &title, int minimum, int maximum, const TProgressStep &step)
{
    TProgressForm form(title, minimum, maximum, step, FOwner);
    return form.Execute();
}
