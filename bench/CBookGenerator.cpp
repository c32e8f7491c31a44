#include "CBookGenerator.h"

#include "core/csv/CCSVWriter.h"
#include "core/document/CDataFileWriter.h"
#include "core/model/CFieldTable.h"

#include <algorithm>
#include <stdexcept>

namespace {
struct CNameSource {
    const char* kanji;
    const char* kana;
    const char* latin;
};

constexpr CNameSource FAMILY_NAMES[] = {
    {"佐藤", "さとう", "sato"},        {"鈴木", "すずき", "suzuki"},
    {"高橋", "たかはし", "takahashi"}, {"田中", "たなか", "tanaka"},
    {"伊藤", "いとう", "ito"},         {"渡辺", "わたなべ", "watanabe"},
    {"山本", "やまもと", "yamamoto"},  {"中村", "なかむら", "nakamura"},
    {"小林", "こばやし", "kobayashi"}, {"加藤", "かとう", "kato"},
    {"吉田", "よしだ", "yoshida"},     {"山田", "やまだ", "yamada"},
    {"佐々木", "ささき", "sasaki"},    {"山口", "やまぐち", "yamaguchi"},
    {"松本", "まつもと", "matsumoto"}, {"井上", "いのうえ", "inoue"},
    {"木村", "きむら", "kimura"},      {"林", "はやし", "hayashi"},
    {"斎藤", "さいとう", "saito"},     {"清水", "しみず", "shimizu"},
    {"山崎", "やまざき", "yamazaki"},  {"森", "もり", "mori"},
    {"池田", "いけだ", "ikeda"},       {"橋本", "はしもと", "hashimoto"},
    {"阿部", "あべ", "abe"},           {"石川", "いしかわ", "ishikawa"},
    {"小川", "おがわ", "ogawa"},       {"長谷川", "はせがわ", "hasegawa"},
    {"近藤", "こんどう", "kondo"},     {"岡田", "おかだ", "okada"},
};

constexpr CNameSource GIVEN_NAMES[] = {
    {"太郎", "たろう", "taro"},      {"花子", "はなこ", "hanako"},
    {"健一", "けんいち", "kenichi"}, {"美咲", "みさき", "misaki"},
    {"翔太", "しょうた", "shota"},   {"陽菜", "ひな", "hina"},
    {"大輔", "だいすけ", "daisuke"}, {"由美", "ゆみ", "yumi"},
    {"誠", "まこと", "makoto"},      {"恵子", "けいこ", "keiko"},
    {"拓也", "たくや", "takuya"},    {"さくら", "さくら", "sakura"},
    {"浩二", "こうじ", "koji"},      {"真由美", "まゆみ", "mayumi"},
    {"直樹", "なおき", "naoki"},     {"明美", "あけみ", "akemi"},
    {"隆", "たかし", "takashi"},     {"裕子", "ゆうこ", "yuko"},
    {"悠人", "ゆうと", "yuto"},      {"結衣", "ゆい", "yui"},
    {"和也", "かずや", "kazuya"},    {"智子", "ともこ", "tomoko"},
    {"蓮", "れん", "ren"},           {"愛", "あい", "ai"},
};
} // namespace

