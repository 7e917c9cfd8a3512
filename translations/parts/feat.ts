<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ja_JP">
<context>
    <name>CliCommand</name>
    <message>
        <source>不明なオプションです: %1</source>
        <translation>Unknown option: %1</translation>
    </message>
    <message>
        <source>不明な引数です: %1</source>
        <translation>Unknown argument: %1</translation>
    </message>
    <message>
        <source>引数が足りません</source>
        <translation>Too few arguments.</translation>
    </message>
    <message>
        <source>使い方: sorvo-cli %1</source>
        <extracomment>%1 is the command with its arguments</extracomment>
        <translation>Usage: sorvo-cli %1</translation>
    </message>
    <message>
        <source>アートワークの一覧</source>
        <translation>List the artwork</translation>
    </message>
    <message>
        <source>プレーヤーのアドレス帳を一覧表示します</source>
        <translation>List the player&apos;s contacts</translation>
    </message>
    <message>
        <source>不具合の報告用にデータベースと情報をフォルダに書き出します</source>
        <translation>Export the databases and details to a folder for a bug report</translation>
    </message>
    <message>
        <source>--to FOLDER [--song-db] [--artwork-db] [--photo-db] [--artwork-info] [--photo-info] [--folder-report] [--device-report] (指定がなければすべて)</source>
        <translation>--to FOLDER [--song-db] [--artwork-db] [--photo-db] [--artwork-info] [--photo-info] [--folder-report] [--device-report] (all of them when none is given)</translation>
    </message>
    <message>
        <source>プレーヤーのスケジュールを一覧表示します</source>
        <translation>List the player&apos;s calendar events</translation>
    </message>
    <message>
        <source>プレーヤーのToDoを一覧表示します</source>
        <translation>List the player&apos;s to-do items</translation>
    </message>
    <message>
        <source>経過済みのスケジュールかToDoを削除します</source>
        <translation>Delete past events or to-do items</translation>
    </message>
    <message>
        <source>写真アルバムをPCのフォルダに取り出します</source>
        <translation>Copy photo albums to a folder on the computer</translation>
    </message>
    <message>
        <source>曲をPCのフォルダに取り出します</source>
        <translation>Copy songs to a folder on the computer</translation>
    </message>
    <message>
        <source>ビデオをPCのフォルダに取り出します</source>
        <translation>Copy videos to a folder on the computer</translation>
    </message>
    <message>
        <source>ファイルをプレーヤーに取り込みます</source>
        <translation>Import files onto the player</translation>
    </message>
    <message>
        <source>プレーヤーを認識して情報を表示します</source>
        <translation>Detect the player and show its details</translation>
    </message>
    <message>
        <source>ニュースサイトの一覧・登録・削除とダウンロード</source>
        <translation>List, add and delete news sites, and download the news</translation>
    </message>
    <message>
        <source>プレーヤーのメモを一覧表示します</source>
        <translation>List the player&apos;s notes</translation>
    </message>
    <message>
        <source>フォトのアルバムと画像の一覧</source>
        <translation>List the photo albums and pictures</translation>
    </message>
    <message>
        <source>プレイリストの一覧、またはプレイリストの曲</source>
        <translation>List the playlists, or the songs of a playlist</translation>
    </message>
    <message>
        <source>前回の同期からの再生の一覧、またはスクロブルログ (.scrobbler.log) の書き出し</source>
        <translation>List the plays since the last sync, or export them as a scrobble log (.scrobbler.log)</translation>
    </message>
    <message>
        <source>音楽フォルダを調べて曲を一覧表示します</source>
        <translation>Scan a music folder and list its songs</translation>
    </message>
    <message>
        <source>--drive フォルダ --music-folder 相対パス [--json]</source>
        <translation>--drive FOLDER --music-folder RELATIVE-PATH [--json]</translation>
    </message>
    <message>
        <source>曲とビデオの一覧</source>
        <translation>List the songs and videos</translation>
    </message>
    <message>
        <source>音声ファイルのタグと歌詞を表示します</source>
        <translation>Show the tags and lyrics of audio files</translation>
    </message>
    <message>
        <source>ファイル... [--json]</source>
        <translation>FILE... [--json]</translation>
    </message>
    <message>
        <source>サムネイルを PNG で保存します</source>
        <translation>Save a thumbnail as PNG</translation>
    </message>
