#include "platform/ui/ModalDialog.h"

#include "platform/ui/HostUiDriver.h"

namespace zkpf {

int ModalDialog::DoModal()
{
    endResult_.reset();
    return Vireo::Ui::CurrentHostUiDriver().RunModalDialog(*this);
}

Button& AddStandardControl::AddStandardButton(DialogButtons kind, bool closes)
{
    auto button = std::make_unique<Button>();
    Button& added = *button;
    buttons_.push_back(StandardButton{kind, std::move(button)});
    if (closes) {
        // The click handler the owner sets later runs first; the close is wrapped around it
        // when the button is clicked.
        auto* dialog = dynamic_cast<ModalDialog*>(this);
        added.OnClosingClick([dialog, kind] {
            if (dialog)
                dialog->EndModal(static_cast<int>(kind));
        });
    }
    return added;
}

HWND IHostWindowProvider::GetHostWindow() const
{
    const auto* dialog = dynamic_cast<const CmdDialog*>(this);
    return dialog ? dialog->GetWindowHandle() : nullptr;
}

} // namespace zkpf
