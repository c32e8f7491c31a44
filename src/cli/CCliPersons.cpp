#include "cli/CCliPersons.h"

#include "core/document/CAddressDoc.h"
#include "core/text/CTextCodec.h"

#include <algorithm>

std::optional<std::vector<CPersonalData*>>
CCliPersons::Select(const CAddressDoc& doc, const CTextCodec& codec,
                    const std::optional<std::string>& group) {
    if (!group)
        return std::vector<CPersonalData*>(doc.GetPersonList().begin(), doc.GetPersonList().end());
    // A name CP932 cannot hold names no group of the book.
    const CEncodeResult name = codec.FromUtf8(*group);
    const auto& groups = doc.GetGroupList();
    const auto found = std::find_if(groups.begin(), groups.end(), [&name](const CGroup* candidate) {
        return name.ok() && candidate->m_strGroupName == name.text;
    });
    if (found == groups.end())
        return std::nullopt;
    return std::vector<CPersonalData*>((*found)->m_memberList.begin(),
                                       (*found)->m_memberList.end());
}

std::optional<std::string> CCliPersons::GroupName(const std::optional<std::string>& utf8,
                                                  const CTextCodec& codec) {
    if (!utf8)
        return std::nullopt;
    const CEncodeResult encoded = codec.FromUtf8(*utf8);
    return encoded.ok() ? encoded.text : std::string(1, '\0');
}
