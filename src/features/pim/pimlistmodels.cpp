#include "pim/pimlistmodels.h"

TPimListModel::TPimListModel(const QStringList &captions, const QStringList &keys, const QList<int> &hidden,
                             int sortSlot, QObject *parent)
    : TReportListModel(captions, parent), FKeys(keys), FHidden(hidden)
{
    SetSortState(InitialSortState(sortSlot));
}

QVariant TPimListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == KeyRole && orientation == Qt::Horizontal)
        return FKeys.value(section);
    return TReportListModel::headerData(section, orientation, role);
}

QStringList TPimListModel::FilesInOrder() const
{
    QStringList files;
    files.reserve(Order().size());
    for (int item : Order())
        files.append(FileOf(item));
    return files;
}
