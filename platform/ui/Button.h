#pragma once
// A push button of a tool bar or a dialog: text, hint, icon, enabled state, a click handler
// and an optional context menu.
//
// The button holds all of its state; whatever shows it (a window, or a test) drives it
// through Click, and answers an opened context menu through PickContextMenuItem or
// CloseContextMenu.

#include "platform/ui/Control.h"
#include "platform/ui/Images.h"
#include "platform/ui/Menu.h"

#include <functional>
#include <optional>
#include <string>

namespace zkpf {

class Button final : public Control {
public:
    using ClickHandler = std::function<void()>;
    using MenuHandler = std::function<void(int itemId)>;

    void SetText(std::wstring text) { text_ = std::move(text); }
    const std::wstring& GetText() const noexcept { return text_; }
    void SetHintText(std::wstring hint) { hint_ = std::move(hint); }
    const std::wstring& GetHintText() const noexcept { return hint_; }
    void SetImage(Image image) { image_ = std::move(image); }
    const Image& GetImage() const noexcept { return image_; }
    void SetEnabled(bool enabled) noexcept { enabled_ = enabled; }
    bool IsEnabled() const noexcept { return enabled_; }

    void OnClick(ClickHandler handler) { onClick_ = std::move(handler); }
    // What the framework itself does after the click handler (a standard button closing its
    // dialog).
    void OnClosingClick(ClickHandler handler) { afterClick_ = std::move(handler); }
    // The user clicks the button: runs the click handler, then the closing one, when the
    // button is enabled. Returns whether it was enabled.
    bool Click();

    // The context menu and where it opens relative to the button (a value of the host's
    // framework, kept as given).
    void SetContextMenu(Menu menu, int placement);
    const std::optional<Menu>& GetContextMenu() const noexcept { return menu_; }
    int GetContextMenuPlacement() const noexcept { return placement_; }
    void OnContextMenuClick(MenuHandler handler) { onMenuClick_ = std::move(handler); }

    // Opens the context menu through the installed host UI driver; a driver that shows no
    // window leaves it open for PickContextMenuItem. Nothing happens without a menu.
    void OpenContextMenu();
    bool IsContextMenuOpen() const noexcept { return menuOpen_; }
    // The user picks the item `itemId` of the open menu: closes it and runs the context-menu
    // handler. Returns false, doing nothing, when no menu is open or it has no such item.
    bool PickContextMenuItem(int itemId);
    void CloseContextMenu() noexcept { menuOpen_ = false; }

private:
    std::wstring text_;
    std::wstring hint_;
    Image image_;
    bool enabled_ = true;
    ClickHandler onClick_;
    ClickHandler afterClick_;
    std::optional<Menu> menu_;
    int placement_ = 0;
    MenuHandler onMenuClick_;
    bool menuOpen_ = false;
};

} // namespace zkpf
