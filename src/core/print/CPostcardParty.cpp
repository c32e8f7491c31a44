#include "core/print/CPostcardParty.h"

#include "core/model/CPersonalData.h"
#include "core/text/CTextCodec.h"

CPostcardParty CPostcardParty::FromPerson(const CPersonalData& person, const CTextCodec& codec) {
    return {codec.ToUtf8(person.GetText(EPersonText::Name)),
            codec.ToUtf8(person.GetText(EPersonText::Zip)),
            codec.ToUtf8(person.GetText(EPersonText::Address))};
}

bool CPostcardParty::HasAddress() const {
    // U+3000, the ideographic space, is E3 80 80 in UTF-8.
    std::string_view rest = m_strAddress;
    while (!rest.empty()) {
        if (rest.starts_with("\xE3\x80\x80"))
            rest.remove_prefix(3);
        else if (rest.front() == ' ' || rest.front() == '\t' || rest.front() == '\r' ||
                 rest.front() == '\n')
            rest.remove_prefix(1);
        else
            return true;
    }
    return false;
}
