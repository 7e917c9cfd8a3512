#include "device/playerinfo.h"

#include "platform/playerpaths.h"

#include <QFileInfo>

QString PlayerMarkerFile(const TPlayerInfo &player)
{
    if (player.FRoot.isEmpty())
        return {};
    // An iPod's song database: iTunesDB, or iTunesCDB on later models.
    const QString marker = PlayerMarker(player.FKind);
    if (marker == PlayerMarker(kPlayerIPod) && !player.FSongDBFile.isEmpty())
        return player.FSongDBFile;
    return TPlayerPaths(player.FRoot).Resolve(marker);
}

bool PlayerStillPresent(const TPlayerInfo &player)
{
    const QString marker = PlayerMarkerFile(player);
    return !marker.isEmpty() && QFileInfo::exists(marker);
}
