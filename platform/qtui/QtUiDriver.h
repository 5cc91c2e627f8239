#pragma once
// The host's user-interface services in Qt windows: messages, modal dialogs of the framework
// and their context menus. A QApplication must exist while the driver shows anything.

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

    int ShowMessage(std::wstring_view text, unsigned int type) override;
    int RunModalDialog(zkpf::ModalDialog& dialog) override;
    void ShowContextMenu(zkpf::Button& button) override;

    void SetShownHook(ShownHook hook) { shownHook_ = std::move(hook); }

private:
    QWidget* topWindow() const;

    ShownHook shownHook_;
    std::vector<DialogWindow*> open_;
};

} // namespace Vireo::QtUi
