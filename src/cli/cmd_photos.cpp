// sorvo-cli photos: the photo database's albums, pictures and thumbnails.
#include "cli/clicommand.h"
#include "cli/cliplayer.h"

using namespace Qt::Literals::StringLiterals;

namespace {

int Run(TCliContext &context)
{
    return CliRunPictureDatabase(context, u"Photos/Photo DataBase"_s);
}

TCliCommand reg(u"photos", u"フォトのアルバムと画像の一覧 (--json)", Run);

} // namespace
