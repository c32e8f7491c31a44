#include "CBookFixture.h"
#include "core/commands/CCommandGroup.h"
#include "core/commands/CDeletePersonalCommand.h"
#include "core/commands/CModifyByListEditCommand.h"
#include "core/model/CFieldTable.h"
#include "core/text/CCp932.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {
// Readings that many persons share, so that the order of equal keys is tested everywhere.
const char* const READINGS[] = {"\x82\xa0", "\x82\xa2", "\x82\xa0\x82\xa2", "a", "\xb1", ""};

class CFriendListOrderTest : public CBookFixture {
protected:
    void SetUp() override {
        CBookFixture::SetUp();
        for (int i = 0; i < 90; ++i)
            m_persons.push_back(AddPerson(NameOf(i), {}, READINGS[i % std::size(READINGS)]));
    }

    static std::string NameOf(int number) { return "n" + std::to_string(1000 + number); }

    // A person to add by a command of the test's own.
    CPersonalData* NewPerson(const std::string& reading) {
        CPersonalData* person = m_doc.NewPerson();
        person->SetText(EPersonText::Name, NameOf(static_cast<int>(m_persons.size())));
        person->SetText(EPersonText::Initial, reading);
        m_persons.push_back(person);
        return person;
    }

    std::vector<CPersonalData*> Rows() const {
        std::vector<CPersonalData*> rows;
        for (int row = 0; row < m_list.GetRowCount(); ++row)
            rows.push_back(m_list.GetRowPerson(row));
        return rows;
    }

    // The rows that stay, in their order, then the arrivals in theirs, sorted stably: equal
    // keys keep rows that were there in front of rows that came.
    static std::vector<CPersonalData*> Expected(const std::vector<CPersonalData*>& rows,
                                                const std::vector<CPersonalData*>& gone,
                                                const std::vector<CPersonalData*>& arrived) {
        std::vector<CPersonalData*> expected;
        for (CPersonalData* person : rows) {
            if (std::find(gone.begin(), gone.end(), person) == gone.end())
                expected.push_back(person);
        }
        expected.insert(expected.end(), arrived.begin(), arrived.end());
        std::stable_sort(expected.begin(), expected.end(),
                         [](const CPersonalData* a, const CPersonalData* b) {
                             return CCp932::Compare(a->GetSortKey(), b->GetSortKey()) < 0;
                         });
        return expected;
    }

    void ExpectEveryRowFound(const std::vector<CPersonalData*>& gone) const {
        for (int row = 0; row < m_list.GetRowCount(); ++row)
            EXPECT_EQ(m_list.FindRow(m_list.GetRowPerson(row)), row);
        for (const CPersonalData* person : gone)
            EXPECT_EQ(m_list.FindRow(person), -1);
    }

    static void Delete(CCommandGroup& commands, CPersonalData* person) {
        commands.AddCommand(std::make_unique<CDeletePersonalCommand>(person));
    }
    static void Add(CCommandGroup& commands, CPersonalData* person) {
        commands.AddCommand(std::make_unique<CAddPersonalCommand>(person));
    }

    std::vector<CPersonalData*> m_persons;
};

TEST_F(CFriendListOrderTest, PersonsAddedOneByOneFollowEqualKeysAlreadyShown) {
    EXPECT_EQ(Rows(), Expected({}, {}, m_persons));
    ExpectEveryRowFound({});
}

TEST_F(CFriendListOrderTest, DeletionsAndAdditionsInOneCommandKeepTheOrder) {
    const std::vector<CPersonalData*> before = Rows();
    auto commands = std::make_unique<CCommandGroup>();
    std::vector<CPersonalData*> deleted;
    std::vector<CPersonalData*> added;
    for (std::size_t row = 0; row < before.size(); row += 3) {
        deleted.push_back(before[row]);
        Delete(*commands, before[row]);
        added.push_back(NewPerson(READINGS[row % 5]));
        Add(*commands, added.back());
    }
    // A person that comes and goes within the command leaves no row behind.
    CPersonalData* passing = NewPerson(READINGS[0]);
    Add(*commands, passing);
    Delete(*commands, passing);
    deleted.push_back(passing);
    m_doc.ExecuteCommand(std::move(commands));

    const std::vector<CPersonalData*> afterDo = Rows();
    EXPECT_EQ(afterDo, Expected(before, deleted, added));
    ExpectEveryRowFound(deleted);

    // Undoing runs the parts backwards: the additions go, the deleted come back last first.
    m_doc.OnEditUndo();
    std::vector<CPersonalData*> returned(deleted.rbegin() + 1, deleted.rend());
    EXPECT_EQ(Rows(), Expected(afterDo, added, returned));
    ExpectEveryRowFound(added);
}

TEST_F(CFriendListOrderTest, RowsStayFindableAcrossCommandsThatSearchNothing) {
    // Each command moves rows; none of the checks searches before the last command, whose
    // deletions must find rows that moved twice.
    std::vector<CPersonalData*> rows = Rows();
    auto first = std::make_unique<CCommandGroup>();
    const std::vector<CPersonalData*> firstGone(rows.begin(), rows.begin() + 20);
    for (CPersonalData* person : firstGone)
        Delete(*first, person);
    m_doc.ExecuteCommand(std::move(first));
    rows = Expected(rows, firstGone, {});

    auto second = std::make_unique<CCommandGroup>();
    std::vector<CPersonalData*> added;
    for (int i = 0; i < 15; ++i) {
        added.push_back(NewPerson(READINGS[i % 3]));
        Add(*second, added.back());
    }
    m_doc.ExecuteCommand(std::move(second));
    rows = Expected(rows, {}, added);

    auto third = std::make_unique<CCommandGroup>();
    std::vector<CPersonalData*> thirdGone;
    for (std::size_t row = 1; row < rows.size(); row += 4)
        thirdGone.push_back(rows[row]);
    for (CPersonalData* person : thirdGone)
        Delete(*third, person);
    m_doc.ExecuteCommand(std::move(third));

    EXPECT_EQ(Rows(), Expected(rows, thirdGone, {}));
    ExpectEveryRowFound(thirdGone);
}

TEST_F(CFriendListOrderTest, ACellEditAmongDeletionsAndAdditionsSortsEverything) {
    const std::vector<CPersonalData*> before = Rows();
    CPersonalData* edited = m_persons[5]; // no reading: sorted by its name
    auto commands = std::make_unique<CCommandGroup>();
    Delete(*commands, before[0]);
    commands->AddCommand(
        std::make_unique<CModifyByListEditCommand>(edited, CFieldTable::FIELD_NAME, "a"));
    CPersonalData* added = NewPerson("a");
    Add(*commands, added);
    Delete(*commands, before[89]);
    m_doc.ExecuteCommand(std::move(commands));

    ASSERT_EQ(edited->GetSortKey(), "a");
    EXPECT_EQ(Rows(), Expected(before, {before[0], before[89]}, {added}));
    ExpectEveryRowFound({before[0], before[89]});
}
} // namespace
