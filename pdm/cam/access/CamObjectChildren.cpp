// The CAM object tree: allowed child types, the current children of an object, and
// attaching a created object to its parent.

#include "pdm/cam/CamConsts.h"
#include "pdm/cam/CamObjectManager.h"
#include "pdm/cam/internal/SharedGeometrySets.h"
#include "pdm/cam/internal/ToolPartHandles.h"

#include "platform/cam/Model.h"
#include "platform/cam/ParameterIds.h"

namespace Vireo::Cam::Pdm {

using internal::AsItemOwner;
using internal::BindToolPart;
using internal::FindGeometrySet;
using internal::FindSharedGeometrySet;
using internal::ItemOwnerPart;

namespace {

namespace Slots = HostIds::GeometrySlots;

void insertChildTypes(std::set<std::wstring_view>& result, std::wstring_view key)
{
    const auto children = ChildCamTypes.find(key);
    if (children == ChildCamTypes.end())
        return;
    for (std::wstring_view child : children->second) {
        if (const auto generic = GenericCamTypes.find(child); generic != GenericCamTypes.end()) {
            const auto& [members, selector] = generic->second;
            result.insert(members.begin(), members.end());
        }
        result.insert(child);
    }
}

template <class T>
void appendAll(std::vector<CamObject>& children, const std::vector<T*>& objects)
{
    for (T* object : objects)
        children.emplace_back(static_cast<CZKObject*>(object));
}

template <class T>
void appendSlotObject(std::vector<CamObject>& children, const Cam::GeometrySet& set, const UniqueIdentifier& slot,
                      bool visibleOnly)
{
    if (auto* object = ObjectAs<T>(set.GetModelObject(slot, visibleOnly)))
        children.emplace_back(static_cast<CZKObject*>(object));
}

void appendGeometryChildren(std::vector<CamObject>& children, CZKObject& object, bool visibleOnly)
{
    const Cam::GeometrySet* set = FindGeometrySet(&object);
    if (!set)
        return;
    appendSlotObject<Cam::Stock>(children, *set, Slots::Stock, visibleOnly);
    appendSlotObject<Cam::Fixture>(children, *set, Slots::Fixture, visibleOnly);
    appendSlotObject<Cam::Part>(children, *set, Slots::Part, visibleOnly);
}

void appendToolParts(std::vector<CamObject>& children, Cam::Tool& tool)
{
    if (auto shank = BindToolPart<Cam::ToolShankProp>(tool); shank->HasShank())
        children.emplace_back(std::in_place_index<CamObjectIndex::Shank>, std::move(shank));
    if (auto holder = BindToolPart<Cam::ToolHolderProp>(tool); holder->HasHolder())
        children.emplace_back(std::in_place_index<CamObjectIndex::Holder>, std::move(holder));
    if (auto extension = BindToolPart<Cam::ToolExtensionProp>(tool); extension->HasExtension())
        children.emplace_back(std::in_place_index<CamObjectIndex::Extension>, std::move(extension));
}

// The items stay owned by their list: the handles only point at them.
void appendItems(std::vector<CamObject>& children, const ToolItemOwner& owner)
{
    const Cam::ToolAdditionalProp* part = ItemOwnerPart(owner);
    if (!part)
        return;
    const Cam::ToolAdditionalParamsProp& items = part->GetParamsProp();
    for (int i = 0; i < items.GetParamsCount(); ++i) {
        std::shared_ptr<Cam::ToolAdditionalParams> item(items.GetParams(i), [](Cam::ToolAdditionalParams*) {});
        children.emplace_back(std::in_place_index<CamObjectIndex::Item>, ToolItem(std::move(item), owner));
    }
}

void appendDocumentChildren(std::vector<CamObject>& children, CZKObject& object, bool visibleOnly)
{
    if (auto* project = ObjectAs<Cam::MachiningProject>(&object)) {
        appendAll(children, project->GetMachinings().GetAll());
        appendAll(children, project->GetMachiningGroups().GetAll());
        appendGeometryChildren(children, object, visibleOnly);
    } else if (auto* group = ObjectAs<Cam::MachiningGroup>(&object)) {
        appendAll(children, group->GetMachinings().GetAll());
        appendAll(children, group->GetChildGroups().GetAll());
        appendGeometryChildren(children, object, visibleOnly);
    } else if (auto* machining = ObjectAs<Cam::Machining>(&object)) {
        if (Cam::Tool* tool = machining->GetTool().Get())
            children.emplace_back(static_cast<CZKObject*>(tool));
        appendGeometryChildren(children, object, visibleOnly);
    } else if (ObjectAs<Cam::SharedGeometrySet>(&object)) {
        appendGeometryChildren(children, object, visibleOnly);
    } else if (auto* tool = ObjectAs<Cam::Tool>(&object)) {
        appendToolParts(children, *tool);
    }
}

const UniqueIdentifier* slotOf(const CZKObject& object)
{
    if (ObjectAs<const Cam::Stock>(&object))
        return &Slots::Stock;
    if (ObjectAs<const Cam::Fixture>(&object))
        return &Slots::Fixture;
    if (ObjectAs<const Cam::Part>(&object))
        return &Slots::Part;
    return nullptr;
}

bool addDocumentChild(const CamObject& parent, CZKObject& child)
{
    if (auto* tool = ObjectAs<Cam::Tool>(&child)) {
        auto* machining = DocumentObjectAs<Cam::Machining>(parent);
        if (machining)
            machining->GetTool() = tool;
        return machining != nullptr;
    }
    const UniqueIdentifier* slot = slotOf(child);
    CZKObject* parentObject = DocumentObjectOf(parent);
    if (!slot || !parentObject)
        return false;
    Cam::SharedGeometrySet* shared = FindSharedGeometrySet(child.GetDocumentPtr(), parentObject, true);
    if (!shared)
        return false;
    shared->GetGeometrySet().SetModelObject(*slot, &child);
    return true;
}

// Copies a free-standing shank, holder or extension onto the parent tool; the handle then
// points at the tool's own part.
template <std::size_t Index, class Part, class Copy>
bool addToolPart(const CamObject& parent, CamObject& child, Copy copy)
{
    auto* tool = DocumentObjectAs<Cam::Tool>(parent);
    const auto& part = std::get<Index>(child);
    if (!tool || !part)
        return false;
    (part.get()->*copy)(*tool);
    child.emplace<Index>(BindToolPart<Part>(*tool));
    return true;
}

bool addToolItem(const CamObject& parent, CamObject& child)
{
    const std::optional<ToolItemOwner> owner = AsItemOwner(parent);
    Cam::ToolAdditionalProp* part = owner ? ItemOwnerPart(*owner) : nullptr;
    const auto& item = std::get<CamObjectIndex::Item>(child).first;
    if (!part || !item)
        return false;
    Cam::ToolAdditionalParamsProp& items = part->GetParamsProp();
    items.AddParam();
    std::shared_ptr<Cam::ToolAdditionalParams> added = items.GetParamsPtr(items.GetParamsCount() - 1);
    *added = *item;
    child.emplace<CamObjectIndex::Item>(std::move(added), *owner);
    return true;
}

} // namespace

std::set<std::wstring_view> CamObjectManager::GetChildAppTypes(std::wstring_view type)
{
    std::set<std::wstring_view> result;
    if (type.empty())
        return result;
    insertChildTypes(result, type);
    insertChildTypes(result, CamConsts::AnyObjectInfo::Type);
    for (const auto& [generic, family] : GenericCamTypes)
        if (const auto& [members, selector] = family; members.contains(type))
            insertChildTypes(result, generic);
    return result;
}

std::set<std::wstring_view> CamObjectManager::GetChildAppTypes() const
{
    return GetChildAppTypes(appType);
}

std::vector<CamObject> CamObjectManager::GetChildCamObjects(bool visibleOnly) const
{
    std::vector<CamObject> children;
    if (CZKObject* document = DocumentObjectOf(object))
        appendDocumentChildren(children, *document, visibleOnly);
    else if (const std::optional<ToolItemOwner> owner = AsItemOwner(object))
        appendItems(children, *owner);
    return children;
}

bool CamObjectManager::AddChild(const CamObject& parent, CamObject& child)
{
    switch (child.index()) {
    case CamObjectIndex::Document: {
        CZKObject* document = std::get<CamObjectIndex::Document>(child);
        return document && addDocumentChild(parent, *document);
    }
    case CamObjectIndex::Shank: {
        if (!addToolPart<CamObjectIndex::Shank, Cam::ToolShankProp>(parent, child, &Cam::ToolShankProp::MakeShankCopy))
            return false;
        std::get<CamObjectIndex::Shank>(child)->SetNeedShank(true);
        return true;
    }
    case CamObjectIndex::Holder:
        return addToolPart<CamObjectIndex::Holder, Cam::ToolHolderProp>(parent, child,
                                                                        &Cam::ToolHolderProp::MakeHolderCopy);
    case CamObjectIndex::Extension:
        return addToolPart<CamObjectIndex::Extension, Cam::ToolExtensionProp>(
            parent, child, &Cam::ToolExtensionProp::MakeExtensionCopy);
    default:
        return addToolItem(parent, child);
    }
}

} // namespace Vireo::Cam::Pdm
