#include "CBookFixture.h"
#include "CFakeDavServer.h"
#include "CScriptedCellEditor.h"
#include "CScriptedEditDialogs.h"
#include "CTempFolder.h"
#include "core/app/CCsvCommands.h"
#include "core/app/CDocumentEditor.h"
#include "core/app/CSyncCommands.h"
#include "core/app/CVCardCommands.h"
#include "core/commands/CAddGroupToGroupCommand.h"
#include "core/commands/CAddPersonalToGroupCommand.h"
#include "core/commands/CUniteGroupCommand.h"
#include "core/csv/CCSVReader.h"
#include "core/dialogs/CCategoryDialogModel.h"
#include "core/dialogs/CPersonalDialogModel.h"
#include "core/document/CDataFile.h"
#include "core/duplicates/CPersonMerge.h"
#include "core/find/CFindWalk.h"
#include "core/model/CFieldTable.h"
#include "core/sync/CSyncState.h"
#include "core/text/CTextCodec.h"
#include "core/ui/CommandIds.h"
#include "core/vcard/CVCardReader.h"
#include "core/views/CDragDrop.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <tuple>

using ::testing::ElementsAre;

namespace {
// The document as a user would describe it: persons by their texts and groups, groups by
// their names and members, each as a sorted list so that order inside a list does not count.
// Search results are left out: they are never saved, and undo leaves them alone.
struct CBookState {
    std::vector<std::string> live;
    std::vector<std::string> deleted;
    std::vector<std::string> groups;
    bool operator==(const CBookState&) const = default;
};

std::string Describe(const CPersonalData& person) {
    std::string text;
    for (int index = 0; index < CPersonalData::TEXT_COUNT; ++index)
        text.append(person.GetText(static_cast<EPersonText>(index))).append("|");
    std::vector<std::string> groups;
    for (const CGroup* group : person.m_groupList) {
        if (group->m_nSerial != CGroup::GROUP_TRANSIENT)
            groups.push_back(group->m_strGroupName.Str());
    }
    std::sort(groups.begin(), groups.end());
    for (const std::string& group : groups)
        text.append(group).append(",");
    // Undo, restore and a save and reload all keep a person's UID.
    return text + std::to_string(person.m_nSex) + person.GetUid().ToString();
}

template <typename List> std::vector<std::string> Sorted(const List& list) {
    std::vector<std::string> texts;
    for (const auto* person : list)
        texts.push_back(Describe(*person));
    std::sort(texts.begin(), texts.end());
    return texts;
}

CBookState StateOf(const CAddressDoc& doc) {
    CBookState state{Sorted(doc.GetPersonList()), Sorted(doc.GetDeletedList()), {}};
    for (const CGroup* group : doc.GetGroupList()) {
        if (group->m_nSerial == CGroup::GROUP_TRANSIENT)
            continue;
        std::vector<std::string> members;
        for (const CPersonalData* member : group->m_memberList)
            members.emplace_back(member->GetText(EPersonText::Name));
        std::sort(members.begin(), members.end());
        std::string text = group->m_strGroupName.Str() + ":";
        for (const std::string& member : members)
            text.append(member).append(",");
        state.groups.push_back(text);
    }
    std::sort(state.groups.begin(), state.groups.end());
    return state;
}

// Every person's UID, live and deleted, sorted.
std::vector<std::string> UidsOf(const CAddressDoc& doc) {
    std::vector<std::string> uids;
    for (const CPersonList* list : {&doc.GetPersonList(), &doc.GetDeletedList()}) {
        for (const CPersonalData* person : *list)
            uids.push_back(person->GetUid().ToString());
    }
    std::sort(uids.begin(), uids.end());
    return uids;
}

// A step adds persons or takes them away, never both, and whoever stays keeps the UID; no two
// persons ever share one.
void ExpectUidsKept(const std::vector<std::string>& before, const std::vector<std::string>& after,
                    const std::string& trace) {
    EXPECT_EQ(std::adjacent_find(after.begin(), after.end()), after.end()) << trace;
    const auto& more = after.size() >= before.size() ? after : before;
    const auto& fewer = after.size() >= before.size() ? before : after;
    EXPECT_TRUE(std::includes(more.begin(), more.end(), fewer.begin(), fewer.end())) << trace;
}

class CCommandWalkTest : public CBookFixture {
protected:
    CCommandWalkTest()
        : m_editor(m_doc, m_ui, m_dialogs, [this] { return m_list.GetShownGroup(); }) {
        m_doc.SetRecordEditor(&m_editor);
        m_list.GetCellEditor().SetWindow(&m_cell);
    }

