#include "platform/pdmproxy/ZKPDMObjectProxy.h"

#include "platform/arbor/ReferenceObject.h"

System::Guid ZKPDMObjectProxy::GetGuid() const
{
    return object_->Guid();
}
