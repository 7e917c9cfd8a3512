// sorvo-cli: Sorvo's jobs from the command line, over the same core as the window.
#include "app/commandline.h"
#include "app/version.h"

#include <QCoreApplication>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace {

void Print(FILE *out, const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), out);
}

QString HelpText()
{
    return u"使い方: sorvo-cli [オプション] コマンド [引数...]\n"
           u"\n"
           u"オプション:\n"
           u"  --help             この説明を表示します\n"
           u"  --version          バージョンを表示します\n"
           u"  --drive PATH       プレーヤーを探すフォルダ (繰り返し指定できます)\n"
           u"  --settings FILE    設定ファイル (既定: Velmor.INI)\n"
           u"  --yes              確認にすべて「はい」と答えます\n"_s;
}

} // namespace

int main(int argc, char **argv)
{
    const TCommandLine line = TCommandLine::Parse(TCommandLine::FromArgv(argc, argv));
    if (!line.error.isEmpty()) {
        Print(stderr, line.error + u'\n');
        return 2;
    }
    if (line.version) {
        Print(stdout, u"Sorvo "_s + QString::fromUtf16(kSorvoVersion) + u'\n');
        return 0;
    }
    if (line.help || line.positional.isEmpty()) {
        Print(line.help ? stdout : stderr, HelpText());
        return line.help ? 0 : 2;
    }
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(u"Sorvo"_s);
    Print(stderr, u"不明なコマンドです: "_s + line.positional.first() + u'\n');
    return 2;
}
