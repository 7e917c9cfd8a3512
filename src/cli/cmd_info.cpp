// sorvo-cli info: recognises the player and prints its device record.
#include "cli/clidevice.h"
#include "common/format.h"
#include "session/playersession.h"

#include <QDir>
#include <QJsonObject>

using namespace Qt::Literals::StringLiterals;

namespace {

int Run(TCliContext &context)
{
    context.Operands();
    TCliDevice device(context);
    device.Locate();
    const TPlayerInfo &c = device.Player();
    const TDriveDataInfo drive = device.Session().Locator().GetDriveDataInfo(c.FRoot);
    const int entries = device.Session().Songs().Count();
    // The rows of `songs` and of the song tab; song_count counts the files in the music folder.
    const int listedSongs = device.Session().Songs().ListedSongCount();
    if (context.line.json) {
        CliJson(QJsonObject{
            {u"kind"_s, int(c.FKind)},
            {u"name"_s, c.FName},
            {u"owner"_s, c.FOwner},
            {u"root"_s, c.FRoot},
            {u"drive_type"_s, drive.driveType},
            {u"total_bytes"_s, double(c.FTotalBytes)},
            {u"free_bytes"_s, double(c.FFreeBytes)},
            {u"song_count"_s, c.FSongCount},
            {u"song_bytes"_s, double(c.FSongBytes)},
            {u"music_dir"_s, c.FMusicDir},
            {u"notes_dir"_s, c.FNotesDir},
            {u"contacts_dir"_s, c.FContactsDir},
            {u"calendars_dir"_s, c.FCalendarsDir},
            {u"song_db"_s, c.FSongDBFile},
            {u"photo_db"_s, c.FPhotoDBFile},
            {u"artwork_db"_s, c.FArtworkDBFile},
            {u"sysinfo"_s, c.FSysInfoFile},
            {u"has_songs"_s, c.FHasSongs},
            {u"has_notes"_s, c.FHasNotes},
            {u"has_contacts"_s, c.FHasContacts},
            {u"has_calendar"_s, c.FHasCalendar},
            {u"has_photos"_s, c.FHasPhotos},
            {u"has_todo"_s, c.FHasTodo},
            {u"has_video"_s, c.FHasVideo},
            {u"model_key"_s, c.FModelKey},
            {u"model_number"_s, c.FModelNumber},
            {u"kind_name"_s, c.FKindName},
            {u"model_code"_s, c.FModelCode},
            {u"generation"_s, c.FGeneration},
            {u"capacity"_s, c.FCapacity},
            {u"region"_s, c.FRegion},
            {u"software"_s, c.FSoftware},
            {u"serial"_s, c.FSerial},
            {u"entries"_s, entries},
            {u"listed_songs"_s, listedSongs},
        });
        return 0;
    }
    const auto yes = [](bool b) { return b ? u"あり"_s : u"なし"_s; };
    CliTable({
        {u"機種名:"_s, c.FKindName + u" ( "_s + c.FCapacity + u" )"_s},
        {u"世代:"_s, c.FGeneration},
        {u"型番:"_s, c.FModelNumber},
        {u"名前:"_s, c.FName},
        {u"オーナー:"_s, c.FOwner},
        {u"ドライブ:"_s, QDir::toNativeSeparators(c.FRoot) + u" ("_s + drive.driveType + u')'},
        {u"全容量:"_s, Format(u"%.0n MB"_s, {c.FTotalBytes >> 20})},
        {u"空き容量:"_s, Format(u"%.0n MB"_s, {c.FFreeBytes >> 20})},
        {u"収録曲数:"_s, Format(u"%.0n 曲 (音楽フォルダのファイル)"_s, {c.FSongCount})},
        {u"ソングタブの曲数:"_s, Format(u"%.0n 曲 (データベースの曲、ビデオを除く)"_s, {listedSongs})},
        {u"曲サイズ:"_s, Format(u"%.0n MB"_s, {c.FSongBytes >> 20})},
        {u"データベース:"_s, Format(u"%d 件"_s, {entries})},
        {u"ソフトウェア:"_s, c.FSoftware},
        {u"シリアルナンバー:"_s, c.FSerial},
        {u"地域コード:"_s, c.FRegion},
        {u"メモ:"_s, yes(c.FHasNotes)},
        {u"アドレス帳:"_s, yes(c.FHasContacts)},
        {u"カレンダー:"_s, yes(c.FHasCalendar)},
        {u"フォト:"_s, yes(c.FHasPhotos)},
        {u"ビデオ:"_s, yes(c.FHasVideo)},
    });
    return 0;
}

TCliCommand reg({u"info", u"プレーヤーを認識して情報を表示します", u"[--json]", true}, Run);

} // namespace
