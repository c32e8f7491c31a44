#include "CBookFixture.h"
#include "core/text/CCp932.h"
#include "core/text/CSortPrefix.h"
#include "core/views/CTreeControl.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace {
int Sign(int value) {
    return (value > 0) - (value < 0);
}

// Texts where CP932 order differs from byte order, texts that end early and texts that share
// their first four or eight characters.
const std::vector<std::string> TRICKY_TEXTS = {
    "",
    "abcdefgh",
    "abcdefghi",
    "abcdefgi",
    std::string("abcdefg\0x", 9),
    "abcdefg\x82\xa0",
    "a",
    "ab",
    "abcd",
    "abcde",
    "abcdf",
    "abc\0z",
    std::string("abc\0d", 5),
    "\xb1",             // half-width katakana, before every double-byte character
    "\x82\xa0",         // あ
    "\x82\xa0\x82\xa2", // あい
    "\x82\xa0\x82\xa2\x82\xa4\x82\xa6\x82\xa8", // あいうえお
    "\x82\xa0\x82\xa2\x82\xa4\x82\xa6\x82\xa9", // あいうえか
    "\x82",                                     // a lead byte without its trail byte
    std::string("\x82\x00x", 3),
    "\x81\x40", // full-width space
    "z\x82\xa0",
    "\xff",
};

TEST(CTreeControlOrderTest, PrefixedComparisonAgreesWithCp932Comparison) {
    for (const std::string& a : TRICKY_TEXTS) {
        for (const std::string& b : TRICKY_TEXTS) {
            const int prefixed = CTreeControl::ComparePrefixed(CTreeControl::TextPrefix(a), a,
                                                               CTreeControl::TextPrefix(b), b);
            const int longPrefixed = CSortPrefix::Compare(CSortPrefix(a), a, CSortPrefix(b), b);
            EXPECT_EQ(Sign(prefixed), Sign(CCp932::Compare(a, b)))
                << "'" << a << "' against '" << b << "'";
            EXPECT_EQ(Sign(longPrefixed), Sign(CCp932::Compare(a, b)))
                << "'" << a << "' against '" << b << "' by eight characters";
        }
    }
}

TEST(CTreeControlOrderTest, SortedInsertionOrdersByCp932AndKeepsArrivalOrderOfEqualTexts) {
    CTreeControl tree;
    const HTREEITEM group = tree.InsertItem(TVI_NONE, "group", ETreeImage::Group,
                                            ETreeImage::GroupOpen, {}, ETreeInsert::Sort);
    std::vector<std::string> texts;
    for (int copy = 0; copy < 3; ++copy)
        texts.insert(texts.end(), TRICKY_TEXTS.begin(), TRICKY_TEXTS.end());
    std::shuffle(texts.begin(), texts.end(), std::mt19937(7));
    std::vector<HTREEITEM> inserted;
    for (const std::string& text : texts)
        inserted.push_back(tree.InsertItem(group, text, ETreeImage::Person,
                                           ETreeImage::PersonSelected, {}, ETreeInsert::Sort));

    const CChildList& children = tree.GetChildren(group);
    ASSERT_EQ(children.size(), texts.size());
    for (std::size_t row = 1; row < children.size(); ++row) {
        const int order =
            CCp932::Compare(tree.Get(children[row - 1]).Text(), tree.Get(children[row]).Text());
        EXPECT_LE(order, 0) << "at row " << row;
        // Equal texts stay in the order they came.
        if (order == 0) {
            EXPECT_LT(tree.Get(children[row - 1]).arrival, tree.Get(children[row]).arrival);
        }
    }
    for (std::size_t row = 0; row < children.size(); ++row)
        EXPECT_EQ(tree.GetRow(children[row]), static_cast<int>(row));
}

TEST(CTreeControlOrderTest, RowsStayRightAfterDeletionsAndRenames) {
    CTreeControl tree;
    std::vector<HTREEITEM> items;
    for (const char* text : {"d", "b", "e", "a", "c"})
        items.push_back(tree.InsertItem(TVI_NONE, text, ETreeImage::Group, ETreeImage::GroupOpen,
                                        {}, ETreeInsert::Sort));
    tree.DeleteItem(items[1]); // b
    // A renamed item keeps its place, out of order, and is still found there.
    tree.SetItemText(items[3], "zz"); // a
    const HTREEITEM after = tree.InsertItem(TVI_NONE, "ca", ETreeImage::Group,
                                            ETreeImage::GroupOpen, {}, ETreeInsert::Sort);

    ASSERT_EQ(tree.GetTopItems().size(), 5u);
    EXPECT_EQ(tree.GetTopItems().front(), items[3]);
    for (const HTREEITEM item : {items[0], items[2], items[3], items[4], after})
        EXPECT_EQ(tree.GetTopItems()[static_cast<std::size_t>(tree.GetRow(item))], item);
    EXPECT_EQ(tree.GetRow(items[1]), -1);
}

