#pragma once
// A small machining workshop in the PDM for the PDM-to-CAM builders: one reference whose
// hierarchy holds a project, a group, two machinings sharing one tool, a stock that occurs
// again one level down, a part and a fixture; the project's owner is a maker with a link of
// its own and a table of sites. Lengths are in metres. Rule rows map kinds through the
// generic types "Tool", "Stock" and "Machining"; the group holding the kinds sorts after
// the geometry group, so it is handled first. Key texts are chosen to be easy to read.

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
} // namespace Makers

inline constexpr char ShopSeed[] = R"(<Pdm>
  <Reference guid="40000000-0000-4000-8000-000000000000" name="Makers">
    <Parameter guid="40000000-0000-4000-8000-000000000001" name="Name"/>
    <Link guid="4c000000-0000-4000-8000-000000000000" name="Country" to="40000000-0000-4000-8000-000000000000"/>
    <Table guid="4d000000-0000-4000-8000-000000000000" name="Sites">
      <Parameter guid="4d000000-0000-4000-8000-000000000001" name="Site"/>
      <Class guid="4d000000-0000-4000-8000-0000000000c1" name="SiteRow"/>
    </Table>
    <Class guid="40000000-0000-4000-8000-0000000000c1" name="Maker"/>
    <Object guid="40000000-0000-4000-8000-0000000000a2" class="40000000-0000-4000-8000-0000000000c1">
      <Value param="40000000-0000-4000-8000-000000000001">Nordland</Value>
    </Object>
    <Object guid="40000000-0000-4000-8000-0000000000a1" class="40000000-0000-4000-8000-0000000000c1">
      <Value param="40000000-0000-4000-8000-000000000001">Acme</Value>
      <Link group="4c000000-0000-4000-8000-000000000000" object="40000000-0000-4000-8000-0000000000a2"/>
      <Row table="4d000000-0000-4000-8000-000000000000" class="4d000000-0000-4000-8000-0000000000c1">
        <Value param="4d000000-0000-4000-8000-000000000001">Plant 1</Value>
      </Row>
    </Object>
  </Reference>
  <Reference guid="30000000-0000-4000-8000-000000000000" name="Shop" hierarchy="complex">
    <Parameter guid="30000000-0000-4000-8000-000000000001" name="Name"/>
    <Parameter guid="30000000-0000-4000-8000-000000000002" name="Description"/>
    <Parameter guid="30000000-0000-4000-8000-000000000003" name="Kind"/>
    <Parameter guid="30000000-0000-4000-8000-000000000004" name="Feed" type="double"/>
    <Group guid="2a000000-0000-4000-8000-000000000000" name="Geometry">
      <Parameter guid="2a000000-0000-4000-8000-000000000001" name="D" type="double" unit="acf9467a-86ac-4aac-bfcf-f9bbf311a761"/>
      <Parameter guid="2a000000-0000-4000-8000-000000000002" name="Angle" type="double" unit="928092cb-1742-49dd-adf8-353d3e55784c"/>
      <Parameter guid="2a000000-0000-4000-8000-000000000003" name="Z" type="int"/>
      <Parameter guid="2a000000-0000-4000-8000-000000000004" name="Plain" type="double"/>
    </Group>
    <Link guid="3c000000-0000-4000-8000-000000000000" name="Owner" to="40000000-0000-4000-8000-000000000000"/>
    <Class guid="30000000-0000-4000-8000-0000000000c1" name="Project"/>
    <Class guid="30000000-0000-4000-8000-0000000000c2" name="Group"/>
    <Class guid="30000000-0000-4000-8000-0000000000c3" name="Machining"/>
    <Class guid="30000000-0000-4000-8000-0000000000c4" name="Tool"/>
    <Class guid="30000000-0000-4000-8000-0000000000c5" name="Stock"/>
    <Class guid="30000000-0000-4000-8000-0000000000c6" name="Part"/>
    <Class guid="30000000-0000-4000-8000-0000000000c7" name="Fixture"/>
    <Object guid="30000000-0000-4000-8000-0000000000a1" class="30000000-0000-4000-8000-0000000000c1" order="1">
      <Value param="30000000-0000-4000-8000-000000000001">Housing</Value>
      <Value param="30000000-0000-4000-8000-000000000002">Five-axis housing</Value>
      <Link group="3c000000-0000-4000-8000-000000000000" object="40000000-0000-4000-8000-0000000000a1"/>
    </Object>
    <Object guid="30000000-0000-4000-8000-0000000000a2" class="30000000-0000-4000-8000-0000000000c2" order="2"
            parents="30000000-0000-4000-8000-0000000000a1">
      <Value param="30000000-0000-4000-8000-000000000001">Roughing</Value>
    </Object>
    <Object guid="30000000-0000-4000-8000-0000000000a3" class="30000000-0000-4000-8000-0000000000c3" order="3"
            parents="30000000-0000-4000-8000-0000000000a2">
      <Value param="30000000-0000-4000-8000-000000000001">Layers</Value>
      <Value param="30000000-0000-4000-8000-000000000003">MillLayers</Value>
      <Value param="30000000-0000-4000-8000-000000000004">800</Value>
    </Object>
    <Object guid="30000000-0000-4000-8000-0000000000a4" class="30000000-0000-4000-8000-0000000000c3" order="4"
            parents="30000000-0000-4000-8000-0000000000a1">
      <Value param="30000000-0000-4000-8000-000000000001">Drill holes</Value>
      <Value param="30000000-0000-4000-8000-000000000003">HoleDrill</Value>
      <Value param="30000000-0000-4000-8000-000000000004">120</Value>
    </Object>
    <Object guid="30000000-0000-4000-8000-0000000000a5" class="30000000-0000-4000-8000-0000000000c4" order="5"
            parents="30000000-0000-4000-8000-0000000000a3 30000000-0000-4000-8000-0000000000a4">
      <Value param="30000000-0000-4000-8000-000000000001">End mill 12</Value>
      <Value param="30000000-0000-4000-8000-000000000003">ToolMillEnd</Value>
      <Value param="2a000000-0000-4000-8000-000000000001">0.012</Value>
      <Value param="2a000000-0000-4000-8000-000000000003">4</Value>
    </Object>
    <Object guid="30000000-0000-4000-8000-0000000000a6" class="30000000-0000-4000-8000-0000000000c5" order="6"
            parents="30000000-0000-4000-8000-0000000000a1 30000000-0000-4000-8000-0000000000a2">
      <Value param="30000000-0000-4000-8000-000000000001">Blank</Value>
      <Value param="30000000-0000-4000-8000-000000000002">Block blank</Value>
      <Value param="30000000-0000-4000-8000-000000000003">StockBlock</Value>
    </Object>
    <Object guid="30000000-0000-4000-8000-0000000000a7" class="30000000-0000-4000-8000-0000000000c6" order="7"
            parents="30000000-0000-4000-8000-0000000000a2">
      <Value param="30000000-0000-4000-8000-000000000001">Housing part</Value>
      <Value param="30000000-0000-4000-8000-000000000002">Finished part</Value>
    </Object>
    <Object guid="30000000-0000-4000-8000-0000000000a8" class="30000000-0000-4000-8000-0000000000c7" order="8"
            parents="30000000-0000-4000-8000-0000000000a1">
      <Value param="30000000-0000-4000-8000-000000000001">Vice</Value>
      <Value param="30000000-0000-4000-8000-000000000002">Machine vice</Value>
    </Object>
    <Object guid="30000000-0000-4000-8000-0000000000a9" class="30000000-0000-4000-8000-0000000000c5" order="9">
      <Value param="30000000-0000-4000-8000-000000000001">Kindless</Value>
    </Object>
    <Object guid="30000000-0000-4000-8000-0000000000aa" class="30000000-0000-4000-8000-0000000000c4" order="10">
      <Value param="30000000-0000-4000-8000-000000000001">Drill 8</Value>
      <Value param="30000000-0000-4000-8000-000000000003">ToolDrill</Value>
      <Value param="2a000000-0000-4000-8000-000000000001">0.008</Value>
    </Object>
  </Reference>
