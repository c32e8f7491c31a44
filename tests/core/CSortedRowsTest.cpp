#include "core/views/CSortedRows.h"

#include "core/model/CPersonalData.h"
#include "core/text/CCp932.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {
// Keys that tie, keys that share their first four characters and keys that end early, so that
// merges meet equal keys and prefixes that decide nothing.
const std::vector<std::string> KEYS = {"",         "a",           "abcd",     "abcde",
                                       "abcdf",    "b",           "\x82\xa0", "\x82\xa0\x82\xa2",
                                       "\xb1\xb2", "abcd\x82\xa0"};

// A walk of row changes, each run of them ended by a sort, against a plain model: after a sort
// the rows are the rows before it, without holes and repeats, in a stable sort by key.
class CSortedRowsWalk : public ::testing::TestWithParam<unsigned> {
protected:
    CSortedRowsWalk() : m_random(GetParam()) {
        for (int i = 0; i < 40; ++i) {
            m_persons.push_back(std::make_unique<CPersonalData>());
            SetKey(*m_persons.back());
        }
    }

    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(m_random); }
    CPersonalData* AnyPerson() { return m_persons[static_cast<std::size_t>(Pick(40))].get(); }
    void SetKey(CPersonalData& person) {
        person.SetText(EPersonText::Initial, KEYS[static_cast<std::size_t>(Pick(10))]);
    }

    std::vector<CPersonalData*> Expected() const {
        std::vector<CPersonalData*> expected;
        for (CPersonalData* person : m_model) {
            if (person && std::find(expected.begin(), expected.end(), person) == expected.end())
                expected.push_back(person);
        }
        std::stable_sort(expected.begin(), expected.end(), [](auto* a, auto* b) {
            return CCp932::Compare(a->GetSortKey(), b->GetSortKey()) < 0;
        });
        return expected;
    }

    void Change() {
        CPersonalData* person = AnyPerson();
        const auto copies = std::count(m_model.begin(), m_model.end(), person);
        switch (Pick(3)) {
        case 0:
            EXPECT_EQ(m_rows.Insert(person), m_model.size());
            m_model.push_back(person);
            break;
        case 1:
            // Which copy a person appended twice loses is not the engine's promise.
            if (copies > 1)
                break;
            EXPECT_EQ(m_rows.Erase(person), copies == 1);
            std::replace(m_model.begin(), m_model.end(), person,
                         static_cast<CPersonalData*>(nullptr));
            break;
        default:
            SetKey(*person);
            m_rows.MarkUnsorted();
            break;
        }
    }

    std::mt19937 m_random;
    std::vector<std::unique_ptr<CPersonalData>> m_persons;
    CSortedRows m_rows;
    std::vector<CPersonalData*> m_model;
};

TEST_P(CSortedRowsWalk, KeepsRowsSortedAndFoundThroughInsertsDeletesAndEdits) {
    for (int i = 0; i < 20; ++i)
        m_model.push_back(m_persons[static_cast<std::size_t>(i)].get());
    m_rows.Assign(m_model);
    for (int step = 0; step < 300; ++step) {
        for (int change = Pick(6); change >= 0; --change)
            Change();
        ASSERT_EQ(m_rows.GetRows(), m_model) << "step " << step;
        m_rows.Sort();
        m_model = Expected();
        ASSERT_EQ(m_rows.GetRows(), m_model) << "step " << step;
        for (const auto& person : m_persons) {
            const auto at = std::find(m_model.begin(), m_model.end(), person.get());
            const int row = at == m_model.end() ? -1 : static_cast<int>(at - m_model.begin());
            ASSERT_EQ(m_rows.Find(person.get()), row) << "step " << step;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, CSortedRowsWalk, ::testing::Values(1u, 2u, 3u, 4u),
                         [](const auto& info) { return "Seed" + std::to_string(info.param); });
} // namespace
