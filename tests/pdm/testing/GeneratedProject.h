#pragma once
// A generated machining project in a PDM of its own, for measurements: one project with N
// machinings, each with a tool of its own and its order number, and the rules that map them.

#include "tests/pdm/testing/PdmFixture.h"

#include "platform/host/Zkw32Doc.h"

#include <cstddef>

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
    // Compares every imported object (the project, its machinings and their tools) with its
    // PDM object, as the synchronisation does; the number compared, 0 when one of them
    // cannot be compared or differs.
    static std::size_t Compare(CZkw32Doc& doc);
    // Exports the imported project with its children as new PDM objects of the generated
    // reference, in one transaction as the host program runs a command; the number of PDM
    // objects made, 0 when the export fails.
    static std::size_t Export(CZkw32Doc& doc);

private:
    PdmFixture pdm_;
};

} // namespace Vireo::Testing
