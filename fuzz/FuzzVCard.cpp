// Feeds arbitrary bytes to the vCard reader and the import. Whatever it reads must import into
// a document, and importing it a second time must add nobody; the persons, exported and read
// again, must come back as many.
#include "core/app/CVCardCommands.h"
#include "core/document/CAddressDoc.h"
#include "core/text/CTextCodec.h"
#include "core/vcard/CVCardImport.h"
#include "core/vcard/CVCardReader.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace {
void Require(bool condition) {
    if (!condition)
        std::abort();
}
} // namespace

// The first byte chooses whether bad bytes and characters CP932 lacks become "〓"; the rest is
// the file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    const bool replace = (data[0] & 1) != 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    // A value splits into one part at least, whatever its backslashes.
    Require(!CVCardReader::Split(bytes, ';').empty());
    const CVCardReadResult read = CVCardReader::Read(bytes, replace);
    if (!read.error.empty()) {
        Require(read.cards.empty() && read.errorLine > 0);
        return 0;
    }
    const CTextCodec codec;
    CVCardImport import(read.cards);
    if (!import.Encode(codec, replace)) {
        Require(!replace && import.GetUnencodable().values > 0);
        return 0;
    }
    CAddressDoc doc;
    const CVCardSummary first = CVCardCommands::ImportCards(doc, import, true);
    Require(doc.GetPersonList().size() == first.added);
    CVCardImport again(read.cards);
    Require(again.Encode(codec, replace));
    const CVCardSummary second = CVCardCommands::ImportCards(doc, again, true);
    Require(second.added == 0);

    const std::vector<const CPersonalData*> persons(doc.GetPersonList().begin(),
                                                    doc.GetPersonList().end());
    const CVCardReadResult exported = CVCardReader::Read(
        CVCardCommands::ExportPersons(persons, static_cast<EVCardVersion>((data[0] >> 7) & 1), 0));
    Require(exported.error.empty() && exported.cards.size() == persons.size());
    return 0;
}
