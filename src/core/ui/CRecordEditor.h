#pragma once

class CGroup;
class CPersonalData;

// Opens the dialogs that edit one record and runs the resulting command. The window provides
// one; without it (the command-line tool, core tests) records are not edited through dialogs.
class CRecordEditor {
public:
    virtual ~CRecordEditor() = default;
    // focusField is the field number whose box gets the focus first; -1 for none.
    virtual void EditPerson(CPersonalData* person, int focusField) = 0;
    // True when a change was made.
    virtual bool EditGroup(CGroup* group) = 0;
};
