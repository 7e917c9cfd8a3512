#include "session/newsservice.h"

#include "app/mainservices.h"
#include "news/newsdownloader.h"
#include "session/playersession.h"

TNewsService::TNewsService(TPlayerSession &session, const TKiruIPodINI &settings, IUserDialogs &dialogs)
    : FSession(session), FSettings(settings), FDialogs(dialogs)
{}

bool TNewsService::Download(IProgressRunner &progress)
{
    const QString notes = FSession.Player().FNotesDir;
    if (notes.isEmpty())
        return false; // a player without notes has nowhere to put the news
    TNewsDownloader downloader(FSettings, FDialogs);
    downloader.FWorkFolder = FWorkFolder;
    downloader.FIsOnline = FIsOnline;
    QList<TSiteRow> rows = FSession.NewsSites().Rows();
    const auto takeRows = [&] {
        // The stamps of the sites fetched; the list itself was not changed meanwhile (the window is modal).
        TNewsSiteModel &sites = FSession.NewsSites();
        for (qsizetype i = 0; i < rows.size() && i < sites.Count(); ++i)
            if (sites.Row(int(i)).FLastUpdate != rows.at(i).FLastUpdate)
                sites.SetLastUpdate(int(i), rows.at(i).FLastUpdate);
        FSession.NewsSitesEdited();
    };
    try {
        downloader.Download(rows, notes, progress, &FSession.CommandServices());
    } catch (...) {
        takeRows();
        throw;
    }
    takeRows();
    return true;
}
