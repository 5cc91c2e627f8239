#pragma once
// The host's user-interface services in Qt windows: messages, modal dialogs of the framework
// with their context menus, and the PDM proxy's object chooser. What has no window of its
// own here (choosing a reference, opening a link) goes to the driver it was given. A
// QApplication must exist while the driver shows anything.

#include "platform/ui/HostUiDriver.h"

#include <functional>
#include <vector>

class QWidget;

namespace Vireo::QtUi {

class DialogWindow;

class QtUiDriver : public Ui::HostUiDriver {
public:
    // Runs once a dialog's window is shown and drawn, with that window; it may close it.
    using ShownHook = std::function<void(QWidget& window)>;

    // `next` (not owned) takes what this driver shows no window for.
    explicit QtUiDriver(Ui::HostUiDriver& next) : next_(next) {}

    int ShowMessage(std::wstring_view text, unsigned int type) override;
    int RunModalDialog(zkpf::ModalDialog& dialog) override;
    void ShowContextMenu(zkpf::Button& button) override;
    std::optional<std::size_t> ChooseReference(HWND owner, std::span<const Ui::ReferenceChoice> references) override;
    std::optional<std::size_t> ChooseObject(HWND owner, const Ui::ReferenceChoice& reference,
                                            std::wstring_view filterText,
                                            std::span<const Ui::ObjectChoice> objects) override;
    void OpenLink(std::wstring_view link) override;

    void SetShownHook(ShownHook hook) { shownHook_ = std::move(hook); }

private:
    QWidget* topWindow() const;

    Ui::HostUiDriver& next_;
    ShownHook shownHook_;
    std::vector<DialogWindow*> open_;
};

} // namespace Vireo::QtUi
