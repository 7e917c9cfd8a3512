#include "platform/network.h"

#include <QNetworkInformation>

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
