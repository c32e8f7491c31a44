#include "cli/CSyncCommand.h"

#include "cli/CCliArguments.h"
#include "cli/CCliTexts.h"
#include "cli/CCommandLine.h"
#include "cli/CCurlClient.h"
#include "cli/CLockedBook.h"
#include "core/commands/CCommandGroup.h"
#include "core/document/CAddressDoc.h"
#include "core/storage/CFileReader.h"
#include "core/sync/CSyncEngine.h"
#include "core/sync/CSyncState.h"

#include <filesystem>

namespace {
// The password is the file's first line, so that it never shows in a list of processes.
std::optional<std::string> ReadPassword(const std::string& path, std::string& message) {
    std::string bytes;
    if (const CFileResult read = CFileReader::Read(path, bytes); !read.ok) {
        message = read.message;
        return std::nullopt;
    }
    return bytes.substr(0, bytes.find_first_of("\r\n"));
}
} // namespace

int CSyncCommand::Run(const CCommandLine& commandLine) {
    const auto arguments =
        CCliArguments::Parse(commandLine.GetWords(), 2, {}, {"--user", "--password-file"});
    if (!arguments)
        return CCliArguments::UsageError(CCliTexts::SYNC_USAGE);
    std::string password;
    if (const auto file = arguments->Get("--password-file")) {
        std::string message;
        const auto read = ReadPassword(*file, message);
        if (!read)
            return CCliArguments::Report(message);
        password = *read;
    }
    const std::string& path = arguments->GetFile(0);
    CLockedBook book(path);
    if (const CFileResult locked = book.Lock(); !locked.ok)
        return CCliArguments::Report(locked.message);
    CAddressDoc doc;
    const bool exists = std::filesystem::exists(path);
    if (exists) {
        if (const CFileResult loaded = book.Load(doc); !loaded.ok)
            return CCliArguments::Report(loaded.message);
    }
    CSyncState state = CSyncState::Load(path);
    CCurlClient http(arguments->Get("--user").value_or(""), password);
    CCommandGroup changes;
    const CSyncReport report = CSyncEngine(doc, state, http).Run(arguments->GetFile(1), changes);
    // A sync that failed before it changed anything leaves a new book unmade. A person sent
    // up is known to the server by its UID from now on, which the book keeps beside it.
    if (changes.GetCount() > 0 || report.uploaded > 0 || (!exists && report.error.empty())) {
        // Without the book saved, the state must not claim what the book lacks.
        if (const CFileResult saved = book.Save(doc); !saved.ok)
            return CCliArguments::Report(saved.message);
    }
    if (exists || changes.GetCount() > 0 || report.error.empty()) {
        if (const CFileResult saved = state.Save(path); !saved.ok)
            return CCliArguments::Report(saved.message);
    }
    const std::string text = CSyncEngine::ReportText(report);
    if (!report.error.empty())
        return CCliArguments::Report(text);
    return CCliArguments::Report(text,
                                 report.conflicts.empty() ? CCliArguments::EXIT_OK : EXIT_CONFLICT);
}
