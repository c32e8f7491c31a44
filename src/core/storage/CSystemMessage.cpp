#include "core/storage/CSystemMessage.h"

#include <cerrno>
#include <system_error>

std::string CSystemMessage::Describe(int error) {
    switch (error) {
    case ENOENT:
        return "ファイルまたはフォルダが見つかりません";
    case ENOTDIR:
        return "パスの途中にフォルダでないものがあります";
    case EACCES:
    case EPERM:
        return "アクセスが許可されていません";
    case EROFS:
        return "読み取り専用のファイルシステムです";
    case ENOSPC:
    case EDQUOT:
        return "ディスクに空きがありません";
    case EISDIR:
        return "フォルダです";
    case ENAMETOOLONG:
        return "名前が長すぎます";
    default:
        return "システムエラー " + std::to_string(error) + ": " +
               std::generic_category().message(error);
    }
}
