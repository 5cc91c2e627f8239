// Drag and drop through campdm: PDM objects dragged in with the PDM client's drag text, CAM
// objects dragged out as their XML description, and payloads that drop nothing.

#include "CampdmRun.h"

#include "platform/xml/Document.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

namespace {

using namespace CampdmTesting;
using ::testing::HasSubstr;
using ::testing::Not;
namespace fs = std::filesystem;

const std::string technology = "f7c1d3a2-5b8e-4c6f-9a0d-3e2b1c4d5f60";
const std::string sampleProject = "581550a8-7a11-5f17-961e-bb3069eba450";
const std::string sampleEndmill = "14a21046-1865-5a2f-bdd9-17efb6b23d81";
const std::string nameParameter = "63364337-c933-57a8-826d-98784df75373";

// (class GUID, name) of every object of a seed file or of every described object.
using ClassAndName = std::pair<std::string, std::string>;

std::string nameValue(const zkaux::xml::Node& element)
{
    for (const auto& value : element.GetChildren())
        if (value.GetAttribute("param") == nameParameter || value.GetAttribute("guid") == nameParameter)
            return value.GetValue();
    return "";
}

std::set<ClassAndName> seededObjects()
{
    std::set<ClassAndName> objects;
    for (const char* file : {"pdm/technology.xml", "pdm/technology-project.xml"}) {
        zkaux::xml::Document seed;
        EXPECT_TRUE(seed.LoadFile(SourceData(file)));
        for (const auto& reference : seed.GetRoot().GetChildren())
            for (const auto& object : reference.GetChildren())
                if (object.GetName() == "Object")
                    objects.emplace(object.GetAttribute("class").value_or(""), nameValue(object));
    }
    return objects;
}

class CampdmDragDrop : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::copy_file(SeededPdm(), folder / "pdm.db");
        ASSERT_EQ(folder.Run({"new", "shop.vcam"}).exitCode, 0);
    }
    std::string DragText(const std::vector<std::string>& objects) const
    {
        std::vector<std::string> args{"pdm", "drag-text", "--pdm", "pdm.db", "--reference", technology};
        args.insert(args.end(), objects.begin(), objects.end());
        const CampdmResult result = folder.Run(args);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        return result.out;
    }
    CampdmResult Drop(const std::string& payload, const std::vector<std::string>& target, bool check = false) const
    {
        WriteBytes(folder / "payload.xml", payload);
        std::vector<std::string> args{"drop", "shop.vcam", "--pdm", "pdm.db", "payload.xml"};
        args.insert(args.end(), target.begin(), target.end());
        if (check)
            args.push_back("--check");
        return folder.Run(args);
    }

    WorkFolder folder;
};

TEST_F(CampdmDragDrop, AProjectDraggedInAndOutAgainIsDescribedAsThePdmHoldsIt)
{
    const CampdmResult dropped = Drop(DragText({sampleProject}), {"--folder", "projects"});
    ASSERT_EQ(dropped.exitCode, 0) << dropped.err;

    const CampdmResult dragged = folder.Run({"drag", "shop.vcam", "Housing 4711", "--pdm", "pdm.db"});
    ASSERT_EQ(dragged.exitCode, 0) << dragged.err;
    zkaux::xml::Document description;
    ASSERT_TRUE(description.LoadXml(dragged.out)) << dragged.out;
    // Each CAM object is described once per type row that maps its type, so one of its
    // descriptions is the class it came from, with the name it has there.
    const std::set<ClassAndName> seeded = seededObjects();
    std::map<std::string, bool> fromSeed;
    std::set<std::string> withParents;
    for (const auto& rootObject : description.GetRoot().GetSubNode("Objects").GetChildren()) {
        const std::string id = rootObject.GetAttribute("id").value_or("");
        const auto object = rootObject.GetSubNode("Object");
        const ClassAndName entry{object.GetAttribute("classGuid").value_or(""), nameValue(object)};
        fromSeed[id] = fromSeed[id] || (object.GetAttribute("referenceGuid") == technology && seeded.contains(entry));
        if (rootObject.GetSubNode("Parents"))
            withParents.insert(id);
    }
    EXPECT_GE(fromSeed.size(), 10u);
    for (const auto& [id, found] : fromSeed)
        EXPECT_TRUE(found) << "CAM object " << id << " is not described as the PDM object it came from";
    EXPECT_EQ(withParents.size() + 1, fromSeed.size()) << "every object but the project has parents";
}

