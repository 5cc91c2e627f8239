#include "pdm/convert/PdmObjectAccess.h"

#include "pdm/links/ObjectId.h"
#include "platform/arbor/Model.h"

#include <exception>

namespace Vireo::Cam::Pdm {

namespace Model = Vireo::Arbor::Model;

std::wstring getPdmUri(const std::shared_ptr<Model::ReferenceObject>& object)
{
    if (!object || !object->Reference() || !object->Reference()->Connection())
        return {};
    const auto& reference = object->Reference();
    const auto group = reference->ParameterGroup();
    const auto referenceGroup = group ? group->ReferenceGroup() : nullptr;
    if (!referenceGroup)
        return {};
    return GetUriFromObjectId(referenceGroup->Id(), object->Id(),
                              reference->Connection()->ConnectionParameters().GetServerAddress());
}

std::shared_ptr<Model::Parameter> getPdmParameter(Model::ReferenceObject& object, std::wstring_view guidText)
{
    const auto guid = System::Guid::TryParse(guidText);
    if (!guid)
        return nullptr;
    try {
        return object.ParameterValues().GetParameter(*guid);
    } catch (const std::exception&) {
        return nullptr;
    }
}

} // namespace Vireo::Cam::Pdm