</context>
<context>
    <name>CliDebugExport</name>
    <message>
        <source>フォルダ %s を作成できません</source>
        <translation>Cannot create the folder %s.</translation>
    </message>
    <message numerus="yes">
        <source>%n 個のファイルを書き出しました</source>
        <translation>
            <numerusform>Exported %n file.</numerusform>
            <numerusform>Exported %n files.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CliDevice</name>
    <message>
        <source>--to で保存先のフォルダを指定してください</source>
        <translation>Give the destination folder with --to.</translation>
    </message>
</context>
<context>
    <name>CliExpire</name>
    <message>
        <source>events か todos を指定してください: %1</source>
        <extracomment>events and todos are the command&apos;s arguments, kept as they are</extracomment>
        <translation>Give events or todos: %1</translation>
    </message>
    <message>
        <source>--before は &quot;YYYY-MM-DD HH:MM&quot; の形式で指定してください</source>
        <translation>Give --before in the form &quot;YYYY-MM-DD HH:MM&quot;.</translation>
    </message>
</context>
<context>
    <name>CliExportPhotos</name>
    <message>
        <source>--all か --album のどちらかを指定してください</source>
        <translation>Give either --all or --album.</translation>
    </message>
    <message>
        <source>iTunesにおいて「フル解像度の写真を含める」の設定を行いませんと、フルサイズ画像の取り出しは行えません。</source>
        <translation>Full-size pictures can be copied to the computer only when &quot;Include full-resolution photos&quot; is turned on in iTunes.</translation>
    </message>
    <message>
        <source>アルバム[ %s ]はありません</source>
        <translation>There is no album [ %s ].</translation>
    </message>
    <message>
        <source>写真アルバムがありません</source>
        <translation>There are no photo albums.</translation>
    </message>
</context>
<context>
    <name>CliExtract</name>
    <message>
        <source>--naming には artist-title、title、keep のどれかを指定してください (%s)</source>
        <translation>Give --naming one of artist-title, title or keep (%s).</translation>
    </message>
    <message>
        <source>--field には artist、title、album、all のどれかを指定してください (%s)</source>
        <translation>Give --field one of artist, title, album or all (%s).</translation>
    </message>
    <message>
        <source>--all、--search、--artist のどれか一つを指定してください</source>
        <translation>Give exactly one of --all, --search or --artist.</translation>
    </message>
    <message>
        <source>--all、--search、--artist、--playlist、--all-playlists のどれか一つを指定してください</source>
        <translation>Give exactly one of --all, --search, --artist, --playlist or --all-playlists.</translation>
    </message>
    <message>
        <source>プレイリスト &quot;%s&quot; は見つかりません</source>
        <translation>The playlist &quot;%s&quot; was not found.</translation>
    </message>
    <message>
        <source>コピー結果のログ</source>
        <translation>Log of the copy results</translation>
    </message>
    <message>
        <source>プレイリスト %s を書き込みました</source>
        <translation>Wrote the playlist %s.</translation>
    </message>
</context>
<context>
    <name>CliImport</name>
    <message>
        <source>--kind は note, contact, calendar のいずれかです</source>
        <extracomment>note, contact and calendar are the option&apos;s values, kept as they are</extracomment>
        <translation>--kind must be note, contact or calendar.</translation>
    </message>
    <message>
        <source>ファイル[ %s ]を開けません</source>
        <translation>Cannot open the file [ %s ].</translation>
    </message>
    <message>
        <source>メモ[ %s ]を置き換えました</source>
        <translation>Replaced the note [ %s ].</translation>
    </message>
