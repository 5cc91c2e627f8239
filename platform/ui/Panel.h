#pragma once
// A dialog's content area: the controls it holds, top to bottom, and the one that fills the
// space left over.

#include "platform/ui/Control.h"

#include <memory>
#include <vector>

namespace zkpf {

class Panel final : public Control {
public:
    // A new control of type T at the end; it lives as long as the panel.
    template <class T>
    T& Add()
    {
        auto control = std::make_unique<T>();
        T& added = *control;
        controls_.push_back(std::move(control));
        return added;
    }

    const std::vector<std::unique_ptr<Control>>& GetControls() const noexcept { return controls_; }
    void SetFillControl(Control& control) noexcept { fill_ = &control; }
    const Control* GetFillControl() const noexcept { return fill_; }

private:
    std::vector<std::unique_ptr<Control>> controls_;
    Control* fill_ = nullptr;
};

} // namespace zkpf
