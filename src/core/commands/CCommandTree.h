#pragma once

class CGroup;
class CPersonalData;

// The group tree as a command changes it: the items of the records the command touched, made,
// removed or renamed one by one, so that the tree is never rebuilt after an edit.
class CCommandTree {
public:
    virtual ~CCommandTree() = default;

    // False while the tree shows groups only; the persons' items are then left alone.
    virtual bool ShowsPersons() const = 0;
    virtual void InsertGroupItem(CGroup* group, bool select) = 0;
    // The group's item goes with the items of its members under it.
    virtual void DeleteGroupItem(CGroup* group) = 0;
    // An item under each of the person's groups, or under the root when it has none.
    virtual void InsertPersonalItems(CPersonalData* person) = 0;
    virtual void InsertPersonUnderDeleted(CPersonalData* person) = 0;
    virtual void DeletePersonalItems(CPersonalData* person) = 0;
    // The person's item under the group goes; a person left in no group shows under the root.
    virtual void RemovePersonFromGroupItem(CPersonalData* person, CGroup* group) = 0;
    // The inverse: an item under the group, and none under the root any more.
    virtual void AddPersonToGroupItem(CPersonalData* person, CGroup* group) = 0;
    // The person's items show its name as it is now.
    virtual void RenamePersonalItems(CPersonalData* person) = 0;
};
