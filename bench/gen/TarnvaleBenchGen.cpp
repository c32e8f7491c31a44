#include "CAbookWriter.h"
#include "CBookGenerator.h"
#include "core/document/CAddressDoc.h"
#include "core/document/CDataFileWriter.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>

namespace {
constexpr const char* USAGE =
    "usage: tarnvale-bench-gen [--persons N] [--groups G] [--all-groups | --unnamed-groups]\n"
    "                          [--seed S] [--abook FILE] OUT\n"
    "Writes a generated Japanese address book of N persons (default 100000) in G groups\n"
    "(default 1000) to OUT, and the same contacts in abook's format to FILE if given.\n"
    "--all-groups makes every person a member of every group, the groups named by short\n"
    "tags: e.g. --persons 1 --groups 2000000, the book that costs the most memory.\n"
    "--unnamed-groups does the same with groups that have no names.\n";

bool WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out.flush());
}

struct COptions {
    CBookShape shape{100000, 1000, 0};
    std::uint32_t seed = 1;
    std::string abook;
    std::string out;
};

bool Parse(int argc, char* argv[], COptions& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--persons" && hasValue)
            options.shape.persons = std::strtoul(argv[++i], nullptr, 10);
        else if (arg == "--groups" && hasValue)
            options.shape.groups = std::strtoul(argv[++i], nullptr, 10);
        else if (arg == "--all-groups")
            options.shape.everyoneInEveryGroup = true;
        else if (arg == "--unnamed-groups")
            options.shape.everyoneInEveryGroup = options.shape.unnamedGroups = true;
        else if (arg == "--seed" && hasValue)
            options.seed = static_cast<std::uint32_t>(std::strtoul(argv[++i], nullptr, 10));
        else if (arg == "--abook" && hasValue)
            options.abook = argv[++i];
        else if (options.out.empty() && !arg.starts_with("-"))
            options.out = arg;
        else
            return false;
    }
    return !options.out.empty();
}
} // namespace

int main(int argc, char* argv[]) {
    COptions options;
    if (!Parse(argc, argv, options)) {
        std::fputs(USAGE, stderr);
        return 2;
    }
    CAddressDoc doc;
    CBookGenerator(options.seed).Fill(doc, options.shape);
    if (!WriteFile(options.out, CDataFileWriter::Write(doc.GetGroupList(), doc.GetPersonList()))) {
        std::fprintf(stderr, "tarnvale-bench-gen: cannot write %s\n", options.out.c_str());
        return 1;
    }
    if (!options.abook.empty() && !WriteFile(options.abook, CAbookWriter::Write(doc))) {
        std::fprintf(stderr, "tarnvale-bench-gen: cannot write %s\n", options.abook.c_str());
        return 1;
    }
    return 0;
}
