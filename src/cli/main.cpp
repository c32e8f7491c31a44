#include "cli/CCliArguments.h"
#include "cli/CCliTexts.h"
#include "cli/CCommandLine.h"
#include "cli/CDuplicatesCommand.h"
#include "cli/CEditCommands.h"
#include "cli/CExportCsvCommand.h"
#include "cli/CExportVCardCommand.h"
#include "cli/CFindCommand.h"
#include "cli/CGroupsCommand.h"
#include "cli/CImportCsvCommand.h"
#include "cli/CImportVCardCommand.h"
#include "cli/CLockedBook.h"
#include "cli/CMailAddressesCommand.h"
#include "cli/CMergeCommand.h"
#include "cli/CPostcardsCommand.h"
#include "cli/CStdout.h"
#include "cli/CSyncCommand.h"
#include "core/document/CAddressDoc.h"
#include "core/document/CDataFile.h"
#include "core/document/CJsonDump.h"

#include <string>

namespace {
int Help(const CCommandLine&) {
    CStdout out;
    out.Write(CCommandLine::Usage());
    return out.Finish();
}

// A dump only looks at the records, so it reads them without building a document.
int Dump(const CCommandLine& commandLine) {
    CStdout out;
    const CFileResult dumped = CJsonDump::DumpFile(
        commandLine.GetFiles()[0], [&out](std::string_view piece) { out.Write(piece); });
    if (!dumped.ok)
        return CCliArguments::Report(dumped.message);
    CCliArguments::Warn(dumped.warning);
    return out.Finish();
}

int Copy(const CCommandLine& commandLine) {
    const std::string& in = commandLine.GetFiles()[0];
    CLockedBook book(commandLine.GetFiles()[1]);
    if (const CFileResult locked = book.Lock(); !locked.ok)
        return CCliArguments::Report(locked.message);
    CAddressDoc doc;
    if (const CFileResult loaded = CLockedBook::LoadUnlocked(doc, in); !loaded.ok)
        return CCliArguments::Report(loaded.message);
    if (const CFileResult saved = book.Save(doc, in); !saved.ok)
        return CCliArguments::Report(saved.message);
    return CCliArguments::EXIT_OK;
}

using CRun = int (*)(const CCommandLine&);

CRun RunOf(ECliCommand command) {
    switch (command) {
    case ECliCommand::Help:
        return Help;
    case ECliCommand::Dump:
        return Dump;
    case ECliCommand::Copy:
        return Copy;
    case ECliCommand::MailAddresses:
        return CMailAddressesCommand::Run;
    case ECliCommand::Find:
        return CFindCommand::Run;
    case ECliCommand::ExportCsv:
        return CExportCsvCommand::Run;
    case ECliCommand::ImportCsv:
        return CImportCsvCommand::Run;
    case ECliCommand::Duplicates:
        return CDuplicatesCommand::Run;
    case ECliCommand::Merge:
        return CMergeCommand::Run;
    case ECliCommand::Postcards:
        return CPostcardsCommand::Run;
    case ECliCommand::ImportVCard:
        return CImportVCardCommand::Run;
    case ECliCommand::ExportVCard:
        return CExportVCardCommand::Run;
    case ECliCommand::Sync:
        return CSyncCommand::Run;
    case ECliCommand::Set:
        return CEditCommands::Set;
    case ECliCommand::Delete:
        return CEditCommands::Delete;
    }
    return nullptr;
}
} // namespace

int main(int argc, char* argv[]) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    // Left out of the help: the version, and the group names that shell completion asks for.
    if (args.size() == 1 && args[0] == "--version") {
        CStdout out;
        out.Write("tarnvale-cli " TARNVALE_VERSION "\n");
        return out.Finish();
    }
    if (args.size() == 2 && args[0] == "groups")
        return CGroupsCommand::Run(std::string(args[1]));
    const auto commandLine = CCommandLine::Parse(args);
    const CRun run = commandLine ? RunOf(commandLine->GetCommand()) : nullptr;
    if (!run)
        return CCliArguments::UsageError(CCliTexts::USAGE_LINE);
    return run(*commandLine);
}
