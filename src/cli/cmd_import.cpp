// sorvo-cli import: files onto the player as a drop on the notes, contacts or calendar tab does.
#include "app/settings.h"
#include "app/sorvoerror.h"
#include "cli/clicommand.h"
#include "cli/pimcli.h"
#include "common/format.h"
#include "notes/textimport.h"

#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace {

int Run(TCliContext &context)
{
    const QString kindName = context.args.Value(u"--kind"_s);
    QString error;
    const QStringList files = context.args.Rest(&error);
    if (!error.isEmpty() || files.isEmpty()) {
        CliErr((error.isEmpty() ? u"取り込むファイルを指定してください"_s : error) + u'\n');
        return 2;
    }
    int forced = -1;
    if (kindName == u"note"_s)
        forced = ikNote;
    else if (kindName == u"contact"_s)
        forced = ikContact;
    else if (kindName == u"calendar"_s)
        forced = ikCalendar;
    else if (!kindName.isEmpty()) {
        CliErr(u"--kind は note, contact, calendar のいずれかです\n"_s);
        return 2;
    }
    const TCliPlayerFolders folders = LocatePlayerFolders(context);
    TKiruIPodINI settings(CliSettingsFile(context));
    if (!settings.LoadWarning().isEmpty())
        CliErr(settings.LoadWarning() + u'\n');
    TConsoleMainServices services;
    TTextImporter importer(settings, context.dialogs, &services);
    importer.FNotesDir = folders.notes;
    importer.FContactsDir = folders.contacts;
    importer.FCalendarsDir = folders.calendars;
    int failures = 0;
    for (const QString &file : files) {
        const int kind = forced >= 0 ? forced : TTextImporter::KindForFile(file);
        const QString folder =
            kind == ikNote ? folders.notes : (kind == ikContact ? folders.contacts : folders.calendars);
        try {
            if (!QFileInfo(file).isFile())
                throw ESorvoError(Format(u"ファイル[ %s ]を開けません"_s, {file}));
            RequireFolder(folder);
            if (importer.ImportFile(file, kind))
                CliOut(Format(u"%s -> %s\n"_s, {file, folder}));
            else
                ++failures;
        } catch (const ESorvoError &e) {
            CliErr(e.Message() + u'\n');
            ++failures;
        }
    }
    return failures ? 1 : 0;
}

TCliCommand reg(u"import", u"ファイルをプレーヤーに取り込みます FILE... [--kind note|contact|calendar]", Run);

} // namespace
