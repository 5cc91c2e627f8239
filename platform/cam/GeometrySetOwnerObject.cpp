#include "platform/cam/GeometrySetOwnerObject.h"

#include "platform/cam/ParameterText.h"
#include "platform/cam/SharedGeometrySet.h"
#include "platform/host/Zkw32Doc.h"

namespace Vireo::Cam {

GeometrySet& GeometrySetOwnerObject::GetGeometrySet()
{
    for (int kind : {GeometryKinds::Part, GeometryKinds::Stock})
        if (SharedGeometrySet* source = GetSourceGeometrySet(kind))
            return source->GetGeometrySet();
    return ownSet_;
}

SharedGeometrySet* GeometrySetOwnerObject::GetSourceGeometrySet(int kind, bool /*visibleOnly*/) const
{
    const auto found = sources_.find(kind);
    CZkw32Doc* doc = GetDocumentPtr();
    return found == sources_.end() || !doc ? nullptr : doc->FindObjectAs<SharedGeometrySet>(found->second);
}

void GeometrySetOwnerObject::SetSourceGeometrySet(int kind, SharedGeometrySet* set)
{
    NoteChange();
    if (set)
        sources_.insert_or_assign(kind, set->GetID());
    else
        sources_.erase(kind);
}

IGeometrySetOwner* GeometrySetOwnerObject::GetParentGeometrySetOwner() const
{
    CZkw32Doc* doc = GetDocumentPtr();
    return doc ? doc->FindObjectAs<IGeometrySetOwner>(parentOwner_) : nullptr;
}

bool GeometrySetOwnerObject::TrySetParentGeometrySetOwner(CZKObject* parent)
{
    if (!parent || parent == this || !dynamic_cast<IGeometrySetOwner*>(parent) ||
        parent->GetDocumentPtr() != GetDocumentPtr())
        return false;
    NoteChange();
    parentOwner_ = parent->GetID();
    return true;
}

void GeometrySetOwnerObject::SaveState(Host::TextNode& node) const
{
    ModelObject::SaveState(node);
    ownSet_.Save(node);
    for (const auto& [kind, id] : sources_)
        if (IsKeptObject(*this, id))
            node.Add(L"source", {std::to_wstring(kind), id.toString()});
    node.Add(L"parent-owner", {KeptObjectIdText(*this, parentOwner_)});
}

void GeometrySetOwnerObject::LoadState(const Host::TextNode& node)
{
    ModelObject::LoadState(node);
    ownSet_.Load(node);
    sources_.clear();
    for (const Host::TextNode& child : node.children)
        if (child.key == L"source") {
            child.ExpectArgs(2);
            sources_.insert_or_assign(static_cast<int>(child.ArgInteger(0)), ReadId(child, 1));
        }
    const Host::TextNode& parent = node.Require(L"parent-owner");
    parent.ExpectArgs(1);
    parentOwner_ = ReadId(parent, 0);
}

} // namespace Vireo::Cam
