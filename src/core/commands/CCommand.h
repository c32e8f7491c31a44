#pragma once

#include "core/commands/CUndoTexts.h"

#include <cstdint>
#include <string>

class CAddressDoc;
class CCommandTree;
class CCommandList;

// An undoable change: it does and undoes itself on the document, and brings the group tree
// and the person list up to date item by item, so that no view is rebuilt after an edit.
class CCommand {
public:
    CCommand() = default;
    CCommand(const CCommand&) = delete;
    CCommand& operator=(const CCommand&) = delete;
    virtual ~CCommand() = default;

    // The text the Undo menu shows for this command (UTF-8).
    virtual std::string GetName() const { return CUndoTexts::COMMAND; }
    // The tree item that is current while the command is shown in the tree.
    virtual std::uint32_t GetSelection() const { return m_hSelectItem; }
    virtual void SetSelection(std::uint32_t item) { m_hSelectItem = item; }

    virtual void Do(CAddressDoc& doc) = 0;
    virtual void DoTree(CCommandTree& tree) = 0;
    virtual void DoList(CCommandList& list) = 0;
    virtual void Undo(CAddressDoc& doc) = 0;
    virtual void UndoTree(CCommandTree& tree) = 0;
    virtual void UndoList(CCommandList& list) = 0;

protected:
    std::uint32_t m_hSelectItem = 0;
};
