#include "core/ui/CCommandTexts.h"

#include "core/text/CSharedTexts.h"
#include "core/ui/CommandIds.h"

#include <algorithm>
#include <array>

namespace {
constexpr std::string_view RECENT_PROMPT = "指定のﾌｧｲﾙを開く";

// clang-format off
constexpr auto TEXTS = std::to_array<CCommandText>({
    {ID_FILE_NEW, "新規作成(&N)\tCtrl+N", "新規にﾌｧｲﾙを作成", "新規ﾌｧｲﾙ"},
    {ID_FILE_OPEN, "開く(&O)...\tCtrl+O", "既存のﾌｧｲﾙを開く", "開く"},
    {ID_FILE_SAVE, "上書き保存(&S)\tCtrl+S", "作業中のﾌｧｲﾙを保存", "保存（上書き）"},
    {ID_FILE_SAVE_AS, "名前を付けて保存(&A)...", "作業中のﾌｧｲﾙに名前を付けて保存", "名前をつけて保存"},
    {ID_CSV_IMPORT, "CSVファイルの読み込み...(&I)", CSharedTexts::CSV_IMPORT, CSharedTexts::CSV_IMPORT},
    {ID_CSV_EXPORT, "CSVファイルの書き出し...(&E)", CSharedTexts::CSV_EXPORT, CSharedTexts::CSV_EXPORT},
    {ID_VCARD_IMPORT, "vCardファイルの読み込み...(&D)", CSharedTexts::VCARD_IMPORT, CSharedTexts::VCARD_IMPORT},
    {ID_VCARD_EXPORT, "vCardファイルの書き出し...(&W)", CSharedTexts::VCARD_EXPORT, CSharedTexts::VCARD_EXPORT},
    {ID_SYNC, "サーバーと同期...(&Y)", "CardDAV サーバーのアドレス帳と双方向に同期", CSharedTexts::SYNC},
    {ID_FILE_PRINT, "印刷(&P)...\tCtrl+Shift+P", "作業中のﾌｧｲﾙを印刷", "印刷"},
    {ID_FILE_PRINT_PREVIEW, "印刷ﾌﾟﾚﾋﾞｭｰ(&V)", "ﾌﾙｽｸﾘｰﾝで表示", "印刷ﾌﾟﾚﾋﾞｭｰ"},
    {ID_POSTCARDS, "はがき宛名印刷...", "選ばれた人（またはグループ）のはがきの宛名面を印刷します", "はがき宛名印刷"},
    {ID_SET_SENDER, "差出人に設定", "選ばれた人をはがきの差出人にします", "差出人に設定"},
    {ID_FILE_PAGE_SETUP, "ﾌﾟﾘﾝﾀの設定(&R)...", "ﾌﾟﾘﾝﾀ/印刷設定の変更", "ﾌﾟﾘﾝﾀの設定"},
    {ID_FILE_MRU_FILE1, CSharedTexts::NO_RECENT_FILE, RECENT_PROMPT, ""},
    {ID_FILE_MRU_FILE1 + 1, "", RECENT_PROMPT, ""},
    {ID_FILE_MRU_FILE1 + 2, "", RECENT_PROMPT, ""},
    {ID_FILE_MRU_FILE4, "", RECENT_PROMPT, ""},
    {ID_APP_EXIT, "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)", "ｱﾌﾟﾘｹｰｼｮﾝを終了し、ﾌｧｲﾙの保存を指示", "終了"},
    {ID_EDIT_UNDO, "元に戻す(&U)\tCtrl+Z", "直前に行った動作を元に戻す", "元に戻す"},
    {ID_EDIT_REDO, "やり直し(&R)\tCtrl+Y", "元に戻した動作をやり直す", "やり直し"},
    {ID_EDIT_COPY, "", "選択範囲をｺﾋﾟｰしてｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存", "ｺﾋﾟｰ"},
    {ID_EDIT_CUT, "", "選択範囲を切り取ってｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存", "切り取り"},
    {ID_EDIT_PASTE, "", "ｸﾘｯﾌﾟﾎﾞｰﾄﾞの内容を貼り付け", "貼り付け"},
    {ID_UNITE_GROUPS, "グループの統合...(&G)", "複数のグループをひとつに統合します", CSharedTexts::UNITE_GROUPS},
    {ID_DELETE_GROUP_AND_MEMBERS, "グループまるごと削除(&E)", "グループとその所属員を削除します", "グループとその所属員を削除"},
    {ID_RECENT_ADDRESSES, "最近使ったメールアドレス...(&C)", "最近使ったメールアドレスを表示します", "最近使ったメールアドレスを表示"},
    {ID_CELL_EDIT_MODE, "セル編集モード(&M)", "セル編集モードに切り替えます", "セル編集モード"},
    {ID_COLUMN_SELECT_MODE, "列選択モード", "列選択モードに切り替えます", "列選択モード"},
    {ID_FIND, "検索...(&F)", "検索します", "検索"},
    {ID_FIND_DUPLICATES, "重複の検索...(&D)", "同じ人が二重に入っていないか調べて統合します", "重複の検索"},
    {ID_NEW_PERSON, "個人データの新規作成（&P）\tCtrl+P", "個人データを新しく作成します", CSharedTexts::NEW_PERSON},
    {ID_NEW_GROUP, "グループの新規作成（&G）\tCtrl+G", "グループを新しく作成します", "ｸﾞﾙｰﾌﾟの新規作成"},
    {ID_MODIFY, "データの修正（&M）", "グループ情報または個人情報を修正します", "データの修正"},
    {ID_REMOVE_FROM_GROUP, "このグループから外す（&R）", "ｸﾞﾙｰﾌﾟから外します", "ｸﾞﾙｰﾌﾟから外す"},
    {ID_DELETE, "データの削除（&D）", "選択されたアイテムを削除します", "データの削除"},
    {ID_RESTORE, "削除ﾃﾞｰﾀの復活（&U）", "削除済みデータを復活させます", "削除データの復活"},
    {ID_SELECT_ALL, "すべて選択（&S）", "", ""},
    {ID_MAIL_EMAIL1, "ﾒｰﾙｱﾄﾞﾚｽ(1)にﾒｰﾙを書く（&1）", "ﾒｰﾙｱﾄﾞﾚｽ(1)にﾒｰﾙを書きます", "ﾒｰﾙｱﾄﾞﾚｽ(1)にﾒｰﾙを書く"},
    {ID_MAIL_EMAIL2, "ﾒｰﾙｱﾄﾞﾚｽ(2)にﾒｰﾙを書く(&2)", "ﾒｰﾙｱﾄﾞﾚｽ(2)にﾒｰﾙを書きます", "ﾒｰﾙｱﾄﾞﾚｽ(2)にﾒｰﾙを書く"},
    {ID_VIEW_TOOLBAR, "ﾂｰﾙ ﾊﾞｰを表示(&T)", "ﾂｰﾙ ﾊﾞｰの表示/非表示", "ﾂｰﾙ ﾊﾞｰの表示/非表示"},
    {ID_VIEW_STATUS_BAR, "ｽﾃｰﾀｽ ﾊﾞｰを表示(&S)", "ｽﾃｰﾀｽ ﾊﾞｰの表示/非表示", "ｽﾃｰﾀｽ ﾊﾞｰの表示/非表示"},
    {ID_SHOW_PERSONAL, "ｸﾞﾙｰﾌﾟﾘｽﾄに個人情報を表示（&P）", "ｸﾞﾙｰﾌﾟﾘｽﾄに個人情報を表示", "ｸﾞﾙｰﾌﾟﾘｽﾄに個人情報を表示"},
    {ID_OPTIONS, "オプション...（&O）", "ｵﾌﾟｼｮﾝ指定", "ｵﾌﾟｼｮﾝ指定"},
    {ID_APP_ABOUT, "ﾊﾞｰｼﾞｮﾝ情報...(&A)", "ﾌﾟﾛｸﾞﾗﾑの情報、ﾊﾞｰｼﾞｮﾝそして著作権を表示", "ﾊﾞｰｼﾞｮﾝ情報"},
    {ID_README, "readme.txtを開く(&R)", "使い方を表示します", "使い方"},
    {ID_SUPPORT_PAGE, "Web上のサポートページ(&S)", "Web上のサポートページを開きます", "Web上のサポートページ"},
    {ID_NEXT_PANE, "", "", ""},
    {ID_PREV_PANE, "", "", ""},
});
// clang-format on
} // namespace

const CCommandText* CCommandTexts::Find(int id) {
    const auto it = std::find_if(TEXTS.begin(), TEXTS.end(),
                                 [id](const CCommandText& text) { return text.m_nId == id; });
    return it != TEXTS.end() ? &*it : nullptr;
}
