#include "cli/CSyncCommand.h"

#include "cli/CCliArguments.h"
#include "cli/CCliTexts.h"
#include "cli/CCommandLine.h"
#include "cli/CCurlClient.h"
#include "cli/CLockedBook.h"
#include "core/commands/CCommandGroup.h"
#include "core/document/CAddressDoc.h"
#include "core/storage/CFileReader.h"
#include "core/sync/CDavUrl.h"
#include "core/sync/CDryRunClient.h"
#include "core/sync/CSyncCardStore.h"
#include "core/sync/CSyncDeletedFile.h"
#include "core/sync/CSyncEngine.h"
#include "core/sync/CSyncState.h"
#include "core/sync/CSyncTexts.h"

#include <cstdio>
#include <cstdlib>

namespace {
// The password is the file's first line, so that it never shows in a list of processes.
std::optional<std::string> ReadPassword(const std::string& path, std::string& message) {
    constexpr std::size_t MAX_BYTES = 64 * 1024;
    std::string bytes;
    if (const CFileResult read = CFileReader::Read(path, bytes, MAX_BYTES); !read.ok) {
        message = read.message;
        return std::nullopt;
    }
    return bytes.substr(0, bytes.find_first_of("\r\n"));
}

// A refusal names what to do next; the address books to choose from go to standard output,
// one a line, for the user to pick.
int Refuse(const CSyncReport& report) {
    for (const std::string& collection : report.collections)
        std::printf("%s\n", collection.c_str());
    std::string message = report.error;
    if (report.refusal == ESyncRefusal::OtherCollection)
        message += std::string(" ") + CCliTexts::SYNC_SWITCH_HINT;
    return CCliArguments::UsageError(message);
}

int Finish(const CSyncReport& report, bool list, const char* note = nullptr) {
    // The persons on standard output, one a line, for the user to read or a script to parse.
    if (list)
        std::fputs(report.ActionsText().c_str(), stdout);
    std::string text = CSyncEngine::ReportText(report);
    if (note)
        text += std::string("\n") + note;
    if (!report.IsComplete())
        return CCliArguments::Report(text);
    return CCliArguments::Report(text, report.conflicts.empty() ? CCliArguments::EXIT_OK
                                                                : CSyncCommand::EXIT_CONFLICT);
}
} // namespace

int CSyncCommand::Run(const CCommandLine& commandLine) {
    const auto arguments = CCliArguments::Parse(commandLine.GetWords(), 2,
                                                {"--switch-collection", "--dry-run", "--verbose"},
                                                {"--user", "--password-file", "--ca-file"});
    if (!arguments)
        return CCliArguments::UsageError(CCliTexts::SYNC_USAGE);
    const std::string& url = arguments->GetFile(1);
    const std::optional<CDavUrl> parsed = CDavUrl::Parse(url);
    // A password on the command line shows in every list of processes.
    if (parsed && parsed->HasPassword())
        return CCliArguments::UsageError(CCliTexts::SYNC_PASSWORD_IN_URL);
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
    if (const CFileResult locked = book.LockOrCreate(); !locked.ok)
        return CCliArguments::Report(locked.message);
    CAddressDoc doc;
    if (!book.Created()) {
        if (const CFileResult loaded = book.Load(doc); !loaded.ok)
            return CCliArguments::Report(loaded.message);
    }
    CSyncState state;
    if (const CFileResult loaded = CSyncState::Load(path, state); !loaded.ok) {
        book.RemoveUnsaved();
        return CCliArguments::Report(loaded.message);
    }
    const CSyncState before = state;
    CSyncCardStore cards;
    CSyncCardStore::Load(path, cards);
    const std::string user =
        arguments->Get("--user").value_or(parsed ? parsed->User() : std::string());
    CCurlClient http(user, password);
    // A self-signed server's certificate, as curl itself takes it.
    const char* caFromEnvironment = std::getenv("SSL_CERT_FILE");
    if (const auto ca = arguments->Get("--ca-file"))
        http.SetCaFile(*ca);
    else if (caFromEnvironment && *caFromEnvironment)
        http.SetCaFile(caFromEnvironment);
    const bool dryRun = arguments->Has("--dry-run");
    CDryRunClient readOnly(http);
    CCommandGroup changes;
    CSyncEngine engine(doc, state, dryRun ? static_cast<CHttpClient&>(readOnly) : http);
    engine.SetCards(cards);
    CSyncReport report = engine.Run(url, changes, arguments->Has("--switch-collection"));
    if (dryRun) {
        if (book.Created())
            book.RemoveUnsaved();
        if (report.refusal != ESyncRefusal::None)
            return Refuse(report);
        return Finish(report, true, CSyncTexts::DRY_RUN);
    }
    // A sync that failed before it changed anything leaves a new book unmade. A person sent
    // up is known to the server by its UID from now on, which the book keeps beside it.
    const bool save =
        changes.GetCount() > 0 || report.uploaded > 0 || (book.Created() && report.error.empty());
    if (save) {
        // Without the book saved, the state must not claim what the book lacks.
        if (const CFileResult saved = book.Save(doc); !saved.ok)
            return CCliArguments::Report(saved.message);
    }
    if (!save && book.Created()) {
        book.RemoveUnsaved();
    } else {
        if (state != before) {
            if (const CFileResult saved = state.Save(path); !saved.ok)
                return CCliArguments::Report(saved.message);
        }
        if (cards.IsChanged()) {
            if (const CFileResult saved = cards.Save(path); !saved.ok)
                return CCliArguments::Report(saved.message);
        }
    }
    if (!report.deletedCards.empty()) {
        if (const CFileResult kept = CSyncDeletedFile::Append(path, report.deletedCards); !kept.ok)
            return CCliArguments::Report(kept.message);
        report.deletedFile = CSyncDeletedFile::PathFor(path).string();
    }
    if (report.refusal != ESyncRefusal::None)
        return Refuse(report);
    return Finish(report, arguments->Has("--verbose"));
}
