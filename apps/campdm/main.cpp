// campdm: the host program. Each sub-command is one job a CAM engineer runs.

#include "LinkCommands.h"

#include <iostream>
#include <string_view>

namespace {

int usage(std::ostream& out, int code)
{
    out << "usage: campdm <command> [arguments]\n"
           "  demo                       run the demonstration on the shipped data\n"
           "  link <text>                show the PDM reference and object a link names\n"
           "  make-link <ref> <obj> <server>\n"
           "                             write the link of a PDM object\n";
    return code;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return usage(std::cerr, 2);
    const std::string_view command = argv[1];
    try {
        if (command == "demo")
            return Campdm::RunLinkDemo(std::cout);
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
