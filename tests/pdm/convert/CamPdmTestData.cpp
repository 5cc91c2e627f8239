#include "CamPdmTestData.h"

#include "platform/support/Utf8.h"

namespace Vireo::Cam::Pdm::Testing {
namespace {

std::string utf8(const std::wstring& text)
{
    return Support::WideToUtf8(text);
}

std::wstring braced(const std::wstring& guid)
{
    return L"{" + guid + L"}";
}

std::wstring path(const TechReference& reference, const std::wstring& parameter)
{
    return braced(reference.Reference()) + L"." + braced(parameter);
}

} // namespace

std::string TechnologySeed(const TechReference& r, const char* name, const char* hierarchy)
{
    const std::string metre = "acf9467a-86ac-4aac-bfcf-f9bbf311a761";
    const std::string radian = "928092cb-1742-49dd-adf8-353d3e55784c";
    const std::string geometry = " " + utf8(r.Stock()) + " " + utf8(r.Part()) + " " + utf8(r.Fixture());
    return "<Pdm><Reference guid=\"" + utf8(r.Reference()) + "\" name=\"" + name + "\" hierarchy=\"" + hierarchy +
           "\">\n"
           "<Parameter guid=\"" + utf8(r.Name()) + "\" name=\"Name\"/>\n"
           "<Parameter guid=\"" + utf8(r.Kind()) + "\" name=\"Kind\"/>\n"
           "<Parameter guid=\"" + utf8(r.Diameter()) + "\" name=\"Diameter\" type=\"double\" unit=\"" + metre + "\"/>\n"
           "<Parameter guid=\"" + utf8(r.Reach()) + "\" name=\"Reach\" type=\"double\" unit=\"" + FurlongUnit + "\"/>\n"
           "<Parameter guid=\"" + utf8(r.Angle()) + "\" name=\"Angle\" type=\"double\" unit=\"" + radian + "\"/>\n"
           "<Parameter guid=\"" + utf8(r.Teeth()) + "\" name=\"Teeth\" type=\"int\"/>\n"
           "<Class guid=\"" + utf8(r.Project()) + "\" name=\"Project\" children=\"" + utf8(r.Machining()) + " " +
           utf8(r.Tool()) + geometry + "\"/>\n"
           "<Class guid=\"" + utf8(r.Machining()) + "\" name=\"Machining\" children=\"" + utf8(r.Tool()) + geometry +
           "\"/>\n"
           "<Class guid=\"" + utf8(r.Tool()) + "\" name=\"Tool\"/>\n"
           "<Class guid=\"" + utf8(r.Stock()) + "\" name=\"Stock\"/>\n"
           "<Class guid=\"" + utf8(r.Part()) + "\" name=\"Part\"/>\n"
           "<Class guid=\"" + utf8(r.Fixture()) + "\" name=\"Fixture\"/>\n"
           "</Reference></Pdm>";
}

Vireo::Testing::RuleObjectSeed TechnologyRules(const TechReference& r)
{
    using Vireo::Testing::ParamRowSeed;
    Vireo::Testing::RuleObjectSeed rules;
    rules.name = L"Technology " + r.prefix;
    rules.appCode = L"VIREO CAM";
    rules.datasetGuid = r.Reference();
    rules.types = {
        {L"MachiningProject", braced(r.Project()), L"", L"", std::nullopt, L""},
        {L"Machining", braced(r.Machining()), L"", L"", std::nullopt, L""},
        {L"MachiningGroup", braced(r.Machining()), L"", L"", std::nullopt, L""},
        {L"Tool", braced(r.Tool()), path(r, r.Kind()), L"cutter", std::nullopt, L""},
        {L"Stock", braced(r.Stock()), L"", L"", std::nullopt, L""},
        {L"Part", braced(r.Part()), L"", L"", std::nullopt, L""},
        {L"Fixture", braced(r.Fixture()), L"", L"", std::nullopt, L""},
    };
    auto row = [&](std::wstring appParam, std::wstring appType, const std::wstring& parameter) {
        ParamRowSeed seed;
        seed.appParam = std::move(appParam);
        seed.appType = std::move(appType);
        seed.plmParam = path(r, parameter);
        seed.paramName = seed.appParam;
        return seed;
    };
    rules.params = {row(L"Name", L"", r.Name()), row(L"D", L"Tool", r.Diameter()), row(L"D", L"Tool", r.Reach()),
                    row(L"D", L"Tool", r.Angle()), row(L"D", L"Tool", r.Teeth()), row(L"Name", L"Tool", r.Kind())};
    rules.params[1].plmTag = path(r, r.Kind());
    rules.params[1].plmTagValue = L"cutter";
    rules.params[4].plmTag = path(r, r.Kind());
    rules.params[4].plmTagValue = L"holder";
    rules.params[5].appParamType = L"Link"; // not a plain parameter: never copied
    return rules;
}

void SeedTechnology(Vireo::Testing::PdmFixture& pdm)
{
    pdm.SeedText(std::string("<Pdm><Units><Unit guid=\"") + FurlongUnit + "\" name=\"Furlong\" short=\"fur\"/></Units></Pdm>");
    pdm.SeedText(TechnologySeed(Technology, "Technology", "complex"));
    pdm.SeedText(TechnologySeed(Flat, "Flat technology", "tree"));
    Vireo::Testing::SeedRuleObjects(pdm, {TechnologyRules(Technology), TechnologyRules(Flat)});
}

SharedToolProject BuildSharedToolProject(CZkw32Doc& doc)
{
    namespace Ids = HostIds;
    Model model(&doc);
    SharedToolProject built{};
    built.tool = model.GetTools().Create();
    built.tool->SetLogic(GetDefaultToolLogicFactory().Create(Ids::ToolKinds::MillEnd));
    built.tool->SetName(L"End mill D25");
    built.tool->GetParameters().TrySetValue(Ids::ToolParams::MillEnd::D,
                                            DoubleValue(25, zktypes::ZKUnits::Millimeter));
    built.project = model.GetMachiningProjects().Create();
    built.project->SetName(L"Housing");
    built.first = built.project->GetMachinings().Create();
    built.first->SetStrategy(GetDefaultStrategyFactory().Create(Ids::StrategyKinds::MillLayers));
    built.first->SetName(L"Roughing");
    built.first->GetTool() = built.tool;
    built.second = built.project->GetMachinings().Create();
    built.second->SetStrategy(GetDefaultStrategyFactory().Create(Ids::StrategyKinds::MillLayers));
    built.second->SetName(L"Finishing");
    built.second->GetTool() = built.tool;
    return built;
}

} // namespace Vireo::Cam::Pdm::Testing