CBookGenerator::CBookGenerator(std::uint32_t seed) : m_random(seed) {
    for (const CNameSource& name : FAMILY_NAMES)
        m_familyNames.push_back({Cp932(name.kanji), Cp932(name.kana), name.latin});
    for (const CNameSource& name : GIVEN_NAMES)
        m_givenNames.push_back({Cp932(name.kanji), Cp932(name.kana), name.latin});
    m_places = Cp932List({"東京都世田谷区", "東京都杉並区", "神奈川県横浜市青葉区",
                          "大阪府大阪市北区", "愛知県名古屋市中区", "北海道札幌市中央区",
                          "福岡県福岡市博多区", "京都府京都市左京区", "埼玉県さいたま市浦和区",
                          "千葉県千葉市美浜区", "兵庫県神戸市灘区", "宮城県仙台市青葉区",
                          "広島県広島市南区", "静岡県静岡市葵区", "長野県松本市"});
    m_towns = Cp932List({"桜丘", "南町", "本町", "緑が丘", "旭町", "中央", "東山", "若葉台", "高砂",
                         "栄町", "平和台", "新田", "宮前", "梅ヶ丘", "港南"});
    m_buildings = Cp932List({"コーポ桜", "メゾン・ド・ソレイユ", "グリーンハイツ", "サンパレス",
                             "ハイム若葉", "パークサイド", "ロイヤルマンション"});
    m_memoPhrases = Cp932List(
        {"大学のゼミで一緒だった。", "年賀状は毎年出すこと。", "お子さんが二人いる。",
         "連絡は夜九時以降に。", "誕生日は四月十二日。", "元同僚、今は独立して事務所を構えている。",
         "テニスサークルの先輩。", "引っ越し予定あり（来年春）。", "メールより電話の方が確実。",
         "ワインが好き。", "結婚式の二次会で幹事をお願いした。", "町内会の役員。"});
    m_groupWords = Cp932List({"大学の友人", "会社", "テニス部", "町内会", "親戚", "高校の同級生",
                              "取引先", "年賀状", "ＰＴＡ", "趣味の会", "旧職場", "近所"});
    m_domains = {"example.co.jp", "example.ne.jp",     "mail.example.jp",
                 "example.com",   "docomo.example.jp", "ezweb.example.jp"};
    m_space = Cp932("　");
    m_chome = Cp932("丁目");
}

std::string CBookGenerator::Cp932(std::string_view utf8) const {
    const CEncodeResult result = m_codec.FromUtf8(utf8);
    if (!result.ok())
        throw std::logic_error("generator text that CP932 cannot hold");
    return result.text;
}

std::vector<std::string> CBookGenerator::Cp932List(std::initializer_list<const char*> utf8) const {
    std::vector<std::string> texts;
    for (const char* text : utf8)
        texts.push_back(Cp932(text));
    return texts;
}

std::string CBookGenerator::Digits(std::size_t count) {
    std::string digits;
    for (std::size_t i = 0; i < count; ++i)
        digits += static_cast<char>('0' + Pick(10));
    return digits;
}

std::string CBookGenerator::MakeZip() {
    return Digits(3) + "-" + Digits(4);
}

std::string CBookGenerator::MakePhone(bool mobile) {
    if (mobile)
        return (Chance(50) ? "090-" : "080-") + Digits(4) + "-" + Digits(4);
    return "0" + Digits(1 + Pick(3)) + "-" + Digits(3) + "-" + Digits(4);
}

std::string CBookGenerator::MakeAddress() {
    std::string address = m_places[Pick(m_places.size())] + m_towns[Pick(m_towns.size())];
    address += std::to_string(1 + Pick(5)) + m_chome + std::to_string(1 + Pick(30)) + "-" +
               std::to_string(1 + Pick(20));
    if (Chance(40))
        address += m_space + m_buildings[Pick(m_buildings.size())] + std::to_string(101 + Pick(8));
    return address;
}

std::string CBookGenerator::MakeMemo() {
    std::string memo;
    const std::size_t phrases = 1 + Pick(3);
    for (std::size_t i = 0; i < phrases; ++i) {
        if (i > 0 && Chance(50))
            memo += "\r\n";
        memo += m_memoPhrases[Pick(m_memoPhrases.size())];
    }
    return memo;
}

CBookGenerator::CTexts CBookGenerator::MakePersonTexts() {
    const CName& family = m_familyNames[Pick(m_familyNames.size())];
    const CName& given = m_givenNames[Pick(m_givenNames.size())];
    CTexts texts;
    auto set = [&texts](EPersonText which, std::string value) {
        texts[static_cast<std::size_t>(which)] = std::move(value);
    };
    const std::string user = given.latin + "." + family.latin + Digits(Pick(3));
    set(EPersonText::Name, family.kanji + m_space + given.kanji);
    set(EPersonText::Initial, family.kana + m_space + given.kana);
    set(EPersonText::Zip, MakeZip());
    set(EPersonText::Address, MakeAddress());
    set(EPersonText::Tel1, MakePhone(false));
    if (Chance(70))
        set(EPersonText::Tel2, MakePhone(true));
    if (Chance(85))
        set(EPersonText::Email1, user + "@" + m_domains[Pick(m_domains.size())]);
    if (Chance(30))
        set(EPersonText::Email2,
            family.latin + Digits(4) + "@" + m_domains[Pick(m_domains.size())]);
    if (Chance(30)) {
        set(EPersonText::HomeZip, MakeZip());
        set(EPersonText::HomeAddress, MakeAddress());
        set(EPersonText::HomeTel, MakePhone(false));
    }
    if (Chance(40))
        set(EPersonText::Memo, MakeMemo());
    if (Chance(10))
        set(EPersonText::HomePage,
            "https://www." + family.latin + "-" + Digits(3) + ".example.jp/");
    return texts;
}

