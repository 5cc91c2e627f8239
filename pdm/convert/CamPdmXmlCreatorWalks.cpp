// The description of a CAM subtree: one creator per CAM child, each with its own document,
// gathered depth-first into the parent's document, shared objects described once.
#include "pdm/convert/CamPdmXmlCreator.h"

#include "pdm/cam/CamObjectManager.h"
#include "pdm/rules/IntegrationManager.h"

#include "platform/support/Utf8.h"
#include "platform/xml/Document.h"

#include <optional>
#include <unordered_map>
#include <unordered_set>

namespace Vireo::Cam::Pdm {
namespace {

using DocumentHandle = std::shared_ptr<zkaux::xml::Document>;
using ParentLists = std::unordered_map<CamObjectId, std::vector<CamObjectId>>;

struct StackEntry {
    CamObject object;
    bool expanded;
    DocumentHandle own;
    DocumentHandle parent;
};

bool isShared(const CamObject& object)
{
    for (const wchar_t* type : {L"Stock", L"Part", L"Fixture", L"Tool"})
        if (CamObjectManager::IsCamObject(object, type))
            return true;
    return false;
}

zkaux::xml::Node objectsOf(zkaux::xml::Document& document)
{
    const auto root = document.GetRoot();
    return root ? root.GetSubNode("Objects") : zkaux::xml::Node();
}

void copyObjects(zkaux::xml::Document& from, zkaux::xml::Document& to)
{
    const auto source = objectsOf(from);
    auto target = objectsOf(to);
    if (!source || !target)
        return;
    for (const auto& element : source.GetChildren())
        target.AppendChild(element.CloneTree(to));
}

std::optional<CamObjectId> idOf(const zkaux::xml::Node& element)
{
    const auto text = element.GetAttribute("id");
    if (!text)
        return std::nullopt;
    try {
        return CamObjectManager::idFromString(Support::Utf8ToWide(*text));
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

void addParents(zkaux::xml::Document& document, const ParentLists& parents)
{
    const auto objects = objectsOf(document);
    if (!objects)
        return;
    for (auto element : objects.GetChildren()) {
        const auto id = idOf(element);
        const auto found = id ? parents.find(*id) : parents.end();
        if (found == parents.end())
            continue;
        auto list = element.AddChild("Parents");
        for (const auto& parent : found->second)
            list.AddChild("Parent").SetAttribute("id", Support::WideToUtf8(CamObjectManager::idToString(parent)));
    }
}

} // namespace

void CamPdmXmlCreator::CreateChildren()
{
    std::vector<StackEntry> stack{{camObject, false, document, nullptr}};
    std::unordered_set<CamObjectId> described;
    ParentLists parents;
    while (!stack.empty()) {
        StackEntry& top = stack.back();
        if (top.expanded) {
            if (top.parent && top.own)
                copyObjects(*top.own, *top.parent);
            stack.pop_back();
            continue;
        }
        top.expanded = true;
        const CamObjectId topId = CamObjectManager::GetId(top.object);
        const DocumentHandle topDocument = top.own;
        const auto children = CamObjectManager(top.object).GetChildCamObjects(true);
        for (const CamObject& child : children) {
            const CamObjectId childId = CamObjectManager::GetId(child);
            parents[childId].push_back(topId);
            const bool shared = isShared(child);
            if (shared && described.count(childId))
                continue;
            CamPdmXmlCreator creator(child);
            if (!IntegrationManager().MakeData(creator) || !creator.GetDocument())
                continue;
            stack.push_back({child, false, creator.GetDocument(), topDocument});
            if (shared)
                described.insert(childId);
        }
    }
    if (document)
        addParents(*document, parents);
}

} // namespace Vireo::Cam::Pdm
