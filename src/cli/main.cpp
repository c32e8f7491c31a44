#include "cli/CCliArguments.h"
#include "cli/CCliTexts.h"
#include "cli/CCommandLine.h"
#include "cli/CExportCsvCommand.h"
#include "cli/CFindCommand.h"
#include "cli/CImportCsvCommand.h"
#include "cli/CLockedBook.h"
#include "cli/CMailAddressesCommand.h"
#include "core/document/CAddressDoc.h"
#include "core/storage/CDataFile.h"
#include "core/storage/CJsonDump.h"

#include <cstdio>
#include <string>

namespace {
constexpr int EXIT_OK = 0;
constexpr int EXIT_FAILED = 1;
constexpr int EXIT_USAGE = 2;

int Report(const std::string& message) {
    return CCliArguments::Report(message);
}

int UsageError() {
    return CCliArguments::UsageError(CCliTexts::USAGE_LINE);
}

bool WriteToStdout(const std::string& text) {
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() &&
           std::fflush(stdout) == 0;
}

// A dump only looks at the records, so it reads them without building a document.
int Dump(const std::string& file) {
    bool written = true;
    const CFileResult dumped = CJsonDump::DumpFile(file, [&written](std::string_view piece) {
        written = written && std::fwrite(piece.data(), 1, piece.size(), stdout) == piece.size();
    });
    if (!dumped.ok)
        return Report(dumped.message);
    if (!written || std::fflush(stdout) != 0)
        return Report(CCliTexts::STDOUT_FAILED);
    return EXIT_OK;
}

int Find(const CCommandLine& commandLine) {
    const auto& files = commandLine.GetFiles();
    const auto find = CFindCommand::Parse(files[0], files[1], commandLine.GetOptions());
    if (!find)
        return UsageError();
    bool written = true;
    const CFileResult found = find->Run([&written](std::string_view piece) {
        written = written && std::fwrite(piece.data(), 1, piece.size(), stdout) == piece.size();
    });
    if (!found.ok)
        return Report(found.message);
    if (!written || std::fflush(stdout) != 0)
        return Report(CCliTexts::STDOUT_FAILED);
    return EXIT_OK;
}

int Copy(const std::string& in, const std::string& out) {
    CLockedBook book(out);
    if (const CFileResult locked = book.Lock(); !locked.ok)
        return Report(locked.message);
    CAddressDoc doc;
    const CFileResult loaded = CDataFile::Load(doc, in);
    if (!loaded.ok)
        return Report(loaded.message);
    const CFileResult saved = book.Save(doc, in);
    if (!saved.ok)
        return Report(saved.message);
    return EXIT_OK;
}
} // namespace

int main(int argc, char* argv[]) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    const auto commandLine = CCommandLine::Parse(args);
    if (!commandLine)
        return UsageError();
    const auto& files = commandLine->GetFiles();
    switch (commandLine->GetCommand()) {
    case ECliCommand::Help:
        return WriteToStdout(CCommandLine::Usage()) ? EXIT_OK : EXIT_FAILED;
    case ECliCommand::Dump:
        return Dump(files[0]);
    case ECliCommand::Copy:
        return Copy(files[0], files[1]);
    case ECliCommand::MailAddresses:
        return CMailAddressesCommand::Run(commandLine->GetWords());
    case ECliCommand::Find:
        return Find(*commandLine);
    case ECliCommand::ExportCsv:
        return CExportCsvCommand::Run(commandLine->GetWords());
    case ECliCommand::ImportCsv:
        return CImportCsvCommand::Run(commandLine->GetWords());
    }
    return EXIT_USAGE;
}
