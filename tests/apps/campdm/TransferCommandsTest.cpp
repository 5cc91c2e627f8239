// The plug-in's commands run by campdm on a document file and a PDM, a database file or a
// PostgreSQL server: the round trip a CAM engineer makes, and every refusal leaving the
// document byte for byte and the PDM row for row as they were.

#include "CampdmRun.h"

#include "TransferReport.h"

#include "platform/arbor/Database.h"
#include "platform/support/Utf8.h"
#include "tests/platform/testing/TestStorage.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <set>
#include <sstream>
#include <thread>

namespace {

using namespace CampdmTesting;
using ::testing::HasSubstr;
using ::testing::Not;
using Vireo::Testing::Storage;
using Vireo::Testing::TestDatabase;
namespace fs = std::filesystem;

const std::string project = "Housing 4711";
const std::string machining = "Housing 4711/Roughing/Pocket roughing";
const std::vector<std::string> technology = {"--reference", "Machining technology"};

// Every row of a server's PDM in a text: what a file's bytes are for a database file.
std::string ServerRows(const std::string& server)
{
    const auto database = Vireo::Arbor::Model::Database::Open(server);
    std::string rows;
    for (const char* table :
         {"meta", "groups", "parameters", "classes", "class_groups", "class_children", "objects", "vals", "links", "hierarchy"}) {
        auto query = database->Prepare(std::string("SELECT coalesce(string_agg(t::text, ';' ORDER BY t::text), '') FROM ") +
                                       table + " t");
        query.Step();
        rows += std::string(table) + ": " + std::string(Vireo::Support::WideToUtf8(query.Text(0))) + "\n";
    }
    return rows;
}

class CampdmTransfer : public ::testing::TestWithParam<Storage> {
protected:
    void SetUp() override
    {
        VIREO_SKIP_WITHOUT_STORAGE(GetParam());
        if (GetParam() == Storage::Postgres) {
            server = std::make_unique<TestDatabase>(Storage::Postgres);
            pdm = server->Text();
            ASSERT_EQ(folder.Run({"pdm", "init", pdm}).exitCode, 0);
        } else {
            fs::copy_file(SeededPdm(), folder / "pdm.db");
        }
        ASSERT_EQ(folder.Run({"new", "shop.vcam"}).exitCode, 0);
        const CampdmResult imported = Run({"import", "shop.vcam", "--pdm", pdm, "--reference",
                                           "Machining technology", "--object", project});
        ASSERT_EQ(imported.exitCode, 0) << imported.err;
        ASSERT_EQ(imported.out, "Imported 19 CAM objects into shop.vcam\n");
        Remember();
    }
    CampdmResult Run(const std::vector<std::string>& args) const { return folder.Run(args); }
    void Remember()
    {
        document = ReadBytes(folder / "shop.vcam");
        database = pdmState();
    }
    // The file's bytes, or the server's rows.
    std::string pdmState() const { return server ? ServerRows(pdm) : ReadBytes(folder / "pdm.db"); }
    // The files a command must leave in the folder: nothing beside them.
    std::vector<std::string> files() const
    {
        return server ? std::vector<std::string>{"shop.vcam"} : std::vector<std::string>{"pdm.db", "shop.vcam"};
    }
    // Exit code 1 or 2 with a message of one line naming what was wrong, and both files
    // exactly as they were, with nothing left beside them.
    void expectRefused(const CampdmResult& result, int exitCode, const std::string& says) const
    {
        EXPECT_EQ(result.exitCode, exitCode) << result.err;
        EXPECT_THAT(result.err, HasSubstr(says));
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
        expectFilesUnchanged();
    }
    void expectFilesUnchanged() const
    {
        EXPECT_EQ(ReadBytes(folder / "shop.vcam"), document);
        EXPECT_EQ(pdmState(), database);
        EXPECT_EQ(folder.FileNames(), files());
    }
    std::vector<std::string> exportWords(std::vector<std::string> more = {}) const
    {
        std::vector<std::string> words{"export", "shop.vcam", project, "--pdm", pdm, "--reference",
                                       "Machining technology", "--parent", "Machining projects"};
        words.insert(words.end(), more.begin(), more.end());
        return words;
    }

