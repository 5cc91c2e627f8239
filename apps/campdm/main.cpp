// campdm: the host program. Each sub-command is one job a CAM engineer runs.

#include "ExportDemo.h"
#include "ImportDemo.h"
#include "LinkCommands.h"

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string_view>

namespace {

int usage(std::ostream& out, int code)
{
    out << "usage: campdm <command> [arguments]\n"
           "  demo [data folder]         import the shipped sample project into CAM and export a CAM\n"
           "                             project to the PDM (data folder: the shipped data/)\n"
           "  link <text>                show the PDM reference and object a link names\n"
           "  make-link <ref> <obj> <server>\n"
           "                             write the link of a PDM object\n";
    return code;
}

// The shipped data: the folder given, else $CAMPDM_DATA, else the source tree's data/.
std::filesystem::path dataDirectory(int argc, char** argv)
{
    if (argc >= 3)
        return argv[2];
    if (const char* fromEnvironment = std::getenv("CAMPDM_DATA"))
        return fromEnvironment;
    return CAMPDM_DEFAULT_DATA;
}

int runDemo(const std::filesystem::path& data)
{
    if (!std::filesystem::is_directory(data / "pdm"))
        throw std::runtime_error("no shipped PDM data in " + (data / "pdm").string());
    if (const int failed = Campdm::RunImportDemo(std::cout, data))
        return failed;
    std::cout << "\n";
    return Campdm::RunExportDemo(std::cout, data);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return usage(std::cerr, 2);
    const std::string_view command = argv[1];
    try {
        if (command == "demo" && argc <= 3)
            return runDemo(dataDirectory(argc, argv));
        if (command == "link" && argc == 3)
            return Campdm::RunDecodeLink(argv[2], std::cout, std::cerr);
        if (command == "make-link" && argc == 5)
            return Campdm::RunMakeLink(argv[2], argv[3], argv[4], std::cout, std::cerr);
        if (command == "help" || command == "--help" || command == "-h")
            return usage(std::cout, 0);
    } catch (const std::exception& e) {
        std::cerr << "campdm: " << command << ": " << e.what() << "\n";
        return 1;
    }
    std::cerr << "campdm: unknown command or wrong arguments: " << command << "\n";
    return usage(std::cerr, 2);
}
