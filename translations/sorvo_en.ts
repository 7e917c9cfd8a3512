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
    <message>
        <source>取り込み</source>
        <translation>Import</translation>
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
    <message>
        <source>プレイリスト &quot;%s&quot; は複数あります (番号 %s)。%s で番号を指定してください</source>
        <extracomment>The name, the positions shown by &quot;sorvo-cli playlists&quot;, the option that takes a position</extracomment>
        <translation>There are several playlists named &quot;%s&quot; (positions %s). Give the position with %s.</translation>
    </message>
    <message>
        <source>番号 %s のプレイリストはありません (0 から %d まで)</source>
        <extracomment>%s is the position given; %d the highest one</extracomment>
        <translation>There is no playlist at position %s (0 to %d).</translation>
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
  --lang ja|en       メッセージの言語 (既定: LC_ALL, LC_MESSAGES, LANG の言語)

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
  --lang ja|en       Language of the messages (default: that of LC_ALL, LC_MESSAGES, LANG)

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
    <message>
        <source>メモリが足りません</source>
        <translation>There is not enough memory.</translation>
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
    <message>
        <source>ファイル &quot;%1&quot; は既にあります。上書きしますか？</source>
        <extracomment>%1 is the file given with --out</extracomment>
        <translation>The file &quot;%1&quot; already exists. Replace it?</translation>
    </message>
    <message>
        <source>ファイル &quot;%1&quot; は既にあるため保存しませんでした (--yes で上書きします)</source>
        <extracomment>%1 is the file given with --out</extracomment>
        <translation>The file &quot;%1&quot; already exists and was not replaced (--yes replaces it).</translation>
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
    <name>DateTime</name>
    <message>
        <source>&apos;%s&apos; は正しい日付/時刻ではありません</source>
        <translation>&apos;%s&apos; is not a valid date or time.</translation>
    </message>
</context>
<context>
    <name>DebugExport</name>
    <message>
        <source>ファイル %s をコピーできません</source>
        <translation>Cannot copy the file %s.</translation>
    </message>
</context>
<context>
    <name>DiskCheck</name>
    <message>
        <source>このプレーヤーはフォルダで、マウントされたデバイスではないため、スキャンディスクできません</source>
        <translation>This player is a folder, not a mounted device, so its disk cannot be checked.</translation>
    </message>
    <message>
        <source>（読み取り専用のチェックです。修正は行いません）</source>
        <translation>(A read-only check: nothing is repaired.)</translation>
    </message>
    <message>
        <source>終了コード: %1</source>
        <translation>Exit code: %1</translation>
    </message>
</context>
<context>
    <name>Eject</name>
    <message>
        <source>%1 を起動できません</source>
        <extracomment>%1 is the name of a system program</extracomment>
        <translation>Cannot start %1.</translation>
    </message>
    <message>
        <source>%1 が応答しません</source>
        <translation>%1 is not responding.</translation>
    </message>
    <message>
        <source>%1 が失敗しました</source>
        <translation>%1 failed.</translation>
    </message>
    <message>
        <source>iPodが認識されていません</source>
        <translation>No iPod has been detected.</translation>
    </message>
    <message>
        <source>このドライブは取り外せません</source>
        <translation>This drive cannot be removed.</translation>
    </message>
</context>
<context>
    <name>Guarded</name>
    <message>
        <source>メモリが足りません</source>
        <translation>There is not enough memory.</translation>
    </message>
    <message>
        <source>不明なエラーが発生しました</source>
        <translation>An unknown error occurred.</translation>
    </message>
</context>
<context>
    <name>Paths</name>
    <message>
        <source>ファイルが見つかりません</source>
        <translation>File not found</translation>
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
    <name>PimTab</name>
    <message>
        <source>AP hh時mm分</source>
        <extracomment>Display format (QDateTime) of a time field. Its locale stays Japanese, so AP shows 午前/午後</extracomment>
        <translation>hh:mm</translation>
    </message>
</context>
<context>
    <name>PlayListFile</name>
    <message>
        <source>ファイル %s を作成できません。%s</source>
        <translation>Cannot create the file %s. %s</translation>
    </message>
    <message>
        <source>ファイル %s を作成できません。</source>
        <translation>Cannot create the file %s.</translation>
    </message>
    <message>
        <source>[ %s - %s ] はコピーされなかったので、プレイリスト &quot;%s&quot; に入れていません</source>
        <extracomment>The artist, the title and the playlist&apos;s name</extracomment>
        <translation>[ %s - %s ] was not copied, so it was left out of the playlist &quot;%s&quot;.</translation>
    </message>
</context>
<context>
    <name>PlayerFiles</name>
    <message>
        <source>フォルダ[ %s ]を作成できません</source>
        <translation>Cannot create the folder [ %s ].</translation>
    </message>
    <message>
        <source>フォルダ [ %s ] が空ですので削除してもよろしいですか？</source>
        <translation>The folder [ %s ] is empty. Delete it?</translation>
    </message>
    <message>
        <source>フォルダ[ %s ]の削除に失敗しました</source>
        <translation>Could not delete the folder [ %s ].</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>通常のファイルではありません</source>
        <translation>Not a regular file</translation>
    </message>
    <message>
        <source>大きすぎます。%s MB あり、読み込めるのは %s MB までです</source>
        <extracomment>The file&apos;s size and the most that is read, in megabytes</extracomment>
        <translation>Too large: %s MB, and at most %s MB is read</translation>
    </message>
    <message>
        <source>メモリが足りません</source>
        <translation>There is not enough memory.</translation>
    </message>
</context>
<context>
    <name>SafeFileWriter</name>
    <message>
        <source>ファイル %s を作成できません。%s</source>
        <translation>Cannot create the file %s. %s</translation>
    </message>
    <message>
        <source>通常のファイルではありません</source>
        <translation>It is not a regular file</translation>
    </message>
</context>
<context>
    <name>SongInfo</name>
    <message>
        <source>不明な音楽形式</source>
        <translation>Unknown music format</translation>
    </message>
    <message>
        <source>不明</source>
        <extracomment>An unset date</extracomment>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>タイトル:</source>
        <translation>Title:</translation>
    </message>
    <message>
        <source>アーティスト:</source>
        <translation>Artist:</translation>
    </message>
    <message>
        <source>アルバム:</source>
        <translation>Album:</translation>
    </message>
    <message>
        <source>再生時間:</source>
        <translation>Length:</translation>
    </message>
    <message>
        <source>マイレート:</source>
        <translation>My rating:</translation>
    </message>
    <message>
        <source>形式:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>サイズ:</source>
        <translation>Size:</translation>
    </message>
    <message>
        <source>ビットレート:</source>
        <translation>Bit rate:</translation>
    </message>
    <message>
        <source>サンプリング:</source>
        <translation>Sample rate:</translation>
    </message>
    <message>
        <source>ジャンル:</source>
        <translation>Genre:</translation>
    </message>
    <message>
        <source>所在:</source>
        <translation>Location:</translation>
    </message>
    <message>
        <source>再生された日:</source>
        <translation>Last played:</translation>
    </message>
    <message>
        <source>変更された日:</source>
        <translation>Date modified:</translation>
    </message>
    <message>
        <source>作成された日:</source>
        <translation>Date added:</translation>
    </message>
    <message>
        <source>再生回数:</source>
        <translation>Play count:</translation>
    </message>
    <message numerus="yes">
        <source>%n 回</source>
        <translation>
            <numerusform>%n time</numerusform>
            <numerusform>%n times</numerusform>
        </translation>
    </message>
    <message>
        <source>トラック:</source>
        <translation>Track:</translation>
    </message>
    <message>
        <source>[ %s ]に保存できませんでした。
%s</source>
        <translation>Could not save to [ %s ].
%s</translation>
    </message>
    <message>
        <source>[ %s ]に保存できませんでした。</source>
        <translation>Could not save to [ %s ].</translation>
    </message>
    <message>
        <source>%.0n byte</source>
        <extracomment>the file size; %.0n is the number of bytes with thousands separators</extracomment>
        <translation>%.0n bytes</translation>
    </message>
</context>
<context>
    <name>SongSearch</name>
    <message>
        <source>曲のチェック処理中</source>
        <translation>Ticking songs</translation>
    </message>
    <message numerus="yes">
        <source>%n 曲をチェック項目に追加しました</source>
        <translation>
            <numerusform>%n song ticked.</numerusform>
            <numerusform>%n songs ticked.</numerusform>
        </translation>
    </message>
    <message>
        <source>該当する曲はありませんでした</source>
        <translation>No matching songs were found.</translation>
    </message>
</context>
<context>
    <name>SorvoMain</name>
    <message>
        <source>見つかりません</source>
        <translation>not found</translation>
    </message>
    <message>
        <source>プレーヤー: %1
ページ: %2
モデルデータ: %3
マニュアル: %4
状態: %5
</source>
        <translation>Player: %1
Page: %2
Model data: %3
Manual: %4
Status: %5
</translation>
    </message>
    <message>
        <source>使い方: sorvo [-debug] [--drive PATH]... [--settings FILE] [--lang ja|en] [--yes] [--self-check]
  --lang        表示の言語 (ja: 日本語, en: 英語)。既定は設定、なければシステムの言語
  --self-check  プレーヤーを認識し、見つけたプレーヤー・モデルデータ・マニュアルを表示して終了します
</source>
        <translation>Usage: sorvo [-debug] [--drive PATH]... [--settings FILE] [--lang ja|en] [--yes] [--self-check]
  --lang        language of the window (ja: Japanese, en: English); by default the setting, else the system&apos;s language
  --self-check  detects the player, prints the player, model data and manual found, and exits
</translation>
    </message>
    <message>
        <source>既にSorvoが起動しています</source>
        <translation>Sorvo is already running.</translation>
    </message>
</context>
<context>
    <name>TAddressForm</name>
    <message>
        <source>連絡先の編集</source>
        <translation>Edit contact</translation>
    </message>
    <message>
        <source>連絡先の内容</source>
        <translation>Contact details</translation>
    </message>
    <message>
        <source>ダブルクリックで編集できます</source>
        <translation>Double-click a row to edit it.</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>キャンセル(&amp;C)</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>フルネームが連絡先のファイル名になります。フルネームを、ファイル名に使えない文字（\ / : * ? &quot; &lt; &gt; |）を含めずに入力してください</source>
        <translation>The full name becomes the contact&apos;s file name. Enter a full name without the characters a file name cannot hold (\ / : * ? &quot; &lt; &gt; |).</translation>
    </message>
</context>
<context>
    <name>TAddressTab</name>
    <message>
        <source>アドレス帳</source>
        <translation>Contacts</translation>
    </message>
    <message>
        <source>名刺を新規に追加します</source>
        <translation>Adds a new contact.</translation>
    </message>
    <message>
        <source>新規追加</source>
        <translation>New</translation>
    </message>
    <message>
        <source>vCard形式の名刺情報をiPodに取り込みます</source>
        <translation>Imports contacts in vCard format onto the iPod.</translation>
    </message>
    <message>
        <source>取り込む</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>新規名刺を作成(&amp;N)</source>
        <translation>&amp;New contact</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>編集(&amp;E)...</source>
        <translation>&amp;Edit...</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>名刺(vCard)を取り込む(&amp;I)...</source>
        <translation>&amp;Import contacts (vCard)...</translation>
    </message>
