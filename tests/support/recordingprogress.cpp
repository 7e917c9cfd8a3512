#include "recordingprogress.h"

namespace {
class TRecordingContext : public TProgressContext
{
public:
    TRecordingContext(TRecordingProgress::TRun &run, int cancelAt, std::function<void(int)> onCheck)
        : FRun(run), FCancelAt(cancelAt), FOnCheck(std::move(onCheck))
    {}
    void SetPosition(int position) override
    {
        FPosition = position;
        FRun.positions << position;
    }
    int Position() const override { return FPosition; }
    void SetMaximum(int maximum) override { FRun.maximum = maximum; }
    void SetLabel(const QString &text) override { FRun.labels << text; }
    bool Cancelled() const override
    {
        ++FRun.cancelChecks;
        if (FOnCheck)
            FOnCheck(FRun.cancelChecks);
        return FCancelAt >= 0 && FRun.cancelChecks >= FCancelAt;
    }
    int FPosition = 0;

private:
    TRecordingProgress::TRun &FRun;
    int FCancelAt;
    std::function<void(int)> FOnCheck;
};
} // namespace

int TRecordingProgress::Run(const QString &title, int minimum, int maximum, const TProgressStep &step)
{
    TRun run{title, minimum, maximum, {}, {}, 0, 0};
    TRecordingContext context(run, FCancelAtCheck, FOnCancelCheck);
    context.FPosition = minimum;
    if (step)
        step(context);
    run.result = context.Position();
    FRuns.append(run);
    return run.result;
}
