#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class ECliCommand { Help, Dump, Copy, ExportCsv, ImportCsv };

// What tarnvale-cli was asked to do, read from its arguments.
class CCommandLine {
public:
    // Nothing when the arguments fit no command; the caller shows the usage then.
    static std::optional<CCommandLine> Parse(const std::vector<std::string_view>& args);
    static std::string Usage();

    ECliCommand GetCommand() const { return m_command; }
    // The words after the command's name: its files and, for commands with options, those.
    const std::vector<std::string>& GetFiles() const { return m_files; }

private:
    CCommandLine(ECliCommand command, std::vector<std::string> files)
        : m_command(command), m_files(std::move(files)) {}

    ECliCommand m_command;
    std::vector<std::string> m_files;
};
