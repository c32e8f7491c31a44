#include "core/containers/CPointerIndex.h"

#include <gtest/gtest.h>

#include <random>
#include <unordered_map>
#include <vector>

namespace {
TEST(CPointerIndexTest, RandomSetsAndErasuresMatchAMap) {
    // Neighbouring addresses crowd the table, so erasures move entries back often.
    std::vector<int> objects(700);
    std::unordered_map<const void*, std::size_t> model;
    CPointerIndex index;
    std::mt19937 random(7);
    std::uniform_int_distribution<std::size_t> pick(0, objects.size() - 1);
    for (int step = 0; step < 60000; ++step) {
        const void* key = &objects[pick(random)];
        if (step % 20000 < 12000) {
            index.Set(key, static_cast<std::size_t>(step));
            model[key] = static_cast<std::size_t>(step);
        } else {
            EXPECT_EQ(index.Erase(key), model.erase(key) == 1);
        }
        if (step % 250 == 249) {
            ASSERT_EQ(index.Size(), model.size());
            for (const int& object : objects) {
                const auto found = model.find(&object);
                EXPECT_EQ(index.Find(&object),
                          found == model.end() ? CPointerIndex::NOT_FOUND : found->second);
            }
        }
    }
}

TEST(CPointerIndexTest, NullIsNeverAKeyAndClearForgetsAll) {
    int a = 0;
    int b = 0;
    CPointerIndex index;
    EXPECT_EQ(index.Find(&a), CPointerIndex::NOT_FOUND);
    EXPECT_FALSE(index.Erase(&a));
    index.Set(nullptr, 3);
    EXPECT_EQ(index.Size(), 0u);
    EXPECT_EQ(index.Find(nullptr), CPointerIndex::NOT_FOUND);
    index.Reserve(1000);
    index.Set(&a, 1);
    index.Set(&b, 2);
    index.Set(&a, 5);
    EXPECT_EQ(index.Size(), 2u);
    EXPECT_EQ(index.Find(&a), 5u);
    index.Clear();
    EXPECT_EQ(index.Size(), 0u);
    EXPECT_FALSE(index.Contains(&b));
    index.Set(&b, 4);
    EXPECT_EQ(index.Find(&b), 4u);
}
} // namespace
