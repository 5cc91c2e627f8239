#include "pdm/cam/PdmCamType.h"

#include "pdm/cam/internal/CamTypeRoutines.h"
#include "platform/cam/Fixture.h"
#include "platform/cam/MachiningProject.h"
#include "platform/cam/Part.h"
#include "platform/cam/SharedGeometrySet.h"
#include "platform/cam/Stock.h"

namespace Vireo::Cam::Pdm {

using internal::CreateOfCamType;
using internal::IsOfCamType;

template <class T>
PdmCamType PdmCamType::Make(ParameterMap parameters, UniqueIdentifier classId, CamTypeDiscriminator discriminator)
{
    PdmCamType type;
    type.parameters = std::move(parameters);
    for (const auto& [name, id] : type.parameters)
        type.parameterNames.emplace(id, name);
    type.factory = [classId, discriminator](CZkw32Doc* doc, const CamObject& parent) {
        return CreateOfCamType<T>(doc, parent, classId, discriminator);
    };
    type.predicate = [classId, discriminator](const CamObject& object) {
        return IsOfCamType<T>(object, classId, discriminator);
    };
    return type;
}

template PdmCamType PdmCamType::Make<Cam::IToolLogic>(ParameterMap, UniqueIdentifier, CamTypeDiscriminator);
template PdmCamType PdmCamType::Make<Cam::IStrategy>(ParameterMap, UniqueIdentifier, CamTypeDiscriminator);
template PdmCamType PdmCamType::Make<Cam::MachiningProject>(ParameterMap, UniqueIdentifier, CamTypeDiscriminator);
template PdmCamType PdmCamType::Make<Cam::MachiningGroup>(ParameterMap, UniqueIdentifier, CamTypeDiscriminator);
template PdmCamType PdmCamType::Make<Cam::Part>(ParameterMap, UniqueIdentifier, CamTypeDiscriminator);
template PdmCamType PdmCamType::Make<Cam::Fixture>(ParameterMap, UniqueIdentifier, CamTypeDiscriminator);
template PdmCamType PdmCamType::Make<Cam::Stock>(ParameterMap, UniqueIdentifier, CamTypeDiscriminator);
template PdmCamType PdmCamType::Make<Cam::SharedGeometrySet>(ParameterMap, UniqueIdentifier, CamTypeDiscriminator);
template PdmCamType PdmCamType::Make<Cam::ToolShankProp>(ParameterMap, UniqueIdentifier, CamTypeDiscriminator);
template PdmCamType PdmCamType::Make<Cam::ToolHolderProp>(ParameterMap, UniqueIdentifier, CamTypeDiscriminator);
template PdmCamType PdmCamType::Make<Cam::ToolExtensionProp>(ParameterMap, UniqueIdentifier, CamTypeDiscriminator);
template PdmCamType PdmCamType::Make<Cam::ToolAdditionalParams>(ParameterMap, UniqueIdentifier, CamTypeDiscriminator);

} // namespace Vireo::Cam::Pdm
