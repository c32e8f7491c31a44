#include "../core/CTempFolder.h"
#include "core/commands/CAddGroupCommand.h"
#include "core/commands/CAddPersonalCommand.h"
#include "core/document/CAddressDoc.h"
#include "core/document/CDataFile.h"
#include "core/text/CTextCodec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <regex>
#include <sstream>
#include <sys/wait.h>

namespace {
constexpr double MM_PER_POINT = 25.4 / 72.0;

struct CRun {
    int status = -1;
    std::string err;
};

// A word of pdftotext -bbox: its text and its box's centre in millimetres.
struct CWord {
    std::string text;
    double x;
    double y;
};

std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// 山田太郎 (to 〒100-0001), 空欄 (no address) and 鈴木花子 (〒987-6543, the sender), all in 年賀状.
class CPostcardsToolTest : public ::testing::Test {
protected:
    void SetUp() override {
        const CTextCodec codec;
        CAddressDoc doc;
        CGroup* cards = doc.NewGroup(codec.FromUtf8("年賀状").text);
        CAddGroupCommand(cards, false).Do(doc);
        const auto add = [&](const char* name, const char* zip, const char* address) {
            CPersonalData* person = doc.NewPerson();
            person->SetText(EPersonText::Name, codec.FromUtf8(name).text);
            person->SetText(EPersonText::Zip, codec.FromUtf8(zip).text);
            person->SetText(EPersonText::Address, codec.FromUtf8(address).text);
            person->m_groupList.push_back(cards);
            CAddPersonalCommand(person).Do(doc);
        };
        add("山田太郎", "〒100-0001", "東京都千代田区千代田1-1");
        add("空欄", "100-0001", "");
        add("鈴木花子", "987-6543", "大阪府大阪市北区梅田3-1-1");
        ASSERT_TRUE(CDataFile::Save(doc, m_book).ok);
    }

    CRun Run(const std::string& options) const {
        const auto err = m_folder / "stderr";
        const std::string command = std::string("env -u DISPLAY -u WAYLAND_DISPLAY '") +
                                    TARNVALE_CLI + "' postcards '" + m_book.string() + "' " +
                                    options + " >/dev/null 2>'" + err.string() + "' </dev/null";
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadAll(err)};
    }

    // The words of the PDF's first page.
    std::vector<CWord> FirstPageWords() const {
        const auto xml = m_folder / "words.html";
        const std::string command =
            "pdftotext -bbox -f 1 -l 1 '" + m_pdf.string() + "' '" + xml.string() + "'";
        EXPECT_EQ(std::system(command.c_str()), 0);
        const std::string text = ReadAll(xml);
        const std::regex word(
            R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
        std::vector<CWord> words;
        for (auto it = std::sregex_iterator(text.begin(), text.end(), word);
             it != std::sregex_iterator(); ++it) {
            const auto at = [&](int index) {
                return std::stod((*it)[index].str());
            };
            words.push_back({(*it)[5].str(), (at(1) + at(3)) / 2.0 * MM_PER_POINT,
                             (at(2) + at(4)) / 2.0 * MM_PER_POINT});
        }
        return words;
    }

    CTempFolder m_folder;
    std::filesystem::path m_book = m_folder / "book.dat";
    std::filesystem::path m_pdf = m_folder / "cards.pdf";
};

// Read back from the PDF, each digit of the code stands in its box, the addressee's in the
// post office's row and the sender's in the small boxes; the name is real, searchable text.
TEST_F(CPostcardsToolTest, DigitsLandInTheirBoxes) {
    const CRun run = Run("--sender 2 --output '" + m_pdf.string() + "'");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("空欄"), std::string::npos);
    const std::vector<CWord> words = FirstPageWords();
    std::vector<CWord> row;
    std::vector<CWord> senderRow;
    for (const CWord& word : words) {
        if (word.text.size() == 1 && std::isdigit(static_cast<unsigned char>(word.text[0])))
            (word.y < 30.0 ? row : senderRow).push_back(word);
    }
    const double centres[] = {47.15, 54.15, 61.15, 68.75, 75.55, 82.35, 89.15};
    ASSERT_EQ(row.size(), 7u);
    for (std::size_t box = 0; box < 7; ++box) {
        SCOPED_TRACE(box);
        EXPECT_EQ(row[box].text, std::string(1, "1000001"[box]));
        EXPECT_NEAR(row[box].x, centres[box], 5.7 / 2.0);
        EXPECT_GT(row[box].y, 12.0);
        EXPECT_LT(row[box].y, 20.0);
    }
    ASSERT_EQ(senderRow.size(), 7u);
    std::string senderDigits;
    for (const CWord& word : senderRow) {
        senderDigits += word.text;
        EXPECT_LT(word.x, 40.0);
        EXPECT_GT(word.y, 120.0);
    }
    EXPECT_EQ(senderDigits, "9876543");
    for (const char* character : {"山", "田", "太", "郎", "様", "一"})
        EXPECT_TRUE(std::any_of(words.begin(), words.end(), [&](const CWord& word) {
            return word.text == character;
        })) << character;
}

TEST_F(CPostcardsToolTest, RefusesWhatItCannotDo) {
    const std::string output = " --output '" + m_pdf.string() + "'";
    const struct {
        const char* options;
        int status;
    } cases[] = {
        {"--digits roman", 2},
        {"--offset 1", 2},
        {"--sender 3", 2},
        {"--sender x", 2},
        {"--group 家族", 1},
        {"--offset 1.5,-2 --digits arabic", 0},
        {"--group 年賀状 --honorific none", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.options);
        EXPECT_EQ(Run(c.options + output).status, c.status);
    }
    EXPECT_EQ(Run("").status, 2); // no --output
    EXPECT_EQ(Run("--output '" + m_book.string() + "'").status, 1);
}
} // namespace
