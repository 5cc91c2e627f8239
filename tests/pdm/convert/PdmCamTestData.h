#pragma once
// A small machining workshop in the PDM for the PDM-to-CAM builders: one reference whose
// hierarchy holds a project, a group, two machinings sharing one tool, a stock that occurs
// again one level down, a part and a fixture; the project's owner is a maker with a link of
// its own and a table of sites. Lengths are in metres. Rule rows map kinds through the
// generic types "Tool", "Stock" and "Machining"; the group holding the kinds sorts after
// the geometry group, so it is handled first. Key texts are chosen to be easy to read.

#include "tests/pdm/testing/PdmSeed.h"
#include "tests/pdm/testing/RuleSeed.h"

#include <string>

namespace Vireo::Cam::Pdm::Testing {

namespace Shop {
inline constexpr wchar_t Reference[] = L"30000000-0000-4000-8000-000000000000";
inline constexpr wchar_t Name[] = L"30000000-0000-4000-8000-000000000001";
inline constexpr wchar_t Description[] = L"30000000-0000-4000-8000-000000000002";
inline constexpr wchar_t Kind[] = L"30000000-0000-4000-8000-000000000003";
inline constexpr wchar_t Feed[] = L"30000000-0000-4000-8000-000000000004";
inline constexpr wchar_t Geometry[] = L"2a000000-0000-4000-8000-000000000000";
inline constexpr wchar_t D[] = L"2a000000-0000-4000-8000-000000000001";
inline constexpr wchar_t Angle[] = L"2a000000-0000-4000-8000-000000000002";
inline constexpr wchar_t Z[] = L"2a000000-0000-4000-8000-000000000003";
inline constexpr wchar_t Plain[] = L"2a000000-0000-4000-8000-000000000004";
inline constexpr wchar_t Owner[] = L"3c000000-0000-4000-8000-000000000000";
inline constexpr wchar_t ProjectClass[] = L"30000000-0000-4000-8000-0000000000c1";
inline constexpr wchar_t GroupClass[] = L"30000000-0000-4000-8000-0000000000c2";
inline constexpr wchar_t MachiningClass[] = L"30000000-0000-4000-8000-0000000000c3";
inline constexpr wchar_t ToolClass[] = L"30000000-0000-4000-8000-0000000000c4";
inline constexpr wchar_t StockClass[] = L"30000000-0000-4000-8000-0000000000c5";
inline constexpr wchar_t PartClass[] = L"30000000-0000-4000-8000-0000000000c6";
inline constexpr wchar_t FixtureClass[] = L"30000000-0000-4000-8000-0000000000c7";
inline constexpr wchar_t Project[] = L"30000000-0000-4000-8000-0000000000a1";
inline constexpr wchar_t Group[] = L"30000000-0000-4000-8000-0000000000a2";
inline constexpr wchar_t Layers[] = L"30000000-0000-4000-8000-0000000000a3";
inline constexpr wchar_t Drilling[] = L"30000000-0000-4000-8000-0000000000a4";
inline constexpr wchar_t EndMill[] = L"30000000-0000-4000-8000-0000000000a5";
inline constexpr wchar_t Blank[] = L"30000000-0000-4000-8000-0000000000a6";
inline constexpr wchar_t Part[] = L"30000000-0000-4000-8000-0000000000a7";
inline constexpr wchar_t Vice[] = L"30000000-0000-4000-8000-0000000000a8";
inline constexpr wchar_t KindlessStock[] = L"30000000-0000-4000-8000-0000000000a9";
inline constexpr wchar_t Drill[] = L"30000000-0000-4000-8000-0000000000aa";
} // namespace Shop

namespace Makers {
inline constexpr wchar_t Reference[] = L"40000000-0000-4000-8000-000000000000";
inline constexpr wchar_t Name[] = L"40000000-0000-4000-8000-000000000001";
inline constexpr wchar_t Country[] = L"4c000000-0000-4000-8000-000000000000";
inline constexpr wchar_t Sites[] = L"4d000000-0000-4000-8000-000000000000";
inline constexpr wchar_t Site[] = L"4d000000-0000-4000-8000-000000000001";
inline constexpr wchar_t SiteClass[] = L"4d000000-0000-4000-8000-0000000000c1";
inline constexpr wchar_t MakerClass[] = L"40000000-0000-4000-8000-0000000000c1";
inline constexpr wchar_t Acme[] = L"40000000-0000-4000-8000-0000000000a1";
inline constexpr wchar_t Nordland[] = L"40000000-0000-4000-8000-0000000000a2";
} // namespace Makers

// Units of the shipped units reference.
inline constexpr wchar_t Metre[] = L"acf9467a-86ac-4aac-bfcf-f9bbf311a761";
inline constexpr wchar_t Radian[] = L"928092cb-1742-49dd-adf8-353d3e55784c";

inline std::string ShopSeed()
{
    namespace S = Vireo::Testing::Seed;
    using namespace Shop;
    const std::string makers = S::Reference(
        Makers::Reference, "Makers",
        {S::Parameter({Makers::Name, "Name"}), S::LinkGroup(Makers::Country, "Country", Makers::Reference),
         S::Table(Makers::Sites, "Sites", {{Makers::Site, "Site"}}, Makers::SiteClass, "SiteRow"),
         S::Class(Makers::MakerClass, "Maker"),
         S::Object({Makers::Nordland, Makers::MakerClass, {{Makers::Name, "Nordland"}}}),
         S::Object({.guid = Makers::Acme,
                    .objectClass = Makers::MakerClass,
                    .values = {{Makers::Name, "Acme"}},
                    .body = {S::Link(Makers::Country, Makers::Nordland),
                             S::Row(Makers::Sites, Makers::SiteClass, {{Makers::Site, "Plant 1"}})}})});
    const std::string shop = S::Reference(
        Shop::Reference, "Shop",
        {S::Parameter({Name, "Name"}), S::Parameter({Description, "Description"}), S::Parameter({Kind, "Kind"}),
         S::Parameter({Feed, "Feed", "double"}),
         S::Group(Geometry, "Geometry",
                  {{D, "D", "double", Metre}, {Angle, "Angle", "double", Radian}, {Z, "Z", "int"},
                   {Plain, "Plain", "double"}}),
         S::LinkGroup(Owner, "Owner", Makers::Reference), S::Class(ProjectClass, "Project"),
         S::Class(GroupClass, "Group"), S::Class(MachiningClass, "Machining"), S::Class(ToolClass, "Tool"),
         S::Class(StockClass, "Stock"), S::Class(PartClass, "Part"), S::Class(FixtureClass, "Fixture"),
         S::Object({.guid = Project,
                    .objectClass = ProjectClass,
                    .values = {{Name, "Housing"}, {Description, "Five-axis housing"}},
                    .order = 1,
                    .body = {S::Link(Owner, Makers::Acme)}}),
         S::Object({Group, GroupClass, {{Name, "Roughing"}}, 2, {Project}}),
         S::Object({Layers, MachiningClass, {{Name, "Layers"}, {Kind, "MillLayers"}, {Feed, "800"}}, 3, {Group}}),
         S::Object(
             {Drilling, MachiningClass, {{Name, "Drill holes"}, {Kind, "HoleDrill"}, {Feed, "120"}}, 4, {Project}}),
         S::Object({EndMill, ToolClass, {{Name, "End mill 12"}, {Kind, "ToolMillEnd"}, {D, "0.012"}, {Z, "4"}}, 5,
                    {Layers, Drilling}}),
         S::Object({Blank, StockClass, {{Name, "Blank"}, {Description, "Block blank"}, {Kind, "StockBlock"}}, 6,
                    {Project, Group}}),
         S::Object({Part, PartClass, {{Name, "Housing part"}, {Description, "Finished part"}}, 7, {Group}}),
         S::Object({Vice, FixtureClass, {{Name, "Vice"}, {Description, "Machine vice"}}, 8, {Project}}),
         S::Object({KindlessStock, StockClass, {{Name, "Kindless"}}, 9}),
         S::Object({Drill, ToolClass, {{Name, "Drill 8"}, {Kind, "ToolDrill"}, {D, "0.008"}}, 10})},
        "complex");
    return S::Pdm({makers, shop});
}

inline Vireo::Testing::RuleObjectSeed ShopRules()
{
    using Vireo::Testing::ParamRowSeed;
    using Vireo::Testing::RulePath;
    const wchar_t* S = Shop::Reference;
    Vireo::Testing::RuleObjectSeed rules;
    rules.name = L"Workshop";
    rules.appCode = L"VIREO CAM";
    rules.datasetGuid = Shop::Reference;
    rules.types = {{L"MachiningProject", Shop::ProjectClass}, {L"MachiningGroup", Shop::GroupClass},
                   {L"Machining", Shop::MachiningClass},      {L"Tool", Shop::ToolClass},
                   {L"Stock", Shop::StockClass},              {L"Part", Shop::PartClass},
                   {L"Fixture", Shop::FixtureClass}};
    rules.params = {
        {L"Name", RulePath({S, Shop::Name})},
        {L"Description", RulePath({S, Shop::Description})},
        {L"ToolType", RulePath({S, Shop::Kind}), L"Tool", Shop::ToolClass},
        {L"StockType", RulePath({S, Shop::Kind}), L"Stock", Shop::StockClass},
        {L"MachiningType", RulePath({S, Shop::Kind}), L"Machining", Shop::MachiningClass},
        {L"Feed", RulePath({S, Shop::Feed})},
        {L"D", RulePath({S, Shop::Geometry, Shop::D})},
        {L"Z", RulePath({S, Shop::Geometry, Shop::Z})},
        {L"Lw", RulePath({S, Shop::Geometry, L"2a000000-0000-4000-8000-0000000000ff"})},
        {L"OwnerName", RulePath({S, Shop::Owner, Makers::Name})},
        {L"OwnerCountry", RulePath({S, Shop::Owner, Makers::Country, Makers::Name})},
        {L"OwnerSite", RulePath({S, Shop::Owner, Makers::Sites, Makers::Site})},
    };
    for (ParamRowSeed& row : rules.params)
        row.paramName = L"rule " + row.appParam;
    return rules;
}

} // namespace Vireo::Cam::Pdm::Testing
