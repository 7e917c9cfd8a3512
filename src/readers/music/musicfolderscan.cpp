#include "music/musicfolderscan.h"

#include "common/datetime.h"
#include "common/format.h"
#include "common/paths.h"
#include "music/itunesdbloader.h"
#include "platform/folderlisting.h"
#include "tags/audiotags.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <limits>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

class TMusicFolderScanner
{
    Q_DECLARE_TR_FUNCTIONS(TMusicFolderScanner)

public:
    TMusicFolderScanner(TITunesDBLoader &loader, const QString &folder, const QString &playerRoot)
        : FLoader(loader), FTop(AddPathDelim(folder)), FRoot(QDir(playerRoot)), FNow(NowDateTime())
    {}

    void ScanFolder(const QString &top);

private:
    void AddFile(const QString &path, const QString &location);

    TITunesDBLoader &FLoader;
    QString FTop;     // the scanned folder, with a trailing "/"
    QString FCurrent; // the file being read, below FTop
    QDir FRoot;
    TDateTime FNow; // scanned songs carry the time of the scan as their dates
    qint32 FCounter = 0;
    TAudioTagReader FTagReader;
};

void TMusicFolderScanner::ScanFolder(const QString &top)
{
    const QString topFolder = AddPathDelim(top);
    const auto enter = [this](const QString &folder) {
        if (FLoader.FOnProgress)
            FLoader.FOnProgress(FCounter, 0,
                                Format(tr("曲情報を取得中 - [ %s ]"), {QDir::toNativeSeparators(folder)}));
    };
    const auto visit = [this](const QString &folder, const TFolderEntry &entry) {
        switch (entry.kind) {
        case TFolderEntry::File:
        case TFolderEntry::FileLink: {
            // Locations are relative to the player's root, with ':' between folders.
            QString location = FRoot.relativeFilePath(folder);
            location = location == u"."_s ? QString() : location.replace(u'/', u':') + u':';
            AddFile(folder + entry.name, location + entry.name);
            break;
        }
        default:
            // A pipe or device is never opened (it would block), nor a link to a folder (it could lead back
            // up the tree), but each keeps its number, as a song would.
            ++FCounter;
            break;
        }
    };
    try {
        // A folder that cannot be listed holds no songs.
        WalkFolderTree(topFolder, enter, visit);
    } catch (const ESorvoError &) {
        // Named by the entry of the top folder under which the file failed.
        throw TITBException(Format(tr("フォルダ[ %s ]でファイル[ %s ]の取得に失敗しました"),
                                   {QDir::toNativeSeparators(topFolder), FCurrent.section(u'/', 0, 0)}));
    }
}

void TMusicFolderScanner::AddFile(const QString &path, const QString &location)
{
    ++FCounter;
    FCurrent = path.mid(FTop.size());
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
    TMusicFolderScanner scanner(loader, folder, playerRoot);
    scanner.ScanFolder(folder);
    for (int i = loader.FSongs.Count() - 1; i >= 0; --i) {
        const TITBSongItem &song = loader.FSongs.Items(i);
        if (song.TitleView().isEmpty() || song.FLength <= 0 || song.FBitRate < 48 || song.FSize == 0)
            loader.FSongs.Delete(i);
    }
}
