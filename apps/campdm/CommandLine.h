#pragma once
// Runs one campdm command line: finds the command, reads its arguments, installs the terminal
// as the host's user interface and turns what went wrong into a one-line message and the exit
// code (0 done, 1 ran and failed, 2 wrong usage or unreadable input).

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace Campdm {

// `words` are the arguments after the program name.
int RunCommandLine(const std::vector<std::string>& words, std::istream& in, std::ostream& out, std::ostream& err);

} // namespace Campdm
