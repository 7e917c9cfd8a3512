#include "music/songcopy.h"

#include "app/mainservices.h"
#include "app/settings.h"
#include "app/userdialogs.h"
#include "common/format.h"
#include "common/namelength.h"
#include "common/paths.h"
#include "common/sorvoerror.h"
#include "common/windowsnames.h"
#include "music/copydestination.h"
#include "music/copysource.h"
#include "music/itxmakelibrary.h"
#include "music/songdb.h"
#include "music/songlist.h"
#include "platform/drivetable.h"
#include "platform/filecopy.h"
#include "platform/playerpaths.h"
#include "platform/safefilewriter.h"
#include "tags/tagembedder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <optional>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

TEmbedTags EmbedTagsOf(const TITBSongItem &entry)
{
    return {entry.Title(),     entry.Artist(),    entry.Album(),   entry.Genre(),
            entry.Composer(),  entry.Comment(),   entry.FYear,     entry.FTrackNumber,
            entry.FTrackCount, entry.FDiscNumber, entry.FDiscCount};
}

} // namespace

TSongCopier::TSongCopier(const TITBSongList &songs, const QString &root, TCopyOptions options,
                         TITXMakeLibrary *listing)
    : FSongs(songs), FRoot(root), FOptions(std::move(options)), FListing(listing),
      FNamesOnDisk(FOptions.FFolder)
{}

void TSongCopier::Step(const QList<TCopyRow> &rows, TProgressContext &context)
{
    const int checkedCount =
        int(std::count_if(rows.begin(), rows.end(), [](const TCopyRow &r) { return r.FChecked; }));
    TPlayerPaths paths(FRoot);
    FPaths = &paths;
    const TCopySource source(FRoot);
    FSource = &source;
    std::optional<TCopyDestination> own;
    if (!FDestination)
        FDestination = &own.emplace(FOptions.FFolder, FRoot);
    for (const TCopyRow &row : rows) {
        context.SetPosition(FReport.FHandled);
        if (!row.FChecked || row.FIndex < 0 || row.FIndex >= FSongs.Count())
            continue;
        if (!source.StillThere()) {
            FReport.FPlayerLost = true;
            break;
        }
        const bool counted = CopyOne(row.FIndex, checkedCount, context);
        if (FReport.FDestinationLost || FReport.FPlayerLost)
            break;
        if (!counted)
            continue; // no free name: counted as failed, but neither handled nor a cancel point
        if (FReport.FCancelled)
            break; // stopped inside a file
        ++FReport.FHandled;
        if (context.Cancelled()) {
            FReport.FCancelled = true;
            break;
        }
    }
    FPaths = nullptr;
    FSource = nullptr;
    if (own)
        FDestination = nullptr;
}

