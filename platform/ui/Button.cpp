#include "platform/ui/Button.h"

#include "platform/ui/HostUiDriver.h"

namespace zkpf {

bool Button::Click()
{
    if (!enabled_)
        return false;
    if (onClick_)
        onClick_();
    if (afterClick_)
        afterClick_();
    return true;
}

void Button::SetContextMenu(Menu menu, int placement)
{
    menu_ = std::move(menu);
    placement_ = placement;
    menuOpen_ = false;
}

void Button::OpenContextMenu()
{
    if (!menu_)
        return;
    menuOpen_ = true;
    Vireo::Ui::CurrentHostUiDriver().ShowContextMenu(*this);
}

bool Button::PickContextMenuItem(int itemId)
{
    if (!menuOpen_ || !menu_ || !menu_->FindItem(itemId))
        return false;
    menuOpen_ = false;
    if (onMenuClick_)
        onMenuClick_(itemId);
    return true;
}

} // namespace zkpf
