#include "core/duplicates/CNotDuplicatePairs.h"

#include "core/model/CPersonalData.h"
#include "core/settings/CProfile.h"

#include <cstdint>
#include <unordered_map>

namespace {
constexpr std::string_view SECTION = "NotDuplicates";
constexpr std::string_view COUNT_KEY = "Count";
constexpr char KEY_SEPARATOR = ' ';

std::string PairKey(int number) {
    return "Pair" + std::to_string(number);
}
} // namespace

CNotDuplicatePairs::CNotDuplicatePairs(CProfile* profile) : m_pProfile(profile) {
    Load();
}

std::string CNotDuplicatePairs::PersonKey(const CPersonalData& person) {
    return person.GetUid().Key();
}

CNotDuplicatePairs::CKeyPair CNotDuplicatePairs::KeysOf(const CPersonalData& a,
                                                        const CPersonalData& b) {
    CKeyPair keys{PersonKey(a), PersonKey(b)};
    if (keys.second < keys.first)
        std::swap(keys.first, keys.second);
    return keys;
}

void CNotDuplicatePairs::Load() {
    if (!m_pProfile)
        return;
    const int count = m_pProfile->GetProfileInt(SECTION, COUNT_KEY, 0);
    for (int number = 1; number <= count; ++number) {
        const std::string pair = m_pProfile->GetProfileString(SECTION, PairKey(number), "");
        const std::size_t separator = pair.find(KEY_SEPARATOR);
        if (separator == std::string::npos)
            continue;
        CKeyPair keys{pair.substr(0, separator), pair.substr(separator + 1)};
        if (keys.second < keys.first)
            std::swap(keys.first, keys.second);
        m_pairs.insert(std::move(keys));
    }
}

bool CNotDuplicatePairs::Add(const CPersonalData& a, const CPersonalData& b) {
    if (a.GetUid().IsNil() || b.GetUid().IsNil())
        return true; // a person outside any book has nothing to be known by later
    const auto [it, added] = m_pairs.insert(KeysOf(a, b));
    if (!added || !m_pProfile)
        return true;
    const int number = static_cast<int>(m_pairs.size());
    CProfile::CBatch batch(*m_pProfile);
    const bool written = m_pProfile->WriteProfileString(SECTION, PairKey(number),
                                                        it->first + KEY_SEPARATOR + it->second) &&
                         m_pProfile->WriteProfileInt(SECTION, COUNT_KEY, number);
    return batch.End() && written;
}

std::vector<CDuplicateFinder::CPair>
CNotDuplicatePairs::Among(const std::vector<const CPersonalData*>& persons) const {
    std::vector<CDuplicateFinder::CPair> pairs;
    if (m_pairs.empty())
        return pairs;
    std::unordered_map<std::string, std::vector<std::uint32_t>> positions;
    for (std::uint32_t i = 0; i < persons.size(); ++i) {
        if (!persons[i]->GetUid().IsNil())
            positions[PersonKey(*persons[i])].push_back(i);
    }
    const auto at = [&positions](const std::string& key) {
        const auto found = positions.find(key);
        return found == positions.end() ? std::vector<std::uint32_t>() : found->second;
    };
    for (const auto& [first, second] : m_pairs) {
        for (const std::uint32_t a : at(first)) {
            for (const std::uint32_t b : at(second)) {
                if (a != b)
                    pairs.emplace_back(a, b);
            }
        }
    }
    return pairs;
}