bool TSongCopier::CopyOne(int index, int checkedCount, TProgressContext &context)
{
    const TITBSongItem &entry = FSongs.Items(index);
    FReport.FOutcomes.append(TCopyOutcome{index, {}, 0, {}});
    // The outcome of this entry; appended above, so it is the last one whatever the loop does.
    const auto outcome = [this]() -> TCopyOutcome & { return FReport.FOutcomes.last(); };
    const QString relative = CopyRelativePath(entry, FOptions);
    QString target = FOptions.FFolder + relative;
    const QString name = relative.mid(relative.lastIndexOf(u'/') + 1);
    context.SetLabel(Format(tr("(%d/%d) [ %s ]をコピー中"), {FReport.FHandled + 1, checkedCount, name}));

    const QString planned = target;
    auto list = [&](const QString &path) {
        if (FListing && FOptions.FMakeListing)
            FListing->Add(entry, QDir::toNativeSeparators(path));
    };
    auto fail = [&](int error, const QString &label) {
        context.SetLabel(label);
        outcome().FError = error;
        ++FReport.FFailed;
        list(planned);
    };
    // An entry without a location names no file on the player: nothing to copy.
    if (entry.LocationView().trimmed().isEmpty()) {
        fail(-4, tr("[ %1 ]のコピーに失敗しました").arg(name));
        return true;
    }
    // A destination disk removed mid-run leaves its empty mount point: nothing goes there.
    if (!FDestination->StillThere()) {
        FReport.FDestinationLost = true;
        return true;
    }
    QString why;
    int code = 0;
    if (!FDestination->EnterFolder(relative.left(qMax<qsizetype>(0, relative.lastIndexOf(u'/'))), &why,
                                   &code)) {
        fail(code, why);
        return true;
    }

    // A location that would leave the player root is never read. A file on the player that links out
    // of it is logged as such; any other such location counts as missing, as a file gone from the
    // player does.
    const QString source = FPaths->Resolve(entry.Location());
    const bool missing = source.isEmpty() || !QFileInfo::exists(source);
    const bool withTags = FOptions.FEmbedTags && !missing && TTagEmbedder::Handles(source);
    int error = source.isEmpty() && FPaths->LeadsOutside() ? -6 : missing ? -2 : EEXIST;
    // Another run into the same folder may take a free name between the check and the copy: then the
    // next free name is tried.
    for (int attempt = 0; error == EEXIST && attempt < 100; ++attempt) {
        if (PathTaken(target)) {
            const QString unique = MakeUniqueFileName(planned);
            if (unique.isEmpty()) {
                fail(-2, tr("[ %1 ]のリネームに失敗しました").arg(name));
                return false;
            }
            target = unique;
        }
        error =
            withTags ? CopyWithTags(source, target, entry, outcome()) : CopyFileNoOverwrite(source, target);
    }
    if (error == 0) {
        ++FReport.FCopied;
        outcome().FPath = FOptions.FFolder + FNamesOnDisk.Relative(target.mid(FOptions.FFolder.size()));
        list(target);
    } else if (error == ECANCELED) {
        FReport.FCancelled = true; // stopped in the middle of the file: nothing stays, nothing is counted
    } else if (!FDestination->StillThere()) {
        FReport.FDestinationLost = true; // the file in hand went with the disk; the run stops here
    } else if (!FSource->StillThere()) {
        FReport.FPlayerLost = true; // the song in hand went with the player, as will every other
    } else {
        fail(error, tr("[ %1 ]のコピーに失敗しました").arg(target.mid(target.lastIndexOf(u'/') + 1)));
    }
    return true;
}

