#pragma once
// The workshop PDM of PdmCamTestData.h seeded into a test fixture, a CAM document to import
// into, and small readers of CAM objects.

#include "PdmCamTestData.h"

#include "pdm/rules/IntegrationManager.h"

#include "pdm/cam/CamObjectManager.h"
#include "pdm/convert/PdmCamCreator.h"
#include "platform/arbor/Model.h"
#include "platform/cam/Model.h"
#include "tests/pdm/testing/PdmFixture.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace Vireo::Cam::Pdm::Testing {

class ShopTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        pdm.SeedText(ShopSeed());
        Vireo::Testing::SeedRuleObjects(pdm, {ShopRules()});
        shop = pdm.Connection().ReferenceCatalog()->Find(System::Guid::Parse(Shop::Reference))->CreateReference();
    }

    std::shared_ptr<Arbor::Model::ReferenceObject> pdmObject(const wchar_t* guid) const
    {
        return shop->Find(System::Guid::Parse(guid));
    }

    // Runs a creator for the project as the command that adds it from the PDM does.
    bool importProject(bool recursive = true)
    {
        PdmCamCreator creator(System::Guid::Parse(Shop::Project), System::Guid::Parse(Shop::Reference), &doc,
                              UI::MachiningProjectsNode);
        creator.SetRecursive(recursive);
        const bool result = IntegrationManager().MakeData(creator);
        project = creator.GetCamObject();
        return result;
    }

    static std::wstring text(const CamObject& object, const wchar_t* name)
    {
        const auto value = CamObjectManager(object).GetValue(name);
        return value && value->AsString() ? value->AsString()->GetValue() : L"<none>";
    }
    static double number(const CamObject& object, const wchar_t* name, zktypes::ZKUnitsEnum unit)
    {
        const auto value = CamObjectManager(object).GetValue(name);
        if (!value || !value->AsDouble() || !value->AsDouble()->GetUnit())
            return -1;
        return value->AsDouble()->GetUnit()->ConvertTo(unit, value->AsDouble()->GetValue());
    }

    Vireo::Testing::PdmFixture pdm{Vireo::Testing::PdmDataFile("")};
    std::shared_ptr<Arbor::Model::Reference> shop;
    CZkw32Doc doc;
    CamObject project;
};

} // namespace Vireo::Cam::Pdm::Testing
