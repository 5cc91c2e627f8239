#include "FilesDemo.h"

#include "CommandLine.h"

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace Campdm {
namespace {

namespace fs = std::filesystem;

struct Step {
    std::vector<std::string> words;
    int exitCode = 0; // what the command must answer
    const char* why = nullptr;
};

const std::string machining = "Housing 4711/Roughing/Pocket roughing";

std::vector<Step> session()
{
    const std::vector<std::string> pdm{"--pdm", "pdm.db"};
    const auto with = [&](std::vector<std::string> words) {
        words.insert(words.end(), pdm.begin(), pdm.end());
        return words;
    };
    const std::vector<std::string> exportWords =
        with({"export", "shop.vcam", "Housing 4711", "--reference", "Machining technology", "--parent",
              "Machining projects"});
    return {
        {{"pdm", "init", "pdm.db"}, 0, "a PDM database file seeded from the shipped data"},
        {{"new", "shop.vcam"}, 0, "an empty CAM document"},
        {with({"import", "shop.vcam", "--reference", "Machining technology", "--object", "Housing 4711"}), 0,
         "the sample machining project into the document"},
        {with({"menu", "shop.vcam", machining}), 0, "what the context menu of a machining offers"},
        {{"set", "shop.vcam", machining, "Feed", "1800mm/min"}, 0, "a CAM value changed as the property editor does"},
        {with({"update-to-pdm", "shop.vcam", "Housing 4711"}), 0, "the project and its children written into the PDM"},
        {{"set", "shop.vcam", machining, "Feed", "900"}, 0, "changed again in CAM only"},
        {with({"update-from-pdm", "shop.vcam", "Housing 4711"}), 0, "the PDM's values back into CAM"},
        {{"get", "shop.vcam", machining, "Feed"}, 0, "the value the PDM holds"},
        {exportWords, 0, "a copy of the project under the projects folder, each CAM object linked to its copy"},
        {exportWords, 1, "exporting it there again is refused, and both files stay as they were"},
        {{"open-link", "shop.vcam", machining}, 0, "the link of the machining's PDM object (needs no PDM)"},
    };
}

std::string typed(const std::vector<std::string>& words)
{
    std::string line = "$ campdm";
    for (const std::string& word : words)
        line += word.find(' ') == std::string::npos ? " " + word : " \"" + word + "\"";
    return line;
}

// A fresh folder that is removed afterwards, and the working folder while it exists.
class DemoFolder {
public:
    DemoFolder() : previous_(fs::current_path())
    {
        std::string pattern = (fs::temp_directory_path() / "campdm-demo-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("cannot make a folder for the demo in " + fs::temp_directory_path().string());
        path_ = pattern;
        fs::current_path(path_);
    }
    ~DemoFolder()
    {
        std::error_code ignored;
        fs::current_path(previous_, ignored);
        fs::remove_all(path_, ignored);
    }
    DemoFolder(const DemoFolder&) = delete;
    DemoFolder& operator=(const DemoFolder&) = delete;
    const fs::path& Path() const noexcept { return path_; }

private:
    fs::path previous_;
    fs::path path_;
};

} // namespace

int RunFilesDemo(std::ostream& out, std::ostream& err)
{
    out << "== The commands on files\n";
    const DemoFolder folder;
    out << "(in a temporary folder " << folder.Path().string() << ")\n";
    std::istringstream noInput;
    for (const Step& step : session()) {
        out << "\n# " << step.why << "\n" << typed(step.words) << "\n" << std::flush;
        std::ostringstream said;
        const int exitCode = RunCommandLine(step.words, noInput, out, said);
        out << said.str();
        if (exitCode != step.exitCode) {
            err << "campdm demo: the command answered " << exitCode << ", not " << step.exitCode << "\n";
            return 1;
        }
        if (exitCode != 0)
            out << "(exit code " << exitCode << ")\n";
    }
    return 0;
}

} // namespace Campdm
