#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class ECliCommand {
    Help,
    Dump,
    Copy,
    MailAddresses,
    Find,
    ExportCsv,
    ImportCsv,
    Duplicates,
    Merge,
    Postcards,
    ImportVCard,
    ExportVCard,
    Sync,
    Set,
    Delete
};

// What tarnvale-cli was asked to do, read from its arguments.
class CCommandLine {
public:
    // Nothing when the arguments fit no command; the caller shows the usage then.
    static std::optional<CCommandLine> Parse(const std::vector<std::string_view>& args);
    static std::string Usage();

    ECliCommand GetCommand() const { return m_command; }
    const std::vector<std::string>& GetFiles() const { return m_files; }
    // What follows the files, for commands that take options; they check it themselves.
    const std::vector<std::string>& GetOptions() const { return m_options; }
    // Every word after the command's name: its files, then its options.
    std::vector<std::string> GetWords() const;

private:
    CCommandLine(ECliCommand command, std::vector<std::string> files,
                 std::vector<std::string> options = {})
        : m_command(command), m_files(std::move(files)), m_options(std::move(options)) {}

    ECliCommand m_command;
    std::vector<std::string> m_files;
    std::vector<std::string> m_options;
};