</Pdm>
)";

// "{reference}.{parameter}" or "{reference}.{group}...{parameter}" as a rule cell holds it.
inline std::wstring ShopPath(std::initializer_list<const wchar_t*> items)
{
    std::wstring path;
    for (const wchar_t* item : items)
        path += (path.empty() ? L"{" : L".{") + std::wstring(item) + L"}";
    return path;
}

inline Vireo::Testing::RuleObjectSeed ShopRules()
{
    using Vireo::Testing::ParamRowSeed;
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
        {L"Name", ShopPath({S, Shop::Name})},
        {L"Description", ShopPath({S, Shop::Description})},
        {L"ToolType", ShopPath({S, Shop::Kind}), L"Tool", Shop::ToolClass},
        {L"StockType", ShopPath({S, Shop::Kind}), L"Stock", Shop::StockClass},
        {L"MachiningType", ShopPath({S, Shop::Kind}), L"Machining", Shop::MachiningClass},
        {L"Feed", ShopPath({S, Shop::Feed})},
        {L"D", ShopPath({S, Shop::Geometry, Shop::D})},
        {L"Z", ShopPath({S, Shop::Geometry, Shop::Z})},
        {L"Lw", ShopPath({S, Shop::Geometry, L"2a000000-0000-4000-8000-0000000000ff"})},
        {L"OwnerName", ShopPath({S, Shop::Owner, Makers::Name})},
        {L"OwnerCountry", ShopPath({S, Shop::Owner, Makers::Country, Makers::Name})},
        {L"OwnerSite", ShopPath({S, Shop::Owner, Makers::Sites, Makers::Site})},
    };
    for (ParamRowSeed& row : rules.params)
        row.paramName = L"rule " + row.appParam;
    return rules;
}

} // namespace Vireo::Cam::Pdm::Testing
