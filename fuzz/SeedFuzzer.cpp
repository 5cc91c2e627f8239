// A seed file either seeds or is refused with the model's own exception; one that seeds
// writes out as text that seeds an empty database to the same text again.

#include "platform/arbor/Model.h"
#include "platform/arbor/ModelException.h"
#include "platform/arbor/Seed.h"

#include <cstdlib>
#include <string_view>

namespace Model = Vireo::Arbor::Model;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Refused seeds leave the database as it was, so one database serves them all.
    static auto connection = Model::ServerConnection::Open(":memory:");
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        Model::SeedFromText(*connection, text, "fuzz.xml");
    } catch (const Model::ModelException&) {
        return 0;
    }
    const std::string written = Model::ExportToText(*connection);
    connection = Model::ServerConnection::Open(":memory:");
    auto again = Model::ServerConnection::Open(":memory:");
    try {
        Model::SeedFromText(*again, written, "written.xml");
    } catch (const Model::ModelException&) {
        std::abort(); // what the database wrote, it must read
    }
    if (Model::ExportToText(*again) != written)
        std::abort();
    return 0;
}
