// Search-filter text either parses or is refused with the model's own exception; a filter
// that parses writes a text that parses to an equal filter.

#include "FuzzText.h"

#include "platform/arbor/Model.h"
#include "platform/arbor/ModelException.h"
#include "platform/arbor/Seed.h"

#include <cstdlib>

namespace Model = Vireo::Arbor::Model;

namespace {

// A reference with plain, double, int and bool parameters, a group, two link groups and
// two tables, so that every kind of path can be written.
constexpr const char* seed = R"(<Pdm>
  <Reference guid="a73e100b-e871-490e-b353-54f66f8a380e" name="Holders">
    <Parameter guid="7eedf28f-a766-4477-b248-7d3054de456c" name="Name"/>
  </Reference>
  <Reference guid="2bd074b9-7fd9-4d84-a41d-c1334880ceb6" name="Tools" hierarchy="complex">
    <Parameter guid="e5a9d1fb-980e-4457-84a1-993070dd24d6" name="Name"/>
    <Parameter guid="55341923-35d5-4582-9b6b-d3c21c8ca9ca" name="Diameter" type="double"/>
    <Parameter guid="465cf48b-4e85-45ac-a58a-b96ac17c9d27" name="Flutes" type="int"/>
    <Parameter guid="8edd8749-bd0e-4378-81b4-13f5ed7b8a63" name="Coolant" type="bool"/>
    <Group guid="e94706c4-3be1-4038-9e4a-1d88ffa29f1b" name="Sizes">
      <Parameter guid="13f61a8e-2e5a-4d07-b272-c20397c9f4e6" name="Length" type="double"/>
    </Group>
    <Link guid="b9e61c09-d247-4012-a1d8-3e5f925c4d24" name="Holder" to="a73e100b-e871-490e-b353-54f66f8a380e"/>
    <Link guid="8fdb0308-4b6c-4a2b-a087-e30cf7c3f868" name="Accessories" to="a73e100b-e871-490e-b353-54f66f8a380e" many="true"/>
    <Table guid="d1206ccc-53a3-402e-959c-700afd319588" name="Items">
      <Parameter guid="79fc84fa-5bc6-476f-9485-a22cf5b8e4bf" name="Tag"/>
      <Class guid="95caaa50-efe1-4b65-866d-242df0af793f" name="Item"/>
    </Table>
    <Class guid="e7dc327f-f4fa-4135-847b-8e34d57fc5c8" name="Tool"/>
  </Reference>
</Pdm>)";

std::shared_ptr<Model::ReferenceInfo> tools()
{
    static const auto connection = [] {
        auto opened = Model::ServerConnection::Open(":memory:");
        Model::SeedFromText(*opened, seed, "filter-fuzz.xml");
        return opened;
    }();
    return connection->ReferenceCatalog()->Find(L"Tools");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using Model::Search::Filter;
    static const auto reference = tools();
    std::shared_ptr<Filter> filter;
    try {
        filter = Filter::Parse(reference, FuzzText(data, size));
    } catch (const Model::ModelException&) {
        return 0;
    }
    try {
        if (!(*Filter::Parse(reference, filter->ToString()) == *filter))
            std::abort();
    } catch (const Model::ModelException&) {
        std::abort(); // what the filter wrote, it must read
    }
    return 0;
}
