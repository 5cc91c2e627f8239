// Every call of the builders into the PDM model fails in turn, by throwing and by answering
// false: the CAM document of a failed import is as it was, the PDM holds whole objects only,
// and a failure is told at most once. The calls are counted, so a call site added later is
// swept too.

#include "CamPdmTestData.h"
#include "PdmCamTestSupport.h"

#include "pdm/convert/CamPdmCreator.h"
#include "pdm/links/ObjectId.h"
#include "platform/arbor/Database.h"
#include "platform/arbor/DatabaseCheck.h"
#include "platform/arbor/FaultPlan.h"

namespace Vireo::Cam::Pdm::Testing {
namespace {

namespace Model = Vireo::Arbor::Model;

constexpr Model::FaultPoint allPoints[] = {Model::FaultPoint::Search,     Model::FaultPoint::ObjectRead,
                                           Model::FaultPoint::LinkRead,   Model::FaultPoint::TableRead,
                                           Model::FaultPoint::ValueWrite, Model::FaultPoint::Save};
constexpr Model::FaultAction allActions[] = {Model::FaultAction::Throw, Model::FaultAction::ReturnFalse};

// Runs `command` once per call it makes at each fault point, that call failing; `check`
// judges each run. Returns how many runs had a failing call.
template <class Command, class Check>
std::size_t sweep(Vireo::Testing::PdmFixture& pdm, Command&& command, Check&& check)
{
    std::size_t runs = 0;
    for (const auto point : allPoints) {
        for (const auto action : allActions) {
            for (std::size_t nth = 1;; ++nth) {
                pdm.Ui().Clear();
                pdm.Faults().Reset();
                pdm.Faults().FailAt(point, nth, action);
                const bool result = command();
                if (pdm.Faults().Count(point) < nth)
                    break;
                SCOPED_TRACE(testing::Message() << "point " << static_cast<int>(point) << ", call " << nth
                                                << (action == Model::FaultAction::Throw ? ", throw" : ", false"));
                ++runs;
                EXPECT_LE(pdm.Ui().Messages().size(), 1u) << "a failure is told once";
                check(result);
                if (testing::Test::HasFailure())
                    return runs;
            }
        }
    }
    return runs;
}

TEST_F(ShopTest, EveryPdmCallOfAnImportFailingLeavesAFailedImportWithoutTrace)
{
    ASSERT_TRUE(importProject()) << "loads the rules before the sweep";
    const std::string empty = CZkw32Doc().SaveToText();
    std::unique_ptr<CZkw32Doc> target;
    const auto import = [&] {
        target = std::make_unique<CZkw32Doc>();
        PdmCamCreator creator(System::Guid::Parse(Shop::Project), System::Guid::Parse(Shop::Reference), target.get(),
                              UI::MachiningProjectsNode);
        creator.SetRecursive(true);
        return IntegrationManager().MakeData(creator);
    };
    const std::size_t runs = sweep(pdm, import, [&](bool result) {
        EXPECT_EQ(target->GetChangeDepth(), 0);
        if (!result) {
            EXPECT_EQ(target->SaveToText(), empty);
            EXPECT_TRUE(target->GetUndoSteps().empty());
        }
    });
    EXPECT_GT(runs, 40u);
}

TEST_F(ShopTest, EveryPdmCallOfAnUpdateFromThePdmFailingLeavesAFailedUpdateWithoutTrace)
{
    ASSERT_TRUE(importProject());
    const auto link = GetObjectIdFromUri(CamObjectManager::GetUri(project));
    ASSERT_TRUE(link);
    // A run that succeeds adds its undo step: each run is judged against the state it met.
    std::string before;
    std::vector<std::wstring> steps;
    const auto update = [&] {
        before = doc.SaveToText();
        steps = doc.GetUndoSteps();
        PdmCamCreator updater(link->second, link->first, project);
        updater.SetRecursive(true);
        return IntegrationManager().MakeData(updater);
    };
    const std::size_t runs = sweep(pdm, update, [&](bool result) {
        EXPECT_EQ(doc.GetChangeDepth(), 0);
        if (!result) {
            EXPECT_EQ(doc.SaveToText(), before);
            EXPECT_EQ(doc.GetUndoSteps(), steps);
        }
    });
    EXPECT_GT(runs, 20u);
}

class ExportSweepTest : public ::testing::Test {
protected:
    ExportSweepTest() { SeedTechnology(pdm); }

    bool exportProject()
    {
        CamPdmCreator creator(CamObject{cam.project}, System::Guid::Parse(Technology.Reference()));
        creator.SetRecursive(true);
        return IntegrationManager().MakeData(creator);
    }
    long long objectsWithoutValues() const
    {
        auto query = pdm.Connection().GetDatabase().Prepare(
            "SELECT COUNT(*) FROM objects o WHERE NOT EXISTS (SELECT 1 FROM vals v WHERE v.object_id = o.id)");
        return query.Step() ? query.Int(0) : -1;
    }

    Vireo::Testing::PdmFixture pdm{std::filesystem::path(VIREO_SOURCE_DIR) / "data" / "pdm"};
    CZkw32Doc doc;
    SharedToolProject cam = BuildSharedToolProject(doc);
};

TEST_F(ExportSweepTest, EveryPdmCallOfAnExportFailingLeavesWholeObjectsOnly)
{
    ASSERT_TRUE(exportProject()) << "loads the rules before the sweep";
    const long long bare = objectsWithoutValues();
    const std::string document = doc.SaveToText();
    const std::size_t runs = sweep(pdm, [&] { return exportProject(); }, [&](bool) {
        EXPECT_EQ(Model::CheckDatabase(pdm.Connection().GetDatabase()), std::vector<std::string>{});
        EXPECT_EQ(objectsWithoutValues(), bare) << "an object was saved without its values";
        EXPECT_EQ(doc.SaveToText(), document) << "an export changes no CAM object";
    });
    EXPECT_GT(runs, 20u);
}

} // namespace
} // namespace Vireo::Cam::Pdm::Testing
