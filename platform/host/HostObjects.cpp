#include "platform/host/HostObjects.h"

#include "platform/host/HostObjectTypes.h"

int CZKSolid::GetObjType() const
{
    return ZKObjectTypes::SolidBody;
}

int CZKWorkplane::GetObjType() const
{
    return ZKObjectTypes::Workplane;
}
