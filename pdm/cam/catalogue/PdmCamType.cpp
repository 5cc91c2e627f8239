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
PdmCamType PdmCamType::Make(const CamTypeValues& values, ParameterMap parameters, UniqueIdentifier classId,
                            CamTypeDiscriminator discriminator)
{
    PdmCamType type;
    type.values = values;
    type.classId = classId;
    type.alternative = internal::HandleAlternativeOf<T>();
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

#define VIREO_CAM_TYPE_MAKE(T)                                                                                         \
    template PdmCamType PdmCamType::Make<T>(const CamTypeValues&, ParameterMap, UniqueIdentifier, CamTypeDiscriminator);

VIREO_CAM_TYPE_MAKE(Cam::IToolLogic)
VIREO_CAM_TYPE_MAKE(Cam::IStrategy)
VIREO_CAM_TYPE_MAKE(Cam::MachiningProject)
VIREO_CAM_TYPE_MAKE(Cam::MachiningGroup)
VIREO_CAM_TYPE_MAKE(Cam::Part)
VIREO_CAM_TYPE_MAKE(Cam::Fixture)
VIREO_CAM_TYPE_MAKE(Cam::Stock)
VIREO_CAM_TYPE_MAKE(Cam::SharedGeometrySet)
VIREO_CAM_TYPE_MAKE(Cam::ToolShankProp)
VIREO_CAM_TYPE_MAKE(Cam::ToolHolderProp)
VIREO_CAM_TYPE_MAKE(Cam::ToolExtensionProp)
VIREO_CAM_TYPE_MAKE(Cam::ToolAdditionalParams)

#undef VIREO_CAM_TYPE_MAKE

} // namespace Vireo::Cam::Pdm
