#pragma once
// PDM database files as the host program uses them. A command never works on the user's
// file itself: it works on a copy, and only a command that changed the PDM and succeeded puts
// the copy in place of the file, in one step. A failed command, or a file that turns out not
// to be a PDM database, leaves the file exactly as it was. A PostgreSQL server
// ("postgresql://...") is worked on in one transaction per command instead.

#include "platform/arbor/Database.h"
#include "platform/arbor/ModelFwd.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace Campdm {

class FileTurn;
class TemporaryFile;

// InputError naming the file unless it is an SQLite file of the PDM schema this program reads.
void CheckPdmDatabaseFile(const std::filesystem::path& path);

class PdmWorkingCopy {
public:
    // Opens a copy of `database` as the current PDM connection; ":memory:" opens an empty
    // in-memory database seeded from `seedFolder`. A copy that may change is made beside the
    // file, so that committing it is a rename.
    PdmWorkingCopy(const std::string& database, bool mayChange, const std::filesystem::path& seedFolder);
    ~PdmWorkingCopy();
    PdmWorkingCopy(const PdmWorkingCopy&) = delete;
    PdmWorkingCopy& operator=(const PdmWorkingCopy&) = delete;

    Vireo::Arbor::Model::ServerConnection& Connection() const { return *connection_; }
    // Puts the copy in place of the database file (nothing to do for ":memory:").
    void Commit();

private:
    void openServer(const std::string& database, bool mayChange);
    void disconnect();

    std::filesystem::path database_;
    // Held from before the copy is taken until it has replaced the file: commands that change
    // one file take turns, so none of them loses another's work. Released last.
    std::unique_ptr<FileTurn> turn_;
    std::unique_ptr<TemporaryFile> copy_;
    std::shared_ptr<Vireo::Arbor::Model::ServerConnection> connection_;
    // The whole command is one transaction on the copy; each save inside it is a savepoint.
    std::optional<Vireo::Arbor::Model::Database::Transaction> work_;
};

// Makes a new database file seeded from the seed files of `seedFolder`; CommandFailed when the
// file exists and `replace` is false. The file appears only when seeding succeeded.
void CreatePdmDatabaseFile(const std::filesystem::path& path, const std::filesystem::path& seedFolder, bool replace,
                           std::ostream& out);

// Seeds the database of a PostgreSQL server (a "postgresql://" text) from the seed files of
// `seedFolder`, in one transaction; CommandFailed when it holds objects already and `replace`
// is false. `replace` drops the PDM tables it holds first.
void CreatePdmServerDatabase(const std::string& server, const std::filesystem::path& seedFolder, bool replace,
                             std::ostream& out);

// The folder of PDM seed files in `folder`: it, or its pdm/ sub-folder; InputError when
// neither holds them.
std::filesystem::path PdmSeedFolder(const std::filesystem::path& folder);

} // namespace Campdm