</context>
<context>
    <name>CliInfo</name>
    <message>
        <source>あり</source>
        <extracomment>The player has the feature</extracomment>
        <translation>yes</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>no</translation>
    </message>
    <message>
        <source>機種名:</source>
        <translation>Model:</translation>
    </message>
    <message>
        <source>世代:</source>
        <translation>Generation:</translation>
    </message>
    <message>
        <source>型番:</source>
        <translation>Model number:</translation>
    </message>
    <message>
        <source>名前:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>オーナー:</source>
        <translation>Owner:</translation>
    </message>
    <message>
        <source>ドライブ:</source>
        <translation>Drive:</translation>
    </message>
    <message>
        <source>全容量:</source>
        <translation>Capacity:</translation>
    </message>
    <message>
        <source>空き容量:</source>
        <translation>Free space:</translation>
    </message>
    <message>
        <source>収録曲数:</source>
        <translation>Number of songs:</translation>
    </message>
    <message>
        <source>%.0n 曲 (音楽フォルダのファイル)</source>
        <translation>%.0n songs (files in the music folder)</translation>
    </message>
    <message>
        <source>ソングタブの曲数:</source>
        <translation>Songs on the Songs tab:</translation>
    </message>
    <message>
        <source>%.0n 曲 (データベースの曲、ビデオを除く)</source>
        <translation>%.0n songs (songs in the database, videos left out)</translation>
    </message>
    <message>
        <source>曲サイズ:</source>
        <translation>Size of the songs:</translation>
    </message>
    <message>
        <source>データベース:</source>
        <extracomment>The number of entries in the song database</extracomment>
        <translation>Database:</translation>
    </message>
    <message numerus="yes">
        <source>%n 件</source>
        <translation>
            <numerusform>%n entry</numerusform>
            <numerusform>%n entries</numerusform>
        </translation>
    </message>
    <message>
        <source>ソフトウェア:</source>
        <translation>Software:</translation>
    </message>
    <message>
        <source>シリアルナンバー:</source>
        <translation>Serial number:</translation>
    </message>
    <message>
        <source>地域コード:</source>
        <translation>Region code:</translation>
    </message>
    <message>
        <source>メモ:</source>
        <translation>Notes:</translation>
    </message>
    <message>
        <source>アドレス帳:</source>
        <translation>Contacts:</translation>
    </message>
    <message>
        <source>カレンダー:</source>
        <translation>Calendar:</translation>
    </message>
    <message>
        <source>フォト:</source>
        <translation>Photos:</translation>
    </message>
    <message>
        <source>ビデオ:</source>
        <translation>Videos:</translation>
    </message>
</context>
<context>
    <name>CliNews</name>
    <message>
        <source>サイト[ %s ]は登録されていません</source>
        <translation>The site [ %s ] is not in the list.</translation>
    </message>
    <message>
        <source>サイト名</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>最終更新</source>
        <translation>Last updated</translation>
    </message>
    <message numerus="yes">
        <source>%n 件のメモを書き込みました</source>
        <translation>
            <numerusform>Wrote %n note.</numerusform>
            <numerusform>Wrote %n notes.</numerusform>
        </translation>
    </message>
    <message>
        <source>不明な操作です: %1</source>
        <translation>Unknown action: %1</translation>
    </message>
    <message>
        <source>--json は list でのみ使えます</source>
        <extracomment>list is an argument of the news command, kept as it is</extracomment>
        <translation>--json works only with list.</translation>
    </message>
</context>
<context>
    <name>CliPim</name>
    <message>
        <source>このプレーヤーにはこの機能がありません</source>
        <translation>This player does not have this feature.</translation>
    </message>
