#include "CAppFixture.h"
#include "core/text/CTextCodec.h"
#include "core/ui/CommandIds.h"

using ::testing::HasSubstr;

namespace {
constexpr int FILE_MENU = 0;

class CVCardCommandsGuiTest : public CAppFixture {
protected:
    void Run(int id) {
        OpenMenu(FILE_MENU);
        ASSERT_TRUE(Action(id)->isEnabled());
        Action(id)->trigger();
    }
};

TEST_F(CVCardCommandsGuiTest, ImportAsksAboutGetaAndIsOneUndoStepOfTheOpenBook) {
    Start();
    AddPerson("A");
    CTempFolder::WriteFile(m_folder / "in.vcf",
                           "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:b😀\r\nEND:VCARD\r\n");
    m_ui.m_openFileNames = {File("in.vcf")};
    m_ui.m_answers = {EMessageResult::Ok, EMessageResult::Yes, EMessageResult::Ok};
    Run(ID_VCARD_IMPORT);
    ASSERT_EQ(m_ui.m_asked.size(), 3u);
    EXPECT_THAT(m_ui.m_asked[0], HasSubstr("「〓」に置き換えて"));
    EXPECT_THAT(m_ui.m_asked[2], HasSubstr("1 人を追加し"));
    CAddressDoc& doc = m_app->GetDocument();
    ASSERT_EQ(doc.GetPersonList().size(), 2u);
    EXPECT_EQ(CTextCodec().ToUtf8(doc.GetPersonList().back()->GetText(EPersonText::Name)), "b〓");
    EXPECT_EQ(Frame()->GetListView().GetRowCount(), 2);
    EXPECT_EQ(doc.GetUndoMenuText(), "元に戻す(&U) － vCardファイルの読み込み\tCtrl+Z");
    doc.OnEditUndo();
    EXPECT_EQ(doc.GetPersonList().size(), 1u);
}

TEST_F(CVCardCommandsGuiTest, ExportWritesThePersonsTheListShows) {
    Start();
    AddPerson("A");
    AddPerson("B");
    m_ui.m_saveFileNames = {File("out.vcf")};
    Run(ID_VCARD_EXPORT);
    EXPECT_EQ(m_ui.m_suggestedNames.back(), "address.vcf");
    const std::string text = CTempFolder::ReadFile(m_folder / "out.vcf");
    EXPECT_THAT(text, HasSubstr("\r\nFN:A\r\n"));
    EXPECT_THAT(text, HasSubstr("\r\nFN:B\r\n"));
    EXPECT_TRUE(m_ui.m_asked.empty());
}
} // namespace
