#include "cli/cliextract.h"

#include "app/mainservices.h"
#include "app/sorvoerror.h"
#include "cli/clidevice.h"
#include "common/format.h"
#include "common/paths.h"
#include "music/songcopy.h"
#include "music/songlist.h"
#include "music/songsearch.h"
#include "music/transferlog.h"
#include "music/videocopy.h"

#include <QDir>

using namespace Qt::Literals::StringLiterals;

namespace {

/// The status line goes to standard output, the transfer log to standard error.
class TExtractServices : public IMainServices
{
public:
    explicit TExtractServices(const TITBSongList &songs) : FSongs(songs) {}
    void SetStatusText(const QString &text) override { CliOut(text + u'\n'); }
    void ShowProgressText(int, int, const QString &) override {}
    void LoadTabData(int) override {}
    void ShowTransferLog() override
    {
        CliErr(u"コピー結果のログ\n"_s);
        for (const QString &line : TransferLogLines(TransferLogRows(FSongs)))
            CliErr(line + u'\n');
    }

private:
    const TITBSongList &FSongs;
};

int NameType(const QString &naming)
{
    if (naming == u"artist-title"_s)
        return 0;
    if (naming == u"title"_s)
        return 1;
    if (naming == u"keep"_s)
        return 2;
    throw ESorvoError(
        Format(u"--naming には artist-title、title、keep のどれかを指定してください (%s)"_s, {naming}));
}

int FindType(const QString &field)
{
    static const QStringList fields = {u"artist"_s, u"title"_s, u"album"_s, u"all"_s};
    const qsizetype type = fields.indexOf(field);
    if (type < 0)
        throw ESorvoError(
            Format(u"--field には artist、title、album、all のどれかを指定してください (%s)"_s, {field}));
    return int(type);
}

} // namespace

int RunExtractCommand(TCliContext &context, bool videos)
{
    const QString usage =
        videos ? u"使い方: sorvo-cli extract-videos [--drive DIR] --to FOLDER [--artist-folders] "
                 u"[--album-folders] [--naming artist-title|title|keep] [--listing] [--embed-tags] "
                 u"(--all | --search WORDS [--field artist|title|album|all] | --artist NAME ...)"_s
               : u"使い方: sorvo-cli extract [--drive DIR] --to FOLDER [--artist-folders] "
                 u"[--album-folders] [--naming artist-title|title|keep] [--track-numbers] "
                 u"[--listing] [--embed-tags] (--all | --search WORDS [--field artist|title|album|all] | "
                 u"--artist NAME ...)"_s;
    TCliArgs &args = context.args;
    const QString to = args.Value(u"--to"_s);
    TCopyOptions options;
    options.FKind = videos ? TCopyKind::Videos : TCopyKind::Songs;
    options.FArtistFolder = args.Flag(u"--artist-folders"_s);
    options.FAlbumFolder = args.Flag(u"--album-folders"_s);
    options.FNameType = NameType(args.Value(u"--naming"_s, u"artist-title"_s));
    options.FAddTrackNo = !videos && args.Flag(u"--track-numbers"_s);
    options.FMakeListing = args.Flag(u"--listing"_s);
    options.FEmbedTags = args.Flag(u"--embed-tags"_s);
    const bool all = args.Flag(u"--all"_s);
    const QString words = args.Value(u"--search"_s);
    const int findType = FindType(args.Value(u"--field"_s, u"all"_s));
    const QStringList artists = args.Values(u"--artist"_s);
    QString error;
    const QStringList rest = args.Rest(&error);
    if (!error.isEmpty() || !rest.isEmpty() || to.isEmpty() ||
        int(all) + int(!words.isEmpty()) + int(!artists.isEmpty()) != 1)
        throw ESorvoError(error.isEmpty() ? usage : error + u'\n' + usage);

    options.FFolder = AddPathDelim(
        QDir::cleanPath(QDir(QDir::currentPath()).absoluteFilePath(QDir::fromNativeSeparators(to))));
    TCliDevice device(context);
    device.Locate();
    TITBSongList &songs = device.FDevice->FSongDB.FSongs;
    options.FArtwork = &device.FDevice->FArtworkDB;

    // The CLI has no list view: its rows are the entries in database order.
    TSongListData list;
    if (videos) {
        int index = 0;
        for (const auto &entry : songs) {
            if (entry->FIsVideo)
                list.FRows.append(
                    TSongRow{entry->FTitle, entry->FArtist, entry->FAlbum, index, entry->FSize, false});
            ++index;
        }
    } else {
        list.FillRows(songs);
    }
    if (all)
        list.SetAllChecked(true);
    else if (!words.isEmpty())
        SearchSongs(list, words, findType, nullptr);
    else
        for (const QString &artist : artists)
            list.CheckArtist(artist);
    if (list.CheckedCount() == 0)
        throw ESorvoError(SearchResultText(0));
    CliErr((videos ? Format(u"%d 本をチェックしています ( 全体で %.1n MB )"_s,
                            {list.CheckedCount(), double(list.CheckedBytes()) / 1048576.0})
                   : list.SelectionSummary()) +
           u'\n');

    // The folder check of the settings window.
    const TFolderCheck check = CheckDestinationFolder(options.FFolder, device.FDrives);
    if (!check.FUsable)
        throw ESorvoError(check.FText);
    if (!ConfirmDestinationFolder(options.FFolder, context.dialogs))
        return 1;

    QList<TCopyRow> rows;
    rows.reserve(list.FRows.size());
    for (const TSongRow &row : std::as_const(list.FRows))
        rows.append(TCopyRow{row.FIndex, row.FChecked});
    TExtractServices services(songs);
    TITXMakeLibrary &listing = device.FDevice->FLibrary;
    const TCopyResult result = videos ? ExtractVideos(songs, device.FDevice->FChecker.FRoot, rows, options,
                                                      context.progress, services, context.dialogs, &listing)
                                      : ExtractEntries(songs, device.FDevice->FChecker.FRoot, rows, options,
                                                       context.progress, services, context.dialogs, &listing);
    return result.FFailed > 0 ? 1 : 0;
}