</context>
<context>
    <name>CliPlayer</name>
    <message>
        <source>iPod内にフォトデータが見つかりません</source>
        <translation>No photo data was found on the iPod.</translation>
    </message>
    <message>
        <source>アルバム</source>
        <translation>Album</translation>
    </message>
    <message>
        <source>種類</source>
        <extracomment>Column: the album&apos;s kind (a number)</extracomment>
        <translation>Kind</translation>
    </message>
    <message>
        <source>画像数</source>
        <translation>Pictures</translation>
    </message>
    <message>
        <source>画像ID</source>
        <translation>Picture ID</translation>
    </message>
    <message>
        <source>曲ID</source>
        <translation>Song ID</translation>
    </message>
    <message>
        <source>サムネイル</source>
        <translation>Thumbnails</translation>
    </message>
    <message>
        <source>フルサイズ</source>
        <translation>Full size</translation>
    </message>
</context>
<context>
    <name>CliPlaylists</name>
    <message>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>種類</source>
        <extracomment>Column: the playlist&apos;s kind</extracomment>
        <translation>Kind</translation>
    </message>
    <message>
        <source>曲数</source>
        <translation>Number of songs</translation>
    </message>
    <message>
        <source>時間</source>
        <extracomment>Column: the total length</extracomment>
        <translation>Length</translation>
    </message>
    <message>
        <source>プレイリスト &quot;%s&quot; は見つかりません</source>
        <translation>The playlist &quot;%s&quot; was not found.</translation>
    </message>
</context>
<context>
    <name>CliPlays</name>
    <message>
        <source>日時</source>
        <extracomment>Column: when the song was played</extracomment>
        <translation>Date and time</translation>
    </message>
    <message>
        <source>タイトル</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>アーティスト</source>
        <translation>Artist</translation>
    </message>
    <message numerus="yes">
        <source>再生日時のない %n 曲の再生は含めていません</source>
        <translation>
            <numerusform>The plays of %n song without a play time are left out.</numerusform>
            <numerusform>The plays of %n songs without a play time are left out.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 件の再生を %1 に書き込みました</source>
        <extracomment>%n is the number of plays, %1 the scrobble log written</extracomment>
        <translation>
            <numerusform>Wrote %n play to %1.</numerusform>
            <numerusform>Wrote %n plays to %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CliPrograms</name>
    <message>
        <source>sorvo-cli のコマンドを実行できません: %1 がありません (%2)</source>
        <extracomment>%1 is the program&apos;s file name, %2 the folders searched</extracomment>
        <translation>Cannot run the sorvo-cli command: %1 is missing (%2).</translation>
    </message>
    <message>
        <source>sorvo-cli のコマンドを実行できません: %1 (%2)</source>
        <extracomment>%1 is the program&apos;s path, %2 the system&apos;s reason</extracomment>
        <translation>Cannot run the sorvo-cli command: %1 (%2).</translation>
    </message>
</context>
<context>
    <name>CliRunner</name>
    <message>
        <source>使い方: sorvo-cli コマンド [オプション] [引数...]

共通のオプション:
  --help             この説明を表示します
  --version          バージョンを表示します
  --drive PATH       プレーヤーを探すフォルダ (繰り返し指定できます)
  --settings FILE    設定ファイル (既定: Velmor.INI)
  --yes              確認にすべて「はい」と答えます
  --json             表の代わりに JSON で出力します (対応するコマンドのみ)

コマンド:
</source>
        <extracomment>sorvo-cli --help; keep the options and PATH, FILE as they are, and the columns aligned</extracomment>
        <translation>Usage: sorvo-cli COMMAND [OPTIONS] [ARGUMENTS...]

Common options:
  --help             Show this help
  --version          Show the version
  --drive PATH       A folder to look for the player in (may be given more than once)
  --settings FILE    The settings file (default: Velmor.INI)
  --yes              Answer yes to every question
  --json             Print JSON instead of a table (where the command supports it)

Commands:
</translation>
    </message>
    <message>
        <source>
各コマンドの説明: sorvo-cli コマンド --help
</source>
        <translation>
Help on a command: sorvo-cli COMMAND --help
</translation>
    </message>
    <message>
        <source>不明なコマンドです: %1</source>
        <translation>Unknown command: %1</translation>
    </message>
