#include "PdmDatabaseFile.h"

#include "CommandErrors.h"
#include "DemoPdm.h"
#include "FileTurn.h"
#include "TemporaryFile.h"

#include "platform/arbor/Database.h"
#include "platform/arbor/DatabaseCheck.h"
#include "platform/arbor/ModelException.h"
#include "platform/arbor/ServerConnection.h"
#include "platform/arbor/ServerGateway.h"

#include <array>
#include <cstring>
#include <fstream>
#include <sstream>

namespace Campdm {
namespace {

namespace fs = std::filesystem;
namespace Model = Vireo::Arbor::Model;

constexpr char sqliteMagic[] = "SQLite format 3";
constexpr std::size_t headerSize = 100;
constexpr std::size_t userVersionOffset = 60; // where SQLite keeps PRAGMA user_version
// How long a command that changes a database file waits for another one changing it.
constexpr std::chrono::minutes turnPatience{5};

std::string quoted(const fs::path& path)
{
    return "\"" + path.string() + "\"";
}

std::array<unsigned char, headerSize> readHeader(const fs::path& path)
{
    std::error_code error;
    if (!fs::exists(path, error))
        throw InputError("the PDM database " + quoted(path) + " does not exist (campdm pdm init makes one)");
    if (!fs::is_regular_file(path, error))
        throw InputError("the PDM database " + quoted(path) + " is not a file");
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw InputError("the PDM database " + quoted(path) + " cannot be read: " + std::strerror(errno));
    std::array<unsigned char, headerSize> header{};
    file.read(reinterpret_cast<char*>(header.data()), header.size());
    if (file.gcount() != static_cast<std::streamsize>(header.size()) ||
        std::memcmp(header.data(), sqliteMagic, sizeof sqliteMagic) != 0)
        throw InputError(quoted(path) + " is not a PDM database (not an SQLite database file)");
    return header;
}

long long userVersion(const std::array<unsigned char, headerSize>& header)
{
    long long version = 0;
    for (std::size_t i = 0; i < 4; ++i)
        version = (version << 8) | header[userVersionOffset + i];
    return version;
}

fs::path sidecar(const fs::path& path, const char* suffix)
{
    return fs::path(path.string() + suffix);
}

void removeSidecars(const fs::path& path)
{
    std::error_code ignored;
    fs::remove(sidecar(path, "-wal"), ignored);
    fs::remove(sidecar(path, "-shm"), ignored);
}

// The model names the file it opened, which is the copy: name the user's file instead.
[[noreturn]] void refuseOpening(const fs::path& path, const Model::ModelException& error)
{
    throw InputError("the PDM database " + quoted(path) + " cannot be opened: " + error.what());
}

} // namespace

void CheckPdmDatabaseFile(const fs::path& path)
{
    const long long version = userVersion(readHeader(path));
    if (version == 0)
        throw InputError(quoted(path) + " is an SQLite database but not a PDM database (it has no PDM schema)");
    if (version != Model::Database::SchemaVersion)
        throw InputError("the PDM database " + quoted(path) + " has schema version " + std::to_string(version) +
                         "; this program reads version " + std::to_string(Model::Database::SchemaVersion));
    std::error_code error;
    if (fs::file_size(sidecar(path, "-wal"), error) > 0 && !error)
        throw InputError("the PDM database " + quoted(path) +
                         " has a write-ahead journal of another program open on it; close that program first");
}

fs::path PdmSeedFolder(const fs::path& folder)
{
    for (const fs::path& candidate : {folder, folder / "pdm"})
        if (fs::is_regular_file(candidate / "units.xml"))
            return candidate;
    throw InputError("no PDM seed files (units.xml and the others) in " + quoted(folder));
}

PdmWorkingCopy::PdmWorkingCopy(const std::string& database, bool mayChange, const fs::path& seedFolder)
    : database_(database)
{
    if (Model::Database::IsServerText(database)) {
        openServer(database, mayChange);
        return;
    }
    try {
        if (database == ":memory:") {
            connection_ = Model::ServerGateway::Open(database);
            std::ostringstream quiet;
            SeedShippedPdm(*connection_, PdmSeedFolder(seedFolder), quiet);
            return;
        }
        CheckPdmDatabaseFile(database_);
        if (mayChange)
            turn_ = std::make_unique<FileTurn>(database_, turnPatience);
        const fs::path beside = mayChange ? database_ : fs::temp_directory_path() / database_.filename();
        copy_ = std::make_unique<TemporaryFile>(beside);
        fs::copy_file(database_, copy_->Path(), fs::copy_options::overwrite_existing);
        connection_ = Model::ServerGateway::Open(copy_->Path().string());
        if (mayChange)
            work_.emplace(connection_->GetDatabase());
    } catch (const Model::ModelException& error) {
        disconnect();
        refuseOpening(database_, error);
    } catch (...) {
        disconnect();
        throw;
    }
}

// A server has no file to copy: the command is one transaction on it, committed only when
// the command succeeded. Its messages name the server without user or password.
void PdmWorkingCopy::openServer(const std::string& database, bool mayChange)
{
    try {
        connection_ = Model::ServerGateway::Open(database);
        if (mayChange)
            work_.emplace(connection_->GetDatabase());
    } catch (const Model::ModelException& error) {
        disconnect();
        throw InputError(error.what());
    }
}

PdmWorkingCopy::~PdmWorkingCopy()
{
    disconnect();
}

void PdmWorkingCopy::disconnect()
{
    work_.reset();
    if (connection_ && Model::ServerGateway::Connection() == connection_)
        Model::ServerGateway::Close();
    connection_.reset();
    if (copy_)
        removeSidecars(copy_->Path());
}

void PdmWorkingCopy::Commit()
{
    if (work_) {
        work_->Commit();
        work_.reset();
    }
    if (!copy_)
        return;
    // Everything the journal holds goes into the file itself before it is renamed.
    connection_->GetDatabase().Execute("PRAGMA wal_checkpoint(TRUNCATE)");
    disconnect();
    copy_->ReplaceTarget();
    copy_.reset();
}

void CreatePdmServerDatabase(const std::string& server, const fs::path& seedFolder, bool replace, std::ostream& out)
{
    const fs::path seeds = PdmSeedFolder(seedFolder);
    try {
        if (replace)
            Model::Database::DropTables(server);
        const auto connection = Model::ServerConnection::Open(server);
        if (Model::HoldsPdmData(connection->GetDatabase()))
            throw CommandFailed("the PDM database " + connection->GetDatabase().Path() +
                                " is not empty; give --force to replace what it holds");
        Model::Database::Transaction seeding(connection->GetDatabase());
        SeedShippedPdm(*connection, seeds, out);
        seeding.Commit();
    } catch (const Model::ModelException& failure) {
        throw InputError(std::string(failure.what()) + "; nothing was seeded");
    }
}

void CreatePdmDatabaseFile(const fs::path& path, const fs::path& seedFolder, bool replace, std::ostream& out)
{
    const fs::path seeds = PdmSeedFolder(seedFolder);
    std::error_code error;
    if (!replace && fs::exists(path, error))
        throw CommandFailed("the file " + quoted(path) + " exists; give --force to replace it");
    TemporaryFile file(path);
    try {
        const auto connection = Model::ServerConnection::Open(file.Path().string());
        SeedShippedPdm(*connection, seeds, out);
        connection->GetDatabase().Execute("PRAGMA wal_checkpoint(TRUNCATE)");
    } catch (const Model::ModelException& failure) {
        removeSidecars(file.Path());
        throw InputError(std::string(failure.what()) + "; no database was made");
    }
    removeSidecars(file.Path());
    if (replace) {
        removeSidecars(path);
        file.ReplaceTarget();
    } else if (!file.CreateTarget()) {
        throw CommandFailed("the file " + quoted(path) + " exists; give --force to replace it");
    }
}

} // namespace Campdm
