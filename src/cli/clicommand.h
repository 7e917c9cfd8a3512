#pragma once

#include "app/commandline.h"

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

/// What a command receives.
struct TCliContext
{
    TCommandLine line; // global options (--drive, --settings, --yes)
    TCliArgs args;     // the command's own arguments
    IUserDialogs &dialogs;
    IProgressRunner &progress;
};

using TCliHandler = std::function<int(TCliContext &context)>;

/// Registers a command at program start: static TCliCommand c(u"songs", u"...", Run);
struct TCliCommand
{
    TCliCommand(const char16_t *name, const char16_t *summary, TCliHandler handler);
};

/// Standard output and error in the local encoding.
void CliOut(const QString &text);
void CliErr(const QString &text);
/// Prints compact JSON followed by a newline.
void CliJson(const QJsonValue &value);
/// Prints rows as columns separated by two blanks (the first row is the header).
void CliTable(const QList<QStringList> &rows);
