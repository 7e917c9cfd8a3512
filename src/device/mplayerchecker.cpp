#include "device/mplayerchecker.h"
#include "platform/regularfile.h"

#include "common/format.h"
#include "common/japanese.h"
#include "common/paths.h"
#include "common/textutils.h"
#include "platform/drivetable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

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
    QFile file;
    if (OpenRegularFile(file, modelFile))
        FModels.Parse(file.readAll());
    Clear();
}

void TMPlayerChecker::Clear()
{
    FRoot.clear();
    FTotalBytes = FFreeBytes = FSongBytes = 0;
    FSongCount = 0;
    FMusicDir.clear();
    FNotesDir.clear();
    FContactsDir.clear();
    FCalendarsDir.clear();
    FSongDBFile.clear();
    FPhotoDBFile.clear();
    FArtworkDBFile.clear();
    FSysInfoFile.clear();
    FDeviceInfoFile.clear();
    FHasSongs = FHasNotes = FHasContacts = FHasCalendar = FHasPhotos = FHasTodo = FHasVideo = false;
    FKind = kPlayerNone;
    for (QString *s : {&FName, &FOwner, &FSerial, &FModelNumber, &FKindName, &FModelCode, &FGeneration,
                       &FRegion, &FSoftware, &FModelKey})
        s->clear();
    FCapacity = u"不明な容量"_s;
    FPaths.SetRoot(QString());
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

QString MarkerFile(quint8 kind)
{
    for (const TPlayerMarker &player : kOtherPlayers)
        if (player.FKind == kind)
            return QString::fromUtf16(player.FMarker);
    return QString::fromUtf16(kIPodMarker);
}
} // namespace

QString PlayerMarkerFile(const TMPlayerChecker &device)
{
    if (device.FRoot.isEmpty())
        return {};
    // An iPod's song database: iTunesDB, or iTunesCDB on later models.
    const QString marker = MarkerFile(device.FKind);
    if (marker == QString::fromUtf16(kIPodMarker) && !device.FSongDBFile.isEmpty())
        return device.FSongDBFile;
    return TPlayerPaths(device.FRoot).Resolve(marker);
}

bool PlayerStillPresent(const TMPlayerChecker &device)
{
    const QString marker = PlayerMarkerFile(device);
    return !marker.isEmpty() && QFileInfo::exists(marker);
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
        FRoot = root;
        FPaths.Clear();
        throw;
    }
    FRoot = root;
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
        FTotalBytes = facts.totalBytes;
        FFreeBytes = facts.freeBytes;
        FName = facts.ok ? facts.volumeName : u"NotFound"_s;
    } else {
        FTotalBytes = FFreeBytes = 0;
        FName.clear();
    }
}

bool TMPlayerChecker::CheckIPod(const QString &root)
{
    // Later players keep a compressed database and leave iTunesDB empty or away.
    const bool compressed = FPaths.Exists(u"iPod_Control/iTunes/iTunesCDB"_s);
    if (!compressed && !FPaths.Exists(QString::fromUtf16(kIPodMarker)))
        return false;
    Report(u"iPodの情報を取得中"_s);
    ReadDriveFacts(root);
    FKind = kPlayerIPod;
    FMusicDir = Folder(u"iPod_Control/Music/"_s);
    FNotesDir = Folder(u"Notes/"_s);
    FContactsDir = Folder(u"Contacts/"_s);
    FCalendarsDir = Folder(u"Calendars/"_s);
    FSongDBFile =
        FPaths.Resolve(compressed ? u"iPod_Control/iTunes/iTunesCDB"_s : u"iPod_Control/iTunes/iTunesDB"_s);
    FPhotoDBFile = FPaths.Resolve(u"Photos/Photo DataBase"_s);
    FArtworkDBFile = FPaths.Resolve(u"iPod_Control/Artwork/ArtworkDB"_s);
    FSysInfoFile = FPaths.Resolve(u"iPod_Control/Device/SysInfo"_s);
    FDeviceInfoFile = FPaths.Resolve(u"iPod_Control/iTunes/DeviceInfo"_s);
    FHasSongs = FHasNotes = FHasContacts = FHasCalendar = FHasTodo = true;
    FHasPhotos = false;
    FHasVideo = false;
    FKindName = u"不明なiPod"_s;
    FModelNumber = FGeneration = FRegion = FSoftware = u"不明"_s;
    FModelCode = u"unknown"_s;
    ScanSongs(FMusicDir);
    if (QFileInfo(FSysInfoFile).isFile()) {
        ReadSysInfo();
        if (QFileInfo(FDeviceInfoFile).isFile())
            ReadDeviceInfo();
    }
    return true;
}

bool TMPlayerChecker::CheckOther(const QString &root, const TPlayerMarker &player)
{
    if (!FPaths.Exists(QString::fromUtf16(player.FMarker)))
        return false;
    ReadDriveFacts(root);
    FKind = player.FKind;
    const QString music = QString::fromUtf16(player.FMusic);
    FMusicDir = music.isEmpty() ? root : Folder(music);
    FNotesDir = Folder(QString::fromUtf16(player.FNotes));
    FContactsDir.clear();
    FCalendarsDir.clear();
    FSongDBFile.clear();
    FPhotoDBFile.clear();
    FArtworkDBFile.clear();
    FSysInfoFile.clear();
    FDeviceInfoFile.clear();
    FHasSongs = FHasNotes = true;
    FHasContacts = FHasCalendar = FHasPhotos = FHasTodo = FHasVideo = false;
    FModelNumber = QString::fromUtf16(player.FNumber);
    FKindName = QString::fromUtf16(player.FKindName);
    FName = QString::fromUtf16(player.FName);
    FOwner = FSerial = FModelCode = FGeneration = FRegion = FSoftware = u"?"_s;
    ScanSongs(FMusicDir);
    return true;
}

