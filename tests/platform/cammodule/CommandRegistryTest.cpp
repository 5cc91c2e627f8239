// The CAM module's command registry: global ids for local ones, the enabling question and
// running a command, and what happens to ids when commands come and go.

#include "platform/cammodule/CommandRegisterHandler.h"
#include "platform/win/CmdUI.h"

#include <gtest/gtest.h>

namespace Vireo::Cam {
namespace {

int runs = 0;
int lastId = 0;
void countRun(CZkw32Doc*, int id)
{
    ++runs;
    lastId = id;
}
void enableWithDocument(CZkw32Doc* doc, CCmdUI* ui)
{
    ui->Enable(doc != nullptr);
}

class CommandRegistry : public ::testing::Test {
protected:
    ~CommandRegistry() override
    {
        while (!registry.Commands().empty())
            registry.Unregister(registry.Commands().front().globalId);
    }
    CommandRegisterHandler& registry = CommandRegisterHandler::Instance();
};

TEST_F(CommandRegistry, EachLocalIdOnceWithAGlobalIdThatIsNeverGivenAgain)
{
    const unsigned first = registry.Register(26, &countRun, nullptr, L"Does it\nIt", nullptr, false);
    EXPECT_GE(first, CommandRegisterHandler::FirstGlobalId);
    EXPECT_EQ(registry.Register(26, &countRun, nullptr, L"again", nullptr, false), 0u);
    EXPECT_EQ(registry.Register(27, nullptr, nullptr, L"no handler", nullptr, false), 0u);
    EXPECT_EQ(registry.GetIdGlobalByLocal(26), first);
    EXPECT_EQ(registry.GetIdGlobalByLocal(27), 0u);
    EXPECT_EQ(registry.Find(first)->displayName, L"Does it\nIt");

    ASSERT_TRUE(registry.Unregister(first));
    EXPECT_FALSE(registry.Unregister(first));
    const unsigned second = registry.Register(26, &countRun, nullptr, L"back", L"Icon.svg", false);
    EXPECT_GT(second, first);
    EXPECT_EQ(registry.Find(second)->iconName, L"Icon.svg");
    EXPECT_FALSE(registry.Execute(first, nullptr)) << "a stale id runs nothing";
}

TEST_F(CommandRegistry, EnablingAnswersComeFromTheHandlerAndCommandsRunWithTheirGlobalId)
{
    const unsigned asks = registry.Register(1, &countRun, &enableWithDocument, L"asks", nullptr, false);
    const unsigned always = registry.Register(2, &countRun, nullptr, L"always", nullptr, false);
    CZkw32Doc* someDocument = reinterpret_cast<CZkw32Doc*>(&runs);
    EXPECT_FALSE(registry.IsEnabled(asks, nullptr));
    EXPECT_TRUE(registry.IsEnabled(asks, someDocument));
    EXPECT_TRUE(registry.IsEnabled(always, nullptr));
    EXPECT_FALSE(registry.IsEnabled(always + 100, someDocument));

    runs = 0;
    EXPECT_TRUE(registry.Execute(always, nullptr));
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(lastId, static_cast<int>(always));
}

} // namespace
} // namespace Vireo::Cam
