// sorvo: the program's window.
#include "app/commandline.h"
#include "app/language.h"
#include "app/settings.h"
#include "app/version.h"
#include "common/sorvoerror.h"
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
#include <new>

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
        } catch (const std::bad_alloc &) {
            TWidgetDialogs(activeWindow())
                .Error({}, QCoreApplication::translate("Guarded", "メモリが足りません"));
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
    const QString missing = QCoreApplication::translate("SorvoMain", "見つかりません");
    const auto shown = [&missing](const QString &path) {
        return QFileInfo::exists(path) ? QDir::toNativeSeparators(path) : missing;
    };
    Print(stdout, QCoreApplication::translate("SorvoMain", "プレーヤー: %1\nページ: %2\nモデルデータ: %3\n"
                                                           "マニュアル: %4\n状態: %5\n")
                      .arg(found ? device.FName + u" ("_s + device.FKindName + u')' : missing,
                           form.CurrentPage() == pgPlayer ? u"iPod"_s : QString::number(form.CurrentPage()),
                           shown(model), shown(manual), form.StatusText(1)));
    const bool ok = found && QFileInfo::exists(model) && QFileInfo::exists(manual);
    QCoreApplication::exit(ok ? 0 : 1);
}

/// The language chosen by --lang, else by the setting, else by the system's locale.
TUiLanguage ChosenLanguage(const TCommandLine &line)
{
    const TKiruIPodINI settings(line.settingsFile.isEmpty() ? TKiruIPodINI::DefaultPath()
                                                            : line.settingsFile);
    return ChooseUiLanguage(line.language, settings.FLanguage);
}
} // namespace

int main(int argc, char **argv)
{
    // Options are read before QApplication, which needs a display: --help and a wrong line are answered
    // without one.
    const QStringList arguments = TCommandLine::FromArgv(argc, argv);
    const TCommandLine line = TCommandLine::Parse(arguments);
    if (!line.error.isEmpty() || line.help || line.version) {
        QCoreApplication core(argc, argv);
        InstallUiLanguage(core, ChosenLanguage(line));
        if (!line.error.isEmpty()) {
            Print(stderr,
                  TCommandLine::Parse(arguments).error + u'\n'); // read again, now in the chosen language
            return 2;
        }
        if (line.version) {
            Print(stdout, u"Sorvo "_s + QString::fromUtf16(kSorvoVersion) + u'\n');
            return 0;
        }
        Print(stdout,
              QCoreApplication::translate(
                  "SorvoMain",
                  "使い方: sorvo [-debug] [--drive PATH]... [--settings FILE] [--lang ja|en] [--yes] "
                  "[--self-check]\n"
                  "  --lang        表示の言語 (ja: 日本語, en: 英語)。既定は設定、なければシステムの言語\n"
                  "  --self-check  "
                  "プレーヤーを認識し、見つけたプレーヤー・モデルデータ・マニュアルを表示して終了します\n"));
        return 0;
    }
    TSorvoApplication app(argc, argv);
    QApplication::setApplicationName(u"Sorvo"_s);
    InstallUiLanguage(app, ChosenLanguage(line));

    TSingleInstance instance;
    if (!instance.TryAcquire()) {
        const QString message = QCoreApplication::translate("SorvoMain", "既にSorvoが起動しています");
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
