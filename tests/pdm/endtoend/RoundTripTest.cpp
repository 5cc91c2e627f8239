// The round trip through the shipped technology rules for every CAM type: a CAM object with
// values of its own is exported to a new PDM object, that object is imported into an empty
// document, and every parameter of the type must come back as it was (through the PDM's
// metres and radians). Only values that CAM derives itself (measured on the geometry or
// computed from other values, so read-only and refused when set) cannot come back; they are
// listed with the reason.

#include "ShippedRules.h"

#include "pdm/cam/CamObjectManager.h"
#include "pdm/cam/CamTables.h"
#include "pdm/convert/CamPdmCreator.h"
#include "pdm/convert/PdmCamCreator.h"
#include "pdm/convert/ValueConversion.h"
#include "pdm/rules/IntegrationManager.h"

#include "platform/arbor/Database.h"
#include "platform/arbor/DatabaseCheck.h"
#include "platform/arbor/ReferenceObject.h"
#include "platform/arbor/ServerConnection.h"
#include "platform/arbor/ServerGateway.h"
#include "platform/arbor/FaultPlan.h"
#include "platform/arbor/SystemGuid.h"
#include "platform/host/Zkw32Doc.h"
#include "platform/support/Utf8.h"
#include "tests/platform/testing/TestStorage.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <vector>

namespace Vireo::Testing {
namespace {

using namespace Cam::Pdm;

// Parameters whose value CAM derives itself and so refuses to take, by CAM type ("*Stock" for every stock
// type), with the reason.
const std::map<std::wstring, std::map<std::wstring, std::string>>& Exceptions()
{
    static const std::string measured = "measured on the geometry; read-only in CAM";
    static const std::string stockSize = "derived from the stock's shape; read-only in CAM";
    static const std::map<std::wstring, std::map<std::wstring, std::string>> exceptions = {
        {L"*Stock",
         {{L"Length", stockSize}, {L"Width", stockSize}, {L"Height", stockSize},
          {L"CUM", "computed from part and stock masses; read-only in CAM"}}},
        {L"Part", {{L"Length", measured}, {L"Width", measured}, {L"Height", measured}}},
        {L"Fixture", {{L"Length", measured}, {L"Width", measured}, {L"Height", measured}}},
        {L"ToolHolder", {{L"HE", "the holder's overall length follows from its items; read-only in CAM"}}},
        {L"ToolExtension", {{L"LE", "the extension's overall length follows from its items; read-only in CAM"}}},
    };
    return exceptions;
}

std::string ExceptionFor(std::wstring_view type, const std::wstring& parameter)
{
    std::wstring key(type);
    for (const auto& [generic, family] : GenericCamTypes)
        if ((generic == L"Stock" || generic == L"Machining") && family.first.contains(type))
            key = L"*" + std::wstring(generic);
    const auto found = Exceptions().find(key);
    if (found == Exceptions().end())
        return {};
    const auto reason = found->second.find(parameter);
    return reason == found->second.end() ? std::string() : reason->second;
}

std::string Utf8(std::wstring_view text)
{
    return Support::WideToUtf8(std::wstring(text));
}

// Values that differ from every default of the host, one per parameter.
std::unique_ptr<Cam::BaseValue> DistinctValue(const Cam::BaseValue& current, std::wstring_view name, int index)
{
    if (name == L"Material")
        return std::make_unique<Cam::StringValue>(L"Aluminium alloy AlMg3");
    if (name == L"Coating")
        return std::make_unique<Cam::StringValue>(L"Chromium");
    if (current.AsString())
        return std::make_unique<Cam::StringValue>(L"Round trip " + std::wstring(name));
    if (current.AsInt())
        return std::make_unique<Cam::IntValue>(1 + index % 3);
    if (current.AsBool())
        return std::make_unique<Cam::BoolValue>(!current.AsBool()->GetValue());
    if (const Cam::DoubleValue* number = current.AsDouble())
        return std::make_unique<Cam::DoubleValue>(3.5 + 1.25 * index, number->GetUnit());
    return nullptr;
}

// Equal within the rounding of a unit conversion there and back.
bool SameValue(const Cam::BaseValue* first, const Cam::BaseValue* second)
{
    if (first && second && first->AsDouble() && second->AsDouble()) {
        const Cam::DoubleValue& a = *first->AsDouble();
        const Cam::DoubleValue& b = *second->AsDouble();
        const double converted =
            a.GetUnit() && b.GetUnit() ? zktypes::Unit::Convert(a.GetUnit(), b.GetUnit(), a.GetValue()) : a.GetValue();
        return std::abs(converted - b.GetValue()) <= 1e-9 * std::max(std::abs(converted), std::abs(b.GetValue()));
    }
    return IsEqualCamBaseValue(first, second);
}

std::wstring Text(const Cam::BaseValue* value)
{
    return value ? FromCamBaseValue(*value) : L"(none)";
}

class RoundTrip : public ::testing::TestWithParam<Storage> {
protected:
    void SetUp() override
    {
        VIREO_SKIP_WITHOUT_STORAGE(GetParam());
        storage = std::make_unique<TestDatabase>(GetParam());
        pdm = MakeTechnologyPdm(storage->Text());
    }
    void TearDown() override { pdm.reset(); }

