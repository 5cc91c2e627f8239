// The generated project the benchmarks measure at scale: what they time must be a whole
// import, a comparison that finds nothing to update and an export of every object.

#include "tests/pdm/testing/GeneratedProject.h"

#include "platform/cam/Model.h"

#include <gtest/gtest.h>

namespace Vireo::Testing {
namespace {

TEST(GeneratedProject, GoesInComparesEqualAndGoesOutWhole)
{
    GeneratedProject generated(PdmDataFile(""), 3);
    CZkw32Doc doc;
    ASSERT_TRUE(GeneratedProject::Import(doc));
    EXPECT_EQ(GeneratedProject::Compare(doc), 7U) << "the project, three machinings and their tools";
    EXPECT_EQ(GeneratedProject::Export(doc), 7U);

    Cam::Model(&doc).GetTools().Get(1)->SetName(L"Renamed");
    EXPECT_EQ(GeneratedProject::Compare(doc), 0U) << "a changed name is a difference";
}

} // namespace
} // namespace Vireo::Testing
