#include "app/messages.h"

using namespace Qt::Literals::StringLiterals;

void TLangObjList::AddText(const QByteArray &key, const QString &text)
{
    auto item = std::make_unique<TLangObj>();
    item->FKey = key;
    item->FText = text;
    FItems.push_back(std::move(item));
}

QString TLangObjList::FindText(const QByteArray &key) const
{
    for (const auto &item : FItems)
        if (item->FKey == key)
            return item->FText;
    return {};
}

TLagugae::TLagugae()
{
    static const struct
    {
        const char *key;
        const char16_t *text;
    } table[] = {
        {"TITLE", u"Sorvo"},
        {"COPYRIGHT", u"Sorvo - Copyright (C) 2026 the Sorvo developers"},
        {"SOFTNAME", u"Sorvo for Windows 2000/xp"},
        {"MSG_RECG_SUC", u"iPodが[ %s ]で見つかりました"},
        {"MSG_RECG_FAL", u"iPodが見つかりません"},
        {"MSG_RECG_NOT", u"認識できません"},
        {"MSG_RECG_HAD", u"認識されています"},
        {"MSG_CNCT_FAL", u"[接続されていません]"},
        {"MSG_CNCT_SUC", u"[接続中]"},
        {"MSG_REMOVED", u"iPodは取り外されました"},
        {"TAB_IPOD", u"iPod"},
        {"TAB_SONG", u"ソング"},
        {"TAB_NOTE", u"メモ"},
        {"TAB_CONT", u"アドレス帳"},
        {"TAB_CALD", u"カレンダー"},
        {"LBL_IPODNAME", u"名前"},
        {"LBL_DRIVE", u"ドライブレター"},
        {"LBL_SIZEALL", u"全容量"},
        {"LBL_SIZEFREE", u"空き容量"},
        {"LBL_SONGCOUNT", u"収録曲数"},
        {"LBL_SONGSIZE", u"曲サイズ"},
        {"LBL_BTRHELP", u"iPodのバッテリ表示を数値化することができます"},
        {"CBOX_BATTERY", u"バッテリ状態を数値化する"},
        {"GBOX_BATETRY", u"バッテリ状態の変更"},
        {"GBOX_IPODRECO", u"iPodの状態"},
        {"GBOX_IPOD", u"iPodの情報"},
        {"BTN_RECOGNIZE", u"再認識"},
        {"GBOX_SONG", u"ソングリスト"},
        {"BTN_FINDSONG", u"曲の検索"},
        {"BTN_EXTRACT", u"曲の取り出し"},
        {"LBL_SONGSEL_SUC", u"%d 曲チェックされています"},
        {"MSG_LOAD_SONG", u"%d 曲を読み込みました"},
        {"GBOX_NOTE", u"メモの一覧"},
        {"BTN_NOTE_IMP", u"取り込む"},
        {"BTN_NOTE_ADD", u"新規追加"},
        {"BTN_NOTE_NET", u"インターネットから取り込む"},
        {"MSG_LOAD_NOTE", u"メモを読み込みました"},
        {"GBOX_ADDR", u"アドレス帳の一覧"},
        {"BTN_ADDR_IMP", u"取り込む"},
        {"BTN_ADDR_ADD", u"追加"},
        {"MSG_LOAD_ADDR", u"アドレス帳を読み込みました"},
        {"GBOX_CALD", u"スケジュールの一覧"},
        {"BTN_CALD_IMP", u"取り込む"},
        {"BTN_CALD_ADD", u"追加"},
        {"BTN_CALD_DEL", u"古いものを削除"},
        {"MSG_LOAD_CALD", u"スケジュールを読み込みました"},
    };
    for (const auto &entry : table)
        FItems.AddText(QByteArray(entry.key), QString::fromUtf16(entry.text));
}

QString TLagugae::GetText(const QByteArray &key) const
{
    return FItems.FindText(key);
}
