#pragma once
// The one way a conversion runs: load the integration rules a builder asks for (from the
// process-wide caches, or by searching the rule reference of the connected PDM) and run the
// builder over a private copy of them.

#include "pdm/rules/IntegrationBuilder.h"

namespace Vireo::Cam::Pdm {

class IntegrationManager {
public:
    // False without a connection or when the rule reference cannot be searched; otherwise
    // the builder's ProcessRules result. Errors of the PDM model propagate, and a load that
    // failed leaves the rule-set cache as it was.
    bool MakeData(IntegrationBuilder& builder);
};

} // namespace Vireo::Cam::Pdm
