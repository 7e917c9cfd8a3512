#include "devicefixtures.h"

#include "fixturefiles.h"

#include <QtEndian>

using namespace Qt::Literals::StringLiterals;

bool WriteSysInfo(const QString &root, const QString &modelNumStr, const QString &serial,
                  const QStringList &extraLines)
{
    QStringList lines{u"BoardHwName: iPod Q22"_s,       u"pszSerialNumber: "_s + serial,
                      u"ModelNumStr: "_s + modelNumStr, u"FirewireGuid: 0x000A2700138D3FB1"_s,
                      u"RegionCode: LL(0x0001)"_s,      u"buildID: 0x06128000 (6.1.2)"_s};
    lines += extraLines;
    return WriteFixtureFile(root + u"/iPod_Control/Device/SysInfo"_s, lines.join(u"\n"_s).toLatin1() + '\n');
}

QByteArray DeviceInfoBytes(const QStringList &records)
{
    QByteArray data(qsizetype(qMax<qsizetype>(records.size(), 2)) * 512, '\0');
    for (qsizetype k = 0; k < records.size(); ++k) {
        const QString &r = records[k];
        qToLittleEndian<quint16>(quint16(r.size()), data.data() + k * 512);
        for (qsizetype i = 0; i < r.size() && 2 + 2 * i + 1 < 512; ++i)
            qToLittleEndian<quint16>(r[i].unicode(), data.data() + k * 512 + 2 + 2 * i);
    }
    return data;
}

bool WriteDeviceInfo(const QString &root, const QString &name, const QString &owner)
{
    return WriteFixtureFile(root + u"/iPod_Control/iTunes/DeviceInfo"_s, DeviceInfoBytes({name, owner}));
}

bool TouchFile(const QString &path, qint64 size)
{
    return WriteFixtureFile(path, QByteArray(size, '\0'));
}
