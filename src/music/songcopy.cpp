#include "music/songcopy.h"

#include "app/mainservices.h"
#include "app/settings.h"
#include "app/userdialogs.h"
#include "common/format.h"
#include "common/namelength.h"
#include "common/paths.h"
#include "device/playerpaths.h"
#include "music/itunesdbloader.h"
#include "music/itxmakelibrary.h"
#include "music/songlist.h"
#include "platform/drivetable.h"
#include "platform/filecopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

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

// An artist or album folder level; empty means no level.
QString FolderLevel(const QString &text)
{
    return ShortenComponent(SanitizeFileNameNoDot(text).trimmed(), kMaxComponentBytes, false);
}

QString VideoArtistLevel(const QString &artist)
{
    // Neither trimmed nor period-replaced, but never a name that would leave the destination folder.
    const QString level = SanitizeFileName(artist);
    if (level.trimmed().isEmpty() || level == u"."_s || level == u".."_s)
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
    return o;
}

QString CopyRelativePath(const TITBSongItem &entry, const TCopyOptions &options)
{
    const QString sourceName = LocationFileName(entry.FLocation);
    const QString extension = ExtensionOf(sourceName);
    const QString artist = SanitizeFileName(entry.FArtist);
    const QString title = SanitizeFileName(entry.FTitle);
    const bool hasTitle = !title.trimmed().isEmpty();

    QString name = sourceName;
    if (options.FNameType == TNamingType::ArtistTitle) {
        if (!artist.trimmed().isEmpty() && hasTitle)
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
            folder = FolderLevel(entry.FArtist);
            if (folder.isEmpty())
                folder = QString::fromUtf16(kUnknownArtist);
        } else {
            folder = VideoArtistLevel(entry.FArtist);
        }
    }
    if (options.FAlbumFolder) {
        const QString album = FolderLevel(entry.FAlbum);
        if (!album.isEmpty())
            folder = folder.isEmpty() ? album : folder + u'/' + album;
    }
    return folder.isEmpty() ? name : folder + u'/' + name;
}

TSongCopier::TSongCopier(TITBSongList &songs, const QString &root, TCopyOptions options,
                         TITXMakeLibrary *listing)
    : FSongs(songs), FRoot(root), FOptions(std::move(options)), FListing(listing)
{}

void TSongCopier::Step(const QList<TCopyRow> &rows, TProgressContext &context)
{
    const int checkedCount =
        int(std::count_if(rows.begin(), rows.end(), [](const TCopyRow &r) { return r.FChecked; }));
    TPlayerPaths paths(FRoot);
    FPaths = &paths;
    for (const TCopyRow &row : rows) {
        context.SetPosition(FResult.FHandled);
        if (!row.FChecked || row.FIndex < 0 || row.FIndex >= FSongs.Count())
            continue;
        if (!CopyOne(FSongs.Items(row.FIndex), checkedCount, context))
            continue; // no free name: counted as failed, but neither handled nor a cancel point
        ++FResult.FHandled;
        context.KeepAlive();
        if (context.Cancelled()) {
            FResult.FCancelled = true;
            break;
        }
    }
    FPaths = nullptr;
}

bool TSongCopier::CopyOne(TITBSongItem &entry, int checkedCount, TProgressContext &context)
{
    const QString relative = CopyRelativePath(entry, FOptions);
    QString target = FOptions.FFolder + relative;
    if (FListing && FOptions.FMakeListing)
        FListing->Add(entry, QDir::toNativeSeparators(target));
    const QString name = relative.mid(relative.lastIndexOf(u'/') + 1);
    context.SetLabel(Format(u"(%d/%d) [ %s ]をコピー中"_s, {FResult.FHandled + 1, checkedCount, name}));

    const QString folder = target.left(target.lastIndexOf(u'/') + 1);
    if (!folder.isEmpty() && !QFileInfo(folder).isDir())
        QDir().mkpath(folder);
    if (PathTaken(target)) {
        const QString unique = MakeUniqueFileName(target);
        if (unique.isEmpty()) {
            context.SetLabel(u"[ "_s + name + u" ]のリネームに失敗しました"_s);
            entry.FCopyFailed = true;
            entry.FCopyError = -2;
            ++FResult.FFailed;
            return false;
        }
        target = unique;
    }

    // A location that would leave the player root is never read: it counts as a missing file.
    const QString source = FPaths->Resolve(entry.FLocation);
    const int error = source.isEmpty() ? -2 : CopyFileNoOverwrite(source, target);
    if (error == 0) {
        ++FResult.FCopied;
    } else {
        context.SetLabel(u"[ "_s + target.mid(target.lastIndexOf(u'/') + 1) + u" ]のコピーに失敗しました"_s);
        entry.FCopyFailed = true;
        entry.FCopyError = error;
        ++FResult.FFailed;
    }
    return true;
}

