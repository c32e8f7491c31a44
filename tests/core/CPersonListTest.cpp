#include "core/model/CPersonList.h"

#include <gtest/gtest.h>

#include <array>
#include <iterator>
#include <string>
#include <vector>

namespace {
// One change to the lists 'L' (live) and 'D' (deleted) of persons 'a' to 'e'.
struct CListStep {
    enum class EKind { Insert, Erase, Clear } kind;
    char list;
    char person = 0;
    char before = 0; // the person an insert goes before, 0 for the end
};

CListStep Put(char list, char person, char before = 0) {
    return {CListStep::EKind::Insert, list, person, before};
}
CListStep Take(char list, char person) {
    return {CListStep::EKind::Erase, list, person};
}
CListStep Clear(char list) {
    return {CListStep::EKind::Clear, list};
}

struct CListCase {
    const char* name;
    std::vector<CListStep> steps;
    std::string live; // front to back, afterwards
    std::string deleted;
};

class CPersonListTest : public ::testing::TestWithParam<CListCase> {
protected:
    CPersonListTest() {
        for (std::size_t i = 0; i < m_persons.size(); ++i)
            m_persons[i].SetText(EPersonText::Name, std::string(1, static_cast<char>('a' + i)));
    }

    CPersonalData* Person(char name) { return &m_persons[static_cast<std::size_t>(name - 'a')]; }
    CPersonList& List(char list) { return list == 'L' ? m_live : m_deleted; }

    void Apply(const CListStep& step) {
        CPersonList& list = List(step.list);
        CPersonalData* person = step.person ? Person(step.person) : nullptr;
        if (step.kind == CListStep::EKind::Insert) {
            const auto before = step.before ? list.IteratorTo(Person(step.before)) : list.end();
            const auto at = list.insert(before, person);
            EXPECT_EQ(*at, person);
            EXPECT_EQ(std::next(at), before);
        } else if (step.kind == CListStep::EKind::Erase) {
            const auto at = list.IteratorTo(person);
            const auto after = std::next(at);
            EXPECT_EQ(list.erase(at), after);
        } else {
            list.clear();
        }
    }

    static std::string Names(const std::vector<CPersonalData*>& persons) {
        std::string names;
        for (const CPersonalData* person : persons)
            names += person->GetText(EPersonText::Name);
        return names;
    }

    // Forwards, backwards, the count and both ends tell the same order.
    void ExpectOrder(const CPersonList& list, const std::string& names) {
        EXPECT_EQ(Names({list.begin(), list.end()}), names);
        std::vector<CPersonalData*> backward;
        for (auto it = list.end(); it != list.begin();)
            backward.push_back(*--it);
        EXPECT_EQ(Names(backward), std::string(names.rbegin(), names.rend()));
        EXPECT_EQ(list.size(), names.size());
        EXPECT_EQ(list.empty(), names.empty());
        EXPECT_EQ(list.front(), names.empty() ? nullptr : Person(names.front()));
        EXPECT_EQ(list.back(), names.empty() ? nullptr : Person(names.back()));
    }

    std::array<CPersonalData, 5> m_persons;
    CPersonList m_live{EPersonPlace::Live};
    CPersonList m_deleted{EPersonPlace::Deleted};
};

TEST_P(CPersonListTest, KeepsOrderLinksAndPlaces) {
    for (const CListStep& step : GetParam().steps)
        Apply(step);
    ExpectOrder(m_live, GetParam().live);
    ExpectOrder(m_deleted, GetParam().deleted);
    for (char name = 'a'; name <= 'e'; ++name) {
        const EPersonPlace place =
            GetParam().live.find(name) != std::string::npos      ? EPersonPlace::Live
            : GetParam().deleted.find(name) != std::string::npos ? EPersonPlace::Deleted
                                                                 : EPersonPlace::None;
        EXPECT_EQ(Person(name)->m_place, place) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Steps, CPersonListTest,
    ::testing::Values(
        CListCase{"InsertAtTheEnd", {Put('L', 'a'), Put('L', 'b'), Put('L', 'c')}, "abc", ""},
        CListCase{
            "InsertAtTheFront", {Put('L', 'c'), Put('L', 'b', 'c'), Put('L', 'a', 'b')}, "abc", ""},
        CListCase{
            "InsertInTheMiddle", {Put('L', 'a'), Put('L', 'c'), Put('L', 'b', 'c')}, "abc", ""},
        CListCase{"EraseTheFront",
                  {Put('L', 'a'), Put('L', 'b'), Put('L', 'c'), Take('L', 'a')},
                  "bc",
                  ""},
        CListCase{"EraseTheMiddle",
                  {Put('L', 'a'), Put('L', 'b'), Put('L', 'c'), Take('L', 'b')},
                  "ac",
                  ""},
        CListCase{"EraseTheBack",
                  {Put('L', 'a'), Put('L', 'b'), Put('L', 'c'), Take('L', 'c')},
                  "ab",
                  ""},
        CListCase{"EraseTheOnlyOne", {Put('D', 'a'), Take('D', 'a')}, "", ""},
        CListCase{"MoveToTheOtherList",
                  {Put('L', 'a'), Put('L', 'b'), Put('L', 'c'), Take('L', 'b'), Put('D', 'b')},
                  "ac",
                  "b"},
        CListCase{"MoveBackBeforeItsFollower",
                  {Put('L', 'a'), Put('L', 'b'), Put('L', 'c'), Put('D', 'd'), Take('L', 'b'),
                   Put('D', 'b', 'd'), Take('D', 'b'), Put('L', 'b', 'c')},
                  "abc",
                  "d"},
        CListCase{
            "ClearedPersonsCanJoinAgain",
            {Put('L', 'a'), Put('L', 'b'), Put('D', 'e'), Clear('L'), Put('D', 'b'), Put('L', 'a')},
            "a",
            "eb"}),
    [](const ::testing::TestParamInfo<CListCase>& info) { return info.param.name; });
} // namespace
