#include "playcountswriter.h"

#include <QtEndian>

QByteArray PlayCountsFile(const QList<TPlayCountEntry> &entries, quint32 entryLength)
{
    constexpr quint32 headerLength = 0x60;
    QByteArray b(qsizetype(headerLength + entryLength * entries.size()), '\0');
    const auto put = [&b](qsizetype at, quint32 v, qsizetype room) {
        if (at + 4 <= room)
            qToLittleEndian(v, b.data() + at);
    };
    std::memcpy(b.data(), "mhdp", 4);
    put(4, headerLength, b.size());
    put(8, entryLength, b.size());
    put(12, quint32(entries.size()), b.size());
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const qsizetype at = headerLength + i * entryLength;
        const qsizetype end = at + entryLength;
        const TPlayCountEntry &e = entries[i];
        put(at, quint32(e.FPlays), end);
        put(at + 4, e.FLastPlayed, end);
        put(at + 12, e.FRating.value_or(0), end);
        put(at + 20, quint32(e.FSkips), end);
        put(at + 24, e.FLastSkipped, end);
    }
    return b;
}
