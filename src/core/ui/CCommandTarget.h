#pragma once

class CCmdUI;

// Something that handles command ids: a view, the document, the frame or the application.
class CCommandTarget {
public:
    virtual ~CCommandTarget() = default;
    // True when this target handles the id; the router then asks no one after it.
    virtual bool HasCommand(int id) const = 0;
    // The update rule; without one a handled command is enabled.
    virtual void OnUpdateCommand(int /*id*/, CCmdUI& /*ui*/) {}
    virtual void OnCommand(int id) = 0;
};
