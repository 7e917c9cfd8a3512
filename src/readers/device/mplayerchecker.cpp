#include "device/mplayerchecker.h"

#include "common/format.h"
#include "common/paths.h"
#include "common/textutils.h"
#include "device/sysinfo.h"
#include "platform/drivetable.h"
#include "platform/folderlisting.h"
#include "platform/regularfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace {
const QString kDefaultModelRecord = u"4G,不明なiPod,不明な種類,不明な世代,不明な容量,"_s;
} // namespace

bool IsCountedAudioFile(const QString &fileName)
{
    static const QStringList extensions = {u".mp3"_s, u".wma"_s, u".m4a"_s, u".aac"_s, u".wav"_s,
                                           u".ogg"_s, u".aif"_s, u".m4b"_s, u".m4p"_s};
    const qsizetype dot = fileName.lastIndexOf(u'.');
    if (dot < 0 || fileName.indexOf(u'/', dot) >= 0)
        return false;
    return extensions.contains(fileName.mid(dot).toLower());
}

QString TMPlayerChecker::DefaultModelFile()
{
    return ProgramDataFile(u"Velmor.MCD"_s);
}

TMPlayerChecker::TMPlayerChecker(IDriveTable &drives, const QString &modelFile) : FDrives(drives)
{
    QByteArray bytes;
    if (ReadRegularFile(modelFile, bytes))
        FModels.Parse(bytes);
}

void TMPlayerChecker::Report(const QString &message)
{
    if (FOnProgress)
        FOnProgress(0, 0, message);
}

/// The players other than the iPod, each recognised by one file below its root.
struct TPlayerMarker
{
    quint8 FKind;
    const char16_t *FMarker;
    const char16_t *FMusic; // empty: the root itself
    const char16_t *FNotes;
    const char16_t *FNumber;
    const char16_t *FKindName;
    const char16_t *FName;
};

namespace {
constexpr char16_t kIPodMarker[] = u"iPod_Control/iTunes/iTunesDB";
constexpr TPlayerMarker kOtherPlayers[] = {
    {kPlayerH10, u"System/H10.mi4", u"Media/Music/", u"Media/Text/", u"H10", u"H10", u"H10 Unknown"},
    {kPlayerRioUnite, u"SETTINGS.DAT", u"", u"I-TEXT/", u"Unknown", u"RioUnite", u"RioUnite Unknown"},
    {kPlayerIAudio, u"System/LOGO.ILB", u"MUSIC/", u"TEXTFILE/", u"iAudio M3/X5", u"iAudio M3/X5",
     u"iAudio Unknown"},
};

} // namespace

QString PlayerMarker(quint8 kind)
{
    for (const TPlayerMarker &player : kOtherPlayers)
        if (player.FKind == kind)
            return QString::fromUtf16(player.FMarker);
    return QString::fromUtf16(kIPodMarker);
}

bool TMPlayerChecker::CheckPlayer(const QString &rootPath)
{
    const QString root = AddPathDelim(rootPath);
    const TDriveFacts facts = FDrives.Query(root);
    if (!facts.removable)
        return false;
    FPaths.SetRoot(root);
    bool found = false;
    try {
        found = CheckIPod(root);
        for (const TPlayerMarker &player : kOtherPlayers)
            found = found || CheckOther(root, player);
    } catch (...) {
        FInfo.FRoot = root;
        FPaths.Clear();
        throw;
    }
    FInfo.FRoot = root;
    FPaths.Clear();
    return found;
}

QString TMPlayerChecker::Folder(const QString &relative)
{
    return AddPathDelim(FPaths.Resolve(relative));
}

void TMPlayerChecker::ReadDriveFacts(const QString &root)
{
    if (QFileInfo(root).isDir()) {
        const TDriveFacts facts = FDrives.Query(root);
        FInfo.FTotalBytes = facts.totalBytes;
        FInfo.FFreeBytes = facts.freeBytes;
        FInfo.FName = facts.ok ? facts.volumeName : u"NotFound"_s;
    } else {
        FInfo.FTotalBytes = FInfo.FFreeBytes = 0;
        FInfo.FName.clear();
    }
}

bool TMPlayerChecker::CheckIPod(const QString &root)
{
    // Later players keep a compressed database and leave iTunesDB empty or away.
    const bool compressed = FPaths.Exists(u"iPod_Control/iTunes/iTunesCDB"_s);
    if (!compressed && !FPaths.Exists(QString::fromUtf16(kIPodMarker)))
        return false;
    Report(tr("iPodの情報を取得中"));
    ReadDriveFacts(root);
    FInfo.FKind = kPlayerIPod;
    FInfo.FMusicDir = Folder(u"iPod_Control/Music/"_s);
    FInfo.FNotesDir = Folder(u"Notes/"_s);
    FInfo.FContactsDir = Folder(u"Contacts/"_s);
    FInfo.FCalendarsDir = Folder(u"Calendars/"_s);
    FInfo.FSongDBFile =
        FPaths.Resolve(compressed ? u"iPod_Control/iTunes/iTunesCDB"_s : u"iPod_Control/iTunes/iTunesDB"_s);
    FInfo.FPhotoDBFile = FPaths.Resolve(u"Photos/Photo DataBase"_s);
    FInfo.FArtworkDBFile = FPaths.Resolve(u"iPod_Control/Artwork/ArtworkDB"_s);
    FInfo.FSysInfoFile = FPaths.Resolve(u"iPod_Control/Device/SysInfo"_s);
    FInfo.FDeviceInfoFile = FPaths.Resolve(u"iPod_Control/iTunes/DeviceInfo"_s);
    FInfo.FHasSongs = FInfo.FHasNotes = FInfo.FHasContacts = FInfo.FHasCalendar = FInfo.FHasTodo = true;
    FInfo.FHasPhotos = false;
    FInfo.FHasVideo = false;
    // Data of the player record, as --json gives it: not translated.
    FInfo.FKindName = u"不明なiPod"_s;
    FInfo.FModelNumber = FInfo.FGeneration = FInfo.FRegion = FInfo.FSoftware = u"不明"_s;
    FInfo.FModelCode = u"unknown"_s;
    ScanSongs(FInfo.FMusicDir);
    if (QFileInfo(FInfo.FSysInfoFile).isFile()) {
        ReadSysInfo();
        if (QFileInfo(FInfo.FDeviceInfoFile).isFile())
            ReadDeviceInfo();
    }
    return true;
}

