// Change brackets of the host document: nesting, cancelling, keeping, and objects that are
// created or removed inside a bracket.

#include "platform/host/ChangeBracket.h"
#include "platform/host/DocumentText.h"
#include "platform/host/HostObjects.h"
#include "platform/host/HostObjectTypes.h"
#include "platform/host/Zkw32Doc.h"

#include <gtest/gtest.h>

namespace {

struct Document : ::testing::Test {
    CZkw32Doc doc;
    CZKSolid* solid = doc.CreateObject<CZKSolid>();
    CZKWorkplane* plane = doc.CreateObject<CZKWorkplane>();

    void SetUp() override
    {
        solid->SetName(L"Body");
        solid->SetTextAttrib(L"uri", L"arbor://a", true);
        plane->SetName(L"Top");
    }
};

TEST_F(Document, CancelRestoresTheDocumentAsItWasAtBegin)
{
    const std::string before = doc.SaveToText();
    ASSERT_TRUE(doc.BeginChanges(L"Edit"));
    EXPECT_TRUE(doc.IsChanging());
    solid->SetName(L"Renamed");
    solid->SetTextAttrib(L"uri", L"arbor://b", true);
    solid->SetTextAttrib(L"shank_uri", L"arbor://c", true);
    plane->DeleteAttrib(L"uri", true);
    auto* added = doc.CreateObject<CZKSolid>();
    added->SetName(L"New");
    ASSERT_TRUE(doc.RemoveObject(plane));
    EXPECT_EQ(doc.FindObject(plane->GetID()), nullptr);
    EXPECT_NE(doc.SaveToText(), before);

    ASSERT_TRUE(doc.CancelChanges(true));
    EXPECT_FALSE(doc.IsChanging());
    EXPECT_EQ(doc.SaveToText(), before);
    // Objects that existed keep their addresses: callers' pointers stay valid.
    EXPECT_EQ(doc.FindObject(plane->GetID()), plane);
    EXPECT_EQ(plane->GetName(), L"Top");
    EXPECT_EQ(solid->GetTextAttrib(L"uri"), L"arbor://a");
    EXPECT_FALSE(solid->HasTextAttrib(L"shank_uri"));
    EXPECT_EQ(doc.GetObjects().size(), 2u);
    // Ids handed out inside the cancelled bracket are handed out again.
    EXPECT_EQ(doc.CreateObject<CZKSolid>()->GetID(), ZKObjectID(3));
}

TEST_F(Document, CancellingTheInnerBracketKeepsTheOuterChanges)
{
    const std::string before = doc.SaveToText();
    doc.BeginChanges(L"Outer");
    solid->SetName(L"Outer name");
    const std::string afterOuter = doc.SaveToText();

    doc.BeginChanges(L"Inner");
    EXPECT_EQ(doc.GetChangeDepth(), 2);
    solid->SetName(L"Inner name");
    doc.RemoveObject(plane);
    doc.CreateObject<CZKWorkplane>();
    doc.CancelChanges(true);

    EXPECT_EQ(doc.SaveToText(), afterOuter);
    EXPECT_TRUE(doc.IsChanging());
    doc.CancelChanges(true);
    EXPECT_EQ(doc.SaveToText(), before);
}

TEST_F(Document, AKeptInnerBracketFoldsIntoTheOuterOne)
{
    const std::string before = doc.SaveToText();
    doc.BeginChanges(L"Outer");
    doc.BeginChanges(L"Inner");
    solid->SetName(L"Inner name");
    doc.RemoveObject(plane);
    EXPECT_TRUE(doc.EndChanges(true, false));
    EXPECT_EQ(solid->GetName(), L"Inner name");
    EXPECT_TRUE(doc.GetUndoSteps().empty());

    doc.CancelChanges(true);
    EXPECT_EQ(doc.SaveToText(), before);
    EXPECT_EQ(doc.FindObject(plane->GetID()), plane);

    doc.BeginChanges(L"Kept");
    solid->SetName(L"Final");
    EXPECT_TRUE(doc.EndChanges(true, true));
    EXPECT_EQ(solid->GetName(), L"Final");
    EXPECT_EQ(doc.GetUndoSteps(), std::vector<std::wstring>{L"Kept"});
    EXPECT_EQ(doc.GetRegenerationCount(), 1);
    EXPECT_FALSE(doc.EndChanges(true, false));
    EXPECT_FALSE(doc.CancelChanges(true));

    doc.SetReadOnly(true);
    EXPECT_FALSE(doc.BeginChanges(L"Refused"));
    EXPECT_FALSE(doc.IsChanging());
}

TEST_F(Document, ChangesOutsideBracketsAndTransientAttributes)
{
    solid->SetTextAttrib(L"session", L"x", false);
    const std::string before = doc.SaveToText();
    EXPECT_EQ(before.find("session"), std::string::npos);

    doc.BeginChanges(L"Edit");
    solid->SetTextAttrib(L"session", L"y", false);
    solid->SetName(L"Changed");
    doc.CancelChanges(true);
    EXPECT_EQ(solid->GetTextAttrib(L"session"), L"y");
    EXPECT_EQ(doc.SaveToText(), before);

    EXPECT_TRUE(doc.RemoveObject(plane)); // outside a bracket: gone at once
    EXPECT_EQ(doc.GetObjects().size(), 1u);
    EXPECT_FALSE(doc.RemoveObject(plane));
}

// An object whose mutator forgets to note its change.
class Unnoted final : public CZKObject {
public:
    using CZKObject::CZKObject;
    int GetObjType() const override { return 0; }
    std::wstring_view GetClassTag() const override { return L"Unnoted"; }
    void SaveState(Vireo::Host::TextNode& node) const override
    {
        CZKObject::SaveState(node);
        node.Add(L"value", {std::to_wstring(value)});
    }
    int value = 0;
};

TEST_F(Document, TheRestoreCheckStopsAtAChangeTheJournalMissed)
{
    auto* unnoted = doc.CreateObject<Unnoted>();
    doc.SetRestoreCheck(true);
    doc.BeginChanges(L"Checked");
    solid->SetName(L"Noted");
    doc.CancelChanges(true); // noted changes pass the check
    EXPECT_EQ(solid->GetName(), L"Body");

    EXPECT_DEATH(
        {
            doc.BeginChanges(L"Checked");
            unnoted->value = 7;
            doc.CancelChanges(true);
        },
        "change bracket \"Checked\" was not restored: line .* is \"  value 7\", was \"  value 0\"");
}

TEST_F(Document, ObjectsKnowTheirDocumentIdAndType)
{
    EXPECT_EQ(solid->GetDocumentPtr(), &doc);
    EXPECT_EQ(solid->GetObjType(), ZKObjectTypes::SolidBody);
    EXPECT_EQ(plane->GetObjType(), ZKObjectTypes::Workplane);
    EXPECT_EQ(ZKObjectID::fromString(solid->GetID().toString().c_str()), solid->GetID());
    EXPECT_EQ(ZKObjectID(18446744073709551615ULL).toString().find(L'_'), std::wstring::npos);
    EXPECT_EQ(ZKObjectID::fromString(L"18446744073709551615"), ZKObjectID(18446744073709551615ULL));
    for (const wchar_t* bad : {L"", L"12a", L"-1", L"18446744073709551616"})
        EXPECT_TRUE(ZKObjectID::fromString(bad).IsNull()) << bad;

    EXPECT_EQ(ZKGetActiveDoc(nullptr), nullptr);
    {
        CZkw32Doc other;
        other.Activate();
        EXPECT_EQ(ZKGetActiveDoc(nullptr), &other);
    }
    EXPECT_EQ(ZKGetActiveDoc(nullptr), nullptr);
}

} // namespace