</context>
<context>
    <name>TArtistTickModel</name>
    <message>
        <source>アーティストの名前</source>
        <translation>Artist name</translation>
    </message>
</context>
<context>
    <name>TArtworkDBLoader</name>
    <message>
        <source>アイテム番号%dにはアイテムが存在しません</source>
        <translation>There is no item number %d.</translation>
    </message>
    <message>
        <source>MHLIヘッダが読み取れません - &quot;%s&quot;</source>
        <translation>Cannot read the MHLI header - &quot;%s&quot;</translation>
    </message>
    <message>
        <source>MHIIヘッダが読み取れません - &quot;%s&quot;</source>
        <translation>Cannot read the MHII header - &quot;%s&quot;</translation>
    </message>
    <message>
        <source>MHODヘッダが読み取れません - &quot;%s&quot;</source>
        <translation>Cannot read the MHOD header - &quot;%s&quot;</translation>
    </message>
    <message>
        <source>MHLAヘッダが読み取れません - &quot;%s&quot;</source>
        <translation>Cannot read the MHLA header - &quot;%s&quot;</translation>
    </message>
    <message>
        <source>MHBAヘッダが読み取れません - &quot;%s&quot;</source>
        <translation>Cannot read the MHBA header - &quot;%s&quot;</translation>
    </message>
    <message>
        <source>ファイル &quot;%s&quot; を開けません。%s</source>
        <translation>Cannot open the file &quot;%s&quot;. %s</translation>
    </message>
    <message>
        <source>ファイルが不正です</source>
        <translation>The file is invalid.</translation>
    </message>
    <message>
        <source>ArtwokDBではないファイルが読み込まれました</source>
        <translation>The file read is not an ArtworkDB file.</translation>
    </message>
</context>
<context>
    <name>TCRForm</name>
    <message>
        <source>Sorvoの使用に関して</source>
        <translation>About using Sorvo</translation>
    </message>
    <message>
        <source>音楽・ビデオを盗用しないでください</source>
        <translation>Please do not pirate music or videos</translation>
    </message>
    <message>
        <source>同意して使用します</source>
        <translation>I agree</translation>
    </message>
    <message>
        <source>キャンセル(&amp;C)</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Sorvoは、以下の条件に従って著作権を守った使用をしてください。

・他人のiPodから著作権のある音楽・ビデオなどを取り出さないでください
・他人のコンピュータへ著作権のある音楽・ビデオなどを渡さないでください
・その他、他人の著作権を侵害する行為をしないでください

条件に同意いただける場合は、&quot;同意して使用します&quot;を押して、
快適なiPodライフをおくってください。</source>
        <translation>Please use Sorvo with respect for copyright, on the following conditions.

• Do not copy copyrighted music, videos and the like from other people&apos;s iPods
• Do not pass copyrighted music, videos and the like to other people&apos;s computers
• Do not infringe anyone else&apos;s copyright in any other way

If you accept these conditions, press &quot;I agree&quot;
and enjoy your iPod.</translation>
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
    <name>TCalendarTab</name>
    <message>
        <source>カレンダーとスケジュール</source>
        <translation>Calendar and events</translation>
    </message>
    <message>
        <source>スケジュール一覧</source>
        <translation>Events</translation>
    </message>
    <message>
        <source>スケジュールを新規に追加します</source>
        <translation>Adds a new event.</translation>
    </message>
    <message>
        <source>新規追加</source>
        <translation>New</translation>
    </message>
    <message>
        <source>スケジュールファイルをiPodに取り込みます</source>
        <translation>Imports a calendar file onto the iPod.</translation>
    </message>
    <message>
        <source>取り込む</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>期日を経過したスケジュールを削除します</source>
        <translation>Deletes the events whose date has passed.</translation>
    </message>
    <message>
        <source>経過後の削除</source>
        <translation>Delete past</translation>
    </message>
    <message>
        <source>カレンダー</source>
        <translation>Calendar</translation>
    </message>
    <message>
        <source>前の月へ変更します</source>
        <translation>Goes to the previous month.</translation>
    </message>
    <message>
        <source>前の月</source>
        <translation>Previous month</translation>
    </message>
    <message>
        <source>◀</source>
        <translation>◀</translation>
    </message>
    <message>
        <source>次の月へ変更します</source>
        <translation>Goes to the next month.</translation>
    </message>
    <message>
        <source>次の月</source>
        <translation>Next month</translation>
    </message>
    <message>
        <source>▶</source>
        <translation>▶</translation>
    </message>
    <message>
        <source>西暦:</source>
        <translation>Year:</translation>
    </message>
    <message>
        <source>月:</source>
        <translation>Month:</translation>
    </message>
    <message>
        <source>日:</source>
        <translation>Day:</translation>
    </message>
    <message>
        <source>カレンダーの日時を現在日時に変更します</source>
        <translation>Sets the calendar to today&apos;s date.</translation>
    </message>
    <message>
        <source>日付のリセット</source>
        <translation>Today</translation>
    </message>
    <message>
        <source>選択された日時にスケジュールを追加します</source>
        <translation>Adds an event on the selected date.</translation>
    </message>
    <message>
        <source>スケジュールの追加</source>
        <translation>Add event</translation>
    </message>
    <message>
        <source>新規スケジュールを作成(&amp;N)</source>
        <translation>&amp;New event</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>編集(&amp;E)...</source>
        <translation>&amp;Edit...</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>スケジュール(vCard)を取り込む(&amp;I)...</source>
        <translation>&amp;Import events (vCalendar)...</translation>
    </message>
    <message>
        <source>yyyy年</source>
        <extracomment>Display format (QDateTime) of the year field; the fields keep the Japanese locale</extracomment>
        <translation>yyyy</translation>
    </message>
    <message>
        <source>MM月</source>
        <extracomment>Display format (QDateTime) of the month field, in numbers</extracomment>
        <translation>MM</translation>
    </message>
    <message>
        <source>dd日</source>
        <extracomment>Display format (QDateTime) of the day field</extracomment>
        <translation>dd</translation>
    </message>
</context>
<context>
    <name>TCommandLine</name>
    <message>
        <source>%1 には値が必要です</source>
        <translation>%1 needs a value</translation>
    </message>
    <message>
        <source>--lang には ja か en を指定してください</source>
        <translation>--lang takes ja or en</translation>
    </message>
</context>
<context>
    <name>TConfigForm</name>
    <message>
        <source>Sorvoの設定</source>
        <translation>Sorvo settings</translation>
    </message>
    <message>
        <source>起動の設定</source>
        <translation>Startup</translation>
    </message>
    <message>
        <source>各種設定</source>
        <translation>General</translation>
    </message>
    <message>
        <source>チェックするドライブを固定する</source>
        <translation>Look for the iPod only at this drive</translation>
    </message>
    <message>
        <source>ニュースの設定</source>
        <translation>News</translation>
    </message>
    <message>
        <source>ニュースの保存先設定</source>
        <translation>Destination folder for news</translation>
    </message>
    <message>
        <source>保存先フォルダ名</source>
        <translation>Folder name</translation>
    </message>
    <message>
        <source>iPod認識時に自動的に更新・転送する</source>
        <translation>Update the news automatically when the iPod is detected</translation>
    </message>
    <message>
        <source>RSSのデコード設定</source>
        <translation>RSS conversion</translation>
    </message>
    <message>
        <source>日付を追加する</source>
        <translation>Add the date</translation>
    </message>
    <message>
        <source>URLを追加する</source>
        <translation>Add the URL</translation>
    </message>
    <message>
        <source>ニュース取り込み時の分割設定は、「メモの分割設定」を利用します。</source>
        <translation>Imported news is split with the settings on the &quot;Note splitting&quot; page.</translation>
    </message>
    <message>
        <source>メモの分割設定</source>
        <translation>Note splitting</translation>
    </message>
    <message>
        <source>ページ番号を付加</source>
        <translation>Add page numbers</translation>
    </message>
    <message>
        <source>個別フォルダを作成</source>
        <translation>Create a folder for each text</translation>
    </message>
    <message>
        <source>見やすいようにフォルダの中にメモを作成します</source>
        <translation>Puts the notes of one text into a folder of their own, for easier browsing.</translation>
    </message>
    <message>
        <source>「次へ」のリンクを設定</source>
        <translation>Add &quot;Next&quot; links</translation>
    </message>
    <message>
        <source>メモの最後に続きとなるメモへのリンクを貼ります</source>
        <translation>Adds a link to the following note at the end of each note.</translation>
    </message>
    <message>
        <source>タイトルタグを追加</source>
        <translation>Add a title tag</translation>
    </message>
    <message>
        <source>分割文字数の設定</source>
        <translation>Note size</translation>
    </message>
    <message>
        <source>分割文字数:</source>
        <translation>Characters per note:</translation>
    </message>
    <message>
        <source>特殊機能の設定</source>
        <translation>Special functions</translation>
    </message>
    <message>
        <source>ルビ部分を除去</source>
        <translation>Remove ruby</translation>
    </message>
    <message>
        <source>青空文庫などの形式からルビ部分を自動で除去します</source>
        <translation>Removes the ruby (reading aids) from texts in Aozora Bunko and similar formats.</translation>
    </message>
    <message>
        <source>エンコードタグを追加</source>
        <translation>Add an encoding tag</translation>
    </message>
    <message>
        <source>取り込み時に設定画面を表示</source>
        <translation>Show these settings on every import</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>キャンセル(&amp;C)</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>言語</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>表示の言語</source>
        <translation>Language of the window</translation>
    </message>
    <message>
        <source>次回の起動から切り替わります。</source>
        <translation>Takes effect the next time Sorvo starts.</translation>
    </message>
    <message>
        <source>システムに合わせる</source>
        <translation>Same as the system</translation>
    </message>
</context>
<context>
    <name>TConsoleDialogs</name>
    <message>
        <source>フォルダを選択してください。 [%1]: </source>
        <extracomment>Console prompt; %1 is the folder taken when the answer is empty</extracomment>
        <translation>Choose a folder. [%1]: </translation>
    </message>
</context>
<context>
    <name>TContactRowsModel</name>
    <message>
        <source>項目</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>内容</source>
        <translation>Value</translation>
    </message>