bool TMPlayerChecker::CheckOther(const QString &root, const TPlayerMarker &player)
{
    if (!FPaths.Exists(QString::fromUtf16(player.FMarker)))
        return false;
    ReadDriveFacts(root);
    FInfo.FKind = player.FKind;
    const QString music = QString::fromUtf16(player.FMusic);
    FInfo.FMusicDir = music.isEmpty() ? root : Folder(music);
    FInfo.FNotesDir = Folder(QString::fromUtf16(player.FNotes));
    FInfo.FContactsDir.clear();
    FInfo.FCalendarsDir.clear();
    FInfo.FSongDBFile.clear();
    FInfo.FPhotoDBFile.clear();
    FInfo.FArtworkDBFile.clear();
    FInfo.FSysInfoFile.clear();
    FInfo.FDeviceInfoFile.clear();
    FInfo.FHasSongs = FInfo.FHasNotes = true;
    FInfo.FHasContacts = FInfo.FHasCalendar = FInfo.FHasPhotos = FInfo.FHasTodo = FInfo.FHasVideo = false;
    FInfo.FModelNumber = QString::fromUtf16(player.FNumber);
    FInfo.FKindName = QString::fromUtf16(player.FKindName);
    FInfo.FName = QString::fromUtf16(player.FName);
    FInfo.FOwner = FInfo.FSerial = FInfo.FModelCode = FInfo.FGeneration = FInfo.FRegion = FInfo.FSoftware =
        u"?"_s;
    ScanSongs(FInfo.FMusicDir);
    return true;
}

void TMPlayerChecker::ReadSysInfo()
{
    QByteArray data;
    if (!ReadPlayerInfoFile(FInfo.FSysInfoFile, kMaxPlayerInfoBytes, data))
        return;
    const TSysInfoFields fields = ParseSysInfo(data);
    const QString &serial = fields.serial;
    const QString &modelNum = fields.modelNumber;
    const QString &region = fields.region;
    const QString &build = fields.build;

    FInfo.FModelKey = modelNum.mid(1, 4).trimmed();
    const QString record = FInfo.FModelKey.isEmpty()
                               ? kDefaultModelRecord
                               : FModels.ReadString(u"iPod"_s, FInfo.FModelKey, kDefaultModelRecord);
    FInfo.FCapacity = GetField(4, record, u',');
    FInfo.FGeneration = GetField(3, record, u',');
    FInfo.FKindName = GetField(2, record, u',');
    FInfo.FModelCode = GetField(0, record, u',');

    const bool photoDb = QFileInfo(FInfo.FPhotoDBFile).isFile();
    if (FInfo.FModelCode == u"photo"_s) {
        FInfo.FKind = kPlayerIPodPhoto;
        FInfo.FHasPhotos = true;
    } else if (FInfo.FModelCode == u"nano"_s || FInfo.FModelCode == u"nano2"_s) {
        FInfo.FKind = kPlayerIPodNano;
        FInfo.FHasPhotos = true;
    } else if (FInfo.FModelCode == u"5G"_s) {
        FInfo.FKind = kPlayerIPodVideo;
        FInfo.FHasPhotos = true;
        FInfo.FHasVideo = true;
    } else if (FInfo.FModelCode == u"shuffle"_s || FInfo.FModelCode == u"shuffle2"_s) {
        FInfo.FKind = kPlayerIPodShuffle;
    } else {
        FInfo.FKind = kPlayerIPod;
        FInfo.FHasPhotos = photoDb;
    }
    FInfo.FOwner.clear();
    FInfo.FSerial = serial;
    FInfo.FModelNumber = modelNum;
    FInfo.FRegion = region;
    FInfo.FSoftware = build;
}

void TMPlayerChecker::ReadDeviceInfo()
{
    QByteArray data;
    if (!ReadPlayerInfoFile(FInfo.FDeviceInfoFile, 2 * 512, data))
        return;
    const QStringList records = ParseDeviceInfo(data);
    FInfo.FName = records.value(0);
    FInfo.FOwner = records.value(1);
}

void TMPlayerChecker::ScanSongs(const QString &folderPath)
{
    const auto report = [this](const QString &folder) {
        Report(Format(tr("曲サイズを取得中 - [ %s ]"), {QDir::toNativeSeparators(folder)}));
    };
    const QString folder = AddPathDelim(folderPath);
    if (!QFileInfo::exists(folder)) {
        report(folder);
        return; // a player without a music folder simply has no songs
    }
    QString failed;
    const bool listed = WalkFolderTree(
        folder, report,
        [this](const QString &in, const TFolderEntry &entry) {
            if (entry.kind == TFolderEntry::File && IsCountedAudioFile(entry.name)) {
                ++FInfo.FSongCount;
                FInfo.FSongBytes += QFileInfo(in + entry.name).size();
            }
        },
        &failed);
    if (!listed)
        throw EPlayerCheckError(
            Format(tr("フォルダ[ %s ]でファイルの取得に失敗しました"), {QDir::toNativeSeparators(failed)}));
}
