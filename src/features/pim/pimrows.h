#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

/// One row of the contact list: a card of a vCard file (a file holding several cards has a row each).
struct TContactRow
{
    QString FFile; // relative to the contacts folder
    QString FName; // FN
    QString FNote; // NOTE
    bool operator==(const TContactRow &) const = default;
};

/// One row of the event list.
struct TCalendarRow
{
    QString FTitle;      // SUMMARY
    QString FStart;      // DTSTART as stored (the list sorts by it, and keeps it hidden)
    QString FShownStart; // the start as the list shows it
    QString FComment;    // DESCRIPTION
    QString FFile;       // relative to the calendars folder
    bool operator==(const TCalendarRow &) const = default;
};

/// One row of the to-do list.
struct TTaskRow
{
    QString FName;        // SUMMARY
    QString FDue;         // DTSTART as stored, else DUE (the list sorts by it, and keeps it hidden)
    QString FShownDue;    // the deadline as the list shows it
    QString FDescription; // DESCRIPTION
    QString FFile;        // relative to the calendars folder
    bool operator==(const TTaskRow &) const = default;
};

/// A column of one of these lists: its caption, its key in JSON listings and the field it shows.
template <typename TRow> struct TRowColumn
{
    const char *FCaption; // translated where shown ("PimRows")
    const char16_t *FKey;
    QString TRow::*FField;
    bool FHidden = false; // kept out of sight (a raw value the list sorts by)
};

inline constexpr TRowColumn<TContactRow> kContactColumns[] = {
    {/*: Column of the contacts, events and to-do lists */ QT_TRANSLATE_NOOP("PimRows", "ファイル名"),
     u"file", &TContactRow::FFile},
    {QT_TRANSLATE_NOOP("PimRows", "名前"), u"name", &TContactRow::FName},
    {QT_TRANSLATE_NOOP("PimRows", "コメント"), u"note", &TContactRow::FNote},
};
inline constexpr TRowColumn<TCalendarRow> kCalendarColumns[] = {
    {QT_TRANSLATE_NOOP("PimRows", "タイトル"), u"summary", &TCalendarRow::FTitle},
    {/*: Hidden column: the stored start, for sorting */ QT_TRANSLATE_NOOP("PimRows", "日付"), u"dtstart",
     &TCalendarRow::FStart, true},
    {/*: Column: when the event starts */ QT_TRANSLATE_NOOP("PimRows", "日時"), u"shown",
     &TCalendarRow::FShownStart},
    {QT_TRANSLATE_NOOP("PimRows", "コメント"), u"description", &TCalendarRow::FComment},
    {QT_TRANSLATE_NOOP("PimRows", "ファイル名"), u"file", &TCalendarRow::FFile},
};
inline constexpr TRowColumn<TTaskRow> kTaskColumns[] = {
    {QT_TRANSLATE_NOOP("PimRows", "タスクの名前"), u"summary", &TTaskRow::FName},
    {QT_TRANSLATE_NOOP("PimRows", "日時"), u"dtstart", &TTaskRow::FDue, true},
    {/*: Column: the to-do item's deadline */ QT_TRANSLATE_NOOP("PimRows", "期限"), u"shown",
     &TTaskRow::FShownDue},
    {/*: Column: the to-do item's description */ QT_TRANSLATE_NOOP("PimRows", "説明"), u"description",
     &TTaskRow::FDescription},
    {QT_TRANSLATE_NOOP("PimRows", "ファイル名"), u"file", &TTaskRow::FFile},
};

/// The files of calendar rows, in their order.
template <typename TRow> QStringList FilesOf(const QList<TRow> &rows)
{
    QStringList files;
    files.reserve(rows.size());
    for (const TRow &row : rows)
        files.append(row.FFile);
    return files;
}
