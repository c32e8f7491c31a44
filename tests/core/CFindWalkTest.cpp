#include "core/find/CFindWalk.h"

#include "CBookFixture.h"
#include "CTempFolder.h"
#include "core/commands/CDeleteGroupCommand.h"
#include "core/commands/CDeletePersonalCommand.h"
#include "core/commands/CModifyPersonalCommand.h"
#include "core/commands/CRestoreCommand.h"
#include "core/document/CDataFile.h"
#include "core/model/CFieldTable.h"

#include <functional>
#include <utility>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {
const std::vector<int> ALL_FIELDS = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};

class CFindWalkTest : public CBookFixture {
protected:
    // Persons p0, p1, ... with "hit" in the address of every one `hitEvery` apart.
    std::vector<CPersonalData*> AddPersons(std::size_t count, std::size_t hitEvery = 1) {
        std::vector<CPersonalData*> persons;
        for (std::size_t i = 0; i < count; ++i) {
            CPersonalData* person = AddPerson("p" + std::to_string(i));
            if (i % hitEvery == 0)
                person->ReplaceField(CFieldTable::FIELD_ADDRESS, "hit");
            persons.push_back(person);
        }
        return persons;
    }

    std::unique_ptr<CFindWalk> StartWalk(const std::string& text = "hit") {
        return std::make_unique<CFindWalk>(m_doc, text, CFindMatcher(text, ALL_FIELDS, false));
    }

    static void RunToEnd(CFindWalk& walk) {
        while (walk.Step() != EFindStep::Finished) {
        }
    }
};

TEST_F(CFindWalkTest, ResultGroupIsNamedAfterTheStringSelectedAndTransient) {
    AddPersons(3);
    const std::string tanaka = "\x93\x63\x92\x86"; // 田中
    const auto walk = StartWalk(tanaka);
    CGroup* group = walk->GetGroup();
    EXPECT_EQ(group->m_strGroupName, "!\x8c\x9f\x8d\xf5\x8c\x8b\x89\xca - " + tanaka);
    EXPECT_EQ(group->m_nSerial, CGroup::GROUP_TRANSIENT);
    EXPECT_EQ(m_tree.GetTreeCtrl().GetCaret(), group->m_hTreeItem);
    EXPECT_EQ(m_list.GetShownGroup(), group);
    EXPECT_EQ(m_doc.GetUndoMenuText(), "元に戻す(&U) － 個人データの新規作成\tCtrl+Z");
}

TEST_F(CFindWalkTest, HitsJoinTheGroupOnceAndUndoAndSavingLeaveThemOut) {
    std::vector<CPersonalData*> persons = AddPersons(4, 2);
    persons[2]->ReplaceField(CFieldTable::FIELD_MEMO, "hit");
    const auto walk = StartWalk();
    RunToEnd(*walk);
    EXPECT_FALSE(walk->WasStopped());
    EXPECT_THAT(NamesOf(walk->GetGroup()->m_memberList), ElementsAre("p0", "p2"));
    EXPECT_THAT(ListNames(), ElementsAre("p0", "p2"));

    m_doc.OnEditUndo(); // takes p3 away, not the search
    EXPECT_TRUE(m_doc.ContainsGroup(walk->GetGroup()));
    EXPECT_EQ(walk->GetHitCount(), 2u);

    const CTempFolder folder;
    ASSERT_TRUE(CDataFile::Save(m_doc, folder / "book.adr").ok);
    CAddressDoc reopened;
    ASSERT_TRUE(CDataFile::Load(reopened, folder / "book.adr").ok);
    EXPECT_THAT(reopened.GetGroupList(), IsEmpty());
    EXPECT_EQ(reopened.GetPersonList().size(), 3u);
    for (const CPersonalData* person : reopened.GetPersonList())
        EXPECT_THAT(person->m_groupList, IsEmpty());
}

struct CStepRecord {
    std::size_t walked;
    int position;
    bool operator==(const CStepRecord&) const = default;
};

TEST_F(CFindWalkTest, HandsBackAtEveryProgressStep) {
    for (const std::size_t persons : {80u, 250u}) {
        m_doc.OnNewDocument();
        AddPersons(persons, 1000);
        const auto walk = StartWalk("none");
        const std::size_t interval = walk->GetProgress().GetStepInterval();
        std::vector<CStepRecord> steps;
        EFindStep step{};
        do {
            step = walk->Step();
            steps.push_back({walk->GetWalkedCount(), walk->GetProgressPosition()});
        } while (step != EFindStep::Finished);
        std::vector<CStepRecord> expected;
        for (std::size_t walked = interval; walked <= persons; walked += interval)
            expected.push_back({walked, static_cast<int>(walked / interval) *
                                            walk->GetProgress().GetStepIncrement()});
        EXPECT_EQ(steps, expected) << persons;
        EXPECT_EQ(steps.back().position, walk->GetProgress().GetRangeMax());
    }
}

TEST_F(CFindWalkTest, StoppingKeepsWhatWasFound) {
    AddPersons(250);
    const auto walk = StartWalk();
    walk->Step();
    walk->Step();
    walk->Cancel();
    EXPECT_EQ(walk->Step(), EFindStep::Finished);
    EXPECT_TRUE(walk->WasStopped());
    EXPECT_EQ(walk->GetHitCount(), 50u);
    EXPECT_EQ(walk->GetGroup()->m_memberList.GetCount(), 50u);
}

class CFindWalkChangeTest;

