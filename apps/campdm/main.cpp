// campdm: the host program. Each sub-command is one job a CAM engineer runs on CAM document
// files and PDM database files.

#include "CommandLine.h"

#include <iostream>

int main(int argc, char** argv)
{
    return Campdm::RunCommandLine(std::vector<std::string>(argv + 1, argv + argc), std::cin, std::cout, std::cerr);
}
