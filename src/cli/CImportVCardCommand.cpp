#include "cli/CImportVCardCommand.h"

#include "cli/CCliArguments.h"
#include "cli/CCliTexts.h"
#include "cli/CCommandLine.h"
#include "cli/CLockedBook.h"
#include "core/app/CVCardCommands.h"
#include "core/document/CAddressDoc.h"
#include "core/storage/CFileReader.h"
#include "core/text/CTextCodec.h"
#include "core/vcard/CVCardImport.h"
#include "core/vcard/CVCardReader.h"

int CImportVCardCommand::Run(const CCommandLine& commandLine) {
    const auto arguments =
        CCliArguments::Parse(commandLine.GetWords(), 2, {"--add", "--replace-unencodable"}, {});
    if (!arguments)
        return CCliArguments::UsageError(CCliTexts::IMPORT_VCARD_USAGE);
    const std::string& vcf = arguments->GetFile(0);
    std::string bytes;
    if (const CFileResult read = CFileReader::Read(vcf, bytes); !read.ok)
        return CCliArguments::Report(read.message);
    const CVCardReadResult read =
        CVCardReader::Read(bytes, arguments->Has("--replace-unencodable"));
    if (!read.error.empty())
        return CCliArguments::Report(read.error);
    std::string().swap(bytes);
    CVCardImport import(read.cards);
    if (!import.Encode(CTextCodec(), arguments->Has("--replace-unencodable")))
        return CCliArguments::Report(CVCardImport::UnencodableText(import.GetUnencodable()));

    CLockedBook book(arguments->GetFile(1));
    if (const CFileResult locked = book.Lock(); !locked.ok)
        return CCliArguments::Report(locked.message);
    CAddressDoc doc;
    if (arguments->Has("--add")) {
        if (const CFileResult loaded = book.Load(doc); !loaded.ok)
            return CCliArguments::Report(loaded.message);
    }
    CVCardSummary summary = CVCardCommands::ImportCards(doc, import, false);
    summary.TakeReadCounts(read);
    // A new book is as private as the file it is made from.
    const std::string madeFrom = arguments->Has("--add") ? std::string() : vcf;
    if (const CFileResult saved = book.Save(doc, madeFrom); !saved.ok)
        return CCliArguments::Report(saved.message);
    return CCliArguments::Report(CVCardImport::SummaryText(summary), CCliArguments::EXIT_OK);
}
