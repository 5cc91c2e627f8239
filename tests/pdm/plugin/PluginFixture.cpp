#include "PluginFixture.h"

#include "pdm/plugin/AddFromPdmCommand.h"
#include "pdm/plugin/AddToPdmCommand.h"
#include "pdm/plugin/OpenLinkCommand.h"
#include "pdm/plugin/SynchronizeCommand.h"
#include "pdm/plugin/UpdateFromPdmCommand.h"
#include "pdm/plugin/UpdateToPdmCommand.h"

#include "platform/arbor/ServerGateway.h"
#include "platform/cammodule/CallbackExtensions.h"
#include "platform/cammodule/PluginSettings.h"
#include "platform/pdmproxy/ZKPDMWorkMix.h"
#include "platform/ui/UIModuleProxy.h"
#include "platform/win/Menu.h"

namespace Vireo::Testing {

PluginFixture::PluginFixture() : pdm(std::make_unique<PdmFixture>(PdmDataFile("")))
{
    for (const char* file : {"tools.xml", "tools-rules.xml", "technology.xml", "technology-rules.xml",
                             "technology-project.xml"})
        pdm->SeedFile(PdmDataFile(file));
    // The command classes keep their objects for the life of the library; every test starts afresh.
    SetCurrentObject(nullptr);
    extension.CreateTools();
    Cam::PluginSettings::Instance().Override(L"server-name", pdm->ServerName());
    connection = Arbor::Model::ServerGateway::Connection();
    ZKPDMWorkMix::Instance().SetConnector([this](bool, std::wstring_view) { return connection; });
    doc.Activate();
    UIModuleProxy::Instance().OpenFrame(&doc);
}

PluginFixture::~PluginFixture()
{
    UIModuleProxy::Instance().CloseFrame(&doc);
    ZKPDMWorkMix::Instance().SetConnector(nullptr);
    Cam::PluginSettings::Instance().ClearOverrides();
    auto& registry = Cam::CommandRegisterHandler::Instance();
    while (!registry.Commands().empty())
        registry.Unregister(registry.Commands().front().globalId);
}

void PluginFixture::SetCurrentObject(CZKObject* object)
{
    using namespace Cam::Pdm;
    AddFromPdmCommand::SetCurrentObject(object);
    AddToPdmCommand::SetCurrentObject(object);
    UpdateFromPdmCommand::SetCurrentObject(object);
    UpdateToPdmCommand::SetCurrentObject(object);
    OpenLinkCommand::SetCurrentObject(object);
    SynchronizeCommand::SetCurrentObject(object);
}

std::vector<std::wstring> PluginFixture::MenuTexts(CZKObject* object)
{
    CMenu menu;
    Cam::Extension::CallbackExtensions::Instance().ModifyObjContextMenu(&doc, object, menu);
    std::vector<std::wstring> texts;
    for (const auto& entry : menu.Entries())
        texts.push_back(entry.text);
    return texts;
}

void PluginFixture::Run(unsigned localId)
{
    auto& registry = Cam::CommandRegisterHandler::Instance();
    ASSERT_TRUE(registry.Execute(registry.GetIdGlobalByLocal(localId), &doc));
}

bool PluginFixture::IsEnabled(unsigned localId)
{
    auto& registry = Cam::CommandRegisterHandler::Instance();
    return registry.IsEnabled(registry.GetIdGlobalByLocal(localId), &doc);
}

void PluginFixture::Disconnect(bool reconnectable)
{
    pdm->Disconnect();
    if (!reconnectable)
        ZKPDMWorkMix::Instance().SetConnector(nullptr);
}

void PluginFixture::Choose(const std::wstring& reference, const std::wstring& object)
{
    pdm->Ui().AnswerReference(reference);
    pdm->Ui().AnswerObject(object);
}

} // namespace Vireo::Testing
