#pragma once

#include <QString>

#include <functional>

class IProgressRunner;
class IUserDialogs;
class TKiruIPodINI;
class TPlayerSession;

/// Downloads the session's ticked news sites onto its player as notes. The download works on a copy of
/// the site rows, beside the window; the session takes the stamped rows and reads its notes again
/// afterwards, so the lists shown are never changed from another thread.
class TNewsService
{
public:
    TNewsService(TPlayerSession &session, const TKiruIPodINI &settings, IUserDialogs &dialogs);

    /// The download command; false when the player has no notes folder to put the news in. Returns
    /// with the status line saying how many notes were written and which sites failed.
    bool Download(IProgressRunner &progress);

    QString FWorkFolder;             // empty: the default work folder
    std::function<bool()> FIsOnline; // empty: not asked

private:
    TPlayerSession &FSession;
    const TKiruIPodINI &FSettings;
    IUserDialogs &FDialogs;
};
