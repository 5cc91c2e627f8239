#pragma once
// A generated machining project in a PDM of its own, for measurements: one project with N
// machinings, each with a tool of its own and its order number, and the rules that map them.

#include "tests/pdm/testing/PdmFixture.h"

#include "platform/host/Zkw32Doc.h"

namespace Vireo::Testing {

class GeneratedProject {
public:
    // `dataDirectory` holds the shipped seed files (units.xml, integration-rules.xml);
    // `database` is the connection text of an empty PDM.
    GeneratedProject(const std::filesystem::path& dataDirectory, int machinings,
                     const std::string& database = ":memory:");

    PdmFixture& Pdm() noexcept { return pdm_; }
    // Imports the project into `doc`, recursively; false when the import fails.
    static bool Import(CZkw32Doc& doc);

private:
    PdmFixture pdm_;
};

} // namespace Vireo::Testing
