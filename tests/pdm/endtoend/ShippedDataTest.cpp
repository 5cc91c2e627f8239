// The shipped seed files load, and every rule row of them names what exists: CAM types and
// parameters of the compiled-in catalogue on one side, classes and parameters of the PDM
// schema on the other. The technology rules cover every CAM type and every parameter.

#include "ShippedRules.h"

#include "pdm/cam/CamObjectManager.h"
#include "pdm/cam/CamTables.h"

#include "platform/arbor/ClassTree.h"
#include "platform/arbor/ParameterGroup.h"
#include "platform/arbor/ReferenceCatalog.h"
#include "platform/arbor/ReferenceInfo.h"
#include "platform/arbor/ServerConnection.h"
#include "platform/arbor/SystemGuid.h"
#include "platform/support/Utf8.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

namespace Vireo::Testing {
namespace {

using namespace Cam::Pdm;
namespace Model = Arbor::Model;
using GroupPtr = std::shared_ptr<Model::ParameterGroup>;

std::string Utf8(std::wstring_view text)
{
    return Support::WideToUtf8(std::wstring(text));
}

GroupPtr ReferenceGroup(const PdmFixture& pdm, const std::wstring& guid)
{
    const auto info = pdm.Connection().ReferenceCatalog()->Find(System::Guid::Parse(guid));
    return info ? info->Description() : nullptr;
}

// Follows a rule path (its groups, then the parameter) from a reference group: the reference's
// own group stays where it is, a link goes over to the linked reference, a table into the table.
bool PathExists(GroupPtr at, const std::vector<std::wstring>& groups, const std::wstring& parameter)
{
    for (const std::wstring& key : groups) {
        const auto guid = System::Guid::Parse(key);
        if (at->Guid() == guid)
            continue;
        const auto group = at->ReferenceGroup()->GetAllGroups().Find(guid);
        if (!group)
            return false;
        at = group->IsLinkGroup() ? group->SlaveGroup() : group;
    }
    const auto guid = System::Guid::Parse(parameter);
    if (at->Item(guid))
        return true;
    if (!at->IsReference())
        return false;
    for (const auto& group : at->GetAllGroups())
        if (!group->IsLinkGroup() && !group->IsTable() && group->Item(guid))
            return true;
    return false;
}

// A class of the reference, of one of its tables (rows have classes of their own) or of a
// reference it links to (linked objects are described by the linking object's rules).
bool ClassExists(const GroupPtr& reference, const std::wstring& text)
{
    const auto guid = System::Guid::Parse(text);
    if (reference->Classes()->Find(guid))
        return true;
    for (const auto& group : reference->GetAllGroups()) {
        const auto owner = group->IsLinkGroup() ? group->SlaveGroup() : group;
        if ((group->IsTable() || group->IsLinkGroup()) && owner->Classes()->Find(guid))
            return true;
    }
    return false;
}

bool IsKnownType(std::wstring_view type)
{
    return CamTypes.contains(type) || CamObjectManager::IsGenericAppType(type);
}

// A parameter name of a type; for a generic type, of one of its members or its selector.
bool IsKnownParameter(std::wstring_view type, std::wstring_view name)
{
    if (const auto generic = GenericCamTypes.find(type); generic != GenericCamTypes.end()) {
        if (generic->second.second == name)
            return true;
        for (std::wstring_view member : generic->second.first)
            if (CamTypes.at(member).parameters.contains(name))
                return true;
        return false;
    }
    return CamTypes.at(type).parameters.contains(name);
}

TEST(ShippedData, EveryShippedFileIsSeeded)
{
    std::set<std::string> seeded = {"units.xml", "integration-rules.xml", "example.xml"};
    seeded.insert(ShippedSeedFiles().begin(), ShippedSeedFiles().end());
    for (const auto& entry : std::filesystem::directory_iterator(PdmDataFile("")))
        if (entry.path().extension() == ".xml") {
            EXPECT_TRUE(seeded.contains(entry.path().filename().string())) << entry.path() << " is never seeded";
        }

    std::unique_ptr<PdmFixture> pdm;
    ASSERT_NO_THROW(pdm = MakeTechnologyPdm());
    EXPECT_NO_THROW(pdm->SeedFile(PdmDataFile("example.xml")));
}

TEST(ShippedData, RuleRowsNameCatalogueTypesAndSchemaParameters)
{
    const auto pdm = MakeTechnologyPdm();
    const IntegrationRules rules = LoadAllRules();
    ASSERT_FALSE(rules.GetTypes().empty());

    for (const auto& [dataset, types] : rules.GetTypes()) {
        const GroupPtr reference = ReferenceGroup(*pdm, dataset.datasetGuid);
        ASSERT_TRUE(reference) << Utf8(dataset.name) << ": no reference " << Utf8(dataset.datasetGuid);
        for (const Types& row : types) {
            EXPECT_TRUE(IsKnownType(row.appType)) << Utf8(dataset.name) << ": type " << Utf8(row.appType);
            EXPECT_TRUE(ClassExists(reference, row.plmType))
                << Utf8(dataset.name) << ": class " << Utf8(row.plmType) << " of " << Utf8(row.appType);
            if (!row.plmTag.empty()) {
                EXPECT_TRUE(PathExists(reference, row.plmTagGroups, row.plmTag)) << Utf8(row.appType) << " tag";
            }
        }
    }
    for (const auto& [dataset, params] : rules.GetParams()) {
        const GroupPtr reference = ReferenceGroup(*pdm, dataset.datasetGuid);
        ASSERT_TRUE(reference);
        for (const Parameters& row : params) {
            const std::string where = Utf8(dataset.name) + ": " + Utf8(row.appType) + "." + Utf8(row.appParam);
            if (!row.appType.empty()) {
                ASSERT_TRUE(IsKnownType(row.appType)) << where;
                EXPECT_TRUE(IsKnownParameter(row.appType, row.appParam)) << where;
            }
            EXPECT_TRUE(row.plmType.empty() || ClassExists(reference, row.plmType)) << where;
            EXPECT_TRUE(PathExists(reference, row.plmParamGroups, row.plmParam)) << where << " -> " << Utf8(row.plmParam);
            if (!row.plmTag.empty()) {
                EXPECT_TRUE(PathExists(reference, row.plmTagGroups, row.plmTag)) << where << " tag";
            }
        }
    }
}

TEST(ShippedData, TechnologyRulesCoverEveryCamTypeAndParameter)
{
    const auto pdm = MakeTechnologyPdm();
    const IntegrationRules rules = LoadAllRules();
    const auto technology = std::find_if(rules.GetTypes().begin(), rules.GetTypes().end(),
                                         [](const auto& entry) { return entry.first.datasetGuid == TechnologyReferenceGuid; });
    ASSERT_NE(technology, rules.GetTypes().end());
    const std::vector<Parameters>& params = rules.GetParams().at(technology->first);

    // Which CAM types each rule type stands for, and the parameters mapped per rule type.
    std::map<std::wstring, std::set<std::wstring>> mapped;
    for (const Parameters& row : params)
        mapped[row.appType].insert(row.appParam);
    std::set<std::wstring_view> covered;
    std::set<std::wstring> classes;
    for (const Types& row : technology->second) {
        EXPECT_TRUE(classes.insert(row.plmType).second) << "two rows for the class of " << Utf8(row.appType);
        const auto generic = GenericCamTypes.find(row.appType);
        if (generic == GenericCamTypes.end()) {
            covered.insert(row.appType);
            continue;
        }
        covered.insert(generic->second.first.begin(), generic->second.first.end());
        EXPECT_TRUE(mapped[row.appType].contains(std::wstring(generic->second.second)))
            << Utf8(row.appType) << " has no rule for its selector";
    }
    for (const auto& [type, description] : CamTypes) {
        EXPECT_TRUE(covered.contains(type)) << Utf8(type) << " is not mapped";
        std::wstring ruleType(type);
        for (const auto& [generic, family] : GenericCamTypes)
            if (family.first.contains(type) && !mapped.contains(ruleType))
                ruleType = generic;
        for (const auto& [name, id] : description.parameters)
            EXPECT_TRUE(mapped[ruleType].contains(std::wstring(name))) << Utf8(type) << "." << Utf8(name) << " is not mapped";
    }
}

} // namespace
} // namespace Vireo::Testing
