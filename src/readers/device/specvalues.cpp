#include "device/specvalues.h"

#include "common/format.h"
#include "device/playerinfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>

using namespace Qt::Literals::StringLiterals;

int ModelPictureIndex(const QString &modelCode)
{
    if (modelCode == u"mini"_s)
        return 0;
    if (modelCode == u"shuffle"_s)
        return 3;
    if (modelCode == u"nano"_s)
        return 2;
    if (modelCode == u"nano2"_s)
        return 5;
    if (modelCode == u"shuffle2"_s)
        return 6;
    if (modelCode == u"5G"_s)
        return 4;
    return 1;
}

QString ShownPlayerValue(const QString &value)
{
    static const QRegularExpression generation(u"^第(\\d+)世代$"_s);
    const QRegularExpressionMatch match = generation.match(value);
    if (match.hasMatch())
        return QCoreApplication::translate("TSpecValues", "第%1世代").arg(match.captured(1));
    if (value == u"不明"_s)
        return QCoreApplication::translate("TSpecValues", "不明");
    return value;
}

TSpecValues MakeSpecValues(const TPlayerInfo &device)
{
    TSpecValues v;
    v.machine = device.FKindName + u" ( "_s + device.FCapacity + u" )"_s;
    v.generation = ShownPlayerValue(device.FGeneration);
    v.number = ShownPlayerValue(device.FModelNumber);
    v.name = device.FName;
    v.owner = device.FOwner;
    v.software = ShownPlayerValue(device.FSoftware);
    v.serial = device.FSerial;
    v.area = ShownPlayerValue(device.FRegion);
    v.hdd = Format(u"%.0n MB"_s, {double(device.FTotalBytes) / 1048576.0});
    v.songs = Format(QCoreApplication::translate("TSpecValues", "%.0n 曲"), {device.FSongCount});
    v.songSize = Format(u"%.0n MB"_s, {double(device.FSongBytes) / 1048576.0});
    v.pictureIndex = ModelPictureIndex(device.FModelCode);
    return v;
}

QString DiskCheckCommand(const QString &root)
{
    return Format(u"chkdsk %s /F"_s, {QDir::toNativeSeparators(root)});
}
