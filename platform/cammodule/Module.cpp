#include "platform/cammodule/Module.h"

#include "platform/cammodule/Modules.h"

namespace Vireo::Cam {

IModule::~IModule()
{
    Modules::Instance().Unregister(this);
}

} // namespace Vireo::Cam
