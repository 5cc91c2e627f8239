#pragma once
// The PDM-side builder's test bed: the example tool catalogue in an in-memory PDM, a small
// "Kits" reference whose classes cover different groups, rule sets written in a few lines,
// and a builder whose FillData writes the values it is given by rule name.

#include "pdm/rules/internal/ClassResolution.h"
#include "pdm/rules/PdmBuilder.h"
#include "pdm/rules/RuleTag.h"
#include "platform/arbor/Database.h"
#include "platform/arbor/Model.h"
#include "platform/ui/RecordingUiDriver.h"
#include "platform/ui/ZKTrAtl.h"
#include "tests/pdm/testing/PdmSeed.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace Vireo::Cam::Pdm::Testing {

namespace Model = Vireo::Arbor::Model;
using namespace Vireo::Cam::Pdm::internal;

namespace Tools {
inline constexpr wchar_t Reference[] = L"2bd074b9-7fd9-4d84-a41d-c1334880ceb6";
inline constexpr wchar_t Name[] = L"e5a9d1fb-980e-4457-84a1-993070dd24d6";
inline constexpr wchar_t Diameter[] = L"55341923-35d5-4582-9b6b-d3c21c8ca9ca";
inline constexpr wchar_t Sizes[] = L"e94706c4-3be1-4038-9e4a-1d88ffa29f1b";
inline constexpr wchar_t Length[] = L"13f61a8e-2e5a-4d07-b272-c20397c9f4e6";
inline constexpr wchar_t HolderLink[] = L"b9e61c09-d247-4012-a1d8-3e5f925c4d24";
inline constexpr wchar_t AccessoriesLink[] = L"8fdb0308-4b6c-4a2b-a087-e30cf7c3f868";
inline constexpr wchar_t Items[] = L"d1206ccc-53a3-402e-959c-700afd319588";
inline constexpr wchar_t ItemTag[] = L"79fc84fa-5bc6-476f-9485-a22cf5b8e4bf";
inline constexpr wchar_t ItemAmount[] = L"7737ee05-9f90-4e86-bd55-23bd16bf717d";
inline constexpr wchar_t ItemClass[] = L"95caaa50-efe1-4b65-866d-242df0af793f";
inline constexpr wchar_t Spec[] = L"84f45260-8865-4f04-bbec-8ca726090c8e";
inline constexpr wchar_t SpecNote[] = L"d6177757-43b9-4953-87e4-c520b6b1d4f0";
inline constexpr wchar_t ToolClass[] = L"e7dc327f-f4fa-4135-847b-8e34d57fc5c8"; // abstract
inline constexpr wchar_t DrillClass[] = L"be8b630a-2900-4146-906c-72dc9146a38d";
inline constexpr wchar_t MillClass[] = L"46fd6144-d44f-484e-95ec-db41725b96ac";
inline constexpr wchar_t AssemblyClass[] = L"22b4f486-4375-43ee-b156-1584db15b6d5";
inline constexpr wchar_t SetA[] = L"5227dda6-1f21-4230-a68f-a9fe6b2705a7";
inline constexpr wchar_t Drill8[] = L"9864c2e8-d907-40de-b39f-897966733708";
inline constexpr wchar_t Mill10[] = L"3f344b4a-1e99-49db-ad2f-1c7a139e1b76";
} // namespace Tools

namespace Holders {
inline constexpr wchar_t Name[] = L"7eedf28f-a766-4477-b248-7d3054de456c";
} // namespace Holders

namespace Kits {
inline constexpr wchar_t Reference[] = L"4b000000-0000-4000-8000-000000000000";
inline constexpr wchar_t KitLink[] = L"4b000000-0000-4000-8000-0000000000f1";
inline constexpr wchar_t GroupA[] = L"4b000000-0000-4000-8000-0000000000a0";
inline constexpr wchar_t GroupB[] = L"4b000000-0000-4000-8000-0000000000b0";
inline constexpr wchar_t OnlyA[] = L"4b000000-0000-4000-8000-0000000000c1";
inline constexpr wchar_t OnlyB[] = L"4b000000-0000-4000-8000-0000000000c2";
inline constexpr wchar_t Both[] = L"4b000000-0000-4000-8000-0000000000c3";
} // namespace Kits

