#pragma once

#include "app/progress.h"
#include "device/kiruipod.h"
#include "device/playerinfo.h"
#include "music/copyreport.h"
#include "music/itunesdbloader.h"
#include "music/itxmakelibrary.h"
#include "news/newssitemodel.h"
#include "notes/notelist.h"
#include "photos/artworkdbloader.h"
#include "pim/pimcommands.h"

#include <QList>
#include <QObject>
#include <QStringList>

#include <memory>

class IDriveTable;
class IMainServices;
class IStatusLine;
class IUserDialogs;
class TKiruIPodINI;
class TLagugae;

/// What a recognition found: the player and the databases read from it.
struct TRecognition
{
    bool FFound = false;
    TPlayerInfo FPlayer;
    std::shared_ptr<TITunesDBLoader> FSongs;    // never null once found
    std::shared_ptr<TArtworkDBLoader> FArtwork; // never null once found
};

/// Finds the player (honouring the drive lock) and reads its song database, or scans its music folder,
/// and its artwork database. Touches nothing but the locator, so it may run on a worker thread while
/// the window goes on; reader errors propagate.
TRecognition RecognizePlayer(TKiruIPOD &locator, IUserDialogs *dialogs);
/// Reads the photo database of a player; null when it has none. May run on a worker thread.
std::shared_ptr<TArtworkDBLoader> ReadPhotoDatabase(const TPlayerInfo &player, IUserDialogs *dialogs);

/// Owns what is known of the attached player: the recognised player, its song, artwork and photo
/// databases, its notes, contacts, events and to-do lists, the news sites, and the last copy's report.
/// Says what changed by signals; the window's models and the command line listen to them.
class TPlayerSession : public QObject
{
    Q_OBJECT
public:
    /// `dialogs` receives the readers' and commands' messages; `settings` (may be null) holds the
    /// drive lock and the news sites.
    TPlayerSession(IDriveTable &drives, IUserDialogs &dialogs, TKiruIPodINI *settings,
                   const QString &modelFile = TMPlayerChecker::DefaultModelFile(), QObject *parent = nullptr);
    ~TPlayerSession() override;

    TKiruIPOD &Locator() { return FLocator; }
    IDriveTable &Drives() { return FDrives; }
    IUserDialogs &Dialogs() { return FDialogs; }
    /// Status-line messages of the lists' loaders; none by default.
    void SetStatusLine(IStatusLine *status) { FStatus = status; }
    IStatusLine *StatusLine() const { return FStatus; }
    const TLagugae &Messages() const { return *FMessages; }
    /// What the list commands ask of their caller: the status line, and a changed list read again.
    IMainServices &CommandServices() { return *FServices; }

    // The player
    bool Connected() const { return FPlayer.Recognized(); }
    const TPlayerInfo &Player() const { return FPlayer; }
    /// The whole recognition, here and now (the command line); false when there is no player.
    bool Recognize();
    /// Finds the player without reading its databases (commands that need only its folders).
    bool FindPlayer();
    /// Takes what a recognition run elsewhere found: emits playerFound and songsLoaded, or nothing
    /// when no player was found.
    void Adopt(TRecognition recognition);
    /// Forgets the player and everything read from it; emits playerLost when there was one.
    void Reset();

    // The databases
    const TITunesDBLoader &SongDatabase() const { return *FSongs; }
    const TITBSongList &Songs() const { return FSongs->FSongs; }
    /// The song database for work running elsewhere, which keeps it alive while the session moves on.
    std::shared_ptr<const TITunesDBLoader> SharedSongs() const { return FSongs; }
    const TArtworkDBLoader &Artwork() const { return *FArtwork; }
    std::shared_ptr<const TArtworkDBLoader> SharedArtwork() const { return FArtwork; }
    const TArtworkDBLoader &Photos() const { return *FPhotos; }
    std::shared_ptr<const TArtworkDBLoader> SharedPhotos() const { return FPhotos; }
    bool PhotosLoaded() const { return FPhotosLoaded; }
    /// Reads the photo database here and now; emits photosLoaded.
    void LoadPhotos();
    /// Takes a photo database read elsewhere (null: the player has none); emits photosLoaded.
    void SetPhotos(std::shared_ptr<TArtworkDBLoader> photos);

    // The lists on the player, read when first asked for after a recognition
    const QList<TNoteRow> &Notes() const { return FNotes; }
    bool NotesLoaded() const { return FNotesLoaded; }
    void LoadNotes();
    const QList<TContactRow> &Contacts() const { return FContacts; }
    bool ContactsLoaded() const { return FContactsLoaded; }
    void LoadContacts();
    const QList<TCalendarRow> &Events() const { return FEvents; }
    bool EventsLoaded() const { return FEventsLoaded; }
    void LoadEvents();
    const QList<TTaskRow> &Tasks() const { return FTasks; }
    bool TasksLoaded() const { return FTasksLoaded; }
    void LoadTasks();

    /// The contacts, events and tasks commands over the player's folders, reporting to the session.
    TPimCommands PimCommands();

    // The news sites
    /// The site list, as the news tab shows it.
    TNewsSiteModel &NewsSites() { return *FNewsSites; }
    /// The site rows changed (edited, ticked, stamped by a download): emits newsSitesChanged.
    void NewsSitesEdited();
    /// Keeps the site rows in the settings (they are written with them).
    void StoreNewsSites();

    // Copies
    const TCopyReport &LastCopy() const { return FLastCopy; }
    /// Keeps a finished copy's report; emits copyFinished.
    void SetCopyReport(const TCopyReport &report);
    /// The listing of every copy of the session ("iPodLibrary.TXT").
    TITXMakeLibrary &Library() { return FLibrary; }

signals:
    void playerFound(const TPlayerInfo &player);
    void playerLost();
    void songsLoaded();
    void photosLoaded();
    void notesChanged();
    void contactsChanged();
    void calendarChanged(); // events or to-do items
    void newsSitesChanged();
    void copyFinished(const TCopyReport &report);

private:
    IDriveTable &FDrives;
    IUserDialogs &FDialogs;
    TKiruIPodINI *FSettings;
    IStatusLine *FStatus = nullptr;
    std::unique_ptr<TLagugae> FMessages;
    std::unique_ptr<IMainServices> FServices;
    TKiruIPOD FLocator;

    TPlayerInfo FPlayer;
    std::shared_ptr<TITunesDBLoader> FSongs;
    std::shared_ptr<TArtworkDBLoader> FArtwork;
    std::shared_ptr<TArtworkDBLoader> FPhotos;
    bool FPhotosLoaded = false;
    QList<TNoteRow> FNotes;
    QList<TContactRow> FContacts;
    QList<TCalendarRow> FEvents;
    QList<TTaskRow> FTasks;
    bool FNotesLoaded = false, FContactsLoaded = false, FEventsLoaded = false, FTasksLoaded = false;
    TNewsSiteModel *FNewsSites; // a child of the session
    TCopyReport FLastCopy;
    TITXMakeLibrary FLibrary;
};
