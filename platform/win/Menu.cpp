#include "platform/win/Menu.h"

bool CMenu::AppendMenu(unsigned flags, std::uintptr_t id, std::wstring_view text)
{
    if ((flags & MF_SEPARATOR) == 0 && text.empty())
        return false;
    entries_.push_back(Entry{flags, id, std::wstring(text)});
    return true;
}
