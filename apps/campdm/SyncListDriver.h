#pragma once
// The host's user interface for `campdm sync --list`: the synchronisation dialog is built as
// in a window, but instead of being shown its list is printed as text and the dialog is
// closed without writing anything. Everything else goes to the terminal's driver.

#include "platform/ui/HostUiDriver.h"

#include <ostream>

namespace Campdm {

class SyncListDriver final : public Vireo::Ui::HostUiDriver {
public:
    SyncListDriver(Vireo::Ui::HostUiDriver& terminal, std::ostream& out) : terminal_(terminal), out_(out) {}

    int ShowMessage(std::wstring_view text, unsigned int type) override;
    int RunModalDialog(zkpf::ModalDialog& dialog) override;
    std::optional<std::size_t> ChooseReference(HWND owner,
                                               std::span<const Vireo::Ui::ReferenceChoice> references) override;
    std::optional<std::size_t> ChooseObject(HWND owner, const Vireo::Ui::ReferenceChoice& reference,
                                            std::wstring_view filterText,
                                            std::span<const Vireo::Ui::ObjectChoice> objects) override;
    void OpenLink(std::wstring_view link) override;

    // Whether a dialog was printed.
    bool Printed() const noexcept { return printed_; }

private:
    Vireo::Ui::HostUiDriver& terminal_;
    std::ostream& out_;
    bool printed_ = false;
};

} // namespace Campdm
