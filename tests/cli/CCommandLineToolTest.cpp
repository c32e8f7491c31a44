#include "../core/CTempFolder.h"
#include "core/storage/CArchiveClass.h"
#include "core/storage/CArchiveWriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>

namespace {
namespace fs = std::filesystem;

struct CRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// Two persons as a program that knew only the first five texts wrote them.
std::string OldBook() {
    CArchiveWriter writer;
    writer.WriteU32(0);
    writer.WriteU32(2);
    for (int n = 0; n < 2; ++n) {
        writer.WriteObjectStart({"CPersonalData", 100, true});
        for (int i = 0; i < 5; ++i) {
            writer.WriteText(i == 0 ? "name" : "");
            if (i == 3)
                writer.WriteI32(n);
        }
        writer.WriteU32(0);
    }
    return writer.TakeBytes();
}

class CCommandLineToolTest : public ::testing::Test {
protected:
    CRun Run(const std::string& arguments) const {
        const fs::path out = m_folder.Path() / "stdout";
        const fs::path err = m_folder.Path() / "stderr";
        const std::string command = std::string("'") + TARNVALE_CLI + "' " + arguments + " >'" +
                                    out.string() + "' 2>'" + err.string() + "' </dev/null";
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(out), ReadFile(err)};
    }

    std::string Path(const std::string& name) const { return (m_folder.Path() / name).string(); }

    CTempFolder m_folder;
};

// A failure is one line on standard error, wrong usage included, and nothing on standard
// output.
void ExpectFailure(const CRun& run, int status) {
    EXPECT_EQ(run.status, status);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_TRUE(run.err.starts_with("tarnvale-cli: ")) << run.err;
}

