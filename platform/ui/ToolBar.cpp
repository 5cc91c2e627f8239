#include "platform/ui/ToolBar.h"

namespace zkpf {

Button& ToolBar::AddButton()
{
    return *buttons_.emplace_back(std::make_unique<Button>());
}

} // namespace zkpf
