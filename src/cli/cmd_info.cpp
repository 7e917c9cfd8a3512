// sorvo-cli info: recognises the player and prints its device record.
#include "cli/clidevice.h"
#include "common/format.h"
#include "device/specvalues.h"
#include "session/playersession.h"

#include <QCoreApplication>
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
    const auto yes = [](bool b) {
        return b ? /*: The player has the feature */ QCoreApplication::translate("CliInfo", "あり")
                 : QCoreApplication::translate("CliInfo", "なし");
    };
    CliTable({
        {QCoreApplication::translate("CliInfo", "機種名:"), c.FKindName + u" ( "_s + c.FCapacity + u" )"_s},
        {QCoreApplication::translate("CliInfo", "世代:"), ShownPlayerValue(c.FGeneration)},
        {QCoreApplication::translate("CliInfo", "型番:"), c.FModelNumber},
        {QCoreApplication::translate("CliInfo", "名前:"), c.FName},
        {QCoreApplication::translate("CliInfo", "オーナー:"), c.FOwner},
        {QCoreApplication::translate("CliInfo", "ドライブ:"),
         QDir::toNativeSeparators(c.FRoot) + u" ("_s + drive.driveType + u')'},
        {QCoreApplication::translate("CliInfo", "全容量:"), Format(u"%.0n MB"_s, {c.FTotalBytes >> 20})},
        {QCoreApplication::translate("CliInfo", "空き容量:"), Format(u"%.0n MB"_s, {c.FFreeBytes >> 20})},
        {QCoreApplication::translate("CliInfo", "収録曲数:"),
         Format(QCoreApplication::translate("CliInfo", "%.0n 曲 (音楽フォルダのファイル)"), {c.FSongCount})},
        {QCoreApplication::translate("CliInfo", "ソングタブの曲数:"),
         Format(QCoreApplication::translate("CliInfo", "%.0n 曲 (データベースの曲、ビデオを除く)"),
                {listedSongs})},
        {QCoreApplication::translate("CliInfo", "曲サイズ:"), Format(u"%.0n MB"_s, {c.FSongBytes >> 20})},
        {/*: The number of entries in the song database */ QCoreApplication::translate("CliInfo",
                                                                                       "データベース:"),
         QCoreApplication::translate("CliInfo", "%n 件", nullptr, entries)},
        {QCoreApplication::translate("CliInfo", "ソフトウェア:"), c.FSoftware},
        {QCoreApplication::translate("CliInfo", "シリアルナンバー:"), c.FSerial},
        {QCoreApplication::translate("CliInfo", "地域コード:"), c.FRegion},
        {QCoreApplication::translate("CliInfo", "メモ:"), yes(c.FHasNotes)},
        {QCoreApplication::translate("CliInfo", "アドレス帳:"), yes(c.FHasContacts)},
        {QCoreApplication::translate("CliInfo", "カレンダー:"), yes(c.FHasCalendar)},
        {QCoreApplication::translate("CliInfo", "フォト:"), yes(c.FHasPhotos)},
        {QCoreApplication::translate("CliInfo", "ビデオ:"), yes(c.FHasVideo)},
    });
    return 0;
}

TCliCommand reg({u"info", QT_TRANSLATE_NOOP("CliCommand", "プレーヤーを認識して情報を表示します"), "[--json]",
                 true},
                Run);

} // namespace
