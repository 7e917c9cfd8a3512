// sorvo: the program's window.
#include "app/commandline.h"
#include "app/sorvoerror.h"
#include "app/version.h"
#include "dialogs/widgetdialogs.h"
#include "mainform/mainform.h"
#include "mainform/tabs.h"
#include "platform/singleinstance.h"

#include <QApplication>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace {
void Print(FILE *out, const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), out);
    std::fflush(out);
}

/// The last guard: an error that escapes a handler is shown, and the event loop goes on.
class TSorvoApplication : public QApplication
{
public:
    using QApplication::QApplication;
    bool notify(QObject *receiver, QEvent *event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (const ESorvoError &e) {
            TWidgetDialogs(activeWindow()).Error({}, e.Message());
        } catch (const std::exception &e) {
            TWidgetDialogs(activeWindow()).Error({}, QString::fromLocal8Bit(e.what()));
        }
        return false;
    }
};
} // namespace

int main(int argc, char **argv)
{
    // Options are read before QApplication, which needs a display.
    const TCommandLine line = TCommandLine::Parse(TCommandLine::FromArgv(argc, argv));
    if (!line.error.isEmpty()) {
        Print(stderr, line.error + u'\n');
        return 2;
    }
    if (line.version) {
        Print(stdout, u"Sorvo "_s + QString::fromUtf16(kSorvoVersion) + u'\n');
        return 0;
    }
    if (line.help) {
        Print(stdout, u"使い方: sorvo [-debug] [--drive PATH]... [--settings FILE] [--yes]\n"_s);
        return 0;
    }
    TSorvoApplication app(argc, argv);
    QApplication::setApplicationName(u"Sorvo"_s);
    TWidgetDialogs::LoadQtTranslation(app);

    TSingleInstance instance;
    if (!instance.TryAcquire()) {
        const QString message = u"既にSorvoが起動しています"_s;
        Print(stderr, message + u'\n');
        if (!line.assumeYes) // --yes: no box waits for the user
            TWidgetDialogs().Warning(message);
        return 0;
    }

    TMainFormSetup setup;
    setup.settingsFile = line.settingsFile;
    setup.drives = line.drives;
    setup.debugMode = line.debug;
    TMainForm form(setup);
    CreateTabPages(form);
    if (!form.CheckTerms())
        return 0;
    form.show();
    const int code = app.exec();
    instance.Release();
    return code;
}