// What the user may do between two steps, and what the walk has found when it ends.
struct CChangeCase {
    const char* name;
    std::function<void(CFindWalkChangeTest&, std::vector<CPersonalData*>&, CFindWalk&)> change;
    std::vector<std::string> members; // of the result group at the end
    bool stopped;
};

class CFindWalkChangeTest : public CFindWalkTest,
                            public ::testing::WithParamInterface<CChangeCase> {
public:
    CAddressDoc& Doc() { return m_doc; }
    CPersonalData* Add(const std::string& name) { return AddPerson(name); }
    void Delete(CPersonalData* person) {
        m_doc.ExecuteCommand(std::make_unique<CDeletePersonalCommand>(person));
    }
};

const CChangeCase CHANGE_CASES[] = {
    {"PersonDeletedAhead",
     [](auto& t, auto& p, auto&) { t.Delete(p[150]); },
     {"p0", "p100", "p200"},
     false},
    {"PersonDeletedAndRestored",
     [](auto& t, auto& p, auto&) {
         t.Delete(p[200]);
         t.Doc().ExecuteCommand(std::make_unique<CRestoreCommand>(t.Doc(), p[200]));
     },
     {"p0", "p100", "p150", "p200"},
     false},
    {"PersonEditedAhead",
     [](auto& t, auto& p, auto&) {
         CPersonalData* copy = t.Doc().NewPerson(*p[150]);
         copy->m_treeItems.RemoveAll();
         copy->ReplaceField(CFieldTable::FIELD_ADDRESS, "");
         t.Doc().ExecuteCommand(std::make_unique<CModifyPersonalCommand>(p[150], copy));
     },
     {"p0", "p100", "p200"},
     false},
    {"PersonAddedAhead",
     [](auto& t, auto&, auto&) { t.Add("late")->ReplaceField(CFieldTable::FIELD_ZIP, "hit"); },
     {"late", "p0", "p100", "p150", "p200"},
     false},
    {"LastAdditionUndone",
     [](auto& t, auto& p, auto&) {
         p[249]->ReplaceField(CFieldTable::FIELD_ADDRESS, "hit");
         t.Doc().OnEditUndo();
     },
     {"p0", "p100", "p150", "p200"},
     false},
    {"OtherGroupDeleted",
     [](auto& t, auto& p, auto&) {
         CGroup* other = t.Doc().NewGroup("other");
         other->m_memberList.AddTail(p[100]);
         t.Doc().ExecuteCommand(std::make_unique<CAddGroupCommand>(other, false));
         t.Doc().ExecuteCommand(std::make_unique<CDeleteGroupCommand>(other));
     },
     {"p0", "p100", "p150", "p200"},
     false},
    {"ResultGroupDeleted",
     [](auto& t, auto&, auto& walk) {
         t.Doc().ExecuteCommand(std::make_unique<CDeleteGroupCommand>(walk.GetGroup()));
     },
     {},
     true},
    {"ResultGroupDeletedAndUndone",
     [](auto& t, auto&, auto& walk) {
         t.Doc().ExecuteCommand(std::make_unique<CDeleteGroupCommand>(walk.GetGroup()));
         t.Doc().OnEditUndo();
     },
     {"p0", "p100", "p150", "p200"},
     false},
};

TEST_P(CFindWalkChangeTest, WalkStaysSafeWhenTheDocumentChangesBetweenSteps) {
    std::vector<CPersonalData*> persons = AddPersons(250, 50);
    persons[50]->ReplaceField(CFieldTable::FIELD_ADDRESS, "");
    const auto walk = StartWalk();
    walk->Step();
    walk->Step();
    GetParam().change(*this, persons, *walk);
    RunToEnd(*walk);
    EXPECT_EQ(walk->WasStopped(), GetParam().stopped);
    std::vector<std::string> members = NamesOf(walk->GetGroup()->m_memberList);
    std::sort(members.begin(), members.end());
    EXPECT_EQ(members, GetParam().members);
    EXPECT_EQ(walk->GetHitCount(), m_doc.ContainsGroup(walk->GetGroup()) ? members.size() : 1u);
}

INSTANTIATE_TEST_SUITE_P(Cases, CFindWalkChangeTest, ::testing::ValuesIn(CHANGE_CASES),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CFindWalkTest, EmptyingTheDocumentEndsTheWalkAndAddsNothingToTheNewContents) {
    const CTempFolder folder;
    AddPersons(3);
    ASSERT_TRUE(CDataFile::Save(m_doc, folder / "other.adr").ok);
    const std::vector<std::function<void()>> empties = {
        [this] { m_doc.OnNewDocument(); },
        [&] { ASSERT_TRUE(CDataFile::Load(m_doc, folder / "other.adr").ok); },
        [this] { m_doc.DeleteContents(); },
    };
    for (const auto& empty : empties) {
        m_doc.OnNewDocument();
        AddPersons(250);
        const auto walk = StartWalk();
        walk->Step();
        empty();
        EXPECT_EQ(walk->Step(), EFindStep::Finished);
        EXPECT_TRUE(walk->WasStopped());
        EXPECT_EQ(walk->GetGroup(), nullptr);
        EXPECT_EQ(walk->GetHitCount(), 25u);
        EXPECT_THAT(m_doc.GetGroupList(), IsEmpty());
        for (const CPersonalData* person : m_doc.GetPersonList())
            EXPECT_THAT(person->m_groupList, IsEmpty());
    }
}
} // namespace
