#include "app/backgroundtask.h"

#include <QThread>

TBackgroundTask::TBackgroundTask(QObject *parent) : QObject(parent) {}

TBackgroundTask::~TBackgroundTask()
{
    Wait();
    delete FThread;
}

bool TBackgroundTask::Start(std::function<void()> work, std::function<void(std::exception_ptr error)> done)
{
    if (FThread)
        return false;
    auto error = std::make_shared<std::exception_ptr>();
    FThread = QThread::create([work = std::move(work), error] {
        try {
            work();
        } catch (...) {
            *error = std::current_exception();
        }
    });
    // `finished` is sent from the worker's thread; the handler runs here, from the event loop.
    connect(FThread, &QThread::finished, this, [this, done = std::move(done), error] {
        QThread *thread = FThread;
        FThread = nullptr;
        thread->wait();
        delete thread;
        if (done)
            done(*error);
        emit Finished();
    });
    FThread->start();
    return true;
}

void TBackgroundTask::Wait()
{
    if (FThread)
        FThread->wait();
}
