#include "cli/CEditCommands.h"

#include "cli/CCliArguments.h"
#include "cli/CCliTexts.h"
#include "cli/CCommandLine.h"
#include "cli/CLockedBook.h"
#include "core/commands/CDeletePersonalCommand.h"
#include "core/document/CAddressDoc.h"
#include "core/model/CFieldTable.h"
#include "core/storage/CJsonWriter.h"
#include "core/text/CTextCodec.h"
#include "core/text/CTextEscape.h"
#include "core/text/CTextFormat.h"

#include <charconv>
#include <functional>
#include <iterator>

namespace {
std::optional<std::size_t> NumberOf(std::string_view word) {
    std::size_t number = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), number);
    if (error != std::errc() || end != word.data() + word.size() || word.empty())
        return std::nullopt;
    return number;
}

// A field number 0-10 or a key of the dump.
std::optional<EPersonText> TextOf(std::string_view field) {
    if (const auto number = NumberOf(field)) {
        if (CFieldTable::IsWorkingField(static_cast<int>(*number)))
            return CPersonalData::TextOfField(static_cast<int>(*number));
        return std::nullopt;
    }
    return CJsonWriter::TextOfKey(field);
}

// Loads the book, finds the person at `index`, lets `edit` change it and saves; `edit` gives
// an error message to stop without saving.
int EditPerson(const std::string& path, const std::string& index,
               const std::function<std::string(CAddressDoc&, CPersonalData*)>& edit) {
    const auto number = NumberOf(index);
    if (!number)
        return CCliArguments::UsageError(
            CTextFormat::Format(CCliTexts::BAD_INDEX, {CTextEscape::ControlCharacters(index)}));
    CLockedBook book(path);
    if (const CFileResult locked = book.Lock(); !locked.ok)
        return CCliArguments::Report(locked.message);
    CAddressDoc doc;
    if (const CFileResult loaded = book.Load(doc); !loaded.ok)
        return CCliArguments::Report(loaded.message);
    const auto& persons = doc.GetPersonList();
    if (*number >= persons.size())
        return CCliArguments::Report(
            CTextFormat::Format(CCliTexts::NO_SUCH_INDEX, {index, std::to_string(persons.size())}));
    if (const std::string refused =
            edit(doc, *std::next(persons.begin(), static_cast<std::ptrdiff_t>(*number)));
        !refused.empty())
        return CCliArguments::Report(refused);
    if (const CFileResult saved = book.Save(doc); !saved.ok)
        return CCliArguments::Report(saved.message);
    return CCliArguments::EXIT_OK;
}
} // namespace

int CEditCommands::Set(const CCommandLine& commandLine) {
    std::vector<std::pair<EPersonText, std::string>> changes;
    for (const std::string& word : commandLine.GetOptions()) {
        const std::size_t equals = word.find('=');
        const auto text =
            equals == std::string::npos ? std::nullopt : TextOf(word.substr(0, equals));
        if (!text)
            return CCliArguments::UsageError(CCliTexts::SET_USAGE);
        const CEncodeResult encoded = CTextCodec().FromUtf8(word.substr(equals + 1));
        if (!encoded.ok())
            return CCliArguments::Report(
                CTextFormat::Format(CCliTexts::SET_UNENCODABLE,
                                    {CTextEscape::ControlCharacters(word.substr(0, equals))}));
        changes.emplace_back(*text, *text == EPersonText::Memo ? CTextFormat::WithCrLf(encoded.text)
                                                               : encoded.text);
    }
    if (changes.empty())
        return CCliArguments::UsageError(CCliTexts::SET_USAGE);
    const auto& files = commandLine.GetFiles();
    return EditPerson(files[0], files[1], [&](CAddressDoc& doc, CPersonalData* person) {
        // In place, so that the person keeps its index and its UID.
        for (const auto& [text, value] : changes)
            person->SetText(text, value);
        doc.SetModifiedFlag();
        return std::string();
    });
}

int CEditCommands::Delete(const CCommandLine& commandLine) {
    const auto& files = commandLine.GetFiles();
    return EditPerson(files[0], files[1], [](CAddressDoc& doc, CPersonalData* person) {
        CDeletePersonalCommand(person).Do(doc);
        return std::string();
    });
}
