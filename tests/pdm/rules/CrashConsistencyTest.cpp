// Exports into a file database, killed at random moments: every time the database opens and
// passes the consistency check, and holds whole objects only.

#include "PdmBuilderTestSupport.h"

#include "platform/arbor/DatabaseCheck.h"

#include <csignal>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

namespace Vireo::Cam::Pdm::Testing {
namespace {

using Model::ObjectValue;

// Runs exports until killed: each makes a tool with a row and two linked holders under a set.
[[noreturn]] void exportUntilKilled(const std::string& path)
{
    Ui::RecordingUiDriver ui;
    Ui::ScopedHostUiDriver uiScope{ui};
    Model::ServerGateway::Open(path);
    RuleSet set;
    set.Type(Tools::MillClass);
    set.Param(L"D", {Tools::Reference}, Tools::Diameter);
    set.Param(L"Holder", {Tools::HolderLink}, Holders::Name);
    set.Param(L"Accessory", {Tools::AccessoriesLink}, Holders::Name);
    set.Param(L"ItemA", {Tools::Items}, Tools::ItemAmount, Tools::ItemTag, L"A");
    const auto parent = Model::ServerGateway::Connection()->ReferenceCatalog()->Find(G(Tools::Reference))
                            ->CreateReference()->Find(G(Tools::SetA));
    for (int i = 0; i < 100000; ++i) {
        ValueBuilder builder(G(Tools::Reference));
        builder.SetParentDatasetObject(parent);
        builder.values = {{L"D", ObjectValue(1.0 + i)},
                          {L"Holder", ObjectValue(L"holder")},
                          {L"Accessory", ObjectValue(L"accessory")},
                          {L"ItemA", ObjectValue(2.0)}};
        builder.ProcessRules(set.rules);
    }
    std::_Exit(0);
}

TEST(CrashConsistency, AnExportKilledAtAnyMomentLeavesADatabaseThatPassesTheCheck)
{
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("vireo-crash-" + std::to_string(::getpid()) + ".db")).string();
    const auto data = std::filesystem::path(VIREO_SOURCE_DIR) / "data" / "pdm";
    {
        auto connection = Model::ServerConnection::Open(path);
        Model::SeedFromFile(*connection, data / "units.xml");
        Model::SeedFromFile(*connection, data / "example.xml");
    }
    std::mt19937 random(20261206);
    std::uniform_int_distribution<int> delayMs(5, 120);
    long long objects = 0;
    for (int round = 0; round < 8; ++round) {
        SCOPED_TRACE(testing::Message() << "round " << round);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            exportUntilKilled(path);
        ::usleep(static_cast<useconds_t>(delayMs(random) * 1000));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);

        const auto opened = Model::Database::Open(path);
        Model::Database& database = *opened;
        EXPECT_EQ(Model::CheckDatabase(database), std::vector<std::string>{});
        // Every saved tool has its class and its value: objects are saved whole.
        auto query = database.Prepare("SELECT COUNT(*) FROM objects o WHERE o.owner_id IS NULL AND NOT EXISTS "
                                      "(SELECT 1 FROM vals v WHERE v.object_id = o.id)");
        ASSERT_TRUE(query.Step());
        EXPECT_EQ(query.Int(0), 0) << "an object without any value was saved";
        auto count = database.Prepare("SELECT COUNT(*) FROM objects");
        ASSERT_TRUE(count.Step());
        EXPECT_GE(count.Int(0), objects);
        objects = count.Int(0);
    }
    for (const char* suffix : {"", "-wal", "-shm"})
        std::filesystem::remove(path + suffix);
}

} // namespace
} // namespace Vireo::Cam::Pdm::Testing
