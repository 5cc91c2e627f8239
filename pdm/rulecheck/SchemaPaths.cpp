#include "pdm/rulecheck/internal/SchemaPaths.h"

#include "platform/arbor/ParameterGroup.h"
#include "platform/arbor/ParameterInfo.h"
#include "platform/arbor/SystemGuid.h"

namespace Vireo::Cam::Pdm::internal {

namespace Model = Arbor::Model;

std::wstring Named(const std::wstring& name, const std::wstring& guidText)
{
    return name.empty() ? guidText : L"\"" + name + L"\" (" + guidText + L")";
}

std::variant<GroupPtr, std::wstring> WalkGroups(GroupPtr at, const std::vector<std::wstring>& groups)
{
    for (const std::wstring& key : groups) {
        const auto guid = System::Guid::TryParse(key);
        if (!guid)
            return L"the path item \"" + key + L"\" is no GUID";
        if (at->Guid() == *guid)
            continue;
        const auto hierarchy = at->IsReference() ? at->HierarchyGroup() : nullptr;
        if (hierarchy && hierarchy->Guid() == *guid)
            continue;
        const auto group = at->IsReference() ? at->GetAllGroups().Find(*guid) : nullptr;
        if (!group)
            return L"the path's group " + key + L" is no group of " + Named(at->Name(), at->Guid().ToString());
        if (group->IsLinkGroup()) {
            at = group->SlaveGroup();
            if (!at)
                return L"the path's link " + Named(group->Name(), key) + L" leads nowhere";
        } else if (group->IsTable()) {
            at = group;
        }
    }
    return at;
}

std::shared_ptr<Model::ParameterInfo> ObjectParameter(const GroupPtr& at, const std::wstring& guidText)
{
    const auto guid = System::Guid::TryParse(guidText);
    if (!guid)
        return nullptr;
    if (auto parameter = at->Item(*guid))
        return parameter;
    if (!at->IsReference())
        return nullptr;
    for (const auto& group : at->GetAllGroups())
        if (!group->IsLinkGroup() && !group->IsTable())
            if (auto parameter = group->Item(*guid))
                return parameter;
    return nullptr;
}

} // namespace Vireo::Cam::Pdm::internal
