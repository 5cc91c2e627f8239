#pragma once
// The plug-in's settings, read from the settings file the host gives its plug-ins each
// time they are needed, so that a changed file counts from the next menu or command on:
//
//   server-name = localhost          the PDM server with which context-menu entries are offered
//   link-exported-objects = off      the export command links each exported CAM object to the
//                                    PDM object made for it
//
// A file that cannot be read, or a bad value, is shown in a message and the defaults hold.

#include <string>

namespace Vireo::Cam::Pdm {

struct PdmPluginSettings {
    std::wstring serverName = L"localhost";
    bool linkExportedObjects = false;
};

PdmPluginSettings ReadPdmPluginSettings();

} // namespace Vireo::Cam::Pdm
