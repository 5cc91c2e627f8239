// The plug-in's commands with every PDM call they make failing in turn, their own lookups
// (the chosen parent, the linked object, the dropped objects) as well as the builders':
// an import or update from the PDM that fails leaves the document as it was, an export or
// update into the PDM leaves whole objects only, and a failure is told at most once.

#include "PluginFixture.h"
#include "tests/pdm/testing/FaultSweep.h"

#include "platform/arbor/Database.h"
#include "platform/arbor/DatabaseCheck.h"
#include "platform/arbor/ServerConnection.h"
#include "platform/cammodule/PluginSettings.h"
#include "platform/host/HostObjectTypes.h"

namespace Vireo::Testing {
namespace {

namespace Model = Arbor::Model;

constexpr unsigned addFromPdm = 26, addToPdm = 27, updateFromPdm = 28, updateToPdm = 29;

class CommandSweep : public PluginFixture {
protected:
    // The sample end mill imported into the document: small enough to be swept call by call.
    CZKObject* ImportTool()
    {
        SetCurrentObject(nullptr);
        Choose(TechnologyReference, SampleEndmill);
        Run(addFromPdm);
        for (CZKObject* object : doc.GetObjects())
            if (object->GetObjType() == ZKObjectTypes::CamTool)
                return object;
        return nullptr;
    }

    // What a run of a command left: the document's text and its undo steps.
    struct DocumentState {
        std::string text;
        std::vector<std::wstring> steps;
    };
    DocumentState State() const { return {doc.SaveToText(), doc.GetUndoSteps()}; }

    // A command either left the document as it met it or added one undo step.
    void ExpectUntouchedOrOneStep(const DocumentState& before) const
    {
        EXPECT_EQ(doc.GetChangeDepth(), 0);
        const DocumentState after = State();
        if (after.steps == before.steps) {
            EXPECT_EQ(after.text, before.text) << "a change without an undo step";
        } else {
            EXPECT_EQ(after.steps.size(), before.steps.size() + 1);
        }
    }

    long long ObjectsWithoutValues() const
    {
        auto query = connection->GetDatabase().Prepare(
            "SELECT COUNT(*) FROM objects o WHERE NOT EXISTS (SELECT 1 FROM vals v WHERE v.object_id = o.id)");
        return query.Step() ? query.Int(0) : -1;
    }

    void ExpectWholePdm(long long bare) const
    {
        EXPECT_EQ(Model::CheckDatabase(connection->GetDatabase()), std::vector<std::string>{});
        EXPECT_EQ(ObjectsWithoutValues(), bare) << "an object was saved without its values";
    }
};

TEST_F(CommandSweep, ImportAndUpdateFromThePdmFailingAtAnyCallLeaveTheDocumentAsItWas)
{
    CZKObject* tool = ImportTool();
    ASSERT_NE(tool, nullptr) << "loads the rules before the sweep";
    DocumentState before;
    const auto import = [&] {
        before = State();
        SetCurrentObject(tool);
        Choose(TechnologyReference, SampleEndmill);
        Run(addFromPdm);
        return true;
    };
    EXPECT_GT(SweepPdmFaults(*pdm, import, [&](const std::optional<bool>&) { ExpectUntouchedOrOneStep(before); }), 5u);

    const auto update = [&] {
        before = State();
        SetCurrentObject(tool);
        Run(updateFromPdm);
        return true;
    };
    EXPECT_GT(SweepPdmFaults(*pdm, update, [&](const std::optional<bool>&) { ExpectUntouchedOrOneStep(before); }), 5u);
}

TEST_F(CommandSweep, ExportAndUpdateIntoThePdmFailingAtAnyCallLeaveWholeObjects)
{
    CZKObject* tool = ImportTool();
    ASSERT_NE(tool, nullptr);
    Cam::PluginSettings::Instance().Override(L"link-exported-objects", L"on");
    const long long bare = ObjectsWithoutValues();
    DocumentState before;
    const auto exportTool = [&] {
        before = State();
        SetCurrentObject(tool);
        Choose(TechnologyReference, ProjectsFolder);
        Run(addToPdm);
        return true;
    };
    EXPECT_GT(SweepPdmFaults(*pdm, exportTool, [&](const std::optional<bool>&) {
                  ExpectWholePdm(bare);
                  ExpectUntouchedOrOneStep(before);
              }),
              3u);

    const auto update = [&] {
        before = State();
        SetCurrentObject(tool);
        Run(updateToPdm);
        return true;
    };
    EXPECT_GT(SweepPdmFaults(*pdm, update, [&](const std::optional<bool>&) {
                  ExpectWholePdm(bare);
                  EXPECT_EQ(State().text, before.text) << "an update into the PDM changes no CAM object";
              }),
              0u);
}

} // namespace
} // namespace Vireo::Testing
