#include "core/vcard/CVCardPatch.h"

#include "core/text/CTextCodec.h"
#include "core/vcard/CVCardImport.h"
#include "core/vcard/CVCardReader.h"
#include "core/vcard/CVCardWriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace {
// Another program's card: what the book holds of it, and much it cannot.
constexpr const char* BASE =
    "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:豊富 太郎\r\nN:豊富;太郎;;;\r\n"
    "NICKNAME:たろ\r\nORG:株式会社例;開発部\r\nTITLE:部長\r\n"
    "BDAY:1980-04-01\r\nPHOTO;ENCODING=b;TYPE=PNG:iVBORw0KGgo=\r\n"
    "TEL;TYPE=WORK,VOICE:03-1111-2222\r\nTEL;TYPE=WORK,FAX:03-1111-3333\r\n"
    "TEL;TYPE=CELL:090-1111-4444\r\n"
    "ADR;TYPE=WORK:;;丸の内1-1;千代田区;東京都;100-0005;日本\r\n"
    "ADR;TYPE=HOME:;;梅田2-2;北区;大阪府;530-0001;日本\r\n"
    "EMAIL;TYPE=INTERNET:old@example.jp\r\n"
    "item1.URL:https://example.jp/taro\r\nitem1.X-ABLabel:ブログ\r\n"
    "NOTE:覚え書き\r\nX-OTHER-APP:残す値\r\nCATEGORIES:友人\r\n"
    "UID:rich-card-1\r\nREV:2020-01-01T00:00:00Z\r\nEND:VCARD\r\n";

const CTextCodec& Codec() {
    static const CTextCodec codec;
    return codec;
}

std::string Cp932(const std::string& utf8) {
    return Codec().FromUtf8(utf8).text;
}

CVCardPerson PersonOf(const std::string& card) {
    CVCardImport import(CVCardReader::Read(card).cards);
    import.Encode(Codec(), true);
    return import.GetPersons().at(0);
}

std::string Export(const CVCardPerson& person) {
    CVCardWriter writer(EVCardVersion::V30, Codec(), 0);
    CVCardWriter::CTexts texts;
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = person.texts[i];
    const std::vector<std::string_view> groups(person.groups.begin(), person.groups.end());
    writer.Write(texts, person.sex, groups, *person.uid);
    return writer.TakeText();
}

std::string& Text(CVCardPerson& person, EPersonText text) {
    return person.texts[static_cast<std::size_t>(text)];
}

// The memo's lines in any order: the note goes before the lines other properties make.
std::multiset<std::string> Lines(const std::string& memo) {
    std::multiset<std::string> lines;
    for (std::size_t begin = 0; begin <= memo.size();) {
        const std::size_t end = std::min(memo.find("\r\n", begin), memo.size());
        lines.insert(memo.substr(begin, end - begin));
        begin = end + 2;
    }
    return lines;
}

bool Same(const CVCardProperty& a, const CVCardProperty& b) {
    return a.group == b.group && a.name == b.name && a.params == b.params && a.value == b.value;
}

struct CPatchCase {
    const char* name;
    std::function<void(CVCardPerson&)> edit;
    // The base card's properties that must not come back as they were.
    std::set<std::string> changed;
};

const CPatchCase PATCH_CASES[] = {
    {"Nothing", [](CVCardPerson&) {}, {"REV"}},
    {"FirstPhone",
     [](CVCardPerson& p) { Text(p, EPersonText::Tel1) = "03-9999-0000"; },
     {"TEL;TYPE=WORK,VOICE", "REV"}},
    {"Fax",
     [](CVCardPerson& p) { Text(p, EPersonText::Tel2) = "03-1111-9999"; },
     {"TEL;TYPE=WORK,FAX", "REV"}},
    {"MailCleared",
     [](CVCardPerson& p) { Text(p, EPersonText::Email1).clear(); },
     {"EMAIL;TYPE=INTERNET", "REV"}},
    {"SecondMailAdded",
     [](CVCardPerson& p) { Text(p, EPersonText::Email2) = "second@example.jp"; },
     {"REV"}},
    {"WorkAddress",
     [](CVCardPerson& p) { Text(p, EPersonText::Address) = Cp932("名古屋市中区1-1"); },
     {"ADR;TYPE=WORK", "REV"}},
    {"Name",
     [](CVCardPerson& p) { Text(p, EPersonText::Name) = Cp932("豊富 次郎"); },
     {"FN", "N", "REV"}},
    {"NoteLineAdded",
     [](CVCardPerson& p) { Text(p, EPersonText::Memo) += Cp932("\r\n追記"); },
     {"NOTE", "REV"}},
    {"BirthdayLineRemoved",
     [](CVCardPerson& p) {
         std::string& memo = Text(p, EPersonText::Memo);
         const std::string line = Cp932("\r\n誕生日: 1980-04-01");
         memo.erase(memo.find(line), line.size());
     },
     {"BDAY", "REV"}},
    {"Groups", [](CVCardPerson& p) { p.groups.push_back(Cp932("仕事")); }, {"CATEGORIES", "REV"}},
};

class CVCardPatchTest : public ::testing::TestWithParam<CPatchCase> {};

std::string Key(const CVCardProperty& property) {
    std::string key = property.name;
    for (const auto& [name, value] : property.params)
        key += ';' + name + '=' + value;
    return key;
}

TEST_P(CVCardPatchTest, ChangesTheEditedPropertiesAlone) {
    CVCardPerson edited = PersonOf(BASE);
    GetParam().edit(edited);
    const std::optional<std::string> patched = CVCardPatch::Apply(BASE, Export(edited), Codec());
    ASSERT_TRUE(patched);

    // The server's card says what the book says...
    const CVCardPerson back = PersonOf(*patched);
    for (std::size_t i = 0; i < back.texts.size(); ++i) {
        if (static_cast<EPersonText>(i) == EPersonText::Memo)
            EXPECT_EQ(Lines(back.texts[i]), Lines(edited.texts[i]));
        else
            EXPECT_EQ(back.texts[i], edited.texts[i]) << i;
    }
    EXPECT_EQ(std::set<std::string>(back.groups.begin(), back.groups.end()),
              std::set<std::string>(edited.groups.begin(), edited.groups.end()));
    // ...and keeps every other property as it was.
    const CVCard base = CVCardReader::Read(BASE, false, true).cards.at(0);
    const CVCard now = CVCardReader::Read(*patched, false, true).cards.at(0);
    for (const CVCardProperty& property : base.properties) {
        const bool kept = std::any_of(now.properties.begin(), now.properties.end(),
                                      [&](const auto& other) { return Same(property, other); });
        EXPECT_EQ(kept, !GetParam().changed.contains(Key(property))) << Key(property);
    }
}

INSTANTIATE_TEST_SUITE_P(Edits, CVCardPatchTest, ::testing::ValuesIn(PATCH_CASES),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CVCardPatchTest, LeavesOtherVersionsToTheExport) {
    const std::string old = "BEGIN:VCARD\r\nVERSION:2.1\r\nFN:A\r\nEND:VCARD\r\n";
    EXPECT_FALSE(CVCardPatch::Apply(old, Export(PersonOf(BASE)), Codec()));
    EXPECT_FALSE(CVCardPatch::Apply("BEGIN:VCARD\r\n", Export(PersonOf(BASE)), Codec()));
}
} // namespace
