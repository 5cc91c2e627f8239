#pragma once
// The CAM module's list of plug-in module objects, in the order they were registered.

#include <vector>

namespace Vireo::Cam {

class IModule;

class Modules {
public:
    static Modules& Instance();

    // A module registered twice is listed once.
    void Register(IModule* module);
    void Unregister(IModule* module);
    const std::vector<IModule*>& All() const noexcept { return modules_; }

private:
    std::vector<IModule*> modules_;
};

} // namespace Vireo::Cam
