#include "cli/CMergeCommand.h"

#include "cli/CCliArguments.h"
#include "cli/CCliTexts.h"
#include "cli/CCommandLine.h"
#include "cli/CLockedBook.h"
#include "core/document/CAddressDoc.h"
#include "core/document/CDataFile.h"
#include "core/duplicates/CPersonMerge.h"
#include "core/text/CTextFormat.h"

#include <algorithm>
#include <charconv>
#include <set>

namespace {
constexpr std::string_view OUTPUT = "--output";

// The positions after the book's name, each once; nothing for a word that is no position.
std::optional<std::vector<std::size_t>> ParsePositions(const CCliArguments& arguments,
                                                       std::size_t count) {
    std::vector<std::size_t> positions;
    for (std::size_t i = 1; i < count; ++i) {
        const std::string& word = arguments.GetFile(i);
        std::size_t position = 0;
        const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), position);
        if (error != std::errc() || end != word.data() + word.size() ||
            std::find(positions.begin(), positions.end(), position) != positions.end())
            return std::nullopt;
        positions.push_back(position);
    }
    return positions;
}
} // namespace

int CMergeCommand::Run(const CCommandLine& commandLine) {
    const std::vector<std::string> words = commandLine.GetWords();
    const std::size_t optionWords =
        2 * static_cast<std::size_t>(std::count(words.begin(), words.end(), OUTPUT));
    const std::size_t fileCount = words.size() >= optionWords ? words.size() - optionWords : 0;
    const auto arguments = CCliArguments::Parse(words, fileCount, {}, {OUTPUT});
    const auto positions =
        arguments && fileCount >= 3 ? ParsePositions(*arguments, fileCount) : std::nullopt;
    if (!positions)
        return CCliArguments::UsageError(CCliTexts::MERGE_USAGE);

    const std::string& in = arguments->GetFile(0);
    const std::string out = arguments->Get(std::string(OUTPUT)).value_or(in);
    CLockedBook book(out);
    if (const CFileResult locked = book.Lock(); !locked.ok)
        return CCliArguments::Report(locked.message);
    CAddressDoc doc;
    // The book read is the book saved unless another is named: then it stays as it is.
    const CFileResult loaded = out == in ? book.Load(doc) : CLockedBook::LoadUnlocked(doc, in);
    if (!loaded.ok)
        return CCliArguments::Report(loaded.message);
    const std::vector<CPersonalData*> live(doc.GetPersonList().begin(), doc.GetPersonList().end());
    const auto beyond =
        std::find_if(positions->begin(), positions->end(),
                     [&live](std::size_t position) { return position >= live.size(); });
    if (beyond != positions->end())
        return CCliArguments::UsageError(CTextFormat::Format(
            CCliTexts::NO_SUCH_PERSON, {std::to_string(*beyond), std::to_string(live.size())}));
    std::vector<CPersonalData*> others;
    for (std::size_t i = 1; i < positions->size(); ++i)
        others.push_back(live[(*positions)[i]]);
    doc.ExecuteCommand(CPersonMerge().MakeCommand(doc, live[positions->front()], others));
    if (const CFileResult saved = book.Save(doc, out == in ? std::string() : in); !saved.ok)
        return CCliArguments::Report(saved.message);
    return CCliArguments::EXIT_OK;
}
