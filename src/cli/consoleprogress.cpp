#include "cli/consoleprogress.h"

#include <QCoreApplication>

#include <csignal>
#include <cstdio>

#ifdef Q_OS_WIN
#include <io.h>
#define SORVO_ISATTY _isatty
#else
#include <unistd.h>
#define SORVO_ISATTY isatty
#endif

namespace {
volatile std::sig_atomic_t gInterrupted = 0;
void OnInterrupt(int)
{
    gInterrupted = 1;
}

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
    void SetLabel(const QString &text) override
    {
        FLabel = text;
        Draw();
    }
    bool Cancelled() const override { return gInterrupted != 0; }
    void KeepAlive() override
    {
        if (QCoreApplication::instance())
            QCoreApplication::processEvents();
    }
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
    auto previous = std::signal(SIGINT, OnInterrupt);
    TConsoleContext context(minimum, maximum);
    try {
        if (step)
            step(context);
    } catch (...) {
        std::signal(SIGINT, previous);
        context.Finish();
        throw;
    }
    std::signal(SIGINT, previous);
    context.Finish();
    return context.Position();
}
