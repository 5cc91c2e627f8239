#pragma once
// Reads a rule object of the PDM as it is cached: its header cells, its type rows and its
// parameter rows, each cell converted by the kind the rule format gives it.

#include "pdm/rules/IntegrationRules.h"
#include "pdm/rules/internal/RuleListValue.h"
#include "platform/arbor/ModelFwd.h"

#include <vector>

namespace Vireo::Cam::Pdm::internal {

// The four header cells, with both row lists not read yet.
RuleListValue readRuleHeader(const Arbor::Model::ReferenceObject& ruleObject);
// Append the rows as they are read: a read that fails half-way leaves the rows read so far.
void readTypeRows(Arbor::Model::ReferenceObject& ruleObject, std::vector<TypesListValue>& rows);
void readParamRows(Arbor::Model::ReferenceObject& ruleObject, std::vector<ParamsListValue>& rows);

// The rows as builders see them: the class of a type row's cell, paths split into groups
// and parameter.
Types asTypes(const TypesListValue& row);
Parameters asParameters(const ParamsListValue& row);

} // namespace Vireo::Cam::Pdm::internal
