#pragma once
// What a document needs of the views attached to it. The Qt views implement it; the
// document never owns its views (their frames do) and never includes a widget header.

#include <cstdint>

namespace platform {

class CDocument;

class IView {
public:
    virtual ~IView() = default;
    // The document changed; `sender` is the view that caused it (null for none) and
    // `hint` says what changed (0: anything). Called on the GUI thread.
    virtual void OnUpdate(IView* sender, std::intptr_t hint) = 0;
    // Brings the view's frame to the front (reopening an open document).
    virtual void ActivateFrame() {}
    // The document is closing: the view's frame goes. The view must not touch the
    // document after this returns.
    virtual void OnCloseDocument() {}
};

} // namespace platform
