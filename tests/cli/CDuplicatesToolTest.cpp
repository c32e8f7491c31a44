#include "../core/CTempFolder.h"
#include "core/commands/CAddGroupCommand.h"
#include "core/commands/CAddPersonalCommand.h"
#include "core/document/CAddressDoc.h"
#include "core/document/CDataFile.h"
#include "core/text/CTextCodec.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <sys/wait.h>

namespace {
struct CToolRun {
    int status = -1;
    std::string out;
};

// 山田太郎 (0) and 山田　太郎 (3) by name, 3 and 佐藤 (1) by phone; 田中 (2) alone.
class CDuplicatesToolTest : public ::testing::Test {
protected:
    void SetUp() override {
        const CTextCodec codec;
        CAddressDoc doc;
        CGroup* friends = doc.NewGroup("friends");
        CAddGroupCommand(friends, false).Do(doc);
        const auto add = [&](const char* name, const char* tel, bool member) {
            CPersonalData* person = doc.NewPerson();
            person->SetText(EPersonText::Name, codec.FromUtf8(name).text);
            person->SetText(EPersonText::Tel1, codec.FromUtf8(tel).text);
            if (member)
                person->m_groupList.push_back(friends);
            CAddPersonalCommand(person).Do(doc);
        };
        add("山田太郎", "03-1234-5678", false);
        add("佐藤", "+81 90 1111 2222", false);
        add("田中", "", false);
        add("山田　太郎", "０９０（１１１１）２２２２", true);
        ASSERT_TRUE(CDataFile::Save(doc, m_book).ok);
    }

    CToolRun Run(const std::string& arguments) const {
        const auto out = m_folder / "stdout";
        const std::string command = std::string("'") + TARNVALE_CLI + "' " + arguments + " >'" +
                                    out.string() + "' 2>/dev/null </dev/null";
        const int status = std::system(command.c_str());
        std::ifstream in(out, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, text.str()};
    }

    nlohmann::json Dump(const std::filesystem::path& book) const {
        const CToolRun run = Run("dump '" + book.string() + "'");
        EXPECT_EQ(run.status, 0);
        return nlohmann::json::parse(run.out);
    }

    CTempFolder m_folder;
    std::filesystem::path m_book = m_folder / "book.dat";
};

TEST_F(CDuplicatesToolTest, PrintsTheSetsByPositionWithTheirReasons) {
    const CToolRun run = Run("duplicates '" + m_book.string() + "'");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "{\"sets\": [{\"indexes\": [0, 1, 3], \"reasons\": [\"name\", \"phone\"]}]}\n");
}

TEST_F(CDuplicatesToolTest, MergesIntoTheFirstPositionAndKeepsTheOldBook) {
    const std::string book = "'" + m_book.string() + "'";
    const auto merged = m_folder / "merged.dat";
    EXPECT_EQ(Run("merge " + book + " 3 0 --output '" + merged.string() + "'").status, 0);
    const nlohmann::json persons = Dump(merged)["persons"];
    ASSERT_EQ(persons.size(), 3u);
    EXPECT_EQ(persons[2]["name"], "山田　太郎");
    EXPECT_EQ(persons[2]["tel1"], "０９０（１１１１）２２２２");
    // The names differ by a blank only: one name, no memo line for it.
    EXPECT_EQ(persons[2]["memo"], "電話(1): 03-1234-5678");
    EXPECT_EQ(Dump(m_book)["persons"].size(), 4u) << "--output leaves the book read alone";

    EXPECT_EQ(Run("merge " + book + " 1 2").status, 0);
    EXPECT_EQ(Dump(m_book)["persons"].size(), 3u);
    EXPECT_EQ(Dump(m_folder / "book.dat.bak")["persons"].size(), 4u);

    for (const char* wrong : {" 1", " 1 1", " 0 x", " 0 7", " 0 -1", " 0 1 --output"})
        EXPECT_EQ(Run("merge " + book + wrong).status, 2) << wrong;
    EXPECT_EQ(Dump(m_book)["persons"].size(), 3u);
}
} // namespace