int TSongCopier::CopyWithTags(const QString &source, const QString &target, const TITBSongItem &entry,
                              TCopyOutcome &outcome)
{
    // The tags are written into a hidden copy beside the target, which takes the final name only when
    // complete: a failure part-way never leaves a half-written file under that name.
    const QString folder = target.left(target.lastIndexOf(u'/') + 1);
    const QString suffix = QFileInfo(source).suffix();
    QString temporary;
    int error = EEXIST;
    for (int n = 0; n < 100 && error == EEXIST; ++n) {
        temporary =
            folder + u".sorvo-tags-%1-%2.%3"_s.arg(QCoreApplication::applicationPid()).arg(n).arg(suffix);
        error = CopyFileNoOverwrite(source, temporary);
    }
    if (error != 0)
        return error;
    const QByteArray artwork =
        FOptions.FArtwork ? TTagEmbedder::ArtworkJpeg(*FOptions.FArtwork, entry.FDBID) : QByteArray();
    const TEmbedResult embedded = TTagEmbedder::Embed(temporary, EmbedTagsOf(entry), artwork);
    if (embedded.FOutcome == TEmbedOutcome::Failed) {
        // The copy stays as the player has it; the transfer log says why it has no tags.
        QFile::remove(temporary);
        error = CopyFileNoOverwrite(source, target);
        // The log file keeps the untranslated note; the window shows it in its language.
        if (error == 0) {
            static const char *const kNote =
                QT_TRANSLATE_NOOP("TSongCopier", "コピーしましたがタグを書き込めませんでした (%s)");
            outcome.FNote = Format(QString::fromUtf8(kNote), {embedded.FReason});
            outcome.FShownNote =
                Format(QCoreApplication::translate("TSongCopier", kNote),
                       {QCoreApplication::translate("TTagEmbedder", embedded.FReason.toUtf8().constData())});
        }
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
    if (FReport.FDestinationLost) {
        if (FOptions.FKind == TCopyKind::Videos)
            return Format(
                tr("出力先フォルダ \"%s\" が見つからなくなったため転送を中止しました。ビデオファイルを %d "
                   "本転送しました"),
                {folder, FReport.FCopied});
        return Format(tr("出力先フォルダ \"%s\" が見つからなくなったため転送を中止しました。音楽ファイルを "
                         "%d 曲転送しました"),
                      {folder, FReport.FCopied});
    }
    if (FReport.FPlayerLost) {
        if (FOptions.FKind == TCopyKind::Videos)
            return Format(
                tr("プレーヤーが取り外されたため転送を中止しました。フォルダ \"%s\" にビデオファイルを "
                   "%d 本転送しました"),
                {folder, FReport.FCopied});
        return Format(
            tr("プレーヤーが取り外されたため転送を中止しました。フォルダ \"%s\" に音楽ファイルを %d "
               "曲転送しました"),
            {folder, FReport.FCopied});
    }
    if (FReport.FCancelled) {
        if (FOptions.FKind == TCopyKind::Videos)
            return Format(tr("転送を中止しました。フォルダ \"%s\" にビデオファイルを %d 本転送しました"),
                          {folder, FReport.FCopied});
        return Format(tr("転送を中止しました。フォルダ \"%s\" に音楽ファイルを %d 曲転送しました"),
                      {folder, FReport.FCopied});
    }
    if (FOptions.FKind == TCopyKind::Videos) {
        if (FReport.FFailed == 0)
            return Format(tr("フォルダ \"%s\" にビデオファイルを全て転送しました"), {folder});
        return Format(tr("フォルダ \"%s\" にビデオファイルを %d 本転送しました(スキップは %d 本)"),
                      {folder, FReport.FCopied, FReport.FFailed});
    }
    if (FReport.FFailed == 0)
        return Format(tr("フォルダ \"%s\" に音楽ファイルを全曲転送しました"), {folder});
    return Format(tr("フォルダ \"%s\" に音楽ファイルを %d 曲転送しました(スキップは %d 曲)"),
                  {folder, FReport.FCopied, FReport.FFailed});
}

TCopyReport ExtractEntries(const TITBSongList &songs, const QString &root, const QList<TCopyRow> &rows,
                           const TCopyOptions &options, IProgressRunner &progress, IMainServices &services,
                           IUserDialogs &dialogs, TITXMakeLibrary *listing)
{
    const TCopyDestination destination(options.FFolder, root);
    TSongCopier copier(songs, root, options, listing);
    copier.FDestination = &destination;
    const int checkedCount =
        int(std::count_if(rows.begin(), rows.end(), [](const TCopyRow &r) { return r.FChecked; }));
    progress.RunWithProgress(QCoreApplication::translate("TSongCopier", "楽曲の転送状況"), 0, checkedCount,
                             [&](TProgressContext &context) { copier.Step(rows, context); });
    TCopyReport report = copier.FReport;
    report.FPlayerRoot = root;
    report.FStatusText = copier.StatusText();
    // An earlier listing in the folder is added to or kept, and the status line says which file it was.
    // A failure is raised once the run's own results are shown.
    std::optional<ESorvoError> listingError;
    if (options.FMakeListing && listing) {
        try {
            const TListingSaved saved = listing->SaveIntoFolder(options.FFolder);
            report.FListingPath = saved.FPath;
            report.FListingAppended = saved.FAppended;
            report.FStatusText += u' ' + TITXMakeLibrary::SavedText(saved);
        } catch (const ESorvoError &e) {
            listingError = e;
        }
    }
    services.SetStatusText(report.FStatusText);
    if (report.HasLogRows())
        services.ShowTransferLog(report);
    dialogs.ShellOpen(options.FFolder);
    if (listingError)
        throw *listingError;
    return report;
}
