// sorvo-cli contacts: the contact cards on the player, sorted by name as the list starts.
#include "cli/clicommand.h"
#include "cli/pimcli.h"
#include "pim/pimlistmodels.h"

using namespace Qt::Literals::StringLiterals;

namespace {

int Run(TCliContext &context)
{
    context.Operands();
    TCliPimLists pim(context, false);
    TAddressListModel model;
    model.SetRows(pim.FCommands.LoadContactList());
    PrintModel(model, context.line.json);
    return 0;
}

TCliCommand reg({u"contacts", QT_TRANSLATE_NOOP("CliCommand", "プレーヤーのアドレス帳を一覧表示します"),
                 "[--json]", true},
                Run);

} // namespace
