#pragma once
// The integration rules of a PDM checked against the CAM type catalogue and the PDM schema:
// every row that names what does not exist, or that can never take effect, is a problem.
// Whoever maintains a shop's rules finds mistakes here instead of in a failed transfer.

#include "platform/arbor/ModelFwd.h"

#include <optional>
#include <string>
#include <vector>

namespace Vireo::Cam::Pdm {

struct RuleProblem {
    std::wstring ruleObject; // the rule object's name
    std::wstring row;        // "type row 3 (ToolHolder)", "parameter row 19 \"Holder name\"", or empty
    std::wstring what;       // what is wrong, in one sentence
};

// Checks the rule objects of this module's application; rule objects of other applications
// are left alone. Nothing when the PDM has no rule reference that can be loaded. Model errors
// propagate.
std::optional<std::vector<RuleProblem>> CheckIntegrationRules(const Arbor::Model::ServerConnection& connection);

} // namespace Vireo::Cam::Pdm
