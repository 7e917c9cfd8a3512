#include "notes/notelistmodel.h"

#include <QDir>

using namespace Qt::Literals::StringLiterals;

TNoteListModel::TNoteListModel(QObject *parent)
    : TReportListModel({/*: Column of the notes list */ tr("ファイル名"),
                        /*: Column: the note's size */ tr("文字数"), tr("フォルダ"),
                        /*: Column: the note's first line */ tr("内容")},
                       parent)
{}

void TNoteListModel::Fill(const QList<TNoteRow> &rows)
{
    if (FRows.isEmpty()) {
        BeginFill();
        FRows = rows;
        EndFill(int(FRows.size()));
        return;
    }
    // A reload after a save or a delete: the notes that stay keep their place and selection.
    const auto keys = [](const QList<TNoteRow> &list) {
        QStringList paths;
        paths.reserve(list.size());
        for (const TNoteRow &row : list)
            paths.append(row.FFolder + row.FFileName);
        return paths;
    };
    UpdateItems(keys(FRows), keys(rows), [&] { FRows = rows; });
}

QList<TNoteRow> TNoteListModel::RowsOfItems(const QList<int> &items) const
{
    QList<TNoteRow> rows;
    rows.reserve(items.size());
    for (int item : items)
        if (item >= 0 && item < FRows.size())
            rows.append(FRows.at(item));
    return rows;
}

QString TNoteListModel::ItemText(int item, int column) const
{
    const TNoteRow &row = FRows.at(item);
    switch (column) {
    case colFileName:
        return row.FFileName;
    case colSize:
        return row.FSize;
    case colFolder:
        // The player's own separator, as the user knows the folders.
        return row.FFolder.isEmpty() ? QString() : QDir::toNativeSeparators(row.FFolder);
    default:
        return row.FHeadline;
    }
}
