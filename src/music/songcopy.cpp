#include "music/songcopy.h"

#include "app/mainservices.h"
#include "app/settings.h"
#include "app/userdialogs.h"
#include "common/format.h"
#include "common/paths.h"
#include "device/playerpaths.h"
#include "music/itunesdbloader.h"
#include "music/itxmakelibrary.h"
#include "music/songlist.h"
#include "platform/drivetable.h"
#include "tags/tagembedder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// Room left in a file name for the "(99)" a taken name may receive.
constexpr int kUniqueSuffixBytes = 4;

// Bytes a code point takes in UTF-8.
int Utf8Length(char32_t c)
{
    return c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
}

int Utf8Length(QStringView text)
{
    int total = 0;
    for (char32_t c : text.toUcs4())
        total += Utf8Length(c);
    return total;
}

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

QString ExtensionOf(const QString &fileName)
{
    const qsizetype dot = fileName.lastIndexOf(u'.');
    return dot < 0 ? QString() : fileName.mid(dot);
}

bool PathTaken(const QString &path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
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

class TFd
{
public:
    explicit TFd(int fd) : FFd(fd) {}
    ~TFd()
    {
        if (FFd >= 0)
            ::close(FFd);
    }
    TFd(const TFd &) = delete;
    TFd &operator=(const TFd &) = delete;
    int Get() const { return FFd; }
    int Release()
    {
        const int fd = FFd;
        FFd = -1;
        return fd;
    }

private:
    int FFd;
};

// Copies the rest of `in` to `out`: in-kernel when the file systems allow it, else through a buffer.
int CopyData(int in, int out)
{
    bool inKernel = true;
    std::unique_ptr<char[]> buffer;
    constexpr size_t kBufferSize = 1 << 20;
    for (;;) {
        if (inKernel) {
            const ssize_t n = ::copy_file_range(in, nullptr, out, nullptr, size_t(1) << 30, 0);
            if (n > 0)
                continue;
            if (n == 0)
                return 0;
            if (errno == EINTR)
                continue;
            if (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP ||
                errno == EPERM) {
                inKernel = false;
                continue;
            }
            return errno;
        }
        if (!buffer)
            buffer.reset(new char[kBufferSize]);
        const ssize_t n = ::read(in, buffer.get(), kBufferSize);
        if (n == 0)
            return 0;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        ssize_t written = 0;
        while (written < n) {
            const ssize_t w = ::write(out, buffer.get() + written, size_t(n - written));
            if (w < 0) {
                if (errno == EINTR)
                    continue;
                return errno;
            }
            written += w;
        }
    }
}

// Gives a finished file its final name unless something already stands there.
int RenameNoReplace(const QString &from, const QString &to)
{
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    // File systems without the flag: a hard link fails on an existing name; FAT has none, so check first.
    if (::link(source.constData(), target.constData()) == 0) {
        ::unlink(source.constData());
        return 0;
    }
    if (errno == EEXIST)
        return EEXIST;
    if (PathTaken(to))
        return EEXIST;
    return ::rename(source.constData(), target.constData()) == 0 ? 0 : errno;
}

} // namespace

TCopyOptions TCopyOptions::ForSongs(const TKiruIPodINI &settings)
{
    TCopyOptions o;
    o.FKind = TCopyKind::Songs;
    o.FFolder = AddPathDelim(settings.FSongCopy_Folder);
    o.FArtistFolder = settings.FMakeFolder_Artist;
    o.FAlbumFolder = settings.FMakeFolder_Album;
    o.FNameType = settings.FMakingNameType;
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
    o.FNameType = settings.FMakeType;
    o.FAddTrackNo = false;
    o.FMakeListing = settings.FMakeImportFile;
    o.FEmbedTags = settings.FVideoCopy_EmbedTags;
    return o;
}

QString ShortenComponent(const QString &name, int maxBytes, bool keepExtension)
{
    if (Utf8Length(name) <= maxBytes)
        return name;
    QString extension = keepExtension ? ExtensionOf(name) : QString();
    int budget = maxBytes - Utf8Length(extension);
    if (extension.size() == name.size() || budget <= 0) {
        extension.clear();
        budget = maxBytes;
    }
    const QList<uint> codePoints = QStringView(name).left(name.size() - extension.size()).toUcs4();
    QString kept;
    int used = 0;
    for (uint c : codePoints) {
        const int length = Utf8Length(char32_t(c));
        if (used + length > budget)
            break;
        used += length;
        const char32_t point = c;
        kept += QString::fromUcs4(&point, 1);
    }
    return kept + extension;
}

