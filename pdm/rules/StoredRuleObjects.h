#pragma once
// The rule objects of a PDM as they are stored: every row in the PDM's order, none filtered
// out. Builders only ever see the rows their filters let through; whoever maintains the rules
// needs to see all of them.

#include "pdm/rules/IntegrationRules.h"
#include "platform/arbor/ModelFwd.h"

#include <optional>
#include <vector>

namespace Vireo::Cam::Pdm {

struct StoredRuleObject {
    AppDataset dataset;
    std::vector<Types> types;       // rows in the PDM's order, paths split as builders see them
    std::vector<Parameters> params; // likewise
};

// Read past the rule caches, so that what was just changed in the PDM is what is seen.
// Nothing when the PDM has no rule reference or it cannot be loaded; model errors propagate.
std::optional<std::vector<StoredRuleObject>> ReadStoredRuleObjects(const Arbor::Model::ServerConnection& connection);

} // namespace Vireo::Cam::Pdm