    // Every person dialog renames the person it edits and confirms.
    void RenameInDialogs(const std::string& name) {
        m_dialogs.m_personal = [name](CPersonalDialogModel& dialog) {
            dialog.SetText(EPersonText::Name, name);
            return dialog.OnOk() == EOkOutcome::Close;
        };
    }

    // The document, the tree items and the list rows tell the same story.
    void ExpectAgreement() const {
        ExpectSoundLists();
        ExpectTreeItems();
        ExpectListRows();
    }

    // A list read backwards gives its persons in reverse, as many as it counts.
    static void ExpectLinkedBothWays(const CPersonList& list) {
        const std::vector<CPersonalData*> forward(list.begin(), list.end());
        std::vector<CPersonalData*> backward;
        for (auto it = list.end(); it != list.begin();)
            backward.push_back(*--it);
        ASSERT_EQ(forward.size(), list.size());
        ASSERT_TRUE(std::equal(forward.begin(), forward.end(), backward.rbegin(), backward.rend()));
    }

    void ExpectSoundLists() const {
        ExpectLinkedBothWays(m_doc.GetPersonList());
        ExpectLinkedBothWays(m_doc.GetDeletedList());
        std::set<const CPersonalData*> seen;
        for (const CPersonalData* person : m_doc.GetPersonList()) {
            ASSERT_TRUE(seen.insert(person).second) << "a person is listed twice";
            ASSERT_EQ(person->m_place, EPersonPlace::Live);
            for (const CGroup* group : person->m_groupList) {
                ASSERT_TRUE(m_doc.ContainsGroup(group));
                ASSERT_TRUE(group->m_memberList.Contains(person));
            }
        }
        for (const CPersonalData* person : m_doc.GetDeletedList()) {
            ASSERT_TRUE(seen.insert(person).second) << "a person is live and deleted";
            ASSERT_EQ(person->m_place, EPersonPlace::Deleted);
        }
        for (const CGroup* group : m_doc.GetGroupList()) {
            for (const CPersonalData* member : group->m_memberList) {
                ASSERT_EQ(member->m_place, EPersonPlace::Live);
                ASSERT_EQ(std::count(member->m_groupList.begin(), member->m_groupList.end(), group),
                          1);
            }
        }
    }