</context>
<context>
    <name>CliScan</name>
    <message>
        <source>--drive と --music-folder を指定してください</source>
        <translation>Give --drive and --music-folder.</translation>
    </message>
    <message>
        <source>フォルダ %1 がありません</source>
        <translation>The folder %1 does not exist.</translation>
    </message>
</context>
<context>
    <name>CliSongs</name>
    <message>
        <source>タイトル</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>アーティスト</source>
        <translation>Artist</translation>
    </message>
    <message>
        <source>アルバム</source>
        <translation>Album</translation>
    </message>
    <message>
        <source>時間</source>
        <extracomment>Column: the length</extracomment>
        <translation>Length</translation>
    </message>
    <message>
        <source>種類</source>
        <extracomment>Column: song or video</extracomment>
        <translation>Kind</translation>
    </message>
    <message>
        <source>場所</source>
        <extracomment>Column: the file&apos;s place on the player</extracomment>
        <translation>Location</translation>
    </message>
    <message>
        <source>ビデオ</source>
        <translation>video</translation>
    </message>
    <message>
        <source>曲</source>
        <extracomment>The kind column&apos;s value</extracomment>
        <translation>song</translation>
    </message>
</context>
<context>
    <name>CliTags</name>
    <message>
        <source>ファイル[ %s ]を開けません</source>
        <translation>Cannot open the file [ %s ].</translation>
    </message>
</context>
<context>
    <name>CliThumbnail</name>
    <message>
        <source>%1 には数値を指定してください: %2</source>
        <extracomment>%1 is the option, %2 what was given</extracomment>
        <translation>%1 needs a number: %2</translation>
    </message>
    <message>
        <source>--song-id か --image-id のどちらか一つを指定してください</source>
        <translation>Give exactly one of --song-id or --image-id.</translation>
    </message>
    <message>
        <source>--out で保存先の PNG ファイルを指定してください</source>
        <translation>Give the PNG file to save to with --out.</translation>
    </message>
    <message>
        <source>指定された画像が見つかりません</source>
        <translation>The picture asked for was not found.</translation>
    </message>
    <message>
        <source>指定された幅のサムネイルがありません</source>
        <translation>There is no thumbnail of the width asked for.</translation>
    </message>
    <message>
        <source>サムネイル画像を読み込めません: %1</source>
        <translation>Cannot read the thumbnail picture: %1</translation>
    </message>
    <message>
        <source>ファイル &quot;%1&quot; に保存できません %2</source>
        <extracomment>%1 is the file, %2 the reason</extracomment>
        <translation>Cannot save the file &quot;%1&quot;. %2</translation>
    </message>
</context>
<context>
    <name>ContactEditor</name>
    <message>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>フルネーム</source>
        <translation>Full name</translation>
    </message>
    <message>
        <source>役職</source>
        <translation>Job title</translation>
    </message>
    <message>
        <source>所属</source>
        <translation>Organization</translation>
    </message>
    <message>
        <source>携帯電話番号</source>
        <translation>Mobile phone</translation>
    </message>
    <message>
        <source>会社電話番号</source>
        <translation>Work phone</translation>
    </message>
    <message>
        <source>自宅電話番号</source>
        <translation>Home phone</translation>
    </message>
    <message>
        <source>メールアドレス</source>
        <translation>Email address</translation>
    </message>
    <message>
        <source>会社住所</source>
        <translation>Work address</translation>
    </message>
    <message>
        <source>自宅住所</source>
        <translation>Home address</translation>
    </message>
    <message>
        <source>コメント</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>%1 の編集</source>
        <extracomment>Title of the input box; %1 is the contact field&apos;s caption</extracomment>
        <translation>Edit %1</translation>
    </message>
    <message>
        <source>テキストを入力してください</source>
        <translation>Enter the text</translation>
    </message>
