#pragma once

#include "core/commands/CMergePersonsCommand.h"
#include "core/duplicates/CDuplicateKeys.h"
#include "core/duplicates/CDuplicateTexts.h"
#include "core/model/CPersonalData.h"

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class CAddressDoc;

// What the kept person becomes when others are merged into it. Nothing is lost: an empty text
// takes the others' text, a text that differs from the kept one goes into the memo with its
// label, and the groups become the union of everyone's. The one rule of the duplicates merge
// and of a sync's conflict, where the other is the server's card.
class CPersonMerge {
public:
    using CTexts = std::array<std::string_view, CPersonalData::TEXT_COUNT>;

    // Labels are converted to the records' CP932 once. `memoLine` (UTF-8, "%1" the label, "%2"
    // the value) is how a differing value is noted in the memo.
    explicit CPersonMerge(const char* memoLine = CDuplicateTexts::MEMO_LINE);

    // Another's texts (CP932, by EPersonText) and sex into `merged`, its memo in `memo`.
    void MergeTexts(CPersonalData& merged, const CTexts& theirs, int sex, std::string& memo) const;

    // `merged` starts as a copy of the kept person.
    void MergeInto(CPersonalData& merged, const std::vector<const CPersonalData*>& others) const;

    // The one undoable step that merges `others` into `keep`, all live persons of `doc`, each
    // once.
    std::unique_ptr<CMergePersonsCommand>
    MakeCommand(CAddressDoc& doc, CPersonalData* keep,
                const std::vector<CPersonalData*>& others) const;

    // The texts in the order the merge visits them, as the person dialog shows them; the memo
    // comes last.
    static const std::array<EPersonText, CPersonalData::TEXT_COUNT>& MergeOrder();
    // The label of a text, UTF-8.
    static std::string Label(EPersonText text);

private:
    void MergeText(CPersonalData& merged, std::string_view theirs, EPersonText text,
                   std::string& memo) const;
    // Whether `merged` holds `theirs` already, written another way: a phone number among its
    // phones and an e-mail address among its addresses by their keys, any other text by the
    // key of a name (blanks, width).
    bool HoldsAlready(const CPersonalData& merged, EPersonText text, std::string_view theirs) const;

    std::array<std::string, CPersonalData::TEXT_COUNT> m_labels; // CP932, by EPersonText
    std::string m_strMemoLine;                                   // CP932
    mutable CDuplicateKeys m_keys;                               // a buffer for each key
};
