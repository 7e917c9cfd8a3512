// sorvo-cli notes: the notes on the player.
#include "app/messages.h"
#include "cli/clicommand.h"
#include "cli/pimcli.h"
#include "notes/notelist.h"

using namespace Qt::Literals::StringLiterals;

namespace {

int Run(TCliContext &context)
{
    const bool json = context.args.Flag(u"--json"_s);
    QString error;
    if (!context.args.Rest(&error).isEmpty() || !error.isEmpty()) {
        CliErr((error.isEmpty() ? u"引数が多すぎます"_s : error) + u'\n');
        return 2;
    }
    const TCliPlayerFolders folders = LocatePlayerFolders(context);
    TConsoleMainServices services;
    TLagugae messages;
    TNoteCommands commands(RequireFolder(folders.notes), context.dialogs, &services, &messages);
    QList<QStringList> rows;
    for (const TNoteRow &r : commands.LoadNoteList())
        rows.append({r.FileName, r.Size, r.Folder, r.Headline});
    PrintRows({u"ファイル名"_s, u"文字数"_s, u"フォルダ"_s, u"内容"_s},
              {u"file"_s, u"size"_s, u"folder"_s, u"headline"_s}, rows, json);
    return 0;
}

TCliCommand reg(u"notes", u"プレーヤーのメモを一覧表示します [--json]", Run);

} // namespace