</context>
<context>
    <name>PimRows</name>
    <message>
        <source>ファイル名</source>
        <extracomment>Column of the contacts, events and to-do lists</extracomment>
        <translation>File name</translation>
    </message>
    <message>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>コメント</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>タイトル</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>日付</source>
        <extracomment>Hidden column: the stored start, for sorting</extracomment>
        <translation>Date</translation>
    </message>
    <message>
        <source>日時</source>
        <extracomment>Column: when the event starts</extracomment>
        <translation>Date and time</translation>
    </message>
    <message>
        <source>タスクの名前</source>
        <translation>To-do item</translation>
    </message>
    <message>
        <source>期限</source>
        <extracomment>Column: the to-do item&apos;s deadline</extracomment>
        <translation>Due</translation>
    </message>
    <message>
        <source>説明</source>
        <extracomment>Column: the to-do item&apos;s description</extracomment>
        <translation>Description</translation>
    </message>
</context>
<context>
    <name>TCalendarMonth</name>
    <message>
        <source>yyyy&apos;年&apos;MM&apos;月&apos;</source>
        <extracomment>The month view&apos;s label: a QDate format (yyyy year, MM month number, MMMM month name)</extracomment>
        <translation>MMMM yyyy</translation>
    </message>
</context>
<context>
    <name>TKiruMemoDivider</name>
    <message>
        <source>ルビを除去中です</source>
        <translation>Removing ruby text</translation>
    </message>
    <message>
        <source>行に文字を詰め込みすぎです。行によるカット処理が行えません。</source>
        <translation>A line holds too many characters. The text cannot be split between lines.</translation>
    </message>
    <message>
        <source>フォルダ[ %s ]を作成できません</source>
        <translation>Cannot create the folder [ %s ].</translation>
    </message>
    <message>
        <source>メモ[ %s ]の分割処理中</source>
        <translation>Splitting the note [ %s ]</translation>
    </message>
    <message>
        <source>同名のメモ[ %s ]が既にあります。置き換えてもよろしいですか？</source>
        <translation>A note named [ %s ] already exists. Replace it?</translation>
    </message>
</context>
<context>
    <name>TMemoEditor</name>
    <message>
        <source>文字数 %1</source>
        <extracomment>The note editor&apos;s counter; %1 is the number of characters</extracomment>
        <translation>Characters: %1</translation>
    </message>
    <message>
        <source>メモの編集 - [ %s ]</source>
        <extracomment>The note editor&apos;s window title; %s is the note&apos;s file</extracomment>
        <translation>Edit note - [ %s ]</translation>
    </message>
    <message>
        <source>今までの編集結果が消去されますがよろしいですか？</source>
        <translation>Your changes so far will be discarded. Continue?</translation>
    </message>
    <message>
        <source>全てのファイル(*.*)|*.*</source>
        <translation>All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>同名のファイルが存在します。上書きしてもよろしいですか？</source>
        <translation>A file of that name already exists. Overwrite it?</translation>
    </message>
    <message>
        <source>編集結果が保存されていません。保存して閉じますか？</source>
        <translation>Your changes have not been saved. Save them before closing?</translation>
    </message>
</context>
<context>
    <name>TNewsDownloader</name>
    <message>
        <source>フォルダ[ %s ]を作成できません</source>
        <translation>Cannot create the folder [ %s ].</translation>
    </message>
    <message>
        <source>保存先フォルダ名[ %s ]は使えません</source>
        <translation>The destination folder name [ %s ] cannot be used.</translation>
    </message>
    <message>
        <source>このコンピュータはオンラインではありません!</source>
        <translation>This computer is not online!</translation>
    </message>
    <message>
        <source>ダウンロード状況</source>
        <translation>Download progress</translation>
    </message>
    <message numerus="yes">
        <source>ニュースをダウンロードしました (メモ %n 件)</source>
        <translation>
            <numerusform>Downloaded the news (%n note).</numerusform>
            <numerusform>Downloaded the news (%n notes).</numerusform>
        </translation>
    </message>
    <message>
        <source>  ダウンロードできなかったサイト: %s</source>
        <extracomment>Follows the message above on the status line; %s lists the failed sites</extracomment>
        <translation>  Sites that could not be downloaded: %s</translation>
    </message>
    <message>
        <source>Downloading... %s</source>
        <extracomment>Progress caption; %s is the news site&apos;s name</extracomment>
        <translation>Downloading... %s</translation>
    </message>
    <message>
        <source>テキストとして読めない内容です</source>
        <translation>the content cannot be read as text</translation>
    </message>
    <message>
        <source>フィードでもHTMLでもない内容です</source>
        <translation>the content is neither a feed nor HTML</translation>
    </message>
    <message>
        <source>[ %s ]を取得できませんでした (%s)</source>
        <extracomment>%s: the news site&apos;s name, then the reason</extracomment>
        <translation>Could not get [ %s ] (%s)</translation>
    </message>
