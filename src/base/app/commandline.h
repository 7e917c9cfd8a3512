#pragma once

#include <QString>
#include <QStringList>

/// Options shared by sorvo and sorvo-cli, read before any application object exists.
struct TCommandLine
{
    bool help = false;
    bool version = false;
    bool debug = false;     // "-debug" in any case, anywhere
    bool assumeYes = false; // --yes: questions answered Yes
    bool json = false;      // --json: sorvo-cli prints JSON in place of tables
    QStringList drives;     // --drive PATH, repeatable
    QString settingsFile;   // --settings FILE
    QString language;       // --lang ja|en: the language of the texts, over the setting and the locale
    QStringList positional; // command, its arguments and its own options, in order
    QString error;          // set when the line cannot be read (translated once an application exists)

    static TCommandLine Parse(const QStringList &arguments);
    /// Arguments from main()'s argv in the local 8-bit encoding.
    static QStringList FromArgv(int argc, char **argv);
};