    // The parent a type needs in a document (null for none).
    static CamObject ParentFor(CZkw32Doc& doc, std::wstring_view type)
    {
        const auto make = [&doc](std::wstring_view made, const CamObject& parent) {
            return CamObjectManager::MakeCamObject(&doc, made, parent);
        };
        if (type == L"ToolShank" || type == L"ToolHolder" || type == L"ToolExtension")
            return make(L"ToolMillEnd", CamObject());
        if (type == L"ToolItem")
            return make(L"ToolHolder", make(L"ToolMillEnd", CamObject()));
        if (type == L"MachiningProject")
            return CamObject();
        const CamObject project = make(L"MachiningProject", CamObject());
        // Tools come in under a machining: only a parent's child types list the generic "Tool".
        if (GenericCamTypes.at(L"Tool").first.contains(type))
            return make(L"MillLayers", project);
        return project;
    }

    // Gives every parameter a value of its own; returns the names the host refused.
    static std::set<std::wstring> FillValues(CamObject& object, std::wstring_view type)
    {
        std::vector<std::wstring> names;
        for (const auto& [name, id] : CamTypes.at(type).parameters)
            names.emplace_back(name);
        std::sort(names.begin(), names.end(), [](const std::wstring& a, const std::wstring& b) {
            const bool aFirst = a == L"Material" || a == L"Coating";
            const bool bFirst = b == L"Material" || b == L"Coating";
            return aFirst != bFirst ? aFirst : a < b;
        });
        std::set<std::wstring> refused;
        CamObjectManager manager(object);
        int index = 0;
        for (const std::wstring& name : names) {
            const CamValuePtr current = manager.GetValue(name);
            const auto value = current ? DistinctValue(*current, name, ++index) : nullptr;
            if (!value || !manager.SetValue(name, *value))
                refused.insert(name);
        }
        return refused;
    }

