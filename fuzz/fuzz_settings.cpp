// Fuzz target: the settings file reader (INI text in Shift-JIS) and the site lines it holds.
#include "app/inidocument.h"
#include "app/settings.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    TIniDocument ini;
    ini.Parse(bytes);
    (void)ini.Serialize();
    (void)ini.ReadInteger(QStringLiteral("RSSURLData"), QStringLiteral("Count"), -1);

    // The whole settings object, as the program reads it at start.
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Velmor.INI"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size()) {
        file.close();
        TKiruIPodINI settings(path);
        QList<TSiteRow> rows;
        FillSiteRows(settings.FSiteList, rows);
        StoreSiteRows(rows, settings.FSiteList);
    }
    return 0;
}
