#pragma once
// A frame window of the host: the window a document is shown in, and the owner of the
// dialogs opened for that document.

#include "platform/win/WinTypes.h"

class CFrameWnd {
public:
    CFrameWnd() = default;
    CFrameWnd(const CFrameWnd&) = delete;
    CFrameWnd& operator=(const CFrameWnd&) = delete;

    HWND GetSafeHwnd() noexcept { return &window_; }

private:
    HWND__ window_;
};