TEST_F(CCommandLineToolTest, FailuresExitWithOneLineOnStandardErrorAndNothingOnStandardOutput) {
    WriteFile(Path("damaged.dat"), "\x01");
    fs::create_directory(Path("folder"));
    const struct {
        std::string arguments;
        int status;
    } cases[] = {
        {"", 2},
        {"unknown", 2},
        {"dump", 2},
        {"dump '" + Path("missing.dat") + "'", 1},
        {"dump '" + Path("damaged.dat") + "'", 1},
        {"dump '" + Path("folder") + "'", 1},
        {"copy '" + Path("missing.dat") + "' '" + Path("out.dat") + "'", 1},
        {"find '" + Path("missing.dat") + "' x --fields 11", 2},
        {"mail-addresses '" + Path("missing.dat") + "' --field 3", 2},
        // A message written for a window with line breaks in it.
        {"find '" + Path("damaged.dat") + "' '\xF0\x9F\x98\x80'", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        ExpectFailure(Run(c.arguments), c.status);
    }
    EXPECT_FALSE(fs::exists(Path("out.dat")));
}

TEST_F(CCommandLineToolTest, DumpsAFileOfAnOlderSchemaAndCopiesItByteForByte) {
    WriteFile(Path("old.dat"), OldBook());
    const CRun dump = Run("dump '" + Path("old.dat") + "'");
    EXPECT_EQ(dump.status, 0) << dump.err;
    EXPECT_EQ(dump.err, "");
    const nlohmann::json book = nlohmann::json::parse(dump.out);
    EXPECT_EQ(book["persons"].size(), 2u);
    EXPECT_EQ(book["persons"][1]["name"], "name");
    EXPECT_EQ(book["persons"][1]["zip"], "");

    ASSERT_EQ(Run("copy '" + Path("old.dat") + "' '" + Path("new.dat") + "'").status, 0);
    const CRun again = Run("copy '" + Path("new.dat") + "' '" + Path("again.dat") + "'");
    EXPECT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(ReadFile(Path("again.dat")), ReadFile(Path("new.dat")));
    // A copy keeps its original's UIDs, distinct ones even for equal persons.
    for (const char* copy : {"old.dat", "again.dat"}) {
        const nlohmann::json copied = nlohmann::json::parse(Run("dump '" + Path(copy) + "'").out);
        EXPECT_EQ(copied["persons"][0]["uid"].get<std::string>().size(), 36u);
        EXPECT_NE(copied["persons"][0]["uid"], copied["persons"][1]["uid"]);
        EXPECT_EQ(copied["persons"], book["persons"]);
    }
}

// A file name is shown with its control characters escaped, so that it can neither break the
// line nor send the terminal an escape sequence.
TEST_F(CCommandLineToolTest, FileNamesInMessagesShowControlCharactersEscaped) {
    const CRun run = Run("dump \"$(printf '" + Path("a") + "\\nb\\033[31mc\\td')\"");
    ExpectFailure(run, 1);
    EXPECT_NE(run.err.find(Path("a") + "\\nb\\x1B[31mc\\td"), std::string::npos) << run.err;
}

// An export never writes over the book it reads, whatever name leads to it, and over another
// address book only with --force; any other file is simply replaced.
TEST_F(CCommandLineToolTest, ExportRefusesToWriteOverAnAddressBook) {
    const std::string book = OldBook();
    for (const char* name : {"book.dat", "other.dat", "forced.dat"})
        WriteFile(Path(name), book);
    WriteFile(Path("notes.txt"), "notes");
    fs::create_symlink(Path("book.dat"), Path("link.dat"));
    fs::create_hard_link(Path("book.dat"), Path("hard.dat"));
    const struct {
        std::string output;
        bool force;
        bool written;
    } cases[] = {
        {"book.dat", false, false}, {"book.dat", true, false},   {"link.dat", true, false},
        {"hard.dat", true, false},  {"other.dat", false, false}, {"forced.dat", true, true},
        {"notes.txt", false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.output);
        const CRun run = Run("export-csv '" + Path("book.dat") + "' --output '" + Path(c.output) +
                             "'" + (c.force ? " --force" : ""));
        if (c.written) {
            EXPECT_EQ(run.status, 0) << run.err;
            EXPECT_EQ(ReadFile(Path(c.output)).substr(0, 7), "\"name\",");
        } else {
            ExpectFailure(run, 1);
            EXPECT_EQ(ReadFile(Path(c.output)), book);
        }
    }
}

// No command that writes a file writes one of the files beside the book it reads: they keep
// its persons' UIDs, its sync state and its backup.
TEST_F(CCommandLineToolTest, NoCommandWritesOverTheFilesBesideItsBook) {
    WriteFile(Path("book.dat"), OldBook());
    ASSERT_EQ(Run("copy '" + Path("book.dat") + "' '" + Path("book.dat") + "'").status, 0);
    WriteFile(Path("book.dat.sync"), "tarnvale-sync 1\n");
    const std::string book = "'" + Path("book.dat") + "'";
    for (const std::string side : {"book.dat.ids", "book.dat.sync", "book.dat.bak"}) {
        const std::string before = ReadFile(Path(side));
        for (const std::string& command :
             {"export-csv " + book + " --force --output", "export-vcard " + book + " --output",
              "postcards " + book + " --force --output", "copy " + book}) {
            SCOPED_TRACE(command + " " + side);
            const CRun run = Run(command + " '" + Path(side) + "'");
            ExpectFailure(run, 1);
            EXPECT_NE(run.err.find("付属ファイル"), std::string::npos) << run.err;
            EXPECT_EQ(ReadFile(Path(side)), before);
        }
    }
}

// Files made from a private book or CSV are as private as it, new or replacing a readable one.
TEST_F(CCommandLineToolTest, FilesMadeFromAPrivateFileGetNoMorePermissionsThanIt) {
    WriteFile(Path("book.dat"), OldBook());
    WriteFile(Path("people.csv"), "\"A\"\r\n");
    WriteFile(Path("readable.csv"), "old");
    fs::permissions(Path("readable.csv"), fs::perms(0644));
    for (const char* name : {"book.dat", "people.csv"})
        fs::permissions(Path(name), fs::perms::owner_read | fs::perms::owner_write);
    const struct {
        std::string arguments;
        std::string made;
    } cases[] = {
        {"copy '" + Path("book.dat") + "' '" + Path("copy.dat") + "'", "copy.dat"},
        {"export-csv '" + Path("book.dat") + "' --output '" + Path("new.csv") + "'", "new.csv"},
        {"export-csv '" + Path("book.dat") + "' --output '" + Path("readable.csv") + "'",
         "readable.csv"},
        {"import-csv '" + Path("people.csv") + "' '" + Path("new.dat") + "'", "new.dat"},
    };
    // The usual mask, under which a new file would be readable by everyone.
    const mode_t mask = ::umask(022);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        const CRun run = Run(c.arguments);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(fs::status(Path(c.made)).permissions(), fs::perms(0600));
    }
    ::umask(mask);
}

// Two runs that add to one book at once take turns, so neither one's persons are lost.
TEST_F(CCommandLineToolTest, ConcurrentImportsIntoOneBookKeepBothRunsWork) {
    std::string persons;
    for (int i = 0; i < 1000; ++i)
        persons += "\"p" + std::to_string(i) + "\"\r\n";
    WriteFile(Path("persons.csv"), persons);
    for (int attempt = 0; attempt < 5; ++attempt) {
        SCOPED_TRACE(attempt);
        ASSERT_EQ(Run("import-csv '" + Path("persons.csv") + "' '" + Path("book.dat") + "'").status,
                  0);
        const std::string add =
            "import-csv '" + Path("persons.csv") + "' '" + Path("book.dat") + "' --add";
        const CRun both = Run(add + " & '" + TARNVALE_CLI + "' " + add + " && wait $!");
        EXPECT_EQ(both.status, 0) << both.err;
        const nlohmann::json book =
            nlohmann::json::parse(Run("dump '" + Path("book.dat") + "'").out);
        EXPECT_EQ(book["persons"].size(), 3000u);
    }
}
} // namespace

