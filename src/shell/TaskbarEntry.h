#pragma once

// Whether the program's taskbar entry is shown. Two rules act on it: the tray icon's
// ShowApp sets it outright, and the window system's rule follows the program's visible
// windows, but only while the entry still looks the way that rule itself last left it.
class TaskbarEntry {
public:
    bool visible() const { return m_visible; }

    // ShowApp was set (to any value, even the current one).
    void setShowApp(bool show) { m_visible = show; }

    // A window of the program was created, destroyed, shown or hidden.
    void windowsChanged(bool anyWindowVisible)
    {
        if (m_visible != m_ruleLastGave)
            return; // ShowApp moved it behind the rule's back: left alone until they agree
        m_visible = anyWindowVisible;
        m_ruleLastGave = anyWindowVisible;
    }

private:
    bool m_visible = false;
    bool m_ruleLastGave = false;
};
