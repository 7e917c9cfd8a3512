<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ja_JP">
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>連絡先の内容</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ダブルクリックで編集できます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キャンセル(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAddressTab</name>
    <message>
        <source>アドレス帳</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>名刺を新規に追加します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>新規追加</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vCard形式の名刺情報をiPodに取り込みます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取り込む</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>新規名刺を作成(&amp;N)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>編集(&amp;E)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Del</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>名刺(vCard)を取り込む(&amp;I)...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TCRForm</name>
    <message>
        <source>Sorvoの使用に関して</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>音楽・ビデオを盗用しないでください</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>同意して使用します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キャンセル(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TCalendarTab</name>
    <message>
        <source>カレンダーとスケジュール</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スケジュール一覧</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スケジュールを新規に追加します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>新規追加</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スケジュールファイルをiPodに取り込みます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取り込む</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>期日を経過したスケジュールを削除します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>経過後の削除</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>カレンダー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>前の月へ変更します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>前の月</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>◀</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>次の月へ変更します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>次の月</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>▶</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>西暦:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>月:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>日:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>カレンダーの日時を現在日時に変更します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>日付のリセット</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>選択された日時にスケジュールを追加します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スケジュールの追加</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>新規スケジュールを作成(&amp;N)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>編集(&amp;E)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スケジュール(vCard)を取り込む(&amp;I)...</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>起動の設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>各種設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>チェックするドライブを固定する</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ニュースの設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ニュースの保存先設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存先フォルダ名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iPod認識時に自動的に更新・転送する</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RSSのデコード設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>日付を追加する</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>URLを追加する</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ニュース取り込み時の分割設定は、「メモの分割設定」を利用します。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>メモの分割設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ページ番号を付加</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>個別フォルダを作成</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>見やすいようにフォルダの中にメモを作成します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「次へ」のリンクを設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>メモの最後に続きとなるメモへのリンクを貼ります</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>タイトルタグを追加</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>分割文字数の設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>分割文字数:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>特殊機能の設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ルビ部分を除去</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>青空文庫などの形式からルビ部分を自動で除去します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>エンコードタグを追加</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取り込み時に設定画面を表示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キャンセル(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TDebugPage</name>
    <message>
        <source>Sorvoのデバッグツール</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iTunesDB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ArtworkDB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PhotoDB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>アートワーク情報</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>フォト情報</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>フォルダ構造レポート作成</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取得情報レポート作成</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>エクスポート</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TDelCalForm</name>
    <message>
        <source>経過済みスケジュールの削除</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>基準時刻の指定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>基準日</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>基準時刻</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>現在時刻に設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キャンセル(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TEditURLForm</name>
    <message>
        <source>サイトの編集</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>サイトの登録・編集</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>サイト名:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>登録するサイトの名前を指定します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>パス・URL:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>登録するサイトのURLを指定します。HTML・RSSファイルを指定できます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>http://</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ローカルファイルも指定できます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>サイトを見る</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>入力されたサイトを閲覧します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キャンセル(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TLogForm</name>
    <message>
        <source>コピー結果のログ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>color: red;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ここに表示されているファイルは正常に転送できなかったものです。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ログを保存(&amp;S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>iPod</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ソング</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>メモ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ニュース</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>アドレス</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>カレンダ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ToDo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>フォト</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ビデオ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>デバグ</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMemoDivideForm</name>
    <message>
        <source>メモの分割設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルの設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>タイトル:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全角8文字以内でタイトルを設定してください</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>タイトル不明</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>分割基準の設定:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>行で区切る</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>読点句点等で区切る(和文)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ピリオド等で区切る(英文)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>特に指定しない</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>分割基準文字数:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>その他の設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「次へ」のリンクを設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>メモの最後に続きとなるメモへのリンクを貼ります</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ルビ部分を除去</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>青空文庫などの形式からルビ部分を自動で除去します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>エンコードタグを追加</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ページ番号を付加</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>タイトルタグを追加</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>個別フォルダを作成</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>見やすいようにフォルダの中にメモを作成します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>この画面を毎回表示する</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キャンセル(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMemoForm</name>
    <message>
        <source>メモの編集 - [  ]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>新規メモの作成</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>メモの保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>変更した内容を元に戻す</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>元に戻しなおします</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>メモ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>新規作成(&amp;N)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上書き保存(&amp;S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>名前を付けて保存(&amp;A)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>閉じる(&amp;X)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+V</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMemoTab</name>
    <message>
        <source>メモ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>新規メモ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iPodにテキストファイルを取り込みます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取り込む</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TNewsTab</name>
    <message>
        <source>ニュースの一覧</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>右クリックするとメニューが表示されます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ダウンロード </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最新のRDFやHTMLデータをインターネットからダウンロードします</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>新規追加</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>新しくサイトを追加します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>編集</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>選択されているサイトを編集します</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPhotoCopyForm</name>
    <message>
        <source>写真画像の取り出し</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>写真画像の取り出し設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>出力先フォルダの指定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>出力先のフォルダを入力できます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>開く</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>フォルダを選択します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画像の種類</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取り出せる画像の種類を選べます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>サムネイル画像</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>フルサイズ画像</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>color: red;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>※注意事項</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iTunesにおいて「フル解像度の写真を含める」の設定を行いませんと、フルサイズ画像の取り出しは行えません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPhotoForm</name>
    <message>
        <source>フォトビューア</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ビューアを閉じる</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルに保存する</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>クリップボードにコピーする</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>前の画像へ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>次の画像へ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>クリックで終了、 ホイールで画像切り替えができます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>フォト</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPhotoTab</name>
    <message>
        <source>フォトの一覧</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>アルバム</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>フォト</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>フォトを見る</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>フルサイズ画像を表示します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>フォトを取り出す</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>アルバム単位でフルサイズ画像を取り出します</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPlayerPage</name>
    <message>
        <source>iPodの情報</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>名前:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ドライブレター:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全容量:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>空き容量:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>収録曲数:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>音楽フォルダにある音楽ファイルの数です（ファイルのない曲とビデオは数えません）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ソングタブの曲数:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>データベースにある曲の数です（ビデオを除き、ファイルが見つからない曲も数えます）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ソングタブの曲数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>曲サイズ:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iPodの状態</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>認識されていません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取り外し</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>再認識</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>詳細な情報</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorvo for Windows 2000 / xp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>color: gray;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TProgressForm</name>
    <message>
        <source>準備中...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>作業を途中で中断させます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キャンセル(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TScheduleForm</name>
    <message>
        <source>スケジュールの編集</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スケジュール内容</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>件名:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スケジュールのタイトルを設定します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>待ち合わせ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>試験・テスト</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>宿題・レポート</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>起床</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>旅行</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>買い物</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>デート</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>飲み会</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>誕生日</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>会議・打ち合わせ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>内容:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スケジュールについてのコメントを入力します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>分類:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>特に記入の必要はありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PRIVATE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PUBLIC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FREE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>クラス:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>公開</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>非公開</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>重要度:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>開始日時:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>開始時刻</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>終了日時:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>終了日</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>終了時刻</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>開始日時をコピー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>終了日時に開始日時を設定します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>アラームの使用:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>設定時刻になるとアラームを鳴らすようにします</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>アラームの日付</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>アラームの時刻</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>アラーム再生時間に開始日時を設定します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キャンセル(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TSongCopyCfgForm</name>
    <message>
        <source>曲データの取り出し</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>曲データの取り出し詳細設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>出力先フォルダの指定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>出力先のフォルダを入力できます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>開く</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>フォルダを選択します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>出力先フォルダの状態</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>転送オプション</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>歌手ごとにフォルダを作成</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>アーティストごとにフォルダ分けを行います</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>アルバムごとにフォルダを作成</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル名にトラック番号を付加</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iTunesインポートファイルを作成</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>タグとアートワークを書き込む</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>データベースの曲名やアーティスト、アートワークをコピーしたファイルに書き込みます (MP3 と MPEG-4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル名の補正設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル名の補正の形式を設定します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>歌手-曲名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>曲名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>変更しない</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取り出しを開始します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キャンセル(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取り出しをキャンセルします</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TSongFindForm</name>
    <message>
        <source>曲の検索</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>検索対象の指定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>半角スペースで区切って複数を選択できます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スペースで区切って複数指定が可能です</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>color: red; font-size: small;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>検索条件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>対象となる検索項目を指定できます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>歌手</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>曲名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>アルバム</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全て</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>プレイリスト</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>アーティスト</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>チェックされたアーティストを、選択することができます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>アーティストの名前</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>確定して検索を行います</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TSongInfoForm</name>
    <message>
        <source>音楽ファイルの詳細情報</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>概要</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>アートワーク</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>歌詞</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全てコピー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>歌詞をクリップボードにコピーします</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>歌詞をファイルに保存します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>右クリックでアートワークを保存できます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>アートワークをファイルに保存します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>コピー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>アートワークをクリップボードにコピーします</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>この曲をチェックする(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iPodから取り出したい曲としてチェック項目に追加します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>再生(&amp;P)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>閉じる(&amp;X)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TSongTab</name>
    <message>
        <source>収録曲の一覧</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>右クリックでメニューが表示されます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>アーティストとアルバム</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取り出し</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PCのHDD等にiPodの中にある曲を転送します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>検索</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取り出す曲を検索条件で自動チェックできます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>詳細情報</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>曲の詳細なデータを表示します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>再生履歴</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>前回の同期からの再生をスクロブルログに書き出します</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TSpecForm</name>
    <message>
        <source>iPodの詳細な情報</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>概要</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>機種名:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>世代:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>型番:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iPodの名前:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>オーナー:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ソフトウェア:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>シリアルナンバー:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>地域コード:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>容量:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>曲数:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>曲の大きさ:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>情報ファイル</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スキャンディスク</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>※iPod内のデータの損傷をチェックし修正を行います。iPod nanoやShuffleには絶対に使用しないで下さい。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>color: red;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iPodをスキャンディスク</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TToDoForm</name>
    <message>
        <source>ToDo編集</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ToDoの内容</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>件名:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>タスクのタイトルを設定します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>宿題</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>レポート</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>実験</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>テスト</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>会議</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打ち合わせ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>買い物</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>支払い</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>契約</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>申し込み</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>申請</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>郵送</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>受け取り</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>製作</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>作業</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>内容:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>タスクについてのコメントを入力します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>期限:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>期限の時刻</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キャンセル(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TToDoTab</name>
    <message>
        <source>ToDoの一覧</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>新しくToDoを追加します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>新規追加</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>選択されているToDoを編集します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>タスク編集 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>期限を経過したToDoを削除します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>期限切れの削除</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>右クリックするとメニューが表示されます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>タスクの新規追加(&amp;A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>タスクの編集(&amp;E)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>タスクの削除(&amp;D)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Del</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>期限切れタスクの削除(&amp;L)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TVideoTab</name>
    <message>
        <source>収録ビデオの一覧</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取り出し</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PCのHDD等にiPodの中にあるビデオを転送します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>詳細情報</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ビデオの詳細なデータを表示します</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
