// Creating the stock, part and fixture of a shared geometry set for the catalogue. A slot
// that already holds an object of the kind gives that object again.

#include "pdm/cam/internal/CamObjectCreation.h"
#include "pdm/cam/internal/SharedGeometrySets.h"

#include "platform/cam/Model.h"
#include "platform/cam/ParameterIds.h"

namespace Vireo::Cam::Pdm::internal {

namespace {

template <class T>
T* slotObject(CZkw32Doc* doc, const CamObject& parent, const UniqueIdentifier& slot)
{
    CZKObject* parentObject = DocumentObjectOf(parent);
    if (!parentObject)
        return nullptr;
    Cam::SharedGeometrySet* shared = FindSharedGeometrySet(doc, parentObject, true);
    if (!shared)
        return nullptr;
    Cam::GeometrySet& set = shared->GetGeometrySet();
    if (auto* existing = ObjectAs<T>(set.GetModelObject(slot)))
        return existing;
    T* created = Cam::ModelList<T>(doc).Create();
    if (created)
        set.SetModelObject(slot, created);
    return created;
}

void setStockKind(Cam::Stock& stock, const UniqueIdentifier& stockKind, const CamTypeDiscriminator& discriminator)
{
    namespace Kinds = HostIds::StockKinds;
    if (stockKind == Kinds::Bounding) {
        stock.ChangeStockType(Cam::StockTypes::Bounding);
        stock.GetBoundingBodyProp().GetParameters().SetType(static_cast<std::uint8_t>(discriminator.second));
    } else if (stockKind == Kinds::Extrusion) {
        stock.ChangeStockType(Cam::StockTypes::Extrusion);
    } else if (stockKind == Kinds::Rotation) {
        stock.ChangeStockType(Cam::StockTypes::Rotation);
    } else if (stockKind == Kinds::Section) {
        stock.ChangeStockType(Cam::StockTypes::Section);
    } else {
        stock.ChangeStockType(Cam::StockTypes::Body);
    }
}

} // namespace

CamObject CreatePart(CZkw32Doc* doc, const CamObject& parent)
{
    return CamObject(static_cast<CZKObject*>(slotObject<Cam::Part>(doc, parent, HostIds::GeometrySlots::Part)));
}

CamObject CreateFixture(CZkw32Doc* doc, const CamObject& parent)
{
    return CamObject(static_cast<CZKObject*>(slotObject<Cam::Fixture>(doc, parent, HostIds::GeometrySlots::Fixture)));
}

CamObject CreateStock(CZkw32Doc* doc, const CamObject& parent, const UniqueIdentifier& stockKind,
                      const CamTypeDiscriminator& discriminator)
{
    Cam::Stock* stock = slotObject<Cam::Stock>(doc, parent, HostIds::GeometrySlots::Stock);
    if (stock)
        setStockKind(*stock, stockKind, discriminator);
    return CamObject(static_cast<CZKObject*>(stock));
}

} // namespace Vireo::Cam::Pdm::internal
