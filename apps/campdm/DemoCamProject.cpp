#include "DemoCamProject.h"

#include "pdm/cam/CamObjectManager.h"

#include "platform/cam/Machining.h"
#include "platform/cam/Tool.h"
#include "platform/cam/Values.h"
#include "platform/zktypes/Units.h"

#include <stdexcept>
#include <string>

namespace Campdm {
namespace {

using namespace Vireo::Cam::Pdm;
using Vireo::Cam::DoubleValue;
using Vireo::Cam::IntValue;
using Vireo::Cam::StringValue;
namespace ZKUnits = zktypes::ZKUnits;

CamObject make(CZkw32Doc& document, std::wstring_view type, const CamObject& parent, std::wstring_view name)
{
    CamObject object = CamObjectManager::MakeCamObject(&document, type, parent);
    if (CamObjectManager::IsNull(object))
        throw std::runtime_error("the host could not make a CAM object of type " +
                                 std::string(type.begin(), type.end()));
    CamObjectManager(object).SetValue(L"Name", StringValue(std::wstring(name)));
    return object;
}

void set(const CamObject& object, std::wstring_view parameter, const Vireo::Cam::BaseValue& value)
{
    if (!CamObjectManager(object).SetValue(parameter, value))
        throw std::runtime_error("the CAM value " + std::string(parameter.begin(), parameter.end()) +
                                 " could not be set");
}

void addToolParts(CZkw32Doc& document, const CamObject& tool)
{
    const CamObject shank = make(document, L"ToolShank", tool, L"Cylindrical shank");
    const CamObject holder = make(document, L"ToolHolder", tool, L"HSK 63 shrink chuck");
    make(document, L"ToolExtension", tool, L"Extension 50");
    make(document, L"ToolItem", holder, L"Collar");
    (void)shank;
}

CamObject machining(CZkw32Doc& document, std::wstring_view type, const CamObject& parent, std::wstring_view name,
                    double feed, double speed)
{
    const CamObject object = make(document, type, parent, name);
    set(object, L"Feed", DoubleValue(feed, ZKUnits::MillimeterPerMinute));
    set(object, L"SpindleSpeed", DoubleValue(speed, ZKUnits::RevolutionPerMinute));
    return object;
}

} // namespace

DemoCamProject BuildDemoCamProject(CZkw32Doc& document)
{
    DemoCamProject built;
    built.project = make(document, L"MachiningProject", CamObject(), L"Bracket 0815");
    const CamObject milling = make(document, L"MachiningGroup", built.project, L"Milling");
    const CamObject drilling = make(document, L"MachiningGroup", built.project, L"Drilling");

    built.roughing = machining(document, L"MillLayers", milling, L"Roughing", 1200, 8000);
    const CamObject finishing = machining(document, L"MillCountour", milling, L"Finishing contour", 800, 12000);
    const CamObject drill = machining(document, L"HoleDrill", drilling, L"Holes M8", 150, 2500);

    built.sharedTool = make(document, L"ToolMillEnd", built.roughing, L"End mill D16");
    set(built.sharedTool, L"D", DoubleValue(16, ZKUnits::Millimeter));
    set(built.sharedTool, L"Lw", DoubleValue(32, ZKUnits::Millimeter));
    set(built.sharedTool, L"L", DoubleValue(92, ZKUnits::Millimeter));
    set(built.sharedTool, L"Z", IntValue(4));
    addToolParts(document, built.sharedTool);
    // The finishing pass uses the same end mill.
    auto* finishingMachining = dynamic_cast<Vireo::Cam::Machining*>(std::get<0>(finishing));
    auto* endMill = dynamic_cast<Vireo::Cam::Tool*>(std::get<0>(built.sharedTool));
    if (!finishingMachining || !endMill)
        throw std::runtime_error("the finishing machining or its end mill is missing");
    finishingMachining->GetTool() = endMill;

    const CamObject twistDrill = make(document, L"ToolDrill", drill, L"Twist drill D6.8");
    set(twistDrill, L"D", DoubleValue(6.8, ZKUnits::Millimeter));
    set(twistDrill, L"A", DoubleValue(118, ZKUnits::Degree));

    const CamObject stock = make(document, L"StockBlock", built.project, L"Blank 120x80x40");
    set(stock, L"Material", StringValue(L"Steel C45"));
    const CamObject part = make(document, L"Part", built.project, L"Bracket");
    set(part, L"Material", StringValue(L"Steel C45"));
    make(document, L"Fixture", built.project, L"Machine vice 125");
    return built;
}

} // namespace Campdm
