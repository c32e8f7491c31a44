#pragma once

#include "core/storage/CFileResult.h"
#include "core/storage/CJsonDump.h"

#include <optional>
#include <string>
#include <vector>

// tarnvale-cli find: the persons of a file whose chosen fields hold a text, matched as the
// find dialog matches, written as JSON.
class CFindCommand {
public:
    // Nothing when the options are not understood.
    static std::optional<CFindCommand> Parse(std::string file, std::string text,
                                             const std::vector<std::string>& options);

    // Writes {"persons": [...]} to the sink, or says why it cannot.
    CFileResult Run(const CJsonDump::CSink& sink) const;

private:
    CFindCommand(std::string file, std::string text)
        : m_strFile(std::move(file)), m_strText(std::move(text)) {}

    static std::optional<std::vector<int>> ParseFields(const std::string& list);

    std::string m_strFile;
    std::string m_strText; // UTF-8
    std::vector<int> m_fields = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    bool m_bIgnoreCaseWidth = false;
};
