// Feeds arbitrary bytes to the CSV reader with every way of reading them. Whatever it makes of
// them must import into a document: one person per record, eleven fields each, and for the
// program's own rule one record per line.
#include "core/app/CCsvCommands.h"
#include "core/csv/CCSVReader.h"
#include "core/csv/CCsvDecoder.h"
#include "core/csv/CCsvHeaderMap.h"
#include "core/document/CAddressDoc.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
void Require(bool condition) {
    if (!condition)
        std::abort();
}

// CR LF, LF and a lone CR each end a line.
std::size_t CountLines(std::string_view text) {
    return CCsvDecoder::LineAt(text, text.size());
}
} // namespace

// The first byte chooses the options, the next eleven the column map; the rest is the file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    constexpr std::size_t HEAD = 12;
    if (size < HEAD)
        return 0;
    const std::uint8_t choice = data[0];
    CCsvOptions options;
    options.encoding = static_cast<ECsvEncoding>(choice % 3);
    options.header = (choice & 0x04) != 0;
    options.quoting = (choice & 0x08) != 0 ? ECsvQuoting::Rfc4180 : ECsvQuoting::Plain;
    const bool replace = (choice & 0x10) != 0;
    std::vector<int> map;
    for (std::size_t i = 1; i < HEAD; ++i)
        map.push_back(data[i] >= 0xF0 ? -1 : data[i] % 16);
    const std::string bytes(reinterpret_cast<const char*>(data) + HEAD, size - HEAD);

    CCSVReader reader(CCsvCommands::FieldNames());
    if (!reader.LoadBytes(bytes, "fuzz").ok || reader.IsEmpty())
        return 0;
    const std::vector<std::string> examples = reader.GetExamples(options);
    Require(examples.size() <= 1000);
    Require(reader.SuggestOptions(options).encoding == options.encoding);
    // Or the columns that the names of the first line choose.
    const CCsvColumnMap columns =
        (choice & 0x20) != 0 ? CCsvHeaderMap::Map(examples) : CCSVReader::SingleColumns(map);
    const CFileResult prepared = reader.Prepare(options, columns, replace);
    if (!prepared.ok) {
        Require(!prepared.message.empty());
        return 0;
    }
    Require(reader.GetDecoded().unencodableValues == 0 || replace);
    const std::size_t lines = CountLines(reader.GetDecoded().text);
    CAddressDoc doc;
    CCsvCommands::ImportRecords(doc, reader, true);
    const std::size_t persons = doc.GetPersonList().size();
    Require(persons <= lines);
    if (options.quoting == ECsvQuoting::Plain && !options.header) {
        const std::string& text = reader.GetDecoded().text;
        Require(persons == lines - (text.ends_with('\n') || text.ends_with('\r') ? 1 : 0));
    }
    if (persons > 0) {
        doc.OnEditUndo();
        Require(doc.GetPersonList().empty());
    }
    return 0;
}
