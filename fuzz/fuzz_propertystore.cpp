// Fuzz target: vCard, vCalendar event and vTodo files through the property-line store.
#include "common/sorvoerror.h"
#include "pim/kiruvcal.h"
#include "pim/kiruvcf.h"
#include "pim/kiruvtodo.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace {
template <typename T> void Exercise(const QString &path)
{
    try {
        T store(path);
        (void)store.GetRecord();
        (void)store.FindProperty(QStringLiteral("BEGIN"), QStringLiteral("vcard"));
        (void)store.SetValue(QStringLiteral("NOTE"), QStringLiteral("メモ"));
        (void)store.GetValue(QStringLiteral("NOTE"));
    } catch (const ESorvoError &) {
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("entry.ics"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
        return 0;
    file.close();
    Exercise<TKiruVCF>(path);
    Exercise<TKiruVCal>(path);
    Exercise<TKiruVTodo>(path);
    return 0;
}
