#include "platform/cammodule/Modules.h"

#include <algorithm>

namespace Vireo::Cam {

Modules& Modules::Instance()
{
    static Modules modules;
    return modules;
}

void Modules::Register(IModule* module)
{
    if (module != nullptr && std::find(modules_.begin(), modules_.end(), module) == modules_.end())
        modules_.push_back(module);
}

void Modules::Unregister(IModule* module)
{
    std::erase(modules_, module);
}

} // namespace Vireo::Cam
