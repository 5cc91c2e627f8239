// Drag and drop with the PDM client on a generated project whose machinings each have a tool
// of their own:
//   XmlDescription/N  the XML description of the project with N machinings (what dragging it
//                     out hands over): objects per second and the size of the text;
//   DragOver/100      the trial runs while 100 dragged tools move over the tools folder: the
//                     time per dragged object, paid on every mouse move.
#include "pdm/cam/CamObject.h"
#include "pdm/convert/CamPdmXmlCreator.h"
#include "pdm/plugin/PdmDragDropExtension.h"
#include "pdm/rules/IntegrationManager.h"
#include "platform/cammodule/DragDropExtension.h"
#include "platform/host/HostObjectTypes.h"
#include "platform/host/Zkw32Doc.h"
#include "tests/pdm/testing/GeneratedProject.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>

namespace {

namespace Pdm = Vireo::Cam::Pdm;

const auto dataDirectory = std::filesystem::path(VIREO_SOURCE_DIR) / "data" / "pdm";

CZKObject* projectOf(CZkw32Doc& doc)
{
    for (CZKObject* object : doc.GetObjects())
        if (object->GetObjType() == ZKObjectTypes::CamMachiningProject)
            return object;
    return nullptr;
}

void XmlDescription(benchmark::State& state)
{
    const int machinings = static_cast<int>(state.range(0));
    Vireo::Testing::GeneratedProject generated(dataDirectory, machinings);
    CZkw32Doc doc;
    CZKObject* project = Vireo::Testing::GeneratedProject::Import(doc) ? projectOf(doc) : nullptr;
    if (!project) {
        state.SkipWithError("the generated project was not imported");
        return;
    }
    std::size_t characters = 0;
    for (auto _ : state) {
        Pdm::CamPdmXmlCreator creator(Pdm::CamObject{project});
        creator.SetRecursive(true);
        if (!Pdm::IntegrationManager().MakeData(creator))
            state.SkipWithError("the description failed");
        characters = creator.GetXmlValue().size();
    }
    const double objects = 2.0 * machinings + 1;
    state.counters["objects_per_second"] =
        benchmark::Counter(objects * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["xml_characters"] = static_cast<double>(characters);
}

std::wstring draggedTools(int count)
{
    std::wstring text = L"<Drag><Objects>";
    for (int i = 0; i < count; ++i) {
        wchar_t guid[40];
        std::swprintf(guid, 40, L"5b000000-0000-4000-8000-%012d", i);
        text += L"<Tool Object=\"" + std::wstring(guid) +
                L"\" Reference=\"50000000-0000-4000-8000-000000000000\"><ParentHierarchyLink/></Tool>";
    }
    return text + L"</Objects></Drag>";
}

void DragOver(benchmark::State& state)
{
    const int dragged = static_cast<int>(state.range(0));
    Vireo::Testing::GeneratedProject generated(dataDirectory, dragged);
    CZkw32Doc doc;
    doc.Activate();
    Pdm::PdmDragDropExtension extension;
    Vireo::Cam::UI::DragDropData data;
    data.text = draggedTools(dragged);
    data.target = Vireo::Cam::UI::DragObject(Vireo::Cam::UI::ToolsNode);
    for (auto _ : state) {
        extension.DragOver(data);
        if (data.effect != 1)
            state.SkipWithError("a dragged tool was refused");
    }
    state.counters["seconds_per_object"] = benchmark::Counter(
        static_cast<double>(dragged) * static_cast<double>(state.iterations()),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

BENCHMARK(XmlDescription)->Arg(1000)->Arg(10000)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(DragOver)->Arg(100)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