TEST_F(CampdmDragDrop, ADropIsCheckedFirstAndKeepsAllObjectsOrNone)
{
    const std::string before = ReadBytes(folder / "shop.vcam");
    const std::string toolAndProject = DragText({sampleEndmill, sampleProject});
    const CampdmResult checked = Drop(toolAndProject, {"--folder", "tools"}, true);
    EXPECT_EQ(checked.exitCode, 1);
    EXPECT_THAT(checked.err, HasSubstr("dragged object 2 of 2 (" + sampleProject + ") cannot be made: no integration rule"));
    const CampdmResult refused = Drop(toolAndProject, {"--folder", "tools"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(ReadBytes(folder / "shop.vcam"), before);

    const CampdmResult accepted = Drop(DragText({sampleEndmill}), {"--folder", "tools"}, true);
    EXPECT_EQ(accepted.exitCode, 0) << accepted.err;
    EXPECT_EQ(accepted.out, "The drop would be accepted\n");
    EXPECT_EQ(ReadBytes(folder / "shop.vcam"), before);
    ASSERT_EQ(Drop(DragText({sampleEndmill}), {"--folder", "tools"}).exitCode, 0);
    EXPECT_THAT(folder.Run({"tree", "shop.vcam"}).out, HasSubstr("End mill D12"));
}

TEST_F(CampdmDragDrop, PayloadsThatNameNoObjectSayWhyInOneLine)
{
    const std::string before = ReadBytes(folder / "shop.vcam");
    const struct {
        std::string payload;
        std::string says;
    } cases[] = {
        {"no xml at all", "not XML"},
        {"<Drag><Items/></Drag>", "no \"Objects\" element"},
        {"<Drag><Objects><Item Object=\"" + sampleEndmill + "\" Reference=\"" + technology + "\"/></Objects></Drag>",
         "element 1 (\"Item\") has no \"ParentHierarchyLink\""},
        {"<Drag><Objects><Item Object=\"{" + sampleEndmill + "}\" Reference=\"" + technology +
             "\"><ParentHierarchyLink/></Item></Objects></Drag>",
         "\"Object\" attribute \"{" + sampleEndmill + "}\" that is no GUID text"},
        {"<Drag><Objects><Item Object=\"0badf00d-0000-4000-8000-000000000000\" Reference=\"" + technology +
             "\"><ParentHierarchyLink/></Item></Objects></Drag>",
         "dragged object 1 of 1 (0badf00d-0000-4000-8000-000000000000) cannot be made: the PDM reference"},
    };
    for (const auto& c : cases) {
        const CampdmResult result = Drop(c.payload, {"--folder", "tools"});
        EXPECT_EQ(result.exitCode, 1) << c.payload;
        EXPECT_THAT(result.err, HasSubstr(c.says)) << c.payload;
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    }
    EXPECT_EQ(ReadBytes(folder / "shop.vcam"), before);
    EXPECT_EQ(Drop("<a/>", {}).exitCode, 2);
}

} // namespace

namespace {

TEST_F(CampdmDragDrop, AnExportPreviewWritesNothingAndRulesNameTheirReferences)
{
    ASSERT_EQ(Drop(DragText({sampleProject}), {"--folder", "projects"}).exitCode, 0);
    const std::string document = ReadBytes(folder / "shop.vcam"), database = ReadBytes(folder / "pdm.db");
    const CampdmResult preview = folder.Run({"export", "shop.vcam", "Housing 4711", "--pdm", "pdm.db", "--reference",
                                             "Machining technology", "--parent", "Machining projects", "--dry-run"});
    ASSERT_EQ(preview.exitCode, 0) << preview.err;
    EXPECT_EQ(preview.out, folder.Run({"drag", "shop.vcam", "Housing 4711", "--pdm", "pdm.db"}).out);
    EXPECT_EQ(ReadBytes(folder / "shop.vcam"), document);
    EXPECT_EQ(ReadBytes(folder / "pdm.db"), database);

    const CampdmResult rules = folder.Run({"rules", "shop.vcam", "Housing 4711", "--pdm", "pdm.db"});
    ASSERT_EQ(rules.exitCode, 0) << rules.err;
    EXPECT_THAT(rules.out, HasSubstr("-> Machining technology (" + technology + ")"));
    EXPECT_THAT(rules.out, Not(HasSubstr("Cutting tools")));
    EXPECT_THAT(folder.Run({"rules", "shop.vcam", "--pdm", "pdm.db"}).out, HasSubstr("Cutting tools"));
}

} // namespace
