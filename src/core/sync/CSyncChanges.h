#pragma once

#include "core/duplicates/CPersonMerge.h"
#include "core/sync/CSyncCard.h"
#include "core/sync/CSyncTexts.h"

#include <memory>
#include <string>
#include <vector>

class CAddressDoc;
class CCommand;
class CCommandGroup;
class CPersonalData;
class CTextCodec;

// What a sync does to the book: every change a command, done at once and collected in one
// composite, so that the window can undo a sync as one step.
class CSyncChanges {
public:
    CSyncChanges(CAddressDoc& doc, CCommandGroup& changes, const CTextCodec& codec)
        : m_doc(doc), m_changes(changes), m_codec(codec) {}

    void Apply(std::unique_ptr<CCommand> command);
    // A person made from a card the book does not have; with the card's UID, if it has one.
    CPersonalData* Add(const CSyncCard& card);
    // A deleted person brought back, as the restore command brings one.
    CPersonalData* Restore(CPersonalData* deleted);
    // The person as the card says it is now; gives the record that replaced it.
    CPersonalData* Replace(CPersonalData* person, const CSyncCard& card);
    // The duplicates merge's rule with the card as the other: an empty text takes the card's, a
    // differing value goes to the memo (the person's name to `conflicts`), the card's groups are
    // joined; false, and nothing done, when the card says nothing the person lacks.
    bool Merge(CPersonalData*& person, const CSyncCard& card, std::vector<std::string>& conflicts);

private:
    CAddressDoc& m_doc;
    CCommandGroup& m_changes;
    const CTextCodec& m_codec; // the sync's: a codec costs as much as hundreds of cards
    CPersonMerge m_merge{CSyncTexts::SERVER_LINE};
};