QString CopyRelativePath(const TITBSongItem &entry, const TCopyOptions &options)
{
    const QString sourceName = LocationFileName(entry.FLocation);
    const QString extension = ExtensionOf(sourceName);
    const QString artist = SanitizeFileName(entry.FArtist);
    const QString title = SanitizeFileName(entry.FTitle);
    const bool hasTitle = !title.trimmed().isEmpty();

    QString name = sourceName;
    if (options.FNameType == 0) {
        if (!artist.trimmed().isEmpty() && hasTitle)
            name = artist + u'-' + title + extension;
        else if (hasTitle)
            name = title + extension;
    } else if (options.FNameType == 1 && hasTitle) {
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

int CopyFileNoOverwrite(const QString &from, const QString &to)
{
    // Non-blocking open so that a FIFO or device standing where a song should be never stalls the copy.
    TFd in(::open(QFile::encodeName(from).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (in.Get() < 0)
        return errno;
    struct stat st;
    if (::fstat(in.Get(), &st) != 0)
        return errno;
    if (S_ISDIR(st.st_mode))
        return EISDIR;
    if (!S_ISREG(st.st_mode))
        return EINVAL;
    ::fcntl(in.Get(), F_SETFL, ::fcntl(in.Get(), F_GETFL) & ~O_NONBLOCK);
    ::posix_fadvise(in.Get(), 0, 0, POSIX_FADV_SEQUENTIAL);

    const QByteArray target = QFile::encodeName(to);
    TFd out(::open(target.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (out.Get() < 0)
        return errno;
    int error = CopyData(in.Get(), out.Get());
    if (error == 0) {
        // The player's files may be read-only; the copy must be an ordinary file the user can change.
        struct stat copied;
        if (::fstat(out.Get(), &copied) == 0 && (copied.st_mode & 0600) != 0600)
            ::fchmod(out.Get(), (copied.st_mode & 07777) | 0600);
    }
    if (::close(out.Release()) != 0 && error == 0)
        error = errno;
    if (error != 0)
        ::unlink(target.constData());
    return error;
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
    entry.FCopyNote.clear();
    int error = -2;
    if (!source.isEmpty())
        error = FOptions.FEmbedTags && TTagEmbedder::Handles(source) ? CopyWithTags(source, target, entry)
                                                                      : CopyFileNoOverwrite(source, target);
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

int TSongCopier::CopyWithTags(const QString &source, const QString &target, TITBSongItem &entry)
{
    // The tags are written into a hidden copy beside the target, which takes the final name only when
    // complete: a failure part-way never leaves a half-written file under that name.
    const QString folder = target.left(target.lastIndexOf(u'/') + 1);
    const QString suffix = QFileInfo(source).suffix();
    QString temporary;
    int error = EEXIST;
    for (int n = 0; n < 100 && error == EEXIST; ++n) {
        temporary = folder + u".sorvo-tags-%1-%2.%3"_s.arg(QCoreApplication::applicationPid()).arg(n).arg(suffix);
        error = CopyFileNoOverwrite(source, temporary);
    }
    if (error != 0)
        return error;
    const QByteArray artwork =
        FOptions.FArtwork ? TTagEmbedder::ArtworkJpeg(*FOptions.FArtwork, entry) : QByteArray();
    const TEmbedResult embedded = TTagEmbedder::Embed(temporary, entry, artwork);
    if (embedded.FOutcome == TEmbedOutcome::Failed) {
        // The copy stays as the player has it; the transfer log says why it has no tags.
        QFile::remove(temporary);
        error = CopyFileNoOverwrite(source, target);
        if (error == 0)
            entry.FCopyNote = Format(u"コピーしましたがタグを書き込めませんでした (%s)"_s, {embedded.FReason});
        return error;
    }
    error = RenameNoReplace(temporary, target);
    if (error != 0)
        QFile::remove(temporary);
    return error;
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
    const bool untagged = std::any_of(rows.begin(), rows.end(), [&](const TCopyRow &r) {
        return r.FChecked && r.FIndex >= 0 && r.FIndex < songs.Count() && !songs.Items(r.FIndex).FCopyNote.isEmpty();
    });
    if (result.FFailed > 0 || untagged)
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
