#pragma once

#include "app/progress.h"

#include <QList>
#include <QStringList>

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

protected:
    int Run(const QString &title, int minimum, int maximum, const TProgressStep &step) override;
};
