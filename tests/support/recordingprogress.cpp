#include "recordingprogress.h"

namespace {
class TRecordingContext : public TProgressContext
{
public:
    TRecordingContext(TRecordingProgress::TRun &run, int cancelAfter, std::function<void(int)> onKeepAlive)
        : FRun(run), FCancelAfter(cancelAfter), FOnKeepAlive(std::move(onKeepAlive))
    {}
    void SetPosition(int position) override
    {
        FPosition = position;
        FRun.positions << position;
    }
    int Position() const override { return FPosition; }
    void SetLabel(const QString &text) override { FRun.labels << text; }
    bool Cancelled() const override { return FCancelled; }
    void KeepAlive() override
    {
        ++FRun.keepAlives;
        if (FCancelAfter >= 0 && FRun.keepAlives >= FCancelAfter)
            FCancelled = true;
        if (FOnKeepAlive)
            FOnKeepAlive(FRun.keepAlives);
    }
    int FPosition = 0;

private:
    TRecordingProgress::TRun &FRun;
    int FCancelAfter;
    std::function<void(int)> FOnKeepAlive;
    bool FCancelled = false;
};
} // namespace

int TRecordingProgress::Run(const QString &title, int minimum, int maximum, const TProgressStep &step)
{
    TRun run{title, minimum, maximum, {}, {}, 0, 0};
    TRecordingContext context(run, FCancelAfterKeepAlives, FOnKeepAlive);
    context.FPosition = minimum;
    if (step)
        step(context);
    run.result = context.Position();
    FRuns.append(run);
    return run.result;
}