</context>
<context>
    <name>TCopyDestination</name>
    <message>
        <source>フォルダ[ %s ]はプレーヤーの中にあるため、取り出し先にできません</source>
        <translation>The folder [ %s ] is on the player, so nothing is written there.</translation>
    </message>
    <message>
        <source>フォルダ[ %s ]を作成できません</source>
        <translation>Cannot create the folder [ %s ].</translation>
    </message>
    <message>
        <source>フォルダ[ %s ]に書き込めません (%s)</source>
        <translation>Cannot write to the folder [ %s ] (%s).</translation>
    </message>
    <message>
        <source>フォルダ[ %s ]はプレーヤーの中を指しています</source>
        <translation>The folder [ %s ] points into the player.</translation>
    </message>
    <message>
        <source>フォルダが指定されていません</source>
        <translation>No folder specified</translation>
    </message>
    <message>
        <source>ドライブが存在しません</source>
        <translation>The drive does not exist</translation>
    </message>
    <message>
        <source>このドライブにはコピーできません</source>
        <translation>Cannot copy to this drive</translation>
    </message>
    <message>
        <source>このフォルダは存在します (%d MB空き)</source>
        <translation>This folder exists (%d MB free)</translation>
    </message>
    <message>
        <source>このフォルダは存在しません (%d MB空き)</source>
        <translation>This folder does not exist (%d MB free)</translation>
    </message>
    <message>
        <source>フォルダ[ %s ]は存在しません。作成してもよろしいですか？</source>
        <translation>The folder [ %s ] does not exist. Create it?</translation>
    </message>
    <message>
        <source>ファイル[ %s ]はプレーヤーの中にあるため、書き出せません</source>
        <translation>The file [ %s ] is on the player, so it is not written there.</translation>
    </message>
    <message>
        <source>フォルダ[ %s ]を作成できません。同じ名前のファイルがあります</source>
        <translation>Cannot create the folder [ %s ]: a file of that name is in the way.</translation>
    </message>
</context>
<context>
    <name>TDebugPage</name>
    <message>
        <source>Sorvoのデバッグツール</source>
        <translation>Sorvo debug tools</translation>
    </message>
    <message>
        <source>アートワーク情報</source>
        <translation>Artwork information</translation>
    </message>
    <message>
        <source>フォト情報</source>
        <translation>Photo information</translation>
    </message>
    <message>
        <source>フォルダ構造レポート作成</source>
        <translation>Folder structure report</translation>
    </message>
    <message>
        <source>取得情報レポート作成</source>
        <translation>Report of the information read</translation>
    </message>
    <message>
        <source>エクスポート</source>
        <translation>Export</translation>
    </message>
    <message numerus="yes">
        <source>%d 個のファイルを書き出しました</source>
        <translation>
            <numerusform>Exported %d file</numerusform>
            <numerusform>Exported %d files</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TDelCalForm</name>
    <message>
        <source>経過済みスケジュールの削除</source>
        <translation>Delete past entries</translation>
    </message>
    <message>
        <source>基準時刻の指定</source>
        <translation>Delete the entries before</translation>
    </message>
    <message>
        <source>基準日</source>
        <translation>Cut-off date</translation>
    </message>
    <message>
        <source>基準時刻</source>
        <translation>Cut-off time</translation>
    </message>
    <message>
        <source>現在時刻に設定</source>
        <translation>Set to now</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>キャンセル(&amp;C)</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>TEditURLForm</name>
    <message>
        <source>サイトの編集</source>
        <translation>Edit site</translation>
    </message>
    <message>
        <source>サイトの登録・編集</source>
        <translation>News site</translation>
    </message>
    <message>
        <source>サイト名:</source>
        <translation>Site name:</translation>
    </message>
    <message>
        <source>登録するサイトの名前を指定します</source>
        <translation>The name the site is listed under.</translation>
    </message>
    <message>
        <source>パス・URL:</source>
        <translation>Path or URL:</translation>
    </message>
    <message>
        <source>登録するサイトのURLを指定します。HTML・RSSファイルを指定できます</source>
        <translation>The site&apos;s address. It can be an HTML page or an RSS feed.</translation>
    </message>
    <message>
        <source>ローカルファイルも指定できます</source>
        <translation>A file on this computer can be given as well.</translation>
    </message>
    <message>
        <source>サイトを見る</source>
        <translation>View site</translation>
    </message>
    <message>
        <source>入力されたサイトを閲覧します</source>
        <translation>Opens the site in the browser.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>キャンセル(&amp;C)</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>TITBSongList</name>
    <message>
        <source>アイテム番号%dにはアイテムが存在しません</source>
        <translation>There is no item number %d.</translation>
    </message>
</context>
<context>
    <name>TITXMakeLibrary</name>
    <message>
        <source>ファイル %s を作成できません。%s</source>
        <translation>Cannot create the file %s. %s</translation>
    </message>
    <message>
        <source>同じ名前のファイルが多すぎます</source>
        <translation>Too many files of the same name.</translation>
    </message>
    <message numerus="yes">
        <source>(一覧表 %1 に %n 行を追加しました)</source>
        <extracomment>%1 is the song listing file, %n the number of rows added</extracomment>
        <translation>
            <numerusform>(%n row added to the song list %1)</numerusform>
            <numerusform>(%n rows added to the song list %1)</numerusform>
        </translation>
    </message>
    <message>
        <source>(%1 は一覧表ではないためそのままにし、一覧表を %2 に書きました)</source>
        <extracomment>%1 is a file that has the listing&apos;s name but is not a listing, %2 the listing written instead</extracomment>
        <translation>(%1 is not a song list and was kept; the list was written to %2)</translation>
    </message>
    <message>
        <source>(一覧表 %1 を書きました)</source>
        <extracomment>%1 is the song listing file</extracomment>
        <translation>(song list %1 written)</translation>
    </message>
</context>
<context>
    <name>TITunesDBLoader</name>
    <message>
        <source>ヘッダーが不正です</source>
        <translation>The header is invalid.</translation>
    </message>
    <message numerus="yes">
        <source>曲データベースが途中で終わっています。読み込めた %n 件の曲だけを扱います</source>
        <translation>
            <numerusform>The song database ends early. Only the %n song read is used.</numerusform>
            <numerusform>The song database ends early. Only the %n songs read are used.</numerusform>
        </translation>
    </message>
    <message>
        <source>ファイル &quot;%s&quot; を開けません。%s</source>
        <translation>Cannot open the file &quot;%s&quot;. %s</translation>
    </message>
</context>
<context>
    <name>TKiruIPOD</name>
    <message>
        <source>iPodを検索中</source>
        <translation>Searching for the iPod</translation>
    </message>
    <message>
        <source>iPodを[ %s ]ドライブで発見しました</source>
        <translation>iPod found at [ %s ]</translation>
    </message>
    <message>
        <source>データ一覧を取得中 - [ %s ]</source>
        <translation>Listing the data - [ %s ]</translation>
    </message>
    <message>
        <source>フォルダ [ %s ] が空ですので削除してもよろしいですか？</source>
        <translation>The folder [ %s ] is empty. Delete it?</translation>
    </message>
    <message>
        <source>フォルダ[ %s ]の削除に失敗しました</source>
        <translation>Could not delete the folder [ %s ].</translation>
    </message>
</context>
<context>
    <name>TKiruIPodINI</name>
    <message>
        <source>サイト名[ %s ]は保存できません。Shift-JIS にない文字 (ハングル、絵文字など)、「;」と制御文字はサイト名に使えません</source>
        <translation>The site name [ %s ] cannot be saved. Characters missing from Shift-JIS (Hangul, emoji and the like), &quot;;&quot; and control characters cannot be used in site names.</translation>
    </message>
    <message>
        <source>ファイル %s は設定ファイルではありません。既定の設定で動作し、このファイルには書き込みません</source>
        <translation>The file %s is not a settings file. Sorvo runs with the default settings and does not write to this file.</translation>
    </message>
    <message>
        <source>設定ファイル %s はファイルではありません。既定の設定で動作し、設定は保存しません</source>
        <translation>The settings file %s is not a file. Sorvo runs with the default settings and does not save the settings.</translation>
    </message>
    <message>
        <source>設定ファイル %s を読めません (%s)。既定の設定で動作し、設定は保存しません</source>
        <translation>Cannot read the settings file %s (%s). Sorvo runs with the default settings and does not save the settings.</translation>
    </message>
    <message>
        <source>設定ファイル %s は書き込みできません。変更した設定は保存されません</source>
        <translation>The settings file %s cannot be written. Changed settings will not be saved.</translation>
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
    <message>
        <source>フォルダ[ %s ]には別の取り込みが書き込み中です</source>
        <translation>Another import is writing into the folder [ %s ].</translation>
    </message>
    <message>
        <source>取り込みを中止しました</source>
        <translation>The import was stopped.</translation>
    </message>
    <message>
        <source>ファイル %s を作成できません。%s</source>
        <translation>Cannot create the file %s. %s</translation>
    </message>
</context>
<context>
    <name>TKiruStringList</name>
    <message>
        <source>ファイル[ %s ]に書き込めません (%s)</source>
        <translation>Cannot write to the file [ %s ] (%s).</translation>
    </message>
    <message>
        <source>ファイル[ %s ]を開けません (%s)</source>
        <translation>Cannot open the file [ %s ] (%s).</translation>
    </message>
</context>
<context>
    <name>TLagugae</name>
    <message>
        <source>iPodが[ %s ]で見つかりました</source>
        <translation>iPod found at [ %s ]</translation>
    </message>
    <message>
        <source>iPodが見つかりません</source>
        <translation>No iPod found.</translation>
    </message>
    <message>
        <source>認識できません</source>
        <translation>Not detected</translation>
    </message>
    <message>
        <source>認識されています</source>
        <translation>Detected</translation>
    </message>
    <message>
        <source>[接続されていません]</source>
        <translation>[Not connected]</translation>
    </message>
    <message>
        <source>[接続中]</source>
        <translation>[Connected]</translation>
    </message>
    <message>
        <source>iPodは取り外されました</source>
        <translation>The iPod has been removed.</translation>
    </message>
    <message>
        <source>ソング</source>
        <translation>Songs</translation>
    </message>
    <message>
        <source>メモ</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>アドレス帳</source>
        <translation>Contacts</translation>
    </message>
    <message>
        <source>カレンダー</source>
        <translation>Calendar</translation>
    </message>
    <message>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>ドライブレター</source>
        <translation>Drive letter</translation>
    </message>
    <message>
        <source>全容量</source>
        <translation>Capacity</translation>
    </message>
    <message>
        <source>空き容量</source>
        <translation>Free space</translation>
    </message>
    <message>
        <source>収録曲数</source>
        <translation>Number of songs</translation>
    </message>
    <message>
        <source>曲サイズ</source>
        <translation>Size of songs</translation>
    </message>
    <message>
        <source>iPodのバッテリ表示を数値化することができます</source>
        <translation>The iPod can show its battery level as a number.</translation>
    </message>
    <message>
        <source>バッテリ状態を数値化する</source>
        <translation>Show the battery level as a number</translation>
    </message>
    <message>
        <source>バッテリ状態の変更</source>
        <translation>Battery display</translation>
    </message>
    <message>
        <source>iPodの状態</source>
        <translation>iPod status</translation>
    </message>
    <message>
        <source>iPodの情報</source>
        <translation>iPod information</translation>
    </message>
    <message>
        <source>再認識</source>
        <translation>Detect again</translation>
    </message>
    <message>
        <source>ソングリスト</source>
        <translation>Song list</translation>
    </message>
    <message>
        <source>曲の検索</source>
        <translation>Find songs</translation>
    </message>
    <message>
        <source>曲の取り出し</source>
        <translation>Copy to computer</translation>
    </message>
    <message>
        <source>%d 曲チェックされています</source>
        <translation>Songs ticked: %d</translation>
    </message>
    <message>
        <source>%d 曲を読み込みました</source>
        <translation>Songs loaded: %d</translation>
    </message>
    <message>
        <source>メモの一覧</source>
        <translation>List of notes</translation>
    </message>
    <message>
        <source>取り込む</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>新規追加</source>
        <translation>New</translation>
    </message>
    <message>
        <source>インターネットから取り込む</source>
        <translation>Import from the Internet</translation>
    </message>
    <message>
        <source>メモを読み込みました</source>
        <translation>Notes loaded.</translation>
    </message>
    <message>
        <source>アドレス帳の一覧</source>
        <translation>List of contacts</translation>
    </message>
    <message>
        <source>追加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>アドレス帳を読み込みました</source>
        <translation>Contacts loaded.</translation>
    </message>
    <message>
        <source>スケジュールの一覧</source>
        <translation>List of events</translation>
    </message>
    <message>
        <source>古いものを削除</source>
        <translation>Delete past events</translation>
    </message>
    <message>
        <source>スケジュールを読み込みました</source>
        <translation>Events loaded.</translation>
    </message>
