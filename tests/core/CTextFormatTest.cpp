#include "core/text/CTextFormat.h"

#include <gtest/gtest.h>

namespace {
// Arguments go in by number, may repeat, and are never read as templates themselves.
TEST(CTextFormatTest, FillsPlaceholders) {
    EXPECT_EQ(CTextFormat::Format("「%1」を読み込めません: %2", {"a.dat", "理由"}),
              "「a.dat」を読み込めません: 理由");
    EXPECT_EQ(CTextFormat::Format("%2 と %1", {"一", "二"}), "二 と 一");
    EXPECT_EQ(CTextFormat::Format("%1/%1", {"x"}), "x/x");
    EXPECT_EQ(CTextFormat::Format("%1", {"%2"}), "%2");
    EXPECT_EQ(CTextFormat::Format("%1 %2", {"a"}), "a %2");
    EXPECT_EQ(CTextFormat::Format("100%", {}), "100%");
}
} // namespace
