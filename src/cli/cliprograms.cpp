// Where sorvo-cli and its full command set find each other: side by side in the build tree; bin/ and
// libexec/sorvo/ when installed, found from each other's place first so that a moved tree works,
// then at the paths the build was configured for.
#include "cli/cliprograms.h"

#include "cli/clicommand.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

#ifdef Q_OS_WIN
#include <QProcess>
#else
#include <cerrno>
#include <cstring>
#include <unistd.h>
#endif

using namespace Qt::Literals::StringLiterals;

namespace {

// The folder of this executable; no QCoreApplication exists yet.
QString ExecutableFolder(const char *argv0)
{
#ifdef Q_OS_LINUX
    const QString self = QFileInfo(u"/proc/self/exe"_s).canonicalFilePath();
    if (!self.isEmpty())
        return QFileInfo(self).path();
#endif
    const QString name = QFile::decodeName(argv0);
    const QString found = name.contains(u'/') ? name : QStandardPaths::findExecutable(name);
    return QFileInfo(found.isEmpty() ? name : found).absolutePath();
}

// The first of `folders` that holds the program `name`.
QString FolderHolding(const QStringList &folders, const QString &name)
{
    for (const QString &folder : folders) {
        const QFileInfo program(folder + u'/' + name);
        if (program.isFile() && program.isExecutable())
            return folder;
    }
    return {};
}

#ifdef Q_OS_WIN
// No exec here: the full command set runs as a child on this console, and its exit code is ours.
int RunChild(const QString &path, int argc, char **argv, QString *error)
{
    QCoreApplication app(argc, argv);
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.setInputChannelMode(QProcess::ForwardedInputChannel);
    child.start(path, QCoreApplication::arguments().mid(1));
    if (!child.waitForStarted(-1)) {
        *error = child.errorString();
        return -1;
    }
    child.waitForFinished(-1);
    return child.exitStatus() == QProcess::NormalExit ? child.exitCode() : 1;
}
#endif

} // namespace

int RunFullCommandSet(int argc, char **argv)
{
    const QString name = QStringLiteral(SORVO_CLI_FULL);
    const QString here = ExecutableFolder(argv[0]);
    const QStringList folders{here, QDir::cleanPath(here + u'/' + QStringLiteral(SORVO_CLI_FULL_FROM_BIN)),
                              QStringLiteral(SORVO_CLI_FULL_DIR)};
    const QString folder = FolderHolding(folders, name);
    if (folder.isEmpty()) {
        QStringList shown;
        for (const QString &f : folders)
            shown << QDir::toNativeSeparators(f);
        //: %1 is the program's file name, %2 the folders searched
        CliErr(QCoreApplication::translate("CliPrograms",
                                           "sorvo-cli のコマンドを実行できません: %1 がありません (%2)")
                   .arg(name, shown.join(u", "_s)) +
               u'\n');
        return 1;
    }
    const QString path = folder + u'/' + name;
    QString error;
#ifdef Q_OS_WIN
    const int code = RunChild(path, argc, argv, &error);
    if (code >= 0)
        return code;
#else
    Q_UNUSED(argc);
    execv(QFile::encodeName(path).constData(), argv);
    error = QString::fromLocal8Bit(std::strerror(errno));
#endif
    //: %1 is the program's path, %2 the system's reason
    CliErr(QCoreApplication::translate("CliPrograms", "sorvo-cli のコマンドを実行できません: %1 (%2)")
               .arg(QDir::toNativeSeparators(path), error) +
           u'\n');
    return 1;
}

QString CliProgramFolder(const char *argv0)
{
    const QString here = ExecutableFolder(argv0);
    return FolderHolding({here, QDir::cleanPath(here + u'/' + QStringLiteral(SORVO_CLI_BIN_FROM_FULL)),
                          QStringLiteral(SORVO_CLI_BIN_DIR)},
                         QStringLiteral(SORVO_CLI_PROGRAM));
}
