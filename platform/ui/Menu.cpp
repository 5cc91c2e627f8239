#include "platform/ui/Menu.h"

#include <algorithm>

namespace zkpf {

void Menu::AddItem(int id, std::wstring text, Image image)
{
    items_.push_back(Item{id, std::move(text), std::move(image)});
}

const Menu::Item* Menu::FindItem(int id) const noexcept
{
    const auto found = std::ranges::find(items_, id, &Item::id);
    return found == items_.end() ? nullptr : &*found;
}

} // namespace zkpf
