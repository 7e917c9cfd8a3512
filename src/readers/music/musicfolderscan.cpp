#include "music/musicfolderscan.h"

#include "common/datetime.h"
#include "common/format.h"
#include "common/paths.h"
#include "music/itunesdbloader.h"
#include "tags/audiotags.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include <algorithm>
#include <limits>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

class TMusicFolderScanner
{
public:
    TMusicFolderScanner(TITunesDBLoader &loader, const QString &playerRoot)
        : FLoader(loader), FRoot(QDir(playerRoot)), FNow(NowDateTime())
    {}

    void ScanFolder(const QString &folder);

private:
    void AddFile(const QString &path, const QString &location);

    TITunesDBLoader &FLoader;
    QDir FRoot;
    TDateTime FNow; // scanned songs carry the time of the scan as their dates
    qint32 FCounter = 0;
    TAudioTagReader FTagReader;
};

void TMusicFolderScanner::ScanFolder(const QString &folderPath)
{
    const QString folder = AddPathDelim(folderPath);
    if (FLoader.FOnProgress)
        FLoader.FOnProgress(FCounter, 0,
                            Format(u"曲情報を取得中 - [ %s ]"_s, {QDir::toNativeSeparators(folder)}));

    // The listing tells folders from files without asking the file system about each entry.
    struct TEntry
    {
        QString name;
        bool folder;
        bool special; // a pipe, socket or device
    };
    std::vector<TEntry> entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        // A link to a folder could lead back up the tree; player file systems have none.
        const bool folder = info.isDir();
        entries.push_back(
            {info.fileName(), folder && !info.isSymLink(), !folder && !info.isFile() && info.exists()});
    }
    // Name order makes track ids and song order the same on every file system.
    std::sort(entries.begin(), entries.end(),
              [](const TEntry &a, const TEntry &b) { return a.name.compare(b.name) < 0; });

    // Locations are relative to the player's root, with ':' between folders.
    QString location = FRoot.relativeFilePath(folder);
    location = location == u"."_s ? QString() : location.replace(u'/', u':') + u':';
    for (const TEntry &entry : std::as_const(entries)) {
        const QString path = folder + entry.name;
        try {
            if (entry.folder)
                ScanFolder(path);
            else if (entry.special)
                ++FCounter; // never opened (a pipe would block) but keeps its number, as a song would
            else
                AddFile(path, location + entry.name);
        } catch (const ESorvoError &) {
            throw TITBException(Format(u"フォルダ[ %s ]でファイル[ %s ]の取得に失敗しました"_s,
                                       {QDir::toNativeSeparators(folder), entry.name}));
        }
    }
}

void TMusicFolderScanner::AddFile(const QString &path, const QString &location)
{
    ++FCounter;
    TITBSongItem song(FNow);
    song.SetLocation(location);
    song.FTrackID = FCounter;
    song.FPlayCount = 0;
    TMP3Tag tag;
    FTagReader.ReadFromFile(path, tag);
    song.FSize = tag.FileSize; // of the file as opened, so size and tags are of the same file
    song.SetTitle(tag.Title);
    song.SetArtist(tag.Artist);
    song.SetAlbum(tag.Album);
    song.SetGenre(tag.Genre);
    song.SetComment(tag.Comment);
    song.SetKind(tag.Kind);
    song.FBitRate = tag.BitRate;
    song.FSampleRate = tag.SampleRate;
    song.FLength = qint32(std::min<qint64>(qint64(tag.Duration) * 1000, std::numeric_limits<qint32>::max()));
    FLoader.FSongs.Add(std::move(song));
}

} // namespace

void ScanMusicFolder(TITunesDBLoader &loader, const QString &folder, const QString &playerRoot)
{
    TMusicFolderScanner scanner(loader, playerRoot);
    scanner.ScanFolder(folder);
    for (int i = loader.FSongs.Count() - 1; i >= 0; --i) {
        const TITBSongItem &song = loader.FSongs.Items(i);
        if (song.TitleView().isEmpty() || song.FLength <= 0 || song.FBitRate < 48 || song.FSize == 0)
            loader.FSongs.Delete(i);
    }
}
