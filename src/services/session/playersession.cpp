#include "session/playersession.h"

#include "app/mainservices.h"
#include "app/messages.h"
#include "app/settings.h"
#include "app/userdialogs.h"
#include "music/musicfolderscan.h"
#include "pim/pimcommands.h"
#include "platform/playerpaths.h"

#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

TRecognition RecognizePlayer(TKiruIPOD &locator, IUserDialogs *dialogs)
{
    TRecognition result;
    if (!locator.FindPlayer())
        return result;
    const TPlayerInfo &player = locator.Player();
    auto songs = std::make_shared<TITunesDBLoader>();
    songs->FOnProgress = locator.FOnProgress;
    if (QFileInfo(player.FSongDBFile).isFile()) {
        songs->LoadFromFile(player.FSongDBFile);
        songs->FRecordedPlays.LoadFromFile(
            TPlayerPaths(player.FRoot).Resolve(u"iPod_Control/iTunes/Play Counts"_s));
        songs->FRecordedPlays.ApplyTo(songs->FSongs);
        if (dialogs && !songs->FRecordedPlays.FWarning.isEmpty())
            dialogs->Warning(songs->FRecordedPlays.FWarning);
    } else
        ScanMusicFolder(*songs, player.FMusicDir, player.FRoot);
    songs->FOnProgress = nullptr;
    auto artwork = std::make_shared<TArtworkDBLoader>(dialogs);
    if (QFileInfo(player.FArtworkDBFile).isFile())
        artwork->LoadFromFile(player.FArtworkDBFile);
    result.FFound = true;
    result.FPlayer = player;
    result.FSongs = std::move(songs);
    result.FArtwork = std::move(artwork);
    return result;
}

std::shared_ptr<TArtworkDBLoader> ReadPhotoDatabase(const TPlayerInfo &player, IUserDialogs *dialogs)
{
    const QString file = player.FPhotoDBFile;
    if (file.isEmpty() || !QFileInfo(file).isFile())
        return nullptr;
    auto photos = std::make_shared<TArtworkDBLoader>(dialogs);
    photos->LoadFromFile(file);
    return photos;
}

namespace {
/// What the list commands ask of their caller, answered by the session: a changed list is read again.
class TSessionServices : public IMainServices
{
public:
    explicit TSessionServices(TPlayerSession &session) : FSession(session) {}
    void SetStatusText(const QString &text) override
    {
        if (FSession.StatusLine())
            FSession.StatusLine()->SetStatusText(text);
    }
    void ShowProgressText(int position, int total, const QString &message) override
    {
        if (FSession.StatusLine())
            FSession.StatusLine()->ShowProgressText(position, total, message);
    }
    void LoadTabData(TTabCode tabCode) override
    {
        switch (tabCode) {
        case TTabCode::Notes:
            FSession.LoadNotes();
            break;
        case TTabCode::Contacts:
            FSession.LoadContacts();
            break;
        case TTabCode::Events:
            FSession.LoadEvents();
            break;
        case TTabCode::ToDo:
            FSession.LoadTasks();
            break;
        case TTabCode::Photos:
            FSession.LoadPhotos();
            break;
        case TTabCode::NewsSites:
            FSession.NewsSitesEdited();
            break;
        case TTabCode::Songs:
        case TTabCode::Videos:
            break;
        }
    }
    void ShowTransferLog(const TCopyReport &) override {}

private:
    TPlayerSession &FSession;
};
} // namespace

TPlayerSession::TPlayerSession(IDriveTable &drives, IUserDialogs &dialogs, TKiruIPodINI *settings,
                               const QString &modelFile, QObject *parent)
    : QObject(parent), FDrives(drives), FDialogs(dialogs), FSettings(settings),
      FMessages(std::make_unique<TLagugae>()), FServices(std::make_unique<TSessionServices>(*this)),
      FLocator(drives, &dialogs, modelFile), FSongs(std::make_shared<TITunesDBLoader>()),
      FArtwork(std::make_shared<TArtworkDBLoader>(&dialogs)),
      FPhotos(std::make_shared<TArtworkDBLoader>(&dialogs)), FNewsSites(new TNewsSiteModel(this))
{
    if (FSettings) {
        FLocator.UseDriveLock(*FSettings);
        FNewsSites->LoadFromSettings(FSettings->FSiteList);
    }
}

