#include "platform/cam/SharedGeometrySet.h"

#include "platform/cam/Fixture.h"
#include "platform/cam/ObjectIcons.h"
#include "platform/cam/Part.h"
#include "platform/cam/Stock.h"
#include "platform/host/HostObjectTypes.h"

#include <algorithm>

namespace Vireo::Cam {
namespace {

std::optional<BodySize> sizeOf(const CZKObject* object)
{
    std::optional<MeasureResult> length, width, height;
    auto measure = [&](const ObjectMeasurer& measurer) {
        length = measurer.Measure(MeasuredQuantities::Length);
        width = measurer.Measure(MeasuredQuantities::Width);
        height = measurer.Measure(MeasuredQuantities::Height);
    };
    if (const auto* stock = dynamic_cast<const Stock*>(object))
        measure(stock->Measurer());
    else if (const auto* part = dynamic_cast<const Part*>(object))
        measure(part->Measurer());
    else if (const auto* fixture = dynamic_cast<const Fixture*>(object))
        measure(fixture->Measurer());
    if (!length || !width || !height)
        return std::nullopt;
    return BodySize{length->value, width->value, height->value};
}

} // namespace

SharedGeometrySet::SharedGeometrySet(CZkw32Doc* doc) : ModelObject(doc), set_(*this)
{
    DeclareDescription();
}

int SharedGeometrySet::GetObjType() const
{
    return ZKObjectTypes::CamSharedGeometrySet;
}

unsigned SharedGeometrySet::GetIconID() const
{
    return Icons::SharedGeometrySet;
}

ObjectMeasurer SharedGeometrySet::Measurer() const
{
    std::optional<BodySize> box;
    for (const auto& [slot, id] : set_.GetSlots()) {
        const std::optional<BodySize> size = sizeOf(set_.GetModelObject(slot));
        if (!size)
            continue;
        box = box ? BodySize{std::max(box->length, size->length), std::max(box->width, size->width),
                             std::max(box->height, size->height)}
                  : *size;
    }
    return ObjectMeasurer(box);
}

void SharedGeometrySet::SaveState(Host::TextNode& node) const
{
    ModelObject::SaveState(node);
    set_.Save(node);
}

void SharedGeometrySet::LoadState(const Host::TextNode& node)
{
    ModelObject::LoadState(node);
    set_.Load(node);
}

} // namespace Vireo::Cam
