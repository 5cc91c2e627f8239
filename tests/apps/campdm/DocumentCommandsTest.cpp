// campdm new, tree, get and set on document files: what they print and change, and how they
// refuse bad input without touching any file.

#include "CampdmRun.h"

#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include <filesystem>

namespace {

using namespace CampdmTesting;
using ::testing::HasSubstr;
using ::testing::Not;

const std::string roughing = "Housing/Pockets/Roughing";

class CampdmDocument : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::copy_file(SourceData("cam/workshop.vcam"), folder / "w.vcam");
        before = ReadBytes(folder / "w.vcam");
    }
    // Exit code 1 or 2 with a message of one line, and the document exactly as it was.
    void expectRefused(const CampdmResult& result, int exitCode, const std::string& says)
    {
        EXPECT_EQ(result.exitCode, exitCode) << result.err;
        EXPECT_THAT(result.err, HasSubstr(says));
        EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << result.err;
        EXPECT_EQ(ReadBytes(folder / "w.vcam"), before);
        EXPECT_EQ(folder.FileNames(), std::vector<std::string>{"w.vcam"});
    }

    WorkFolder folder;
    std::string before;
};

TEST_F(CampdmDocument, NewMakesAnEmptyDocumentAndNeverOverwrites)
{
    const CampdmResult made = folder.Run({"new", "n.vcam"});
    ASSERT_EQ(made.exitCode, 0) << made.err;
    EXPECT_EQ(folder.Run({"tree", "n.vcam"}).out, "(no CAM objects)\n");

    const CampdmResult again = folder.Run({"new", "w.vcam"});
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_THAT(again.err, HasSubstr("exists"));
    EXPECT_EQ(ReadBytes(folder / "w.vcam"), before);
    EXPECT_EQ(folder.FileNames(), (std::vector<std::string>{"n.vcam", "w.vcam"}));
}

TEST_F(CampdmDocument, TreeShowsIdentitiesLinksAndValuesOfEveryObject)
{
    const CampdmResult tree = folder.Run({"tree", "w.vcam"});
    ASSERT_EQ(tree.exitCode, 0) << tree.err;
    EXPECT_THAT(tree.out, HasSubstr("MachiningProject \"Housing\" [3]  -> arbor://pdm/OpenReferenceWindow/?refId=5&objId=6"));
    EXPECT_THAT(tree.out, HasSubstr("MillLayers \"Roughing\" [7]  no link\n"));
    EXPECT_THAT(tree.out, HasSubstr("Feed = 1000 mm/min"));
    EXPECT_THAT(tree.out, HasSubstr("ToolItem \"Body\" [5_2_2]  -> arbor://pdm/OpenReferenceWindow/?refId=1&objId=2"));
}

TEST_F(CampdmDocument, GetReadsValuesByPathOrIdentity)
{
    EXPECT_EQ(folder.Run({"get", "w.vcam", roughing, "Feed"}).out, "1000 mm/min\n");
    EXPECT_EQ(folder.Run({"get", "w.vcam", "7", "SpindleSpeed"}).out, "5000 rpm\n");
    EXPECT_EQ(folder.Run({"get", "w.vcam", "5_2_1", "HL"}).out, "1.25 in\n");
    const CampdmResult all = folder.Run({"get", "w.vcam", "Housing/Pockets/Roughing/End mill D12"});
    EXPECT_THAT(all.out, HasSubstr("ToolMillEnd \"End mill D12\" (5)\n"));
    EXPECT_THAT(all.out, HasSubstr("  D = 12 mm\n"));
}

TEST_F(CampdmDocument, SetChangesOneValueInItsUnitOrAnotherOfTheSameQuantity)
{
    const CampdmResult set = folder.Run({"set", "w.vcam", roughing, "Feed", "1500"});
    ASSERT_EQ(set.exitCode, 0) << set.err;
    EXPECT_EQ(set.out, "MillLayers \"Roughing\": Feed 1000 mm/min -> 1500 mm/min\n");
    EXPECT_EQ(folder.Run({"set", "w.vcam", "5", "D", "0.5in"}).exitCode, 0);
    EXPECT_EQ(folder.Run({"get", "w.vcam", "5", "D"}).out, "12.7 mm\n");
    EXPECT_EQ(folder.Run({"set", "w.vcam", "Housing", "Name", "Housing 4711"}).exitCode, 0);
    EXPECT_EQ(folder.Run({"get", "w.vcam", "Housing 4711/Pockets/Roughing", "Feed"}).out, "1500 mm/min\n");
    EXPECT_EQ(folder.FileNames(), std::vector<std::string>{"w.vcam"});

    // Everything else reads back as it was: setting the old values gives the old file.
    folder.Run({"set", "w.vcam", "7", "Feed", "1000"});
    folder.Run({"set", "w.vcam", "5", "D", "12mm"});
    folder.Run({"set", "w.vcam", "3", "Name", "Housing"});
    EXPECT_EQ(ReadBytes(folder / "w.vcam"), before);
}