std::string CBookGenerator::MakeGroupName(std::size_t index) {
    return m_groupWords[index % m_groupWords.size()] +
           std::to_string(index / m_groupWords.size() + 1);
}

std::string CBookGenerator::MakeShortGroupName(std::size_t index) {
    static constexpr std::string_view DIGITS =
        "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    std::string name;
    // Counting in bijective base 62, so that no name is left out and none is repeated.
    for (std::size_t rest = index + 1; rest != 0; rest = (rest - 1) / DIGITS.size())
        name.insert(name.begin(), DIGITS[(rest - 1) % DIGITS.size()]);
    return name;
}

std::vector<CGroup*> CBookGenerator::PickGroups(const std::vector<CGroup*>& groups) {
    std::vector<CGroup*> chosen;
    if (groups.empty())
        return chosen;
    const std::size_t count = Pick(4);
    for (std::size_t i = 0; i < count; ++i) {
        CGroup* group = groups[Pick(groups.size())];
        if (std::find(chosen.begin(), chosen.end(), group) == chosen.end())
            chosen.push_back(group);
    }
    return chosen;
}

void CBookGenerator::Fill(CAddressDoc& doc, const CBookShape& shape) {
    std::vector<CGroup*> groups;
    for (std::size_t i = 0; i < shape.groups; ++i) {
        groups.push_back(doc.NewGroup(shape.unnamedGroups          ? std::string()
                                      : shape.everyoneInEveryGroup ? MakeShortGroupName(i)
                                                                   : MakeGroupName(i)));
        doc.AddGroup(groups.back());
    }
    for (std::size_t i = 0; i < shape.persons; ++i) {
        const CTexts texts = MakePersonTexts();
        std::array<std::string_view, CPersonalData::TEXT_COUNT> views;
        std::copy(texts.begin(), texts.end(), views.begin());
        CPersonalData* person = doc.NewPerson(views, static_cast<int>(Pick(3)));
        person->m_groupList = shape.everyoneInEveryGroup ? groups : PickGroups(groups);
        if (i < shape.bigGroupMembers && !groups.empty() && !person->IsMemberOf(groups.front()))
            person->m_groupList.insert(person->m_groupList.begin(), groups.front());
        doc.AddPerson(person);
    }
    doc.SetModifiedFlag(false);
}

std::string CBookGenerator::MakeFile(const CBookShape& shape) {
    CAddressDoc doc;
    Fill(doc, shape);
    return CDataFileWriter::Write(doc.GetGroupList(), doc.GetPersonList());
}

std::string CBookGenerator::MakeCsv(std::size_t persons) {
    CCSVWriter writer({});
    std::vector<int> order;
    for (int field = 0; field < CFieldTable::WORKING_FIELDS; ++field)
        order.push_back(field);
    writer.SetColumnOrder(order);
    for (std::size_t i = 0; i < persons; ++i) {
        const CTexts texts = MakePersonTexts();
        CCSVWriter::CTexts views;
        std::copy(texts.begin(), texts.end(), views.begin());
        writer.WriteTexts(views);
    }
    return writer.GetText();
}

std::vector<CPersonalData*> CBookGenerator::FillForMail(CAddressDoc& doc, std::size_t persons) {
    Fill(doc, {persons, 0, 0});
    std::vector<CPersonalData*> list(doc.GetPersonList().begin(), doc.GetPersonList().end());
    for (std::size_t i = 0; i < list.size(); ++i)
        list[i]->SetText(EPersonText::Email1,
                         i % 10 < 4 ? "" : "user" + std::to_string(i) + "@example.co.jp");
    return list;
}
