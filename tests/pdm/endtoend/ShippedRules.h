#pragma once
// The shipped seed files of data/pdm in one in-memory PDM, and the rule sets stored in it.

#include "pdm/rules/IntegrationRules.h"
#include "tests/pdm/testing/PdmFixture.h"

#include <memory>
#include <string>
#include <vector>

namespace Vireo::Testing {

// Seed files in the order their dependencies need; the rest of data/pdm must be listed here.
const std::vector<std::string>& ShippedSeedFiles();

// A PDM holding the units, the rule reference, the technology, its rules and the sample project.
std::unique_ptr<PdmFixture> MakeTechnologyPdm(const std::string& database = ":memory:");

// Every rule set of the application "VIREO CAM" in the connected PDM, unfiltered.
Cam::Pdm::IntegrationRules LoadAllRules();

// The GUID of the technology reference and of the sample project in it.
extern const wchar_t* const TechnologyReferenceGuid;
extern const wchar_t* const SampleProjectGuid;

// The GUID text of a sample object by the key the data generator gives it ("endmill", ...).
std::wstring SampleObjectGuid(const std::wstring& key);

} // namespace Vireo::Testing
