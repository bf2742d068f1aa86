#pragma once
// The state a command's update handler gives its menu item, toolbar button and
// accelerator. Plain C++, so the update rules of documents are tested without widgets.

#include <string>

class CCmdUI {
public:
    explicit CCmdUI(int id) : m_nID(id) {}

    void Enable(bool enabled = true)
    {
        m_enabled = enabled;
        m_handled = true;
    }
    // 0 clear, 1 checked.
    void SetCheck(int check = 1)
    {
        m_checked = check != 0;
        m_checkSet = true;
        m_handled = true;
    }
    void SetText(const std::string& text)
    {
        m_text = text;
        m_textSet = true;
        m_handled = true;
    }

    int m_nID;
    bool m_enabled = false;
    bool m_checked = false;
    bool m_checkSet = false;
    bool m_textSet = false;
    bool m_handled = false; // an update handler spoke for the command
    std::string m_text;
};

// A link in the command route (view, document, frame, application). Each step either
// takes the command or passes it on; a command nobody takes is disabled.
class ICommandTarget {
public:
    virtual ~ICommandTarget() = default;
    // True when this target carried out the command.
    virtual bool OnCommand(int id) = 0;
    // True when this target has a handler or an update rule for the command; an update
    // rule fills `cmdUI`, a plain handler leaves it enabled.
    virtual bool OnUpdateCommand(CCmdUI& cmdUI) = 0;
};
