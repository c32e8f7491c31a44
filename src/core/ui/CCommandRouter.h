#pragma once

#include "core/ui/CCmdUI.h"

#include <functional>
#include <vector>

class CCommandTarget;

// Routes a command id along the active view, the document, the frame and the application; the
// first target that handles it owns it. A command is updated again before it is dispatched, so
// a disabled command never runs, whatever sent it; one that nobody handles is disabled.
class CCommandRouter {
public:
    using CChain = std::function<std::vector<CCommandTarget*>()>;

    explicit CCommandRouter(CChain chain) : m_chain(std::move(chain)) {}

    CCmdUI Update(int id, bool fromToolbar = false) const;
    // True when the command ran.
    bool Dispatch(int id) const;

private:
    CCommandTarget* FindTarget(int id) const;

    CChain m_chain;
};
