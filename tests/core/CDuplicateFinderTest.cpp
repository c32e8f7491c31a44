#include "core/duplicates/CDuplicateFinder.h"

#include "core/model/CPersonalData.h"
#include "core/text/CTextCodec.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using ::testing::ElementsAre;

namespace {
std::string Cp932(std::string_view utf8) {
    return CTextCodec().FromUtf8(utf8).text;
}

// Persons made from UTF-8 texts, searched as the document's live list would be.
class CPersons {
public:
    CPersonalData* Add(std::initializer_list<std::pair<EPersonText, std::string_view>> texts) {
        auto person = std::make_unique<CPersonalData>();
        for (const auto& [text, value] : texts)
            person->SetText(text, Cp932(value));
        m_persons.push_back(std::move(person));
        return m_persons.back().get();
    }
    std::vector<const CPersonalData*> List() const {
        std::vector<const CPersonalData*> list;
        for (const auto& person : m_persons)
            list.push_back(person.get());
        return list;
    }

private:
    std::vector<std::unique_ptr<CPersonalData>> m_persons;
};

struct CKeyCase {
    const char* name;
    EPersonText text;
    const char* first; // UTF-8
    const char* second;
    bool same;
};

class CDuplicateKeyTest : public ::testing::TestWithParam<CKeyCase> {};

TEST_P(CDuplicateKeyTest, TwoPersonsAreOneSetExactlyWhenTheirKeysAgree) {
    const CKeyCase& c = GetParam();
    CPersons persons;
    persons.Add({{c.text, c.first}});
    persons.Add({{c.text, c.second}});
    const std::vector<CDuplicateSet> sets = CDuplicateFinder().Find(persons.List());
    ASSERT_EQ(sets.size(), c.same ? 1u : 0u);
    if (c.same) {
        EXPECT_THAT(sets[0].indexes, ElementsAre(0u, 1u));
    }
}

const CKeyCase KEY_CASES[] = {
    {"NameIdeographicSpace", EPersonText::Name, "山田太郎", "山田　太郎", true},
    {"NameAsciiBlanks", EPersonText::Name, "Yamada Taro", "YamadaTaro\t", true},
    {"NameOtherGivenName", EPersonText::Name, "山田太郎", "山田次郎", false},
    {"NameHalfWidthKana", EPersonText::Name, "ﾔﾏﾀﾞ", "ヤマダ", true},
    {"NameHalfWidthKanaOtherMark", EPersonText::Name, "ﾔﾏﾀﾞ", "ヤマタ", false},
    {"NameHiragana", EPersonText::Name, "やまだ　たろう", "ヤマダタロウ", true},
    {"NameHiraganaHalfWidth", EPersonText::Name, "ぱん", "ﾊﾟﾝ", true},
    {"NameHiraganaOtherSound", EPersonText::Name, "やまだ", "ヤマザ", false},
    {"NameWideLettersAndCase", EPersonText::Name, "ＴＡＲＯ", "taro", true},
    {"NameEmptyNeverMatches", EPersonText::Name, "", " ", false},
    {"EmailCaseAndBlanks", EPersonText::Email1, " Taro@Example.JP ", "taro@example.jp", true},
    {"EmailOtherAddress", EPersonText::Email1, "taro@example.jp", "taro@example.com", false},
    {"EmailInEitherField", EPersonText::Email2, "hanako@example.jp", "hanako@example.jp", true},
    {"PhoneHyphens", EPersonText::Tel1, "03-1234-5678", "0312345678", true},
    {"PhoneWideParentheses", EPersonText::Tel1, "０３（１２３４）５６７８", "03-1234-5678", true},
    {"PhoneCountryCode", EPersonText::Tel1, "+81 3 1234 5678", "03-1234-5678", true},
    {"PhoneCountryCodeWithZero", EPersonText::Tel1, "+81 (0)3-1234-5678", "0312345678", true},
    {"PhoneWithoutPlusIsNoCountryCode", EPersonText::Tel1, "81312345678", "0312345678", false},
    {"PhoneLastDigit", EPersonText::Tel1, "03-1234-5678", "03-1234-5679", false},
    {"PhoneShort", EPersonText::Tel1, "123-45", "12345", false},
    {"PhoneSecondField", EPersonText::Tel2, "090-1111-2222", "09011112222", true},
    {"PhoneHomeTownIsAFamilys", EPersonText::HomeTel, "0312345678", "0312345678", false},
    {"MemoIsNoKey", EPersonText::Memo, "同じ", "同じ", false},
};

INSTANTIATE_TEST_SUITE_P(Keys, CDuplicateKeyTest, ::testing::ValuesIn(KEY_CASES),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CDuplicateFinderTest, ChainsOfCandidatesBecomeOneSetWithEveryReason) {
    CPersons persons;
    persons.Add({{EPersonText::Name, "鈴木一郎"}, {EPersonText::Email1, "ichiro@example.jp"}});
    persons.Add({{EPersonText::Name, "佐藤花子"}});
    persons.Add({{EPersonText::Name, "すずき"}, {EPersonText::Email2, "ICHIRO@example.jp"}});
    persons.Add({{EPersonText::Name, "ｽｽﾞｷ"}, {EPersonText::Tel1, "045-111-2222"}});
    persons.Add({{EPersonText::Name, "佐藤　花子"}});
    persons.Add({{EPersonText::Name, "別人"}, {EPersonText::Tel2, "０４５１１１２２２２"}});
    const std::vector<CDuplicateSet> sets = CDuplicateFinder().Find(persons.List());
    ASSERT_EQ(sets.size(), 2u);
    EXPECT_THAT(sets[0].indexes, ElementsAre(0u, 2u, 3u, 5u));
    EXPECT_EQ(sets[0].reasons, static_cast<std::uint8_t>(EDuplicateReason::Name) |
                                   static_cast<std::uint8_t>(EDuplicateReason::Email) |
                                   static_cast<std::uint8_t>(EDuplicateReason::Phone));
    EXPECT_THAT(sets[1].indexes, ElementsAre(1u, 4u));
    EXPECT_TRUE(sets[1].Has(EDuplicateReason::Name));
    EXPECT_FALSE(sets[1].Has(EDuplicateReason::Email));
}

TEST(CDuplicateFinderTest, APairToldApartIsOfferedOnlyThroughAThirdPerson) {
    CPersons persons;
    for (int i = 0; i < 3; ++i)
        persons.Add({{EPersonText::Name, "田中"}});
    persons.Add({{EPersonText::Name, "木村"}});
    persons.Add({{EPersonText::Name, "木村"}});
    const CDuplicateFinder finder;
    // 0 and 1 are told apart, yet both are candidates with 2.
    std::vector<CDuplicateSet> sets = finder.Find(persons.List(), {{1, 0}, {3, 4}});
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_THAT(sets[0].indexes, ElementsAre(0u, 1u, 2u));
    sets = finder.Find(persons.List(), {{0, 1}, {0, 2}, {1, 2}});
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_THAT(sets[0].indexes, ElementsAre(3u, 4u));
}
} // namespace
