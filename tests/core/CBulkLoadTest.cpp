#include "CScriptedUserInterface.h"
#include "CTempFolder.h"
#include "core/commands/CAddGroupCommand.h"
#include "core/commands/CAddPersonalCommand.h"
#include "core/document/CAddressDoc.h"
#include "core/document/CDataFile.h"
#include "core/document/CDataFileReader.h"
#include "core/document/CDataFileWriter.h"
#include "core/views/CFriendListView.h"
#include "core/views/CFriendTreeView.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {
// A document with both views, as the window has them.
struct CWindowViews {
    explicit CWindowViews(bool showPersons) : tree(doc, ui), list(doc, ui) {
        tree.m_bShowPersonal = showPersons;
        doc.OnNewDocument();
    }

    // What a user can see: every tree item with its picture, expansion and the caret, and the
    // list's rows, each person named by its place in the document's list.
    std::string Shown() const {
        std::string shown = Items(TVI_NONE);
        for (int row = 0; row < list.GetRowCount(); ++row)
            shown += " row " + PersonNumber(list.GetRowPerson(row));
        return shown;
    }

    std::string Items(HTREEITEM parent) const {
        const CTreeControl& control = tree.GetTreeCtrl();
        std::string shown;
        for (const HTREEITEM child : control.GetChildren(parent)) {
            const CTreeControl::CItem& item = control.Get(child);
            shown +=
                "(" + std::string(item.Text()) + "|" +
                std::to_string(static_cast<int>(item.image)) +
                std::to_string(static_cast<int>(item.selectedImage)) + (item.expanded ? "+" : "-") +
                (item.expandedOnce ? "+" : "-") + (child == control.GetCaret() ? "*" : "") +
                (item.Data().person ? PersonNumber(item.Data().person) : "") + Items(child) + ")";
        }
        return shown;
    }

    std::string PersonNumber(const CPersonalData* person) const {
        int number = 0;
        for (const CPersonalData* other : doc.GetPersonList()) {
            if (other == person)
                return "#" + std::to_string(number);
            ++number;
        }
        return "#?";
    }

    CScriptedUserInterface ui;
    CAddressDoc doc;
    CFriendTreeView tree;
    CFriendListView list;
};

// Few distinct names, so that persons share names with each other and with groups.
std::string RandomName(std::mt19937& random) {
    static constexpr const char* NAMES[] = {"", "A", "B", "AB", "b", "\x83\x41", "\x82\xa0"};
    return NAMES[random() % std::size(NAMES)];
}

std::string RandomBook(unsigned seed) {
    std::mt19937 random(seed);
    CAddressDoc doc;
    std::vector<CGroup*> groups;
    for (unsigned count = random() % 6; groups.size() < count;) {
        groups.push_back(doc.NewGroup(RandomName(random)));
        doc.AddGroup(groups.back());
    }
    for (unsigned count = random() % 30, made = 0; made < count; ++made) {
        CPersonalData* person = doc.NewPerson();
        person->SetText(EPersonText::Name, RandomName(random));
        for (CGroup* group : groups) {
            if (random() % 3 == 0)
                person->m_groupList.push_back(group);
        }
        doc.AddPerson(person);
    }
    return CDataFileWriter::Write(doc.GetGroupList(), doc.GetPersonList());
}

// The records put in one by one, as an import does.
void AddOneByOne(CAddressDoc& doc, const std::string& bytes) {
    doc.DeleteContents();
    const CReadResult records = CDataFileReader::Read(bytes, doc);
    for (CGroup* group : records.groups) {
        CAddGroupCommand command(group, false);
        command.Do(doc);
        doc.UpdateAllViews(nullptr, EHint::CommandDone, {&command, nullptr});
    }
    for (CPersonalData* person : records.persons) {
        CAddPersonalCommand command(person);
        command.Do(doc);
        doc.UpdateAllViews(nullptr, EHint::BulkAdded, {&command, nullptr});
    }
    doc.UpdateAllViews(nullptr, EHint::BulkComplete);
}

TEST(CBulkLoadTest, AWholeBookShowsAsItsRecordsAddedOneByOneWould) {
    const CTempFolder folder;
    for (unsigned seed = 0; seed < 200; ++seed) {
        const std::string book = RandomBook(seed);
        CTempFolder::WriteFile(folder / "book.dat", book);
        const bool showPersons = seed % 2 == 0;
        CWindowViews oneByOne(showPersons);
        CWindowViews atOnce(showPersons);
        AddOneByOne(oneByOne.doc, book);
        ASSERT_TRUE(CDataFile::Load(atOnce.doc, folder / "book.dat").ok);
        ASSERT_EQ(atOnce.Shown(), oneByOne.Shown()) << "seed " << seed;
        // The persons' items are found from the persons, as the commands find them.
        for (auto a = atOnce.doc.GetPersonList().begin(), b = oneByOne.doc.GetPersonList().begin();
             a != atOnce.doc.GetPersonList().end(); ++a, ++b)
            ASSERT_EQ((*a)->m_treeItems.GetCount(), (*b)->m_treeItems.GetCount()) << seed;
    }
}
} // namespace
