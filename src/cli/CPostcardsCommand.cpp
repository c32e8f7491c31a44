#include "cli/CPostcardsCommand.h"

#include "cli/CCliArguments.h"
#include "cli/CCliPersons.h"
#include "cli/CCliTexts.h"
#include "cli/CCommandLine.h"
#include "cli/CExportTarget.h"
#include "cli/CLockedBook.h"
#include "core/document/CAddressDoc.h"
#include "core/document/CDataFile.h"
#include "core/print/CPostcardBatch.h"
#include "core/print/CPostcardSettings.h"
#include "core/print/CPrintTexts.h"
#include "core/storage/CSafeFileWriter.h"
#include "core/text/CTextCodec.h"
#include "core/text/CTextEscape.h"
#include "core/text/CTextFormat.h"
#include "gui/print/CPostcardPdf.h"

#include <QGuiApplication>

#include <charconv>
#include <cstdlib>
#include <iterator>

namespace {
struct COptions {
    std::string file;
    std::string output;
    bool force = false;
    std::optional<std::string> group;
    std::optional<std::size_t> sender;
    CPostcardOptions card;
};

std::optional<double> ParseNumber(std::string_view text) {
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

// "X,Y" in millimetres, each within a card's width.
bool ParseOffset(std::string_view text, CPostcardOptions& card) {
    const std::vector<std::string> parts = CCliArguments::SplitList(text);
    if (parts.size() != 2)
        return false;
    const auto x = ParseNumber(parts[0]);
    const auto y = ParseNumber(parts[1]);
    constexpr double LIMIT = CPostcardSettings::MAX_OFFSET_TENTHS / 10.0;
    if (!x || !y || std::abs(*x) > LIMIT || std::abs(*y) > LIMIT)
        return false;
    card.m_dOffsetX = *x;
    card.m_dOffsetY = *y;
    return true;
}

std::optional<COptions> ParseOptions(const CCommandLine& commandLine) {
    const auto arguments = CCliArguments::Parse(
        commandLine.GetWords(), 1, {"--force"},
        {"--group", "--sender", "--honorific", "--digits", "--offset", "--output"});
    if (!arguments || !arguments->Get("--output"))
        return std::nullopt;
    COptions options;
    options.file = arguments->GetFile(0);
    options.output = *arguments->Get("--output");
    options.force = arguments->Has("--force");
    options.group = arguments->Get("--group");
    if (const auto sender = arguments->Get("--sender")) {
        std::size_t index = 0;
        const auto [end, error] =
            std::from_chars(sender->data(), sender->data() + sender->size(), index);
        if (error != std::errc() || end != sender->data() + sender->size() || sender->empty())
            return std::nullopt;
        options.sender = index;
    }
    const std::string honorific =
        arguments->Get("--honorific").value_or(CPrintTexts::HONORIFIC_SAMA);
    options.card.m_strHonorific = honorific == "none" ? "" : honorific;
    const std::string digits = arguments->Get("--digits").value_or("kanji");
    if (digits != "kanji" && digits != "arabic")
        return std::nullopt;
    options.card.m_numerals = digits == "arabic" ? ENumeralStyle::Arabic : ENumeralStyle::Kanji;
    if (const auto offset = arguments->Get("--offset");
        offset && !ParseOffset(*offset, options.card))
        return std::nullopt;
    options.card.m_strFont = CPrintTexts::DEFAULT_FONT;
    return options;
}

void ReportSkipped(const CPostcardBatch& batch) {
    for (const std::string& name : batch.GetSkippedNames())
        CCliArguments::Report(CTextFormat::Format(CCliTexts::POSTCARD_SKIPPED,
                                                  {CTextEscape::ControlCharacters(name)}),
                              CCliArguments::EXIT_OK);
    if (const std::size_t unreadable = batch.CountUnreadableZips())
        CCliArguments::Report(
            CTextFormat::Format(CCliTexts::POSTCARD_ZIP_UNREADABLE, {std::to_string(unreadable)}),
            CCliArguments::EXIT_OK);
}

// Qt's own remarks (a missing runtime folder and the like) are no part of the command's report.
void QuietQt(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        CCliArguments::Report(message.toStdString(), CCliArguments::EXIT_OK);
}

// Qt paints on a virtual screen, so that the command runs where there is no display.
QByteArray RenderOffscreen(const CPostcardBatch& batch, const std::string& font) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietQt);
    int argc = 1;
    char name[] = "tarnvale-cli";
    char* argv[] = {name, nullptr};
    const QGuiApplication application(argc, argv);
    return CPostcardPdf::Render(batch.GetCards(), QString::fromStdString(font));
}
} // namespace

int CPostcardsCommand::Run(const CCommandLine& commandLine) {
    const auto options = ParseOptions(commandLine);
    if (!options)
        return CCliArguments::UsageError(CCliTexts::POSTCARDS_USAGE);
    if (const auto refusal = CExportTarget::Refusal(options->file, options->output, options->force))
        return CCliArguments::Report(*refusal);
    CAddressDoc doc;
    if (const CFileResult loaded = CLockedBook::LoadUnlocked(doc, options->file); !loaded.ok)
        return CCliArguments::Report(loaded.message);
    const CTextCodec codec;
    const auto persons = CCliPersons::Select(doc, codec, options->group);
    if (!persons)
        return CCliArguments::Report(CTextFormat::Format(
            CCliTexts::NO_GROUP, {CTextEscape::ControlCharacters(*options->group)}));
    const auto& everyone = doc.GetPersonList();
    if (options->sender && *options->sender >= everyone.size())
        return CCliArguments::UsageError(CTextFormat::Format(CCliTexts::POSTCARD_SENDER_INDEX,
                                                             {std::to_string(everyone.size())}));
    const CPersonalData* sender =
        options->sender
            ? *std::next(everyone.begin(), static_cast<std::ptrdiff_t>(*options->sender))
            : nullptr;
    const CPostcardBatch batch({persons->begin(), persons->end()}, sender, options->card, codec);
    ReportSkipped(batch);
    if (batch.GetCards().empty())
        return CCliArguments::Report(CCliTexts::POSTCARD_NONE);
    const QByteArray pdf = RenderOffscreen(batch, options->card.m_strFont);
    const CFileResult written = CSafeFileWriter::Write(
        options->output, std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
    return written.ok ? CCliArguments::EXIT_OK : CCliArguments::Report(written.message);
}
