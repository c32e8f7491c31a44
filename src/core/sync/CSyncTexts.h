#pragma once

// The texts of the sync with an address-book server (UTF-8).
struct CSyncTexts {
    // A value of the server's card that a conflict kept out of the person, as a memo line: the
    // label (the duplicates merge's) and the value.
    static constexpr const char* SERVER_LINE = "サーバー: %1: %2";
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
    // A network failure in the program's words (%1 the server), the transport's own after it.
    static constexpr const char* NO_ANSWER = "サーバー %1 と通信できませんでした。";
    static constexpr const char* NO_HOST = "サーバー %1 が見つかりません。URL を確かめてください。";
    static constexpr const char* CONNECTION_REFUSED =
        "サーバー %1 "
        "に接続できません（接続を断られました）。サーバーが動いているか確かめてください。";
    static constexpr const char* TIMED_OUT = "サーバー %1 が時間内に応答しませんでした。";
    static constexpr const char* CERTIFICATE = "サーバー %1 "
                                               "の証明書を信頼できません。自己署名の証明書なら、そ"
                                               "の証明書を信頼するよう指定してください。";
    static constexpr const char* CANCELLED = "同期を中止しました。";
    static constexpr const char* DETAIL = "詳細: %1";
    // After a refused password, instead of UNFINISHED: nothing was done, nothing is to resume.
    static constexpr const char* AUTH_RETRY =
        "ユーザー名とパスワードを確かめて、もう一度同期してください。";
    static constexpr const char* SERVER_REFUSED = "サーバーが %1 を受け付けませんでした（%2）。";
    static constexpr const char* UNFINISHED =
        "同期は途中で止まりました。次の同期で続きを行います。";
    static constexpr const char* AUTH_FAILED = "サーバーがユーザー名かパスワードを拒否しました。";
    // The origin the user named, then the host a redirect or an answer pointed to.
    static constexpr const char* OTHER_HOST =
        "%1 のサーバーが別のホスト %2 を指したため、同期をやめました。パスワードは %1 "
        "にしか送りません。%2 と同期するには、その URL を指定してください。";
    static constexpr const char* TOO_LARGE =
        "サーバーの返事が %1 を超えたため、受け取りをやめました（%2）。";
    static constexpr const char* TOO_SLOW =
        "サーバーの返事が %1 秒続けて毎秒 %2 バイトより遅かったため、受け取りをやめました（%3）。";
    static constexpr const char* OUTSIDE_SKIPPED =
        "アドレス帳の外を指すカード %1 "
        "件には触れませんでした（読み込みも書き込みも削除もしません）。";
    // The persons whose cards the server refused; each one is REFUSED_ITEM.
    static constexpr const char* REFUSED_CARDS = "サーバーが次のカードを受け付けませんでした: %1";
    static constexpr const char* REFUSED_ITEM = "%1（%2 %3）";
    // The summary of a sync that went through but left refused cards behind.
    static constexpr const char* INCOMPLETE_SUMMARY =
        "同期は終わりましたが、すべては届いていません。送信 %1 件、受信 %2 件、こちらで削除 %3 "
        "件、サーバーで削除 %4 件。";
    static constexpr const char* BAD_URL =
        "%1 は http か https で始まるサーバーの URL ではありません。";
    static constexpr const char* SEVERAL_BOOKS =
        "%1 には複数のアドレス帳があります。同期するアドレス帳の URL を指定してください:";
    static constexpr const char* OTHER_COLLECTION =
        "このアドレス帳は %1 と同期しています。%2 と同期すると、別のアドレス帳と混ざります。";
    static constexpr const char* SWITCH_QUESTION =
        "同期先を切り替えますか？ 新しい同期先とは最初の同期として UID で突き合わせます。";
    // What a sync did to one person, one line each.
    static constexpr const char* ACTION_UP = "送信\t%1";
    static constexpr const char* ACTION_DOWN = "受信\t%1";
    static constexpr const char* ACTION_DELETED_HERE = "こちらで削除\t%1";
    static constexpr const char* ACTION_DELETED_THERE = "サーバーで削除\t%1";
    static constexpr const char* ACTION_CONFLICT = "両方で変更\t%1";
    // The persons a sync deleted here, kept as cards that import back.
    static constexpr const char* DELETED_KEPT =
        "サーバーで削除された %1 人を %2 に残しました（vCard のインポートで戻せます）。";
    static constexpr const char* DRY_RUN =
        "試しに同期しました。アドレス帳もサーバーも変えていません。";
    static constexpr const char* CHOOSE_BOOK = "同期するアドレス帳を選んでください:";
    static constexpr const char* STATE_UNSAFE =
        "%1 はほかのユーザーも書き換えられるため、信用できません。ほかのユーザーの書き込みを禁じて"
        "（chmod go-w）からやり直してください。";
};
