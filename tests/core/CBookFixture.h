#pragma once

#include "CScriptedUserInterface.h"
#include "core/commands/CAddGroupCommand.h"
#include "core/commands/CAddPersonalCommand.h"
#include "core/document/CAddressDoc.h"
#include "core/views/CFriendListView.h"
#include "core/views/CFriendTreeView.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

// A document with both views attached, as the window has them, and helpers to fill it.
class CBookFixture : public ::testing::Test {
protected:
    CBookFixture() : m_tree(m_doc, m_ui), m_list(m_doc, m_ui) {}

    void SetUp() override { m_doc.OnNewDocument(); }

    // Builds the tree either with persons shown under their groups or without.
    void ShowPersons(bool show) {
        if (m_tree.m_bShowPersonal != show)
            m_tree.ToggleShowPersonal();
    }

    CGroup* AddGroup(const std::string& name) {
        CGroup* group = m_doc.NewGroup(name);
        m_doc.ExecuteCommand(std::make_unique<CAddGroupCommand>(group, false));
        return group;
    }

    CPersonalData* AddPerson(const std::string& name, std::vector<CGroup*> groups = {},
                             const std::string& initial = {}) {
        CPersonalData* person = m_doc.NewPerson();
        person->SetText(EPersonText::Name, name);
        person->SetText(EPersonText::Initial, initial);
        person->m_groupList = std::move(groups);
        m_doc.ExecuteCommand(std::make_unique<CAddPersonalCommand>(person));
        return person;
    }

    void Select(HTREEITEM item) { m_tree.GetTreeCtrl().SelectItem(item); }
    void SelectGroup(const CGroup* group) { Select(group->m_hTreeItem); }

    std::vector<std::string> ListNames() const {
        std::vector<std::string> names;
        for (int row = 0; row < m_list.GetRowCount(); ++row)
            names.emplace_back(m_list.GetRowPerson(row)->GetText(EPersonText::Name));
        return names;
    }

    std::vector<std::string> ChildTexts(HTREEITEM parent) const {
        std::vector<std::string> texts;
        for (const HTREEITEM child : m_tree.GetTreeCtrl().GetChildren(parent))
            texts.push_back(std::string(m_tree.GetTreeCtrl().Get(child).Text()));
        return texts;
    }

    static std::vector<std::string> Names(const std::vector<CPersonalData*>& persons) {
        std::vector<std::string> names;
        for (const CPersonalData* person : persons)
            names.emplace_back(person->GetText(EPersonText::Name));
        return names;
    }

    template <typename List> static std::vector<std::string> NamesOf(const List& persons) {
        return Names({persons.begin(), persons.end()});
    }

    CScriptedUserInterface m_ui;
    CAddressDoc m_doc;
    CFriendTreeView m_tree;
    CFriendListView m_list;
};
