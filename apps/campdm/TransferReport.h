#pragma once
// What a transfer did and how fast, told on standard error when it is a terminal: a pipe or a
// file gets the command's result only.

#include <chrono>
#include <ostream>
#include <string>

namespace Campdm {

class TransferReport {
public:
    // Starts the clock. `verb` and `unit` make the line: "imported 17 CAM objects".
    TransferReport(std::ostream& err, std::string verb, std::string unit);

    // "imported 17 CAM objects in 0.12 s (140 objects/s)".
    void Done(std::size_t objects) const;

private:
    std::ostream& err_;
    std::string verb_;
    std::string unit_;
    bool shown_;
    std::chrono::steady_clock::time_point start_;
};

} // namespace Campdm