</context>
<context>
    <name>TLogForm</name>
    <message>
        <source>コピー結果のログ</source>
        <translation>Copy log</translation>
    </message>
    <message>
        <source>ここに表示されているファイルは正常に転送できなかったものです。</source>
        <translation>The files listed here could not be copied.</translation>
    </message>
    <message>
        <source>ログを保存(&amp;S)</source>
        <translation>&amp;Save log</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Close</translation>
    </message>
</context>
<context>
    <name>TMPlayerChecker</name>
    <message>
        <source>iPodの情報を取得中</source>
        <translation>Reading the iPod&apos;s information</translation>
    </message>
    <message>
        <source>曲サイズを取得中 - [ %s ]</source>
        <translation>Measuring the songs - [ %s ]</translation>
    </message>
    <message>
        <source>フォルダ[ %s ]でファイルの取得に失敗しました</source>
        <translation>Could not list the files in the folder [ %s ].</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>iPod</source>
        <translation>iPod</translation>
    </message>
    <message>
        <source>ソング</source>
        <translation>Songs</translation>
    </message>
    <message>
        <source>メモ</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>ニュース</source>
        <translation>News</translation>
    </message>
    <message>
        <source>アドレス</source>
        <translation>Contacts</translation>
    </message>
    <message>
        <source>カレンダ</source>
        <translation>Calendar</translation>
    </message>
    <message>
        <source>ToDo</source>
        <translation>To-do</translation>
    </message>
    <message>
        <source>フォト</source>
        <translation>Photos</translation>
    </message>
    <message>
        <source>ビデオ</source>
        <translation>Videos</translation>
    </message>
    <message>
        <source>デバグ</source>
        <translation>Debug</translation>
    </message>
    <message>
        <source>[接続待ち]</source>
        <translation>[Waiting for the iPod]</translation>
    </message>
    <message>
        <source>現在の画面ではドラッグされたファイルを登録できません</source>
        <translation>Dropped files cannot be added on this page.</translation>
    </message>
    <message>
        <source>ドラッグされたファイルを登録できません</source>
        <translation>The dropped file cannot be added.</translation>
    </message>
</context>
<context>
    <name>TMemoDivideForm</name>
    <message>
        <source>メモの分割設定</source>
        <translation>Note splitting</translation>
    </message>
    <message>
        <source>ファイルの設定</source>
        <translation>File</translation>
    </message>
    <message>
        <source>タイトル:</source>
        <translation>Title:</translation>
    </message>
    <message>
        <source>全角8文字以内でタイトルを設定してください</source>
        <translation>Enter a title of at most 8 full-width characters.</translation>
    </message>
    <message>
        <source>分割基準の設定:</source>
        <translation>Split at:</translation>
    </message>
    <message>
        <source>行で区切る</source>
        <translation>Line ends</translation>
    </message>
    <message>
        <source>読点句点等で区切る(和文)</source>
        <translation>Japanese punctuation (、。)</translation>
    </message>
    <message>
        <source>ピリオド等で区切る(英文)</source>
        <translation>Full stops and the like (English)</translation>
    </message>
    <message>
        <source>特に指定しない</source>
        <translation>Anywhere</translation>
    </message>
    <message>
        <source>分割基準文字数:</source>
        <translation>Characters per note:</translation>
    </message>
    <message>
        <source>その他の設定</source>
        <translation>Other settings</translation>
    </message>
    <message>
        <source>「次へ」のリンクを設定</source>
        <translation>Add &quot;Next&quot; links</translation>
    </message>
    <message>
        <source>メモの最後に続きとなるメモへのリンクを貼ります</source>
        <translation>Adds a link to the following note at the end of each note.</translation>
    </message>
    <message>
        <source>ルビ部分を除去</source>
        <translation>Remove ruby</translation>
    </message>
    <message>
        <source>青空文庫などの形式からルビ部分を自動で除去します</source>
        <translation>Removes the ruby (reading aids) from texts in Aozora Bunko and similar formats.</translation>
    </message>
    <message>
        <source>エンコードタグを追加</source>
        <translation>Add an encoding tag</translation>
    </message>
    <message>
        <source>ページ番号を付加</source>
        <translation>Add page numbers</translation>
    </message>
    <message>
        <source>タイトルタグを追加</source>
        <translation>Add a title tag</translation>
    </message>
    <message>
        <source>個別フォルダを作成</source>
        <translation>Create a folder for this text</translation>
    </message>
    <message>
        <source>見やすいようにフォルダの中にメモを作成します</source>
        <translation>Puts the notes into a folder of their own, for easier browsing.</translation>
    </message>
    <message>
        <source>この画面を毎回表示する</source>
        <translation>Show this window every time</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>キャンセル(&amp;C)</source>
        <translation>&amp;Cancel</translation>
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
    <message>
        <source>メモ</source>
        <extracomment>The name a new note is proposed under when its first line gives none</extracomment>
        <translation>Note</translation>
    </message>
</context>
<context>
    <name>TMemoForm</name>
    <message>
        <source>メモの編集 - [  ]</source>
        <translation>Edit note - [  ]</translation>
    </message>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>新規メモの作成</source>
        <translation>New note</translation>
    </message>
    <message>
        <source>メモの保存</source>
        <translation>Save note</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>変更した内容を元に戻す</source>
        <translation>Undo the last change</translation>
    </message>
    <message>
        <source>元に戻しなおします</source>
        <translation>Redo the change</translation>
    </message>
    <message>
        <source>メモ</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>新規作成(&amp;N)...</source>
        <translation>&amp;New...</translation>
    </message>
    <message>
        <source>上書き保存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>名前を付けて保存(&amp;A)...</source>
        <translation>Save &amp;as...</translation>
    </message>
    <message>
        <source>閉じる(&amp;X)</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>Ctrl+Y</source>
        <translation>Ctrl+Y</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>Ctrl+X</source>
        <translation>Ctrl+X</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>Ctrl+V</source>
        <translation>Ctrl+V</translation>
    </message>
</context>
<context>
    <name>TMemoTab</name>
    <message>
        <source>メモ</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>新規メモ</source>
        <translation>New note</translation>
    </message>
    <message>
        <source>iPodにテキストファイルを取り込みます</source>
        <translation>Imports text files onto the iPod as notes.</translation>
    </message>
    <message>
        <source>取り込む</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>編集(&amp;E)...</source>
        <translation>&amp;Edit...</translation>
    </message>
    <message>
        <source>新規メモを作成(&amp;N)</source>
        <translation>&amp;New note</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>テキストファイルを取り込む(&amp;I)...</source>
        <translation>&amp;Import text files...</translation>
    </message>
</context>
<context>
    <name>TMusicFolderScanner</name>
    <message>
        <source>曲情報を取得中 - [ %s ]</source>
        <translation>Reading song information - [ %s ]</translation>
    </message>
    <message>
        <source>フォルダ[ %s ]でファイル[ %s ]の取得に失敗しました</source>
        <translation>In the folder [ %s ], the file [ %s ] could not be read.</translation>
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
    <message>
        <source>[ %s ] の次の文字はShift-JISにないため「?」に置き換えました: %s</source>
        <extracomment>%s: the news site&apos;s name, then the characters, separated by blanks</extracomment>
        <translation>[ %s ]: these characters are not in Shift-JIS and were replaced with &quot;?&quot;: %s</translation>
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
    <name>TNewsTab</name>
    <message>
        <source>ニュースの一覧</source>
        <translation>News sites</translation>
    </message>
    <message>
        <source>右クリックするとメニューが表示されます</source>
        <translation>Right-click for more commands.</translation>
    </message>
    <message>
        <source>ダウンロード </source>
        <translation>Download </translation>
    </message>
    <message>
        <source>最新のRDFやHTMLデータをインターネットからダウンロードします</source>
        <translation>Downloads the latest RSS/RDF and HTML pages from the Internet onto the iPod.</translation>
    </message>
    <message>
        <source>新規追加</source>
        <translation>New</translation>
    </message>
    <message>
        <source>新しくサイトを追加します</source>
        <translation>Adds a new site.</translation>
    </message>
    <message>
        <source>編集</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>選択されているサイトを編集します</source>
        <translation>Edits the selected site.</translation>
    </message>
    <message>
        <source>ダウンロード更新(&amp;D)...</source>
        <translation>&amp;Download and update...</translation>
    </message>
    <message>
        <source>サイトの新規追加(&amp;N)</source>
        <translation>&amp;New site</translation>
    </message>
    <message>
        <source>サイトの編集(&amp;E)</source>
        <translation>&amp;Edit site</translation>
    </message>
    <message>
        <source>サイトを削除(&amp;D)</source>
        <translation>&amp;Delete site</translation>
    </message>
    <message>
        <source>デフォルトでサイトを全てクリア(&amp;A)</source>
        <translation>Reset &amp;all sites to the defaults</translation>
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
    <name>TPhotoAlbumListModel</name>
    <message>
        <source>アルバム</source>
        <translation>Album</translation>
    </message>
