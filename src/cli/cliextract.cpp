#include "cli/cliextract.h"

#include "cli/clidevice.h"
#include "cli/clisongs.h"
#include "cli/consoleprogress.h"
#include "cli/consoleservices.h"
#include "common/format.h"
#include "common/paths.h"
#include "common/sorvoerror.h"
#include "music/copydestination.h"
#include "music/itunesdbloader.h"
#include "music/playlistfile.h"
#include "music/songcopy.h"
#include "music/songlistmodel.h"
#include "music/songsearch.h"
#include "music/transferlog.h"
#include "music/videocopy.h"
#include "session/playersession.h"

#include <QCoreApplication>
#include <QDir>

using namespace Qt::Literals::StringLiterals;

namespace {

TNamingType NameType(const QString &naming)
{
    if (naming == u"artist-title"_s)
        return TNamingType::ArtistTitle;
    if (naming == u"title"_s)
        return TNamingType::Title;
    if (naming == u"keep"_s)
        return TNamingType::Keep;
    throw ECliUsageError(
        Format(QCoreApplication::translate(
                   "CliExtract", "--naming には artist-title、title、keep のどれかを指定してください (%s)"),
               {naming}));
}

TSongFindType FindType(const QString &field)
{
    static const QStringList fields = {u"artist"_s, u"title"_s, u"album"_s, u"all"_s};
    const qsizetype type = fields.indexOf(field);
    if (type < 0)
        throw ECliUsageError(Format(
            QCoreApplication::translate(
                "CliExtract", "--field には artist、title、album、all のどれかを指定してください (%s)"),
            {field}));
    return TSongFindType(type);
}

} // namespace

int RunExtractCommand(TCliContext &context, bool videos)
{
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
    const TSongFindType findType = FindType(args.Value(u"--field"_s, u"all"_s));
    const QStringList artists = args.Values(u"--artist"_s);
    const QStringList playListNames = videos ? QStringList() : args.Values(u"--playlist"_s);
    const QStringList playListPositions = videos ? QStringList() : args.Values(u"--playlist-index"_s);
    const bool allPlayLists = !videos && args.Flag(u"--all-playlists"_s);
    context.Operands();
    options.FFolder = CliDestinationFolder(to);
    if (int(all) + int(!words.isEmpty()) + int(!artists.isEmpty()) +
            int(!playListNames.isEmpty() || !playListPositions.isEmpty()) + int(allPlayLists) !=
        1)
        throw ECliUsageError(
            videos ? QCoreApplication::translate("CliExtract",
                                                 "--all、--search、--artist のどれか一つを指定してください")
                   : QCoreApplication::translate("CliExtract", "--all、--search、--artist、--playlist、--all-"
                                                               "playlists のどれか一つを指定してください"));
    TCliDevice device(context);
    device.Locate();
    const TPlayerSession &session = device.Session();
    const TITBSongList &songs = session.Songs();
    if (session.SongDatabase().FEndedEarly)
        CliErr(EndedEarlyText(int(songs.Count())) + u'\n');
    options.FArtwork = &session.Artwork();

    // The window's list, checked as there; without a view its rows stay in database order.
    TSongListModel list;
    list.SetSortState(0);
    list.Fill(songs, videos);
    // The playlists whose files are written after the copy; their songs are copied once each.
    const TITBPlayLists &playLists = session.SongDatabase().FPlayLists;
    QList<int> chosenLists = allPlayLists ? ExtractablePlayLists(playLists) : QList<int>();
    for (const QString &name : playListNames)
        chosenLists.append(CliPlayListByName(playLists, name, u"--playlist-index"_s));
    for (const QString &position : playListPositions)
        chosenLists.append(CliPlayListAt(playLists, position));
    if (all)
        list.SetAllChecked(true);
    else if (!chosenLists.isEmpty())
        list.CheckItems(list.Data().SongRows(SongsOfPlayLists(songs, playLists, chosenLists)));
    else if (!words.isEmpty())
        list.CheckItems(SearchSongs(list.Data(), words, findType, nullptr));
    else
        for (const QString &artist : artists)
            list.CheckItems(list.Data().ArtistRows(artist));
    if (list.CheckedCount() == 0)
        throw ESorvoError(SearchResultText(0));
    CliErr(
        (videos ? VideoSelectionSummary(list.CheckedCount(), list.CheckedBytes()) : list.SelectionSummary()) +
        u'\n');

    // The folder check of the settings window.
    const TFolderCheck check = CheckDestinationFolder(options.FFolder, device.FDrives);
    if (!check.FUsable)
        throw ESorvoError(check.FText);
    // Before the folder question, which creates the folder: a path through a link into the player is
    // refused while nothing has been made there.
    RefuseFolderInPlayer(options.FFolder, session.Player().FRoot);
    if (!ConfirmDestinationFolder(options.FFolder, context.dialogs))
        return 1;

    const QList<TCopyRow> rows = list.CopyRows();
    TConsoleMainServices services;
    services.FOnTransferLog = [&songs](const TCopyReport &report) {
        CliErr(QCoreApplication::translate("CliExtract", "コピー結果のログ") + u'\n');
        TTransferLogModel log;
        log.Fill(songs, report);
        for (const QString &line : TransferLogLines(log.ShownRows()))
            CliErr(line + u'\n');
    };
    TITXMakeLibrary &listing = device.Session().Library();
    const QString root = session.Player().FRoot;
    const TCopyReport result = videos ? ExtractVideos(songs, root, rows, options, context.progress, services,
                                                      context.dialogs, &listing)
                                      : ExtractEntries(songs, root, rows, options, context.progress, services,
                                                       context.dialogs, &listing);
    // Each playlist's file names the copies this run made, songs that were not copied left out.
    if (!result.FCancelled && !result.FDestinationLost && !result.FPlayerLost) {
        for (const int i : chosenLists) {
            const TPlayListFileResult written =
                WritePlayListFile(options.FFolder, songs, playLists.Items(i), result);
            for (const int song : written.FLeftOut)
                CliErr(LeftOutText(songs, song, playLists.Items(i).FName) + u'\n');
            CliErr(Format(QCoreApplication::translate("CliExtract", "プレイリスト %s を書き込みました"),
                          {QDir::toNativeSeparators(written.FPath)}) +
                   u'\n');
        }
    }
    if (result.FCancelled) {
        // The status line above says how many were copied before the stop.
        const int signal = ConsoleStopSignal();
        return signal ? 128 + signal : 1;
    }
    return result.FFailed > 0 || result.FDestinationLost || result.FPlayerLost ? 1 : 0;
}
