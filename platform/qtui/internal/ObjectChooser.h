#pragma once
// The PDM proxy's object chooser in a window: the reference's objects that the filter
// selects, in a list to pick one from.

#include "platform/ui/HostUiDriver.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

class QWidget;

namespace Vireo::QtUi {

// The position of the chosen object, or nothing when the user cancels.
std::optional<std::size_t> ChooseObjectInWindow(QWidget* parent, const Ui::ReferenceChoice& reference,
                                                std::wstring_view filterText,
                                                std::span<const Ui::ObjectChoice> objects);

} // namespace Vireo::QtUi
