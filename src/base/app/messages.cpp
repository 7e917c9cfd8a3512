#include "app/messages.h"

#include <QCoreApplication>

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
        const char *text;
    } table[] = {
        {"TITLE", "Sorvo"},
        {"COPYRIGHT", "Sorvo - Copyright (C) 2026 the Sorvo developers"},
        {"SOFTNAME", "Sorvo for Windows 2000/xp"},
        {"MSG_RECG_SUC", QT_TRANSLATE_NOOP("TLagugae", "iPodが[ %s ]で見つかりました")},
        {"MSG_RECG_FAL", QT_TRANSLATE_NOOP("TLagugae", "iPodが見つかりません")},
        {"MSG_RECG_NOT", QT_TRANSLATE_NOOP("TLagugae", "認識できません")},
        {"MSG_RECG_HAD", QT_TRANSLATE_NOOP("TLagugae", "認識されています")},
        {"MSG_CNCT_FAL", QT_TRANSLATE_NOOP("TLagugae", "[接続されていません]")},
        {"MSG_CNCT_SUC", QT_TRANSLATE_NOOP("TLagugae", "[接続中]")},
        {"MSG_REMOVED", QT_TRANSLATE_NOOP("TLagugae", "iPodは取り外されました")},
        {"TAB_IPOD", "iPod"},
        {"TAB_SONG", QT_TRANSLATE_NOOP("TLagugae", "ソング")},
        {"TAB_NOTE", QT_TRANSLATE_NOOP("TLagugae", "メモ")},
        {"TAB_CONT", QT_TRANSLATE_NOOP("TLagugae", "アドレス帳")},
        {"TAB_CALD", QT_TRANSLATE_NOOP("TLagugae", "カレンダー")},
        {"LBL_IPODNAME", QT_TRANSLATE_NOOP("TLagugae", "名前")},
        {"LBL_DRIVE", QT_TRANSLATE_NOOP("TLagugae", "ドライブレター")},
        {"LBL_SIZEALL", QT_TRANSLATE_NOOP("TLagugae", "全容量")},
        {"LBL_SIZEFREE", QT_TRANSLATE_NOOP("TLagugae", "空き容量")},
        {"LBL_SONGCOUNT", QT_TRANSLATE_NOOP("TLagugae", "収録曲数")},
        {"LBL_SONGSIZE", QT_TRANSLATE_NOOP("TLagugae", "曲サイズ")},
        {"LBL_BTRHELP", QT_TRANSLATE_NOOP("TLagugae", "iPodのバッテリ表示を数値化することができます")},
        {"CBOX_BATTERY", QT_TRANSLATE_NOOP("TLagugae", "バッテリ状態を数値化する")},
        {"GBOX_BATETRY", QT_TRANSLATE_NOOP("TLagugae", "バッテリ状態の変更")},
        {"GBOX_IPODRECO", QT_TRANSLATE_NOOP("TLagugae", "iPodの状態")},
        {"GBOX_IPOD", QT_TRANSLATE_NOOP("TLagugae", "iPodの情報")},
        {"BTN_RECOGNIZE", QT_TRANSLATE_NOOP("TLagugae", "再認識")},
        {"GBOX_SONG", QT_TRANSLATE_NOOP("TLagugae", "ソングリスト")},
        {"BTN_FINDSONG", QT_TRANSLATE_NOOP("TLagugae", "曲の検索")},
        {"BTN_EXTRACT", QT_TRANSLATE_NOOP("TLagugae", "曲の取り出し")},
        {"LBL_SONGSEL_SUC", QT_TRANSLATE_NOOP("TLagugae", "%d 曲チェックされています")},
        {"MSG_LOAD_SONG", QT_TRANSLATE_NOOP("TLagugae", "%d 曲を読み込みました")},
        {"GBOX_NOTE", QT_TRANSLATE_NOOP("TLagugae", "メモの一覧")},
        {"BTN_NOTE_IMP", QT_TRANSLATE_NOOP("TLagugae", "取り込む")},
        {"BTN_NOTE_ADD", QT_TRANSLATE_NOOP("TLagugae", "新規追加")},
        {"BTN_NOTE_NET", QT_TRANSLATE_NOOP("TLagugae", "インターネットから取り込む")},
        {"MSG_LOAD_NOTE", QT_TRANSLATE_NOOP("TLagugae", "メモを読み込みました")},
        {"GBOX_ADDR", QT_TRANSLATE_NOOP("TLagugae", "アドレス帳の一覧")},
        {"BTN_ADDR_IMP", QT_TRANSLATE_NOOP("TLagugae", "取り込む")},
        {"BTN_ADDR_ADD", QT_TRANSLATE_NOOP("TLagugae", "追加")},
        {"MSG_LOAD_ADDR", QT_TRANSLATE_NOOP("TLagugae", "アドレス帳を読み込みました")},
        {"GBOX_CALD", QT_TRANSLATE_NOOP("TLagugae", "スケジュールの一覧")},
        {"BTN_CALD_IMP", QT_TRANSLATE_NOOP("TLagugae", "取り込む")},
        {"BTN_CALD_ADD", QT_TRANSLATE_NOOP("TLagugae", "追加")},
        {"BTN_CALD_DEL", QT_TRANSLATE_NOOP("TLagugae", "古いものを削除")},
        {"MSG_LOAD_CALD", QT_TRANSLATE_NOOP("TLagugae", "スケジュールを読み込みました")},
    };
    for (const auto &entry : table)
        FItems.AddText(QByteArray(entry.key), QString::fromUtf8(entry.text));
}

QString TLagugae::GetText(const QByteArray &key) const
{
    // The table holds the source texts; the caller gets them in the chosen language.
    const QString text = FItems.FindText(key);
    return text.isEmpty() ? text : QCoreApplication::translate("TLagugae", text.toUtf8().constData());
}
