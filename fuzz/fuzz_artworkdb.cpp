// Feeds arbitrary bytes to the picture database reader and its look-ups.
#include "photos/artworkdbloader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    TArtworkDBLoader loader;
    try {
        // A folder that does not exist: thumbnail files are never opened.
        loader.LoadFromStream(QByteArrayView(data, qsizetype(size)),
                              QStringLiteral("/nonexistent-sorvo-fuzz"));
    } catch (const TArtDBException &) {
    }
    for (const auto &item : loader.FItems)
        for (int width : {-1, 0, 150})
            if (TArtImageObject *image = item->SelectImage(width))
                (void)image->Bitmap();
    QStringList ids;
    loader.ListImageIds(ids);
    for (const TAlbumRow &row : loader.FAlbums.AlbumRows())
        loader.FAlbums.GetAlbumImageIds(row.FName, ids);
    return 0;
}
