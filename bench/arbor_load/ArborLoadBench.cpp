// Loading 10,000 objects of one reference with a filter from a file database.
#include "platform/arbor/Model.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <filesystem>
#include <sstream>

namespace {

using namespace Vireo::Arbor::Model;

constexpr int objectCount = 10000;
const wchar_t* const referenceGuid = L"0d6b3f5e-2c1a-4e8f-9b7d-6a5c4e3f2d10";
const wchar_t* const kindGuid = L"0d6b3f5e-2c1a-4e8f-9b7d-6a5c4e3f2d11";
const wchar_t* const sizeGuid = L"0d6b3f5e-2c1a-4e8f-9b7d-6a5c4e3f2d12";

std::string seedText()
{
    std::ostringstream xml;
    xml << "<Pdm><Reference guid=\"0d6b3f5e-2c1a-4e8f-9b7d-6a5c4e3f2d10\" name=\"Tools\">"
           "<Parameter guid=\"0d6b3f5e-2c1a-4e8f-9b7d-6a5c4e3f2d11\" name=\"Kind\"/>"
           "<Parameter guid=\"0d6b3f5e-2c1a-4e8f-9b7d-6a5c4e3f2d12\" name=\"Size\" type=\"double\"/>"
           "<Class guid=\"0d6b3f5e-2c1a-4e8f-9b7d-6a5c4e3f2d13\" name=\"Tool\"/>";
    // Every object matches the filter, plus as many that do not.
    for (int i = 0; i < 2 * objectCount; ++i)
        xml << "<Object class=\"0d6b3f5e-2c1a-4e8f-9b7d-6a5c4e3f2d13\">"
               "<Value param=\"0d6b3f5e-2c1a-4e8f-9b7d-6a5c4e3f2d11\">"
            << (i % 2 ? "other" : "drill") << "</Value><Value param=\"0d6b3f5e-2c1a-4e8f-9b7d-6a5c4e3f2d12\">" << i
            << "</Value></Object>";
    xml << "</Reference></Pdm>";
    return xml.str();
}

class LoadFixture : public benchmark::Fixture {
public:
    void SetUp(const benchmark::State&) override
    {
        if (!std::filesystem::exists(path()))
            SeedFromText(*ServerConnection::Open(path()), seedText(), "bench seed");
        connection = ServerConnection::Open(path());
    }
    void TearDown(const benchmark::State&) override { connection.reset(); }

    static std::string path()
    {
        return (std::filesystem::temp_directory_path() / "vireo-arbor-load-bench-v1.db").string();
    }

    std::shared_ptr<ServerConnection> connection;
};

BENCHMARK_F(LoadFixture, Load10000WithFilter)(benchmark::State& state)
{
    auto info = connection->ReferenceCatalog()->Find(System::Guid::Parse(referenceGuid));
    auto reference = info->CreateReference();
    std::size_t loaded = 0;
    double sizes = 0;
    for (auto _ : state) {
        auto filter = std::make_shared<Search::Filter>(info);
        auto term = filter->Terms()->AddGroup(Search::LogicalOperator::And)->AddTerm();
        term->Path.AddParameter(info->Description()->Item(System::Guid::Parse(kindGuid)));
        term->Value = ObjectValue(L"drill");
        auto loader = reference->CreateLoader(filter, nullptr, nullptr);
        loader->Load();
        loaded = loader->size();
        // Read one value of every object, as a caller walking the result does.
        for (const auto& object : *loader)
            sizes += object->GetObjectValue(sizeGuid, false)->ToDouble();
        benchmark::DoNotOptimize(sizes);
    }
    if (loaded != objectCount)
        state.SkipWithError("the filter did not find every object");
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["objects"] = static_cast<double>(loaded);
    state.counters["peak_rss_kb"] = static_cast<double>(usage.ru_maxrss);
}

} // namespace

BENCHMARK_MAIN();
