#include "core/duplicates/CDuplicateFinder.h"

#include "core/containers/CDisjointSets.h"
#include "core/duplicates/CDuplicateKeys.h"
#include "core/model/CPersonalData.h"

#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <unordered_map>
#include <unordered_set>

namespace {
// The e-mail fields, and the phones that are the person's own: the home town's phone is a
// family's, and would offer brothers and sisters as one person.
constexpr std::array EMAIL_TEXTS = {EPersonText::Email1, EPersonText::Email2};
constexpr std::array PHONE_TEXTS = {EPersonText::Tel1, EPersonText::Tel2};

// The keys of one kind, all in one buffer, sorted so that persons with the same key stand
// together: no allocation per key, and no node per key to chase.
class CKeyTable {
public:
    explicit CKeyTable(std::size_t persons) {
        m_entries.reserve(persons);
        m_arena.reserve(persons * 16);
    }

    void Add(std::string_view key, std::uint32_t index) {
        if (key.empty())
            return;
        m_entries.push_back({std::hash<std::string_view>()(key),
                             static_cast<std::uint32_t>(m_arena.size()),
                             static_cast<std::uint32_t>(key.size()), index});
        m_arena.append(key);
    }

    // Calls `bucket` with the positions of each key held by two persons or more, each once.
    template <typename Bucket> void ForEachBucket(Bucket bucket) {
        std::sort(m_entries.begin(), m_entries.end(), [this](const CEntry& a, const CEntry& b) {
            if (a.hash != b.hash)
                return a.hash < b.hash;
            const int order = Key(a).compare(Key(b));
            return order != 0 ? order < 0 : a.index < b.index;
        });
        std::vector<std::uint32_t> members;
        for (std::size_t begin = 0; begin < m_entries.size();) {
            std::size_t end = begin + 1;
            members.assign(1, m_entries[begin].index);
            for (; end < m_entries.size() && m_entries[end].hash == m_entries[begin].hash &&
                   Key(m_entries[end]) == Key(m_entries[begin]);
                 ++end) {
                if (m_entries[end].index != members.back()) // one person, the key twice
                    members.push_back(m_entries[end].index);
            }
            if (members.size() > 1)
                bucket(members);
            begin = end;
        }
    }

private:
    struct CEntry {
        std::size_t hash;
        std::uint32_t offset;
        std::uint32_t size;
        std::uint32_t index;
    };

    std::string_view Key(const CEntry& entry) const {
        return std::string_view(m_arena).substr(entry.offset, entry.size);
    }

    std::string m_arena;
    std::vector<CEntry> m_entries;
};

std::uint64_t PairKey(std::uint32_t a, std::uint32_t b) {
    if (a > b)
        std::swap(a, b);
    return (static_cast<std::uint64_t>(a) << 32) | b;
}

// Joins the persons of each bucket, except the pairs the user has told apart.
class CJoiner {
public:
    CJoiner(std::size_t count, const std::vector<CDuplicateFinder::CPair>& notDuplicates)
        : m_sets(count), m_bTold(count, false) {
        for (const auto& [a, b] : notDuplicates) {
            if (a < count && b < count) {
                m_told.insert(PairKey(a, b));
                m_bTold[a] = m_bTold[b] = true;
            }
        }
    }

    void JoinBuckets(CKeyTable& keys, EDuplicateReason reason) {
        keys.ForEachBucket([this, reason](const std::vector<std::uint32_t>& bucket) {
            if (std::none_of(bucket.begin(), bucket.end(),
                             [this](std::uint32_t index) { return m_bTold[index]; })) {
                for (std::size_t i = 1; i < bucket.size(); ++i)
                    Join(bucket[i - 1], bucket[i], reason);
                return;
            }
            // A pair told apart may still be joined through a third person, so every pair
            // counts; such buckets are few and small.
            for (std::size_t i = 0; i < bucket.size(); ++i) {
                for (std::size_t j = i + 1; j < bucket.size(); ++j) {
                    if (!m_told.contains(PairKey(bucket[i], bucket[j])))
                        Join(bucket[i], bucket[j], reason);
                }
            }
        });
    }

    std::vector<CDuplicateSet> Sets() {
        const std::size_t count = m_bTold.size();
        std::vector<std::uint32_t> sizes(count, 0);
        for (std::uint32_t i = 0; i < count; ++i)
            ++sizes[m_sets.Find(i)];
        std::vector<CDuplicateSet> sets;
        std::unordered_map<std::uint32_t, std::size_t> setOfRoot;
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::uint32_t root = m_sets.Find(i);
            if (sizes[root] < 2)
                continue;
            const auto [it, added] = setOfRoot.emplace(root, sets.size());
            if (added)
                sets.emplace_back();
            sets[it->second].indexes.push_back(i);
        }
        for (const auto& [member, reason] : m_links)
            sets[setOfRoot.at(m_sets.Find(member))].Add(reason);
        return sets;
    }

private:
    void Join(std::uint32_t a, std::uint32_t b, EDuplicateReason reason) {
        m_sets.Join(a, b);
        m_links.emplace_back(a, reason);
    }

    CDisjointSets m_sets;
    std::vector<bool> m_bTold;
    std::unordered_set<std::uint64_t> m_told;
    std::vector<std::pair<std::uint32_t, EDuplicateReason>> m_links;
};
} // namespace

std::vector<CDuplicateSet> CDuplicateFinder::Find(const std::vector<const CPersonalData*>& persons,
                                                  const std::vector<CPair>& notDuplicates) const {
    CDuplicateKeys keys;
    CKeyTable names(persons.size());
    CKeyTable emails(persons.size());
    CKeyTable phones(persons.size());
    for (std::uint32_t i = 0; i < persons.size(); ++i) {
        const CPersonalData& person = *persons[i];
        names.Add(keys.NameKey(person.GetText(EPersonText::Name)), i);
        for (const EPersonText text : EMAIL_TEXTS)
            emails.Add(keys.EmailKey(person.GetText(text)), i);
        for (const EPersonText text : PHONE_TEXTS)
            phones.Add(keys.PhoneKey(person.GetText(text)), i);
    }
    CJoiner joiner(persons.size(), notDuplicates);
    joiner.JoinBuckets(names, EDuplicateReason::Name);
    joiner.JoinBuckets(emails, EDuplicateReason::Email);
    joiner.JoinBuckets(phones, EDuplicateReason::Phone);
    return joiner.Sets();
}
