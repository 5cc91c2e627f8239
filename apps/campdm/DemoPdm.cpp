#include "DemoPdm.h"

#include "platform/arbor/Seed.h"
#include "platform/arbor/ServerConnection.h"
#include "platform/arbor/ServerGateway.h"

#include <stdexcept>

namespace Campdm {

const wchar_t* const TechnologyReferenceGuid = L"f7c1d3a2-5b8e-4c6f-9a0d-3e2b1c4d5f60";
const wchar_t* const SampleProjectGuid = L"581550a8-7a11-5f17-961e-bb3069eba450";
const wchar_t* const ProjectsFolderGuid = L"87a5aaad-b11a-5d82-b363-19c3cb9420ce";

void SeedShippedPdm(Vireo::Arbor::Model::ServerConnection& connection, const std::filesystem::path& seedFolder,
                    std::ostream& out)
{
    static const char* const seedFiles[] = {"units.xml",      "integration-rules.xml", "tools.xml",
                                            "tools-rules.xml", "technology.xml",        "technology-rules.xml",
                                            "technology-project.xml"};
    for (const char* file : seedFiles) {
        Vireo::Arbor::Model::SeedFromFile(connection, seedFolder / file);
        out << "  seeded " << file << "\n";
    }
}

std::shared_ptr<Vireo::Arbor::Model::ServerConnection> OpenDemoPdm(const std::string& database,
                                                                  const std::filesystem::path& dataDirectory,
                                                                  std::ostream& out)
{
    auto connection = Vireo::Arbor::Model::ServerGateway::Open(database);
    if (!connection)
        throw std::runtime_error("the PDM database " + database + " could not be opened");
    out << "Opened the PDM database " << database << "\n";
    SeedShippedPdm(*connection, dataDirectory, out);
    return connection;
}

} // namespace Campdm
