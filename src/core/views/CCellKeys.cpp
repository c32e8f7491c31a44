#include "core/views/CCellKeys.h"

namespace {
ECellMove MoveOf(ECellKey key) {
    switch (key) {
    case ECellKey::Left:
        return ECellMove::Left;
    case ECellKey::Right:
        return ECellMove::Right;
    case ECellKey::Up:
        return ECellMove::Up;
    case ECellKey::Down:
        return ECellMove::Down;
    case ECellKey::Home:
        return ECellMove::First;
    case ECellKey::End:
        return ECellMove::Last;
    default:
        return ECellMove::None;
    }
}

CListKeyRule ForHiddenEditor(ECellKey key) {
    switch (key) {
    case ECellKey::Shift:
        return {};
    case ECellKey::Tab:
        return {EListKeyAction::SwitchPane, ECellMove::None, false};
    case ECellKey::Enter:
        return {EListKeyAction::SendModify, ECellMove::None, false};
    case ECellKey::Escape:
        return {EListKeyAction::ShowEditor, ECellMove::None, true};
    case ECellKey::Delete:
        return {EListKeyAction::SendDelete, ECellMove::None, false};
    case ECellKey::F2:
    case ECellKey::Other:
        return {EListKeyAction::Nothing, ECellMove::None, true};
    default:
        return {EListKeyAction::Move, MoveOf(key), true};
    }
}

CListKeyRule ForShownEditor(ECellKey key, bool shift) {
    switch (key) {
    case ECellKey::Shift:
        return {};
    case ECellKey::Tab:
        return {EListKeyAction::Move, shift ? ECellMove::Left : ECellMove::Right, false};
    case ECellKey::Enter:
        return {EListKeyAction::Move, ECellMove::Down, false};
    case ECellKey::Escape:
        return {EListKeyAction::HideEditor, ECellMove::None, false};
    case ECellKey::Delete:
    case ECellKey::Other:
        return {EListKeyAction::PassToEditor, ECellMove::None, false};
    case ECellKey::F2:
        return {EListKeyAction::EditCell, ECellMove::None, false};
    default:
        return {EListKeyAction::Move, MoveOf(key), false};
    }
}
} // namespace

CListKeyRule CCellKeys::ForList(ECellKey key, bool shift, bool editorVisible) {
    return editorVisible ? ForShownEditor(key, shift) : ForHiddenEditor(key);
}

CEditorKeyRule CCellKeys::ForEditor(ECellKey key, bool shift) {
    switch (key) {
    case ECellKey::Enter:
    case ECellKey::Escape:
    case ECellKey::Up:
    case ECellKey::Down:
        return {key, true};
    case ECellKey::Left:
    case ECellKey::Right:
    case ECellKey::Home:
    case ECellKey::End:
        return shift ? CEditorKeyRule{key, false} : CEditorKeyRule{};
    case ECellKey::Tab:
        return {shift ? ECellKey::Left : ECellKey::Right, false};
    default:
        return {};
    }
}