</context>
<context>
    <name>TPhotoCopyForm</name>
    <message>
        <source>写真画像の取り出し</source>
        <translation>Copy photos to computer</translation>
    </message>
    <message>
        <source>写真画像の取り出し設定</source>
        <translation>Settings for copying photos</translation>
    </message>
    <message>
        <source>出力先フォルダの指定</source>
        <translation>Destination folder</translation>
    </message>
    <message>
        <source>出力先のフォルダを入力できます</source>
        <translation>Type the destination folder here.</translation>
    </message>
    <message>
        <source>開く</source>
        <translation>Browse</translation>
    </message>
    <message>
        <source>フォルダを選択します</source>
        <translation>Chooses a folder.</translation>
    </message>
    <message>
        <source>画像の種類</source>
        <translation>Pictures</translation>
    </message>
    <message>
        <source>取り出せる画像の種類を選べます。</source>
        <translation>Choose which pictures to copy.</translation>
    </message>
    <message>
        <source>サムネイル画像</source>
        <translation>Thumbnails</translation>
    </message>
    <message>
        <source>フルサイズ画像</source>
        <translation>Full-size pictures</translation>
    </message>
    <message>
        <source>※注意事項</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>iTunesにおいて「フル解像度の写真を含める」の設定を行いませんと、フルサイズ画像の取り出しは行えません。</source>
        <translation>Full-size pictures can be copied only if &quot;Include full-resolution photos&quot; was turned on in iTunes.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TPhotoExporter</name>
    <message>
        <source>写真アルバム(%d/%d)のコピー中 %d%%</source>
        <translation>Copying photo album (%d/%d) %d%%</translation>
    </message>
    <message>
        <source>[ %1 ]のリネームに失敗しました</source>
        <translation>Could not rename [ %1 ]</translation>
    </message>
    <message>
        <source>ファイル %s を作成できません。%s</source>
        <translation>Cannot create the file %s. %s</translation>
    </message>
    <message>
        <source>フォトの取り出し</source>
        <translation>Copying photos to computer</translation>
    </message>
    <message>
        <source>フォルダ &quot;%s&quot; に写真ファイルを転送しました</source>
        <translation>Photos copied to the folder &quot;%s&quot;.</translation>
    </message>
    <message numerus="yes">
        <source>%n 枚の写真を転送できませんでした</source>
        <translation>
            <numerusform>%n photo could not be copied.</numerusform>
            <numerusform>%n photos could not be copied.</numerusform>
        </translation>
    </message>
    <message>
        <source>フォルダ &quot;%2&quot; に写真ファイルを %1 枚転送しました</source>
        <extracomment>%1 is the number of pictures written, %2 the folder</extracomment>
        <translation>Copied %1 photo files to the folder &quot;%2&quot;</translation>
    </message>
    <message numerus="yes">
        <source>%n 枚の写真を読み込めませんでした</source>
        <translation>
            <numerusform>%n photo could not be read</numerusform>
            <numerusform>%n photos could not be read</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TPhotoForm</name>
    <message>
        <source>フォトビューア</source>
        <translation>Photo viewer</translation>
    </message>
    <message>
        <source>ビューアを閉じる</source>
        <translation>Close the viewer</translation>
    </message>
    <message>
        <source>ファイルに保存する</source>
        <translation>Save to a file</translation>
    </message>
    <message>
        <source>クリップボードにコピーする</source>
        <translation>Copy to the clipboard</translation>
    </message>
    <message>
        <source>前の画像へ</source>
        <translation>Previous picture</translation>
    </message>
    <message>
        <source>次の画像へ</source>
        <translation>Next picture</translation>
    </message>
    <message>
        <source>クリックで終了、 ホイールで画像切り替えができます</source>
        <translation>Click to close, turn the wheel to change pictures.</translation>
    </message>
    <message>
        <source>フォト</source>
        <translation>Photo</translation>
    </message>
</context>
<context>
    <name>TPhotoGridModel</name>
    <message>
        <source>情報の整理中...</source>
        <translation>Arranging the information...</translation>
    </message>
</context>
<context>
    <name>TPhotoTab</name>
    <message>
        <source>フォトの一覧</source>
        <translation>Photos</translation>
    </message>
    <message>
        <source>アルバム</source>
        <translation>Albums</translation>
    </message>
    <message>
        <source>フォト</source>
        <translation>Photos</translation>
    </message>
    <message>
        <source>フォトを見る</source>
        <translation>View photo</translation>
    </message>
    <message>
        <source>フルサイズ画像を表示します</source>
        <translation>Shows the full-size picture.</translation>
    </message>
    <message>
        <source>フォトを取り出す</source>
        <translation>Copy to computer</translation>
    </message>
    <message>
        <source>アルバム単位でフルサイズ画像を取り出します</source>
        <translation>Copies the pictures of the ticked albums to the computer.</translation>
    </message>
    <message>
        <source>全てを選択(&amp;A)</source>
        <translation>Tick &amp;all</translation>
    </message>
    <message>
        <source>全ての選択を解除(&amp;R)</source>
        <translation>Clea&amp;r all ticks</translation>
    </message>
    <message>
        <source>フォトを取り出す(&amp;X)</source>
        <translation>&amp;Copy photos to computer</translation>
    </message>
    <message>
        <source>iPod内にフォトデータが見つかりません</source>
        <translation>No photos were found on the iPod</translation>
    </message>
    <message>
        <source>サムネイルの取得</source>
        <translation>Reading thumbnails</translation>
    </message>
    <message numerus="yes">
        <source>%d 枚のサムネイル画像を取得しました</source>
        <translation>
            <numerusform>Read %d thumbnail</numerusform>
            <numerusform>Read %d thumbnails</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TPhotoViewer</name>
    <message>
        <source>ファイル[ %s ]は存在しません</source>
        <translation>The file [ %s ] does not exist.</translation>
    </message>
    <message>
        <source>対応できないファイル形式です</source>
        <translation>This file format is not supported.</translation>
    </message>
    <message>
        <source>同名のファイルが存在します。上書きしてもよろしいですか？</source>
        <translation>A file with the same name exists. Overwrite it?</translation>
    </message>
    <message>
        <source>ファイル[ %s ]を転送できませんでした (%s)</source>
        <translation>Could not copy the file [ %s ] (%s).</translation>
    </message>
    <message>
        <source>ファイル[ %s ]を&quot; %s &quot;に転送しました</source>
        <translation>Copied the file [ %s ] to &quot;%s&quot;.</translation>
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
    <message numerus="yes">
        <source>[ %1 ] には %n 件の項目が入っています。編集できるのはファイルの最初の項目だけで、保存するとこのファイルを書き換えます。編集してもよろしいですか？</source>
        <extracomment>%1 is the file, %n the number of cards, events or to-dos in it</extracomment>
        <translation>
            <numerusform>[ %1 ] holds %n entry. Only the first entry of the file can be edited, and saving rewrites this file. Edit it?</numerusform>
            <numerusform>[ %1 ] holds %n entries. Only the first entry of the file can be edited, and saving rewrites this file. Edit it?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>[ %1 ] (%n 件)</source>
        <extracomment>%1 is a file, %n the number of cards, events or to-dos in it</extracomment>
        <translation>
            <numerusform>[ %1 ] (%n entry)</numerusform>
            <numerusform>[ %1 ] (%n entries)</numerusform>
        </translation>
    </message>
    <message>
        <source>次のファイルには複数の項目が入っていて、ファイルごと削除されます: %1</source>
        <extracomment>Comes before the deletion question; %1 lists the files with their number of entries</extracomment>
        <translation>These files hold several entries and are deleted whole: %1</translation>
    </message>
</context>
<context>
    <name>TPlayCounts</name>
    <message>
        <source>再生回数のファイル (Play Counts) が壊れているので使いません。%s</source>
        <translation>The play count file (Play Counts) is damaged and is not used. %s</translation>
    </message>
    <message>
        <source>再生回数のファイル (Play Counts) を開けません。%s</source>
        <translation>Cannot open the play count file (Play Counts). %s</translation>
    </message>
    <message>
        <source>大きすぎます</source>
        <translation>It is too large.</translation>
    </message>
    <message>
        <source>ヘッダーが不正です</source>
        <translation>Its header is invalid.</translation>
    </message>
    <message>
        <source>途中で終わっています</source>
        <translation>It ends early.</translation>
    </message>
    <message>
        <source>回数が不正です</source>
        <translation>A count is invalid.</translation>
    </message>
    <message>
        <source>再生回数のファイル (Play Counts) の曲数 (%d) が曲データベース (%d) と合わないので使いません</source>
        <translation>The play count file (Play Counts) is not used: its number of songs (%d) does not match the song database (%d).</translation>
    </message>
</context>
<context>
    <name>TPlayListBranch</name>
    <message>
        <source>プレイリスト</source>
        <translation>Playlists</translation>
    </message>
</context>
<context>
    <name>TPlayListSongModel</name>
    <message>
        <source>位置</source>
        <extracomment>Column: the song&apos;s place in the playlist</extracomment>
        <translation>Position</translation>
    </message>
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
</context>
<context>
    <name>TPlayerPage</name>
    <message>
        <source>iPodの情報</source>
        <translation>iPod information</translation>
    </message>
    <message>
        <source>名前:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>ドライブレター:</source>
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
        <source>音楽フォルダにある音楽ファイルの数です（ファイルのない曲とビデオは数えません）</source>
        <translation>The number of music files in the music folder (songs without a file and videos are not counted).</translation>
    </message>
    <message>
        <source>ソングタブの曲数:</source>
        <translation>On the Songs tab:</translation>
    </message>
    <message>
        <source>データベースにある曲の数です（ビデオを除き、ファイルが見つからない曲も数えます）</source>
        <translation>The number of songs in the database (without videos; songs whose file is missing are counted).</translation>
    </message>
    <message>
        <source>ソングタブの曲数</source>
        <translation>Songs on the Songs tab</translation>
    </message>
    <message>
        <source>曲サイズ:</source>
        <translation>Size of songs:</translation>
    </message>
    <message>
        <source>iPodの状態</source>
        <translation>iPod status</translation>
    </message>
    <message>
        <source>認識されていません</source>
        <translation>Not detected</translation>
    </message>
    <message>
        <source>取り外し</source>
        <translation>Eject</translation>
    </message>
    <message>
        <source>再認識</source>
        <translation>Detect again</translation>
    </message>
    <message>
        <source>詳細な情報</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>設定</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>Help</translation>
    </message>
    <message numerus="yes">
        <source>%.0n 曲</source>
        <translation>
            <numerusform>%.0n song</numerusform>
            <numerusform>%.0n songs</numerusform>
        </translation>
    </message>
    <message>
        <source>iPodを取り外せませんでした。
%s</source>
        <translation>The iPod could not be ejected.
%s</translation>
    </message>
    <message>
        <source>Sorvoのヘルプが見つかりません</source>
        <translation>Sorvo&apos;s help could not be found.</translation>
    </message>
