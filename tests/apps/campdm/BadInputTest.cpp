// The bad-input suite: every malformed seed file and CAM document of bad-input/ is refused by
// the program with the file, the line and what is wrong, quickly and without leaving a file;
// valid but unusual XML and text read right.

#include "CampdmRun.h"

#include <gtest/gtest.h>

#include <chrono>

namespace CampdmTesting {
namespace {

namespace fs = std::filesystem;

fs::path badInput(const std::string& name)
{
    return fs::path(VIREO_SOURCE_DIR) / "tests" / "apps" / "campdm" / "bad-input" / name;
}

// Runs campdm and says how long it took.
CampdmResult timedRun(const WorkFolder& folder, const std::vector<std::string>& args, double& seconds)
{
    const auto start = std::chrono::steady_clock::now();
    CampdmResult result = folder.Run(args);
    seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return result;
}

// The shipped seed files with the last one replaced by `seed`, in `folder`/seeds.
void seedsWith(const WorkFolder& folder, const fs::path& seed)
{
    fs::create_directories(folder / "seeds");
    for (const auto& entry : fs::directory_iterator(SourceData("pdm")))
        if (entry.is_regular_file())
            fs::copy_file(entry.path(), folder / "seeds" / entry.path().filename(), fs::copy_options::overwrite_existing);
    fs::copy_file(seed, folder / "seeds" / "technology-project.xml", fs::copy_options::overwrite_existing);
}

TEST(BadInput, EveryMalformedSeedFileIsRefusedWithFileAndLineAndNoDatabaseIsMade)
{
    const struct {
        const char* file;
        const char* what;
    } cases[] = {
        {"seed-own-parent.xml", "line 9: <Object>: the object is among its own ancestors"},
        {"seed-parents-cycle.xml", "line 9: <Object>: the object is among its own ancestors"},
        {"seed-truncated.xml", "line 9: "},
        {"seed-latin1.xml", "line 7: the text is not UTF-8"},
        {"seed-dangling-parent.xml", "line 9: <Object>: attribute \"parents\" names no object"},
        {"seed-dangling-link.xml", "line 9: <Link>: attribute \"object\" names no object"},
        {"seed-wrong-class.xml", "line 9: <Object>: attribute \"class\" names no class"},
        {"seed-nan.xml", "line 9: <Value>: \"nan\" is not a finite number"},
        {"seed-infinite.xml", "line 9: <Value>: \"1e999\""},
        {"seed-mismatched-tag.xml", "line 9: Opening and ending tag mismatch"},
        {"seed-second-root.xml", "line 11: Extra content"},
        {"seed-duplicate-attribute.xml", "line 9: Attribute class redefined"},
        {"seed-unknown-entity.xml", "line 9: Entity 'eacute' not defined"},
        {"seed-nul-reference.xml", "line 9: "},
        {"seed-element-in-value.xml", "line 9: <b>: a value holds text only"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        WorkFolder folder;
        seedsWith(folder, badInput(c.file));
        double seconds = 0;
        const CampdmResult result = timedRun(folder, {"pdm", "init", "shop.db", "--data", "seeds"}, seconds);
        EXPECT_EQ(result.exitCode, 2) << result.err;
        EXPECT_NE(result.err.find("technology-project.xml: " + std::string(c.what)), std::string::npos) << result.err;
        EXPECT_FALSE(fs::exists(folder / "shop.db"));
        EXPECT_LT(seconds, 10.0);
    }

    WorkFolder deep;
    std::string nested = "<Pdm>";
    for (int i = 0; i < 100000; ++i)
        nested += "<Units>\n";
    fs::create_directories(deep / "bad");
    WriteBytes(deep / "bad" / "deep.xml", nested);
    seedsWith(deep, deep / "bad" / "deep.xml");
    const CampdmResult result = deep.Run({"pdm", "init", "shop.db", "--data", "seeds"});
    EXPECT_EQ(result.exitCode, 2) << result.err;
    EXPECT_NE(result.err.find("technology-project.xml: line 256: elements nest deeper than 256 levels"),
              std::string::npos)
        << result.err;
}

TEST(BadInput, EveryMalformedCamDocumentIsRefusedWithFileAndLine)
{
    const struct {
        const char* file;
        const char* what;
    } cases[] = {
        {"cam-group-in-itself.vcam", "line 21: the machining group 4 is among its own child groups"},
        {"cam-truncated.vcam", "line 30: the block of \"object\" is not closed"},
        {"cam-dangling-group.vcam", "line 19: \"99\" names no MachiningGroup"},
        {"cam-wrong-class-group.vcam", "line 19: \"5\" names no MachiningGroup"},
        {"cam-nan.vcam", "line 5: \"nan\" is not a finite number"},
        {"cam-infinite.vcam", "line 33: \"inf\" is not a finite number"},
        {"cam-latin1.vcam", "line 4: the text is not UTF-8"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        WorkFolder folder;
        fs::copy_file(badInput(c.file), folder / c.file);
        double seconds = 0;
        const CampdmResult result = timedRun(folder, {"tree", c.file}, seconds);
        EXPECT_EQ(result.exitCode, 2) << result.err;
        EXPECT_NE(result.err.find(std::string(c.file) + ": " + c.what), std::string::npos) << result.err;
        EXPECT_LT(seconds, 10.0);
    }

    WorkFolder deep;
    std::string nested = "vireo-document 1\n";
    for (int i = 0; i < 100000; ++i)
        nested += "a {\n";
    WriteBytes(deep / "deep.vcam", nested);
    const CampdmResult result = deep.Run({"tree", "deep.vcam"});
    EXPECT_EQ(result.exitCode, 2) << result.err;
    EXPECT_NE(result.err.find("deep.vcam: line 66: blocks nest deeper than 64 levels"), std::string::npos)
        << result.err;
}

TEST(BadInput, ValidButUnusualFilesReadRight)
{
    WorkFolder folder;
    seedsWith(folder, badInput("seed-unusual-but-valid.xml"));
    const CampdmResult init = folder.Run({"pdm", "init", "shop.db", "--data", "seeds"});
    EXPECT_EQ(init.exitCode, 0) << init.err;
    EXPECT_TRUE(fs::exists(folder / "shop.db"));

    fs::copy_file(badInput("cam-byte-order-mark.vcam"), folder / "marked.vcam");
    const CampdmResult tree = folder.Run({"tree", "marked.vcam"});
    EXPECT_EQ(tree.exitCode, 0) << tree.err;
    EXPECT_NE(tree.out.find("Pockets"), std::string::npos) << tree.out;
}

} // namespace
} // namespace CampdmTesting
