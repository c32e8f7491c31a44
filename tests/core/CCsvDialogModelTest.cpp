#include "core/csv/CCSVExportModel.h"
#include "core/csv/CCSVImportModel.h"

#include <gtest/gtest.h>

namespace {
CCSVImportModel MakeImport() {
    return CCSVImportModel({"氏名", "郵便番号", "住所"},
                           [](const CCsvOptions&) {
                               return std::vector<std::string>{"山田", "100", "東京都"};
                           },
                           {});
}

TEST(CCSVImportModelTest, StartsWithFirstRowsSelectedAndOnlyAssignEnabled) {
    const CCSVImportModel model = MakeImport();
    EXPECT_EQ(model.GetSelectedField(), 0);
    EXPECT_EQ(model.GetSelectedColumn(), 0);
    EXPECT_TRUE(model.IsAssignEnabled());
    EXPECT_FALSE(model.IsUnassignEnabled());
    EXPECT_FALSE(model.IsOkEnabled());
    EXPECT_EQ(model.GetTarget(), ECsvTarget::OpenFile);
}

TEST(CCSVImportModelTest, ReassigningAFieldFreesItsOldColumn) {
    CCSVImportModel model = MakeImport();
    model.SelectColumn(1);
    model.Assign();
    model.SelectField(0);
    model.SelectColumn(2);
    model.Assign();
    EXPECT_EQ(model.GetColumnUses(1), 0);
    EXPECT_EQ(model.GetColumnUses(2), 1);
    EXPECT_EQ(model.GetFieldAssignment(0), "項目3：東京都");
    EXPECT_EQ(model.GetResultMap(), (CCsvColumnMap{{2}, {}, {}}));
    EXPECT_TRUE(model.IsOkEnabled());
}

TEST(CCSVImportModelTest, OneColumnFeedsTwoFieldsAndUnassignKeepsSelection) {
    CCSVImportModel model = MakeImport();
    model.Assign(); // field 0 <- column 0; both selections move on
    model.SelectColumn(0);
    model.Assign(); // field 1 <- column 0
    EXPECT_EQ(model.GetColumnUses(0), 2);
    model.SelectField(1);
    EXPECT_TRUE(model.IsUnassignEnabled());
    model.Unassign();
    EXPECT_EQ(model.GetColumnUses(0), 1);
    EXPECT_EQ(model.GetSelectedField(), 1);
    EXPECT_FALSE(model.IsUnassignEnabled());
}

TEST(CCSVImportModelTest, AssigningTheLastRowsWrapsBothSelections) {
    CCSVImportModel model = MakeImport();
    model.SelectField(2);
    model.SelectColumn(2);
    model.Assign();
    EXPECT_EQ(model.GetSelectedField(), 0);
    EXPECT_EQ(model.GetSelectedColumn(), 0);
    model.SelectColumn(-1);
    EXPECT_FALSE(model.IsAssignEnabled());
}

TEST(CCSVImportModelTest, NewExamplesKeepOnlyColumnsThatStillExist) {
    int reads = 0;
    CCSVImportModel model({"a", "b"},
                          [&reads](const CCsvOptions& options) {
                              ++reads;
                              return options.quoting == ECsvQuoting::Plain
                                         ? std::vector<std::string>{"\"x", "y\""}
                                         : std::vector<std::string>{"x,y"};
                          },
                          {});
    model.SelectColumn(1);
    model.Assign();
    model.SetOptions({ECsvEncoding::Auto, true, ECsvQuoting::Plain});
    EXPECT_EQ(reads, 1); // the header choice does not change the examples
    model.SetOptions({ECsvEncoding::Auto, true, ECsvQuoting::Rfc4180});
    EXPECT_EQ(model.GetColumnCount(), 1);
    EXPECT_EQ(model.GetFieldColumn(0), -1);
    EXPECT_FALSE(model.IsOkEnabled());
}

TEST(CCSVImportModelTest, AHeaderLinePresetsKnownColumnsOnceAndJoinsParts) {
    const std::vector<std::string> fields(11, "f");
    const auto header = [](const CCsvOptions&) {
        return std::vector<std::string>{"Last Name", "First Name", "Notes", "Birthday"};
    };
    CCSVImportModel model(fields, header, {ECsvEncoding::Auto, true, ECsvQuoting::Rfc4180});
    EXPECT_EQ(model.GetFieldAssignment(0), "項目1+項目2：Last Name First Name");
    EXPECT_EQ(model.GetFieldColumn(10), 2);
    EXPECT_EQ(model.GetColumnUses(0), 1);
    EXPECT_EQ(model.GetColumnUses(3), 0);
    model.SelectField(0);
    model.Unassign();
    EXPECT_EQ(model.GetColumnUses(1), 0);
    // The user's own assignments are never overwritten by a later preset.
    model.SetOptions({ECsvEncoding::Utf8, true, ECsvQuoting::Rfc4180});
    EXPECT_EQ(model.GetFieldColumn(0), -1);

    CCSVImportModel without(fields, header, {});
    EXPECT_FALSE(without.IsOkEnabled());
    without.SetOptions({ECsvEncoding::Auto, true, ECsvQuoting::Plain});
    EXPECT_EQ(without.GetFieldColumn(10), 2);
}

TEST(CCSVExportModelTest, AddAppendsSelectsAndMovesTheFieldSelectionOn) {
    CCSVExportModel model({"a", "b"});
    EXPECT_TRUE(model.IsAddEnabled());
    EXPECT_FALSE(model.IsExcludeEnabled() || model.IsMoveUpEnabled() || model.IsMoveDownEnabled() ||
                 model.IsOkEnabled());
    model.Add();
    model.Add();
    EXPECT_EQ(model.GetSelectedField(), 0); // wrapped
    model.Add();
    EXPECT_EQ(model.GetOrder(), (std::vector<int>{0, 1, 0}));
    EXPECT_EQ(model.GetFieldUses(0), 2);
    EXPECT_EQ(model.GetSelectedOrder(), 2);
    EXPECT_TRUE(model.IsMoveUpEnabled());
    EXPECT_FALSE(model.IsMoveDownEnabled());
}

TEST(CCSVExportModelTest, NameTwiceMovedToTheTop) {
    CCSVExportModel model({"氏名", "住所"});
    model.Add();
    model.Add();
    model.SelectField(0);
    model.Add();
    model.MoveUp();
    model.MoveUp();
    EXPECT_EQ(model.GetOrder(), (std::vector<int>{0, 0, 1}));
    EXPECT_EQ(model.GetSelectedOrder(), 0);
    EXPECT_FALSE(model.IsMoveUpEnabled());
}

TEST(CCSVExportModelTest, ExcludeSelectsTheRowInItsPlaceOrTheNewLast) {
    CCSVExportModel model({"a", "b", "c"});
    model.Add();
    model.Add();
    model.Add();
    model.SelectOrder(0);
    model.Exclude();
    EXPECT_EQ(model.GetSelectedOrder(), 0);
    EXPECT_EQ(model.GetOrder(), (std::vector<int>{1, 2}));
    model.SelectOrder(1);
    model.Exclude();
    EXPECT_EQ(model.GetSelectedOrder(), 0);
    model.Exclude();
    EXPECT_EQ(model.GetSelectedOrder(), -1);
    EXPECT_FALSE(model.IsOkEnabled());
    EXPECT_EQ(model.GetFieldUses(0) + model.GetFieldUses(1) + model.GetFieldUses(2), 0);
}
} // namespace