// Kits: abstract class first, then classes with group A, group B and both. Boxes link to kits.
inline std::string KitsSeed()
{
    namespace S = Vireo::Testing::Seed;
    using namespace Kits;
    constexpr wchar_t Boxes[] = L"4b000000-0000-4000-8000-0000000000e0";
    return S::Pdm({S::Reference(Kits::Reference, "Kits",
                                {S::Group(GroupA, "A", {}), S::Group(GroupB, "B", {}),
                                 S::Class(L"4b000000-0000-4000-8000-0000000000c0", "Any",
                                          {.isAbstract = true, .groups = {GroupA, GroupB}}),
                                 S::Class(OnlyA, "OnlyA", {.groups = {GroupA}}),
                                 S::Class(OnlyB, "OnlyB", {.groups = {GroupB}}),
                                 S::Class(Both, "Both", {.groups = {GroupA, GroupB}})}),
                   S::Reference(Boxes, "Boxes",
                                {S::LinkGroup(KitLink, "Kit", Kits::Reference),
                                 S::Class(L"4b000000-0000-4000-8000-0000000000e2", "Box")})});
}

inline System::Guid G(const wchar_t* text)
{
    return System::Guid::Parse(text);
}

// Type and parameter rows of one dataset, under the application code of the module.
struct RuleSet {
    IntegrationRules rules;
    std::wstring datasetGuid = Tools::Reference;

    void Type(const std::wstring& plmType, const std::wstring& tag = {}, const std::wstring& tagValue = {})
    {
        rules.AddTypes(L"VIREO CAM", L"Tools", L"ToolMillEnd", AppDataType::CamObjectType, L"", datasetGuid, plmType, {},
                       tag, tagValue);
    }
    // A row named `name` that writes the parameter `plmParam` reached through `groups`.
    void Param(const std::wstring& name, std::vector<std::wstring> groups, const std::wstring& plmParam,
               const std::wstring& tag = {}, const std::wstring& tagValue = {})
    {
        rules.AddParams(name, L"VIREO CAM", L"Tools", L"ToolMillEnd", AppParamType::Parameter, name, datasetGuid, L"",
                        {}, tag, tagValue, groups, plmParam, 0, true, true);
    }
};

// Writes the value given for a row's name, where the row's tag condition holds; records
// every call.
class ValueBuilder : public PdmBuilder {
public:
    using PdmBuilder::PdmBuilder;

    struct Call {
        PdmObject object;
        std::vector<std::wstring> rows;
    };

    NameFilter GetNameFilter() const override { return {}; }
    AppFilter GetAppFilter() const override { return {}; }

    bool FillData(const PdmObject& object, const AppDataset&, const std::vector<Types>&,
                  const std::vector<Parameters>& params, const std::wstring&) override
    {
        calls.push_back({object, {}});
        if (failFill)
            throw Model::ModelException("no values today");
        bool written = false;
        for (const auto& row : params) {
            calls.back().rows.push_back(row.paramName);
            const auto value = values.find(row.paramName);
            if (value == values.end() || !HoldsRuleTag(*object, row.plmTag, row.plmTagValue))
                continue;
            if (object->ParameterValues().TrySetValue(G(row.plmParam.c_str()), value->second))
                written = true;
        }
        return written;
    }

    std::map<std::wstring, Model::ObjectValue> values;
    std::vector<Call> calls;
    bool failFill = false;
};

// An in-memory PDM with units, the example catalogue and the kits, and a recording UI.
class PdmBuilderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        connection = Model::ServerGateway::Open(":memory:");
        const auto data = std::filesystem::path(VIREO_SOURCE_DIR) / "data" / "pdm";
        Model::SeedFromFile(*connection, data / "units.xml");
        Model::SeedFromFile(*connection, data / "example.xml");
        Model::SeedFromText(*connection, KitsSeed(), "kits");
    }
    void TearDown() override { Model::ServerGateway::Close(); }

    std::shared_ptr<Model::ReferenceInfo> Info(const wchar_t* guid) const
    {
        return connection->ReferenceCatalog()->Find(G(guid));
    }
    PdmObject Find(const wchar_t* reference, const wchar_t* object) const
    {
        return Info(reference)->CreateReference()->Find(G(object));
    }
    PdmObject FindSaved(const PdmObject& object) const
    {
        return object->Reference()->ReferenceInfo()->CreateReference()->Find(object->Guid());
    }
    std::shared_ptr<Model::ParameterGroup> Group(const wchar_t* reference, const wchar_t* group) const
    {
        return Info(reference)->Description()->GetAllGroups().Find(G(group));
    }
    long long Count(const std::string& sql) const
    {
        auto query = connection->GetDatabase().Prepare(sql);
        return query.Step() ? query.Int(0) : -1;
    }
    static std::wstring Text(const PdmObject& object, const wchar_t* parameter)
    {
        auto found = object->ParameterValues().GetParameter(G(parameter));
        return found ? found->ToString() : L"<none>";
    }
    static std::wstring Message(const wchar_t* key) { return ZKTrAtl(key); }

    std::shared_ptr<Model::ServerConnection> connection;
    Ui::RecordingUiDriver ui;
    Ui::ScopedHostUiDriver uiScope{ui};
};

} // namespace Vireo::Cam::Pdm::Testing
