#pragma once
// `campdm sync` in a window: the plug-in's synchronisation dialog shown with Qt, or drawn
// off screen and saved as a picture.

#include "Command.h"
#include "PluginHost.h"

#include <optional>
#include <string>

class CZkw32Doc;

namespace Campdm {

// Whether a window can be shown: a display is named, or Qt is told which platform to use.
bool HasDisplay();

// Runs the synchronise command with its dialog in a window until the user closes it; with
// `screenshot`, draws the window, writes it to that PNG file and closes it. Returns the
// command's outcome.
Vireo::Cam::CommandOutcome RunSyncWindow(const PluginHost& plugin, CZkw32Doc& document,
                                         const std::optional<std::string>& screenshot, const CommandContext& context);

} // namespace Campdm
