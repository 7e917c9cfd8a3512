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
    QList<TSiteRow> rows = FSession.NewsSites().FRows;
    const auto takeRows = [&] {
        // Rows stamped by the download; the list itself was not changed meanwhile (the window is modal).
        if (rows.size() == FSession.NewsSites().FRows.size())
            FSession.NewsSites().FRows = rows;
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