TEST_F(CampdmDocument, SetKeepsTheFilesPermissions)
{
    std::filesystem::permissions(folder / "w.vcam", std::filesystem::perms(0640));
    ASSERT_EQ(folder.Run({"set", "w.vcam", roughing, "Feed", "1200"}).exitCode, 0);
    EXPECT_EQ(std::filesystem::status(folder / "w.vcam").permissions(), std::filesystem::perms(0640));
}

TEST_F(CampdmDocument, RefusesObjectsItCannotFindOrTellApart)
{
    expectRefused(folder.Run({"get", "w.vcam", "Housing/Pockets/Finishing"}), 1,
                  "no CAM object \"Housing/Pockets/Finishing\"");
    expectRefused(folder.Run({"set", "w.vcam", "99", "Feed", "1"}), 1, "no CAM object \"99\"");

    ASSERT_EQ(folder.Run({"set", "w.vcam", "Housing/Pockets", "Name", "Holes M10"}).exitCode, 0);
    before = ReadBytes(folder / "w.vcam");
    const CampdmResult ambiguous = folder.Run({"set", "w.vcam", "Housing/Holes M10", "Feed", "1"});
    expectRefused(ambiguous, 1, "\"Housing/Holes M10\" names 2 objects");
    EXPECT_THAT(ambiguous.err, HasSubstr("(4)"));
    EXPECT_THAT(ambiguous.err, HasSubstr("(8)"));
}

TEST_F(CampdmDocument, RefusesParametersAndValuesThatDoNotFit)
{
    expectRefused(folder.Run({"set", "w.vcam", roughing, "Fed", "1"}), 1, "has no parameter \"Fed\"");
    expectRefused(folder.Run({"set", "w.vcam", roughing, "Feed", "fast"}), 2, "\"fast\" is not a number");
    expectRefused(folder.Run({"set", "w.vcam", roughing, "Feed", "12kg"}), 2, "\"kg\" is a unit of Mass");
    expectRefused(folder.Run({"set", "w.vcam", roughing, "Feed", "12 furlongs"}), 2, "unknown unit \"furlongs\"");
    expectRefused(folder.Run({"set", "w.vcam", roughing, "LayerNumber", "1.5"}), 2, "not a whole number");
}

TEST_F(CampdmDocument, RefusesAReadOnlyDocument)
{
    std::filesystem::permissions(folder / "w.vcam", std::filesystem::perms(0444));
    expectRefused(folder.Run({"set", "w.vcam", roughing, "Feed", "1200"}), 1, "is read-only");
}

TEST_F(CampdmDocument, RefusesMissingUnreadableAndMalformedDocumentsNamingFileAndLine)
{
    expectRefused(folder.Run({"tree", "none.vcam"}), 2, "\"none.vcam\" does not exist");
    expectRefused(folder.Run({"tree", "."}), 2, "is a folder");

    std::string broken = before;
    broken.replace(broken.find("next-id 13"), 10, "next-id x");
    WriteBytes(folder / "w.vcam", broken);
    before = broken;
    const CampdmResult malformed = folder.Run({"set", "w.vcam", roughing, "Feed", "1"});
    expectRefused(malformed, 2, "w.vcam: line 2:");
    EXPECT_THAT(malformed.err, HasSubstr("\"x\" is not a whole number"));

    WriteBytes(folder / "w.vcam", "");
    before = "";
    expectRefused(folder.Run({"tree", "w.vcam"}), 2, "w.vcam: line 1: the file is empty");
}

TEST(CampdmUsage, EveryCommandHasHelpAndRefusesWrongArgumentsWithExitCode2)
{
    const WorkFolder folder;
    for (const std::vector<std::string>& command :
         {std::vector<std::string>{"demo"}, {"pdm", "init"}, {"new"}, {"tree"}, {"get"}, {"set"}, {"menu"},
          {"import"}, {"export"}, {"update-from-pdm"}, {"update-to-pdm"}, {"open-link"}, {"link"}, {"make-link"}}) {
        std::vector<std::string> help = command;
        help.push_back("--help");
        const CampdmResult shown = folder.Run(help);
        EXPECT_EQ(shown.exitCode, 0) << help[0];
        EXPECT_THAT(shown.out, HasSubstr("usage: campdm " + command[0]));
    }
    const CampdmResult missing = folder.Run({"set", "w.vcam", "Housing"});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_THAT(missing.err, HasSubstr("missing PARAM"));
    EXPECT_EQ(folder.Run({"tree", "w.vcam", "--colour"}).exitCode, 2);
    EXPECT_EQ(folder.Run({"frobnicate"}).exitCode, 2);
    EXPECT_EQ(folder.Run({}).exitCode, 2);
    EXPECT_THAT(folder.Run({"--help"}).out, Not(HasSubstr("unknown")));
}

} // namespace
