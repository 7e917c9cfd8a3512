// sorvo-cli notes: the notes on the player.
#include "app/messages.h"
#include "cli/clicommand.h"
#include "cli/pimcli.h"
#include "notes/notelist.h"
#include "notes/notelistmodel.h"

#include <QJsonArray>
#include <QJsonObject>

using namespace Qt::Literals::StringLiterals;

namespace {

int Run(TCliContext &context)
{
    context.Operands();
    const TCliPlayerFolders folders = LocatePlayerFolders(context);
    TConsoleMainServices services;
    TLagugae messages;
    TNoteCommands commands(RequireFolder(folders.FNotes), context.dialogs, &services, &messages);
    const QList<TNoteRow> notes = commands.LoadNoteList();
    if (context.line.json) {
        // Sizes as numbers, for programs that read the listing.
        QJsonArray array;
        for (const TNoteRow &r : notes)
            array.append(QJsonObject{{u"file"_s, r.FFileName},
                                     {u"size"_s, SummariseNote(commands.FullPath(r)).FSize},
                                     {u"folder"_s, r.FFolder},
                                     {u"headline"_s, r.FHeadline}});
        CliJson(array);
        return 0;
    }
    TNoteListModel model;
    model.Fill(notes);
    PrintTable(model);
    return 0;
}

TCliCommand reg({u"notes", QT_TRANSLATE_NOOP("CliCommand", "プレーヤーのメモを一覧表示します"), "[--json]",
                 true},
                Run);

} // namespace
