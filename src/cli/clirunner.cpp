// The command line of sorvo-cli: common options, help, the command's run and its exit code.
#include "cli/clirunner.h"

#include "app/commandline.h"
#include "app/language.h"
#include "app/userdialogs.h"
#include "app/version.h"
#include "cli/cliregistry.h"
#include "cli/consoleprogress.h"
#include "common/sorvoerror.h"

#include <QCoreApplication>

#include <algorithm>
#include <new>

using namespace Qt::Literals::StringLiterals;

namespace {

QString HelpText()
{
    //: sorvo-cli --help; keep the options and PATH, FILE as they are, and the columns aligned
    QString text = QCoreApplication::translate(
        "CliRunner", "使い方: sorvo-cli コマンド [オプション] [引数...]\n"
                     "\n"
                     "共通のオプション:\n"
                     "  --help             この説明を表示します\n"
                     "  --version          バージョンを表示します\n"
                     "  --drive PATH       プレーヤーを探すフォルダ (繰り返し指定できます)\n"
                     "  --settings FILE    設定ファイル (既定: Velmor.INI)\n"
                     "  --yes              確認にすべて「はい」と答えます\n"
                     "  --json             表の代わりに JSON で出力します (対応するコマンドのみ)\n"
                     "  --lang ja|en       メッセージの言語 (既定: LC_ALL, LC_MESSAGES, LANG の言語)\n"
                     "\n"
                     "コマンド:\n");
    QList<TCliCommandInfo> commands = CliCommands();
    std::sort(commands.begin(), commands.end(),
              [](const auto &a, const auto &b) { return a.FName < b.FName; });
    for (const TCliCommandInfo &c : commands)
        text += u"  "_s + c.FName.leftJustified(18) + u' ' + c.Summary() + u'\n';
    text += QCoreApplication::translate("CliRunner", "\n各コマンドの説明: sorvo-cli コマンド --help\n");
    return text;
}

// Usage errors exit with 2 and repeat the usage; errors of the work itself exit with 1.
int RunCommand(const TCliCommandInfo &command, TCliContext &context)
{
    try {
        if (context.line.json && !command.FJson)
            throw ECliUsageError(
                QCoreApplication::translate("CliCommand", "不明なオプションです: %1").arg(u"--json"_s));
        return command.FHandler(context);
    } catch (const ECliUsageError &e) {
        CliErr(e.Message() + u'\n' + command.Usage() + u'\n');
        return 2;
    } catch (const ESorvoError &e) {
        CliErr(e.Message() + u'\n');
        return 1;
    } catch (const std::bad_alloc &) {
        // The work failed, the program did not: the memory it held is free again once it unwound.
        CliErr(QCoreApplication::translate("CliRunner", "メモリが足りません") + u'\n');
        return 1;
    }
}

const TCliCommandInfo *FindCommand(const QString &name)
{
    for (const TCliCommandInfo &c : CliCommands())
        if (c.FName == name)
            return &c;
    return nullptr;
}

} // namespace

int CliMain(int argc, char **argv, TCliElsewhere elsewhere)
{
    // The application exists from the start so that every message, usage errors included, comes in the
    // language of --lang or of the environment.
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(u"Sorvo"_s);
    const QStringList arguments = TCommandLine::FromArgv(argc, argv);
    InstallUiLanguage(app, ChooseUiLanguage(TCommandLine::Parse(arguments).language, {}));
    const TCommandLine line = TCommandLine::Parse(arguments);
    if (line.version) {
        CliOut(u"Sorvo "_s + QString::fromUtf16(kSorvoVersion) + u'\n');
        return 0;
    }
    // The list of every command, and any command not built in here, are the full command set's.
    if (elsewhere && (line.positional.isEmpty() || !FindCommand(line.positional.first())))
        return elsewhere(argc, argv);
    if (line.help && line.positional.isEmpty()) {
        CliOut(HelpText());
        return 0;
    }
    if (line.positional.isEmpty()) {
        CliErr((line.error.isEmpty() ? QString() : line.error + u'\n') + HelpText());
        return 2;
    }
    const QString name = line.positional.first();
    const TCliCommandInfo *const it = FindCommand(name);
    if (!it) {
        CliErr(QCoreApplication::translate("CliRunner", "不明なコマンドです: %1").arg(name) + u'\n');
        return 2;
    }
    if (!line.error.isEmpty()) {
        CliErr(line.error + u'\n' + it->Usage() + u'\n');
        return 2;
    }
    if (line.help) {
        CliOut(it->HelpText());
        return 0;
    }
    TConsoleDialogs dialogs(line.assumeYes);
    TConsoleProgress progress;
    TCliContext context{line, TCliArgs(line.positional.mid(1)), dialogs, progress};
    return RunCommand(*it, context);
}
