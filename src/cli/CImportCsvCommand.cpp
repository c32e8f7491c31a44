#include "cli/CImportCsvCommand.h"

#include "cli/CCliArguments.h"
#include "cli/CCliTexts.h"
#include "cli/CCommandLine.h"
#include "cli/CLockedBook.h"
#include "core/app/CCsvCommands.h"
#include "core/csv/CCSVReader.h"
#include "core/csv/CCsvHeaderMap.h"
#include "core/document/CAddressDoc.h"
#include "core/document/CDataFile.h"
#include "core/model/CFieldTable.h"
#include "core/text/CTextEscape.h"
#include "core/text/CTextFormat.h"

#include <algorithm>
#include <charconv>

namespace {
// For fields 0 to 10 in order, the column that feeds each ("-" for none); fields past the list
// get none.
std::optional<std::vector<int>> ParseMap(std::string_view list) {
    const std::vector<std::string> items = CCliArguments::SplitList(list);
    if (items.size() > static_cast<std::size_t>(CFieldTable::WORKING_FIELDS))
        return std::nullopt;
    std::vector<int> map(CFieldTable::WORKING_FIELDS, -1);
    for (std::size_t field = 0; field < items.size(); ++field) {
        const std::string& item = items[field];
        if (item == "-")
            continue;
        int column = -1;
        const auto [end, error] = std::from_chars(item.data(), item.data() + item.size(), column);
        if (error != std::errc() || end != item.data() + item.size() || column < 0)
            return std::nullopt;
        map[field] = column;
    }
    return map;
}

std::optional<ECsvEncoding> ParseEncoding(std::string_view name) {
    if (name == "auto")
        return ECsvEncoding::Auto;
    if (name == "cp932")
        return ECsvEncoding::Cp932;
    if (name == "utf-8")
        return ECsvEncoding::Utf8;
    return std::nullopt;
}

std::string UnencodableLine(const CCsvDecoded& decoded) {
    std::string examples;
    for (std::size_t i = 0; i < decoded.examples.size(); ++i) {
        if (i > 0)
            examples += CCliTexts::LIST_SEPARATOR;
        examples += CTextFormat::Format(
            CCliTexts::UNENCODABLE_EXAMPLE,
            {std::to_string(decoded.examples[i].line), decoded.examples[i].characters});
    }
    if (decoded.unencodableValues > decoded.examples.size())
        examples += CCliTexts::LIST_MORE;
    return CTextFormat::Format(CCliTexts::UNENCODABLE,
                               {std::to_string(decoded.unencodableValues), examples});
}
} // namespace

int CImportCsvCommand::Run(const CCommandLine& commandLine) {
    const auto arguments = CCliArguments::Parse(
        commandLine.GetWords(), 2, {"--add", "--header", "--rfc4180", "--replace-unencodable"},
        {"--map", "--encoding"});
    if (!arguments)
        return CCliArguments::UsageError(CCliTexts::IMPORT_CSV_USAGE);
    const auto encoding = ParseEncoding(arguments->Get("--encoding").value_or("auto"));
    if (!encoding)
        return CCliArguments::UsageError(CCliTexts::IMPORT_ENCODING);
    // "--map header" takes the columns from the names of the first line, which is then no
    // record.
    const bool mapFromHeader = arguments->Get("--map") == "header";
    const auto map = !arguments->Get("--map") || mapFromHeader
                         ? std::optional(CCliArguments::AllFields())
                         : ParseMap(*arguments->Get("--map"));
    if (!map)
        return CCliArguments::UsageError(CCliTexts::MAP_FORMAT);
    // As the dialog's OK stays disabled, an import that fills no field is not begun.
    if (std::all_of(map->begin(), map->end(), [](int column) { return column < 0; }))
        return CCliArguments::UsageError(CCliTexts::MAP_EMPTY);
    const CCsvOptions options{*encoding, arguments->Has("--header") || mapFromHeader,
                              arguments->Has("--rfc4180") ? ECsvQuoting::Rfc4180
                                                          : ECsvQuoting::Plain};

    const std::string& csv = arguments->GetFile(0);
    const std::string& out = arguments->GetFile(1);
    CCSVReader reader(CCsvCommands::FieldNames());
    if (const CFileResult read = reader.Load(csv); !read.ok)
        return CCliArguments::Report(read.message);
    if (reader.IsEmpty())
        return CCliArguments::Report(
            CTextFormat::Format(CCliTexts::CSV_EMPTY, {CTextEscape::Path(csv)}),
            CCliArguments::EXIT_OK);
    CCsvColumnMap columns = mapFromHeader ? CCsvHeaderMap::Map(reader.GetExamples(options))
                                          : CCSVReader::SingleColumns(*map);
    if (!CCsvHeaderMap::HasAnyColumn(columns))
        return CCliArguments::Report(
            CTextFormat::Format(CCliTexts::NO_KNOWN_COLUMN, {CTextEscape::Path(csv)}));
    const CFileResult prepared =
        reader.Prepare(options, std::move(columns), arguments->Has("--replace-unencodable"));
    if (!prepared.ok) {
        const CCsvDecoded& decoded = reader.GetDecoded();
        return CCliArguments::Report(decoded.unencodableValues > 0 ? UnencodableLine(decoded)
                                                                   : prepared.message);
    }

    CLockedBook book(out);
    if (const CFileResult locked = book.Lock(); !locked.ok)
        return CCliArguments::Report(locked.message);
    CAddressDoc doc;
    if (arguments->Has("--add")) {
        if (const CFileResult loaded = book.Load(doc); !loaded.ok)
            return CCliArguments::Report(loaded.message);
    }
    CCsvCommands::ImportRecords(doc, reader, false);
    // A new book is as private as the CSV it is made from.
    const std::string madeFrom = arguments->Has("--add") ? std::string() : csv;
    if (const CFileResult saved = book.Save(doc, madeFrom); !saved.ok)
        return CCliArguments::Report(saved.message);
    if (const auto joined = CCSVReader::JoinedMessage(reader.GetJoinedValues()))
        return CCliArguments::Report(*joined, CCliArguments::EXIT_OK);
    return CCliArguments::EXIT_OK;
}
