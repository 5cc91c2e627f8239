#pragma once
// Runs the host program in a folder of its own, as a user would from a shell, and keeps what
// it said and the exit code.

#include <filesystem>
#include <string>
#include <vector>

namespace CampdmTesting {

struct CampdmResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// A fresh folder for one test's files, removed afterwards.
class WorkFolder {
public:
    WorkFolder();
    ~WorkFolder();
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;

    const std::filesystem::path& Path() const noexcept { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
    // Runs campdm with these arguments in the folder; standard input is empty (not a terminal).
    CampdmResult Run(const std::vector<std::string>& args) const;
    // Runs campdm with a terminal as its standard input and output (script(1)), typing `input`.
    CampdmResult RunOnTerminal(const std::vector<std::string>& args, const std::string& input) const;
    // The names of the files in the folder, sorted: no temporary file may stay behind.
    std::vector<std::string> FileNames() const;

private:
    std::filesystem::path path_;
};

std::string ReadBytes(const std::filesystem::path& path);
void WriteBytes(const std::filesystem::path& path, const std::string& bytes);
std::filesystem::path SourceData(const std::string& relative);

// A PDM database seeded from the shipped data, made once per test program; copied into folders.
const std::filesystem::path& SeededPdm();

} // namespace CampdmTesting