</context>
<context>
    <name>TProgressForm</name>
    <message>
        <source>準備中...</source>
        <translation>Preparing...</translation>
    </message>
    <message>
        <source>作業を途中で中断させます</source>
        <translation>Stops the work before it is finished.</translation>
    </message>
    <message>
        <source>キャンセル(&amp;C)</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>TScheduleForm</name>
    <message>
        <source>スケジュールの編集</source>
        <translation>Edit event</translation>
    </message>
    <message>
        <source>スケジュール内容</source>
        <translation>Event</translation>
    </message>
    <message>
        <source>件名:</source>
        <translation>Title:</translation>
    </message>
    <message>
        <source>スケジュールのタイトルを設定します</source>
        <translation>The title of the event.</translation>
    </message>
    <message>
        <source>待ち合わせ</source>
        <translation>Appointment</translation>
    </message>
    <message>
        <source>試験・テスト</source>
        <translation>Exam</translation>
    </message>
    <message>
        <source>宿題・レポート</source>
        <translation>Homework</translation>
    </message>
    <message>
        <source>起床</source>
        <translation>Wake up</translation>
    </message>
    <message>
        <source>旅行</source>
        <translation>Trip</translation>
    </message>
    <message>
        <source>買い物</source>
        <translation>Shopping</translation>
    </message>
    <message>
        <source>デート</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>飲み会</source>
        <translation>Drinks</translation>
    </message>
    <message>
        <source>誕生日</source>
        <translation>Birthday</translation>
    </message>
    <message>
        <source>会議・打ち合わせ</source>
        <translation>Meeting</translation>
    </message>
    <message>
        <source>内容:</source>
        <translation>Description:</translation>
    </message>
    <message>
        <source>スケジュールについてのコメントを入力します</source>
        <translation>A comment on the event.</translation>
    </message>
    <message>
        <source>分類:</source>
        <translation>Category:</translation>
    </message>
    <message>
        <source>特に記入の必要はありません</source>
        <translation>May be left empty.</translation>
    </message>
    <message>
        <source>クラス:</source>
        <translation>Class:</translation>
    </message>
    <message>
        <source>重要度:</source>
        <translation>Priority:</translation>
    </message>
    <message>
        <source>開始日時:</source>
        <translation>Start:</translation>
    </message>
    <message>
        <source>開始時刻</source>
        <translation>Start time</translation>
    </message>
    <message>
        <source>終了日時:</source>
        <translation>End:</translation>
    </message>
    <message>
        <source>終了日</source>
        <translation>End date</translation>
    </message>
    <message>
        <source>終了時刻</source>
        <translation>End time</translation>
    </message>
    <message>
        <source>開始日時をコピー</source>
        <translation>Copy start</translation>
    </message>
    <message>
        <source>終了日時に開始日時を設定します</source>
        <translation>Sets the end to the start date and time.</translation>
    </message>
    <message>
        <source>アラームの使用:</source>
        <translation>Alarm:</translation>
    </message>
    <message>
        <source>設定時刻になるとアラームを鳴らすようにします</source>
        <translation>Sounds an alarm at the set time.</translation>
    </message>
    <message>
        <source>アラームの日付</source>
        <translation>Alarm date</translation>
    </message>
    <message>
        <source>アラームの時刻</source>
        <translation>Alarm time</translation>
    </message>
    <message>
        <source>アラーム再生時間に開始日時を設定します</source>
        <translation>Sets the alarm to the start date and time.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>キャンセル(&amp;C)</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>現在の重要度は [ %d ] です</source>
        <translation>The priority is [ %d ]</translation>
    </message>
</context>
<context>
    <name>TScrobbleLog</name>
    <message>
        <source>ファイル %1 を読み込めません。%2</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason</extracomment>
        <translation>Cannot read the file %1. %2</translation>
    </message>
    <message>
        <source>%1 はスクロブルログではないため、書き込みませんでした。別のファイルを指定してください</source>
        <extracomment>%1 is the file chosen for the log</extracomment>
        <translation>%1 is not a scrobble log and was left as it is. Choose another file.</translation>
    </message>
    <message numerus="yes">
        <source>%n 件の再生を %1 に追記しました</source>
        <translation>
            <numerusform>Added %n play to %1.</numerusform>
            <numerusform>Added %n plays to %1.</numerusform>
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
    <message numerus="yes">
        <source> (ログにすでにある %n 件は加えていません)</source>
        <extracomment>Appended to the message above; %n is a number of plays</extracomment>
        <translation>
            <numerusform> (%n play already in the log not added again)</numerusform>
            <numerusform> (%n plays already in the log not added again)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TSettingsLock</name>
    <message>
        <source>設定ファイル %s は他の sorvo が使用中です。しばらくしてからやり直してください</source>
        <translation>The settings file %s is in use by another sorvo. Please try again in a moment.</translation>
    </message>
    <message>
        <source>設定ファイル %s をロックできません (書き込みの権限がありません)</source>
        <translation>Cannot lock the settings file %s (no permission to write).</translation>
    </message>
    <message>
        <source>設定ファイル %s をロックできません</source>
        <translation>Cannot lock the settings file %s.</translation>
    </message>
</context>
<context>
    <name>TShiftJisLoss</name>
    <message>
        <source>次の文字はShift-JISにないため「?」に置き換わります: %1
保存しますか？</source>
        <extracomment>%1 lists the characters, separated by blanks</extracomment>
        <translation>These characters are not in Shift-JIS and will be replaced with &quot;?&quot;: %1
Save anyway?</translation>
    </message>
</context>
<context>
    <name>TSongCopier</name>
    <message>
        <source>(%d/%d) [ %s ]をコピー中</source>
        <translation>(%d/%d) Copying [ %s ]</translation>
    </message>
    <message>
        <source>[ %1 ]のコピーに失敗しました</source>
        <translation>Could not copy [ %1 ]</translation>
    </message>
    <message>
        <source>[ %1 ]のリネームに失敗しました</source>
        <translation>Could not rename [ %1 ]</translation>
    </message>
    <message>
        <source>コピーしましたがタグを書き込めませんでした (%s)</source>
        <translation>Copied, but the tags could not be written (%s)</translation>
    </message>
    <message>
        <source>出力先フォルダ &quot;%s&quot; が見つからなくなったため転送を中止しました。ビデオファイルを %d 本転送しました</source>
        <translation>The destination folder &quot;%s&quot; could no longer be found, so copying stopped. Videos copied: %d.</translation>
    </message>
    <message>
        <source>出力先フォルダ &quot;%s&quot; が見つからなくなったため転送を中止しました。音楽ファイルを %d 曲転送しました</source>
        <translation>The destination folder &quot;%s&quot; could no longer be found, so copying stopped. Songs copied: %d.</translation>
    </message>
    <message>
        <source>転送を中止しました。フォルダ &quot;%s&quot; にビデオファイルを %d 本転送しました</source>
        <translation>Copying stopped. Videos copied to the folder &quot;%s&quot;: %d.</translation>
    </message>
    <message>
        <source>転送を中止しました。フォルダ &quot;%s&quot; に音楽ファイルを %d 曲転送しました</source>
        <translation>Copying stopped. Songs copied to the folder &quot;%s&quot;: %d.</translation>
    </message>
    <message>
        <source>フォルダ &quot;%s&quot; にビデオファイルを全て転送しました</source>
        <translation>All videos copied to the folder &quot;%s&quot;.</translation>
    </message>
    <message>
        <source>フォルダ &quot;%s&quot; にビデオファイルを %d 本転送しました(スキップは %d 本)</source>
        <translation>Videos copied to the folder &quot;%s&quot;: %d (%d skipped).</translation>
    </message>
    <message>
        <source>フォルダ &quot;%s&quot; に音楽ファイルを全曲転送しました</source>
        <translation>All songs copied to the folder &quot;%s&quot;.</translation>
    </message>
    <message>
        <source>フォルダ &quot;%s&quot; に音楽ファイルを %d 曲転送しました(スキップは %d 曲)</source>
        <translation>Songs copied to the folder &quot;%s&quot;: %d (%d skipped).</translation>
    </message>
    <message>
        <source>楽曲の転送状況</source>
        <translation>Copying songs to computer</translation>
    </message>
    <message>
        <source>プレーヤーが取り外されたため転送を中止しました。フォルダ &quot;%s&quot; にビデオファイルを %d 本転送しました</source>
        <translation>Copying stopped because the player was removed. Videos copied to the folder &quot;%s&quot;: %d.</translation>
    </message>
    <message>
        <source>プレーヤーが取り外されたため転送を中止しました。フォルダ &quot;%s&quot; に音楽ファイルを %d 曲転送しました</source>
        <translation>Copying stopped because the player was removed. Songs copied to the folder &quot;%s&quot;: %d.</translation>
    </message>
</context>
<context>
    <name>TSongCopyCfgForm</name>
    <message>
        <source>曲データの取り出し</source>
        <translation>Copy songs to computer</translation>
    </message>
    <message>
        <source>曲データの取り出し詳細設定</source>
        <translation>Settings for copying songs</translation>
    </message>
    <message>
        <source>出力先フォルダの指定</source>
        <translation>Destination folder</translation>
    </message>
    <message>
        <source>出力先のフォルダを入力できます</source>
        <translation>Type the destination folder here.</translation>
    </message>
    <message>
        <source>開く</source>
        <translation>Browse</translation>
    </message>
    <message>
        <source>フォルダを選択します</source>
        <translation>Chooses a folder.</translation>
    </message>
    <message>
        <source>出力先フォルダの状態</source>
        <translation>State of the destination folder</translation>
    </message>
    <message>
        <source>転送オプション</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>歌手ごとにフォルダを作成</source>
        <translation>A folder for each artist</translation>
    </message>
    <message>
        <source>アーティストごとにフォルダ分けを行います</source>
        <translation>Sorts the copies into one folder per artist.</translation>
    </message>
    <message>
        <source>アルバムごとにフォルダを作成</source>
        <translation>A folder for each album</translation>
    </message>
    <message>
        <source>ファイル名にトラック番号を付加</source>
        <translation>Track number in the file name</translation>
    </message>
    <message>
        <source>iTunesインポートファイルを作成</source>
        <translation>Create an iTunes import file</translation>
    </message>
    <message>
        <source>タグとアートワークを書き込む</source>
        <translation>Write tags and artwork</translation>
    </message>
    <message>
        <source>データベースの曲名やアーティスト、アートワークをコピーしたファイルに書き込みます (MP3 と MPEG-4)</source>
        <translation>Writes the title, artist and artwork from the database into the copied files (MP3 and MPEG-4).</translation>
    </message>
    <message>
        <source>ファイル名の補正設定</source>
        <translation>File name correction</translation>
    </message>
    <message>
        <source>ファイル名の補正の形式を設定します</source>
        <translation>How the file names are corrected.</translation>
    </message>
    <message>
        <source>歌手-曲名</source>
        <translation>Artist-Title</translation>
    </message>
    <message>
        <source>曲名</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>変更しない</source>
        <translation>Keep as is</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>取り出しを開始します</source>
        <translation>Starts copying.</translation>
    </message>
    <message>
        <source>キャンセル(&amp;C)</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>取り出しをキャンセルします</source>
        <translation>Cancels the copy.</translation>
    </message>
    <message>
        <source>ビデオデータの取り出し</source>
        <translation>Copy videos to computer</translation>
    </message>
    <message>
        <source>ビデオデータの取り出し詳細設定</source>
        <translation>Settings for copying videos</translation>
    </message>