</context>
<context>
    <name>TNewsSiteModel</name>
    <message>
        <source>未更新</source>
        <extracomment>The news list&apos;s last-update column for a site never downloaded</extracomment>
        <translation>Not updated</translation>
    </message>
    <message>
        <source>サイト名</source>
        <extracomment>Column of the news site list</extracomment>
        <translation>Site</translation>
    </message>
    <message>
        <source>最終更新</source>
        <translation>Last updated</translation>
    </message>
    <message>
        <source>アイテムが選択されていません</source>
        <translation>No item is selected.</translation>
    </message>
    <message>
        <source>[ %s ]を削除してもよろしいですか？</source>
        <translation>Delete [ %s ]?</translation>
    </message>
    <message>
        <source>サイト情報をクリアして初期状態にします。よろしいですか？</source>
        <translation>The site list will be cleared and reset to the defaults. Continue?</translation>
    </message>
</context>
<context>
    <name>TNoteCommands</name>
    <message>
        <source>メモを読み込みました</source>
        <translation>Notes loaded.</translation>
    </message>
    <message>
        <source>ファイルが選択されていませんので削除できません</source>
        <translation>No file is selected, so nothing can be deleted.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;を含む複数の選択されたファイル</source>
        <extracomment>%1 is the first of the selected file names</extracomment>
        <translation>the selected files, among them &quot;%1&quot;</translation>
    </message>
    <message>
        <source>[ %s ]を削除してもよろしいですか？</source>
        <translation>Delete [ %s ]?</translation>
    </message>
    <message>
        <source>ファイルの削除に失敗しました</source>
        <translation>Could not delete the file.</translation>
    </message>
</context>
<context>
    <name>TNoteListModel</name>
    <message>
        <source>ファイル名</source>
        <extracomment>Column of the notes list</extracomment>
        <translation>File name</translation>
    </message>
    <message>
        <source>文字数</source>
        <extracomment>Column: the note&apos;s size</extracomment>
        <translation>Characters</translation>
    </message>
    <message>
        <source>フォルダ</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>内容</source>
        <extracomment>Column: the note&apos;s first line</extracomment>
        <translation>Content</translation>
    </message>
