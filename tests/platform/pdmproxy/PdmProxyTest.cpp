// The host's PDM proxy: connecting through the host's connector, and the choosing dialogs
// with what they offer (the objects a filter text selects) and what they answer.

#include "platform/pdmproxy/ZKPDMWorkMix.h"

#include "platform/arbor/ModelException.h"
#include "platform/arbor/Seed.h"
#include "platform/arbor/ServerConnection.h"
#include "platform/arbor/ServerGateway.h"
#include "platform/ui/RecordingUiDriver.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

namespace Model = Vireo::Arbor::Model;
using Vireo::Ui::RecordingUiDriver;

const System::Guid toolsGuid = System::Guid::Parse(L"2bd074b9-7fd9-4d84-a41d-c1334880ceb6");
const wchar_t* const nameGuid = L"5f0c3a58-21c4-4c43-9c39-3b9cb0c51b11";
const wchar_t* const drillGuid = L"0b0b2c1e-4a0a-4c3e-8f6a-6b1f7a9d0e02";

const char* const seed = R"(<Pdm server="proxy-test">
  <Reference guid="a73e100b-e871-490e-b353-54f66f8a380e" name="Holders"/>
  <Reference guid="2bd074b9-7fd9-4d84-a41d-c1334880ceb6" name="Tools">
    <Parameter guid="5f0c3a58-21c4-4c43-9c39-3b9cb0c51b11" name="Name"/>
    <Class guid="6a2d0c4e-3b1f-4d7a-9e2c-1f0a2b3c4d51" name="Tool"/>
    <Object guid="0b0b2c1e-4a0a-4c3e-8f6a-6b1f7a9d0e01" class="6a2d0c4e-3b1f-4d7a-9e2c-1f0a2b3c4d51">
      <Value param="5f0c3a58-21c4-4c43-9c39-3b9cb0c51b11">Mill 10</Value>
    </Object>
    <Object guid="0b0b2c1e-4a0a-4c3e-8f6a-6b1f7a9d0e02" class="6a2d0c4e-3b1f-4d7a-9e2c-1f0a2b3c4d51">
      <Value param="5f0c3a58-21c4-4c43-9c39-3b9cb0c51b11">Drill 8</Value>
    </Object>
  </Reference>
</Pdm>)";

class PdmProxy : public ::testing::Test {
protected:
    PdmProxy()
    {
        connection = Model::ServerConnection::Open(":memory:");
        Model::SeedFromText(*connection, seed, "proxy seed");
    }
    ~PdmProxy() override
    {
        Model::ServerGateway::Close();
        ZKPDMWorkMix::Instance().SetConnector(nullptr);
    }

    std::shared_ptr<Model::ServerConnection> connection;
    RecordingUiDriver ui;
    Vireo::Ui::ScopedHostUiDriver installed{ui};
};

TEST_F(PdmProxy, ConnectsThroughTheHostsConnectorAndShowsWhyItCouldNot)
{
    ZKPDMWorkMix& proxy = ZKPDMWorkMix::Instance();
    EXPECT_FALSE(proxy.Connected());
    EXPECT_TRUE(proxy.Services().isNull());
    EXPECT_FALSE(proxy.Connect(true, L"")) << "no connector";

    proxy.SetConnector([](bool, std::wstring_view) -> std::shared_ptr<Model::ServerConnection> {
        throw std::runtime_error("pdm.db is no PDM database");
    });
    EXPECT_FALSE(proxy.Connect(true, L""));
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_NE(ui.Messages()[0].text.find(L"pdm.db is no PDM database"), std::wstring::npos);

    proxy.SetConnector([this](bool, std::wstring_view) { return connection; });
    EXPECT_TRUE(proxy.Connect(true, L""));
    EXPECT_TRUE(proxy.Connected());
    EXPECT_FALSE(proxy.Services().isNull());
}

TEST_F(PdmProxy, ChoosersOfferEveryReferenceAndTheObjectsTheFilterSelects)
{
    Model::ServerGateway::Connect(connection);
    const auto services = ZKPDMWorkMix::Instance().Services();
    ui.AnswerReference(toolsGuid.ToString());
    const auto tools = services->ChooseReference(nullptr);
    ASSERT_FALSE(tools.isNull());
    EXPECT_EQ(tools->GetGuid(), toolsGuid);
    ASSERT_EQ(ui.ReferenceRequests().size(), 1u);
    EXPECT_EQ(ui.ReferenceRequests()[0].size(), 2u);
    EXPECT_EQ(ui.ReferenceRequests()[0][1].name, L"Tools");

    HWND__ owner;
    ui.AnswerObject(drillGuid);
    const auto drill = tools->ChooseObject(&owner, L"{" + std::wstring(nameGuid) + L"} = \"Drill 8\"");
    ASSERT_FALSE(drill.isNull());
    EXPECT_EQ(drill->GetGuid(), System::Guid::Parse(drillGuid));
    const auto& request = ui.ObjectRequests().at(0);
    EXPECT_EQ(request.owner, &owner);
    ASSERT_EQ(request.objects.size(), 1u);
    EXPECT_EQ(request.objects[0].name, L"Drill 8");
    EXPECT_EQ(request.objects[0].className, L"Tool");

    EXPECT_TRUE(tools->ChooseObject(nullptr, L"").isNull()) << "no answer: cancelled";
    EXPECT_EQ(ui.ObjectRequests().at(1).objects.size(), 2u);
    EXPECT_THROW(tools->ChooseObject(nullptr, L"{no-guid} = 1"), Model::ModelException);
    EXPECT_TRUE(services->ChooseReference(nullptr).isNull());
    EXPECT_TRUE(services->GetReference(System::Guid::NewGuid()).isNull());
    EXPECT_EQ(services->GetReference(toolsGuid)->GetGuid(), toolsGuid);
    EXPECT_NE(tools->GetIcon(), nullptr);
}

} // namespace
