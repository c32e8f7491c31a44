#include "core/ui/CCommandRouter.h"

#include "core/ui/CCommandTarget.h"

CCommandTarget* CCommandRouter::FindTarget(int id) const {
    for (CCommandTarget* target : m_chain()) {
        if (target && target->HasCommand(id))
            return target;
    }
    return nullptr;
}

CCmdUI CCommandRouter::Update(int id, bool fromToolbar) const {
    CCmdUI ui(fromToolbar);
    CCommandTarget* target = FindTarget(id);
    if (!target)
        ui.Enable(false);
    else
        target->OnUpdateCommand(id, ui);
    return ui;
}

bool CCommandRouter::Dispatch(int id) const {
    CCommandTarget* target = FindTarget(id);
    if (!target)
        return false;
    CCmdUI ui;
    target->OnUpdateCommand(id, ui);
    if (!ui.IsEnabled())
        return false;
    target->OnCommand(id);
    return true;
}
