#pragma once
// A PDM (in memory unless given) that is the current connection for the life of the fixture: the units
// reference and the integration-rule reference are seeded, the fault plan counts every
// search, read and write, and message boxes are recorded instead of shown. Each fixture
// has a server name of its own, so rule sets cached for another fixture never answer for it.

#include "platform/arbor/FaultPlan.h"
#include "platform/arbor/ModelFwd.h"
#include "platform/ui/RecordingUiDriver.h"

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace Vireo::Testing {

// A shipped seed file, data/pdm/<name>.
#ifdef VIREO_SOURCE_DIR
inline std::filesystem::path PdmDataFile(std::string_view name)
{
    return std::filesystem::path(VIREO_SOURCE_DIR) / "data" / "pdm" / name;
}
#endif

class PdmFixture {
public:
    enum class RuleReference { Seeded, Missing };

    // `dataDirectory` holds the shipped seed files (units.xml, integration-rules.xml);
    // `database` is the connection text of an empty PDM.
    explicit PdmFixture(const std::filesystem::path& dataDirectory,
                        RuleReference ruleReference = RuleReference::Seeded, const std::string& database = ":memory:");
    ~PdmFixture();
    PdmFixture(const PdmFixture&) = delete;
    PdmFixture& operator=(const PdmFixture&) = delete;

    void SeedFile(const std::filesystem::path& file);
    // A whole seed file's text ("<Pdm>...</Pdm>").
    void SeedText(std::string_view xml);

    Arbor::Model::ServerConnection& Connection() const { return *connection_; }
    const std::wstring& ServerName() const;
    Arbor::Model::FaultPlan& Faults() const { return *faults_; }
    Ui::RecordingUiDriver& Ui() { return ui_; }

    // The number the SQL query asks of the database, e.g. "SELECT COUNT(*) ...".
    long long Count(const std::string& sql) const;
    long long ObjectsWithoutValues() const;

    // Drops the connection as the PDM proxy would when the server goes away.
    void Disconnect();

private:
    std::shared_ptr<Arbor::Model::ServerConnection> connection_;
    std::shared_ptr<Arbor::Model::FaultPlan> faults_;
    Ui::RecordingUiDriver ui_;
    Ui::ScopedHostUiDriver installedUi_{ui_};
};

} // namespace Vireo::Testing
