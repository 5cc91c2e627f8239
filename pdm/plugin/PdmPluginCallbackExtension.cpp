#include "pdm/plugin/PdmPluginCallbackExtension.h"

#include "pdm/plugin/AddFromPdmCommand.h"
#include "pdm/plugin/AddToPdmCommand.h"
#include "pdm/plugin/OpenLinkCommand.h"
#include "pdm/plugin/PdmServerTest.h"
#include "pdm/plugin/SynchronizeCommand.h"
#include "pdm/plugin/UpdateFromPdmCommand.h"
#include "pdm/plugin/UpdateToPdmCommand.h"

#include "platform/cammodule/CommandRegisterHandler.h"
#include "platform/host/HostObjectTypes.h"
#include "platform/host/ZKObject.h"
#include "platform/win/Menu.h"

#include <algorithm>
#include <array>

namespace Vireo::Cam::Pdm {
namespace {

// Tools, machinings, groups, projects, stocks, parts, fixtures, shared geometry sets and
// machine setups.
constexpr std::array contextMenuTypes{
    ZKObjectTypes::CamTool,      ZKObjectTypes::CamMachining,       ZKObjectTypes::CamMachiningGroup,
    ZKObjectTypes::CamMachiningProject, ZKObjectTypes::CamStock,     ZKObjectTypes::CamPart,
    ZKObjectTypes::CamFixture,   ZKObjectTypes::CamSharedGeometrySet, ZKObjectTypes::CamMachineSetup,
};

template <class Command>
void registerCommand(CommandUpdateHandler updateHandler, const wchar_t* iconName)
{
    CommandRegisterHandler::Instance().Register(Command::GetId(), &Command::Handler, updateHandler,
                                                Command::GetDisplayName(), iconName, false);
}

template <class Command>
void appendEntry(CZKObject* object, CMenu& menu)
{
    const unsigned globalId = CommandRegisterHandler::Instance().GetIdGlobalByLocal(Command::GetId());
    Command::SetCurrentObject(object);
    menu.AppendMenu(MF_STRING, globalId, Command::GetCaption());
}

} // namespace

void PdmPluginCallbackExtension::CreateTools()
{
    registerCommand<AddFromPdmCommand>(&DocumentCommand::UpdateUiHandler, nullptr);
    registerCommand<AddToPdmCommand>(&DocumentCommand::UpdateUiHandler, nullptr);
    registerCommand<UpdateFromPdmCommand>(&DocumentCommand::UpdateUiHandler, nullptr);
    registerCommand<UpdateToPdmCommand>(&DocumentCommand::UpdateUiHandler, nullptr);
    registerCommand<OpenLinkCommand>(&OpenLinkCommand::UpdateUiHandler, nullptr);
    registerCommand<SynchronizeCommand>(&DocumentCommand::UpdateUiHandler, SynchronizeCommand::IconName);
}

void PdmPluginCallbackExtension::ModifyObjContextMenu(CZkw32Doc* /*doc*/, CZKObject* object, CMenu* menu)
{
    if (object == nullptr || menu == nullptr)
        return;
    const int type = object->GetObjType();
    if (std::find(contextMenuTypes.begin(), contextMenuTypes.end(), type) == contextMenuTypes.end())
        return;
    if (!IsConfiguredPdmServer())
        return;
    appendEntry<AddFromPdmCommand>(object, *menu);
    appendEntry<AddToPdmCommand>(object, *menu);
    appendEntry<UpdateFromPdmCommand>(object, *menu);
    appendEntry<UpdateToPdmCommand>(object, *menu);
    appendEntry<OpenLinkCommand>(object, *menu);
}

} // namespace Vireo::Cam::Pdm
