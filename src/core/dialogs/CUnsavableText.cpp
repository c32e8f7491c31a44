#include "core/dialogs/CUnsavableText.h"

#include "core/text/CTextCodec.h"
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
    std::string message = "「";
    message += fieldLabel;
    message += "」には保存できない文字があります：\n";
    for (std::size_t i = 0; i < characters.size(); ++i) {
        if (i > 0)
            message += "、";
        message += CTextCodec::EncodeUtf8(characters[i]) + " (" + CodePoint(characters[i]) + ")";
    }
    message += "\n別の文字に置き換えてください。";
    return message;
}

void CUnsavableText::Report(CUserInterface& ui, std::string_view fieldLabel,
                            const std::vector<char32_t>& characters) {
    ui.MessageBox(MakeMessage(fieldLabel, characters), EMessageButtons::Ok, EMessageIcon::Warning);
}
