// Builds the sample address book: fictional persons in overlapping groups, written through the
// same document and data-file code the program uses, so the sample is always a file it reads.

#include "core/commands/CAddGroupCommand.h"
#include "core/commands/CAddPersonalCommand.h"
#include "core/document/CAddressDoc.h"
#include "core/document/CDataFile.h"
#include "core/text/CTextCodec.h"

#include <array>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

// Bits of CSample::m_groups, in the order of GROUP_NAMES.
enum EGroup : unsigned {
    FAMILY = 1U << 0,
    UNIVERSITY = 1U << 1,
    OFFICE = 1U << 2,
    TENNIS = 1U << 3,
    NEW_YEAR = 1U << 4,
    NEIGHBOURS = 1U << 5,
    CLIENTS = 1U << 6,
};

constexpr std::array<const char*, 7> GROUP_NAMES = {
    "家族", "大学の友人", "会社", "テニスサークル", "年賀状", "町内会", "取引先"};

struct CSample {
    const char* m_name;
    const char* m_initial;
    int m_sex;
    const char* m_zip;
    const char* m_address;
    const char* m_email;
    const char* m_memo;
    unsigned m_groups;
    const char* m_homeZip = "";
    const char* m_homeAddress = "";
};

// Every name, address and number here is invented; mail goes to the reserved example.jp.
const std::vector<CSample> SAMPLES = {
    {"山田 太郎", "やまだ たろう", 0, "166-0002", "東京都杉並区高円寺北2-14-7",
     "taro.yamada@example.jp", "父。釣りが趣味。", FAMILY | NEW_YEAR},
    {"山田 花子", "やまだ はなこ", 1, "166-0002", "東京都杉並区高円寺北2-14-7",
     "hanako.yamada@example.jp", "母。誕生日は5月12日。", FAMILY | NEW_YEAR},
    {"山田 健一", "やまだ けんいち", 0, "060-0807", "北海道札幌市北区北7条西3-1-20 ノースコート502",
     "kenichi@example.jp", "兄。札幌に転勤中。", FAMILY | NEW_YEAR, "166-0002",
     "東京都杉並区高円寺北2-14-7"},
    {"佐藤 美咲", "さとう みさき", 1, "251-0025", "神奈川県藤沢市鵠沼石上1-5-3",
     "misaki.sato@example.jp", "大学のゼミ仲間。幹事役。", UNIVERSITY | TENNIS | NEW_YEAR},
    {"鈴木 一郎", "すずき いちろう", 0, "330-0063", "埼玉県さいたま市浦和区高砂4-2-11",
     "ichiro.s@example.jp", "ダブルスの相方。", UNIVERSITY | TENNIS},
    {"高橋 直樹", "たかはし なおき", 0, "980-0021", "宮城県仙台市青葉区中央3-8-1",
     "naoki.t@example.jp", "", UNIVERSITY | NEW_YEAR, "990-0042", "山形県山形市七日町2-3-9"},
    {"田中 由美", "たなか ゆみ", 1, "260-0013", "千葉県千葉市中央区中央2-9-16",
     "yumi.tanaka@example.jp", "経理部。内線4412。", OFFICE},
    {"伊藤 翔", "いとう しょう", 0, "113-0033", "東京都文京区本郷5-24-3", "sho.ito@example.jp",
     "同期入社。", OFFICE | TENNIS},
    {"渡辺 真由美", "わたなべ まゆみ", 1, "150-0001", "東京都渋谷区神宮前4-11-6",
     "mayumi.w@example.jp", "デザイン事務所を経営。", CLIENTS | NEW_YEAR},
    {"中村 大輔", "なかむら だいすけ", 0, "530-0001", "大阪府大阪市北区梅田1-3-1 梅田第三ビル8階",
     "d.nakamura@example.jp", "大阪支社の窓口。", CLIENTS | OFFICE},
    {"小林 さくら", "こばやし さくら", 1, "166-0003", "東京都杉並区高円寺南4-6-2",
     "sakura.k@example.jp", "町内会の会計。回覧板は水曜。", NEIGHBOURS},
    {"加藤 誠", "かとう まこと", 0, "166-0003", "東京都杉並区高円寺南4-8-15", "", "町内会長。",
     NEIGHBOURS | NEW_YEAR},
    {"吉田 恵子", "よしだ けいこ", 1, "602-0898", "京都府京都市上京区相国寺門前町701",
     "keiko.yoshida@example.jp", "ゼミの先輩。着物の先生。", UNIVERSITY | NEW_YEAR},
    {"山口 剛", "やまぐち つよし", 0, "812-0011", "福岡県福岡市博多区博多駅前3-2-8",
     "tsuyoshi@example.jp", "", TENNIS},
    {"松本 彩", "まつもと あや", 1, "460-0008", "愛知県名古屋市中区栄3-15-33",
     "aya.matsumoto@example.jp", "名古屋の取引先。甘い物好き。", CLIENTS},
    {"井上 拓也", "いのうえ たくや", 0, "220-0012", "神奈川県横浜市西区みなとみらい2-2-1",
     "takuya.inoue@example.jp", "システム部。", OFFICE},
    {"木村 愛", "きむら あい", 1, "180-0004", "東京都武蔵野市吉祥寺本町1-20-4",
     "ai.kimura@example.jp", "テニスの後はいつもカレー。", TENNIS | UNIVERSITY},
    {"林 浩二", "はやし こうじ", 0, "166-0002", "東京都杉並区高円寺北3-1-9", "", "隣の家。",
     NEIGHBOURS},
    {"清水 千尋", "しみず ちひろ", 1, "420-0857", "静岡県静岡市葵区御幸町6-10",
     "chihiro.s@example.jp", "いとこ。", FAMILY | NEW_YEAR},
    {"山崎 修", "やまざき おさむ", 0, "700-0901", "岡山県岡山市北区本町6-36", "osamu.y@example.jp",
     "", CLIENTS | NEW_YEAR},
    {"森 陽子", "もり ようこ", 1, "950-0087", "新潟県新潟市中央区東大通1-7-7",
     "yoko.mori@example.jp", "大学時代の下宿の隣人。", UNIVERSITY},
    {"池田 亮", "いけだ りょう", 0, "102-0083", "東京都千代田区麹町3-2-5 麹町ハイツ301",
     "ryo.ikeda@example.jp", "課長。", OFFICE | NEW_YEAR},
    {"橋本 優子", "はしもと ゆうこ", 1, "650-0021", "兵庫県神戸市中央区三宮町1-9-1",
     "yuko.h@example.jp", "", UNIVERSITY | TENNIS | NEW_YEAR},
    {"阿部 和也", "あべ かずや", 0, "166-0004", "東京都杉並区阿佐谷南1-15-8",
     "kazuya.abe@example.jp", "町内会の防災係。", NEIGHBOURS | TENNIS},
    {"石川 玲奈", "いしかわ れな", 1, "920-0961", "石川県金沢市香林坊2-1-1",
     "rena.ishikawa@example.jp", "金沢の旅館の若女将。", CLIENTS | NEW_YEAR},
    {"前田 大地", "まえだ だいち", 0, "890-0053", "鹿児島県鹿児島市中央町19-40", "", "",
     UNIVERSITY},
    {"藤田 明美", "ふじた あけみ", 1, "166-0002", "東京都杉並区高円寺北2-20-1",
     "akemi.fujita@example.jp", "叔母。", FAMILY | NEIGHBOURS | NEW_YEAR},
    {"小川 陸", "おがわ りく", 0, "310-0015", "茨城県水戸市宮町1-7-31", "riku.ogawa@example.jp",
     "新入社員。", OFFICE},
    {"岡田 奈々", "おかだ なな", 1, "730-0011", "広島県広島市中区基町6-78", "nana.okada@example.jp",
     "", TENNIS},
    {"後藤 隆", "ごとう たかし", 0, "370-0841", "群馬県高崎市栄町3-23", "takashi.goto@example.jp",
     "印刷会社。見積もりは早い。", CLIENTS},
    {"長谷川 結衣", "はせがわ ゆい", 1, "400-0031", "山梨県甲府市丸の内1-6-1",
     "yui.hasegawa@example.jp", "ゼミ同期。ぶどう農家。", UNIVERSITY | NEW_YEAR},
    {"村上 浩", "むらかみ ひろし", 0, "166-0003", "東京都杉並区高円寺南3-40-2", "",
     "町内会の書記。", NEIGHBOURS},
    {"近藤 美穂", "こんどう みほ", 1, "100-0005", "東京都千代田区丸の内1-9-2",
     "miho.kondo@example.jp", "人事部。", OFFICE},
    {"斎藤 悠真", "さいとう ゆうま", 0, "166-0002", "東京都杉並区高円寺北2-14-7",
     "yuma.saito@example.jp", "甥。大学1年生。", FAMILY},
    {"ｽﾐｽ ｼﾞｮﾝ", "すみす じょん", 0, "106-0032", "東京都港区六本木6-10-1", "john.smith@example.jp",
     "英会話の先生。半角カナで登録。", TENNIS | NEW_YEAR},
    {"遠藤 早紀", "えんどう さき", 1, "", "", "saki.endo@example.jp", "住所未確認。", UNIVERSITY},
};

