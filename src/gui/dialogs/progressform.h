#pragma once

#include "app/progress.h"

#include <QDialog>
#include <QElapsedTimer>

#include <exception>
#include <memory>

namespace Ui {
class TProgressForm;
}
class QLabel;
class QProgressBar;

/// The modal progress window a long operation runs in; its cancel button sets the cancel flag.
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
    void Button1Click();

    void SetPosition(int position) override;
    int Position() const override;
    void SetLabel(const QString &text) override;
    bool Cancelled() const override { return FCancelled; }
    void KeepAlive() override;
    /// Shows the latest position and text and lets the window see its events, at most about every
    /// 30 ms unless forced: a loop over many items spends its time on its work, not on painting.
    void Refresh(bool force);

    std::unique_ptr<Ui::TProgressForm> FUi;
    TProgressStep FStep;
    bool FStarted = false;
    bool FRunning = false;
    bool FCancelled = false;
    bool FCloseRequested = false;
    std::exception_ptr FError;
    QElapsedTimer FSinceRefresh;
    int FPosition = 0;
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