namespace {

TEST_F(Document, TheGuardCancelsUnlessKeptAndRegeneratesOnKeep)
{
    const std::string before = doc.SaveToText();
    {
        ChangeBracket bracket(&doc, L"Rename");
        ASSERT_TRUE(bracket.IsOpen());
        solid->SetName(L"Renamed");
    }
    EXPECT_EQ(doc.SaveToText(), before);
    EXPECT_FALSE(doc.IsChanging());

    const int regenerations = doc.GetRegenerationCount();
    {
        ChangeBracket bracket(&doc, L"Rename");
        solid->SetName(L"Renamed");
        bracket.Keep();
        bracket.Keep();
    }
    EXPECT_EQ(solid->GetName(), L"Renamed");
    EXPECT_EQ(doc.GetRegenerationCount(), regenerations + 1);
    ASSERT_FALSE(doc.GetUndoSteps().empty());
    EXPECT_EQ(doc.GetUndoSteps().back(), L"Rename");

    {
        ChangeBracket bracket(&doc, L"Import");
        solid->SetName(L"Imported");
        bracket.Keep(ChangeBracket::AfterKeep::LeaveModel);
    }
    EXPECT_EQ(solid->GetName(), L"Imported");
    EXPECT_EQ(doc.GetRegenerationCount(), regenerations + 1);
    EXPECT_EQ(doc.GetUndoSteps().back(), L"Import");
}

// A host watching a long change hears of each bracket before it opens; throwing there breaks
// the change off, and the guards around restore the document.
TEST_F(Document, AnObserverThatThrowsBeforeABracketOpensUnwindsTheChange)
{
    struct Stopper : DocumentChangeObserver {
        std::vector<std::wstring> opening;
        void BracketOpening(std::wstring_view name) override
        {
            opening.emplace_back(name);
            if (opening.size() == 2)
                throw 2;
        }
    } stopper;
    const std::string before = doc.SaveToText();
    doc.SetChangeObserver(&stopper);
    const auto change = [&] {
        ChangeBracket outer(&doc, L"Outer");
        solid->SetName(L"Renamed");
        doc.CreateObject<CZKSolid>();
        ChangeBracket inner(&doc, L"Inner");
        solid->SetName(L"Never");
    };
    EXPECT_THROW(change(), int);
    doc.SetChangeObserver(nullptr);
    EXPECT_EQ(stopper.opening, (std::vector<std::wstring>{L"Outer", L"Inner"}));
    EXPECT_FALSE(doc.IsChanging());
    EXPECT_EQ(doc.SaveToText(), before);
}

TEST(ChangeBracketGuard, DoesNotOpenOnAReadOnlyOrMissingDocument)
{
    CZkw32Doc doc;
    doc.SetReadOnly(true);
    ChangeBracket readOnly(&doc, L"Edit");
    EXPECT_FALSE(readOnly.IsOpen());
    ChangeBracket none(nullptr, L"Edit");
    EXPECT_FALSE(none.IsOpen());
    none.Keep();
    EXPECT_EQ(doc.GetRegenerationCount(), 0);
}

} // namespace
