#pragma once
// Start-up and shut-down of a user-interface extension library: the framework's record of
// the library, made when the library is attached to the process and ended when it leaves.

struct AFX_EXTENSION_MODULE {
    bool initialized = false;
};

// False when the framework cannot take the library in; the library then offers nothing.
inline bool AfxInitExtensionModule(AFX_EXTENSION_MODULE& module, void* /*instance*/) noexcept
{
    module.initialized = true;
    return true;
}

inline void AfxTermExtensionModule(AFX_EXTENSION_MODULE& module) noexcept
{
    module.initialized = false;
}