TPlayerSession::~TPlayerSession() = default;

bool TPlayerSession::Recognize()
{
    Reset();
    if (FSettings)
        FLocator.UseDriveLock(*FSettings);
    TRecognition recognition = RecognizePlayer(FLocator, &FDialogs);
    const bool found = recognition.FFound;
    Adopt(std::move(recognition));
    return found;
}

bool TPlayerSession::FindPlayer()
{
    Reset();
    if (FSettings)
        FLocator.UseDriveLock(*FSettings);
    if (!FLocator.FindPlayer())
        return false;
    FPlayer = FLocator.Player();
    emit playerFound(FPlayer);
    return true;
}

void TPlayerSession::Adopt(TRecognition recognition)
{
    if (!recognition.FFound)
        return;
    Reset();
    FPlayer = recognition.FPlayer;
    FSongs = std::move(recognition.FSongs);
    FArtwork = std::move(recognition.FArtwork);
    emit playerFound(FPlayer);
    emit songsLoaded();
}

void TPlayerSession::Reset()
{
    const bool had = Connected();
    // Sites added or edited since the start are kept in the settings before the player goes.
    StoreNewsSites();
    FPlayer = TPlayerInfo();
    FLocator.Clear();
    FSongs = std::make_shared<TITunesDBLoader>();
    FArtwork = std::make_shared<TArtworkDBLoader>(&FDialogs);
    FPhotos = std::make_shared<TArtworkDBLoader>(&FDialogs);
    FPhotosLoaded = false;
    FNotes.clear();
    FContacts.clear();
    FEvents.clear();
    FTasks.clear();
    FNotesLoaded = FContactsLoaded = FEventsLoaded = FTasksLoaded = false;
    FLastCopy = TCopyReport();
    if (had)
        emit playerLost();
}

void TPlayerSession::LoadPhotos()
{
    SetPhotos(ReadPhotoDatabase(FPlayer, &FDialogs));
}

void TPlayerSession::SetPhotos(std::shared_ptr<TArtworkDBLoader> photos)
{
    FPhotos = photos ? std::move(photos) : std::make_shared<TArtworkDBLoader>(&FDialogs);
    FPhotosLoaded = true;
    emit photosLoaded();
}

void TPlayerSession::LoadNotes()
{
    TNoteCommands commands(FPlayer.FNotesDir, FDialogs, FServices.get(), FMessages.get());
    FNotes = commands.LoadNoteList();
    FNotesLoaded = true;
    emit notesChanged();
}

TPimCommands TPlayerSession::PimCommands()
{
    return TPimCommands(FPlayer.FContactsDir, FPlayer.FCalendarsDir, FDialogs, FServices.get(),
                        FMessages.get());
}

void TPlayerSession::LoadContacts()
{
    FContacts = PimCommands().LoadContactList();
    FContactsLoaded = true;
    emit contactsChanged();
}

void TPlayerSession::LoadEvents()
{
    FEvents = PimCommands().LoadEventList();
    FEventsLoaded = true;
    emit calendarChanged();
}

void TPlayerSession::LoadTasks()
{
    FTasks = PimCommands().LoadTaskList();
    FTasksLoaded = true;
    emit calendarChanged();
}

void TPlayerSession::NewsSitesEdited()
{
    emit newsSitesChanged();
}

void TPlayerSession::StoreNewsSites()
{
    if (FSettings)
        FNewsSites->StoreToSettings(FSettings->FSiteList);
}

void TPlayerSession::SetCopyReport(const TCopyReport &report)
{
    FLastCopy = report;
    emit copyFinished(FLastCopy);
}
