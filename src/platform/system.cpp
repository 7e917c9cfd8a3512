#include "platform/system.h"

#include <QNetworkInformation>

#include <cstring>

bool IsOnline()
{
    if (!QNetworkInformation::instance() &&
        !QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability))
        return true;
    const QNetworkInformation *info = QNetworkInformation::instance();
    if (!info)
        return true;
    return info->reachability() != QNetworkInformation::Reachability::Disconnected;
}

QString SystemErrorText(int code)
{
    return QString::fromLocal8Bit(std::strerror(code)).left(511);
}
