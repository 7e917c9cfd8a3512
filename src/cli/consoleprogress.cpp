#include "cli/consoleprogress.h"

#include "platform/safefilewriter.h"

#include <csignal>
#include <cstdio>
#include <iterator>

#ifdef Q_OS_WIN
#include <io.h>
#define SORVO_ISATTY _isatty
#else
#include <unistd.h>
#define SORVO_ISATTY isatty
#endif

namespace {
volatile std::sig_atomic_t gInterrupted = 0;
// Ctrl-C, a closed terminal or a polite kill: the work in hand stops at its next chunk, the file being
// written is removed, and the command reports what was done.
void OnInterrupt(int signal)
{
    gInterrupted = signal;
    RequestStop();
}
constexpr int kStopSignals[] = {SIGINT, SIGTERM, SIGHUP};

class TConsoleContext : public TProgressContext
{
public:
    TConsoleContext(int minimum, int maximum) : FMinimum(minimum), FMaximum(maximum), FPosition(minimum) {}
    void SetPosition(int position) override
    {
        FPosition = position;
        Draw();
    }
    int Position() const override { return FPosition; }
    void SetMaximum(int maximum) override
    {
        FMaximum = maximum;
        Draw();
    }
    void SetLabel(const QString &text) override
    {
        FLabel = text;
        Draw();
    }
    bool Cancelled() const override { return gInterrupted != 0; }
    void Finish()
    {
        if (FTerminal && FDrawn)
            std::fputs("\n", stderr);
    }

private:
    void Draw()
    {
        if (!FTerminal)
            return;
        const int span = qMax(1, FMaximum - FMinimum);
        const int percent = qBound(0, (FPosition - FMinimum) * 100 / span, 100);
        const QByteArray line =
            QString::asprintf("\r%3d%% ", percent).toLocal8Bit() + FLabel.left(60).toLocal8Bit();
        std::fputs(line.constData(), stderr);
        std::fputs("\x1b[K", stderr);
        std::fflush(stderr);
        FDrawn = true;
    }
    int FMinimum, FMaximum, FPosition;
    QString FLabel;
    bool FTerminal = SORVO_ISATTY(2);
    bool FDrawn = false;
};
} // namespace

int TConsoleProgress::Run(const QString &title, int minimum, int maximum, const TProgressStep &step)
{
    if (SORVO_ISATTY(2)) {
        const QByteArray t = title.toLocal8Bit() + '\n';
        std::fputs(t.constData(), stderr);
    }
    gInterrupted = 0;
    ResetStopRequest();
    void (*previous[std::size(kStopSignals)])(int);
    for (size_t i = 0; i < std::size(kStopSignals); ++i)
        previous[i] = std::signal(kStopSignals[i], OnInterrupt);
    const auto restore = [&] {
        for (size_t i = 0; i < std::size(kStopSignals); ++i)
            std::signal(kStopSignals[i], previous[i]);
    };
    TConsoleContext context(minimum, maximum);
    try {
        if (step)
            step(context);
    } catch (...) {
        restore();
        context.Finish();
        throw;
    }
    restore();
    context.Finish();
    return context.Position();
}

int ConsoleStopSignal()
{
    return gInterrupted;
}
