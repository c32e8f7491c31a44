#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The words of a sub-command with options: its files first, then "--name" or "--name value"
// options in any order. Also the sub-commands' shared way of ending: exit codes and the one
// line on standard error.
class CCliArguments {
public:
    static constexpr int EXIT_OK = 0;
    static constexpr int EXIT_FAILED = 1;
    static constexpr int EXIT_USAGE = 2;

    // `flags` take no value, `valued` take one. Nothing when a word fits neither or there are
    // not exactly `fileCount` files.
    static std::optional<CCliArguments> Parse(const std::vector<std::string>& words,
                                              std::size_t fileCount,
                                              const std::vector<std::string_view>& flags,
                                              const std::vector<std::string_view>& valued);

    const std::string& GetFile(std::size_t index) const { return m_files.at(index); }
    bool Has(std::string_view name) const;
    std::optional<std::string> Get(std::string_view name) const;

    // Prints "tarnvale-cli: message" as one line on standard error and gives the code.
    static int Report(const std::string& message, int code = EXIT_FAILED);
    // A message for a run that goes on; nothing for an empty one.
    static void Warn(const std::string& message);
    static int UsageError(const std::string& message) { return Report(message, EXIT_USAGE); }
    // The field numbers 0-10 in order: every field, each where it stands.
    static std::vector<int> AllFields();
    // Splits "a,b,c"; an empty list is one empty word.
    static std::vector<std::string> SplitList(std::string_view list);
    // Comma-separated field numbers 0-10 in the order given, repeats kept; an empty list names
    // no field. Nothing for a word that is no field number, as a trailing comma leaves.
    static std::optional<std::vector<int>> ParseFieldList(std::string_view list);

private:
    static std::string OneLine(std::string_view message);

    std::vector<std::string> m_files;
    std::vector<std::pair<std::string, std::string>> m_options;
};
