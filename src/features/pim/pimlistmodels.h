#pragma once

#include "common/listsort.h"
#include "common/reportlistmodel.h"
#include "pim/pimrows.h"

#include <QCoreApplication>
#include <QList>
#include <QStringList>

#include <iterator>

/// A list of the contacts, events or tasks tab: one row per card or calendar file. The column captions,
/// JSON keys and hidden columns come from the row type's column table.
class TPimListModel : public TReportListModel
{
    Q_OBJECT
public:
    /// Through headerData: the JSON key of a column.
    static constexpr int KeyRole = Qt::UserRole + 10;

    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    /// Columns kept out of sight (raw values the list sorts by).
    const QList<int> &HiddenColumns() const { return FHidden; }
    /// The file an item stands for, relative to the tab's folder.
    virtual QString FileOf(int item) const = 0;
    /// The files of the rows, in the order they are shown.
    QStringList FilesInOrder() const;

protected:
    TPimListModel(const QStringList &captions, const QStringList &keys, const QList<int> &hidden,
                  int sortSlot, QObject *parent);

private:
    QStringList FKeys;
    QList<int> FHidden;
};

/// The list of one kind of row; a reload keeps the rows that stay (their selection and place).
template <typename TRow> class TPimRowsModel : public TPimListModel
{
public:
    /// The rows: the first time, or after an empty list, as a new list; later as changes of the list.
    void SetRows(const QList<TRow> &rows)
    {
        if (FRows.isEmpty()) {
            BeginFill();
            FRows = rows;
            EndFill(int(FRows.size()));
            return;
        }
        UpdateItems(Keys(FRows), Keys(rows), [&] { FRows = rows; });
    }
    void Clear() { SetRows({}); }
    const TRow &Row(int item) const { return FRows.at(item); }
    const QList<TRow> &Rows() const { return FRows; }
    QString FileOf(int item) const override
    {
        return item >= 0 && item < FRows.size() ? FRows.at(item).FFile : QString();
    }

protected:
    template <std::size_t N>
    TPimRowsModel(const TRowColumn<TRow> (&columns)[N], int sortSlot, QObject *parent)
        : TPimListModel(Captions(columns), JsonKeys(columns), Hidden(columns), sortSlot, parent),
          FColumns(std::begin(columns), std::end(columns))
    {}
    QString ItemText(int item, int column) const override
    {
        return column >= 0 && column < FColumns.size() ? FRows.at(item).*(FColumns.at(column).FField)
                                                       : QString();
    }

private:
    /// A row is known again by its file and its texts; a file of several cards has a row per card.
    static QStringList Keys(const QList<TRow> &rows)
    {
        QStringList keys;
        keys.reserve(rows.size());
        for (const TRow &row : rows)
            keys.append(row.FFile);
        return keys;
    }
    template <std::size_t N> static QStringList Captions(const TRowColumn<TRow> (&columns)[N])
    {
        QStringList list;
        for (const auto &column : columns)
            list.append(QCoreApplication::translate("PimRows", column.FCaption));
        return list;
    }
    template <std::size_t N> static QStringList JsonKeys(const TRowColumn<TRow> (&columns)[N])
    {
        QStringList list;
        for (const auto &column : columns)
            list.append(QString::fromUtf16(column.FKey));
        return list;
    }
    template <std::size_t N> static QList<int> Hidden(const TRowColumn<TRow> (&columns)[N])
    {
        QList<int> list;
        for (std::size_t i = 0; i < N; ++i)
            if (columns[i].FHidden)
                list.append(int(i));
        return list;
    }

    QList<TRowColumn<TRow>> FColumns;
    QList<TRow> FRows;
};

/// The contacts list: "ファイル名", "名前", "コメント"; starts on "名前" ascending.
class TAddressListModel : public TPimRowsModel<TContactRow>
{
public:
    explicit TAddressListModel(QObject *parent = nullptr) : TPimRowsModel(kContactColumns, ssAddress, parent)
    {}
};

/// The event list: "タイトル", "日付" (kept hidden), "日時", "コメント", "ファイル名"; starts on "日時".
class TCalendarListModel : public TPimRowsModel<TCalendarRow>
{
public:
    explicit TCalendarListModel(QObject *parent = nullptr)
        : TPimRowsModel(kCalendarColumns, ssCalendar, parent)
    {}
};

/// The task list: "タスクの名前", "日時" (kept hidden: the sort key), "期限", "説明", "ファイル名"; starts on
/// "日時".
class TTodoListModel : public TPimRowsModel<TTaskRow>
{
public:
    explicit TTodoListModel(QObject *parent = nullptr) : TPimRowsModel(kTaskColumns, ssTodo, parent) {}
};
