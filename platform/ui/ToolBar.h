#pragma once
// A tool bar: buttons in the order they were added.

#include "platform/ui/Button.h"
#include "platform/ui/Control.h"

#include <memory>
#include <vector>

namespace zkpf {

class ToolBar final : public Control {
public:
    // A new enabled button at the end; it lives as long as the tool bar.
    Button& AddButton();
    const std::vector<std::unique_ptr<Button>>& GetButtons() const noexcept { return buttons_; }

private:
    std::vector<std::unique_ptr<Button>> buttons_;
};

} // namespace zkpf
