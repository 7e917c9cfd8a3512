#pragma once

#include "app/progress.h"

#include <QDialog>
#include <QMutex>

#include <atomic>
#include <exception>
#include <memory>

namespace Ui {
class TProgressForm;
}
class QLabel;
class QProgressBar;
class QTimer;
class TBackgroundTask;

/// The modal progress window a long operation runs in. The step runs on a worker thread; the window
/// shows its position and caption as they change and stays painted and movable; its cancel button
/// (or Escape) sets the cancel flag, and the window closes when the step has returned.
class TProgressForm : public QDialog, private TProgressContext
{
    Q_OBJECT
public:
    TProgressForm(const QString &title, int minimum, int maximum, const TProgressStep &step,
                  QWidget *parent = nullptr);
    ~TProgressForm() override;

    /// Shows the window, runs the step once it is painted and returns the position it reached.
    /// An error raised by the step is raised again after the window has closed.
    int Execute();

    QProgressBar *ProgressBar() const;
    QLabel *Label() const;

    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void StartWork();
    /// The cancel button: the step stops after its current item.
    void CancelWork();
    /// Shows the latest position and caption the step has set.
    void Refresh();

    // TProgressContext, called from the step's thread
    void SetPosition(int position) override;
    void SetMaximum(int maximum) override { FMaximum = qMax(FMinimum, maximum); }
    int Position() const override { return FPosition.load(); }
    void SetLabel(const QString &text) override;
    bool Cancelled() const override { return FCancelled.load(); }

    std::unique_ptr<Ui::TProgressForm> FUi;
    TProgressStep FStep;
    TBackgroundTask *FTask = nullptr;
    QTimer *FRefresh = nullptr;
    bool FStarted = false;
    std::exception_ptr FError;
    int FMinimum = 0;
    std::atomic<int> FMaximum{0};
    std::atomic<int> FPosition{0};
    std::atomic<bool> FCancelled{false};
    mutable QMutex FLabelLock;
    QString FLabel;
    bool FLabelChanged = false;
};

/// The progress seam with the progress window, owned by the main window.
class TWidgetProgressRunner : public IProgressRunner
{
public:
    explicit TWidgetProgressRunner(QWidget *owner = nullptr) : FOwner(owner) {}
    void SetOwner(QWidget *owner) { FOwner = owner; }

protected:
    int Run(const QString &title, int minimum, int maximum, const TProgressStep &step) override;

private:
    QWidget *FOwner;
};
