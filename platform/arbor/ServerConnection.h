#pragma once
// A connection to a PDM database (an SQLite file, or ":memory:"): the server's name and
// address, its reference catalogue, and the fault plan of tests.

#include "platform/arbor/ModelFwd.h"
#include "platform/arbor/SaveObserver.h"

#include <string>

namespace Vireo::Arbor::Model {

class Database;
class Schema;

class ConnectionParameters {
public:
    explicit ConnectionParameters(std::wstring address) : address_(std::move(address)) {}
    // The address used in object links.
    const std::wstring& GetServerAddress() const { return address_; }

private:
    std::wstring address_;
};

class ServerConnection : public std::enable_shared_from_this<ServerConnection> {
public:
    // Opens (and creates when missing) the database at `path`, or a private in-memory one
    // for ":memory:". Throws ModelException naming the path when it cannot be opened or
    // has another schema version.
    static std::shared_ptr<ServerConnection> Open(const std::string& path);
    ~ServerConnection();
    ServerConnection(const ServerConnection&) = delete;
    ServerConnection& operator=(const ServerConnection&) = delete;

    const std::wstring& ServerName() const { return serverName_; }
    std::shared_ptr<Model::ReferenceCatalog> ReferenceCatalog() const { return catalog_; }
    const Model::ConnectionParameters& ConnectionParameters() const { return parameters_; }

    void SetFaultPlan(std::shared_ptr<FaultPlan> plan) { faults_ = std::move(plan); }
    FaultPlan* Faults() const { return faults_.get(); }

    // Told of every object saved through this connection (null: nobody); see SaveObserver.h.
    void SetSaveObserver(Model::SaveObserver* observer) noexcept { saveObserver_ = observer; }
    Model::SaveObserver* GetSaveObserver() const noexcept { return saveObserver_; }

    // The storage and the schema read from it; ReloadSchema after the schema tables changed.
    Database& GetDatabase() { return *database_; }
    const std::shared_ptr<Schema>& GetSchema() const { return schema_; }
    void ReloadSchema();

private:
    struct Token {};

public:
    ServerConnection(Token, const std::string& path);

private:
    std::unique_ptr<Database> database_;
    std::shared_ptr<Schema> schema_;
    std::shared_ptr<Model::ReferenceCatalog> catalog_;
    std::wstring serverName_;
    Model::ConnectionParameters parameters_{L""};
    std::shared_ptr<FaultPlan> faults_;
    Model::SaveObserver* saveObserver_ = nullptr;
};

} // namespace Vireo::Arbor::Model