    // Exports an object of the type, imports it into an empty document and compares.
    void Travel(std::wstring_view type)
    {
        const auto reference = System::Guid::Parse(TechnologyReferenceGuid);
        CZkw32Doc source;
        CamObject original = CamObjectManager::MakeCamObject(&source, type, ParentFor(source, type));
        ASSERT_FALSE(CamObjectManager::IsNull(original));
        const std::set<std::wstring> refused = FillValues(original, type);

        CamPdmCreator exporter(original, reference);
        ASSERT_TRUE(IntegrationManager().MakeData(exporter));
        ASSERT_FALSE(exporter.GetDatasetObjects().empty());
        const auto exported = exporter.GetDatasetObjects().back();

        CZkw32Doc target;
        PdmCamCreator importer(exported->Guid(), reference, &target, ParentFor(target, type));
        ASSERT_TRUE(IntegrationManager().MakeData(importer));
        const CamObject imported = importer.GetCamObject();
        ASSERT_EQ(CamObjectManager(imported).GetAppType(), type);

        for (const auto& [name, id] : CamTypes.at(type).parameters) {
            const std::wstring parameter(name);
            const CamValuePtr before = CamObjectManager(original).GetValue(parameter);
            const CamValuePtr after = CamObjectManager(imported).GetValue(parameter);
            if (SameValue(before.get(), after.get()))
                continue;
            const std::string reason = ExceptionFor(type, parameter);
            EXPECT_FALSE(reason.empty()) << Utf8(parameter) << ": " << Utf8(Text(before.get())) << " came back as "
                                         << Utf8(Text(after.get()))
                                         << (refused.contains(parameter) ? " (the host refused the value)" : "");
            EXPECT_TRUE(reason.empty() || refused.contains(parameter))
                << Utf8(parameter) << " was written but is listed as lost: " << reason;
        }
        ++travelled;
    }

