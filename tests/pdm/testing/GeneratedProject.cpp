#include "tests/pdm/testing/GeneratedProject.h"

#include "tests/pdm/testing/RuleSeed.h"

#include "pdm/convert/PdmCamCreator.h"
#include "pdm/rules/IntegrationManager.h"

#include "platform/arbor/SystemGuid.h"

#include <cstdio>
#include <cwchar>
#include <string>

namespace Vireo::Testing {
namespace {

constexpr wchar_t reference[] = L"50000000-0000-4000-8000-000000000000";
constexpr wchar_t nameParameter[] = L"50000000-0000-4000-8000-000000000001";
constexpr wchar_t kindParameter[] = L"50000000-0000-4000-8000-000000000002";
constexpr wchar_t feedParameter[] = L"50000000-0000-4000-8000-000000000003";
constexpr wchar_t diameterParameter[] = L"50000000-0000-4000-8000-000000000004";
constexpr wchar_t orderParameter[] = L"50000000-0000-4000-8000-000000000005";
constexpr wchar_t projectClass[] = L"50000000-0000-4000-8000-0000000000c1";
constexpr wchar_t machiningClass[] = L"50000000-0000-4000-8000-0000000000c2";
constexpr wchar_t toolClass[] = L"50000000-0000-4000-8000-0000000000c3";
constexpr wchar_t project[] = L"5f000000-0000-4000-8000-000000000000";

std::string objectGuid(char kind, int index)
{
    char text[40];
    std::snprintf(text, sizeof text, "5%c000000-0000-4000-8000-%012d", kind, index);
    return text;
}

std::string narrow(const wchar_t* text)
{
    return std::string(text, text + std::wcslen(text));
}

std::string value(const wchar_t* parameter, const std::string& text)
{
    return "<Value param=\"" + narrow(parameter) + "\">" + text + "</Value>";
}

// The project with its machinings and their tools as seed text.
std::string projectSeed(int machinings)
{
    std::string seed = "<Pdm><Reference guid=\"" + narrow(reference) + "\" name=\"Technology\" hierarchy=\"complex\">";
    seed += "<Parameter guid=\"" + narrow(nameParameter) + "\" name=\"Name\"/>";
    seed += "<Parameter guid=\"" + narrow(kindParameter) + "\" name=\"Kind\"/>";
    seed += "<Parameter guid=\"" + narrow(feedParameter) + "\" name=\"Feed\" type=\"double\"/>";
    seed += "<Parameter guid=\"" + narrow(diameterParameter) +
            "\" name=\"D\" type=\"double\" unit=\"acf9467a-86ac-4aac-bfcf-f9bbf311a761\"/>";
    seed += "<Parameter guid=\"" + narrow(orderParameter) + "\" name=\"Order\" type=\"int\"/>";
    seed += "<Class guid=\"" + narrow(projectClass) + "\" name=\"Project\"/>";
    seed += "<Class guid=\"" + narrow(machiningClass) + "\" name=\"Machining\"/>";
    seed += "<Class guid=\"" + narrow(toolClass) + "\" name=\"Tool\"/>";
    seed += "<Object guid=\"" + narrow(project) + "\" class=\"" + narrow(projectClass) + "\">" +
            value(nameParameter, "Generated project") + "</Object>";
    for (int i = 0; i < machinings; ++i) {
        const std::string machining = objectGuid('a', i);
        seed += "<Object guid=\"" + machining + "\" class=\"" + narrow(machiningClass) + "\" parents=\"" +
                narrow(project) + "\">" + value(nameParameter, "Machining " + std::to_string(i)) +
                value(kindParameter, "MillLayers") + value(feedParameter, "800") +
                value(orderParameter, std::to_string(i + 1)) + "</Object>";
        seed += "<Object guid=\"" + objectGuid('b', i) + "\" class=\"" + narrow(toolClass) + "\" parents=\"" +
                machining + "\">" + value(nameParameter, "Tool " + std::to_string(i)) +
                value(kindParameter, "ToolMillEnd") + value(diameterParameter, "0.01") + "</Object>";
    }
    return seed + "</Reference></Pdm>";
}

RuleObjectSeed technologyRules()
{
    const auto path = [](const wchar_t* parameter) {
        return L"{" + std::wstring(reference) + L"}.{" + parameter + L"}";
    };
    RuleObjectSeed rules;
    rules.name = L"Generated technology";
    rules.appCode = L"VIREO CAM";
    rules.datasetGuid = reference;
    rules.types = {{L"MachiningProject", projectClass}, {L"Machining", machiningClass}, {L"Tool", toolClass}};
    rules.params = {{L"Name", path(nameParameter)},
                    {L"MachiningType", path(kindParameter), L"Machining", machiningClass},
                    {L"ToolType", path(kindParameter), L"Tool", toolClass},
                    {L"Feed", path(feedParameter)},
                    {L"OrderNo", path(orderParameter), L"Machining", machiningClass},
                    {L"D", path(diameterParameter)}};
    return rules;
}

} // namespace

GeneratedProject::GeneratedProject(const std::filesystem::path& dataDirectory, int machinings,
                                   const std::string& database)
    : pdm_(dataDirectory, PdmFixture::RuleReference::Seeded, database)
{
    pdm_.SeedText(projectSeed(machinings));
    SeedRuleObjects(pdm_, {technologyRules()});
}

bool GeneratedProject::Import(CZkw32Doc& doc)
{
    Cam::Pdm::PdmCamCreator creator(System::Guid::Parse(project), System::Guid::Parse(reference), &doc,
                                    Cam::UI::MachiningProjectsNode);
    creator.SetRecursive(true);
    return Cam::Pdm::IntegrationManager().MakeData(creator);
}


} // namespace Vireo::Testing