namespace {
TEST_F(CCommandLineToolTest, VCardImportAddsNobodyTheSecondTimeAndExportReadsBack) {
    WriteFile(Path("in.vcf"), "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:a\r\nORG:x\r\nCATEGORIES:G\r\n"
                              "END:VCARD\r\nBEGIN:VCARD\r\nVERSION:3.0\r\nFN:b😀\r\nEND:VCARD\r\n");
    const CRun refused = Run("import-vcard '" + Path("in.vcf") + "' '" + Path("book.dat") + "'");
    ExpectFailure(refused, 1);
    EXPECT_NE(refused.err.find("1 個の値に"), std::string::npos) << refused.err;
    EXPECT_FALSE(fs::exists(Path("book.dat")));

    const std::string import =
        "import-vcard '" + Path("in.vcf") + "' '" + Path("book.dat") + "' --replace-unencodable";
    const CRun first = Run(import);
    EXPECT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(first.err, "tarnvale-cli: 2 人を追加し、1 個のグループを作りました。1 "
                         "個の値をメモに移し、0 個の値（画像など）を読み飛ばしました。0 "
                         "人はすでにあるので追加しませんでした。\n");
    const CRun second = Run(import + " --add");
    EXPECT_EQ(second.status, 0) << second.err;
    EXPECT_NE(second.err.find("0 人を追加し"), std::string::npos) << second.err;
    const nlohmann::json book = nlohmann::json::parse(Run("dump '" + Path("book.dat") + "'").out);
    ASSERT_EQ(book["persons"].size(), 2u);
    EXPECT_EQ(book["persons"][1]["name"], "b〓");

    const CRun exported = Run("export-vcard '" + Path("book.dat") + "' --group G --version 4.0");
    EXPECT_EQ(exported.status, 0) << exported.err;
    EXPECT_NE(exported.out.find("VERSION:4.0\r\nFN:a\r\n"), std::string::npos) << exported.out;
    EXPECT_NE(exported.out.find("UID:urn:uuid:" + book["persons"][0]["uid"].get<std::string>()),
              std::string::npos);
    EXPECT_EQ(exported.out.find("FN:b"), std::string::npos);
    ExpectFailure(Run("export-vcard '" + Path("book.dat") + "' --version 2.1"), 2);
    ExpectFailure(Run("export-vcard '" + Path("book.dat") + "' --group nothing"), 1);
}

TEST_F(CCommandLineToolTest, SetAndDeleteEditOnePersonByIndexAndKeepUids) {
    WriteFile(Path("in.vcf"), "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:a\r\nEND:VCARD\r\n"
                              "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:b\r\nEND:VCARD\r\n");
    ASSERT_EQ(Run("import-vcard '" + Path("in.vcf") + "' '" + Path("book.dat") + "'").status, 0);
    const std::string book = "'" + Path("book.dat") + "'";
    const auto dump = [&] {
        return nlohmann::json::parse(Run("dump " + book).out)["persons"];
    };
    const nlohmann::json before = dump();

    const CRun set = Run("set " + book + " 1 tel1=03-1 10='メ\nモ' homePage=http://x");
    EXPECT_EQ(set.status, 0) << set.err;
    EXPECT_TRUE(fs::exists(Path("book.dat.bak")));
    const nlohmann::json after = dump();
    EXPECT_EQ(after[1]["tel1"], "03-1");
    EXPECT_EQ(after[1]["memo"], "メ\r\nモ");
    EXPECT_EQ(after[1]["homePage"], "http://x");
    EXPECT_EQ(after[1]["uid"], before[1]["uid"]);
    EXPECT_EQ(after[0], before[0]);

    ExpectFailure(Run("set " + book + " 0 name='\xF0\x9F\x98\x80'"), 1);
    ExpectFailure(Run("set " + book + " 2 name=c"), 1);
    ExpectFailure(Run("set " + book + " x name=c"), 2);
    ExpectFailure(Run("set " + book + " 0 11=c"), 2);
    ExpectFailure(Run("set " + book + " 0 sex=1"), 2);
    ExpectFailure(Run("set " + book + " 0"), 2);
    EXPECT_EQ(dump(), after);

    EXPECT_EQ(Run("delete " + book + " 0").status, 0);
    const nlohmann::json left = dump();
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0]["uid"], before[1]["uid"]);
    ExpectFailure(Run("delete " + book + " 1"), 1);
}

TEST_F(CCommandLineToolTest, SyncWithoutAServerFailsAndMakesNoBook) {
    WriteFile(Path("password"), "secret\n");
    // Port 9 of the local host: nothing listens there.
    const CRun run = Run("sync '" + Path("new.dat") +
                         "' http://127.0.0.1:9/book/ --user u "
                         "--password-file '" +
                         Path("password") + "'");
    ExpectFailure(run, 1);
    EXPECT_FALSE(fs::exists(Path("new.dat")));
    EXPECT_FALSE(fs::exists(Path("new.dat.sync")));
    ExpectFailure(Run("sync '" + Path("new.dat") + "' http://127.0.0.1:9/ --password x"), 2);
}
} // namespace
