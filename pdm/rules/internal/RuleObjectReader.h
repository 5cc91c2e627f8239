#pragma once
// Reads a rule object of the PDM as it is cached: its header cells, its type rows and its
// parameter rows, each cell converted by the kind the rule format gives it.

#include "pdm/rules/internal/RuleListValue.h"
#include "platform/arbor/ModelFwd.h"

#include <vector>

namespace Vireo::Cam::Pdm::internal {

// The four header cells, with both row lists not read yet.
RuleListValue readRuleHeader(const Arbor::Model::ReferenceObject& ruleObject);
// Append the rows as they are read: a read that fails half-way leaves the rows read so far.
void readTypeRows(Arbor::Model::ReferenceObject& ruleObject, std::vector<TypesListValue>& rows);
void readParamRows(Arbor::Model::ReferenceObject& ruleObject, std::vector<ParamsListValue>& rows);

} // namespace Vireo::Cam::Pdm::internal
