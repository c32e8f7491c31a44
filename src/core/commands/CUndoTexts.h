#pragma once

#include "core/text/CSharedTexts.h"

// The names the undo menu shows for the document's commands, UTF-8.
struct CUndoTexts {
    static constexpr const char* COMMAND = "コマンド";
    static constexpr const char* COMMAND_GROUP = "コマンドグループ";
    static constexpr const char* ADD_PERSON = CSharedTexts::NEW_PERSON;
    static constexpr const char* MODIFY_PERSON = "個人データの修正";
    static constexpr const char* CHANGE_UID = "UID の復元";
    static constexpr const char* MODIFY_BY_CELL_EDIT = "修正（セル編集）";
    static constexpr const char* DELETE_PERSON = "個人データの削除";
    static constexpr const char* RESTORE = "削除データの復活";
    static constexpr const char* ADD_GROUP = CSharedTexts::NEW_GROUP;
    static constexpr const char* MODIFY_GROUP = "グループの修正";
    static constexpr const char* DELETE_GROUP = "グループの削除";
    static constexpr const char* DELETE_GROUP_AND_MEMBERS = "グループまるごと削除";
    static constexpr const char* UNITE_GROUPS = CSharedTexts::UNITE_GROUPS;
    static constexpr const char* ADD_TO_GROUP = "グループに追加";
    static constexpr const char* REMOVE_FROM_GROUP = "グループから外す";
    static constexpr const char* MERGE_DUPLICATES = "重複の統合";
    static constexpr const char* VCARD_IMPORT = CSharedTexts::VCARD_IMPORT;
    static constexpr const char* SYNC = CSharedTexts::SYNC;
};
