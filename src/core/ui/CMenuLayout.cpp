#include "core/ui/CMenuLayout.h"

#include "core/ui/CUiTexts.h"
#include "core/ui/CommandIds.h"

namespace {
constexpr int CONTEXT_MENU_INDEX = 2;

CMenuEntry Command(int id) {
    return {EMenuEntry::Command, id, {}, {}};
}
CMenuEntry Separator() {
    return {EMenuEntry::Separator, 0, {}, {}};
}
CMenuEntry Popup(std::string_view caption, std::vector<CMenuEntry> children) {
    return {EMenuEntry::Popup, 0, caption, std::move(children)};
}

std::vector<CMenuEntry> BuildMainMenu() {
    return {
        Popup(CUiTexts::MENU_FILE, {Command(ID_FILE_NEW),
                                    Command(ID_FILE_OPEN),
                                    Command(ID_FILE_SAVE),
                                    Command(ID_FILE_SAVE_AS),
                                    Separator(),
                                    Command(ID_CSV_IMPORT),
                                    Command(ID_CSV_EXPORT),
                                    Command(ID_VCARD_IMPORT),
                                    Command(ID_VCARD_EXPORT),
                                    Command(ID_SYNC),
                                    Separator(),
                                    Command(ID_FILE_PRINT),
                                    Command(ID_POSTCARDS),
                                    Command(ID_SET_SENDER),
                                    Command(ID_FILE_PRINT_PREVIEW),
                                    Command(ID_FILE_PAGE_SETUP),
                                    Separator(),
                                    Command(ID_FILE_MRU_FILE1),
                                    Command(ID_FILE_MRU_FILE1 + 1),
                                    Command(ID_FILE_MRU_FILE1 + 2),
                                    Command(ID_FILE_MRU_FILE4),
                                    Separator(),
                                    Command(ID_APP_EXIT)}),
        Popup(CUiTexts::MENU_EDIT,
              {Command(ID_EDIT_UNDO), Command(ID_EDIT_REDO), Separator(), Command(ID_UNITE_GROUPS),
               Command(ID_DELETE_GROUP_AND_MEMBERS), Separator(), Command(ID_RECENT_ADDRESSES),
               Separator(), Command(ID_CELL_EDIT_MODE), Command(ID_COLUMN_SELECT_MODE), Separator(),
               Command(ID_FIND), Command(ID_FIND_DUPLICATES)}),
        Popup(CUiTexts::MENU_COMMON,
              {Command(ID_NEW_PERSON), Command(ID_NEW_GROUP), Separator(), Command(ID_MODIFY),
               Command(ID_REMOVE_FROM_GROUP), Command(ID_DELETE), Command(ID_RESTORE), Separator(),
               Command(ID_SELECT_ALL), Separator(), Command(ID_MAIL_EMAIL1),
               Command(ID_MAIL_EMAIL2)}),
        Popup(CUiTexts::MENU_SETTINGS,
              {Command(ID_VIEW_TOOLBAR), Command(ID_VIEW_STATUS_BAR), Separator(),
               Command(ID_SHOW_PERSONAL), Separator(), Command(ID_OPTIONS)}),
        Popup(CUiTexts::MENU_HELP,
              {Command(ID_APP_ABOUT), Separator(),
               Popup(CUiTexts::MENU_USAGE, {Command(ID_README), Command(ID_SUPPORT_PAGE)})}),
    };
}
} // namespace

const std::vector<CMenuEntry>& CMenuLayout::GetMainMenu() {
    static const std::vector<CMenuEntry> menu = BuildMainMenu();
    return menu;
}

const CMenuEntry& CMenuLayout::GetContextMenu() {
    return GetMainMenu()[CONTEXT_MENU_INDEX];
}

const std::vector<int>& CMenuLayout::GetToolbar() {
    static const std::vector<int> toolbar = {ID_FILE_SAVE,
                                             TOOLBAR_SEPARATOR,
                                             ID_NEW_PERSON,
                                             ID_NEW_GROUP,
                                             ID_EDIT_UNDO,
                                             ID_EDIT_REDO,
                                             ID_DELETE,
                                             ID_REMOVE_FROM_GROUP,
                                             ID_MODIFY,
                                             ID_RESTORE,
                                             TOOLBAR_SEPARATOR,
                                             ID_MAIL_EMAIL1,
                                             ID_MAIL_EMAIL2,
                                             ID_RECENT_ADDRESSES,
                                             TOOLBAR_SEPARATOR,
                                             ID_FILE_PRINT,
                                             ID_FIND,
                                             ID_README,
                                             TOOLBAR_SEPARATOR,
                                             ID_CELL_EDIT_MODE,
                                             ID_COLUMN_SELECT_MODE};
    return toolbar;
}

const std::vector<CAccelerator>& CMenuLayout::GetAccelerators() {
    static const std::vector<CAccelerator> accelerators = {
        {"Ctrl+C", ID_EDIT_COPY},
        {"Ctrl+Ins", ID_EDIT_COPY},
        {"Ctrl+X", ID_EDIT_CUT},
        {"Shift+Del", ID_EDIT_CUT},
        {"Ctrl+V", ID_EDIT_PASTE},
        {"Shift+Ins", ID_EDIT_PASTE},
        {"Ctrl+Z", ID_EDIT_UNDO},
        {"Alt+Backspace", ID_EDIT_UNDO},
        {"Ctrl+Y", ID_EDIT_REDO},
        {"Ctrl+Shift+Z", ID_EDIT_REDO},
        {"Ctrl+N", ID_FILE_NEW},
        {"Ctrl+O", ID_FILE_OPEN},
        {"Ctrl+S", ID_FILE_SAVE},
        {"Ctrl+P", ID_NEW_PERSON},
        {"Ctrl+Shift+P", ID_FILE_PRINT},
        {"Ctrl+G", ID_NEW_GROUP},
        {"F6", ID_NEXT_PANE},
        {"Shift+F6", ID_PREV_PANE},
    };
    return accelerators;
}

const std::vector<int>& CMenuLayout::GetMenuPictureIds() {
    static const std::vector<int> ids = {ID_NEW_PERSON,  ID_NEW_GROUP,   ID_MODIFY,
                                         ID_MAIL_EMAIL1, ID_MAIL_EMAIL2, ID_REMOVE_FROM_GROUP,
                                         ID_DELETE,      ID_RESTORE,     ID_RECENT_ADDRESSES,
                                         ID_EDIT_UNDO,   ID_EDIT_REDO,   ID_FILE_SAVE,
                                         ID_README,      ID_FIND};
    return ids;
}
