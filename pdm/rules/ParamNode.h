#pragma once
// The tree of parameter rows that the application-side traversal walks: one node per
// parameter group on the way from an object to its parameters, each node carrying the
// PDM object it stands for once the traversal has reached it.

#include "pdm/rules/IntegrationRules.h"
#include "platform/arbor/ModelFwd.h"
#include "platform/support/Utf16Order.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace Vireo::Cam::Pdm {

struct ParamNode {
    std::shared_ptr<Vireo::Arbor::Model::ReferenceObject> object;
    // Group key text -> the subtree under that group; copies of a node copy the subtree,
    // so every queued copy can carry its own objects.
    std::map<std::wstring, ParamNode, Support::Utf16Less> children;
    std::vector<Parameters> params;
};

// The tree of `rows`: each row hangs under the node reached by its group path, in row
// order. Rows without a group path are left out.
ParamNode BuildParamTree(const std::vector<Parameters>& rows);

} // namespace Vireo::Cam::Pdm
