#pragma once
// The few Windows types the plug-in and the host's services pass around: the 16-byte GUID
// structure with the field layout the platform API uses, and window and icon handles.

#include <cstdint>

struct GUID {
    std::uint32_t Data1;
    std::uint16_t Data2;
    std::uint16_t Data3;
    std::uint8_t Data4[8];
};

constexpr bool operator==(const GUID& a, const GUID& b) noexcept
{
    if (a.Data1 != b.Data1 || a.Data2 != b.Data2 || a.Data3 != b.Data3)
        return false;
    for (int i = 0; i < 8; ++i)
        if (a.Data4[i] != b.Data4[i])
            return false;
    return true;
}

// A window of the host. Handles are pointers to the window's own record, null for none.
struct HWND__ {
    int unused = 0;
};
using HWND = HWND__*;

// An icon of the host: the resource it was loaded from. Null for none.
struct HICON__ {
    unsigned resourceId = 0;
};
using HICON = HICON__*;

// Show modes of a window that is opened for the user.
inline constexpr int SW_SHOW = 5;
