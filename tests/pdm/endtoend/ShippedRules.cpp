#include "ShippedRules.h"

#include "pdm/cam/CamConsts.h"
#include "pdm/rules/IntegrationManager.h"
#include "tests/pdm/testing/TestBuilder.h"

#include <map>
#include <stdexcept>

namespace Vireo::Testing {

const wchar_t* const TechnologyReferenceGuid = L"f7c1d3a2-5b8e-4c6f-9a0d-3e2b1c4d5f60";
const wchar_t* const SampleProjectGuid = L"581550a8-7a11-5f17-961e-bb3069eba450";

std::wstring SampleObjectGuid(const std::wstring& key)
{
    // As data/pdm/tools/generate_technology.py derives them from the keys.
    static const std::map<std::wstring, std::wstring> guids = {
        {L"project", L"581550a8-7a11-5f17-961e-bb3069eba450"},
        {L"roughing", L"a4bf4352-bfea-5b9c-859a-30437fec6e5f"},
        {L"layers", L"87601866-c618-5cb0-adc8-ce345090b4c7"},
        {L"endmill", L"14a21046-1865-5a2f-bdd9-17efb6b23d81"},
        {L"holderitem", L"58523c5f-902d-5a47-ad9d-709f3ea4ffd6"},
        {L"stock", L"eb46a858-9c4b-5820-b01c-48a207f0c309"},
        {L"twistdrill", L"189ff993-718d-5b02-bfe5-9535433464c7"},
    };
    return guids.at(key);
}

const std::vector<std::string>& ShippedSeedFiles()
{
    // units.xml and integration-rules.xml are seeded by the fixture itself.
    static const std::vector<std::string> files = {"tools.xml", "tools-rules.xml", "technology.xml",
                                                   "technology-rules.xml", "technology-project.xml"};
    return files;
}

std::unique_ptr<PdmFixture> MakeTechnologyPdm(const std::string& database)
{
    auto pdm = std::make_unique<PdmFixture>(PdmDataFile(""), PdmFixture::RuleReference::Seeded, database);
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
