#include "pim/pimlistmodels.h"

#include "common/listsort.h"
#include "pim/pimcommands.h"

using namespace Qt::Literals::StringLiterals;

TPimListModel::TPimListModel(const QStringList &captions, int sortSlot, int fileColumn, QObject *parent)
    : TReportListModel(captions, parent), FFileColumn(fileColumn)
{
    SetSortState(InitialSortState(sortSlot));
}

void TPimListModel::Fill(const QList<QStringList> &rows)
{
    BeginFill();
    FRows = rows;
    EndFill(int(FRows.size()));
}

QList<QStringList> TPimListModel::RowsInOrder() const
{
    QList<QStringList> rows;
    rows.reserve(Order().size());
    for (int item : Order())
        rows.append(FRows.at(item));
    return rows;
}

QString TPimListModel::FileOf(int item) const
{
    return item >= 0 && item < FRows.size() ? FRows.at(item).value(FFileColumn) : QString();
}

QString TPimListModel::ItemText(int item, int column) const
{
    return FRows.at(item).value(column);
}

TAddressListModel::TAddressListModel(QObject *parent)
    : TPimListModel({u"ファイル名"_s, u"名前"_s, u"コメント"_s}, ssAddress, 0, parent)
{}

TCalendarListModel::TCalendarListModel(QObject *parent)
    : TPimListModel({u"タイトル"_s, u"日付"_s, u"日時"_s, u"コメント"_s, u"ファイル名"_s}, ssCalendar,
                    pcCalendarFile, parent)
{}

TTodoListModel::TTodoListModel(QObject *parent)
    : TPimListModel({u"タスクの名前"_s, u"Date"_s, u"期限"_s, u"説明"_s, u"ファイル名"_s}, ssTodo,
                    pcCalendarFile, parent)
{}
