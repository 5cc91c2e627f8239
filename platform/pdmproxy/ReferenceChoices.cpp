#include "platform/pdmproxy/ReferenceChoices.h"

#include "platform/arbor/ClassTree.h"
#include "platform/arbor/ObjectValue.h"
#include "platform/arbor/ReferenceInfo.h"
#include "platform/arbor/ReferenceObject.h"

namespace Vireo::PdmProxy {

Ui::ReferenceChoice ToChoice(const Arbor::Model::ReferenceInfo& reference)
{
    return Ui::ReferenceChoice{reference.Guid().ToString(), reference.Id(), reference.Name()};
}

Ui::ObjectChoice ToChoice(const Arbor::Model::ReferenceObject& object)
{
    const auto name = object.GetObjectValue(L"Name", false);
    return Ui::ObjectChoice{object.Guid().ToString(), object.Id(), name->IsNull() ? std::wstring() : name->ToString(),
                            object.Class() ? object.Class()->Name() : std::wstring()};
}

} // namespace Vireo::PdmProxy
