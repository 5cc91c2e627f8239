#pragma once
// The host's user interface in the workbench: everything in windows, the PDM's reference
// chooser too; opening a link goes to the terminal driver.

#include "platform/qtui/QtUiDriver.h"

namespace Campdm {

class WorkbenchUiDriver final : public Vireo::QtUi::QtUiDriver {
public:
    using QtUiDriver::QtUiDriver;

    std::optional<std::size_t> ChooseReference(HWND owner,
                                               std::span<const Vireo::Ui::ReferenceChoice> references) override;
};

} // namespace Campdm
