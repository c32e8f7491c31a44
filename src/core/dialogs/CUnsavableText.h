#pragma once

#include <string>
#include <string_view>
#include <vector>

class CUserInterface;

// Tells the user which characters of a field the address book cannot hold. Records are CP932,
// and a text is never stored altered, so the dialog stays open until the user replaces them.
class CUnsavableText {
public:
    CUnsavableText() = delete;

    // fieldLabel is the label the dialog shows for the field (UTF-8).
    static std::string MakeMessage(std::string_view fieldLabel,
                                   const std::vector<char32_t>& characters);
    static void Report(CUserInterface& ui, std::string_view fieldLabel,
                       const std::vector<char32_t>& characters);
};
