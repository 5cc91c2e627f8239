// campdm rules check: the shipped rules are in order; a mistake in a shop's rules is named
// with its rule object and row, and the exit code says so.

#include "CampdmRun.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

namespace {

using namespace CampdmTesting;
using ::testing::HasSubstr;
namespace fs = std::filesystem;

TEST(CampdmRulesCheck, NamesEachMistakenRowAndFailsOnlyThen)
{
    const WorkFolder folder;
    ASSERT_EQ(folder.Run({"pdm", "init", "shipped.db"}).exitCode, 0);
    const CampdmResult shipped = folder.Run({"rules", "check", "--pdm", "shipped.db"});
    EXPECT_EQ(shipped.exitCode, 0) << shipped.out << shipped.err;
    EXPECT_THAT(shipped.out, HasSubstr("are in order"));

    // A shop's rules with a misspelt CAM type: its type row and its four parameter rows never apply.
    fs::create_directory(folder / "seeds");
    for (const auto& entry : fs::directory_iterator(SourceData("pdm")))
        if (entry.is_regular_file())
            fs::copy_file(entry.path(), folder / "seeds" / entry.path().filename());
    std::string rules = ReadBytes(folder / "seeds/tools-rules.xml");
    for (std::size_t at = rules.find(">ToolMillSpehere<"); at != std::string::npos; at = rules.find(">ToolMillSpehere<"))
        rules.replace(at, 17, ">ToolMillSphere<");
    WriteBytes(folder / "seeds/tools-rules.xml", rules);
    ASSERT_EQ(folder.Run({"pdm", "init", "shop.db", "--data", "seeds"}).exitCode, 0);

    const CampdmResult shop = folder.Run({"rules", "check", "--pdm", "shop.db"});
    EXPECT_EQ(shop.exitCode, 1);
    EXPECT_THAT(shop.out, HasSubstr("Cutting tools, type row 2 (ToolMillSphere): \"ToolMillSphere\" is no CAM type\n"));
    EXPECT_THAT(shop.out, HasSubstr("Cutting tools, parameter row 9 \"Diameter\": \"ToolMillSphere\" is no CAM type\n"));
    EXPECT_THAT(shop.err, HasSubstr("5 problems"));

    // "check" after "rules" is the check; a document of that name is given with its folder.
    const CampdmResult document = folder.Run({"rules", "./check", "--pdm", "shipped.db"});
    EXPECT_EQ(document.exitCode, 2);
    EXPECT_THAT(document.err, HasSubstr("./check"));
}

} // namespace
