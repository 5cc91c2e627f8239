#pragma once
// The process's connection to the PDM, as the plug-in finds it.

#include "platform/arbor/ModelFwd.h"

#include <string>

namespace Vireo::Arbor::Model {

class ServerGateway {
public:
    static bool IsConnected();
    // The current connection, or null.
    static std::shared_ptr<ServerConnection> Connection();
    // Opens the database at `path` (or ":memory:") and makes it the current connection.
    static std::shared_ptr<ServerConnection> Open(const std::string& path);
    // Makes an already opened connection current (null disconnects).
    static void Connect(std::shared_ptr<ServerConnection> connection);
    static void Close();
};

} // namespace Vireo::Arbor::Model
