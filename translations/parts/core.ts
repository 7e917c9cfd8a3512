<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ja_JP">
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
    <name>Paths</name>
    <message>
        <source>ファイルが見つかりません</source>
        <translation>File not found</translation>
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
</context>
<context>
    <name>SafeFileWriter</name>
    <message>
        <source>ファイル %s を作成できません。%s</source>
        <translation>Cannot create the file %s. %s</translation>
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
    <name>TConsoleDialogs</name>
    <message>
        <source>フォルダを選択してください。 [%1]: </source>
        <extracomment>Console prompt; %1 is the folder taken when the answer is empty</extracomment>
        <translation>Choose a folder. [%1]: </translation>
    </message>
</context>
<context>
    <name>TCopyDestination</name>
    <message>
        <source>フォルダ[ %s ]はプレーヤーの中にあるため、取り出し先にできません</source>
        <translation>The folder [ %s ] is on the player, so songs cannot be copied there.</translation>
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
</context>
<context>
    <name>TITBSongList</name>
    <message>
        <source>アイテム番号%dにはアイテムが存在しません</source>
        <translation>There is no item number %d.</translation>
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
    <name>TPhotoAlbumListModel</name>
    <message>
        <source>アルバム</source>
        <translation>Album</translation>
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
</context>
<context>
    <name>TPhotoGridModel</name>
    <message>
        <source>情報の整理中...</source>
        <translation>Arranging the information...</translation>
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
    <name>TSpecValues</name>
    <message>
        <source>%.0n 曲</source>
        <translation>%.0n songs</translation>
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
</context>
</TS>