TSysInfoFields ParseSysInfo(QByteArrayView data)
{
    const QString text =
        ShiftJisToUnicode(data.first(qMin<qsizetype>(data.size(), kMaxPlayerInfoBytes)).toByteArray());
    TSysInfoFields fields;
    // A key given twice keeps its last value.
    const QStringView keys[4] = {u"pszSerialNumber", u"ModelNumStr", u"RegionCode", u"buildID"};
    QString *targets[4] = {&fields.serial, &fields.modelNumber, &fields.region, &fields.build};
    for (QStringView line : QStringView(text).split(u'\n')) {
        const qsizetype colon = line.indexOf(u':');
        if (colon <= 0)
            continue;
        const QStringView key = line.left(colon).trimmed();
        for (int i = 0; i < 4; ++i)
            if (key.compare(keys[i], Qt::CaseInsensitive) == 0)
                *targets[i] = line.mid(colon + 1).trimmed().toString();
    }
    return fields;
}

QStringList ParseDeviceInfo(QByteArrayView data)
{
    const auto record = [&](int k) -> QString {
        const qsizetype start = qsizetype(k) * 512;
        if (start + 2 > data.size())
            return {};
        int count = qFromLittleEndian<quint16>(data.constData() + start);
        count = qMin(count, 255);
        const qsizetype available = (data.size() - start - 2) / 2;
        count = int(qMin<qsizetype>(count, available));
        QString out(count, Qt::Uninitialized);
        for (int i = 0; i < count; ++i)
            out[i] = QChar(qFromLittleEndian<quint16>(data.constData() + start + 2 + 2 * i));
        return out;
    };
    return {record(0), record(1)};
}

namespace {
// Reads the start of a small player file; a FIFO or device standing there is not opened.
bool ReadPlayerInfoFile(const QString &path, qint64 limit, QByteArray &data)
{
    QFile file;
    if (!OpenRegularFile(file, path))
        return false;
    data = file.read(limit);
    return true;
}
} // namespace

void TMPlayerChecker::ReadSysInfo()
{
    QByteArray data;
    if (!ReadPlayerInfoFile(FSysInfoFile, kMaxPlayerInfoBytes, data))
        return;
    const TSysInfoFields fields = ParseSysInfo(data);
    const QString &serial = fields.serial;
    const QString &modelNum = fields.modelNumber;
    const QString &region = fields.region;
    const QString &build = fields.build;

    FModelKey = modelNum.mid(1, 4).trimmed();
    const QString record = FModelKey.isEmpty()
                               ? kDefaultModelRecord
                               : FModels.ReadString(u"iPod"_s, FModelKey, kDefaultModelRecord);
    FCapacity = GetField(4, record, u',');
    FGeneration = GetField(3, record, u',');
    FKindName = GetField(2, record, u',');
    FModelCode = GetField(0, record, u',');

    const bool photoDb = QFileInfo(FPhotoDBFile).isFile();
    if (FModelCode == u"photo"_s) {
        FKind = kPlayerIPodPhoto;
        FHasPhotos = true;
    } else if (FModelCode == u"nano"_s || FModelCode == u"nano2"_s) {
        FKind = kPlayerIPodNano;
        FHasPhotos = true;
    } else if (FModelCode == u"5G"_s) {
        FKind = kPlayerIPodVideo;
        FHasPhotos = true;
        FHasVideo = true;
    } else if (FModelCode == u"shuffle"_s || FModelCode == u"shuffle2"_s) {
        FKind = kPlayerIPodShuffle;
    } else {
        FKind = kPlayerIPod;
        FHasPhotos = photoDb;
    }
    FOwner.clear();
    FSerial = serial;
    FModelNumber = modelNum;
    FRegion = region;
    FSoftware = build;
}

void TMPlayerChecker::ReadDeviceInfo()
{
    QByteArray data;
    if (!ReadPlayerInfoFile(FDeviceInfoFile, 2 * 512, data))
        return;
    const QStringList records = ParseDeviceInfo(data);
    FName = records.value(0);
    FOwner = records.value(1);
}

void TMPlayerChecker::ScanSongs(const QString &folderPath)
{
    const QString folder = AddPathDelim(folderPath);
    Report(Format(u"曲サイズを取得中 - [ %s ]"_s, {QDir::toNativeSeparators(folder)}));
    const QFileInfo self(folder);
    if (!self.exists())
        return; // a player without a music folder simply has no songs
    QDir dir(folder);
    if (!self.isDir() || !self.isReadable())
        throw EPlayerCheckError(
            Format(u"フォルダ[ %s ]でファイルの取得に失敗しました"_s, {QDir::toNativeSeparators(folder)}));
    const QFileInfoList entries =
        dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &entry : entries) {
        if (entry.isSymLink())
            continue; // a link could lead outside the player or round in a circle
        if (entry.isDir())
            ScanSongs(entry.filePath());
        else if (IsCountedAudioFile(entry.fileName())) {
            ++FSongCount;
            FSongBytes += entry.size();
        }
    }
}
