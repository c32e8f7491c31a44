#include "CAbookWriter.h"

#include "core/document/CAddressDoc.h"
#include "core/text/CTextCodec.h"

#include <array>
#include <utility>

namespace {
// abook has no home-town fields; the nearest standard ones carry them so no text is lost.
constexpr std::array<std::pair<const char*, EPersonText>, 10> FIELDS = {{
    {"name", EPersonText::Name},
    {"address", EPersonText::Address},
    {"address2", EPersonText::HomeAddress},
    {"zip", EPersonText::Zip},
    {"phone", EPersonText::Tel1},
    {"mobile", EPersonText::Tel2},
    {"workphone", EPersonText::HomeTel},
    {"nick", EPersonText::Initial},
    {"url", EPersonText::HomePage},
    {"custom1", EPersonText::HomeZip},
}};

// abook values are one line each.
std::string OneLine(std::string text) {
    for (char& c : text) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    return text;
}

void AppendField(std::string& out, const char* key, const std::string& value) {
    if (value.empty())
        return;
    out += key;
    out += '=';
    out += value;
    out += '\n';
}
} // namespace

std::string CAbookWriter::Write(const CAddressDoc& doc) {
    const CTextCodec codec;
    std::string out = "# abook addressbook file\n\n[format]\nprogram=abook\nversion=0.6.1\n\n";
    std::size_t index = 0;
    for (const CPersonalData* person : doc.GetPersonList()) {
        out += "[" + std::to_string(index++) + "]\n";
        for (const auto& [key, text] : FIELDS)
            AppendField(out, key, OneLine(codec.ToUtf8(person->GetText(text))));
        std::string emails(person->GetText(EPersonText::Email1));
        const std::string_view second = person->GetText(EPersonText::Email2);
        if (!second.empty())
            emails += (emails.empty() ? "" : ",") + std::string(second);
        AppendField(out, "email", emails);
        AppendField(out, "notes", OneLine(codec.ToUtf8(person->GetText(EPersonText::Memo))));
        out += '\n';
    }
    return out;
}
