#include "core/storage/CSystemMessage.h"

#include "core/storage/CStorageTexts.h"
#include "core/text/CTextFormat.h"

#include <cerrno>
#include <system_error>

std::string CSystemMessage::Describe(int error) {
    switch (error) {
    case ENOENT:
        return CStorageTexts::NOT_FOUND;
    case ENOTDIR:
        return CStorageTexts::NOT_A_FOLDER_ON_PATH;
    case EACCES:
    case EPERM:
        return CStorageTexts::ACCESS_DENIED;
    case EROFS:
        return CStorageTexts::READ_ONLY_FILE_SYSTEM;
    case ENOSPC:
    case EDQUOT:
        return CStorageTexts::DISK_FULL;
    case EISDIR:
        return CStorageTexts::IS_FOLDER;
    case ENAMETOOLONG:
        return CStorageTexts::NAME_TOO_LONG;
    default:
        return CTextFormat::Format(CStorageTexts::OTHER_SYSTEM_ERROR,
                                   {std::to_string(error), std::generic_category().message(error)});
    }
}
