#include "../core/CTempFolder.h"
#include "core/commands/CAddGroupCommand.h"
#include "core/commands/CAddPersonalCommand.h"
#include "core/document/CAddressDoc.h"
#include "core/document/CDataFile.h"
#include "core/text/CTextCodec.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

namespace {

struct CMailRun {
    int status = -1;
    std::string out;
};

// 佐藤 (r@x), then 山田 (p@x) and 田中 (only e-mail (2) q@x), the last two in 友達 in that order.
class CMailAddressesToolTest : public ::testing::Test {
protected:
    void SetUp() override {
        const CTextCodec codec;
        CAddressDoc doc;
        CGroup* friends = doc.NewGroup(codec.FromUtf8("友達").text);
        CAddGroupCommand(friends, false).Do(doc);
        const auto add = [&](const char* name, const char* email1, const char* email2,
                             bool member) {
            CPersonalData* person = doc.NewPerson();
            person->SetText(EPersonText::Name, codec.FromUtf8(name).text);
            person->SetText(EPersonText::Email1, email1);
            person->SetText(EPersonText::Email2, email2);
            if (member)
                person->m_groupList.push_back(friends);
            CAddPersonalCommand(person).Do(doc);
        };
        add("佐藤", "r@x", "", false);
        add("山田", "p@x", "", true);
        add("田中", "", "q@x", true);
        ASSERT_TRUE(CDataFile::Save(doc, m_book).ok);
    }

    CMailRun Run(const std::string& options) const {
        const auto out = m_folder / "stdout";
        const std::string command = std::string("'") + TARNVALE_CLI + "' mail-addresses '" +
                                    m_book.string() + "' " + options + " >'" + out.string() +
                                    "' 2>/dev/null </dev/null";
        const int status = std::system(command.c_str());
        std::ifstream in(out, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, text.str()};
    }

    CTempFolder m_folder;
    std::filesystem::path m_book = m_folder / "book.dat";
};

TEST_F(CMailAddressesToolTest, PrintsWhatWritingMailWouldHandOn) {
    const struct {
        const char* options;
        int status;
        const char* out;
    } cases[] = {
        {"", 0, "r@x;p@x\n"},
        {"--field 2", 0, "q@x\n"},
        {"--separator ', ' --label", 0, "佐藤[r@x],  山田[p@x]\n"},
        {"--group 友達", 0, "p@x\n"},
        {"--group 友達 --field 2 --separator ''", 0, "q@x\n"},
        {"--group 友達 --field 2 --label", 0, "田中[q@x]\n"},
        {"--field 2 --group 友達 --separator '\n'", 0, "q@x\n"},
        {"--group 家族", 1, ""},
        {"--field 3", 2, ""},
        {"--group", 2, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.options);
        const CMailRun run = Run(c.options);
        EXPECT_EQ(run.status, c.status);
        EXPECT_EQ(run.out, c.out);
    }
}

TEST_F(CMailAddressesToolTest, NobodyWithAnAddressPrintsNothing) {
    CAddressDoc empty;
    ASSERT_TRUE(CDataFile::Save(empty, m_book).ok);
    const CMailRun run = Run("");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");
}

} // namespace
