#pragma once
// The plug-in as the CAM module sees it, without loading the library: its command
// extension made and its commands registered, the shipped technology in a PDM that the
// proxy reports connected under the server name the plug-in is set up for, and an active
// CAM document shown in a frame window.

#include "tests/pdm/testing/PdmFixture.h"

#include "pdm/plugin/PdmPluginCallbackExtension.h"

#include "platform/arbor/ModelFwd.h"
#include "platform/cammodule/CommandRegisterHandler.h"
#include "platform/host/Zkw32Doc.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace Vireo::Testing {

inline constexpr const wchar_t* TechnologyReference = L"f7c1d3a2-5b8e-4c6f-9a0d-3e2b1c4d5f60";
inline constexpr const wchar_t* SampleProject = L"581550a8-7a11-5f17-961e-bb3069eba450";
inline constexpr const wchar_t* SampleEndmill = L"14a21046-1865-5a2f-bdd9-17efb6b23d81";
inline constexpr const wchar_t* ProjectsFolder = L"87a5aaad-b11a-5d82-b363-19c3cb9420ce";

class PluginFixture : public ::testing::Test {
protected:
    PluginFixture();
    ~PluginFixture() override;

    // The entries the plug-in adds to the context menu of `object`.
    std::vector<std::wstring> MenuTexts(CZKObject* object);
    // As a context menu on `object` would leave every command.
    void SetCurrentObject(CZKObject* object);
    // Runs a command by its local id through the registry, as a menu pick does.
    void Run(unsigned localId);
    bool IsEnabled(unsigned localId);
    // Closes the connection; `reconnectable` lets the proxy open it again when asked.
    void Disconnect(bool reconnectable);
    // The next choosing dialogs choose these; an empty GUID cancels.
    void Choose(const std::wstring& reference, const std::wstring& object);

    std::unique_ptr<PdmFixture> pdm;
    std::shared_ptr<Arbor::Model::ServerConnection> connection;
    CZkw32Doc doc;
    Cam::Pdm::PdmPluginCallbackExtension extension;
};

} // namespace Vireo::Testing
