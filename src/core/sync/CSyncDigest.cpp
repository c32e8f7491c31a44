#include "core/sync/CSyncDigest.h"

#include "core/model/CGroup.h"
#include "core/model/CPersonalData.h"
#include "core/text/CSha1.h"
#include "core/vcard/CVCardMapper.h"
#include "core/vcard/CVCardWriter.h"

#include <cstdint>

namespace {
constexpr std::string_view PREFIX = "2:";

template <typename Texts>
std::string DigestOf(const Texts& texts, int sex, const std::set<std::string>& groups) {
    CSha1 sha;
    // Each text with its length before it, so that no two different persons run together.
    const auto add = [&sha](std::string_view text) {
        const auto size = static_cast<std::uint32_t>(text.size());
        const char length[4] = {static_cast<char>(size), static_cast<char>(size >> 8),
                                static_cast<char>(size >> 16), static_cast<char>(size >> 24)};
        sha.Update(std::string_view(length, 4));
        sha.Update(text);
    };
    for (const auto& text : texts)
        add(text);
    add(std::to_string(sex));
    for (const std::string& group : groups)
        add(group);
    return std::string(PREFIX) + CSha1::Hex(sha.Finish());
}
} // namespace

std::set<std::string> CSyncDigest::GroupNames(const CPersonalData& person) {
    std::set<std::string> names;
    for (const CGroup* group : person.m_groupList) {
        if (group->m_nSerial != CGroup::GROUP_TRANSIENT)
            names.insert(group->m_strGroupName.Str());
    }
    return names;
}

std::string CSyncDigest::Of(const CPersonalData& person) {
    std::array<std::string_view, CPersonalData::TEXT_COUNT> texts;
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = person.GetText(static_cast<EPersonText>(i));
    return DigestOf(texts, person.m_nSex, GroupNames(person));
}

std::string CSyncDigest::Of(const CVCardPerson& card) {
    return DigestOf(card.texts, card.sex, {card.groups.begin(), card.groups.end()});
}

bool CSyncDigest::IsCurrent(std::string_view digest) {
    return digest.starts_with(PREFIX);
}

std::string CSyncDigest::LegacyOf(const CPersonalData& person, CVCardWriter& writer) {
    writer.WritePerson(person);
    return CSha1::Hex(CSha1::Of(writer.TakeText()));
}
