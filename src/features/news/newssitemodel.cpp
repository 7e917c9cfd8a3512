#include "news/newssitemodel.h"

#include "app/userdialogs.h"
#include "common/format.h"
#include "common/textutils.h"

#include <QCoreApplication>

using namespace Qt::Literals::StringLiterals;

namespace {
const QString kNotUpdated = u"Not Updated"_s;

/// A site is known again by its name and address.
QStringList SiteKeys(const QList<TSiteRow> &rows)
{
    QStringList keys;
    keys.reserve(rows.size());
    for (const TSiteRow &row : rows)
        keys.append(row.FCaption + u'\n' + row.FAddress);
    return keys;
}
} // namespace

QString ShownLastUpdate(const QString &stored)
{
    // The settings keep the English marker other programs read; the user sees it in the window's language.
    //: The news list's last-update column for a site never downloaded
    return stored == kNotUpdated ? QCoreApplication::translate("TNewsSiteModel", "未更新") : stored;
}

TNewsSiteModel::TNewsSiteModel(QObject *parent)
    : TReportListModel({/*: Column of the news site list */ tr("サイト名"), u"URL"_s, tr("最終更新")}, parent)
{
    SetCheckable(true);
}

QList<TSiteRow> TNewsSiteModel::Rows() const
{
    QList<TSiteRow> rows = FRows;
    for (qsizetype i = 0; i < rows.size(); ++i)
        rows[i].FTicked = ItemChecked(int(i));
    return rows;
}

TSiteRow TNewsSiteModel::Row(int index) const
{
    if (index < 0 || index >= FRows.size())
        return {};
    TSiteRow row = FRows.at(index);
    row.FTicked = ItemChecked(index);
    return row;
}

void TNewsSiteModel::SetRows(const QList<TSiteRow> &rows)
{
    if (FRows.isEmpty()) {
        BeginFill();
        FRows = rows;
        EndFill(int(FRows.size()));
    } else {
        UpdateItems(SiteKeys(FRows), SiteKeys(rows), [&] { FRows = rows; });
    }
    QList<int> ticked, unticked;
    for (qsizetype i = 0; i < rows.size(); ++i)
        (rows[i].FTicked ? ticked : unticked).append(int(i));
    SetItemsChecked(ticked, true);
    SetItemsChecked(unticked, false);
}

void TNewsSiteModel::SetLastUpdate(int index, const QString &text)
{
    if (index < 0 || index >= FRows.size())
        return;
    FRows[index].FLastUpdate = text;
    ItemChanged(index);
}

int TNewsSiteModel::AddSite(const QString &caption, const QString &address)
{
    CheckSiteCaption(caption);
    QList<TSiteRow> rows = Rows();
    rows.append(TSiteRow{caption, address, kNotUpdated, false});
    SetRows(rows);
    return int(FRows.size()) - 1;
}

int TNewsSiteModel::EditSite(TEditMode mode, const QString &path, int selected, IEditURLDialog &editor)
{
    QString name;
    QString address;
    if (mode == ModeDroppedFile) {
        name = u"不明なニュース"_s; // not translated: it becomes the notes' file name on the player
        address = path;
    } else if (selected >= 0 && selected < FRows.size() && mode != ModeAdd) {
        name = FRows[selected].FCaption;
        address = FRows[selected].FAddress;
        if (!editor.Execute(name, address))
            return -1;
        CheckSiteCaption(name);
        FRows[selected].FCaption = name;
        FRows[selected].FAddress = address;
        ItemChanged(selected);
        return selected;
    } else {
        address = u"http://"_s;
    }
    if (!editor.Execute(name, address))
        return -1;
    return AddSite(name, address);
}

bool TNewsSiteModel::DeleteSite(int selected, IUserDialogs &dialogs)
{
    if (selected < 0 || selected >= FRows.size()) {
        dialogs.Warning(tr("アイテムが選択されていません"));
        return false;
    }
    if (dialogs.AskYesNo(Format(tr("[ %s ]を削除してもよろしいですか？"), {FRows[selected].FCaption})) !=
        TDialogAnswer::Yes)
        return false;
    QList<TSiteRow> rows = Rows();
    rows.removeAt(selected);
    SetRows(rows);
    return true;
}

bool TNewsSiteModel::ResetToDefaults(IUserDialogs &dialogs)
{
    if (dialogs.AskYesNo(tr("サイト情報をクリアして初期状態にします。よろしいですか？")) !=
        TDialogAnswer::Yes)
        return false;
    SetRows(DefaultRows());
    return true;
}

int TNewsSiteModel::IndexOfCaption(const QString &caption) const
{
    for (qsizetype i = 0; i < FRows.size(); ++i)
        if (FRows[i].FCaption == caption)
            return int(i);
    return -1;
}

void TNewsSiteModel::LoadFromSettings(const QStringList &lines)
{
    QList<TSiteRow> rows = Rows();
    FillSiteRows(lines, rows);
    SetRows(rows);
}

void TNewsSiteModel::StoreToSettings(QStringList &lines) const
{
    StoreSiteRows(Rows(), lines);
}

QList<TSiteRow> TNewsSiteModel::DefaultRows()
{
    QList<TSiteRow> rows;
    for (const QString &line : TKiruIPodINI::DefaultSiteList())
        rows.append(TSiteRow{GetField(0, line, u';'), GetField(1, line, u';'), kNotUpdated, false});
    return rows;
}

QString TNewsSiteModel::ItemText(int item, int column) const
{
    const TSiteRow &row = FRows.at(item);
    switch (column) {
    case 0:
        return row.FCaption;
    case 1:
        return row.FAddress;
    default:
        return ShownLastUpdate(row.FLastUpdate);
    }
}

QVariant TNewsSiteModel::ItemData(int item, int column, int role) const
{
    if (role == Qt::ToolTipRole && column == 1)
        return ItemText(item, column);
    return TReportListModel::ItemData(item, column, role);
}
