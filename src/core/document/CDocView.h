#pragma once

class CAddressDoc;
class CCommand;
class CGroupInfo;
class CPersonalData;

#include <vector>

// The numbers passed with an update of all views.
enum class EHint : int {
    None = 0,
    SelectionChanged = 7, // the tree's selection changed; the person list refills
    Emptied = 8,          // every record and command is gone
    CommandDone = 100,
    CommandUndone = 200,
    BulkAdded = 250, // a record added while loading or importing; only the tree applies it
    BulkComplete = 300,
    Loaded = 400, // the document was filled from a file as a whole; views build themselves from it
};

// What the tree sends with a selection change: what is shown, then the persons to show.
struct CSelectionHint {
    const CGroupInfo* info = nullptr;
    std::vector<CPersonalData*> persons;
};

struct CHintObject {
    CCommand* command = nullptr;
    const CSelectionHint* selection = nullptr;
};

// A view of the document; views are told of changes in the order they were created.
class CDocView {
public:
    virtual ~CDocView() = default;
    virtual void OnUpdate(CDocView* sender, EHint hint, const CHintObject& object) = 0;
    // Hands an edit still open in the view (text typed into a cell) to the document; false when
    // the view refused it and said why.
    virtual bool CommitPendingEdit() { return true; }
};
