// sorvo-cli import: files onto the player as a drop on the notes, contacts or calendar tab does.
#include "app/settings.h"
#include "cli/clicommand.h"
#include "cli/consoleprogress.h"
#include "cli/pimcli.h"
#include "common/format.h"
#include "common/sorvoerror.h"
#include "notes/textimport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <unistd.h>

#include <limits>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {

int Run(TCliContext &context)
{
    const QString kindName = context.args.Value(u"--kind"_s);
    const QStringList files = context.Operands(1, std::numeric_limits<qsizetype>::max());
    std::optional<TImportKind> forced;
    if (kindName == u"note"_s)
        forced = ikNote;
    else if (kindName == u"contact"_s)
        forced = ikContact;
    else if (kindName == u"calendar"_s)
        forced = ikCalendar;
    else if (!kindName.isEmpty())
        //: note, contact and calendar are the option's values, kept as they are
        throw ECliUsageError(
            QCoreApplication::translate("CliImport", "--kind は note, contact, calendar のいずれかです"));
    const TCliPlayerFolders folders = LocatePlayerFolders(context);
    TKiruIPodINI settings(context.SettingsFile());
    TConsoleMainServices services;
    TTextImporter importer(settings, context.dialogs, &services);
    importer.FRoot = folders.FRoot; // a missing notes folder is made below it, as in the window
    importer.FNotesDir = folders.FNotes;
    importer.FContactsDir = folders.FContacts;
    importer.FCalendarsDir = folders.FCalendars;
    // Someone at a terminal is asked before a note is replaced, as in the window; otherwise the note is
    // replaced as designed, and said.
    importer.FAskBeforeReplacing = isatty(STDIN_FILENO) != 0;
    if (!settings.LoadWarning().isEmpty())
        CliErr(settings.LoadWarning() + u'\n');
    int failures = 0;
    // Inside a progress run: Ctrl-C or a kill stops between files and between a divided note's pages,
    // leaving every note whole.
    context.progress.RunWithProgress(
        QCoreApplication::translate("CliImport", "取り込み"), 0, int(files.size()),
        [&](TProgressContext &run) {
            for (const QString &file : files) {
                if (run.Cancelled())
                    break;
                run.SetPosition(run.Position() + 1);
                const TImportKind kind = forced.value_or(TTextImporter::KindForFile(file));
                const QString folder = kind == ikNote
                                           ? folders.FNotes
                                           : (kind == ikContact ? folders.FContacts : folders.FCalendars);
                try {
                    if (!QFileInfo(file).isFile())
                        throw ESorvoError(Format(
                            QCoreApplication::translate("CliImport", "ファイル[ %s ]を開けません"), {file}));
                    RequireFolder(folder);
                    const bool imported = importer.ImportFile(file, kind);
                    for (const QString &note : importer.FReplacedNotes)
                        CliErr(Format(QCoreApplication::translate("CliImport", "メモ[ %s ]を置き換えました"),
                                      {QDir::toNativeSeparators(note)}) +
                               u'\n');
                    importer.FReplacedNotes.clear();
                    if (imported)
                        CliOut(Format(u"%s -> %s\n"_s, {file, folder}));
                    else
                        ++failures;
                } catch (const ESorvoError &e) {
                    CliErr(e.Message() + u'\n');
                    ++failures;
                }
            }
        });
    if (const int signal = ConsoleStopSignal())
        return 128 + signal;
    return failures ? 1 : 0;
}

TCliCommand reg({u"import", QT_TRANSLATE_NOOP("CliCommand", "ファイルをプレーヤーに取り込みます"),
                 "FILE... [--kind note|contact|calendar]", false},
                Run);

} // namespace
