#include "device/sysinfo.h"

#include "common/japanese.h"
#include "platform/regularfile.h"

#include <QFile>
#include <QtEndian>

TSysInfoFields ParseSysInfo(QByteArrayView data)
{
    const QString text =
        ShiftJisToUnicode(data.first(qMin<qsizetype>(data.size(), kMaxPlayerInfoBytes)).toByteArray());
    TSysInfoFields fields;
    // A key given twice keeps its last value.
    const QStringView keys[4] = {u"pszSerialNumber", u"ModelNumStr", u"RegionCode", u"buildID"};
    QString *targets[4] = {&fields.serial, &fields.modelNumber, &fields.region, &fields.build};
    for (QStringView line : QStringView(text).split(u'\n')) {
        const qsizetype colon = line.indexOf(u':');
        if (colon <= 0)
            continue;
        const QStringView key = line.left(colon).trimmed();
        for (int i = 0; i < 4; ++i)
            if (key.compare(keys[i], Qt::CaseInsensitive) == 0)
                *targets[i] = line.mid(colon + 1).trimmed().toString();
    }
    return fields;
}

QStringList ParseDeviceInfo(QByteArrayView data)
{
    const auto record = [&](int k) -> QString {
        const qsizetype start = qsizetype(k) * 512;
        if (start + 2 > data.size())
            return {};
        int count = qFromLittleEndian<quint16>(data.constData() + start);
        count = qMin(count, 255);
        const qsizetype available = (data.size() - start - 2) / 2;
        count = int(qMin<qsizetype>(count, available));
        QString out(count, Qt::Uninitialized);
        for (int i = 0; i < count; ++i)
            out[i] = QChar(qFromLittleEndian<quint16>(data.constData() + start + 2 + 2 * i));
        return out;
    };
    return {record(0), record(1)};
}

bool ReadPlayerInfoFile(const QString &path, qint64 limit, QByteArray &data)
{
    QFile file;
    if (!OpenRegularFile(file, path))
        return false;
    data = file.read(limit);
    return true;
}
