// The creation routine of the catalogue: dispatch on the host class a CAM type stands for.

#include "pdm/cam/internal/CamObjectCreation.h"
#include "pdm/cam/internal/CamTypeRoutines.h"

#include "platform/cam/Fixture.h"
#include "platform/cam/MachiningProject.h"
#include "platform/cam/Part.h"
#include "platform/cam/SharedGeometrySet.h"
#include "platform/cam/Stock.h"

#include <type_traits>

namespace Vireo::Cam::Pdm::internal {

namespace {

template <class T>
CamObject create(CZkw32Doc* doc, const CamObject& parent, const UniqueIdentifier& classId,
                 const CamTypeDiscriminator& discriminator)
{
    if constexpr (std::is_same_v<T, Cam::IToolLogic>)
        return CreateTool(doc, parent, classId, discriminator);
    else if constexpr (std::is_same_v<T, Cam::IStrategy>)
        return CreateMachining(doc, parent, classId);
    else if constexpr (std::is_same_v<T, Cam::MachiningProject>)
        return CreateMachiningProject(doc);
    else if constexpr (std::is_same_v<T, Cam::MachiningGroup>)
        return CreateMachiningGroup(doc, parent);
    else if constexpr (std::is_same_v<T, Cam::Part>)
        return CreatePart(doc, parent);
    else if constexpr (std::is_same_v<T, Cam::Fixture>)
        return CreateFixture(doc, parent);
    else if constexpr (std::is_same_v<T, Cam::Stock>)
        return CreateStock(doc, parent, classId, discriminator);
    else if constexpr (std::is_same_v<T, Cam::ToolShankProp>)
        return CreateShank(parent);
    else if constexpr (std::is_same_v<T, Cam::ToolHolderProp>)
        return CreateHolder(parent);
    else if constexpr (std::is_same_v<T, Cam::ToolExtensionProp>)
        return CreateExtension(parent);
    else if constexpr (std::is_same_v<T, Cam::ToolAdditionalParams>)
        return CreateToolItem(parent);
    else // shared geometry sets are not made through the catalogue
        return CamObject();
}

} // namespace

template <class T>
CamObject CreateOfCamType(CZkw32Doc* doc, const CamObject& parent, const UniqueIdentifier& classId,
                          const CamTypeDiscriminator& discriminator) noexcept
{
    try {
        return create<T>(doc, parent, classId, discriminator);
    } catch (...) {
        return CamObject();
    }
}

#define VIREO_CAM_TYPE_FACTORY(T)                                                                                      \
    template CamObject CreateOfCamType<T>(CZkw32Doc*, const CamObject&, const UniqueIdentifier&,                       \
                                          const CamTypeDiscriminator&) noexcept;

VIREO_CAM_TYPE_FACTORY(Cam::IToolLogic)
VIREO_CAM_TYPE_FACTORY(Cam::IStrategy)
VIREO_CAM_TYPE_FACTORY(Cam::MachiningProject)
VIREO_CAM_TYPE_FACTORY(Cam::MachiningGroup)
VIREO_CAM_TYPE_FACTORY(Cam::Part)
VIREO_CAM_TYPE_FACTORY(Cam::Fixture)
VIREO_CAM_TYPE_FACTORY(Cam::Stock)
VIREO_CAM_TYPE_FACTORY(Cam::SharedGeometrySet)
VIREO_CAM_TYPE_FACTORY(Cam::ToolShankProp)
VIREO_CAM_TYPE_FACTORY(Cam::ToolHolderProp)
VIREO_CAM_TYPE_FACTORY(Cam::ToolExtensionProp)
VIREO_CAM_TYPE_FACTORY(Cam::ToolAdditionalParams)

#undef VIREO_CAM_TYPE_FACTORY

} // namespace Vireo::Cam::Pdm::internal
