#include "music/musicfolderscan.h"

#include "common/datetime.h"
#include "common/format.h"
#include "common/paths.h"
#include "music/itunesdbloader.h"
#include "tags/audiotags.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <limits>

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
    void AddFile(const QString &path);

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

    // Name order makes track ids and song order the same on every file system.
    QStringList names = QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::NoSort);
    std::sort(names.begin(), names.end(),
              [](const QString &a, const QString &b) { return a.compare(b) < 0; });

    for (const QString &name : std::as_const(names)) {
        const QString path = folder + name;
        try {
            const QFileInfo info(path);
            if (info.isDir()) {
                // A link to a folder could lead back up the tree; player file systems have none.
                if (!info.isSymLink())
                    ScanFolder(path);
            } else {
                AddFile(path);
            }
        } catch (const ESorvoError &) {
            throw TITBException(Format(u"フォルダ[ %s ]でファイル[ %s ]の取得に失敗しました"_s,
                                       {QDir::toNativeSeparators(folder), name}));
        }
    }
}

void TMusicFolderScanner::AddFile(const QString &path)
{
    ++FCounter;
    TITBSongItem song(FNow);
    song.FLocation = FRoot.relativeFilePath(path).replace(u'/', u':');
    song.FSize = GetFileSize64(path);
    song.FTrackID = FCounter;
    song.FPlayCount = 0;
    TMP3Tag tag;
    FTagReader.ReadFromFile(path, tag);
    song.FTitle = tag.Title;
    song.FArtist = tag.Artist;
    song.FAlbum = tag.Album;
    song.FGenre = tag.Genre;
    song.FComment = tag.Comment;
    song.FKind = tag.Kind;
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
        if (song.FTitle.isEmpty() || song.FLength <= 0 || song.FBitRate < 48 || song.FSize == 0)
            loader.FSongs.Delete(i);
    }
}