</context>
<context>
    <name>TSongFindForm</name>
    <message>
        <source>曲の検索</source>
        <translation>Find songs</translation>
    </message>
    <message>
        <source>検索対象の指定</source>
        <translation>Search for</translation>
    </message>
    <message>
        <source>半角スペースで区切って複数を選択できます</source>
        <translation>Separate several words with spaces.</translation>
    </message>
    <message>
        <source>スペースで区切って複数指定が可能です</source>
        <translation>Several words can be given, separated by spaces.</translation>
    </message>
    <message>
        <source>検索条件</source>
        <translation>Search in</translation>
    </message>
    <message>
        <source>対象となる検索項目を指定できます</source>
        <translation>Choose the field to search.</translation>
    </message>
    <message>
        <source>歌手</source>
        <translation>Artist</translation>
    </message>
    <message>
        <source>曲名</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>アルバム</source>
        <translation>Album</translation>
    </message>
    <message>
        <source>全て</source>
        <translation>All</translation>
    </message>
    <message>
        <source>プレイリスト</source>
        <translation>Playlist</translation>
    </message>
    <message>
        <source>アーティスト</source>
        <translation>Artists</translation>
    </message>
    <message>
        <source>チェックされたアーティストを、選択することができます</source>
        <translation>The songs of the artists ticked here are ticked.</translation>
    </message>
    <message>
        <source>アーティストの名前</source>
        <translation>Artist name</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>確定して検索を行います</source>
        <translation>Starts the search.</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TSongInfoForm</name>
    <message>
        <source>音楽ファイルの詳細情報</source>
        <translation>Song details</translation>
    </message>
    <message>
        <source>概要</source>
        <translation>Summary</translation>
    </message>
    <message>
        <source>アートワーク</source>
        <translation>Artwork</translation>
    </message>
    <message>
        <source>歌詞</source>
        <translation>Lyrics</translation>
    </message>
    <message>
        <source>全てコピー</source>
        <translation>Copy all</translation>
    </message>
    <message>
        <source>歌詞をクリップボードにコピーします</source>
        <translation>Copies the lyrics to the clipboard.</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>歌詞をファイルに保存します</source>
        <translation>Saves the lyrics to a file.</translation>
    </message>
    <message>
        <source>右クリックでアートワークを保存できます</source>
        <translation>Right-click to save the artwork.</translation>
    </message>
    <message>
        <source>アートワークをファイルに保存します</source>
        <translation>Saves the artwork to a file.</translation>
    </message>
    <message>
        <source>コピー</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>アートワークをクリップボードにコピーします</source>
        <translation>Copies the artwork to the clipboard.</translation>
    </message>
    <message>
        <source>この曲をチェックする(&amp;C)</source>
        <translation>&amp;Tick this song</translation>
    </message>
    <message>
        <source>iPodから取り出したい曲としてチェック項目に追加します</source>
        <translation>Ticks the song for copying from the iPod to the computer.</translation>
    </message>
    <message>
        <source>再生(&amp;P)</source>
        <translation>&amp;Play</translation>
    </message>
    <message>
        <source>閉じる(&amp;X)</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>全てを選択(&amp;L)</source>
        <translation>Select &amp;all</translation>
    </message>
    <message>
        <source>ファイルに保存(&amp;S)...</source>
        <translation>&amp;Save to file...</translation>
    </message>
    <message>
        <source>クリップボードにコピー(&amp;C)</source>
        <translation>&amp;Copy to clipboard</translation>
    </message>
    <message>
        <source>ビデオファイルの詳細情報</source>
        <translation>Video details</translation>
    </message>
    <message>
        <source>歌詞情報はありませんでした</source>
        <translation>No lyrics were found.</translation>
    </message>
    <message>
        <source>アートワーク情報はありませんでした</source>
        <translation>No artwork was found.</translation>
    </message>
    <message>
        <source>[ %s ]は既に存在します。上書き保存してもよろしいですか？</source>
        <translation>[ %s ] already exists. Do you want to replace it?</translation>
    </message>
    <message>
        <source>歌詞情報の保存</source>
        <translation>Save lyrics</translation>
    </message>
    <message>
        <source>テキストファイル(*.TXT)|*.TXT|全てのファイル(*.*)|*.*</source>
        <extracomment>File type filters of the save dialog: name|pattern|...</extracomment>
        <translation>Text files (*.TXT)|*.TXT|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>アートワークの保存</source>
        <translation>Save artwork</translation>
    </message>
    <message>
        <source>JPEG イメージファイル (*.jpg)|*.jpg;*.jpeg;*.jpe|ビットマップ (*.bmp)|*.bmp</source>
        <extracomment>File type filters of the save dialog: name|patterns|...; the JPEG type comes first</extracomment>
        <translation>JPEG images (*.jpg)|*.jpg;*.jpeg;*.jpe|Bitmaps (*.bmp)|*.bmp</translation>
    </message>
</context>
<context>
    <name>TSongListData</name>
    <message>
        <source>準備中... %d %%</source>
        <translation>Preparing... %d%%</translation>
    </message>
    <message>
        <source>音楽ファイルの一覧取得</source>
        <translation>Listing the music files</translation>
    </message>
    <message>
        <source>%d 曲を選択しています ( 合計 %.1n MB )</source>
        <translation>Songs selected: %d (%.1n MB in all)</translation>
    </message>
</context>
<context>
    <name>TSongListModel</name>
    <message>
        <source>曲名</source>
        <translation>Song</translation>
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
        <source>再生回数</source>
        <translation>Play count</translation>
    </message>
    <message>
        <source>最後の再生</source>
        <translation>Last played</translation>
    </message>
    <message>
        <source>マイレート</source>
        <translation>My rating</translation>
    </message>
</context>
<context>
    <name>TSongTab</name>
    <message>
        <source>収録曲の一覧</source>
        <translation>Songs on the iPod</translation>
    </message>
    <message>
        <source>右クリックでメニューが表示されます</source>
        <translation>Right-click for more commands.</translation>
    </message>
    <message>
        <source>アーティストとアルバム</source>
        <translation>Artists and albums</translation>
    </message>
    <message>
        <source>取り出し</source>
        <translation>Copy to computer</translation>
    </message>
    <message>
        <source>PCのHDD等にiPodの中にある曲を転送します</source>
        <translation>Copies the ticked songs from the iPod to the computer.</translation>
    </message>
    <message>
        <source>検索</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>取り出す曲を検索条件で自動チェックできます</source>
        <translation>Ticks the songs that match a search.</translation>
    </message>
    <message>
        <source>詳細情報</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>曲の詳細なデータを表示します</source>
        <translation>Shows the details of the song.</translation>
    </message>
    <message>
        <source>再生履歴</source>
        <translation>Play history</translation>
    </message>
    <message>
        <source>前回の同期からの再生をスクロブルログに書き出します</source>
        <translation>Exports the plays since the last sync to a scrobbler log.</translation>
    </message>
    <message>
        <source>全てを選択(&amp;L)</source>
        <translation>Tick a&amp;ll</translation>
    </message>
    <message>
        <source>全ての選択を解除(&amp;R)</source>
        <translation>Clea&amp;r all ticks</translation>
    </message>
    <message>
        <source>曲を取り出す(&amp;X)</source>
        <translation>&amp;Copy songs to computer</translation>
    </message>
    <message>
        <source>曲の検索(&amp;F)</source>
        <translation>&amp;Find songs</translation>
    </message>
    <message>
        <source>曲の詳細情報</source>
        <translation>Song details</translation>
    </message>
    <message>
        <source>選択中のアーティストの曲をチェック(&amp;C)</source>
        <translation>&amp;Tick the selected artist&apos;s songs</translation>
    </message>
    <message>
        <source>ツリーを展開する(&amp;E)</source>
        <translation>&amp;Expand the tree</translation>
    </message>
    <message>
        <source>ツリーを閉じる(&amp;L)</source>
        <translation>Co&amp;llapse the tree</translation>
    </message>
    <message>
        <source>このプレイリストを取り出す</source>
        <translation>Copy this playlist to computer</translation>
    </message>
    <message>
        <source>プレイリスト %s を書き込みました</source>
        <translation>Wrote the playlist %s</translation>
    </message>
    <message>
        <source>再生履歴の書き出し</source>
        <translation>Export play history</translation>
    </message>
    <message>
        <source>スクロブルログ|*.log</source>
        <extracomment>File type filter of the save dialog: name|pattern</extracomment>
        <translation>Scrobbler log|*.log</translation>
    </message>
    <message numerus="yes">
        <source> (再生日時のない %d 曲の再生は含めていません)</source>
        <extracomment>Appended to the message that the plays were written; %d is a number of plays</extracomment>
        <translation>
            <numerusform> (the plays of %d song without a play date are left out)</numerusform>
            <numerusform> (the plays of %d songs without a play date are left out)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TSpecForm</name>
    <message>
        <source>iPodの詳細な情報</source>
        <translation>iPod details</translation>
    </message>
    <message>
        <source>概要</source>
        <translation>Summary</translation>
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
        <source>iPodの名前:</source>
        <translation>iPod name:</translation>
    </message>
    <message>
        <source>オーナー:</source>
        <translation>Owner:</translation>
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
        <source>容量:</source>
        <translation>Capacity:</translation>
    </message>
    <message>
        <source>曲数:</source>
        <translation>Number of songs:</translation>
    </message>
    <message>
        <source>曲の大きさ:</source>
        <translation>Size of songs:</translation>
    </message>
    <message>
        <source>情報ファイル</source>
        <translation>Information file</translation>
    </message>
    <message>
        <source>スキャンディスク</source>
        <translation>Disk check</translation>
    </message>
    <message>
        <source>※iPod内のデータの損傷をチェックし修正を行います。iPod nanoやShuffleには絶対に使用しないで下さい。</source>
        <translation>Note: this checks the data on the iPod for damage and repairs it. Never use it on an iPod nano or Shuffle.</translation>
    </message>
    <message>
        <source>iPodをスキャンディスク</source>
        <translation>Check the iPod&apos;s disk</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>全てを選択(&amp;L)</source>
        <translation>Select &amp;all</translation>
    </message>
    <message>
        <source>※iPod内のデータの損傷をチェックします。読み取りのみで、修正は行いません。iPod nanoやShuffleには絶対に使用しないで下さい。</source>
        <translation>Note: this checks the data on the iPod for damage. It only reads and repairs nothing. Never use it on an iPod nano or Shuffle.</translation>
    </message>
    <message>
        <source>※%1</source>
        <extracomment>%1 is why this drive cannot be checked; ※ marks a note</extracomment>
        <translation>Note: %1</translation>
    </message>
    <message>
        <source>このドライブはスキャンディスクできません</source>
        <translation>This drive cannot be checked.</translation>
    </message>
    <message>
        <source>iPodをスキャンディスクしてもよろしいですか？意味のわからない方は、「いいえ」を選択して作業を中止してください。</source>
        <translation>Do you want to check the iPod&apos;s disk? If you are not sure what this means, choose &quot;No&quot; to stop.</translation>
    </message>
    <message>
        <source>エラー情報</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>スキャンディスクの起動に失敗しました。</source>
        <translation>The disk check could not be started.</translation>
    </message>
