#include "core/csv/CCSVExportModel.h"

#include <algorithm>
#include <utility>

CCSVExportModel::CCSVExportModel(std::vector<std::string> fieldNames)
    : m_fieldNames(std::move(fieldNames)), m_fieldUses(m_fieldNames.size(), 0),
      m_nSelectedField(m_fieldNames.empty() ? -1 : 0) {}

void CCSVExportModel::SelectField(int field) {
    m_nSelectedField = field >= 0 && field < GetFieldCount() ? field : -1;
}

void CCSVExportModel::SelectOrder(int row) {
    m_nSelectedOrder = row >= 0 && row < GetOrderCount() ? row : -1;
}

void CCSVExportModel::Add() {
    if (!IsAddEnabled())
        return;
    m_order.push_back(m_nSelectedField);
    ++m_fieldUses[Index(m_nSelectedField)];
    m_nSelectedField = (m_nSelectedField + 1) % GetFieldCount();
    m_nSelectedOrder = GetOrderCount() - 1;
}

void CCSVExportModel::Exclude() {
    if (!IsExcludeEnabled())
        return;
    const int field = m_order[Index(m_nSelectedOrder)];
    m_order.erase(m_order.begin() + m_nSelectedOrder);
    int& uses = m_fieldUses[Index(field)];
    uses = std::max(0, uses - 1);
    m_nSelectedOrder = std::min(m_nSelectedOrder, GetOrderCount() - 1);
}

void CCSVExportModel::Move(int step) {
    const int target = m_nSelectedOrder + step;
    if (m_nSelectedOrder < 0 || target < 0 || target >= GetOrderCount())
        return;
    std::swap(m_order[Index(m_nSelectedOrder)], m_order[Index(target)]);
    m_nSelectedOrder = target;
}
