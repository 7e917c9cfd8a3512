// sorvo: the program's window.
#include "app/commandline.h"
#include "common/sorvoerror.h"
#include "app/version.h"
#include "device/playerpage.h"
#include "dialogs/widgetdialogs.h"
#include "mainform/mainform.h"
#include "platform/singleinstance.h"
#include "session/playersession.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTimer>

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
/// --self-check: once the first recognition has run, prints what the window found (the player on its
/// page, the model data, the manual) and ends; exit status 1 when any is missing.
void SelfCheck(TMainForm &form)
{
    if (form.PlayerPage()->RecognitionPending()) {
        QTimer::singleShot(20, &form, [&form] { SelfCheck(form); });
        return;
    }
    const TPlayerInfo &device = form.Session().Player();
    const QString model = TMPlayerChecker::DefaultModelFile();
    const QString manual = form.PlayerPage()->ManualFile();
    const bool found = form.Session().Connected();
    const auto shown = [](const QString &path) {
        return QFileInfo::exists(path) ? QDir::toNativeSeparators(path) : u"見つかりません"_s;
    };
    Print(stdout, u"プレーヤー: "_s +
                      (found ? device.FName + u" ("_s + device.FKindName + u')' : u"見つかりません"_s) +
                      u"\nページ: "_s +
                      (form.CurrentPage() == pgPlayer ? u"iPod"_s : QString::number(form.CurrentPage())) +
                      u"\nモデルデータ: "_s + shown(model) + u"\nマニュアル: "_s + shown(manual) +
                      u"\n状態: "_s + form.StatusText(1) + u'\n');
    const bool ok = found && QFileInfo::exists(model) && QFileInfo::exists(manual);
    QCoreApplication::exit(ok ? 0 : 1);
}
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
        Print(
            stdout,
            u"使い方: sorvo [-debug] [--drive PATH]... [--settings FILE] [--yes] [--self-check]\n"
            u"  --self-check  プレーヤーを認識し、見つけたプレーヤー・モデルデータ・マニュアルを表示して終了します\n"_s);
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
    if (!form.CheckTerms())
        return 0;
    form.show();
    if (line.positional.contains(u"--self-check"_s))
        QTimer::singleShot(0, &form, [&form] { SelfCheck(form); });
    const int code = app.exec();
    instance.Release();
    return code;
}
