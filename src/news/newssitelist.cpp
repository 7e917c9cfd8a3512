#include "news/newssitelist.h"

#include "app/userdialogs.h"
#include "common/format.h"
#include "common/textutils.h"

using namespace Qt::Literals::StringLiterals;

namespace {
const QString kNotUpdated = u"Not Updated"_s;
} // namespace

int TNewsSiteList::AddSite(const QString &caption, const QString &address)
{
    FRows.append(TSiteRow{caption, address, kNotUpdated, false});
    return int(FRows.size()) - 1;
}

int TNewsSiteList::EditSite(TEditMode mode, const QString &path, int selected, IEditURLDialog &editor)
{
    QString name;
    QString address;
    if (mode == ModeDroppedFile) {
        name = u"不明なニュース"_s;
        address = path;
    } else if (selected >= 0 && selected < FRows.size() && mode != ModeAdd) {
        name = FRows[selected].FCaption;
        address = FRows[selected].FAddress;
        if (!editor.Execute(name, address))
            return -1;
        FRows[selected].FCaption = name;
        FRows[selected].FAddress = address;
        return selected;
    } else {
        address = u"http://"_s;
    }
    if (!editor.Execute(name, address))
        return -1;
    return AddSite(name, address);
}

bool TNewsSiteList::DeleteSite(int selected, IUserDialogs &dialogs)
{
    if (selected < 0 || selected >= FRows.size()) {
        dialogs.Warning(u"アイテムが選択されていません"_s);
        return false;
    }
    if (dialogs.AskYesNo(Format(u"[ %s ]を削除してもよろしいですか？"_s, {FRows[selected].FCaption})) !=
        TDialogAnswer::Yes)
        return false;
    FRows.removeAt(selected);
    return true;
}

bool TNewsSiteList::ResetToDefaults(IUserDialogs &dialogs)
{
    if (dialogs.AskYesNo(u"サイト情報をクリアして初期状態にします。よろしいですか？"_s) != TDialogAnswer::Yes)
        return false;
    FRows = DefaultRows();
    return true;
}

int TNewsSiteList::IndexOfCaption(const QString &caption) const
{
    for (qsizetype i = 0; i < FRows.size(); ++i)
        if (FRows[i].FCaption == caption)
            return int(i);
    return -1;
}

QList<TSiteRow> TNewsSiteList::DefaultRows()
{
    QList<TSiteRow> rows;
    for (const QString &line : TKiruIPodINI::DefaultSiteList())
        rows.append(TSiteRow{GetField(0, line, u';'), GetField(1, line, u';'), kNotUpdated, false});
    return rows;
}
