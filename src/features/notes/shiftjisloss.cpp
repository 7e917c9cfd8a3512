#include "notes/shiftjisloss.h"

#include "app/userdialogs.h"

#include <QCoreApplication>

using namespace Qt::Literals::StringLiterals;

QString ShownCharacters(const QStringList &characters)
{
    return characters.join(u' ');
}

bool ConfirmShiftJisSave(IUserDialogs &dialogs, const QStringList &missing)
{
    if (missing.isEmpty())
        return true;
    //: %1 lists the characters, separated by blanks
    const QString question = QCoreApplication::translate(
        "TShiftJisLoss", "次の文字はShift-JISにないため「?」に置き換わります: %1\n保存しますか？");
    return dialogs.AskYesNo(question.arg(ShownCharacters(missing))) == TDialogAnswer::Yes;
}
