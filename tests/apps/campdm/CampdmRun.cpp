#include "CampdmRun.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>

namespace CampdmTesting {
namespace {

namespace fs = std::filesystem;

std::string shellQuoted(const std::string& word)
{
    std::string quoted = "'";
    for (const char c : word)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::string campdmCommand(const std::vector<std::string>& args)
{
    std::string command = "CAMPDM_DATA=" + shellQuoted(SourceData("").string()) + " " + shellQuoted(CAMPDM_PROGRAM);
    for (const std::string& arg : args)
        command += " " + shellQuoted(arg);
    return command;
}

CampdmResult runShell(const fs::path& folder, std::string command)
{
    command = "cd " + shellQuoted(folder.string()) + " && " + command;
    const fs::path out = folder.parent_path() / (folder.filename().string() + ".out");
    const fs::path err = folder.parent_path() / (folder.filename().string() + ".err");
    command += " >" + shellQuoted(out.string()) + " 2>" + shellQuoted(err.string());
    const int status = std::system(command.c_str());
    CampdmResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = ReadBytes(out);
    result.err = ReadBytes(err);
    fs::remove(out);
    fs::remove(err);
    return result;
}

} // namespace

WorkFolder::WorkFolder()
{
    std::string pattern = (fs::temp_directory_path() / "campdm-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a test folder");
    path_ = pattern;
}

WorkFolder::~WorkFolder()
{
    std::error_code ignored;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(path_, ignored);
}

CampdmResult WorkFolder::Run(const std::vector<std::string>& args) const
{
    return runShell(path_, campdmCommand(args) + " </dev/null");
}

CampdmResult WorkFolder::RunOnTerminal(const std::vector<std::string>& args, const std::string& input) const
{
    return runShell(path_, "printf %s " + shellQuoted(input) + " | script -qec " + shellQuoted(campdmCommand(args)) +
                               " /dev/null");
}

std::vector<std::string> WorkFolder::FileNames() const
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(path_))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string ReadBytes(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

void WriteBytes(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

fs::path SourceData(const std::string& relative)
{
    return fs::path(VIREO_SOURCE_DIR) / "data" / relative;
}

const fs::path& SeededPdm()
{
    static const WorkFolder folder;
    static const fs::path database = [] {
        const CampdmResult made = folder.Run({"pdm", "init", "seeded.db"});
        if (made.exitCode != 0)
            throw std::runtime_error("campdm pdm init failed: " + made.err);
        return folder / "seeded.db";
    }();
    return database;
}

} // namespace CampdmTesting
