#include "pim/calendarexpiry.h"

#include "common/sorvoerror.h"
#include "pim/calendardates.h"
#include "pim/propertystore.h"

#include <QRegularExpression>

#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {

qint64 Milliseconds(TDateTime value)
{
    return qRound64(value * 86400000.0);
}

// "P1W", "PT1H30M", "P2DT3H": the length in seconds; nullopt when it cannot be read.
std::optional<qint64> DurationSeconds(const QString &text)
{
    static const QRegularExpression pattern(
        u"^[+]?P(?:(\\d+)W)?(?:(\\d+)D)?(?:T(?:(\\d+)H)?(?:(\\d+)M)?(?:(\\d+)S)?)?$"_s);
    const QRegularExpressionMatch m = pattern.match(text.trimmed().toUpper());
    if (!m.hasMatch())
        return std::nullopt;
    const auto n = [&](int i) { return m.captured(i).toLongLong(); };
    return (((n(1) * 7 + n(2)) * 24 + n(3)) * 60 + n(4)) * 60 + n(5);
}

// The last moment of a repeating entry that starts at `start`: UNTIL, or the last of COUNT occurrences
// of a plain rule. nullopt for a series without end (or one whose end cannot be worked out for sure).
std::optional<qint64> SeriesEnd(const QString &rule, qint64 startMs)
{
    const QString upper = rule.trimmed().toUpper();
    if (!upper.contains(u"FREQ="_s)) {
        // The older form "D1 #5" or "W1 MO 20051231T000000": only a closing date says when it ends.
        const QString last = upper.section(u' ', -1);
        if (last.startsWith(u'#'))
            return std::nullopt;
        return Milliseconds(ReadCalendarDateTime(last));
    }
    QString freq, until;
    qint64 count = -1, interval = 1;
    bool byParts = false;
    for (const QString &part : upper.split(u';', Qt::SkipEmptyParts)) {
        const QString name = part.section(u'=', 0, 0);
        const QString value = part.section(u'=', 1);
        if (name == u"FREQ"_s)
            freq = value;
        else if (name == u"UNTIL"_s)
            until = value;
        else if (name == u"COUNT"_s)
            count = value.toLongLong();
        else if (name == u"INTERVAL"_s)
            interval = qMax<qint64>(1, value.toLongLong());
        else if (name.startsWith(u"BY"_s) || name == u"WKST"_s)
            byParts = byParts || name != u"WKST"_s;
    }
    if (!until.isEmpty())
        return Milliseconds(ReadCalendarDateTime(until));
    if (count <= 0 || byParts)
        return std::nullopt;
    // Months and years counted at their longest, so the estimate never ends a series too early.
    static const QHash<QString, qint64> kDays = {{u"SECONDLY"_s, 0}, {u"MINUTELY"_s, 0}, {u"HOURLY"_s, 0},
                                                 {u"DAILY"_s, 1},    {u"WEEKLY"_s, 7},   {u"MONTHLY"_s, 31},
                                                 {u"YEARLY"_s, 366}};
    if (!kDays.contains(freq))
        return std::nullopt;
    const qint64 steps = (count - 1) * interval;
    const qint64 stepMs = freq == u"SECONDLY"_s   ? 1000
                          : freq == u"MINUTELY"_s ? 60000
                          : freq == u"HOURLY"_s   ? 3600000
                                                  : kDays.value(freq) * 86400000;
    return startMs + steps * stepMs;
}

// When the entry within the store's current scope ends; nullopt when it never does. Raises
// EConvertError for a date that cannot be read.
std::optional<qint64> EntryEnd(const TKiruPropertyStore &file)
{
    std::optional<qint64> end;
    std::optional<qint64> start;
    const auto take = [&](qint64 ms) { end = end ? qMax(*end, ms) : ms; };
    for (const QString &key : {u"DTSTART"_s, u"DTEND"_s, u"DUE"_s}) {
        const QString value = file.GetValue(key).trimmed();
        if (value.isEmpty())
            continue;
        const qint64 ms = Milliseconds(ReadCalendarDateTime(value));
        if (key == u"DTSTART"_s)
            start = ms;
        take(ms);
    }
    if (!end)
        return std::nullopt; // nothing says when it is
    const QString duration = file.GetValue(u"DURATION"_s);
    if (start && !duration.trimmed().isEmpty()) {
        const std::optional<qint64> seconds = DurationSeconds(duration);
        if (!seconds)
            throw EConvertError(u"'%1' is not a valid duration"_s.arg(duration));
        take(*start + *seconds * 1000);
    }
    for (const QString &value : file.GetValue(u"RDATE"_s).split(u',', Qt::SkipEmptyParts))
        take(Milliseconds(ReadCalendarDateTime(value.trimmed())));
    const QString rule = file.GetValue(u"RRULE"_s);
    if (!rule.trimmed().isEmpty()) {
        const std::optional<qint64> series = SeriesEnd(rule, start.value_or(*end));
        if (!series)
            return std::nullopt;
        take(*series);
    }
    return end;
}

} // namespace

TCalendarExpiry JudgeCalendarFile(TKiruPropertyStore &file, TDateTime threshold)
{
    QList<std::pair<int, int>> entries = file.Blocks("vevent");
    entries += file.Blocks("vtodo");
    if (entries.isEmpty())
        entries.append({0, -1}); // a file without blocks is one entry
    const qint64 limit = Milliseconds(threshold);
    int ended = 0;
    try {
        for (const auto &[first, last] : entries) {
            file.SetScope(first, last);
            const std::optional<qint64> end = EntryEnd(file);
            if (end && *end < limit)
                ++ended;
        }
    } catch (const EConvertError &) {
        file.ClearScope();
        return TCalendarExpiry::Unreadable;
    }
    file.ClearScope();
    if (ended == entries.size())
        return TCalendarExpiry::Ended;
    return ended == 0 ? TCalendarExpiry::Current : TCalendarExpiry::Partly;
}
