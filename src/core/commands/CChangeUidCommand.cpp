#include "core/commands/CChangeUidCommand.h"

#include "core/commands/CUndoTexts.h"
#include "core/document/CAddressDoc.h"

std::string CChangeUidCommand::GetName() const {
    return CUndoTexts::CHANGE_UID;
}

void CChangeUidCommand::Do(CAddressDoc& doc) {
    Swap(doc);
}

void CChangeUidCommand::Undo(CAddressDoc& doc) {
    Swap(doc);
}

void CChangeUidCommand::Swap(CAddressDoc& doc) {
    CUid previous = m_pPerson->GetUid();
    m_pPerson->SetUid(std::move(m_uid));
    m_uid = std::move(previous);
    // Only the ids file changes, but it is saved with the book.
    doc.SetModifiedFlag(true);
}
