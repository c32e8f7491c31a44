#pragma once

// What the open document says about itself and its file, UTF-8; "%1".."%9" are filled by
// CTextFormat.
struct CDocumentTexts {
    // The name of a document never saved.
    static constexpr const char* UNTITLED = "無題";
    // The document's title.
    static constexpr const char* SAVE_CHANGES = "「%1」への変更を保存しますか？";
    static constexpr const char* CHANGED_ON_DISK =
        "ファイルが他のプログラムによって変更されています。上書きしますか？";
    // The undo menu item with the last command's name (a full-width hyphen-minus between
    // spaces); with none it is the command's own caption.
    // The ids file, the persons and how many of them were recognised.
    static constexpr const char* IDS_DAMAGED =
        "UID の記録「%1」が壊れていました。%2 人中 %3 人の UID を取り戻しました。";
    static constexpr const char* UNDO_NAMED = "元に戻す(&U) － %1\tCtrl+Z";
    static constexpr const char* REDO_NAMED = "やり直し(&R) － %1\tCtrl+Y";
};
