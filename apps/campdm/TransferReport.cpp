#include "TransferReport.h"

#include <cstdio>
#include <iomanip>
#include <unistd.h>

namespace Campdm {

TransferReport::TransferReport(std::ostream& err, std::string verb, std::string unit)
    : err_(err), verb_(std::move(verb)), unit_(std::move(unit)), shown_(::isatty(STDERR_FILENO) == 1),
      start_(std::chrono::steady_clock::now())
{
}

void TransferReport::Done(std::size_t objects) const
{
    if (!shown_)
        return;
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    err_ << verb_ << " " << objects << " " << unit_ << " in " << std::fixed << std::setprecision(2) << seconds << " s";
    if (seconds > 0)
        err_ << " (" << std::setprecision(0) << static_cast<double>(objects) / seconds << " objects/s)";
    err_ << std::defaultfloat << "\n";
}

} // namespace Campdm
