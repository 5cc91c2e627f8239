#include "ShippedRules.h"

#include "pdm/cam/CamConsts.h"
#include "pdm/rules/IntegrationManager.h"
#include "tests/pdm/testing/TestBuilder.h"

#include <stdexcept>

namespace Vireo::Testing {

const wchar_t* const TechnologyReferenceGuid = L"6b2b3787-65c5-5fb7-aeee-372ad381b994";
const wchar_t* const SampleProjectGuid = L"581550a8-7a11-5f17-961e-bb3069eba450";

const std::vector<std::string>& ShippedSeedFiles()
{
    // units.xml and integration-rules.xml are seeded by the fixture itself.
    static const std::vector<std::string> files = {"tools.xml", "tools-rules.xml", "technology.xml",
                                                   "technology-rules.xml", "technology-project.xml"};
    return files;
}

std::unique_ptr<PdmFixture> MakeTechnologyPdm()
{
    auto pdm = std::make_unique<PdmFixture>(PdmDataFile(""));
    for (const std::string& file : ShippedSeedFiles())
        pdm->SeedFile(PdmDataFile(file));
    return pdm;
}

Cam::Pdm::IntegrationRules LoadAllRules()
{
    TestBuilder builder;
    builder.appFilter[std::wstring(Cam::Pdm::CamConsts::IntegrationInfo::AppCode)] = std::nullopt;
    if (!Cam::Pdm::IntegrationManager().MakeData(builder) || builder.received.size() != 1)
        throw std::runtime_error("the rule sets could not be loaded");
    return builder.received.front();
}

} // namespace Vireo::Testing