</context>
<context>
    <name>TSpecValues</name>
    <message>
        <source>%.0n 曲</source>
        <translation>%.0n songs</translation>
    </message>
    <message>
        <source>第%1世代</source>
        <translation>Generation %1</translation>
    </message>
    <message>
        <source>不明</source>
        <translation>Unknown</translation>
    </message>
</context>
<context>
    <name>TTagEmbedder</name>
    <message>
        <source>MP3 ファイルとして読めません</source>
        <translation>cannot be read as an MP3 file</translation>
    </message>
    <message>
        <source>ファイルに書き込めません</source>
        <translation>cannot write to the file</translation>
    </message>
    <message>
        <source>タグを保存できません</source>
        <translation>cannot save the tags</translation>
    </message>
    <message>
        <source>MPEG-4 ファイルとして読めません</source>
        <translation>cannot be read as an MPEG-4 file</translation>
    </message>
    <message>
        <source>タグを書き込めません</source>
        <translation>cannot write the tags</translation>
    </message>
</context>
<context>
    <name>TTagSource</name>
    <message>
        <source>ファイル %s を開けません。%s</source>
        <translation>Cannot open the file %s. %s</translation>
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
    <message numerus="yes">
        <source>[ %1 ] はUTF-8のテキストとして読み込みました。壊れたバイト列 %n か所は「?」に置き換えました</source>
        <extracomment>%1 is a file name, %n the number of damaged byte sequences</extracomment>
        <translation>
            <numerusform>[ %1 ] was read as UTF-8 text. %n broken byte sequence was replaced with &quot;?&quot;.</numerusform>
            <numerusform>[ %1 ] was read as UTF-8 text. %n broken byte sequences were replaced with &quot;?&quot;.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TToDoForm</name>
    <message>
        <source>ToDo編集</source>
        <translation>Edit to-do item</translation>
    </message>
    <message>
        <source>ToDoの内容</source>
        <translation>To-do item</translation>
    </message>
    <message>
        <source>件名:</source>
        <translation>Title:</translation>
    </message>
    <message>
        <source>タスクのタイトルを設定します</source>
        <translation>The title of the to-do item.</translation>
    </message>
    <message>
        <source>宿題</source>
        <translation>Homework</translation>
    </message>
    <message>
        <source>レポート</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>実験</source>
        <translation>Experiment</translation>
    </message>
    <message>
        <source>テスト</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>会議</source>
        <translation>Meeting</translation>
    </message>
    <message>
        <source>打ち合わせ</source>
        <translation>Discussion</translation>
    </message>
    <message>
        <source>買い物</source>
        <translation>Shopping</translation>
    </message>
    <message>
        <source>支払い</source>
        <translation>Payment</translation>
    </message>
    <message>
        <source>契約</source>
        <translation>Contract</translation>
    </message>
    <message>
        <source>申し込み</source>
        <translation>Sign-up</translation>
    </message>
    <message>
        <source>申請</source>
        <translation>Application</translation>
    </message>
    <message>
        <source>郵送</source>
        <translation>Post</translation>
    </message>
    <message>
        <source>受け取り</source>
        <translation>Pick-up</translation>
    </message>
    <message>
        <source>製作</source>
        <translation>Making</translation>
    </message>
    <message>
        <source>作業</source>
        <translation>Work</translation>
    </message>
    <message>
        <source>内容:</source>
        <translation>Description:</translation>
    </message>
    <message>
        <source>タスクについてのコメントを入力します</source>
        <translation>A comment on the to-do item.</translation>
    </message>
    <message>
        <source>期限:</source>
        <translation>Due:</translation>
    </message>
    <message>
        <source>期限の時刻</source>
        <translation>Due time</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>キャンセル(&amp;C)</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>TToDoTab</name>
    <message>
        <source>ToDoの一覧</source>
        <translation>To-do list</translation>
    </message>
    <message>
        <source>新しくToDoを追加します</source>
        <translation>Adds a new to-do item.</translation>
    </message>
    <message>
        <source>新規追加</source>
        <translation>New</translation>
    </message>
    <message>
        <source>選択されているToDoを編集します</source>
        <translation>Edits the selected to-do item.</translation>
    </message>
    <message>
        <source>タスク編集 </source>
        <translation>Edit </translation>
    </message>
    <message>
        <source>期限を経過したToDoを削除します</source>
        <translation>Deletes the to-do items that are past due.</translation>
    </message>
    <message>
        <source>期限切れの削除</source>
        <translation>Delete overdue</translation>
    </message>
    <message>
        <source>右クリックするとメニューが表示されます</source>
        <translation>Right-click for more commands.</translation>
    </message>
    <message>
        <source>タスクの新規追加(&amp;A)</source>
        <translation>&amp;Add to-do item</translation>
    </message>
    <message>
        <source>タスクの編集(&amp;E)...</source>
        <translation>&amp;Edit to-do item...</translation>
    </message>
    <message>
        <source>タスクの削除(&amp;D)</source>
        <translation>&amp;Delete to-do item</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>期限切れタスクの削除(&amp;L)</source>
        <translation>De&amp;lete overdue items</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
</context>
<context>
    <name>TTransferLogModel</name>
    <message>
        <source>曲名</source>
        <translation>Song</translation>
    </message>
    <message>
        <source>アーティスト</source>
        <translation>Artist</translation>
    </message>
    <message>
        <source>エラー状況</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>TVideoListData</name>
    <message>
        <source>読み込み中... %d %%</source>
        <translation>Loading... %d%%</translation>
    </message>
    <message>
        <source>ビデオの取得</source>
        <translation>Loading the videos</translation>
    </message>
    <message numerus="yes">
        <source>%n 本のビデオを取得しました</source>
        <translation>
            <numerusform>%n video loaded.</numerusform>
            <numerusform>%n videos loaded.</numerusform>
        </translation>
    </message>
    <message>
        <source>%d 本をチェックしています ( 全体で %.1n MB )</source>
        <translation>Videos ticked: %d (%.1n MB in all)</translation>
    </message>
</context>
<context>
    <name>TVideoListModel</name>
    <message>
        <source>ビデオ</source>
        <translation>Video</translation>
    </message>
</context>
<context>
    <name>TVideoTab</name>
    <message>
        <source>収録ビデオの一覧</source>
        <translation>Videos on the iPod</translation>
    </message>
    <message>
        <source>取り出し</source>
        <translation>Copy to computer</translation>
    </message>
    <message>
        <source>PCのHDD等にiPodの中にあるビデオを転送します</source>
        <translation>Copies the ticked videos from the iPod to the computer.</translation>
    </message>
    <message>
        <source>詳細情報</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>ビデオの詳細なデータを表示します</source>
        <translation>Shows the details of the video.</translation>
    </message>
    <message>
        <source>全てを選択(&amp;L)</source>
        <translation>Tick a&amp;ll</translation>
    </message>
    <message>
        <source>一覧にある全てのビデオを選択します</source>
        <translation>Ticks every video in the list.</translation>
    </message>
    <message>
        <source>全ての選択を解除(&amp;R)</source>
        <translation>Clea&amp;r all ticks</translation>
    </message>
    <message>
        <source>全てのビデオの選択を解除します</source>
        <translation>Removes the ticks from every video.</translation>
    </message>
    <message>
        <source>ビデオを取り出す(&amp;X)</source>
        <translation>&amp;Copy videos to computer</translation>
    </message>
    <message>
        <source>iPod内のビデオをPCに取り出します</source>
        <translation>Copies the videos from the iPod to the computer.</translation>
    </message>
    <message>
        <source>ビデオの詳細情報</source>
        <translation>Video details</translation>
    </message>
    <message>
        <source>ビデオの詳細な情報を表示します</source>
        <translation>Shows the details of the video.</translation>
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
    <message>
        <source>%1 を読み込みません: %2</source>
        <extracomment>%1 is the site&apos;s address, %2 the reason</extracomment>
        <translation>%1 is not read: %2</translation>
    </message>
    <message>
        <source>フィードでもHTMLのページでもありません</source>
        <translation>neither a feed nor an HTML page</translation>
    </message>
</context>
<context>
    <name>TWidgetDialogs</name>
    <message>
        <source>はい(&amp;Y)</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>いいえ(&amp;N)</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>フォルダを選択してください。</source>
        <translation>Choose a folder.</translation>
    </message>
    <message>
        <source>[ %s ] を開くプログラムが見つかりません。ファイルマネージャーやブラウザで開いてください。</source>
        <translation>No program was found to open [ %s ]. Please open it in a file manager or web browser.</translation>
    </message>
</context>
<context>
    <name>TextUtils</name>
    <message>
        <source>%d 秒</source>
        <translation>%d sec</translation>
    </message>
    <message>
        <source>%d 時間 %d 分 %d 秒</source>
        <translation>%d h %d min %d sec</translation>
    </message>
    <message>
        <source>%d 分 %d 秒</source>
        <translation>%d min %d sec</translation>
    </message>
</context>
<context>
    <name>TransferLog</name>
    <message>
        <source>出力先のフォルダがプレーヤーの中を指しています</source>
        <translation>The destination folder points into the player</translation>
    </message>
    <message>
        <source>データベースに曲の場所が記録されていません</source>
        <translation>The database does not record where the song is</translation>
    </message>
    <message>
        <source>出力先の容量が足りません</source>
        <translation>Not enough space in the destination folder</translation>
    </message>
    <message>
        <source>データファイルが存在しません</source>
        <translation>The data file does not exist</translation>
    </message>
    <message>
        <source>何らかの理由でデータ転送できません</source>
        <translation>The data could not be copied for some reason</translation>
    </message>
    <message>
        <source>エラーは起きていません</source>
        <translation>No error</translation>
    </message>
    <message>
        <source>ログファイルの保存</source>
        <translation>Save the log file</translation>
    </message>
    <message>
        <source>ログテキストファイル(*.LOG)|*.LOG</source>
        <translation>Log text files (*.LOG)|*.LOG</translation>
    </message>
    <message>
        <source>出力先にフォルダと同じ名前のファイルがあります</source>
        <translation>A file of the folder&apos;s name is in the way at the destination</translation>
    </message>
    <message>
        <source>プレーヤー上のファイルがプレーヤーの外を指しているため、コピーしません</source>
        <translation>The file on the player links outside the player, so it is not copied</translation>
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
