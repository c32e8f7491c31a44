#pragma once

#include "core/text/CSharedTexts.h"

// What the dialogs' rules say: titles, counts and questions, UTF-8; "%1".."%9" are filled by
// CTextFormat.
struct CDialogModelTexts {
    // The person dialog; the count is the number of member groups, the name the person's.
    static constexpr const char* PERSON_TITLE_NEW = "個人情報の新規作成";
    static constexpr const char* PERSON_TITLE_EDIT = "個人情報";
    static constexpr const char* PERSON_GROUP_COUNT = "%1個";
    static constexpr const char* PERSON_NAME_EXISTS = "%1氏は既に存在します。続けますか？";
    static constexpr const char* BROWSER_FAILED = "ブラウザの起動に失敗しました。";
    // The group dialog; the count is the number of members, the name the group's.
    static constexpr const char* GROUP_TITLE_NEW = CSharedTexts::NEW_GROUP;
    static constexpr const char* GROUP_TITLE_EDIT = "グループ情報";
    static constexpr const char* GROUP_MEMBER_COUNT = "%1人";
    static constexpr const char* GROUP_NAME_TAKEN = "%1は既に存在します。別の名前にしてください。";
    // The dialog that unites groups; the name is the united group's.
    static constexpr const char* UNITE_TITLE = CSharedTexts::UNITE_GROUPS;
    static constexpr const char* UNITE_NAME_EXISTS = "%1は既に存在しますが、よろしいですか？";
    // The option sheet.
    static constexpr const char* RESET_QUESTION = "ヘッダーを初期状態に戻します。よろしいですか？";
    static constexpr const char* CAPACITY_MESSAGE = "0 から 1000 までの整数を入力してください。";
    // The CSV import dialog: a column by its number, and an assigned field's column with its
    // example.
    static constexpr const char* CSV_COLUMN = "項目%1";
    static constexpr const char* CSV_ASSIGNMENT = "%1：%2";
    // A text the data file cannot hold: the field's label and the characters, each with its code
    // point, joined by the list separator.
    static constexpr const char* UNSAVABLE =
        "「%1」には保存できない文字があります：\n%2\n別の文字に置き換えてください。";
    static constexpr const char* LIST_SEPARATOR = "、";
};
