#include "core/duplicates/CDuplicateFinder.h"

#include "core/containers/CDisjointSets.h"
#include "core/model/CPersonalData.h"

#include <algorithm>
#include <array>
#include <string>
#include <unordered_map>
#include <unordered_set>

namespace {
using CBuckets = std::unordered_map<std::string, std::vector<std::uint32_t>>;

// The e-mail fields, and the phones that are the person's own: the home town's phone is a
// family's, and would offer brothers and sisters as one person.
constexpr std::array EMAIL_TEXTS = {EPersonText::Email1, EPersonText::Email2};
constexpr std::array PHONE_TEXTS = {EPersonText::Tel1, EPersonText::Tel2};

void Put(CBuckets& buckets, std::string key, std::uint32_t index) {
    if (key.empty())
        return;
    std::vector<std::uint32_t>& bucket = buckets[std::move(key)];
    if (bucket.empty() || bucket.back() != index) // the same number in both fields counts once
        bucket.push_back(index);
}

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

    void JoinBuckets(const CBuckets& buckets, EDuplicateReason reason) {
        for (const auto& [key, bucket] : buckets) {
            if (bucket.size() < 2)
                continue;
            if (std::none_of(bucket.begin(), bucket.end(),
                             [this](std::uint32_t index) { return m_bTold[index]; })) {
                for (std::size_t i = 1; i < bucket.size(); ++i)
                    Join(bucket[i - 1], bucket[i], reason);
                continue;
            }
            // A pair told apart may still be joined through a third person, so every pair
            // counts; such buckets are few and small.
            for (std::size_t i = 0; i < bucket.size(); ++i) {
                for (std::size_t j = i + 1; j < bucket.size(); ++j) {
                    if (!m_told.contains(PairKey(bucket[i], bucket[j])))
                        Join(bucket[i], bucket[j], reason);
                }
            }
        }
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
    CBuckets names;
    CBuckets emails;
    CBuckets phones;
    for (CBuckets* buckets : {&names, &emails, &phones})
        buckets->reserve(persons.size());
    for (std::uint32_t i = 0; i < persons.size(); ++i) {
        const CPersonalData& person = *persons[i];
        Put(names, m_keys.NameKey(person.GetText(EPersonText::Name)), i);
        for (const EPersonText text : EMAIL_TEXTS)
            Put(emails, m_keys.EmailKey(person.GetText(text)), i);
        for (const EPersonText text : PHONE_TEXTS)
            Put(phones, m_keys.PhoneKey(person.GetText(text)), i);
    }
    CJoiner joiner(persons.size(), notDuplicates);
    joiner.JoinBuckets(names, EDuplicateReason::Name);
    joiner.JoinBuckets(emails, EDuplicateReason::Email);
    joiner.JoinBuckets(phones, EDuplicateReason::Phone);
    return joiner.Sets();
}
