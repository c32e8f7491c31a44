#pragma once

#include "core/model/CPersonList.h"
#include "core/model/CUid.h"
#include "core/sync/CSyncCard.h"
#include "core/sync/CSyncState.h"

#include <functional>
#include <map>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

class CPersonalData;

// Who is who when the book, its sync state and the server's cards disagree about UIDs. A card
// that came with a UID another person of the book has is someone else; persons whose UIDs were
// lost (an ids file gone or damaged, a book copied without its side files) are recognised by
// what they say: a person that nothing ties to the server takes the UID of a state entry or a
// server card whose digest is its own, rather than going up as a copy of itself.
class CSyncIdentity {
public:
    using CLiveMap = std::map<std::string, CPersonalData*>;    // by UID text
    using CCards = std::unordered_map<std::string, CSyncCard>; // by UID text
    using CAdopt = std::function<void(CPersonalData*, CUid)>;  // done as a command
    // A UID that nobody of the book has, and the digest of what it stood for.
    using CCandidate = std::pair<std::string, std::string>;
    struct CAdoption {
        CPersonalData* person;
        std::string uid;
    };

    CSyncIdentity(CSyncState& state, CCards& cards, CLiveMap& live, const CPersonList& deleted,
                  CAdopt adopt)
        : m_state(state), m_cards(cards), m_live(live), m_deleted(deleted),
          m_adopt(std::move(adopt)) {}

    // A card read from the server. The same UID on two cards: with the same name it is one
    // person twice, and the first card stands for it; with another name it is someone else.
    static void Add(CCards& cards, CSyncCard card);

    // Entries of earlier syncs get this sync's digest where the person is as they left it.
    void UpgradeDigests();
    // A card at a known address whose UID the book gave another way takes the person along; a
    // card whose UID belongs to a person of another name is another person. Gives how many
    // persons took their card's UID.
    std::size_t Reconcile();
    // Persons nothing ties to the server take the UID of an entry or card that says the same;
    // gives how many.
    std::size_t Recover();

    // Each candidate goes to at most one person, the first whose digest it has.
    static std::vector<CAdoption> Match(const std::vector<CPersonalData*>& persons,
                                        const std::vector<CCandidate>& candidates);

private:
    bool Adopt(CPersonalData* person, const std::string& uid);
    void Reassign(const std::string& uid);

    CSyncState& m_state;
    CCards& m_cards;
    CLiveMap& m_live;
    const CPersonList& m_deleted;
    CAdopt m_adopt;
};
