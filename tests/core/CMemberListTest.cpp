#include "core/containers/CMemberList.h"

#include "core/model/CPersonalData.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {
class CMemberListTest : public ::testing::Test {
protected:
    CMemberListTest() : m_persons(3000) {}

    CPersonalData* Person(std::size_t index) { return &m_persons[index]; }

    void Join(CPersonalData* person) {
        m_list.AddTail(person);
        if (std::find(m_model.begin(), m_model.end(), person) == m_model.end())
            m_model.push_back(person);
    }

    void Leave(const CPersonalData* person) {
        const auto found = std::find(m_model.begin(), m_model.end(), person);
        EXPECT_EQ(m_list.Remove(person), found != m_model.end());
        if (found != m_model.end())
            m_model.erase(found);
    }

    static std::vector<CPersonalData*> Members(const CMemberList& list) {
        return {list.begin(), list.end()};
    }

    void ExpectMatchesModel() {
        EXPECT_EQ(Members(m_list), m_model);
        EXPECT_EQ(m_list.GetCount(), m_model.size());
        EXPECT_EQ(m_list.IsEmpty(), m_model.empty());
        for (CPersonalData* person : m_model)
            EXPECT_TRUE(m_list.Contains(person));
    }

    std::deque<CPersonalData> m_persons;
    CMemberList m_list;
    std::vector<CPersonalData*> m_model; // join order
};

TEST_F(CMemberListTest, RandomJoinsAndLeavesKeepTheJoinOrder) {
    std::mt19937 random(41);
    std::uniform_int_distribution<std::size_t> pick(0, m_persons.size() - 1);
    // Leaving most members closes the holes many times over; joining again reuses the list.
    for (const int joinPercent : {90, 20, 70, 5}) {
        for (int step = 0; step < 4000; ++step) {
            CPersonalData* person = Person(pick(random));
            if (static_cast<int>(random() % 100) < joinPercent)
                Join(person);
            else
                Leave(person);
        }
        ExpectMatchesModel();
    }
    for (CPersonalData* person : std::vector<CPersonalData*>(m_model))
        Leave(person);
    ExpectMatchesModel();
    EXPECT_FALSE(m_list.Contains(Person(0)));
}

TEST_F(CMemberListTest, JoiningTwiceOrWithNobodyChangesNothing) {
    Join(Person(1));
    Join(Person(2));
    m_list.AddTail(Person(1));
    m_list.AddTail(nullptr);
    ExpectMatchesModel();
    Leave(Person(1));
    Join(Person(1)); // back at the end
    ExpectMatchesModel();
    EXPECT_FALSE(m_list.Remove(Person(3)));
}

TEST_F(CMemberListTest, ACopyIsIndependentAndRemoveAllEmpties) {
    for (std::size_t i = 0; i < 100; ++i)
        Join(Person(i));
    for (std::size_t i = 0; i < 100; i += 2)
        Leave(Person(i));
    const CMemberList copy = m_list;
    m_list.RemoveAll();
    m_model.clear();
    ExpectMatchesModel();
    ASSERT_EQ(copy.GetCount(), 50u);
    EXPECT_EQ(*copy.begin(), Person(1));
    EXPECT_TRUE(copy.Contains(Person(99)));
    EXPECT_FALSE(copy.Contains(Person(98)));
    Join(Person(7));
    ExpectMatchesModel();
}

// A list of no member or one holds it without a table; these walk it across that border.
struct CSmallCase {
    const char* name;
    const char* steps; // "+3" joins person 3, "-3" makes it leave, "*3" appends it as new
};

class CMemberListSmallTest : public CMemberListTest,
                             public ::testing::WithParamInterface<CSmallCase> {};

TEST_P(CMemberListSmallTest, MatchesTheJoinOrderAndSurvivesCopyAndMove) {
    std::istringstream steps(GetParam().steps);
    std::string step;
    while (steps >> step) {
        CPersonalData* person = Person(std::stoul(step.substr(1)));
        if (step[0] == '+') {
            Join(person);
        } else if (step[0] == '-') {
            Leave(person);
        } else {
            m_list.AddNewTail(person);
            if (m_model.empty() || m_model.back() != person)
                m_model.push_back(person);
        }
        ExpectMatchesModel();
    }
    const CMemberList copy = m_list;
    CMemberList moved = std::move(m_list);
    EXPECT_EQ(Members(copy), m_model);
    EXPECT_EQ(Members(moved), m_model);
    EXPECT_TRUE(m_list.IsEmpty());
    EXPECT_FALSE(m_list.Contains(Person(1)));
    EXPECT_FALSE(m_list.Contains(nullptr));
}

INSTANTIATE_TEST_SUITE_P(Cases, CMemberListSmallTest,
                         ::testing::Values(CSmallCase{"Empty", ""}, CSmallCase{"One", "+1"},
                                           CSmallCase{"OneLeaves", "+1 -1"},
                                           CSmallCase{"StrangerLeaves", "+1 -2"},
                                           CSmallCase{"OneJoinsTwice", "+1 +1 *1"},
                                           CSmallCase{"SecondStaysAlone", "+1 +2 -1"},
                                           CSmallCase{"FirstStaysAlone", "+1 +2 +3 -3 -2"},
                                           CSmallCase{"AloneThenMore", "+1 +2 -1 +3 +1 -2"},
                                           CSmallCase{"NewTails", "*1 *1 *2 -1 *1"}),
                         [](const ::testing::TestParamInfo<CSmallCase>& info) {
                             return std::string(info.param.name);
                         });
} // namespace