    WorkFolder folder;
    std::unique_ptr<TestDatabase> server;
    // What --pdm names: the folder's file, or the server.
    std::string pdm = "pdm.db";
    std::string document;
    std::string database;
};

// What only a database file has (a path that may be missing or name another kind of file),
// and what does not depend on the storage (the settings file, links without a PDM).
class CampdmFileTransfer : public CampdmTransfer {};

TEST_P(CampdmTransfer, ImportChangeUpdateToPdmThenUpdateFromPdmRestores)
{
    const CampdmResult tree = Run({"tree", "shop.vcam"});
    EXPECT_THAT(tree.out, HasSubstr("MillLayers \"Pocket roughing\" [10]  -> arbor://localhost/OpenReferenceWindow/"));

    ASSERT_EQ(Run({"set", "shop.vcam", machining, "Feed", "1800mm/min"}).exitCode, 0);
    const CampdmResult toPdm = Run({"update-to-pdm", "shop.vcam", project, "--pdm", pdm});
    ASSERT_EQ(toPdm.exitCode, 0) << toPdm.err;
    EXPECT_THAT(toPdm.out, HasSubstr("(0 new)"));
    EXPECT_NE(pdmState(), database);
    Remember();

    ASSERT_EQ(Run({"set", "shop.vcam", machining, "Feed", "900"}).exitCode, 0);
    const CampdmResult fromPdm = Run({"update-from-pdm", "shop.vcam", project, "--pdm", pdm});
    ASSERT_EQ(fromPdm.exitCode, 0) << fromPdm.err;
    EXPECT_EQ(Run({"get", "shop.vcam", machining, "Feed"}).out, "1800 mm/min\n");
    EXPECT_EQ(pdmState(), database) << "reading the PDM changed its file";
    EXPECT_EQ(folder.FileNames(), files());
}

TEST_P(CampdmTransfer, ExportLinksTheCopiesSoThatNothingIsMadeTwice)
{
    const CampdmResult exported = Run(exportWords());
    ASSERT_EQ(exported.exitCode, 0) << exported.err;
    EXPECT_THAT(exported.out, HasSubstr(": 18 new PDM objects, the CAM objects linked"));
    EXPECT_NE(ReadBytes(folder / "shop.vcam"), document) << "the links were not saved";
    Remember();

    expectRefused(Run(exportWords()), 1, "was exported under \"Machining projects\" before");
    const CampdmResult update = Run({"update-to-pdm", "shop.vcam", project, "--pdm", pdm});
    ASSERT_EQ(update.exitCode, 0) << update.err;
    EXPECT_THAT(update.out, HasSubstr("(0 new)"));
}

// Four users exporting into one PDM at once: on a server side by side, on a file taking turns
// (each command works on a copy of the file; without turns the last rename would keep one
// export and silently drop the others). Every project is there once, and the PDM is whole.
TEST_P(CampdmTransfer, FourUsersExportingAtOnceEachGetTheirWholeProject)
{
    constexpr int users = 4;
    const std::string shared = server ? pdm : (folder / "pdm.db").string();
    std::vector<std::unique_ptr<WorkFolder>> desks;
    for (int i = 0; i < users; ++i)
        fs::copy_file(folder / "shop.vcam", *desks.emplace_back(std::make_unique<WorkFolder>()) / "shop.vcam");
    std::vector<CampdmResult> exported(users);
    std::vector<std::thread> running;
    for (int i = 0; i < users; ++i)
        running.emplace_back([&, i] {
            exported[i] = desks[i]->Run({"export", "shop.vcam", project, "--pdm", shared, "--reference",
                                         "Machining technology", "--parent", "Machining projects"});
        });
    for (auto& thread : running)
        thread.join();
    for (const auto& result : exported) {
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_THAT(result.out, HasSubstr(": 18 new PDM objects, the CAM objects linked"));
    }
    const CampdmResult check = Run({"pdm", "check", pdm});
    EXPECT_EQ(check.exitCode, 0) << check.out << check.err;
    // A lost export shows as a link to another user's copy: every copy got the same ids.
    std::set<std::string> projectLinks;
    for (const auto& desk : desks) {
        const std::string tree = desk->Run({"tree", "shop.vcam"}).out;
        projectLinks.insert(tree.substr(0, tree.find('\n')));
        const CampdmResult update = desk->Run({"update-to-pdm", "shop.vcam", project, "--pdm", shared});
        EXPECT_EQ(update.exitCode, 0) << update.err;
        EXPECT_THAT(update.out, HasSubstr("(0 new)"));
    }
    EXPECT_EQ(projectLinks.size(), static_cast<std::size_t>(users)) << "an export was lost";
}

TEST_P(CampdmTransfer, ProgressIsToldOnATerminalAndNeverOnAPipe)
{
    const CampdmResult piped = Run(exportWords());
    ASSERT_EQ(piped.exitCode, 0) << piped.err;
    EXPECT_EQ(piped.err, "") << "standard error is a pipe here";

    std::ostringstream terminal;
    Campdm::TransferReport report(terminal, "exported", "PDM objects", true);
    report.Show(3, 18);
    EXPECT_THAT(terminal.str(), HasSubstr("exported 3/18 PDM objects, "));
    report.Show(4, std::nullopt);
    report.Done(18);
    EXPECT_THAT(terminal.str(), HasSubstr("\r\033[Kexported 18 PDM objects in ")) << "the summary replaces the line";

    std::ostringstream pipe;
    Campdm::TransferReport quiet(pipe, "exported", "PDM objects", false);
    quiet.Show(3, 18);
    quiet.Done(18);
    EXPECT_EQ(pipe.str(), "");
}

TEST_P(CampdmTransfer, ExportWithoutLinksLeavesTheDocumentAsItWas)
{
    const CampdmResult exported = Run(exportWords({"--no-link"}));
    ASSERT_EQ(exported.exitCode, 0) << exported.err;
    EXPECT_THAT(exported.out, HasSubstr(": 18 new PDM objects\n"));
    EXPECT_EQ(ReadBytes(folder / "shop.vcam"), document);
    EXPECT_NE(pdmState(), database);
}

TEST_P(CampdmTransfer, AFailedCommandLeavesBothFilesAsTheyWere)
{
    const std::string material = "1ddee4e4-7296-571a-9134-906221843115"; // a material: no rules make CAM of it
    expectRefused(Run({"import", "shop.vcam", "--pdm", pdm, "--reference", "Materials", "--object", material}),
                  1, "nothing was imported");
    expectRefused(Run({"export", "shop.vcam", project, "--pdm", pdm, "--reference", "Materials", "--parent",
                       material}),
                  1, "the export made no PDM object");
}

TEST_P(CampdmFileTransfer, MenuOffersTheEntriesForTheServerTheSettingsName)
{
    const CampdmResult menu = Run({"menu", "shop.vcam", machining, "--pdm", pdm});
    ASSERT_EQ(menu.exitCode, 0) << menu.err;
    EXPECT_THAT(menu.out, HasSubstr("Context menu of MillLayers \"Pocket roughing\":\n  Create from PDM\n"));
    EXPECT_THAT(menu.out, HasSubstr("  Open in PDM\n"));
    EXPECT_THAT(Run({"menu", "shop.vcam", "14_1_0", "--pdm", pdm}).out, HasSubstr("(no PDM entries)"));

    WriteBytes(folder / "other.conf", "server-name = pdm.elsewhere\n");
    const CampdmResult elsewhere = Run({"menu", "shop.vcam", machining, "--pdm", pdm, "--settings", "other.conf"});
    EXPECT_THAT(elsewhere.out, HasSubstr("(no PDM entries)"));

    // The plug-in tells of a settings file it cannot read in a message, and keeps its defaults.
    WriteBytes(folder / "other.conf", "server-name pdm.elsewhere\n");
    const CampdmResult unread = Run({"menu", "shop.vcam", machining, "--pdm", pdm, "--settings", "other.conf"});
    EXPECT_EQ(unread.exitCode, 0);
    EXPECT_THAT(unread.err, HasSubstr("other.conf:1: expected \"key = value\""));
    EXPECT_THAT(unread.out, HasSubstr("  Create from PDM\n"));
    fs::remove(folder / "other.conf");
    expectFilesUnchanged();
}

TEST_P(CampdmFileTransfer, OpenLinkPrintsOrHandsOverTheLinkWithoutAPdm)
{
    const CampdmResult printed = Run({"open-link", "shop.vcam", machining});
    ASSERT_EQ(printed.exitCode, 0) << printed.err;
    EXPECT_THAT(printed.out, HasSubstr("arbor://localhost/OpenReferenceWindow/?refId="));

    // Settings that point the plug-in at another server are named as the reason for a refusal.
    WriteBytes(folder / "other.conf", "server-name = pdm.elsewhere\n");
    const CampdmResult refused = Run({"open-link", "shop.vcam", machining, "--settings", "other.conf"});
    fs::remove(folder / "other.conf");
    expectRefused(refused, 1, "the settings file \"other.conf\" names the PDM server \"pdm.elsewhere\"");
}

TEST_P(CampdmFileTransfer, RefusesPdmFilesThatAreMissingOrNoPdmDatabase)
{
    const WorkFolder elsewhere;
    const auto with = [&](const std::string& db) {
        return std::vector<std::string>{"update-from-pdm", "shop.vcam", project, "--pdm", (elsewhere / db).string()};
    };
    expectRefused(Run(with("none.db")), 2, "none.db\" does not exist");

    WriteBytes(elsewhere / "notes.db", "some notes, not a database\n");
    expectRefused(Run(with("notes.db")), 2, "notes.db\" is not a PDM database");

    // The same database with another schema version in its header, and with none.
    std::string header = database;
    header[63] = 7;
    WriteBytes(elsewhere / "other.db", header);
    expectRefused(Run(with("other.db")), 2, "has schema version 7");
    header[63] = 0;
    WriteBytes(elsewhere / "other.db", header);
    expectRefused(Run(with("other.db")), 2, "is an SQLite database but not a PDM database");
    EXPECT_EQ(ReadBytes(elsewhere / "other.db"), header);
    EXPECT_EQ(elsewhere.FileNames(), (std::vector<std::string>{"notes.db", "other.db"}));
}

TEST_P(CampdmTransfer, RefusesReferencesObjectsAndOptionsThatDoNotExist)
{
    const std::vector<std::string> import{"import", "shop.vcam", "--pdm", pdm};
    const auto with = [&](std::vector<std::string> more) {
        std::vector<std::string> words = import;
        words.insert(words.end(), more.begin(), more.end());
        return words;
    };
    expectRefused(Run(with({"--reference", "Fixtures", "--object", "1"})), 1, "the PDM has no reference \"Fixtures\"");
    expectRefused(Run(with({"--reference", "Machining technology", "--object", "Housing 0815"})), 1,
                  "has no object \"Housing 0815\"");
    expectRefused(Run(with({"--reference", "Machining technology", "--object", "99999"})), 1,
                  "has no object \"99999\"");
    expectRefused(Run(with({"--reference", "Machining technology"})), 2, "missing option --object");
    expectRefused(Run(with({"--reference", "Machining technology", "--object", project, "--parent", "Nowhere"})), 1,
                  "no CAM object \"Nowhere\"");
    expectRefused(Run({"update-to-pdm", "shop.vcam", "Housing 4711/Nowhere", "--pdm", pdm}), 1,
                  "no CAM object \"Housing 4711/Nowhere\"");
}

TEST_P(CampdmTransfer, RefusesLinksOfAnotherSchemeOrToObjectsThePdmDoesNotHold)
{
    std::string text = document;
    // The project is the document's first object, so its link is the first one.
    const std::string prefix = "arbor://localhost/OpenReferenceWindow/?refId=12&objId=";
    const std::size_t at = text.find(prefix);
    ASSERT_NE(at, std::string::npos);
    const std::string link = text.substr(at, text.find_first_not_of("0123456789", at + prefix.size()) - at);
    text.replace(text.find(link), link.size(), "https://example.org/housing");
    WriteBytes(folder / "shop.vcam", text);
    Remember();
    expectRefused(Run({"update-from-pdm", "shop.vcam", project, "--pdm", pdm}), 1,
                  "\"https://example.org/housing\", which is not a link to a PDM object");
    expectRefused(Run({"update-to-pdm", "shop.vcam", project, "--pdm", pdm}), 1, "not a link to a PDM object");
    expectRefused(Run({"open-link", "shop.vcam", project}), 1, "not a link to a PDM object");

    text.replace(text.find("https://example.org/housing"), 27, "arbor://localhost/OpenReferenceWindow/?refId=12&objId=99999");
    WriteBytes(folder / "shop.vcam", text);
    Remember();
    expectRefused(Run({"update-from-pdm", "shop.vcam", project, "--pdm", pdm}), 1,
                  "is linked to object 99999 of reference 12, which the PDM does not hold");
}

TEST_P(CampdmTransfer, RefusesAReadOnlyOrMalformedDocumentBeforeTouchingThePdm)
{
    fs::permissions(folder / "shop.vcam", fs::perms(0444));
    expectRefused(Run(exportWords()), 1, "is read-only");
    expectRefused(Run({"update-from-pdm", "shop.vcam", project, "--pdm", pdm}), 1, "is read-only");
    fs::permissions(folder / "shop.vcam", fs::perms(0644));

    std::string text = document;
    text.replace(text.find("next-id"), 7, "next_id");
    WriteBytes(folder / "shop.vcam", text);
    Remember();
    expectRefused(Run({"update-to-pdm", "shop.vcam", project, "--pdm", pdm}), 2, "shop.vcam: line 2:");
}

TEST_P(CampdmTransfer, AMissingChoiceIsAskedOnATerminalWithTheOffersNumbered)
{
    const CampdmResult chosen =
        folder.RunOnTerminal({"import", "shop.vcam", "--pdm", pdm, "--reference", "Machining technology"}, "x\n2\n");
    ASSERT_EQ(chosen.exitCode, 0) << chosen.out;
    EXPECT_THAT(chosen.out, HasSubstr("Choose an object of \"Machining technology\":\r\n  1  Project folder"));
    EXPECT_THAT(chosen.out, HasSubstr("  2  Machining project \"Housing 4711\""));
    EXPECT_THAT(chosen.out, HasSubstr("\"x\" is not a number from 1 to "));
    EXPECT_THAT(chosen.out, HasSubstr("Imported 19 CAM objects"));

    Remember();
    const CampdmResult cancelled = folder.RunOnTerminal({"import", "shop.vcam", "--pdm", pdm}, "\n");
    EXPECT_EQ(cancelled.exitCode, 1);
    EXPECT_THAT(cancelled.out, HasSubstr("the choice of the PDM reference was cancelled; nothing was changed"));
    expectFilesUnchanged();
}

INSTANTIATE_TEST_SUITE_P(Storages, CampdmTransfer, ::testing::ValuesIn(Vireo::Testing::AllStorages()),
                         Vireo::Testing::StorageTestName);
INSTANTIATE_TEST_SUITE_P(File, CampdmFileTransfer, ::testing::Values(Storage::Sqlite), Vireo::Testing::StorageTestName);

} // namespace
