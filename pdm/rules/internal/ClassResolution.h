#pragma once
// Where and as what a CAM object goes into the PDM: the reference, the PDM class and the
// dataset whose rules apply to an object to be created or updated, the class of a new linked
// object or table row, and the creation of a new reference object.

#include "pdm/rules/IntegrationRules.h"
#include "pdm/rules/PdmBuilder.h"
#include "pdm/rules/SubObjectClass.h"
#include "platform/arbor/ModelFwd.h"

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace Vireo::Cam::Pdm::internal {

// (reference GUID text, GUID texts of classes), in the order the listing functions give.
using ClassListing = std::vector<std::pair<std::wstring, std::vector<std::wstring>>>;

// The choice for one object: its reference, the type row that gives its class, and the
// dataset entries of the rule set that the row comes from.
struct ClassAndRule {
    std::wstring referenceGuid;
    Types row;
    const IntegrationRules::TypesMap::value_type* types = nullptr;
    const IntegrationRules::ParamsMap::value_type* params = nullptr;
};

// The dataset and type row for the class of an existing object.
std::optional<ClassAndRule> findClassAndRuleForUpdate(const PdmObject& updateObject, const IntegrationRules& rules);
// The dataset, reference and type row for a new object under `parent` (or at the top of a
// reference when there is none). Only datasets with parameter rows are chosen.
std::optional<ClassAndRule> findClassAndRuleForParent(const PdmObject& parent, const IntegrationRules& rules);

// The root classes of the reference with this GUID text, or of every reference when the
// text is empty.
ClassListing getRootClasses(const std::wstring& referenceGuid, bool withoutAbstract);
// The classes allowed for children of `parent`.
ClassListing getChildClasses(const PdmObject& parent, bool withoutAbstract);

using Pdm::getClassObject;

// A new object of `objectClass` in the described reference, under `parent` when given.
PdmObject makeDatasetObject(const std::shared_ptr<Arbor::Model::ReferenceInfo>& reference,
                            const std::shared_ptr<Arbor::Model::ClassObject>& objectClass, const PdmObject& parent);

} // namespace Vireo::Cam::Pdm::internal
