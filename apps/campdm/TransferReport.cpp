#include "TransferReport.h"

#include <cstdio>
#include <iomanip>
#include <unistd.h>

namespace Campdm {
namespace {

constexpr auto showEvery = std::chrono::milliseconds(100);
// Carriage return and "erase to the end of the line": the next text replaces the progress line.
constexpr const char* overwrite = "\r\033[K";

} // namespace

TransferReport::TransferReport(std::ostream& err, std::string verb, std::string unit, bool terminal)
    : err_(err), verb_(std::move(verb)), unit_(std::move(unit)), shown_(terminal),
      start_(std::chrono::steady_clock::now()), lastShown_(start_ - showEvery)
{
}

bool TransferReport::standardErrorIsTerminal()
{
    return ::isatty(STDERR_FILENO) == 1;
}

double TransferReport::seconds() const
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
}

void TransferReport::Show(std::size_t done, std::optional<std::size_t> total)
{
    const auto now = std::chrono::steady_clock::now();
    if (!shown_ || now - lastShown_ < showEvery)
        return;
    lastShown_ = now;
    progressShown_ = true;
    err_ << overwrite << verb_ << " " << done;
    if (total)
        err_ << "/" << *total;
    err_ << " " << unit_ << ", " << std::fixed << std::setprecision(0) << static_cast<double>(done) / seconds()
         << " objects/s" << std::defaultfloat << std::flush;
}

void TransferReport::Done(std::size_t objects) const
{
    if (!shown_)
        return;
    const double elapsed = seconds();
    if (progressShown_)
        err_ << overwrite;
    err_ << verb_ << " " << objects << " " << unit_ << " in " << std::fixed << std::setprecision(2) << elapsed << " s";
    if (elapsed > 0)
        err_ << " (" << std::setprecision(0) << static_cast<double>(objects) / elapsed << " objects/s)";
    err_ << std::defaultfloat << "\n";
}

} // namespace Campdm