QString TSongCopier::StatusText() const
{
    const QString folder = QDir::toNativeSeparators(FOptions.FFolder);
    if (FOptions.FKind == TCopyKind::Videos) {
        if (FResult.FFailed == 0)
            return Format(u"フォルダ \"%s\" にビデオファイルを全て転送しました"_s, {folder});
        return Format(u"フォルダ \"%s\" にビデオファイルを %d 本転送しました(スキップは %d 本)"_s,
                      {folder, FResult.FCopied, FResult.FFailed});
    }
    if (FResult.FFailed == 0)
        return Format(u"フォルダ \"%s\" に音楽ファイルを全曲転送しました"_s, {folder});
    return Format(u"フォルダ \"%s\" に音楽ファイルを %d 曲転送しました(スキップは %d 曲)"_s,
                  {folder, FResult.FCopied, FResult.FFailed});
}

TCopyResult ExtractEntries(TITBSongList &songs, const QString &root, const QList<TCopyRow> &rows,
                           const TCopyOptions &options, IProgressRunner &progress, IMainServices &services,
                           IUserDialogs &dialogs, TITXMakeLibrary *listing)
{
    TSongCopier copier(songs, root, options, listing);
    const int checkedCount =
        int(std::count_if(rows.begin(), rows.end(), [](const TCopyRow &r) { return r.FChecked; }));
    progress.RunWithProgress(u"楽曲の転送状況"_s, 0, checkedCount,
                             [&](TProgressContext &context) { copier.Step(rows, context); });
    TCopyResult result = copier.FResult;
    result.FStatusText = copier.StatusText();
    services.SetStatusText(result.FStatusText);
    if (result.FFailed > 0)
        services.ShowTransferLog();
    dialogs.ShellOpen(options.FFolder);
    if (options.FMakeListing && listing)
        listing->SaveToFile(options.FFolder + u"iPodLibrary.TXT"_s);
    return result;
}

TFolderCheck CheckDestinationFolder(const QString &folder, const IDriveTable &drives)
{
    if (folder.trimmed().isEmpty() || QDir::isRelativePath(folder))
        return {false, u"ドライブが存在しません"_s};
    const TDriveFacts facts = drives.Query(folder);
    if (!facts.ok)
        return {false, u"ドライブが存在しません"_s};
    if (facts.freeBytes <= 0)
        return {false, u"このドライブにはコピーできません"_s};
    const qint64 megabytes = facts.freeBytes >> 20;
    if (QFileInfo(folder).isDir())
        return {true, Format(u"このフォルダは存在します (%d MB空き)"_s, {megabytes})};
    return {true, Format(u"このフォルダは存在しません (%d MB空き)"_s, {megabytes})};
}

bool ConfirmDestinationFolder(const QString &folder, IUserDialogs &dialogs)
{
    if (QFileInfo(folder).isDir())
        return true;
    const TDialogAnswer answer = dialogs.AskYesNo(Format(
        u"フォルダ[ %s ]は存在しません。作成してもよろしいですか？"_s, {QDir::toNativeSeparators(folder)}));
    if (answer == TDialogAnswer::No)
        return false;
    QDir().mkpath(folder);
    return true;
}
