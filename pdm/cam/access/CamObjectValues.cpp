// GetValue and SetValue of CamObjectManager: "Name" of any document object first, then the
// rows of the held object's class.

#include "pdm/cam/CamConsts.h"
#include "pdm/cam/internal/CamValueAccess.h"

#include "platform/cam/Model.h"

namespace Vireo::Cam::Pdm {

using namespace internal;

namespace {

constexpr std::wstring_view nameParameter = CamConsts::AnyObjectInfo::Name;
constexpr std::wstring_view descriptionParameter = CamConsts::MachiningInfo::Description;
constexpr std::wstring_view orderParameter = CamConsts::MachiningInfo::OrderNo;

CamValuePtr readDocumentObjectValue(CZKObject& object, std::wstring_view appType, std::wstring_view name,
                                    const UniqueIdentifier& id)
{
    if (name == nameParameter)
        return MakeOwnedValue<Cam::StringValue>(object.GetName());
    if (auto* tool = dynamic_cast<Cam::Tool*>(&object))
        return ReadToolValue(*tool, appType, name, id);
    if (auto* project = dynamic_cast<Cam::MachiningProject*>(&object))
        return ReadMachiningProjectValue(*project, name);
    if (auto* group = dynamic_cast<Cam::MachiningGroup*>(&object))
        return ReadMachiningGroupValue(*group, name);
    if (auto* machining = dynamic_cast<Cam::Machining*>(&object))
        return ReadMachiningValue(*machining, appType, name, id);
    if (auto* stock = dynamic_cast<Cam::Stock*>(&object))
        return ReadStockValue(*stock, appType, name);
    if (auto* part = dynamic_cast<Cam::Part*>(&object))
        return ReadPartValue(*part, name);
    if (auto* fixture = dynamic_cast<Cam::Fixture*>(&object))
        return ReadFixtureValue(*fixture, name);
    if (auto* set = dynamic_cast<Cam::SharedGeometrySet*>(&object))
        return ReadSharedGeometrySetValue(*set, name);
    return nullptr;
}

// The classes whose description the rules may write (tools and machine set-ups are not).
Cam::ModelObject* describedObject(CZKObject& object)
{
    if (dynamic_cast<Cam::MachiningProject*>(&object) || dynamic_cast<Cam::MachiningGroup*>(&object) ||
        dynamic_cast<Cam::Machining*>(&object) || dynamic_cast<Cam::Stock*>(&object) ||
        dynamic_cast<Cam::Part*>(&object) || dynamic_cast<Cam::Fixture*>(&object) ||
        dynamic_cast<Cam::SharedGeometrySet*>(&object))
        return dynamic_cast<Cam::ModelObject*>(&object);
    return nullptr;
}

bool writeDescription(CZKObject& object, const Cam::BaseValue& value)
{
    Cam::ModelObject* described = describedObject(object);
    const Cam::StringValue* text = value.AsString();
    if (!described || !text)
        return false;
    described->SetDescription(text->GetValue());
    return true;
}

bool isMachiningTreeItem(const CZKObject& object)
{
    return dynamic_cast<const Cam::Machining*>(&object) || dynamic_cast<const Cam::MachiningGroup*>(&object);
}

bool writeDocumentObjectValue(CZKObject& object, std::wstring_view appType, std::wstring_view name,
                              const UniqueIdentifier& id, const Cam::BaseValue& value)
{
    if (name == nameParameter) {
        const Cam::StringValue* text = value.AsString();
        if (text)
            object.SetName(text->GetValue());
        return text != nullptr;
    }
    if (auto* tool = dynamic_cast<Cam::Tool*>(&object))
        return WriteToolValue(*tool, appType, name, id, value);
    if (name == descriptionParameter)
        return writeDescription(object, value);
    if (name == orderParameter && isMachiningTreeItem(object))
        return WriteMachiningOrder(object, value);
    if (auto* machining = dynamic_cast<Cam::Machining*>(&object))
        return WriteMachiningParameter(*machining, id, value);
    if (auto* stock = dynamic_cast<Cam::Stock*>(&object))
        return WriteStockValue(*stock, name, value);
    if (auto* part = dynamic_cast<Cam::Part*>(&object))
        return WritePartValue(*part, name, value);
    return false;
}

} // namespace

CamValuePtr CamObjectManager::GetValue(std::wstring_view name) const
{
    switch (object.index()) {
    case CamObjectIndex::Document: {
        CZKObject* document = std::get<CamObjectIndex::Document>(object);
        return document ? readDocumentObjectValue(*document, appType, name, GetParameterId(name)) : nullptr;
    }
    case CamObjectIndex::Shank: {
        const auto& shank = std::get<CamObjectIndex::Shank>(object);
        return shank ? ReadShankValue(*shank, name) : nullptr;
    }
    case CamObjectIndex::Holder: {
        const auto& holder = std::get<CamObjectIndex::Holder>(object);
        return holder ? ReadAdditionalPartValue(*holder, CamConsts::ToolHolderInfo::CommonLength, name) : nullptr;
    }
    case CamObjectIndex::Extension: {
        const auto& extension = std::get<CamObjectIndex::Extension>(object);
        return extension ? ReadAdditionalPartValue(*extension, CamConsts::ToolExtensionInfo::CommonLength, name)
                         : nullptr;
    }
    default: {
        const auto& item = std::get<CamObjectIndex::Item>(object).first;
        return item ? ReadToolItemValue(*item, name) : nullptr;
    }
    }
}

bool CamObjectManager::SetValue(std::wstring_view name, const Cam::BaseValue& value)
{
    switch (object.index()) {
    case CamObjectIndex::Document: {
        CZKObject* document = std::get<CamObjectIndex::Document>(object);
        return document && writeDocumentObjectValue(*document, appType, name, GetParameterId(name), value);
    }
    case CamObjectIndex::Shank: {
        const auto& shank = std::get<CamObjectIndex::Shank>(object);
        return shank && WriteShankValue(*shank, name, value);
    }
    case CamObjectIndex::Holder: {
        const auto& holder = std::get<CamObjectIndex::Holder>(object);
        return holder && WriteAdditionalPartValue(*holder, name, value);
    }
    case CamObjectIndex::Extension: {
        const auto& extension = std::get<CamObjectIndex::Extension>(object);
        return extension && WriteAdditionalPartValue(*extension, name, value);
    }
    default: {
        const auto& item = std::get<CamObjectIndex::Item>(object).first;
        return item && WriteToolItemValue(*item, name, value);
    }
    }
}

} // namespace Vireo::Cam::Pdm
