// Every call of the builders into the PDM model fails in turn, by throwing and by answering
// false: the CAM document of a failed import is as it was, the PDM holds whole objects only,
// and a failure is told at most once. The calls are counted, so a call site added later is
// swept too.

#include "CamPdmTestData.h"
#include "PdmCamTestSupport.h"
#include "tests/pdm/testing/FaultSweep.h"

#include "pdm/convert/CamPdmCreator.h"
#include "pdm/convert/PdmCamComparator.h"
#include "pdm/links/ObjectId.h"

namespace Vireo::Cam::Pdm::Testing {
namespace {

namespace Model = Vireo::Arbor::Model;

using Vireo::Testing::DocumentState;
using Vireo::Testing::ExpectDocumentAsBefore;
using Vireo::Testing::SweepPdmFaults;

TEST_F(ShopTest, EveryPdmCallOfAnImportFailingLeavesAFailedImportWithoutTrace)
{
    ASSERT_TRUE(importProject()) << "loads the rules before the sweep";
    const DocumentState empty = DocumentState::Of(CZkw32Doc());
    std::unique_ptr<CZkw32Doc> target;
    const auto import = [&] {
        target = std::make_unique<CZkw32Doc>();
        PdmCamCreator creator(System::Guid::Parse(Shop::Project), System::Guid::Parse(Shop::Reference), target.get(),
                              UI::MachiningProjectsNode);
        creator.SetRecursive(true);
        return IntegrationManager().MakeData(creator);
    };
    const std::size_t runs = SweepPdmFaults(pdm, import, [&](const std::optional<bool>& result) {
        EXPECT_EQ(target->GetChangeDepth(), 0);
        if (!result.value_or(false))
            ExpectDocumentAsBefore(*target, empty);
    });
    EXPECT_GT(runs, 40u);
}

TEST_F(ShopTest, EveryPdmCallOfAnUpdateFromThePdmFailingLeavesAFailedUpdateWithoutTrace)
{
    ASSERT_TRUE(importProject());
    const auto link = GetObjectIdFromUri(CamObjectManager::GetUri(project));
    ASSERT_TRUE(link);
    const auto [referenceId, objectId] = *link;
    // A run that succeeds adds its undo step: each run is judged against the state it met.
    DocumentState before;
    const auto update = [&] {
        before = DocumentState::Of(doc);
        PdmCamCreator updater(objectId, referenceId, project);
        updater.SetRecursive(true);
        return IntegrationManager().MakeData(updater);
    };
    const std::size_t runs = SweepPdmFaults(pdm, update, [&](const std::optional<bool>& result) {
        EXPECT_EQ(doc.GetChangeDepth(), 0);
        if (!result.value_or(false))
            ExpectDocumentAsBefore(doc, before);
    });
    EXPECT_GT(runs, 20u);
}

TEST_F(ShopTest, EveryPdmCallOfAComparisonFailingChangesNeitherSideAndIsToldOnce)
{
    ASSERT_TRUE(importProject()) << "loads the rules before the sweep";
    std::vector<std::pair<CamObject, ObjectId>> linked;
    for (CZKObject* object : doc.GetObjects())
        if (const auto link = GetObjectIdFromUri(CamObjectManager::GetUri(CamObject(object))))
            linked.emplace_back(CamObject(object), *link);
    ASSERT_GT(linked.size(), 3u);
    const DocumentState document = DocumentState::Of(doc);
    // As the synchronisation dialog compares a document: every linked object in turn. What a
    // comparison that met a failure lists is not judged here: a row it cannot read is left
    // out, and an object it cannot find is listed as one without a link.
    const auto compareAll = [&] {
        for (const auto& [object, link] : linked) {
            const auto [referenceId, objectId] = link;
            PdmCamComparator comparator(objectId, referenceId, object);
            IntegrationManager().MakeData(comparator);
        }
        return true;
    };
    const std::size_t runs = SweepPdmFaults(pdm, compareAll, [&](const std::optional<bool>&) {
        ExpectDocumentAsBefore(doc, document);
        EXPECT_EQ(pdm.Faults().Count(Model::FaultPoint::ValueWrite), 0u);
        EXPECT_EQ(pdm.Faults().Count(Model::FaultPoint::Save), 0u);
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

    Vireo::Testing::PdmFixture pdm{std::filesystem::path(VIREO_SOURCE_DIR) / "data" / "pdm"};
    CZkw32Doc doc;
    SharedToolProject cam = BuildSharedToolProject(doc);
};

TEST_F(ExportSweepTest, EveryPdmCallOfAnExportFailingLeavesWholeObjectsOnly)
{
    ASSERT_TRUE(exportProject()) << "loads the rules before the sweep";
    const long long bare = pdm.ObjectsWithoutValues();
    const std::string document = doc.SaveToText();
    const std::size_t runs = SweepPdmFaults(pdm, [&] { return exportProject(); }, [&](const std::optional<bool>&) {
        Vireo::Testing::ExpectWholePdm(pdm, bare);
        EXPECT_EQ(doc.SaveToText(), document) << "an export changes no CAM object";
    });
    EXPECT_GT(runs, 20u);
}

} // namespace
} // namespace Vireo::Cam::Pdm::Testing
