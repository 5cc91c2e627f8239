#pragma once
// The menu of the host's user-interface framework, as plug-ins fill it: entries with a
// command id and a text, appended in order.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Flags of an entry; a plain string entry has none.
inline constexpr unsigned MF_STRING = 0x0000;
inline constexpr unsigned MF_GRAYED = 0x0001;
inline constexpr unsigned MF_SEPARATOR = 0x0800;

class CMenu {
public:
    struct Entry {
        unsigned flags = MF_STRING;
        std::uintptr_t id = 0;
        std::wstring text;
    };

    // Appends an entry; false for a string entry without text.
    bool AppendMenu(unsigned flags, std::uintptr_t id = 0, std::wstring_view text = {});

    int GetMenuItemCount() const noexcept { return static_cast<int>(entries_.size()); }
    const std::vector<Entry>& Entries() const noexcept { return entries_; }

private:
    std::vector<Entry> entries_;
};
