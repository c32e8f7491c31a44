#pragma once

class CGroup;

enum class EGroupInfoKind : int { All = 20, Deleted = 21, Group = 22 };

// What the person list shows: all live persons, the deleted persons or one group's members.
class CGroupInfo {
public:
    void SetAll() { Set(EGroupInfoKind::All, nullptr); }
    void SetDeleted() { Set(EGroupInfoKind::Deleted, nullptr); }
    void SetGroup(CGroup* group) { Set(EGroupInfoKind::Group, group); }
    bool IsAll() const { return m_nKind == EGroupInfoKind::All; }
    bool IsDeleted() const { return m_nKind == EGroupInfoKind::Deleted; }
    bool IsGroup() const { return m_nKind == EGroupInfoKind::Group; }
    CGroup* GetGroup() const { return m_pGroup; }

private:
    void Set(EGroupInfoKind kind, CGroup* group) {
        m_nKind = kind;
        m_pGroup = group;
    }

    CGroup* m_pGroup = nullptr;
    EGroupInfoKind m_nKind = EGroupInfoKind::All;
};
