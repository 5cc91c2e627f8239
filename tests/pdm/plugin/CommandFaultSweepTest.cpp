// The plug-in's commands with every PDM call they make failing in turn, their own lookups
// (the chosen parent, the linked object, the dropped objects) as well as the builders':
// an import or update from the PDM that fails leaves the document as it was, an export or
// update into the PDM leaves whole objects only, and a failure is told at most once.

#include "PluginFixture.h"
#include "tests/pdm/testing/FaultSweep.h"

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

    // Sweeps a menu pick of `command` on `object` (choosing `chosen` of the technology where
    // the command asks); `check` judges each run, `before` holds what the run met.
    template <class Check>
    std::size_t Sweep(CZKObject* object, unsigned command, const wchar_t* chosen, Check&& check)
    {
        const auto pick = [&] {
            before = DocumentState::Of(doc);
            SetCurrentObject(object);
            if (chosen)
                Choose(TechnologyReference, chosen);
            Run(command);
            return true;
        };
        return SweepPdmFaults(*pdm, pick, [&](const std::optional<bool>&) { check(); });
    }

    // A command either left the document as it met it or added one undo step.
    void ExpectUntouchedOrOneStep() const
    {
        EXPECT_EQ(doc.GetChangeDepth(), 0);
        const DocumentState after = DocumentState::Of(doc);
        if (after.steps == before.steps) {
            EXPECT_EQ(after.text, before.text) << "a change without an undo step";
        } else {
            EXPECT_EQ(after.steps.size(), before.steps.size() + 1);
        }
    }

    DocumentState before;
};

TEST_F(CommandSweep, ImportAndUpdateFromThePdmFailingAtAnyCallLeaveTheDocumentAsItWas)
{
    CZKObject* tool = ImportTool();
    ASSERT_NE(tool, nullptr) << "loads the rules before the sweep";
    EXPECT_GT(Sweep(tool, addFromPdm, SampleEndmill, [&] { ExpectUntouchedOrOneStep(); }), 5u);
    EXPECT_GT(Sweep(tool, updateFromPdm, nullptr, [&] { ExpectUntouchedOrOneStep(); }), 5u);
}

TEST_F(CommandSweep, ExportAndUpdateIntoThePdmFailingAtAnyCallLeaveWholeObjects)
{
    CZKObject* tool = ImportTool();
    ASSERT_NE(tool, nullptr);
    Cam::PluginSettings::Instance().Override(L"link-exported-objects", L"on");
    const long long bare = pdm->ObjectsWithoutValues();
    EXPECT_GT(Sweep(tool, addToPdm, ProjectsFolder, [&] {
                  ExpectWholePdm(*pdm, bare);
                  ExpectUntouchedOrOneStep();
              }),
              3u);
    EXPECT_GT(Sweep(tool, updateToPdm, nullptr, [&] {
                  ExpectWholePdm(*pdm, bare);
                  EXPECT_EQ(DocumentState::Of(doc).text, before.text) << "an update into the PDM changes no CAM object";
              }),
              0u);
}

} // namespace
} // namespace Vireo::Testing
