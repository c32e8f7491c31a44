#pragma once

// The texts of the sync with an address-book server (UTF-8).
struct CSyncTexts {
    // A value of the server's card that a conflict kept out of the person, as a memo line.
    static constexpr const char* SERVER_LINE = "サーバー: %1: ";
    static constexpr const char* LABEL_READING = "ふりがな";
    static constexpr const char* LABEL_SEX = "性別";
    static constexpr const char* LABEL_GROUP = "グループ";
    static constexpr const char* SEX_MALE = "男性";
    static constexpr const char* SEX_FEMALE = "女性";
    static constexpr const char* SUMMARY =
        "同期しました。送信 %1 件、受信 %2 件、こちらで削除 %3 件、サーバーで削除 %4 件。";
    // The same counts for a sync that stopped on the way.
    static constexpr const char* PARTIAL_SUMMARY =
        "止まるまでに送信 %1 件、受信 %2 件、こちらで削除 %3 件、サーバーで削除 %4 "
        "件を済ませました。";
    static constexpr const char* CONFLICTS =
        "両方で変更された人がいます。サーバーの値はメモに残しました: %1";
    static constexpr const char* NAME_SEPARATOR = "、";
    // Cards whose UIDs another person of this book (or another card) had.
    static constexpr const char* GIVEN_NEW_UID =
        "%1 件のカードは名前の違う人と UID が同じだったため、別の人として新しい UID を付けました。";
    // Persons whose lost UIDs were recognised by what they say.
    static constexpr const char* UIDS_RECOVERED =
        "%1 人の UID を内容から照合し、サーバーのカードと結び付けました。";
    static constexpr const char* NO_ADDRESS_BOOK = "%1 にアドレス帳が見つかりません（%2）。";
    static constexpr const char* NO_ANSWER = "サーバーに接続できません: %1";
    static constexpr const char* SERVER_REFUSED = "サーバーが %1 を受け付けませんでした（%2）。";
    static constexpr const char* UNFINISHED =
        "同期は途中で止まりました。次の同期で続きを行います。";
    static constexpr const char* AUTH_FAILED = "サーバーがユーザー名かパスワードを拒否しました。";
};
