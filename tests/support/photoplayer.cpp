#include "photoplayer.h"

#include "artworkdbwriter.h"
#include "fixturefiles.h"

using namespace Qt::Literals::StringLiterals;

QString WritePhotoPlayer(const QString &root, const QList<TFixturePhoto> &photos,
                         const QList<TFixtureAlbum> &albums)
{
    const QString base = (root.endsWith(u'/') ? root : root + u'/') + u"Photos/"_s;
    TArtworkDBWriter writer;
    TIthmbWriter thumbs;
    for (const TFixturePhoto &p : photos) {
        TArtDBPicture picture(p.id, 0);
        if (!p.fullFile.isEmpty()) {
            picture.fullFile = p.fullFile;
            if (!p.fullData.isEmpty()) {
                QString relative = p.fullFile;
                relative.replace(u':', u'/');
                WriteFixtureFile(base + relative.mid(1), p.fullData);
            }
        }
        if (!p.thumb.isNull()) {
            TArtDBThumb t;
            t.fileName = u":Thumbs:F1019_1.ithmb"_s;
            t.width = quint16(p.thumb.width());
            t.height = quint16(p.thumb.height());
            t.size = quint32(p.thumb.width() * p.thumb.height() * 2);
            t.format = 1019;
            t.offset = thumbs.Append(EncodeRgb565(p.thumb, p.thumb.width(), false));
            picture.thumbs = {t};
        }
        writer.FPictures.append(picture);
    }
    QList<quint32> all;
    for (const TFixturePhoto &p : photos)
        all << p.id;
    writer.FAlbums.append(TArtDBAlbum(u"Photo Library"_s, 1, all));
    for (const TFixtureAlbum &a : albums)
        writer.FAlbums.append(TArtDBAlbum(a.name, 2, a.ids));
    thumbs.WriteTo(base + u"Thumbs/F1019_1.ithmb"_s);
    writer.WriteTo(base + u"Photo Database"_s);
    return base + u"Photo Database"_s;
}
