#include "music/copynaming.h"

#include "app/settings.h"
#include "common/format.h"
#include "common/namelength.h"
#include "common/paths.h"
#include "common/windowsnames.h"
#include "music/songdb.h"
#include "music/songlist.h"

using namespace Qt::Literals::StringLiterals;

namespace {

// The last component of a location written with ":" (database) or "/" (folder scan).
QString LocationFileName(const QString &location)
{
    qsizetype cut = -1;
    for (qsizetype i = location.size() - 1; i >= 0; --i) {
        const QChar c = location.at(i);
        if (c == u':' || c == u'/' || c == u'\\') {
            cut = i;
            break;
        }
    }
    return location.mid(cut + 1);
}

// Names are made in one Unicode form: a tag written on a Mac (decomposed) and the same text typed
// elsewhere (composed) name one folder, not two that look alike.
QString Composed(const QString &text)
{
    return text.normalized(QString::NormalizationForm_C);
}

// An artist or album folder level; empty means no level.
QString FolderLevel(const QString &text)
{
    return ShortenComponent(SanitizeFileNameNoDot(Composed(text)).trimmed(), kMaxComponentBytes, false);
}

QString VideoArtistLevel(const QString &artist)
{
    // Neither trimmed nor period-replaced, but never a name that would leave the destination folder.
    const QString level = SanitizeFileName(Composed(artist));
    if (IsBlankOrDotsName(level))
        return {};
    return ShortenComponent(level, kMaxComponentBytes, false);
}

} // namespace

TNamingType NamingTypeFromSetting(int value)
{
    return value == 0 ? TNamingType::ArtistTitle : value == 1 ? TNamingType::Title : TNamingType::Keep;
}

TCopyOptions TCopyOptions::ForSongs(const TKiruIPodINI &settings)
{
    TCopyOptions o;
    o.FKind = TCopyKind::Songs;
    o.FFolder = AddPathDelim(settings.FSongCopy_Folder);
    o.FArtistFolder = settings.FMakeFolder_Artist;
    o.FAlbumFolder = settings.FMakeFolder_Album;
    o.FNameType = NamingTypeFromSetting(settings.FMakingNameType);
    o.FAddTrackNo = settings.FAddTrackNo;
    o.FMakeListing = settings.FMakeLibraryData;
    o.FEmbedTags = settings.FSongCopy_EmbedTags;
    return o;
}

TCopyOptions TCopyOptions::ForVideos(const TKiruIPodINI &settings)
{
    TCopyOptions o;
    o.FKind = TCopyKind::Videos;
    o.FFolder = AddPathDelim(settings.FVideoFolder);
    o.FArtistFolder = settings.FMakeArtistFolder;
    o.FAlbumFolder = settings.FMakeAlbumFolder;
    o.FNameType = NamingTypeFromSetting(settings.FMakeType);
    o.FAddTrackNo = false;
    o.FMakeListing = settings.FMakeImportFile;
    o.FEmbedTags = settings.FVideoCopy_EmbedTags;
    return o;
}

QString CopyRelativePath(const TITBSongItem &entry, const TCopyOptions &options)
{
    const QString sourceName = Composed(LocationFileName(entry.Location()));
    const QString extension = ExtensionOf(sourceName);
    const QString artist = SanitizeFileName(Composed(entry.Artist()));
    const QString title = SanitizeFileName(Composed(entry.Title()));
    // A title of dots alone would make a hidden file ("....mp3"): it counts as none.
    const bool hasTitle = !IsBlankOrDotsName(title);

    QString name = sourceName;
    if (options.FNameType == TNamingType::ArtistTitle) {
        if (!IsBlankOrDotsName(artist) && hasTitle)
            name = artist + u'-' + title + extension;
        else if (hasTitle)
            name = title + extension;
    } else if (options.FNameType == TNamingType::Title && hasTitle) {
        name = title + extension;
    }
    if (options.FKind == TCopyKind::Songs && options.FAddTrackNo && entry.FTrackNumber > 0 &&
        entry.FTrackNumber < 100)
        name = Format(u"%0.2d %s"_s, {entry.FTrackNumber, name});
    name = ShortenComponent(name, kMaxComponentBytes - kUniqueSuffixBytes, true);

    QString folder;
    if (options.FArtistFolder) {
        if (options.FKind == TCopyKind::Songs) {
            folder = FolderLevel(entry.Artist());
            if (folder.isEmpty())
                folder = QString::fromUtf16(kUnknownArtist);
        } else {
            folder = VideoArtistLevel(entry.Artist());
        }
    }
    if (options.FAlbumFolder) {
        const QString album = FolderLevel(entry.Album());
        if (!album.isEmpty())
            folder = folder.isEmpty() ? album : folder + u'/' + album;
    }
    // Names Windows refuses (devices, trailing dots and blanks) would be unreachable on FAT and exFAT.
    return WindowsSafePath(folder.isEmpty() ? name : folder + u'/' + name);
}
