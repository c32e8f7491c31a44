#pragma once

#include "core/duplicates/CDuplicateFinder.h"
#include "core/duplicates/CPersonMerge.h"
#include "core/text/CTextCodec.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

class CAddressDoc;
class CCommand;
class CNotDuplicatePairs;
class CPersonalData;

// What the duplicates dialog decides: which sets of possible duplicates it offers, which set
// and which person of it the user chose to keep, what the kept person would become, and which
// persons are told apart for good. Texts for the window are UTF-8.
class CDuplicateDialogModel {
public:
    // One text of the persons side by side, or of the merged result alone.
    struct CFieldRow {
        std::string label;
        std::vector<std::string> values;
    };

    CDuplicateDialogModel(const CAddressDoc& doc, CNotDuplicatePairs& toldApart);
    CDuplicateDialogModel(const CDuplicateDialogModel&) = delete;
    CDuplicateDialogModel& operator=(const CDuplicateDialogModel&) = delete;
    ~CDuplicateDialogModel() = default;

    std::size_t GetSetCount() const { return m_sets.size(); }
    // The names of a set's persons and why they were found.
    std::string GetSetCaption(std::size_t set) const;

    // Choosing a set keeps its first person.
    void SelectSet(std::size_t set);
    // The chosen set's persons, in the book's order; empty with none chosen.
    const std::vector<CPersonalData*>& GetMembers() const { return m_members; }
    std::string GetMemberName(std::size_t member) const;
    void SetKeep(std::size_t member);
    std::size_t GetKeep() const { return m_nKeep; }

    // The texts in which the chosen persons differ, one value per person.
    std::vector<CFieldRow> GetDifferences() const;
    // The kept person's texts after the merge, those not empty, one value each.
    std::vector<CFieldRow> GetMergedResult() const;

    bool CanMerge() const { return m_selected.has_value(); }
    // The one undoable step that merges the chosen set into the kept person.
    std::unique_ptr<CCommand> MakeCommand(CAddressDoc& doc) const;
    // Every pair of the chosen set is remembered as two persons; the set is no longer offered.
    // False when the settings could not be written.
    bool OnNotDuplicates();

private:
    void Find();
    std::vector<CPersonalData*> Others() const;

    CNotDuplicatePairs& m_toldApart;
    CDuplicateFinder m_finder;
    CPersonMerge m_merge;
    CTextCodec m_codec;
    std::vector<CPersonalData*> m_persons; // the live persons, in the book's order
    std::vector<CDuplicateSet> m_sets;
    std::optional<std::size_t> m_selected;
    std::vector<CPersonalData*> m_members;
    std::size_t m_nKeep = 0;
};