    std::unique_ptr<TestDatabase> storage;
    std::unique_ptr<PdmFixture> pdm;
    int travelled = 0;
};

TEST_P(RoundTrip, EveryMappedCamTypeComesBackWithItsValues)
{
    std::set<std::wstring_view> types;
    for (const auto& [type, description] : CamTypes)
        types.insert(type);
    for (std::wstring_view type : types) {
        SCOPED_TRACE(Utf8(type));
        if (type != L"SetGeometry") // never created through the catalogue, so never imported
            Travel(type);
    }
    EXPECT_EQ(travelled, static_cast<int>(CamTypes.size()) - 1);
}

// The rules of the tools catalogue carry its cutting tools there and back as well.
TEST_P(RoundTrip, TheToolsCatalogueCarriesItsCuttingToolsThereAndBack)
{
    const auto reference = System::Guid::Parse(L"14647778-3afb-4369-84cf-3f0bcc39fb94");
    for (std::wstring_view type : {L"ToolMillEnd", L"ToolMillSpehere", L"ToolDrill"}) {
        SCOPED_TRACE(Utf8(type));
        CZkw32Doc source;
        CamObject original = CamObjectManager::MakeCamObject(&source, type, ParentFor(source, type));
        ASSERT_FALSE(CamObjectManager::IsNull(original));
        FillValues(original, type);
        CamPdmCreator exporter(original, reference);
        ASSERT_TRUE(IntegrationManager().MakeData(exporter));
        ASSERT_FALSE(exporter.GetDatasetObjects().empty());

        CZkw32Doc target;
        PdmCamCreator importer(exporter.GetDatasetObjects().back()->Guid(), reference, &target, ParentFor(target, type));
        ASSERT_TRUE(IntegrationManager().MakeData(importer));
        const CamObject imported = importer.GetCamObject();
        ASSERT_EQ(CamObjectManager(imported).GetAppType(), type);
        for (const wchar_t* parameter : {L"Name", L"D", L"Lw", L"L"}) {
            const CamValuePtr before = CamObjectManager(original).GetValue(parameter);
            const CamValuePtr after = CamObjectManager(imported).GetValue(parameter);
            EXPECT_TRUE(SameValue(before.get(), after.get()))
                << Utf8(parameter) << ": " << Utf8(Text(before.get())) << " came back as " << Utf8(Text(after.get()));
        }
    }
}

// The server going away in the middle of a transfer: the transfer fails naming the lost
// connection, the CAM document is as before, and the PDM holds whole objects only.
TEST_P(RoundTrip, AServerGoneMidTransferIsNamedAndLeavesTheDocumentAsBefore)
{
    if (GetParam() == Storage::Sqlite)
        GTEST_SKIP() << "a database file has no server to lose";
    namespace Model = Arbor::Model;
    const auto reference = System::Guid::Parse(TechnologyReferenceGuid);
    // A connection of its own whose server connection ends at the n-th call at `point`.
    const auto losingConnection = [&](Model::FaultPoint point, std::size_t nth) {
        auto connection = Model::ServerGateway::Open(storage->Text());
        auto pid = connection->GetDatabase().Prepare("SELECT pg_backend_pid()");
        EXPECT_TRUE(pid.Step());
        const long long backend = pid.Int(0);
        auto plan = std::make_shared<Model::FaultPlan>();
        plan->RunAt(point, nth, [text = storage->Text(), backend] {
            Model::Database::Open(text)->Prepare("SELECT pg_terminate_backend(?1)").Bind(1, backend).Run();
        });
        connection->SetFaultPlan(plan);
        return connection;
    };
    // What a transfer says when it fails: its message boxes (an export tells of each object it
    // could not save and goes on), or the error the host program shows for it. Empty when it
    // succeeded.
    const auto failureOf = [&](IntegrationBuilder& builder) -> std::string {
        pdm->Ui().Clear();
        bool made = false;
        try {
            made = IntegrationManager().MakeData(builder);
        } catch (const Model::ModelException& error) {
            return error.what();
        }
        std::string shown;
        for (const auto& message : pdm->Ui().Messages())
            shown += Utf8(message.text) + "\n";
        return made || !shown.empty() ? shown : "(no message)";
    };
    const auto expectWhole = [&] {
        auto after = Model::ServerConnection::Open(storage->Text());
        EXPECT_THAT(Model::CheckDatabase(after->GetDatabase()), ::testing::IsEmpty());
        auto unnamed = after->GetDatabase().Prepare("SELECT count(*) FROM objects o WHERE NOT EXISTS "
                                                    "(SELECT 1 FROM vals v WHERE v.object_id = o.id)");
        ASSERT_TRUE(unnamed.Step());
        EXPECT_EQ(unnamed.Int(0), 0) << "an object was saved without its values";
    };
    const std::string lost = "the connection to the PDM server \"127.0.0.1:";

    // Each transfer runs in a change bracket of the document, as a command runs it.
    // A project of machinings with their tools, made in CAM and never exported.
    CZkw32Doc source;
    const CamObject project = CamObjectManager::MakeCamObject(&source, L"MachiningProject", CamObject());
    for (int machining = 0; machining < 4; ++machining)
        CamObjectManager::MakeCamObject(&source, L"ToolMillEnd",
                                        CamObjectManager::MakeCamObject(&source, L"MillLayers", project));
    const std::string made = source.SaveToText();

    auto writing = losingConnection(Model::FaultPoint::Save, 3);
    ASSERT_TRUE(source.BeginChanges(L"export"));
    CamPdmCreator exporter(project, reference);
    exporter.SetRecursive(true);
    EXPECT_THAT(failureOf(exporter), ::testing::HasSubstr(lost));
    source.CancelChanges();
    EXPECT_EQ(source.SaveToText(), made);
    expectWhole();

    CZkw32Doc target;
    const std::string empty = target.SaveToText();
    auto reading = losingConnection(Model::FaultPoint::ObjectRead, 6);
    ASSERT_TRUE(target.BeginChanges(L"import"));
    PdmCamCreator importer(System::Guid::Parse(SampleProjectGuid), reference, &target, CamObject());
    importer.SetRecursive(true);
    EXPECT_THAT(failureOf(importer), ::testing::HasSubstr(lost));
    target.CancelChanges();
    EXPECT_EQ(target.SaveToText(), empty);
    expectWhole();
}

INSTANTIATE_TEST_SUITE_P(Storages, RoundTrip, ::testing::ValuesIn(AllStorages()), StorageTestName);

} // namespace
} // namespace Vireo::Testing

