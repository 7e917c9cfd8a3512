#pragma once

#include "app/commandline.h"
#include "common/sorvoerror.h"

#include <QJsonValue>
#include <QString>
#include <QStringList>

#include <functional>

class IUserDialogs;
class IProgressRunner;

/// The arguments after the command name, with the command's own options.
class TCliArgs
{
public:
    explicit TCliArgs(QStringList args) : FArgs(std::move(args)) {}
    /// Takes "--name" out of the arguments; true when it was there.
    bool Flag(const QString &name);
    /// Takes "--name VALUE" or "--name=VALUE"; the default when absent.
    QString Value(const QString &name, const QString &defaultValue = {});
    /// Takes every "--name VALUE".
    QStringList Values(const QString &name);
    /// What is left; call after the options were taken. Sets an error for a leftover "--option".
    QStringList Rest(QString *error) const;

private:
    QStringList FArgs;
};

/// The command line cannot be run as written: exit code 2, the message and the usage on standard error.
class ECliUsageError : public ESorvoError
{
public:
    using ESorvoError::ESorvoError;
};

/// What a command receives.
struct TCliContext
{
    TCommandLine line; // common options (--drive, --settings, --yes, --json)
    TCliArgs args;     // the command's own arguments
    IUserDialogs &dialogs;
    IProgressRunner &progress;

    /// The arguments left once the command took its options; a usage error for an unknown option or
    /// for fewer than `minimum` or more than `maximum` arguments.
    QStringList Operands(qsizetype minimum = 0, qsizetype maximum = 0) const;
    /// The settings file of --settings, else the default one.
    QString SettingsFile() const;
};

using TCliHandler = std::function<int(TCliContext &context)>;

/// What a command tells of itself: `sorvo-cli COMMAND --help` prints it, a usage error repeats the usage.
/// The summary and the usage are registered before any translation is loaded: they are marked with
/// QT_TRANSLATE_NOOP("CliCommand", ...) and translated where printed.
struct TCliCommandSpec
{
    const char16_t *name;
    const char *summary; // one line, UTF-8
    const char *usage;   // the arguments after "sorvo-cli NAME", UTF-8
    bool json = false;   // takes --json
};

/// Registers a command at program start:
/// TCliCommand c({u"songs", QT_TRANSLATE_NOOP("CliCommand", "..."), "[--json]", true}, Run);
struct TCliCommand
{
    TCliCommand(const TCliCommandSpec &spec, TCliHandler handler);
};

/// Standard output and error in the local encoding.
void CliOut(const QString &text);
void CliErr(const QString &text);
/// Prints JSON (objects and arrays indented) followed by a newline.
void CliJson(const QJsonValue &value);
/// Bytes as they are to standard output (JSON that is already UTF-8).
void CliWriteBytes(const QByteArray &bytes);
/// Prints rows as columns separated by two blanks (the first row is the header).
void CliTable(const QList<QStringList> &rows);
