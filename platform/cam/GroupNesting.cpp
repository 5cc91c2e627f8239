#include "platform/cam/GroupNesting.h"

#include "platform/cam/Model.h"

#include <unordered_map>
#include <utility>
#include <vector>

namespace Vireo::Cam {
namespace {

enum class Visit { OnPath, Done };

// Depth-first with an explicit stack: a chain of groups as long as the file allows must not
// nest calls as deep.
const MachiningGroup* walkFrom(MachiningGroup* start, std::unordered_map<const MachiningGroup*, Visit>& seen)
{
    std::vector<std::pair<MachiningGroup*, std::vector<MachiningGroup*>>> stack;
    seen[start] = Visit::OnPath;
    stack.emplace_back(start, start->GetChildGroups().GetAll());
    while (!stack.empty()) {
        auto& [group, pending] = stack.back();
        if (pending.empty()) {
            seen[group] = Visit::Done;
            stack.pop_back();
            continue;
        }
        MachiningGroup* child = pending.back();
        pending.pop_back();
        const auto known = seen.find(child);
        if (known != seen.end()) {
            if (known->second == Visit::OnPath)
                return child;
            continue;
        }
        seen[child] = Visit::OnPath;
        stack.emplace_back(child, child->GetChildGroups().GetAll());
    }
    return nullptr;
}

} // namespace

const MachiningGroup* FindGroupInsideItself(CZkw32Doc& doc)
{
    std::unordered_map<const MachiningGroup*, Visit> seen;
    for (MachiningGroup* group : Model(&doc).GetMachiningGroups().GetAll())
        if (!seen.count(group))
            if (const MachiningGroup* looped = walkFrom(group, seen))
                return looped;
    return nullptr;
}

} // namespace Vireo::Cam
