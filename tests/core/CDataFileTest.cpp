#include "core/document/CDataFile.h"

#include "CBookFixture.h"
#include "CHexBytes.h"
#include "CTempFolder.h"
#include "core/commands/CDeleteGroupCommand.h"
#include "core/document/CDataFileReader.h"
#include "core/document/CDataFileWriter.h"
#include "core/storage/CArchiveWriter.h"

#include <array>
#include <sys/stat.h>

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

namespace {
const std::string GROUP_TAG = CHexBytes::From("FF FF 00 00 06 00") + "CGroup";
const std::string PERSON_TAG = CHexBytes::From("FF FF AA 00 0D 00") + "CPersonalData";
// Name "B", sex 2, every other text empty.
const std::string PERSON_B =
    CHexBytes::From("01 42 00 00 00 | 02 00 00 00 | 00 00 00 00 00 00 00 00 00");
const std::string EXAMPLE = CHexBytes::From("01 00 00 00") + GROUP_TAG + CHexBytes::From("01 41") +
                            CHexBytes::From("01 00 00 00") + PERSON_TAG + PERSON_B +
                            CHexBytes::From("01 00 00 00 | 00 00 00 00");
const std::string EMPTY_BOOK(8, '\0');

using CTexts = std::array<std::string, CPersonalData::TEXT_COUNT>;

// Remembers the hints the document itself sends; the tree's own selection news is left out.
class CHintRecorder : public CDocView {
public:
    explicit CHintRecorder(CAddressDoc& doc) : m_doc(doc) { m_doc.AddView(this); }
    CHintRecorder(const CHintRecorder&) = delete;
    CHintRecorder& operator=(const CHintRecorder&) = delete;
    ~CHintRecorder() override { m_doc.RemoveView(this); }
    void OnUpdate(CDocView* sender, EHint hint, const CHintObject&) override {
        if (sender == nullptr)
            m_hints.push_back(hint);
    }

    std::vector<EHint> m_hints;

private:
    CAddressDoc& m_doc;
};

class CDataFileTest : public CBookFixture {
protected:
    std::filesystem::path File(const std::string& name) const { return m_folder / name; }

    CFileResult Save(const std::string& name = "book.dat") {
        return CDataFile::Save(m_doc, File(name));
    }

    CFileResult Load(const std::string& name = "book.dat") {
        return CDataFile::Load(m_doc, File(name));
    }

    CFileResult LoadBytes(const std::string& bytes) {
        CTempFolder::WriteFile(File("in.dat"), bytes);
        return Load("in.dat");
    }

    std::string Bytes(const std::string& name = "book.dat") const {
        return CTempFolder::ReadFile(File(name));
    }

    CPersonalData* AddFullPerson(const CTexts& texts, int sex, std::vector<CGroup*> groups) {
        std::array<std::string_view, CPersonalData::TEXT_COUNT> views;
        std::copy(texts.begin(), texts.end(), views.begin());
        CPersonalData* person = m_doc.NewPerson(views, sex);
        person->m_groupList = std::move(groups);
        m_doc.ExecuteCommand(std::make_unique<CAddPersonalCommand>(person));
        return person;
    }

    static CTexts TextsOf(const CPersonalData& person) {
        CTexts texts;
        for (std::size_t i = 0; i < texts.size(); ++i)
            texts[i] = person.GetText(static_cast<EPersonText>(i));
        return texts;
    }

    void ExpectEmptyDocument() const {
        EXPECT_THAT(m_doc.GetPersonList(), IsEmpty());
        EXPECT_THAT(m_doc.GetGroupList(), IsEmpty());
        EXPECT_FALSE(m_doc.CanUndo());
    }

