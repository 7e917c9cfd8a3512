#pragma once

#include "app/progress.h"

#include <QList>
#include <QStringList>

#include <functional>

/// Test double for the progress window: runs the step at once and records what it showed.
class TRecordingProgress : public IProgressRunner
{
public:
    struct TRun
    {
        QString title;
        int minimum = 0;
        int maximum = 0;
        QList<int> positions;
        QStringList labels;
        int keepAlives = 0;
        int result = 0;
    };

    QList<TRun> FRuns;
    /// Sets the cancel flag once this many KeepAlive calls were made in a run (-1: never).
    int FCancelAfterKeepAlives = -1;
    /// Called with the count after every KeepAlive (a test unmounts a disk there, say).
    std::function<void(int)> FOnKeepAlive;

protected:
    int Run(const QString &title, int minimum, int maximum, const TProgressStep &step) override;
};
