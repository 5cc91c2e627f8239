#pragma once
// What a transfer did and how fast, told on standard error when it is a terminal: while it
// runs, one line rewritten in place with the objects done (of how many) and the rate; at the
// end, the summary. A pipe or a file gets the command's result only.

#include "TransferProgress.h"

#include <chrono>
#include <ostream>
#include <string>

namespace Campdm {

class TransferReport : public ProgressView {
public:
    // Starts the clock. `verb` and `unit` make the lines: "imported 17 CAM objects".
    // `terminal`: whether standard error is one (asked of the system by default).
    TransferReport(std::ostream& err, std::string verb, std::string unit, bool terminal = standardErrorIsTerminal());

    // "imported 120/2001 CAM objects, 340 objects/s", at most ten times a second.
    void Show(std::size_t done, std::optional<std::size_t> total) override;
    // "imported 17 CAM objects in 0.12 s (140 objects/s)", in place of the progress line.
    void Done(std::size_t objects) const;

    static bool standardErrorIsTerminal();

private:
    double seconds() const;

    std::ostream& err_;
    std::string verb_;
    std::string unit_;
    bool shown_;
    std::chrono::steady_clock::time_point start_;
    std::chrono::steady_clock::time_point lastShown_;
    bool progressShown_ = false;
};

} // namespace Campdm
