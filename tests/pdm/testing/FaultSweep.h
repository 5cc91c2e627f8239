#pragma once
// Runs a command once per PDM call it makes, that call failing: every fault point, the
// n-th call at it, by throwing and by answering false. The calls are counted rather than
// named, so a call site added later is swept too.

#include "tests/pdm/testing/PdmFixture.h"

#include "platform/arbor/DatabaseCheck.h"
#include "platform/arbor/FaultPlan.h"
#include "platform/arbor/ModelException.h"
#include "platform/arbor/ServerConnection.h"
#include "platform/host/Zkw32Doc.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace Vireo::Testing {

inline constexpr Arbor::Model::FaultPoint AllFaultPoints[] = {
    Arbor::Model::FaultPoint::Search,    Arbor::Model::FaultPoint::ObjectRead, Arbor::Model::FaultPoint::LinkRead,
    Arbor::Model::FaultPoint::TableRead, Arbor::Model::FaultPoint::ValueWrite, Arbor::Model::FaultPoint::Save};
inline constexpr Arbor::Model::FaultAction AllFaultActions[] = {Arbor::Model::FaultAction::Throw,
                                                                Arbor::Model::FaultAction::ReturnFalse};

// `command` returns its result; `check` judges each run that had a failing call, given that
// result, or nothing when the command passed the model's exception on (rule loading does, to
// the caller, and so do the handlers, to the host, which tells it). A failure is told at most
// once. Returns how many runs had a failing call; stops at the first run the checks reject.
template <class Command, class Check>
std::size_t SweepPdmFaults(PdmFixture& pdm, Command&& command, Check&& check)
{
    std::size_t runs = 0;
    for (const auto point : AllFaultPoints) {
        for (const auto action : AllFaultActions) {
            for (std::size_t nth = 1;; ++nth) {
                pdm.Ui().Clear();
                pdm.Faults().Reset();
                pdm.Faults().FailAt(point, nth, action);
                std::optional<decltype(command())> result;
                bool passedOn = false;
                try {
                    result.emplace(command());
                } catch (const Arbor::Model::ModelException&) {
                    passedOn = true;
                }
                if (pdm.Faults().Count(point) < nth)
                    break;
                SCOPED_TRACE(::testing::Message()
                             << "point " << static_cast<int>(point) << ", call " << nth
                             << (action == Arbor::Model::FaultAction::Throw ? ", throw" : ", false"));
                ++runs;
                EXPECT_LE(pdm.Ui().Messages().size() + (passedOn ? 1u : 0u), 1u) << "a failure is told once";
                check(result);
                if (::testing::Test::HasFailure())
                    return runs;
            }
        }
    }
    pdm.Faults().Reset();
    return runs;
}

// What a command left of a CAM document: its text and its undo steps.
struct DocumentState {
    std::string text;
    std::vector<std::wstring> steps;

    static DocumentState Of(const CZkw32Doc& doc) { return {doc.SaveToText(), doc.GetUndoSteps()}; }
};

// The document is as it was, and no change bracket was left open.
inline void ExpectDocumentAsBefore(const CZkw32Doc& doc, const DocumentState& before)
{
    EXPECT_EQ(doc.SaveToText(), before.text) << "the document is as it was";
    EXPECT_EQ(doc.GetUndoSteps(), before.steps);
    EXPECT_EQ(doc.GetChangeDepth(), 0);
}

// The database passes its check and holds no more objects saved without values than `bare`.
inline void ExpectWholePdm(const PdmFixture& pdm, long long bare)
{
    EXPECT_EQ(Arbor::Model::CheckDatabase(pdm.Connection().GetDatabase()), std::vector<std::string>{});
    EXPECT_EQ(pdm.ObjectsWithoutValues(), bare) << "an object was saved without its values";
}

} // namespace Vireo::Testing
