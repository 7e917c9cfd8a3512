// sorvo-cli: Sorvo's jobs from the command line, over the same core as the window.
//
// The program itself holds only the commands that read plain files (the music folder scan, the
// tags of a file), so that they start without loading the picture, window-system and network
// libraries, which take longer to load than a scan of thousands of files. Every other command,
// and the list of all of them, live in the module sorvo-cli-commands, loaded when asked for.
#include "cli/clirunner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <QStringList>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace {

// The folder of this program (no QCoreApplication exists yet).
QString ProgramDirectory(const char *argv0)
{
#ifdef Q_OS_LINUX
    const QString self = QFileInfo(u"/proc/self/exe"_s).canonicalFilePath();
    if (!self.isEmpty())
        return QFileInfo(self).path();
#endif
    return QFileInfo(QFile::decodeName(argv0)).absolutePath();
}

// Beside the program in the build tree, in its library folder when installed (wherever the
// installed tree was moved), else where it was installed.
QStringList ModuleCandidates(const char *argv0)
{
    const QString dir = ProgramDirectory(argv0);
    return {dir + u"/"_s + QStringLiteral(SORVO_CLI_MODULE),
            QDir::cleanPath(dir + u"/"_s + QStringLiteral(SORVO_CLI_MODULE_FROM_BIN)) + u"/"_s +
                QStringLiteral(SORVO_CLI_MODULE),
            QStringLiteral(SORVO_CLI_MODULE_DIR) + u"/"_s + QStringLiteral(SORVO_CLI_MODULE)};
}

int RunFromModule(int argc, char **argv)
{
    QString errors;
    for (const QString &path : ModuleCandidates(argv[0])) {
        if (!QFileInfo::exists(path))
            continue;
        QLibrary module(path);
        using TEntry = int (*)(int, char **);
        if (const auto entry = reinterpret_cast<TEntry>(module.resolve("SorvoCliMain")))
            return entry(argc, argv);
        errors += module.errorString() + u'\n';
    }
    const QByteArray text =
        (u"sorvo-cli のコマンドを読み込めません ("_s + QStringLiteral(SORVO_CLI_MODULE) + u")\n"_s + errors)
            .toLocal8Bit();
    std::fwrite(text.constData(), 1, size_t(text.size()), stderr);
    return 1;
}

} // namespace

int main(int argc, char **argv)
{
    return CliMain(argc, argv, RunFromModule);
}
