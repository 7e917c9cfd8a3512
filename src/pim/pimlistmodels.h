#pragma once

#include "common/reportlistmodel.h"

#include <QList>
#include <QStringList>

/// A list of the contacts, events or tasks tab: one row per file, its texts as the loader gives them.
class TPimListModel : public TReportListModel
{
    Q_OBJECT
public:
    /// `fileColumn`: the column holding the path relative to the tab's folder.
    TPimListModel(const QStringList &captions, int sortSlot, int fileColumn, QObject *parent = nullptr);

    /// Replaces the rows; the sort order and header arrows stay.
    void Fill(const QList<QStringList> &rows);
    void Clear() { Fill({}); }
    /// The texts of an item (an index into the rows given to `Fill`).
    const QStringList &Row(int item) const { return FRows.at(item); }
    /// The rows in the order they are shown.
    QList<QStringList> RowsInOrder() const;
    /// The file an item stands for, relative to the tab's folder.
    QString FileOf(int item) const;
    int FileColumn() const { return FFileColumn; }

protected:
    QString ItemText(int item, int column) const override;

private:
    QList<QStringList> FRows;
    int FFileColumn;
};

/// The contacts list: "ファイル名", "名前", "コメント"; starts on "名前" ascending.
class TAddressListModel : public TPimListModel
{
    Q_OBJECT
public:
    explicit TAddressListModel(QObject *parent = nullptr);
};

/// The event list: "タイトル", "日付" (kept hidden), "日時", "コメント", "ファイル名"; starts on "日時".
class TCalendarListModel : public TPimListModel
{
    Q_OBJECT
public:
    explicit TCalendarListModel(QObject *parent = nullptr);
};

/// The task list: "タスクの名前", "Date" (kept hidden), "期限", "説明", "ファイル名"; starts on "Date".
class TTodoListModel : public TPimListModel
{
    Q_OBJECT
public:
    explicit TTodoListModel(QObject *parent = nullptr);
};
