// Saving a CAM document, killed at random moments: the file is always the old document or
// the new one, never a mix.

#include "platform/cam/CamDocument.h"
#include "platform/cam/Model.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace Vireo::Cam;

// A document of `projects` named projects: large enough that writing it takes a while.
std::unique_ptr<CZkw32Doc> documentOf(int projects, const std::wstring& name)
{
    auto doc = std::make_unique<CZkw32Doc>();
    Model model(doc.get());
    for (int i = 0; i < projects; ++i)
        model.GetMachiningProjects().Create()->SetName(name + std::to_wstring(i));
    return doc;
}

std::string contentsOf(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

TEST(SaveCrash, ASaveKilledAtAnyMomentLeavesTheOldFileOrTheNewOne)
{
    const auto path = std::filesystem::temp_directory_path() / ("vireo-save-crash-" + std::to_string(::getpid()) + ".vcam");
    const auto small = documentOf(10, L"small ");
    const auto large = documentOf(5000, L"large ");
    const std::string smallText = small->SaveToText();
    const std::string largeText = large->SaveToText();
    small->SaveToFile(path);
    std::mt19937 random(20261206);
    std::uniform_int_distribution<int> delayUs(0, 200000);
    for (int round = 0; round < 8; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int i = 0;; ++i)
                (i % 2 ? small : large)->SaveToFile(path);
        }
        ::usleep(static_cast<useconds_t>(delayUs(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        const std::string found = contentsOf(path);
        EXPECT_TRUE(found == smallText || found == largeText) << "round " << round << ": " << found.size() << " bytes";
        EXPECT_NO_THROW(ReadCamDocument(found));
    }
    std::filesystem::remove(path);
    std::filesystem::path temporary = path;
    temporary += ".saving";
    std::filesystem::remove(temporary);
}

} // namespace