    CTempFolder m_folder;
};

TEST_F(CDataFileTest, OneGroupAndOnePersonGiveTheDocumentedBytes) {
    CGroup* a = AddGroup("A");
    AddPerson("B", {a});
    ASSERT_TRUE(Save().ok);
    EXPECT_EQ(Bytes(), EXAMPLE);
}

TEST_F(CDataFileTest, EmptyDocumentIsEightZeroBytes) {
    ASSERT_TRUE(Save().ok);
    EXPECT_EQ(Bytes(), EMPTY_BOOK);
}

TEST_F(CDataFileTest, LoadingAnEmptyBookSendsOnlyTheLoadedHintAfterEmptying) {
    AddGroup("old");
    CHintRecorder recorder(m_doc);
    ASSERT_TRUE(LoadBytes(EMPTY_BOOK).ok);
    EXPECT_THAT(recorder.m_hints, ElementsAre(EHint::Emptied, EHint::Loaded));
    ExpectEmptyDocument();
    EXPECT_FALSE(m_doc.IsModified());
}

TEST_F(CDataFileTest, BytesAfterTheLastPersonAreIgnored) {
    ASSERT_TRUE(LoadBytes(EMPTY_BOOK + "trailing").ok);
    ExpectEmptyDocument();
}

TEST_F(CDataFileTest, LoadingTellsTheViewsOnceAndLeavesNoUndoHistory) {
    CHintRecorder recorder(m_doc);
    ASSERT_TRUE(LoadBytes(EXAMPLE).ok);
    EXPECT_THAT(recorder.m_hints, ElementsAre(EHint::Emptied, EHint::Loaded));
    ASSERT_EQ(m_doc.GetGroupList().size(), 1u);
    ASSERT_EQ(m_doc.GetPersonList().size(), 1u);
    CGroup* a = m_doc.GetGroupList().front();
    CPersonalData* b = m_doc.GetPersonList().front();
    EXPECT_EQ(a->m_strGroupName, "A");
    EXPECT_EQ(a->m_nSerial, 0);
    EXPECT_EQ(b->GetText(EPersonText::Name), "B");
    EXPECT_EQ(b->m_nSex, CPersonalData::SEX_NONE);
    EXPECT_THAT(b->m_groupList, ElementsAre(a));
    EXPECT_TRUE(a->m_memberList.Contains(b));
    EXPECT_THAT(ChildTexts(m_tree.m_hRootItem), ElementsAre("A"));
    EXPECT_FALSE(m_doc.CanUndo());
    EXPECT_FALSE(m_doc.IsModified());
}

TEST_F(CDataFileTest, LoadAndSaveGiveBackTheSameBytes) {
    CGroup* friends = AddGroup("\x97\x46\x90\x6c"); // 友人
    CGroup* work = AddGroup("work");
    CGroup* empty = AddGroup("");
    CTexts full;
    for (std::size_t i = 0; i < full.size(); ++i)
        full[i] = "text" + std::to_string(i);
    full[static_cast<std::size_t>(EPersonText::Name)] = "\x8e\x52\x93\x63\x20\x91\xbe\x98\x59";
    full[static_cast<std::size_t>(EPersonText::Memo)] = "abc\r\ndef" + std::string(300, 'm');
    full[static_cast<std::size_t>(EPersonText::HomePage)] = std::string(70000, 'h');
    full[static_cast<std::size_t>(EPersonText::Address)] = "\x81\xff\x80 broken CP932";
    AddFullPerson(full, CPersonalData::SEX_MALE, {work, friends});
    AddFullPerson(CTexts{}, CPersonalData::SEX_FEMALE, {});
    AddFullPerson(CTexts{"only a name"}, CPersonalData::SEX_NONE, {friends, empty, work});
    ASSERT_TRUE(Save("first.dat").ok);

    ASSERT_TRUE(Load("first.dat").ok);
    ASSERT_EQ(m_doc.GetPersonList().size(), 3u);
    const CPersonalData& loaded = *m_doc.GetPersonList().front();
    EXPECT_EQ(TextsOf(loaded), full);
    EXPECT_EQ(loaded.m_nSex, CPersonalData::SEX_MALE);
    ASSERT_TRUE(Save("second.dat").ok);
    EXPECT_EQ(Bytes("second.dat"), Bytes("first.dat"));
}

// A file written by an older program: every person with `schema` and `textCount` texts.
std::string BookWithSchema(std::uint16_t schema, std::size_t textCount) {
    CArchiveWriter writer;
    writer.WriteU32(0);
    writer.WriteU32(2);
    const CArchiveClass person{"CPersonalData", schema, true};
    for (int n = 0; n < 2; ++n) {
        writer.WriteObjectStart(person);
        for (std::size_t i = 0; i < textCount; ++i) {
            writer.WriteText("t" + std::to_string(i));
            if (i == 3)
                writer.WriteI32(n);
        }
        writer.WriteU32(0);
    }
    return writer.TakeBytes();
}

struct CSchemaCase {
    std::uint16_t schema;
    std::size_t textCount; // read in file order; the rest stay empty
};

class CDataFileSchemaTest : public CDataFileTest,
                            public ::testing::WithParamInterface<CSchemaCase> {};

TEST_P(CDataFileSchemaTest, OlderPersonRecordsFillAPrefixOfTheFields) {
    const CSchemaCase& schema = GetParam();
    ASSERT_TRUE(LoadBytes(BookWithSchema(schema.schema, schema.textCount)).ok);
    ASSERT_EQ(m_doc.GetPersonList().size(), 2u);
    int sex = 0;
    for (const CPersonalData* person : m_doc.GetPersonList()) {
        for (std::size_t i = 0; i < CPersonalData::TEXT_COUNT; ++i) {
            const std::string expected = i < schema.textCount ? "t" + std::to_string(i) : "";
            EXPECT_EQ(person->GetText(static_cast<EPersonText>(i)), expected) << i;
        }
        EXPECT_EQ(person->m_nSex, sex++);
    }
}

INSTANTIATE_TEST_SUITE_P(Schemas, CDataFileSchemaTest,
                         ::testing::Values(CSchemaCase{170, 13}, CSchemaCase{160, 12},
                                           CSchemaCase{150, 11}, CSchemaCase{140, 10},
                                           CSchemaCase{130, 9}, CSchemaCase{100, 5},
                                           CSchemaCase{0, 5}, CSchemaCase{169, 5}),
                         [](const auto& info) {
                             return "Schema" + std::to_string(info.param.schema) + "Reads" +
                                    std::to_string(info.param.textCount) + "Texts";
                         });

TEST_F(CDataFileTest, PersonClassIndexFrom0x7FFFIsWrittenInTheLongForm) {
    // With G groups the person class has index G + 2: G = 0x7FFC is the last short reference.
    for (const std::size_t groupCount : {std::size_t{0x7FFC}, std::size_t{0x7FFD}}) {
        CAddressDoc doc;
        CGroupList groups;
        for (std::size_t i = 0; i < groupCount; ++i)
            groups.push_back(doc.NewGroup(std::to_string(i)));
        doc.AddPerson(doc.NewPerson());
        doc.AddPerson(doc.NewPerson());
        doc.GetPersonList().back()->m_groupList = {groups.back(), groups.front()};
        const std::string bytes = CDataFileWriter::Write(groups, doc.GetPersonList());

        const std::uint32_t index = static_cast<std::uint32_t>(groupCount) + 2;
        const std::string reference =
            index < 0x7FFF ? CHexBytes::From("FE FF")
                           : CHexBytes::From("FF 7F") + CHexBytes::U32(0x80000000u | index);
        const std::size_t tail = reference.size() + 13 + 4 + 4 + 8;
        EXPECT_EQ(bytes.substr(bytes.size() - tail, reference.size()), reference) << groupCount;

        CAddressDoc reread;
        const CReadResult result = CDataFileReader::Read(bytes, reread);
        ASSERT_TRUE(result.ok) << result.message;
        ASSERT_EQ(result.groups.size(), groupCount);
        ASSERT_EQ(result.persons.size(), 2u);
        EXPECT_THAT(result.persons.back()->m_groupList,
                    ElementsAre(result.groups.back(), result.groups.front()));
        EXPECT_EQ(result.groups.back()->m_strGroupName, std::to_string(groupCount - 1));
    }
}

class CDataFileTextLengthTest : public CDataFileTest,
                                public ::testing::WithParamInterface<std::size_t> {};

TEST_P(CDataFileTextLengthTest, MemoKeepsItsLengthAcrossThePrefixForms) {
    const std::string memo(GetParam(), 'M');
    CTexts texts;
    texts[static_cast<std::size_t>(EPersonText::Memo)] = memo;
    AddFullPerson(texts, CPersonalData::SEX_NONE, {});
    ASSERT_TRUE(Save().ok);
    ASSERT_TRUE(Load().ok);
    ASSERT_EQ(m_doc.GetPersonList().size(), 1u);
    EXPECT_EQ(m_doc.GetPersonList().front()->GetText(EPersonText::Memo), memo);
}

INSTANTIATE_TEST_SUITE_P(Boundaries, CDataFileTextLengthTest,
                         ::testing::Values(254, 255, 65533, 65534),
                         [](const auto& info) { return std::to_string(info.param) + "Bytes"; });

TEST_F(CDataFileTest, MemoOfThreeHundredBytesHasTheThreeBytePrefix) {
    CTexts texts;
    texts[static_cast<std::size_t>(EPersonText::Memo)] = std::string(300, 'M');
    AddFullPerson(texts, CPersonalData::SEX_NONE, {});
    ASSERT_TRUE(Save().ok);
    const std::string expected = CHexBytes::From("00 00 00 00 | 01 00 00 00") + PERSON_TAG +
                                 CHexBytes::From("00 00 00 00 | 02 00 00 00 | 00 00 00 00 00 00 |"
                                                 "FF 2C 01") +
                                 std::string(300, 'M') + CHexBytes::From("00 00 | 00 00 00 00");
    EXPECT_EQ(Bytes(), expected);
}

TEST_F(CDataFileTest, SavingKeepsTheOldFileAsBackupAndTwiceWritesTheSameBytes) {
    CTempFolder::WriteFile(File("book.dat"), "previous contents");
    CGroup* a = AddGroup("A");
    AddPerson("B", {a});
    ASSERT_TRUE(Save().ok);
    EXPECT_EQ(Bytes("book.dat.bak"), "previous contents");
    const std::string first = Bytes();
    ASSERT_TRUE(Save().ok);
    EXPECT_EQ(Bytes(), first);
    EXPECT_EQ(Bytes("book.dat.bak"), first);
}

TEST_F(CDataFileTest, SavingMarksTheDocumentSavedAndKeepsThePermissions) {
    CTempFolder::WriteFile(File("book.dat"), "old");
    ::chmod(File("book.dat").c_str(), 0640);
    AddGroup("A");
    ASSERT_TRUE(m_doc.IsModified());
    const CFileResult result = Save();
    ASSERT_TRUE(result.ok);
    EXPECT_THAT(result.message, IsEmpty());
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_EQ(m_doc.GetStatusText(), "保存しました");
    struct stat info {};
    ASSERT_EQ(::stat(File("book.dat").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    // No temporary file is left beside it: only the backup and the UIDs.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_folder.Path()), {}), 3);
}

TEST_F(CDataFileTest, SearchResultGroupAndItsMembershipsAreNotSaved) {
    CGroup* result = AddGroup("hits");
    result->m_nSerial = CGroup::GROUP_TRANSIENT;
    AddPerson("B", {result});
    ASSERT_TRUE(Save().ok);
    EXPECT_EQ(Bytes(), CHexBytes::From("00 00 00 00 | 01 00 00 00") + PERSON_TAG + PERSON_B +
                           CHexBytes::From("00 00 00 00"));
    EXPECT_EQ(result->m_nSerial, CGroup::GROUP_TRANSIENT);
}

TEST_F(CDataFileTest, SerialsHaveNoGapAfterTheSecondOfThreeGroupsIsDeleted) {
    CGroup* a = AddGroup("A");
    CGroup* b = AddGroup("B");
    CGroup* c = AddGroup("C");
    AddPerson("P", {c, b, a});
    m_doc.ExecuteCommand(std::make_unique<CDeleteGroupCommand>(b));
    ASSERT_TRUE(Save().ok);
    EXPECT_EQ(a->m_nSerial, 0);
    EXPECT_EQ(c->m_nSerial, 1);
    const std::string bytes = Bytes();
    EXPECT_EQ(bytes.substr(0, 4), CHexBytes::U32(2));
    EXPECT_EQ(bytes.substr(bytes.size() - 12), CHexBytes::From("02 00 00 00 | 01 00 00 00 | "
                                                               "00 00 00 00"));
}

TEST_F(CDataFileTest, AFileThatCannotBeReadLeavesTheDocumentAsItWas) {
    AddGroup("kept");
    const CFileResult result = Load("missing.dat");
    EXPECT_FALSE(result.ok);
    EXPECT_THAT(result.message, HasSubstr("missing.dat"));
    EXPECT_THAT(result.message, HasSubstr("ファイルまたはフォルダが見つかりません"));
    EXPECT_EQ(m_doc.GetGroupList().size(), 1u);
    EXPECT_THAT(CDataFile::Save(m_doc, File("gone") / "book.dat").message,
                HasSubstr("ファイルまたはフォルダが見つかりません"));

    std::filesystem::create_directory(File("folder.dat"));
    EXPECT_FALSE(Load("folder.dat").ok);
    EXPECT_EQ(m_doc.GetGroupList().size(), 1u);
}

struct CMalformedCase {
    const char* name;
    std::string bytes;
    std::size_t offset;
    const char* message;
};

class CDataFileMalformedTest : public CDataFileTest,
                               public ::testing::WithParamInterface<CMalformedCase> {};

TEST_P(CDataFileMalformedTest, FailsWithWhatAndWhereAndLeavesTheDocumentEmpty) {
    CGroup* a = AddGroup("before");
    AddPerson("before", {a});
    const CMalformedCase& malformed = GetParam();
    const CFileResult result = LoadBytes(malformed.bytes);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.offset, malformed.offset);
    EXPECT_THAT(result.message, HasSubstr(malformed.message));
    EXPECT_THAT(result.message, HasSubstr("in.dat"));
    EXPECT_THAT(result.message, HasSubstr("オフセット " + std::to_string(malformed.offset)));
    ExpectEmptyDocument();
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_THAT(ChildTexts(m_tree.m_hRootItem), IsEmpty());
}

const std::string ONE_GROUP = CHexBytes::From("01 00 00 00") + GROUP_TAG + CHexBytes::From("01 41");
const std::string ONE_PERSON = CHexBytes::From("01 00 00 00") + PERSON_TAG + PERSON_B;

INSTANTIATE_TEST_SUITE_P(
    Inputs, CDataFileMalformedTest,
    ::testing::Values(
        CMalformedCase{"EmptyFile", "", 0, "途中で終わって"},
        CMalformedCase{"UnknownClass",
                       CHexBytes::From("01 00 00 00 | FF FF 00 00 06 00") + "CGrouq" +
                           CHexBytes::From("01 41 00 00 00 00"),
                       4, "未知のクラス「CGrouq」"},
        CMalformedCase{"PersonWhereAGroupBelongs",
                       CHexBytes::From("01 00 00 00") + PERSON_TAG + PERSON_B +
                           CHexBytes::From("00 00 00 00"),
                       4, "CGroup のオブジェクトが必要"},
        CMalformedCase{"GroupWhereAPersonBelongs",
                       CHexBytes::From("00 00 00 00 | 01 00 00 00") + GROUP_TAG +
                           CHexBytes::From("01 41") + std::string(20, '\0'),
                       8, "CPersonalData のオブジェクトが必要"},
        CMalformedCase{"NullReference", CHexBytes::From("01 00 00 00 | 00 00 | 01 41 00 00 00 00"),
                       4, "null"},
        CMalformedCase{"ObjectReference",
                       CHexBytes::From("02 00 00 00") + GROUP_TAG +
                           CHexBytes::From("01 41 | 02 00 | 01 42 | 00 00 00 00"),
                       18, "参照（番号 2）"},
        CMalformedCase{"GroupSchemaOne",
                       CHexBytes::From("01 00 00 00 | FF FF 01 00 06 00") + "CGroup" +
                           CHexBytes::From("01 41 | 00 00 00 00"),
                       4, "CGroup のスキーマ番号 1"},
        CMalformedCase{"PersonSchemaNewerThanOurs",
                       CHexBytes::From("00 00 00 00 | 01 00 00 00 | FF FF AB 00 0D 00") +
                           "CPersonalData" + PERSON_B + CHexBytes::From("00 00 00 00"),
                       8, "新しい形式"},
        CMalformedCase{"SerialPastTheLastGroup",
                       ONE_GROUP + ONE_PERSON + CHexBytes::From("01 00 00 00 | 01 00 00 00"),
                       ONE_GROUP.size() + ONE_PERSON.size() + 4,
                       "番号 1 に当たるグループがありません"},
        CMalformedCase{
            "NegativeSerial", ONE_GROUP + ONE_PERSON + CHexBytes::From("01 00 00 00 | FF FF FF FF"),
            ONE_GROUP.size() + ONE_PERSON.size() + 4, "番号 -1 に当たるグループがありません"},
        CMalformedCase{"SameGroupTwice",
                       ONE_GROUP + ONE_PERSON +
                           CHexBytes::From("02 00 00 00 | 00 00 00 00 | 00 00 00 00"),
                       ONE_GROUP.size() + ONE_PERSON.size() + 8, "二度"},
        CMalformedCase{"HugeGroupCount", CHexBytes::From("FF FF FF FF 00 00 00 00"), 0,
                       "グループの数 4294967295"},
        CMalformedCase{"HugePersonCount", CHexBytes::From("00 00 00 00 | FF FF FF 7F"), 4,
                       "個人データの数 2147483647"},
        CMalformedCase{"HugeMembershipCount",
                       ONE_GROUP + ONE_PERSON + CHexBytes::From("00 00 00 10"),
                       ONE_GROUP.size() + ONE_PERSON.size(), "所属グループの数 268435456"},
        CMalformedCase{"HugeTextLength",
                       CHexBytes::From("01 00 00 00") + GROUP_TAG +
                           CHexBytes::From("FF FF FF 00 00 00 80 | 41 00 00 00 00"),
                       16, "文字列の長さ 2147483648"},
        CMalformedCase{"WideText",
                       CHexBytes::From("01 00 00 00") + GROUP_TAG +
                           CHexBytes::From("FF FE FF 01 41 00 | 00 00 00 00"),
                       16, "ワイド文字"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CDataFileTest, EveryTruncationOfAValidFileFailsAndLeavesTheDocumentEmpty) {
    CGroup* a = AddGroup("A");
    CGroup* b = AddGroup("\x8a\xa8"); // 寛
    CTexts texts{"name", "address"};
    texts[static_cast<std::size_t>(EPersonText::Memo)] = std::string(300, 'M');
    AddFullPerson(texts, CPersonalData::SEX_FEMALE, {b, a});
    AddPerson("second", {a});
    ASSERT_TRUE(Save("whole.dat").ok);
    const std::string whole = Bytes("whole.dat");
    for (std::size_t length = 0; length < whole.size(); ++length) {
        const CFileResult result = LoadBytes(whole.substr(0, length));
        ASSERT_FALSE(result.ok) << length;
        EXPECT_LE(result.offset, length);
        EXPECT_THAT(result.message, HasSubstr("オフセット"));
        ASSERT_THAT(m_doc.GetPersonList(), IsEmpty()) << length;
        ASSERT_THAT(m_doc.GetGroupList(), IsEmpty()) << length;
    }
    EXPECT_TRUE(LoadBytes(whole).ok);
}

TEST_F(CDataFileTest, SaveIntoAFolderThatIsAFileFailsAndKeepsTheDocumentModified) {
    CTempFolder::WriteFile(File("plain"), "not a folder");
    AddGroup("A");
    const CFileResult result = Save("plain/book.dat");
    EXPECT_FALSE(result.ok);
    EXPECT_THAT(result.message, HasSubstr("plain/book.dat"));
    EXPECT_THAT(result.message, HasSubstr("パスの途中にフォルダでないものがあります"));
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_NE(m_doc.GetStatusText(), "保存しました");
    EXPECT_EQ(Bytes("plain"), "not a folder");
}

TEST_F(CDataFileTest, SaveOverAFolderFailsAndLeavesItAlone) {
    std::filesystem::create_directory(File("book.dat"));
    CTempFolder::WriteFile(File("book.dat") / "inside", "x");
    AddGroup("A");
    const CFileResult result = Save();
    EXPECT_FALSE(result.ok);
    EXPECT_THAT(result.message, HasSubstr("book.dat"));
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_TRUE(std::filesystem::is_directory(File("book.dat")));
    EXPECT_EQ(Bytes("book.dat/inside"), "x");
    // Nothing but the folder is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_folder.Path()), {}), 1);
}

TEST_F(CDataFileTest, SavingThroughASymbolicLinkReplacesTheFileItNames) {
    CTempFolder::WriteFile(File("real.dat"), "old");
    std::filesystem::create_symlink(File("real.dat"), File("link.dat"));
    ASSERT_TRUE(Save("link.dat").ok);
    EXPECT_TRUE(std::filesystem::is_symlink(File("link.dat")));
    EXPECT_EQ(Bytes("real.dat"), EMPTY_BOOK);
    EXPECT_EQ(Bytes("link.dat.bak"), "old");
}
} // namespace
