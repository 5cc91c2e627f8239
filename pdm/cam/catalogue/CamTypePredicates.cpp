// The test routine of the catalogue: which CAM type a host object or tool part is.

#include "pdm/cam/internal/CamTypeRoutines.h"

#include "platform/cam/Fixture.h"
#include "platform/cam/MachiningProject.h"
#include "platform/cam/ParameterIds.h"
#include "platform/cam/Part.h"
#include "platform/cam/SharedGeometrySet.h"
#include "platform/cam/Stock.h"

#include <type_traits>

namespace Vireo::Cam::Pdm::internal {

namespace {

bool isToolOfType(const Cam::Tool& tool, const UniqueIdentifier& classId, const CamTypeDiscriminator& discriminator)
{
    const Cam::IToolLogic* logic = tool.GetLogic();
    if (!logic || logic->GetKind() != classId)
        return false;
    const auto& [parameter, wanted] = discriminator;
    if (parameter.IsEmpty())
        return true;
    const Cam::BaseValue* value = tool.GetParameters().GetValue(parameter);
    if (!value)
        return true;
    const Cam::IntValue* number = value->AsInt();
    return number && number->GetValue() == wanted;
}

bool isMachiningOfType(const Cam::Machining& machining, const UniqueIdentifier& classId)
{
    const Cam::IStrategy* strategy = machining.GetStrategy();
    return strategy && strategy->GetKind() == classId;
}

// A bounding stock (type 1) whose shape does not match matches no kind.
bool isStockOfType(const Cam::Stock& stock, const UniqueIdentifier& classId, const CamTypeDiscriminator& discriminator)
{
    const int stockType = stock.GetStockType();
    if (StockKindOf(stockType) != classId)
        return false;
    return stockType != Cam::StockTypes::Bounding ||
           stock.GetBoundingBodyProp().GetParameters().GetType() == static_cast<std::uint8_t>(discriminator.second);
}

template <class T>
bool isDocumentObjectOfType(const CZKObject& object, const UniqueIdentifier& classId,
                            const CamTypeDiscriminator& discriminator)
{
    if (const auto* tool = ObjectAs<const Cam::Tool>(&object))
        return isToolOfType(*tool, classId, discriminator);
    if (const auto* machining = ObjectAs<const Cam::Machining>(&object))
        return isMachiningOfType(*machining, classId);
    if (const auto* stock = ObjectAs<const Cam::Stock>(&object))
        return isStockOfType(*stock, classId, discriminator);
    if constexpr (std::is_base_of_v<CZKObject, T>)
        return ObjectAs<const T>(&object) != nullptr;
    else
        return false;
}

} // namespace

std::optional<UniqueIdentifier> StockKindOf(int stockType)
{
    namespace Kinds = HostIds::StockKinds;
    switch (stockType) {
    case Cam::StockTypes::Body: return Kinds::Body;
    case Cam::StockTypes::Bounding: return Kinds::Bounding;
    case Cam::StockTypes::Extrusion: return Kinds::Extrusion;
    case Cam::StockTypes::Rotation: return Kinds::Rotation;
    case Cam::StockTypes::Section: return Kinds::Section;
    default: return std::nullopt;
    }
}

template <class T>
bool IsOfCamType(const CamObject& object, const UniqueIdentifier& classId,
                 const CamTypeDiscriminator& discriminator) noexcept
{
    try {
        if (object.index() == CamObjectIndex::Document) {
            const CZKObject* held = std::get<CZKObject*>(object);
            return held && isDocumentObjectOfType<T>(*held, classId, discriminator);
        }
        constexpr std::size_t partIndex = HandleAlternativeOf<T>();
        return partIndex != CamObjectIndex::Document && object.index() == partIndex;
    } catch (...) {
        return false;
    }
}

#define VIREO_CAM_TYPE_PREDICATE(T)                                                                                    \
    template bool IsOfCamType<T>(const CamObject&, const UniqueIdentifier&, const CamTypeDiscriminator&) noexcept;

VIREO_CAM_TYPE_PREDICATE(Cam::IToolLogic)
VIREO_CAM_TYPE_PREDICATE(Cam::IStrategy)
VIREO_CAM_TYPE_PREDICATE(Cam::MachiningProject)
VIREO_CAM_TYPE_PREDICATE(Cam::MachiningGroup)
VIREO_CAM_TYPE_PREDICATE(Cam::Part)
VIREO_CAM_TYPE_PREDICATE(Cam::Fixture)
VIREO_CAM_TYPE_PREDICATE(Cam::Stock)
VIREO_CAM_TYPE_PREDICATE(Cam::SharedGeometrySet)
VIREO_CAM_TYPE_PREDICATE(Cam::ToolShankProp)
VIREO_CAM_TYPE_PREDICATE(Cam::ToolHolderProp)
VIREO_CAM_TYPE_PREDICATE(Cam::ToolExtensionProp)
VIREO_CAM_TYPE_PREDICATE(Cam::ToolAdditionalParams)

#undef VIREO_CAM_TYPE_PREDICATE

} // namespace Vireo::Cam::Pdm::internal
