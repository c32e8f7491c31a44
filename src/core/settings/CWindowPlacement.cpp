#include "settings/CWindowPlacement.h"

#include "settings/CProfile.h"

namespace {
constexpr const char* SECTION = "Window";
}

CWindowPlacement CWindowPlacement::Load(const CProfile& profile) {
    CWindowPlacement placement;
    placement.m_nLeft = profile.GetProfileInt(SECTION, "left", 0);
    placement.m_nTop = profile.GetProfileInt(SECTION, "top", 0);
    placement.m_nRight = profile.GetProfileInt(SECTION, "right", 0);
    placement.m_nBottom = profile.GetProfileInt(SECTION, "bottom", 0);
    placement.m_nSplitter = profile.GetProfileInt(SECTION, "splitter", DEFAULT_SPLITTER);
    return placement;
}

bool CWindowPlacement::Save(CProfile& profile) const {
    bool ok = profile.WriteProfileInt(SECTION, "left", m_nLeft);
    ok = profile.WriteProfileInt(SECTION, "top", m_nTop) && ok;
    ok = profile.WriteProfileInt(SECTION, "right", m_nRight) && ok;
    ok = profile.WriteProfileInt(SECTION, "bottom", m_nBottom) && ok;
    return profile.WriteProfileInt(SECTION, "splitter", m_nSplitter) && ok;
}

bool CWindowPlacement::HasRectangle() const {
    return m_nLeft != 0 || m_nTop != 0 || m_nRight != 0 || m_nBottom != 0;
}
