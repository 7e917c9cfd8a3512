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
        int cancelChecks = 0; // times the step asked whether to stop
        int result = 0;
    };

    QList<TRun> FRuns;
    /// The step is told to stop from its n-th question on (-1: never).
    int FCancelAtCheck = -1;
    /// Called with the count each time the step asks whether to stop (a test unmounts a disk there, say).
    std::function<void(int)> FOnCancelCheck;

protected:
    int Run(const QString &title, int minimum, int maximum, const TProgressStep &step) override;
};