TEST(CTreeControlOrderTest, ManyEqualTextsStayInArrivalOrderThroughDeletionsAndARename) {
    // Thousands of siblings span many blocks and share few texts, as persons share names.
    CTreeControl tree;
    const HTREEITEM group = tree.InsertItem(TVI_NONE, "group", ETreeImage::Group,
                                            ETreeImage::GroupOpen, {}, ETreeInsert::Sort);
    std::mt19937 random(3);
    std::vector<HTREEITEM> alive;
    for (int i = 0; i < 3000; ++i) {
        const std::string& text = TRICKY_TEXTS[random() % TRICKY_TEXTS.size()];
        alive.push_back(tree.InsertItem(group, text, ETreeImage::Person, ETreeImage::PersonSelected,
                                        {}, ETreeInsert::Sort));
    }
    std::shuffle(alive.begin(), alive.end(), random);
    for (int i = 0; i < 1800; ++i) {
        ASSERT_TRUE(tree.DeleteItem(alive.back()));
        alive.pop_back();
    }
    const HTREEITEM renamed = alive.front();
    tree.SetItemText(renamed, "renamed");
    for (int i = 0; i < 300; ++i) {
        const std::string& text = TRICKY_TEXTS[random() % TRICKY_TEXTS.size()];
        alive.push_back(tree.InsertItem(group, text, ETreeImage::Person, ETreeImage::PersonSelected,
                                        {}, ETreeInsert::Sort));
    }

    const CChildList& children = tree.GetChildren(group);
    ASSERT_EQ(children.size(), alive.size());
    for (std::size_t row = 1; row < children.size(); ++row) {
        if (children[row - 1] == renamed || children[row] == renamed)
            continue;
        const int order =
            CCp932::Compare(tree.Get(children[row - 1]).Text(), tree.Get(children[row]).Text());
        EXPECT_TRUE(order < 0 || (order == 0 && tree.Get(children[row - 1]).arrival <
                                                    tree.Get(children[row]).arrival))
            << "at row " << row;
    }
    for (const HTREEITEM item : alive)
        EXPECT_EQ(children[static_cast<std::size_t>(tree.GetRow(item))], item);
}

class CShowPersonsOrderTest : public CBookFixture {
protected:
    // Each person under each item, by identity, in the tree's order.
    std::vector<std::vector<const CPersonalData*>> PersonsUnderEachItem() const {
        std::vector<std::vector<const CPersonalData*>> shown;
        const CTreeControl& tree = m_tree.GetTreeCtrl();
        const CChildList& groups = tree.GetChildren(m_tree.m_hRootItem);
        std::vector<HTREEITEM> parents(groups.begin(), groups.end());
        parents.push_back(m_tree.m_hRootItem);
        parents.push_back(m_tree.m_hDeletedItem);
        for (const HTREEITEM parent : parents) {
            shown.emplace_back();
            for (const HTREEITEM child : tree.GetChildren(parent))
                shown.back().push_back(tree.Get(child).Data().person);
        }
        return shown;
    }
};

TEST_F(CShowPersonsOrderTest, ShowingPersonsGivesTheTreeThatAddingThemOneByOneGave) {
    ShowPersons(true);
    CGroup* friends = AddGroup("friends");
    CGroup* work = AddGroup("work");
    const char* names[] = {"\x82\xa0", "b", "a", "\xb1", "b", "a", "\x82\xa0\x82\xa2", "b"};
    std::vector<CPersonalData*> persons;
    for (std::size_t i = 0; i < std::size(names); ++i) {
        std::vector<CGroup*> groups;
        if (i % 2 == 0)
            groups.push_back(friends);
        if (i % 3 == 0)
            groups.push_back(work);
        persons.push_back(AddPerson(names[i], groups));
    }
    m_ui.m_answers = {EMessageResult::Yes};
    m_list.SetSelectedRows({0, 1});
    m_list.OnDelete();
    const auto addedOneByOne = PersonsUnderEachItem();

    ShowPersons(false);
    ShowPersons(true);

    EXPECT_EQ(PersonsUnderEachItem(), addedOneByOne);
    for (const CPersonalData* person : persons) {
        for (const HTREEITEM item : person->m_treeItems)
            EXPECT_EQ(m_tree.GetTreeCtrl().Get(item).Data().person, person);
    }
}
} // namespace

TEST(CTreeControlOrderTest, AHandleIsNeverGivenOutTwiceAndAStaleOneFindsNoItem) {
    // Slots are taken again, hundreds of times over, which outlasts a slot's generations.
    CTreeControl tree;
    std::set<HTREEITEM> given;
    HTREEITEM last = TVI_NONE;
    for (int round = 0; round < 600; ++round) {
        if (round == 300)
            tree.DeleteAllItems();
        const HTREEITEM group = tree.InsertItem(TVI_NONE, "g", ETreeImage::Group,
                                                ETreeImage::GroupOpen, {}, ETreeInsert::Sort);
        const HTREEITEM child = tree.InsertItem(group, "p", ETreeImage::Person,
                                                ETreeImage::PersonSelected, {}, ETreeInsert::Last);
        ASSERT_TRUE(given.insert(group).second) << "round " << round;
        ASSERT_TRUE(given.insert(child).second) << "round " << round;
        EXPECT_FALSE(tree.Exists(last));
        EXPECT_EQ(tree.Get(child).Text(), "p");
        tree.DeleteItem(group);
        EXPECT_FALSE(tree.Exists(child));
        last = child;
    }
    EXPECT_EQ(tree.GetCount(), 0u);
}