</context>
<context>
    <name>TPimCommands</name>
    <message>
        <source>ファイルの削除に失敗しました [ %s ] (%s)</source>
        <extracomment>%s: the file, then the system&apos;s reason</extracomment>
        <translation>Could not delete the file [ %s ] (%s).</translation>
    </message>
    <message>
        <source>アドレス帳を読み込みました</source>
        <translation>Contacts loaded.</translation>
    </message>
    <message>
        <source>スケジュールを読み込みました</source>
        <translation>Events loaded.</translation>
    </message>
    <message>
        <source>Todoファイルを読み込みました</source>
        <translation>To-do items loaded.</translation>
    </message>
    <message>
        <source>空いているファイル名が見つかりません</source>
        <translation>No free file name was found.</translation>
    </message>
    <message>
        <source>ファイル名[ %s ]は使えません</source>
        <translation>The file name [ %s ] cannot be used.</translation>
    </message>
    <message>
        <source>ファイルが選択されていませんので削除できません</source>
        <translation>No file is selected, so nothing can be deleted.</translation>
    </message>
    <message>
        <source>[ %s ]を削除してもよろしいですか？</source>
        <translation>Delete [ %s ]?</translation>
    </message>
    <message>
        <source>日時を読めないファイルは削除の対象から外しました: %s</source>
        <translation>Files whose date cannot be read were left out of the deletion: %s</translation>
    </message>
    <message>
        <source>経過していない予定も含むファイルは削除しませんでした: %s</source>
        <translation>Files that also hold events still to come were not deleted: %s</translation>
    </message>
    <message numerus="yes">
        <source>%n 個のスケジュールが既に経過済みです。削除してもよろしいですか？</source>
        <translation>
            <numerusform>%n event is already past. Delete it?</numerusform>
            <numerusform>%n events are already past. Delete them?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 個のタスクが既に経過済みです。削除してもよろしいですか？</source>
        <translation>
            <numerusform>%n to-do item is already past. Delete it?</numerusform>
            <numerusform>%n to-do items are already past. Delete them?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TTextImporter</name>
    <message>
        <source>全てのテキストファイル|*.TXT;*.C;*.PAS;*.CPP;|テキストファイル|*.TXT;|ソースコードファイル|*.C;*.PAS;*.CPP;*.H;*.CS;*.BAS;*.VHD|全てのファイル(*.*)|*.*</source>
        <extracomment>File dialog filter: pairs of a name and its patterns, separated by |</extracomment>
        <translation>All text files|*.TXT;*.C;*.PAS;*.CPP;|Text files|*.TXT;|Source code files|*.C;*.PAS;*.CPP;*.H;*.CS;*.BAS;*.VHD|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>vCardファイル(*.VCF)|*.VCF|全てのファイル(*.*)|*.*</source>
        <extracomment>File dialog filter: pairs of a name and its patterns, separated by |</extracomment>
        <translation>vCard files (*.VCF)|*.VCF|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>vCalendarファイル(*.ICS)|*.ICS|全てのファイル(*.*)|*.*</source>
        <extracomment>File dialog filter: pairs of a name and its patterns, separated by |</extracomment>
        <translation>vCalendar files (*.ICS)|*.ICS|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>同名のメモ[ %s ]が既にあります。置き換えてもよろしいですか？</source>
        <translation>A note named [ %s ] already exists. Replace it?</translation>
    </message>
    <message numerus="yes">
        <source>[ %1 ] の %n 文字はShift-JISにない文字のため「?」に置き換えました</source>
        <extracomment>%1 is a file name, %n the number of characters replaced</extracomment>
        <translation>
            <numerusform>In [ %1 ], %n character that Shift-JIS lacks was replaced with &quot;?&quot;.</numerusform>
            <numerusform>In [ %1 ], %n characters that Shift-JIS lacks were replaced with &quot;?&quot;.</numerusform>
        </translation>
    </message>
    <message>
        <source>[ %s ]のコピーに失敗しました (%s)</source>
        <translation>Could not copy [ %s ] (%s).</translation>
    </message>
</context>
<context>
    <name>TWebFetch</name>
    <message>
        <source>ファイルのアドレスではありません</source>
        <translation>not a file address</translation>
    </message>
    <message>
        <source>通信を開始できません (libcurl)</source>
        <translation>cannot start the connection (libcurl)</translation>
    </message>
    <message>
        <source>内容が %1 バイトを超えています</source>
        <translation>the content is larger than %1 bytes</translation>
    </message>
    <message>
        <source>サーバーの応答: HTTP %1</source>
        <extracomment>%1 is the HTTP status code</extracomment>
        <translation>server response: HTTP %1</translation>
    </message>
    <message>
        <source>中止しました</source>
        <translation>stopped</translation>
    </message>
    <message>
        <source>時間切れです</source>
        <translation>timed out</translation>
    </message>
</context>
<context>
    <name>UsableName</name>
    <message>
        <source>ファイル名[ %s ]は使えません</source>
        <translation>The file name [ %s ] cannot be used.</translation>
    </message>
</context>
</TS>
