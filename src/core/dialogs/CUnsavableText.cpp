#include "core/dialogs/CUnsavableText.h"

#include "core/dialogs/CDialogModelTexts.h"
#include "core/text/CTextCodec.h"
#include "core/text/CTextFormat.h"
#include "core/ui/CUserInterface.h"

#include <cstdio>

namespace {
// A code point as U+XXXX, so that invisible and look-alike characters can still be found.
std::string CodePoint(char32_t c) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "U+%04X", static_cast<unsigned>(c));
    return buffer;
}
} // namespace

std::string CUnsavableText::MakeMessage(std::string_view fieldLabel,
                                        const std::vector<char32_t>& characters) {
    std::string list;
    for (std::size_t i = 0; i < characters.size(); ++i) {
        if (i > 0)
            list += CDialogModelTexts::LIST_SEPARATOR;
        list += CTextCodec::EncodeUtf8(characters[i]) + " (" + CodePoint(characters[i]) + ")";
    }
    return CTextFormat::Format(CDialogModelTexts::UNSAVABLE, {fieldLabel, list});
}

void CUnsavableText::Report(CUserInterface& ui, std::string_view fieldLabel,
                            const std::vector<char32_t>& characters) {
    ui.MessageBox(MakeMessage(fieldLabel, characters), EMessageButtons::Ok, EMessageIcon::Warning);
}
