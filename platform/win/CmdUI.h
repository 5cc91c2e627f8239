#pragma once
// The framework's question to a command whether it can run now: the command's enabling
// handler answers it with Enable.

class CCmdUI {
public:
    explicit CCmdUI(unsigned id) : m_nID(id) {}

    void Enable(bool on = true) noexcept { enabled_ = on; }
    // A command whose handler gave no answer stays enabled, as in the framework.
    bool IsEnabled() const noexcept { return enabled_; }

    unsigned m_nID;

private:
    bool enabled_ = true;
};
