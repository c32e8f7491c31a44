#include "core/sync/CSyncIdentity.h"

#include "core/model/CPersonalData.h"
#include "core/sync/CSyncDigest.h"
#include "core/text/CTextCodec.h"
#include "core/vcard/CVCardWriter.h"

#include <deque>
#include <optional>
#include <set>

namespace {
std::string_view NameOf(const CVCardPerson& card) {
    return card.texts[static_cast<std::size_t>(EPersonText::Name)];
}

// Under no UID a card can bring (UIDs have no control characters): a card that is given a UID
// of its own waits here until it is added.
std::string ReassignedKey(const std::string& href) {
    return '\n' + href;
}
} // namespace

void CSyncIdentity::Add(CCards& cards, CSyncCard card) {
    const std::string uid = card.person.uid->ToString();
    const auto [first, isNew] = cards.emplace(uid, card);
    if (!isNew && NameOf(first->second.person) != NameOf(card.person)) {
        card.reassigned = true;
        card.person.uid.reset();
        cards.emplace(ReassignedKey(card.href), std::move(card));
    }
}

void CSyncIdentity::UpgradeDigests() {
    // Built only for a state of an earlier kind, and once: the code page table is dear.
    std::optional<CTextCodec> codec;
    std::optional<CVCardWriter> writer;
    for (auto& [uid, entry] : m_state.m_entries) {
        const auto person = m_live.find(uid);
        if (CSyncDigest::IsCurrent(entry.digest) || person == m_live.end())
            continue;
        if (!writer)
            writer.emplace(EVCardVersion::V30, codec.emplace(), 0);
        if (CSyncDigest::LegacyOf(*person->second, *writer) == entry.digest)
            entry.digest = CSyncDigest::Of(*person->second);
    }
}

bool CSyncIdentity::Adopt(CPersonalData* person, const std::string& uid) {
    auto parsed = CUid::FromText(uid);
    if (!parsed)
        return false;
    m_live.erase(person->GetUid().ToString());
    m_adopt(person, std::move(*parsed));
    m_live[uid] = person;
    return true;
}

void CSyncIdentity::Reassign(const std::string& uid) {
    auto card = m_cards.extract(uid);
    card.mapped().reassigned = true;
    card.mapped().person.uid.reset();
    card.key() = ReassignedKey(card.mapped().href);
    m_cards.insert(std::move(card));
}

std::size_t CSyncIdentity::Reconcile() {
    std::map<std::string, std::string> uidOfHref;
    for (const auto& [uid, entry] : m_state.m_entries)
        uidOfHref.emplace(entry.href, uid);
    std::size_t adopted = 0;
    std::vector<std::string> others;
    for (const auto& [uid, card] : m_cards) {
        if (card.reassigned)
            continue;
        const auto known = uidOfHref.find(card.href);
        if (known != uidOfHref.end() && known->second != uid) {
            // The book knows this card under another UID (one it made when the card's could
            // not be kept): the person takes the card's, and the entry follows.
            const auto person = m_live.find(known->second);
            if (person == m_live.end() || m_live.contains(uid) || m_state.m_entries.contains(uid))
                continue;
            const CSyncEntry entry = m_state.m_entries.at(known->second);
            if (!Adopt(person->second, uid))
                continue;
            m_state.m_entries.erase(known->second);
            m_state.m_entries[uid] = entry;
            ++adopted;
            continue;
        }
        const auto person = m_live.find(uid);
        if (known == uidOfHref.end() && person != m_live.end() &&
            person->second->GetText(EPersonText::Name) != NameOf(card.person))
            others.push_back(uid);
    }
    for (const std::string& uid : others)
        Reassign(uid);
    return adopted;
}

std::size_t CSyncIdentity::Recover() {
    std::vector<CPersonalData*> orphans;
    for (const auto& [uid, person] : m_live) {
        if (!m_state.m_entries.contains(uid) && !m_cards.contains(uid))
            orphans.push_back(person);
    }
    if (orphans.empty())
        return 0;
    std::size_t adopted = 0;
    // A UID a deleted person still has is not lost: restoring that person brings it back.
    std::set<std::string> deleted;
    for (const CPersonalData* person : m_deleted)
        deleted.insert(person->GetUid().ToString());
    std::vector<CCandidate> entries;
    for (const auto& [uid, entry] : m_state.m_entries) {
        if (!m_live.contains(uid) && !deleted.contains(uid))
            entries.emplace_back(uid, entry.digest);
    }
    for (const auto& [person, uid] : Match(orphans, entries))
        adopted += Adopt(person, uid) ? 1 : 0;
    std::erase_if(orphans, [&](const CPersonalData* person) {
        return m_state.m_entries.contains(person->GetUid().ToString());
    });
    // A book whose state is lost or new meets cards it has already: each person that says
    // what a card says is that card's person, not a copy to upload.
    std::vector<CCandidate> cards;
    for (const auto& [uid, card] : m_cards) {
        if (!card.reassigned && !m_live.contains(uid) && !deleted.contains(uid) &&
            !m_state.m_entries.contains(uid))
            cards.emplace_back(uid, CSyncDigest::Of(card.person));
    }
    for (const auto& [person, uid] : Match(orphans, cards)) {
        const CSyncCard card = m_cards.at(uid);
        if (!Adopt(person, uid))
            continue;
        m_state.m_entries[uid] = {card.href, card.etag, CSyncDigest::Of(*person)};
        m_cards.erase(uid);
        ++adopted;
    }
    return adopted;
}

std::vector<CSyncIdentity::CAdoption>
CSyncIdentity::Match(const std::vector<CPersonalData*>& persons,
                     const std::vector<CCandidate>& candidates) {
    std::vector<CAdoption> adoptions;
    if (persons.empty() || candidates.empty())
        return adoptions;
    std::unordered_map<std::string, std::deque<const std::string*>> byDigest;
    for (const auto& [uid, digest] : candidates)
        byDigest[digest].push_back(&uid);
    for (CPersonalData* person : persons) {
        const auto found = byDigest.find(CSyncDigest::Of(*person));
        if (found == byDigest.end() || found->second.empty())
            continue;
        adoptions.push_back({person, *found->second.front()});
        found->second.pop_front();
    }
    return adoptions;
}
