#pragma once

#include <QString>
#include <functional>

/// Reports how far a long operation is: position, total and a line of text.
using TProgressEvent = std::function<void(qint64 position, qint64 total, const QString &message)>;

/// What a step running inside RunWithProgress sees of the progress display. The step may run on a
/// worker thread: every member is safe to call from there.
class TProgressContext
{
public:
    virtual ~TProgressContext() = default;
    virtual void SetPosition(int position) = 0;
    /// The end of the range, once the step has learnt how much work there is.
    virtual void SetMaximum(int maximum) = 0;
    virtual int Position() const = 0;
    virtual void SetLabel(const QString &text) = 0;
    /// True once the user asked to stop; the step returns after its current item (or the current part
    /// of a long item), within a tenth of a second.
    virtual bool Cancelled() const = 0;
};

using TProgressStep = std::function<void(TProgressContext &context)>;

/// Runs long work in a cancellable progress display (window, terminal bar or test recorder). The window
/// runs the step on a worker thread: a step touches no widget and no model, and reaches the user only
/// through IUserDialogs.
class IProgressRunner
{
public:
    virtual ~IProgressRunner() = default;

    /// Runs the step and returns the position it reached; -1 without running when maximum < 1.
    int RunWithProgress(const QString &title, int minimum, int maximum, const TProgressStep &step)
    {
        if (maximum < 1)
            return -1;
        return Run(title, minimum, maximum, step);
    }

protected:
    virtual int Run(const QString &title, int minimum, int maximum, const TProgressStep &step) = 0;
};
