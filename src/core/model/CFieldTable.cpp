#include "core/model/CFieldTable.h"

namespace {
constexpr std::array<std::string_view, CFieldTable::FIELD_COUNT> g_szFieldName = {
    "氏名",      "郵便番号", "住所",       "電話(1)",    "電話(2)", "e-mail(1)",
    "e-mail(2)", "帰省先〒", "帰省先住所", "帰省先電話", "メモ",    "ホームページ"};
constexpr std::array<int, CFieldTable::FIELD_COUNT> g_nFieldWidth = {100, 70, 200, 100, 100, 150,
                                                                     150, 70, 200, 100, 100, 200};
} // namespace

std::string_view CFieldTable::GetLabel(int field) {
    return field >= 0 && field < FIELD_COUNT ? g_szFieldName[field] : std::string_view();
}

int CFieldTable::GetDefaultWidth(int field) {
    return field >= 0 && field < FIELD_COUNT ? g_nFieldWidth[field] : 0;
}
