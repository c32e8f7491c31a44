#pragma once

class CGroup;
class CGroupInfo;
class CPersonalData;

// The person list as a command changes it: the rows of the persons the command touched, in
// the list only while it shows the group they belong to.
class CCommandList {
public:
    virtual ~CCommandList() = default;

    // What the list shows: everyone, a group or the deleted persons; null before the first.
    virtual const CGroupInfo* GetGroupInfo() const = 0;
    // The group the list shows, or null for everyone and the deleted persons.
    virtual CGroup* GetShownGroup() const = 0;
    virtual bool ShowsDeleted() const = 0;
    // Rows change in place; the end of the notification puts them back in order.
    virtual int InsertPersonalRow(CPersonalData* person) = 0;
    // False when the person has no row.
    virtual bool DeletePersonalRow(CPersonalData* person) = 0;
    virtual void UpdatePersonalRow(CPersonalData* person) = 0;
};
