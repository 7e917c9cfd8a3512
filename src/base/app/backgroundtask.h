#pragma once

#include <QObject>

#include <exception>
#include <functional>
#include <memory>

class QThread;

/// Runs one piece of work at a time on a thread of its own and reports its end on the thread the task
/// lives on, so that the window goes on painting and taking events while it runs.
class TBackgroundTask : public QObject
{
    Q_OBJECT
public:
    explicit TBackgroundTask(QObject *parent = nullptr);
    /// Waits for work still running.
    ~TBackgroundTask() override;

    /// Starts `work` on a new thread; `done` runs on this object's thread once it has ended, with the
    /// error the work raised (null when none). False, and nothing started, while work is running.
    bool Start(std::function<void()> work, std::function<void(std::exception_ptr error)> done);
    bool Running() const { return FThread != nullptr; }
    /// Blocks until the running work has ended (its `done` still runs later, from the event loop).
    void Wait();

signals:
    /// The work has ended and its `done` has run.
    void Finished();

private:
    QThread *FThread = nullptr;
};
