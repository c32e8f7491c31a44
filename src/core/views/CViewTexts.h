#pragma once

// What the person list and the group tree say, UTF-8.
struct CViewTexts {
    static constexpr const char* DELETE_QUESTION = "削除してよろしいですか？";
    static constexpr const char* NOT_IN_GROUP = "選択されたデータはどのグループにも属していません";
    static constexpr const char* DELETE_WITH_MEMBERS_QUESTION =
        "グループとその所属員が削除されますが、よろしいですか？";
    // A drop on a group: whether the persons stay in the group they were dragged from, and the
    // undo names of the two answers.
    static constexpr const char* KEEP_QUESTION = "元のグループにも残しておきますか？";
    static constexpr const char* DRAG_ADD = "ドラッグ＆ドロップ（追加）";
    static constexpr const char* DRAG_MOVE = "ドラッグ＆ドロップ（移動）";
    // The tree's fixed items "全体" and "削除済み"; in CP932, as the record texts beside them.
    static constexpr const char* ROOT_CP932 = "\x91\x53\x91\xcc";
    static constexpr const char* DELETED_CP932 = "\x8d\xed\x8f\x9c\x8d\xcf\x82\xdd";
};
