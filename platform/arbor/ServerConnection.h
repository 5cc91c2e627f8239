#pragma once
// A connection to a PDM database (an SQLite file, ":memory:", or a PostgreSQL server by its
// "postgresql://" text): the server's name and address, its reference catalogue, and the
// fault plan of tests.

#include "platform/arbor/ModelFwd.h"
#include "platform/arbor/SaveObserver.h"

#include <string>
#include <unordered_map>

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
    // Opens (and creates when missing) the database at `path`, a private in-memory one for
    // ":memory:", or the server's database a "postgresql://" text names (its tables made
    // when it has none). Throws ModelException naming the database when it cannot be
    // opened or has another schema version.
    static std::shared_ptr<ServerConnection> Open(const std::string& path);
    ~ServerConnection();
    ServerConnection(const ServerConnection&) = delete;
    ServerConnection& operator=(const ServerConnection&) = delete;

    const std::wstring& ServerName() const { return serverName_; }
    // The name the database keeps (a seed's "server"): a file's ServerName; a server is
    // named by its address instead.
    const std::wstring& StoredServerName() const { return storedName_; }
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
    // The row version of each object this connection saved last, by id: a save over its
    // own earlier one through another handle of the object is no change by another user.
    std::unordered_map<long long, long long>& OwnVersions() { return ownVersions_; }

private:
    struct Token {};

public:
    ServerConnection(Token, const std::string& path);

private:
    std::unique_ptr<Database> database_;
    std::shared_ptr<Schema> schema_;
    std::shared_ptr<Model::ReferenceCatalog> catalog_;
    std::wstring serverName_;
    std::wstring storedName_;
    Model::ConnectionParameters parameters_{L""};
    std::shared_ptr<FaultPlan> faults_;
    std::unordered_map<long long, long long> ownVersions_;
    Model::SaveObserver* saveObserver_ = nullptr;
};

} // namespace Vireo::Arbor::Model
