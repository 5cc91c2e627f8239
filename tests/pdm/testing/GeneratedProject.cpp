#include "tests/pdm/testing/GeneratedProject.h"

#include "tests/pdm/testing/RuleSeed.h"

#include "pdm/cam/CamObjectManager.h"
#include "pdm/convert/CamPdmCreator.h"
#include "pdm/convert/PdmCamComparator.h"
#include "pdm/convert/PdmCamCreator.h"
#include "pdm/links/ObjectId.h"
#include "pdm/rules/IntegrationManager.h"

#include "platform/arbor/Database.h"
#include "platform/arbor/ServerConnection.h"
#include "platform/arbor/ServerGateway.h"
#include "platform/arbor/SystemGuid.h"
#include "platform/cam/Model.h"

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

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
    // The classes' children let an export of the project place its machinings and tools.
    seed += "<Class guid=\"" + narrow(projectClass) + "\" name=\"Project\" children=\"" + narrow(machiningClass) + "\"/>";
    seed += "<Class guid=\"" + narrow(machiningClass) + "\" name=\"Machining\" children=\"" + narrow(toolClass) + "\"/>";
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

// The imported project, its machinings and their tools.
std::vector<Cam::Pdm::CamObject> importedObjects(CZkw32Doc& doc)
{
    std::vector<Cam::Pdm::CamObject> objects;
    const Cam::Model model(&doc);
    for (CZKObject* object : model.GetMachiningProjects().GetAll())
        objects.emplace_back(object);
    for (CZKObject* object : model.GetMachinings().GetAll())
        objects.emplace_back(object);
    for (CZKObject* object : model.GetTools().GetAll())
        objects.emplace_back(object);
    return objects;
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

std::size_t GeneratedProject::Compare(CZkw32Doc& doc)
{
    const std::vector<Cam::Pdm::CamObject> objects = importedObjects(doc);
    for (const Cam::Pdm::CamObject& object : objects) {
        const auto id = Cam::Pdm::GetObjectIdFromUri(Cam::Pdm::CamObjectManager::GetUri(object));
        if (!id)
            return 0;
        Cam::Pdm::PdmCamComparator comparator(id->second, id->first, object);
        if (!Cam::Pdm::IntegrationManager().MakeData(comparator) || comparator.IsDifferent())
            return 0;
    }
    return objects.size();
}

std::size_t GeneratedProject::Export(CZkw32Doc& doc)
{
    const auto projects = Cam::Model(&doc).GetMachiningProjects().GetAll();
    if (projects.empty())
        return 0;
    Arbor::Model::Database::Transaction command(Arbor::Model::ServerGateway::Connection()->GetDatabase());
    Cam::Pdm::CamPdmCreator creator(Cam::Pdm::CamObject{static_cast<CZKObject*>(projects.front())},
                                    System::Guid::Parse(reference));
    creator.SetRecursive(true);
    if (!Cam::Pdm::IntegrationManager().MakeData(creator))
        return 0;
    command.Commit();
    return creator.GetExportedObjects().size();
}

} // namespace Vireo::Testing
