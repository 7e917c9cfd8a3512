#pragma once

#include <QString>
#include <functional>

/// Reports how far a long operation is: position, total and a line of text.
using TProgressEvent = std::function<void(qint64 position, qint64 total, const QString &message)>;

/// What a step running inside RunWithProgress sees of the progress window.
class TProgressContext
{
public:
    virtual ~TProgressContext() = default;
    virtual void SetPosition(int position) = 0;
    virtual int Position() const = 0;
    virtual void SetLabel(const QString &text) = 0;
    /// True once the user asked to stop; the step returns after its current item.
    virtual bool Cancelled() const = 0;
    /// Lets the window repaint and see the cancel button; call at least once per item.
    virtual void KeepAlive() = 0;
};

using TProgressStep = std::function<void(TProgressContext &context)>;

/// Runs long work in a cancellable progress display (window, terminal bar or test recorder).
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
