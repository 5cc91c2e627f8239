#include "platform/cam/MachiningTree.h"

#include "platform/cam/MachiningProject.h"

namespace Vireo::Cam {
namespace {

// The list of machinings (or groups) a project or group holds; null for other objects.
template <class T>
ObjectList<T>* listOf(CZKObject* candidate)
{
    if (auto* project = dynamic_cast<MachiningProject*>(candidate)) {
        if constexpr (std::is_same_v<T, Machining>)
            return &project->GetMachinings();
        else
            return &project->GetMachiningGroups();
    }
    if (auto* group = dynamic_cast<MachiningGroup*>(candidate)) {
        if constexpr (std::is_same_v<T, Machining>)
            return &group->GetMachinings();
        else
            return &group->GetChildGroups();
    }
    return nullptr;
}

// Calls `visit` with the list that holds the object, if any; its result is returned.
template <class T, class Visit>
auto withParentList(T* object, Visit visit) -> decltype(visit(std::declval<ObjectList<T>&>()))
{
    CZkw32Doc* doc = object->GetDocumentPtr();
    if (!doc)
        return {};
    // The holder is nearly always the owner the object takes its geometry from; every other
    // object is tried only when it is not.
    auto* owner = dynamic_cast<CZKObject*>(object->GetParentGeometrySetOwner());
    if (ObjectList<T>* list = listOf<T>(owner); list && list->IndexOf(object) >= 0)
        return visit(*list);
    for (CZKObject* candidate : doc->GetObjects())
        if (ObjectList<T>* list = listOf<T>(candidate); list && candidate != owner && list->IndexOf(object) >= 0)
            return visit(*list);
    return {};
}

template <class Visit>
auto withItemList(CZKObject* object, Visit visit)
{
    if (auto* machining = dynamic_cast<Machining*>(object))
        return withParentList(machining, [&](ObjectList<Machining>& list) { return visit(list, machining); });
    if (auto* group = dynamic_cast<MachiningGroup*>(object))
        return withParentList(group, [&](ObjectList<MachiningGroup>& list) { return visit(list, group); });
    return decltype(visit(std::declval<ObjectList<Machining>&>(), static_cast<Machining*>(nullptr))){};
}

} // namespace

int MachiningTree::Item::GetOrder() const
{
    return withItemList(object_, [](auto& list, auto* item) { return list.IndexOf(item) + 1; });
}

bool MachiningTree::Item::SetOrder(int order)
{
    return withItemList(object_, [order](auto& list, auto* item) { return list.MoveTo(item, order - 1); });
}

} // namespace Vireo::Cam