    void ExpectTreeItems() const {
        const CTreeControl& tree = m_tree.GetTreeCtrl();
        std::map<const CPersonalData*, std::multiset<HTREEITEM>> parentsInTree;
        std::size_t groupItems = 0;
        for (const HTREEITEM top : tree.GetTopItems()) {
            for (const HTREEITEM child : tree.GetChildren(top)) {
                const CTreeItemData& data = tree.Get(child).Data();
                if (data.group) {
                    ++groupItems;
                    ASSERT_EQ(data.group->m_hTreeItem, child);
                    for (const HTREEITEM grandchild : tree.GetChildren(child))
                        parentsInTree[tree.Get(grandchild).Data().person].insert(child);
                } else {
                    parentsInTree[data.person].insert(top);
                }
            }
        }
        ASSERT_EQ(groupItems, m_doc.GetGroupList().size());
        std::size_t personsWithItems = 0;
        const auto expectItems = [&](const CPersonalData* person,
                                     const std::multiset<HTREEITEM>& parents) {
            ASSERT_EQ(person->m_treeItems.GetCount(),
                      m_tree.m_bShowPersonal ? static_cast<int>(parents.size()) : 0);
            if (!m_tree.m_bShowPersonal)
                return;
            ++personsWithItems;
            std::multiset<HTREEITEM> found;
            for (const HTREEITEM item : person->m_treeItems) {
                ASSERT_TRUE(tree.Exists(item));
                ASSERT_EQ(tree.Get(item).Data().person, person);
                found.insert(tree.GetParent(item));
            }
            ASSERT_EQ(found, parents);
            ASSERT_EQ(parentsInTree.count(person), 1u);
            ASSERT_EQ(parentsInTree.at(person), parents);
        };
        for (const CPersonalData* person : m_doc.GetPersonList()) {
            std::multiset<HTREEITEM> parents;
            for (const CGroup* group : person->m_groupList)
                parents.insert(group->m_hTreeItem);
            if (parents.empty())
                parents.insert(m_tree.m_hRootItem);
            expectItems(person, parents);
        }
        for (const CPersonalData* person : m_doc.GetDeletedList())
            expectItems(person, {m_tree.m_hDeletedItem});
        ASSERT_EQ(parentsInTree.size(), personsWithItems) << "an item shows no listed person";
    }

    void ExpectListRows() const {
        std::multiset<const CPersonalData*> rows;
        for (int row = 0; row < m_list.GetRowCount(); ++row)
            rows.insert(m_list.GetRowPerson(row));
        std::multiset<const CPersonalData*> expected;
        const CGroupInfo* info = m_list.GetGroupInfo();
        ASSERT_NE(info, nullptr);
        if (info->IsAll())
            expected.insert(m_doc.GetPersonList().begin(), m_doc.GetPersonList().end());
        else if (info->IsDeleted())
            expected.insert(m_doc.GetDeletedList().begin(), m_doc.GetDeletedList().end());
        else
            expected.insert(info->GetGroup()->m_memberList.begin(),
                            info->GetGroup()->m_memberList.end());
        ASSERT_EQ(rows, expected);
    }

    CScriptedEditDialogs m_dialogs;
    CDocumentEditor m_editor;
    CScriptedCellEditor m_cell;
};

TEST_F(CCommandWalkTest, EditingThePersonAtTheCaretShowsItOnceAndDeletesCleanly) {
    ShowPersons(true);
    CGroup* friends = AddGroup("Friends");
    AddPerson("Ann", {friends});
    CPersonalData* bob = AddPerson("Bob");
    Select(bob->m_treeItems.GetHead());
    RenameInDialogs("Bob2");
    m_tree.OnCommand(ID_MODIFY);
    EXPECT_THAT(ListNames(), ElementsAre("Ann", "Bob2"));
    ExpectAgreement();

    m_doc.OnEditUndo();
    EXPECT_THAT(ListNames(), ElementsAre("Ann", "Bob"));
    ExpectAgreement();

    m_list.SelectAll();
    m_ui.m_answers = {EMessageResult::Yes};
    m_list.OnCommand(ID_DELETE);
    EXPECT_TRUE(m_doc.GetPersonList().empty());
    EXPECT_EQ(m_doc.GetDeletedList().size(), 2u);
    ExpectAgreement();
}

TEST_F(CCommandWalkTest, TheDocumentRefusesToTakeOutAPersonItDoesNotHoldLive) {
    CPersonalData* ann = AddPerson("Ann");
    m_doc.RemovePerson(ann);
    m_doc.AddDeletedPerson(ann);
#ifdef NDEBUG
    EXPECT_FALSE(m_doc.RemovePerson(ann));
    EXPECT_EQ(m_doc.AddPerson(ann), m_doc.GetPersonList().end());
    EXPECT_TRUE(m_doc.GetPersonList().empty());
    EXPECT_EQ(m_doc.GetDeletedList().size(), 1u);
#else
    EXPECT_DEATH(m_doc.RemovePerson(ann), "not in");
#endif
}

int EnvironmentNumber(const char* name, int def) {
    const char* value = std::getenv(name);
    return value ? std::atoi(value) : def;
}
// Long random sequences of what a user does, checking after every step that nothing
// disagrees. TARNVALE_WALK_STEPS runs more steps; TARNVALE_WALK_SEED another sequence.
class CCommandWalk : public CCommandWalkTest {
protected:
    void Step();
    void ChooseInTree();
    void ChooseRows();
    // Every tree item, each parent before its children.
    std::vector<HTREEITEM> AllItems() const;
    void RunViewCommand();
    void RunDocumentCommand();
    // A drag from the list or the tree, released on a random tree item, or anywhere else.
    void Drag();
    void SaveAndReload();
    // Types into a cell through the list's cell editor and leaves it by a key.
    void EditCell();
    // After typing left by Escape: moves the cursor some way, double-clicks another cell, types
    // there and presses Enter. The escaped typing goes nowhere.
    void MoveThenDoubleClick();
    // A random cell of the list: field, display position and row (-1 below the rows).
    std::tuple<int, int, int> AnyCell(int firstField);