std::string Cp932(const CTextCodec& codec, const char* utf8) {
    const CEncodeResult result = codec.FromUtf8(utf8);
    if (!result.ok())
        std::fprintf(stderr, "not representable in CP932: %s\n", utf8);
    return result.text;
}

// Invented numbers in one made-up range, different for every person.
std::string Phone(std::size_t index) {
    static constexpr std::array<const char*, 6> AREA_CODES = {"03",  "045", "06",
                                                              "052", "092", "011"};
    char text[32];
    std::snprintf(text, sizeof text, "%s-555-%04zu", AREA_CODES[index % AREA_CODES.size()],
                  1000 + index * 37);
    return text;
}

std::string Mobile(std::size_t index) {
    char text[32];
    std::snprintf(text, sizeof text, "090-5550-%04zu", 2000 + index * 53);
    return text;
}

std::vector<CGroup*> AddGroups(CAddressDoc& doc, const CTextCodec& codec) {
    std::vector<CGroup*> groups;
    for (const char* name : GROUP_NAMES) {
        CGroup* group = doc.NewGroup(Cp932(codec, name));
        CAddGroupCommand(group, false).Do(doc);
        groups.push_back(group);
    }
    return groups;
}

void AddPerson(CAddressDoc& doc, const CTextCodec& codec, const std::vector<CGroup*>& groups,
               const CSample& sample, std::size_t index) {
    CPersonalData* person = doc.NewPerson();
    person->SetText(EPersonText::Name, Cp932(codec, sample.m_name));
    person->SetText(EPersonText::Initial, Cp932(codec, sample.m_initial));
    person->SetText(EPersonText::Zip, sample.m_zip);
    person->SetText(EPersonText::Address, Cp932(codec, sample.m_address));
    if (*sample.m_address)
        person->SetText(EPersonText::Tel1, Phone(index));
    if (index % 3 != 2)
        person->SetText(EPersonText::Tel2, Mobile(index));
    person->SetText(EPersonText::Email1, sample.m_email);
    person->SetText(EPersonText::HomeZip, sample.m_homeZip);
    person->SetText(EPersonText::HomeAddress, Cp932(codec, sample.m_homeAddress));
    person->SetText(EPersonText::Memo, Cp932(codec, sample.m_memo));
    person->m_nSex = sample.m_sex;
    for (std::size_t bit = 0; bit < groups.size(); ++bit) {
        if ((sample.m_groups & (1U << bit)) != 0)
            person->m_groupList.push_back(groups[bit]);
    }
    CAddPersonalCommand(person).Do(doc);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT\n", argv[0]);
        return 2;
    }
    const CTextCodec codec;
    CAddressDoc doc;
    const std::vector<CGroup*> groups = AddGroups(doc, codec);
    for (std::size_t index = 0; index < SAMPLES.size(); ++index)
        AddPerson(doc, codec, groups, SAMPLES[index], index);
    const CFileResult result = CDataFile::Save(doc, argv[1]);
    if (!result.ok) {
        std::fprintf(stderr, "%s\n", result.message.c_str());
        return 1;
    }
    std::printf("%zu persons in %zu groups written to %s\n", SAMPLES.size(), groups.size(),
                argv[1]);
    return 0;
}
