#include "platform/cam/GeometrySet.h"

#include "platform/cam/ParameterIds.h"
#include "platform/cam/ParameterText.h"
#include "platform/host/Zkw32Doc.h"

namespace Vireo::Cam {

const GeometrySetTypeManager& GeometrySetTypeManager::Instance()
{
    static const GeometrySetTypeManager manager;
    return manager;
}

GeometrySetTypeManager::GeometrySetTypeManager()
    : types_{{HostIds::GeometrySetTypes::Machining, L"Machining geometry"},
             {HostIds::GeometrySetTypes::Turning, L"Turning geometry"}}
{
}

const GeometrySetType* GeometrySetTypeManager::FindType(const UniqueIdentifier& id) const noexcept
{
    for (const GeometrySetType& type : types_)
        if (type.GetId() == id)
            return &type;
    return nullptr;
}

const GeometrySetType* GeometrySet::GetType() const noexcept
{
    return type_.IsEmpty() ? nullptr : GeometrySetTypeManager::Instance().FindType(type_);
}

void GeometrySet::SetType(const GeometrySetType* type)
{
    holder_.NoteChange();
    type_ = type ? type->GetId() : UniqueIdentifier();
}

CZKObject* GeometrySet::GetModelObject(const UniqueIdentifier& slot, bool /*visibleOnly*/) const
{
    const auto found = slots_.find(slot);
    CZkw32Doc* doc = holder_.GetDocumentPtr();
    return found == slots_.end() || !doc ? nullptr : doc->FindObject(found->second);
}

void GeometrySet::SetModelObject(const UniqueIdentifier& slot, CZKObject* object)
{
    holder_.NoteChange();
    if (object)
        slots_.insert_or_assign(slot, object->GetID());
    else
        slots_.erase(slot);
}

void GeometrySet::Save(Host::TextNode& node) const
{
    Host::TextNode& set = node.Add(L"geometry-set", {type_.IsEmpty() ? L"-" : type_.ToString()});
    for (const auto& [slot, id] : slots_)
        if (IsKeptObject(holder_, id))
            set.Add(L"slot", {slot.ToString(), id.toString()});
}

void GeometrySet::Load(const Host::TextNode& node)
{
    const Host::TextNode& set = node.Require(L"geometry-set");
    set.ExpectArgs(1);
    type_ = set.args[0] == L"-" ? UniqueIdentifier() : set.ArgIdentifier(0);
    if (!type_.IsEmpty() && !GeometrySetTypeManager::Instance().FindType(type_))
        set.Fail("unknown geometry-set type");
    slots_.clear();
    for (const Host::TextNode& slot : set.children) {
        if (slot.key != L"slot")
            slot.Fail("a geometry set holds only \"slot\" lines");
        slot.ExpectArgs(2);
        slots_.insert_or_assign(slot.ArgIdentifier(0), ReadId(slot, 1));
    }
}

} // namespace Vireo::Cam