    // Every field of every person, live or deleted.
    using CFieldTexts = std::map<const CPersonalData*, std::vector<std::string>>;
    CFieldTexts FieldTexts() const;
    // Nothing differs from `before` but the field `field` of `person`, if any.
    void ExpectOnlyCellChanged(const CFieldTexts& before, const CPersonalData* person,
                               int field) const;
    // A search runs a step at a time between the user's other steps, as the window lets it.
    void Search();
    void Undo(const CBookState& done);
    // Gives back what the undo took, exactly: texts, groups and UIDs.
    void Redo();

    std::vector<CPersonalData*> Live() const {
        return {m_doc.GetPersonList().begin(), m_doc.GetPersonList().end()};
    }
    std::vector<CGroup*> Groups() const {
        return {m_doc.GetGroupList().begin(), m_doc.GetGroupList().end()};
    }
    template <typename T> T* Any(const std::vector<T*>& items) {
        return items.empty() ? nullptr : items[static_cast<std::size_t>(Pick(items.size()))];
    }
    int Pick(std::size_t count) {
        return std::uniform_int_distribution<int>(0, static_cast<int>(count) - 1)(m_random);
    }
    std::string NewName() { return "P" + std::to_string(Pick(40)); }

    std::mt19937 m_random;
    CTempFolder m_folder;
    std::unique_ptr<CFindWalk> m_pSearch;
    // The state before each command still on the undo list, newest last.
    std::vector<std::pair<const CCommand*, CBookState>> m_before;
    // For each undone command, newest last: its entry of m_before and the state it left.
    std::vector<std::pair<std::pair<const CCommand*, CBookState>, CBookState>> m_undone;
    std::string m_trace;
    CFakeDavServer m_server;
    CSyncState m_syncState;
    bool m_bUidsRecovered = false;
    std::set<const CCommand*> m_recovering; // syncs whose undo takes recovered UIDs back
    CDragDrop m_drag{m_doc, m_tree, m_list, m_ui};
    CPersonMerge m_merge;
};

void CCommandWalk::ChooseInTree() {
    // Person items are chosen as often as the others: their commands move the caret most.
    std::vector<HTREEITEM> items;
    std::vector<HTREEITEM> personItems;
    for (const HTREEITEM item : AllItems())
        (m_tree.IsPersonItem(item) ? personItems : items).push_back(item);
    if (!personItems.empty() && Pick(2) == 0)
        items = std::move(personItems);
    Select(items[static_cast<std::size_t>(Pick(items.size()))]);
}

void CCommandWalk::ChooseRows() {
    std::vector<int> rows;
    for (int row = 0; row < m_list.GetRowCount(); ++row) {
        if (Pick(3) == 0)
            rows.push_back(row);
    }
    m_list.SetSelectedRows(rows);
}

void CCommandWalk::RunViewCommand() {
    static constexpr int COMMANDS[] = {ID_DELETE, ID_REMOVE_FROM_GROUP, ID_RESTORE, ID_MODIFY,
                                       ID_DELETE_GROUP_AND_MEMBERS};
    const int id = COMMANDS[Pick(std::size(COMMANDS))];
    m_ui.m_answers = {Pick(4) == 0 ? EMessageResult::No : EMessageResult::Yes};
    RenameInDialogs(NewName());
    m_dialogs.m_category = [this](CCategoryDialogModel& dialog) {
        dialog.SetName("G" + std::to_string(Pick(8)));
        return dialog.OnOk() == EOkOutcome::Close;
    };
    if (Pick(2) == 0) {
        if (Pick(2) == 0)
            ChooseInTree();
        m_trace += " tree" + std::to_string(id);
        m_tree.OnCommand(id);
    } else if (id != ID_DELETE_GROUP_AND_MEMBERS) {
        if (Pick(2) == 0)
            ChooseRows();
        m_trace += " list" + std::to_string(id);
        m_list.OnCommand(id);
    }
    m_ui.m_answers.clear();
}

void CCommandWalk::RunDocumentCommand() {
    CPersonalData* person = Any(Live());
    CGroup* group = Any(Groups());
    switch (Pick(13)) {
    case 0:
    case 6:
    case 7:
        m_trace += " addPerson";
        AddPerson(NewName(), group ? std::vector<CGroup*>{group} : std::vector<CGroup*>{});
        break;
    case 1:
        m_trace += " addGroup";
        AddGroup("G" + std::to_string(Pick(8)));
        break;
    case 2:
        if (person && group && !person->IsMemberOf(group)) {
            m_trace += " join";
            m_doc.ExecuteCommand(std::make_unique<CAddPersonalToGroupCommand>(person, group));
        }
        break;
    case 3:
        if (CGroup* target = Any(Groups()); group && target && target != group) {
            m_trace += " groupToGroup";
            m_doc.ExecuteCommand(std::make_unique<CAddGroupToGroupCommand>(group, target));
        }
        break;
    case 4:
        if (CGroup* other = Any(Groups()); group && other && other != group) {
            m_trace += " unite";
            m_doc.ExecuteCommand(std::make_unique<CUniteGroupCommand>(
                m_doc, std::vector<CGroup*>{group, other}, "U" + std::to_string(Pick(3))));
        }
        break;
    case 8: {
        m_trace += " importCsv";
        CCSVReader reader(CCsvCommands::FieldNames());
        ASSERT_TRUE(reader.LoadBytes(NewName() + ",1\r\n" + NewName() + ",2\r\n", "walk.csv").ok);
        ASSERT_TRUE(reader.Prepare({}, {0, 1}, false).ok);
        CCsvCommands::ImportRecords(m_doc, reader, true);
        break;
    }
    case 9: {
        std::vector<CPersonalData*> others;
        for (int i = Pick(3); i >= 0; --i) {
            CPersonalData* other = Any(Live());
            if (other != person && std::find(others.begin(), others.end(), other) == others.end())
                others.push_back(other);
        }
        if (person && !others.empty()) {
            m_trace += " merge";
            m_doc.ExecuteCommand(m_merge.MakeCommand(m_doc, person, others));
        }
        break;
    }
    case 10: {
        // A new person in a group by name, and a group card that takes a person of the book.
        m_trace += " importVCard";
        std::string text = "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:" + NewName() + "\r\nCATEGORIES:G" +
                           std::to_string(Pick(8)) + "\r\nEND:VCARD\r\n";
        if (person)
            text += "BEGIN:VCARD\r\nVERSION:4.0\r\nKIND:group\r\nFN:G" + std::to_string(Pick(8)) +
                    "\r\nMEMBER:urn:uuid:" + person->GetUid().ToString() + "\r\nEND:VCARD\r\n";
        CVCardImport import(CVCardReader::Read(text).cards);
        ASSERT_TRUE(import.Encode(CTextCodec(), false));
        CVCardCommands::ImportCards(m_doc, import, true);
        break;
    }
    case 11: {
        // Another client changes one of a few cards now and then; the sync is one command.
        m_trace += " sync";
        if (Pick(2) == 0) {
            const std::string n = std::to_string(Pick(4));
            m_server.Write("/book/w" + n + ".vcf",
                           "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:" + NewName() + "\r\nCATEGORIES:G" +
                               std::to_string(Pick(8)) + "\r\nUID:w" + n + "\r\nEND:VCARD\r\n");
        }
        // A sync may give a person back a UID the book had lost, which the server kept.
        m_bUidsRecovered =
            CSyncCommands::SyncBook(m_doc, m_syncState, m_server, CFakeDavServer::COLLECTION)
                .recovered > 0;
        if (m_bUidsRecovered)
            m_recovering.insert(m_doc.GetLastCommand());
        break;
    }
    default:
        EditCell();
        break;
    }
}

std::vector<HTREEITEM> CCommandWalk::AllItems() const {
    std::vector<HTREEITEM> items;
    const CTreeControl& tree = m_tree.GetTreeCtrl();
    for (const HTREEITEM top : tree.GetTopItems()) {
        items.push_back(top);
        for (const HTREEITEM child : tree.GetChildren(top)) {
            items.push_back(child);
            items.insert(items.end(), tree.GetChildren(child).begin(),
                         tree.GetChildren(child).end());
        }
    }
    return items;
}

void CCommandWalk::Drag() {
    const std::vector<HTREEITEM> items = AllItems();
    const bool fromList = Pick(2) == 0;
    if (fromList)
        ChooseRows();
    if (!(fromList ? m_drag.BeginFromList()
                   : m_drag.BeginFromTree(items[static_cast<std::size_t>(Pick(items.size()))])))
        return;
    m_trace += fromList ? " dragRows" : " dragItem";
    static constexpr EMessageResult ANSWERS[] = {EMessageResult::Yes, EMessageResult::No,
                                                 EMessageResult::Ok, EMessageResult::Cancel};
    m_ui.m_answers = {ANSWERS[Pick(std::size(ANSWERS))]};
    m_drag.Track(items[static_cast<std::size_t>(Pick(items.size()))]);
    if (Pick(5) == 0) {
        m_drag.Cancel();
    } else if (const std::optional<CPendingDrop> drop = m_drag.EndAtTarget()) {
        m_trace += " drop";
        m_drag.Drop(*drop);
    }
    m_ui.m_answers.clear();
}

void CCommandWalk::EditCell() {
    // The cursor goes anywhere, even outside the list; the editor brings it into range. The
    // editor often stays shown, so later steps meet it too.
    m_list.GetCellEditor().SetCursor(Pick(m_list.GetRowCount() + 2) - 1,
                                     Pick(CFriendListView::COLUMN_COUNT + 2) - 1);
    CListCellEditor& editor = m_list.GetCellEditor();
    if (!editor.IsVisible())
        editor.OnListKey(ECellKey::Escape, false);
    if (!editor.IsVisible())
        return;
    m_trace += " cellEdit";
    const CFieldTexts before = FieldTexts();
    // The typing belongs to the cell the editor lies over, wherever the cursor was put since.
    ASSERT_LT(m_cell.m_nRow, m_list.GetRowCount());
    const CPersonalData* person = m_list.GetRowPerson(m_cell.m_nRow);
    const int field = m_cell.m_nField;
    m_cell.Type(Pick(4) == 0 ? m_cell.m_text : NewName());
    static constexpr ECellKey COMMITS[] = {ECellKey::Enter, ECellKey::Tab, ECellKey::Up,
                                           ECellKey::Escape};
    const ECellKey key = COMMITS[Pick(std::size(COMMITS))];
    editor.OnListKey(key, Pick(2) == 0);
    ExpectOnlyCellChanged(before, person, field);
    if (key == ECellKey::Escape)
        MoveThenDoubleClick();
}

std::tuple<int, int, int> CCommandWalk::AnyCell(int firstField) {
    const int field =
        firstField + Pick(static_cast<std::size_t>(CFriendListView::COLUMN_COUNT - firstField));
    const auto& order = m_list.GetColumnOrder();
    const int position =
        static_cast<int>(std::find(order.begin(), order.end(), field) - order.begin());
    return {field, position, Pick(static_cast<std::size_t>(m_list.GetRowCount() + 1)) - 1};
}

void CCommandWalk::MoveThenDoubleClick() {
    CListCellEditor& editor = m_list.GetCellEditor();
    const CFieldTexts before = FieldTexts();
    switch (Pick(6)) {
    case 0: {
        static constexpr ECellKey MOVES[] = {ECellKey::Up,    ECellKey::Down, ECellKey::Left,
                                             ECellKey::Right, ECellKey::Home, ECellKey::End};
        m_trace += " escKey";
        editor.OnListKey(MOVES[Pick(std::size(MOVES))], false);
        break;
    }
    case 1: {
        m_trace += " escClick";
        const auto [field, position, row] = AnyCell(0);
        editor.OnLeftButtonDown(field, row, position);
        break;
    }
    case 2:
        m_trace += " escWheel";
        editor.OnMouseWheel();
        break;
    case 3:
        m_trace += " escTree";
        ChooseInTree();
        break;
    case 4: {
        m_trace += " escColumns";
        std::array<int, CFriendListView::COLUMN_COUNT> order = m_list.GetColumnOrder();
        std::shuffle(order.begin(), order.end(), m_random);
        m_list.SetColumnOrder(order);
        editor.OnColumnsMoved();
        break;
    }
    default:
        m_trace += " escDrag"; // one command a step: the undo checks expect no more
        ChooseRows();
        if (m_drag.BeginFromList())
            m_drag.Cancel();
        break;
    }
    const auto [field, position, row] = AnyCell(CFieldTable::FIELD_NAME + 1);
    m_trace += " dblClick";
    editor.OnDoubleClick(field, row, position);
    ExpectOnlyCellChanged(before, nullptr, -1);
    if (!editor.IsVisible())
        return;
    const CPersonalData* person = m_list.GetRowPerson(m_cell.m_nRow);
    const int edited = m_cell.m_nField;
    const std::string typed = NewName();
    m_cell.Type(typed);
    editor.OnListKey(ECellKey::Enter, false);
    ExpectOnlyCellChanged(before, person, edited);
    // A memo cell shows and edits the first line; merges leave memos of several lines.
    EXPECT_EQ(person->GetFieldText(edited), typed) << m_trace;
}

CCommandWalk::CFieldTexts CCommandWalk::FieldTexts() const {
    CFieldTexts texts;
    for (const auto& list : {std::cref(m_doc.GetPersonList()), std::cref(m_doc.GetDeletedList())}) {
        for (const CPersonalData* person : list.get()) {
            std::vector<std::string>& fields = texts[person];
            for (int field = 0; field < CFriendListView::COLUMN_COUNT; ++field)
                fields.push_back(person->GetFieldFullText(field));
        }
    }
    return texts;
}

void CCommandWalk::ExpectOnlyCellChanged(const CFieldTexts& before, const CPersonalData* person,
                                         int field) const {
    CFieldTexts after = FieldTexts();
    ASSERT_EQ(after.size(), before.size()) << m_trace;
    if (person && after.count(person) && before.count(person))
        after[person][static_cast<std::size_t>(field)] =
            before.at(person)[static_cast<std::size_t>(field)];
    EXPECT_EQ(after, before) << m_trace;
}

void CCommandWalk::SaveAndReload() {
    m_trace += " reload";
    const auto path = m_folder.Path() / "walk.dat";
    CBookState saved = StateOf(m_doc);
    ASSERT_TRUE(CDataFile::Save(m_doc, path).ok);
    ASSERT_TRUE(CDataFile::Load(m_doc, path).ok);
    saved.deleted.clear(); // deleted persons are not kept in the file
    EXPECT_EQ(StateOf(m_doc), saved) << m_trace;
    m_before.clear();
}

void CCommandWalk::Search() {
    if (!m_pSearch) {
        m_trace += " find";
        m_pSearch = std::make_unique<CFindWalk>(m_doc, "P1", CFindMatcher("P1", {0}, false));
        return;
    }
    m_trace += " findStep";
    m_pSearch->Step();
    if (m_pSearch->IsFinished())
        m_pSearch.reset();
}

void CCommandWalk::Step() {
    const CCommand* last = m_doc.GetLastCommand();
    const CBookState before = StateOf(m_doc);
    const std::vector<std::string> uidsBefore = UidsOf(m_doc);
    const int kind = Pick(100);
    if (kind < 20) {
        ChooseInTree();
    } else if (kind < 30) {
        ChooseRows();
    } else if (kind < 48) {
        RunViewCommand();
    } else if (kind < 55) {
        Drag();
    } else if (kind < 75) {
        RunDocumentCommand();
    } else if (kind < 85) {
        Undo(before);
    } else if (kind < 90) {
        Redo();
    } else if (kind < 93) {
        m_trace += " toggle";
        m_tree.ToggleShowPersonal();
    } else if (kind < 97) {
        Search();
    } else {
        SaveAndReload();
    }
    if (m_doc.GetLastCommand() != last && m_doc.GetLastCommand() != nullptr && kind < 75)
        m_before.emplace_back(m_doc.GetLastCommand(), before);
    if (!m_doc.CanRedo())
        m_undone.clear();
    if (!std::exchange(m_bUidsRecovered, false))
        ExpectUidsKept(uidsBefore, UidsOf(m_doc), m_trace);
    ExpectAgreement();
}

void CCommandWalk::Undo(const CBookState& done) {
    if (!m_doc.CanUndo())
        return;
    m_trace += " undo";
    m_bUidsRecovered = m_recovering.contains(m_doc.GetLastCommand());
    m_doc.OnEditUndo();
    if (m_before.empty())
        return;
    EXPECT_EQ(StateOf(m_doc), m_before.back().second) << m_trace;
    m_undone.emplace_back(std::move(m_before.back()), done);
    m_before.pop_back();
}

void CCommandWalk::Redo() {
    if (!m_doc.CanRedo())
        return;
    m_trace += " redo";
    m_doc.OnEditRedo();
    m_bUidsRecovered = m_recovering.contains(m_doc.GetLastCommand());
    if (m_undone.empty())
        return;
    EXPECT_EQ(StateOf(m_doc), m_undone.back().second) << m_trace;
    m_before.push_back(std::move(m_undone.back().first));
    m_undone.pop_back();
}

TEST_F(CCommandWalk, RandomStepsKeepTheDocumentTreeAndListInAgreement) {
    const int steps = EnvironmentNumber("TARNVALE_WALK_STEPS", 3000);
    const int seed = EnvironmentNumber("TARNVALE_WALK_SEED", 20261207);
    m_random.seed(static_cast<unsigned>(seed));
    for (int step = 0; step < steps && !HasFatalFailure(); ++step) {
        SCOPED_TRACE("seed " + std::to_string(seed) + ", step " + std::to_string(step));
        Step();
        if (HasFailure()) {
            ADD_FAILURE() << "last steps:"
                          << m_trace.substr(m_trace.size() -
                                            std::min<std::size_t>(m_trace.size(), 400));
            break;
        }
    }
}
} // namespace
