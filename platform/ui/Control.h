#pragma once
// The common base of the framework's controls, so that a container can own controls of any
// kind and a window face can find out which kind it shows.

namespace zkpf {

class Control {
public:
    Control() = default;
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
};

} // namespace zkpf
