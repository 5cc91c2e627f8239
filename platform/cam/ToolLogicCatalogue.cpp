#include "platform/cam/ToolLogic.h"

#include "platform/cam/ParameterIds.h"

#include <algorithm>
#include <array>

// The tool-logic kinds of the host: every kind with its parameters. The identifiers come
// from the one table in ParameterIds.h.

namespace Vireo::Cam {
namespace {

using namespace HostIds;
using zktypes::ZKUnits::Degree;
using zktypes::ZKUnits::Millimeter;
namespace ZKUnits = zktypes::ZKUnits;

constexpr ParameterDeclaration name()
{
    return {Common::Name, L"Name", BaseValue::String, ZKUnits::None, 0, L"", {}};
}
constexpr ParameterDeclaration integer(const UniqueIdentifier& id, std::wstring_view parameter, int value)
{
    return {id, parameter, BaseValue::Int, ZKUnits::None, static_cast<double>(value), L"", {}};
}
constexpr ParameterDeclaration boolean(const UniqueIdentifier& id, std::wstring_view parameter, bool value)
{
    return {id, parameter, BaseValue::Bool, ZKUnits::None, value ? 1.0 : 0.0, L"", {}};
}
constexpr ParameterDeclaration number(const UniqueIdentifier& id, std::wstring_view parameter, double value,
                                      zktypes::ZKUnitsEnum unit)
{
    return {id, parameter, BaseValue::Double, unit, value, L"", {}};
}

// ToolMillEnd
constexpr ParameterDeclaration millEndParams[] = {
    name(),
    number(ToolParams::MillEnd::D, L"D", 10, Millimeter),
    number(ToolParams::MillEnd::Lw, L"Lw", 20, Millimeter),
    number(ToolParams::MillEnd::L, L"L", 60, Millimeter),
    boolean(ToolParams::MillEnd::Shoulder, L"Shoulder", false),
    number(ToolParams::MillEnd::Ds, L"Ds", 10, Millimeter),
    number(ToolParams::MillEnd::Ln, L"Ln", 30, Millimeter),
    integer(ToolParams::MillEnd::LengthMode, L"LengthMode", 0),
    number(ToolParams::MillEnd::Lu, L"Lu", 40, Millimeter),
    integer(ToolParams::MillEnd::Z, L"Z", 2),
};
// ToolMillSpehere
constexpr ParameterDeclaration millSphereParams[] = {
    name(),
    number(ToolParams::MillSphere::D, L"D", 10, Millimeter),
    number(ToolParams::MillSphere::Lw, L"Lw", 20, Millimeter),
    number(ToolParams::MillSphere::L, L"L", 60, Millimeter),
    boolean(ToolParams::MillSphere::Shoulder, L"Shoulder", false),
    number(ToolParams::MillSphere::Ds, L"Ds", 10, Millimeter),
    number(ToolParams::MillSphere::Ln, L"Ln", 30, Millimeter),
    integer(ToolParams::MillSphere::LengthMode, L"LengthMode", 0),
    number(ToolParams::MillSphere::Lu, L"Lu", 40, Millimeter),
    integer(ToolParams::MillSphere::Z, L"Z", 2),
};
// ToolMillTaper
constexpr ParameterDeclaration millTaperParams[] = {
    name(),
    number(ToolParams::MillTaper::W, L"W", 0, Millimeter),
    number(ToolParams::MillTaper::D, L"D", 10, Millimeter),
    number(ToolParams::MillTaper::Lw, L"Lw", 20, Millimeter),
    number(ToolParams::MillTaper::L, L"L", 60, Millimeter),
    number(ToolParams::MillTaper::R, L"R", 0, Millimeter),
    number(ToolParams::MillTaper::A, L"A", 90, Degree),
    boolean(ToolParams::MillTaper::Shoulder, L"Shoulder", false),
    number(ToolParams::MillTaper::Ds, L"Ds", 10, Millimeter),
    number(ToolParams::MillTaper::Ln, L"Ln", 30, Millimeter),
    integer(ToolParams::MillTaper::LengthMode, L"LengthMode", 0),
    number(ToolParams::MillTaper::Lu, L"Lu", 40, Millimeter),
    integer(ToolParams::MillTaper::Z, L"Z", 2),
};
// ToolMillRadius
constexpr ParameterDeclaration millRadiusParams[] = {
    name(),
    number(ToolParams::MillRadius::D, L"D", 10, Millimeter),
    number(ToolParams::MillRadius::Lw, L"Lw", 20, Millimeter),
    number(ToolParams::MillRadius::L, L"L", 60, Millimeter),
    number(ToolParams::MillRadius::R, L"R", 0, Millimeter),
    boolean(ToolParams::MillRadius::Shoulder, L"Shoulder", false),
    number(ToolParams::MillRadius::Ds, L"Ds", 10, Millimeter),
    number(ToolParams::MillRadius::Ln, L"Ln", 30, Millimeter),
    integer(ToolParams::MillRadius::LengthMode, L"LengthMode", 0),
    number(ToolParams::MillRadius::Lu, L"Lu", 40, Millimeter),
    integer(ToolParams::MillRadius::Z, L"Z", 2),
};
// ToolMillConvex
constexpr ParameterDeclaration millConvexParams[] = {
    name(),
    number(ToolParams::MillConvex::D, L"D", 10, Millimeter),
    number(ToolParams::MillConvex::Lw, L"Lw", 20, Millimeter),
    number(ToolParams::MillConvex::L, L"L", 60, Millimeter),
    number(ToolParams::MillConvex::CR, L"CR", 0, Millimeter),
    number(ToolParams::MillConvex::TR, L"TR", 0, Millimeter),
    number(ToolParams::MillConvex::FR, L"FR", 0, Millimeter),
};
// ToolMillDove
constexpr ParameterDeclaration millDoveParams[] = {
    name(),
    number(ToolParams::MillDove::D, L"D", 10, Millimeter),
    number(ToolParams::MillDove::Lw, L"Lw", 20, Millimeter),
    number(ToolParams::MillDove::L, L"L", 60, Millimeter),
    number(ToolParams::MillDove::R, L"R", 0, Millimeter),
    number(ToolParams::MillDove::A, L"A", 90, Degree),
    number(ToolParams::MillDove::Ds, L"Ds", 10, Millimeter),
    number(ToolParams::MillDove::Df, L"Df", 0, Millimeter),
    integer(ToolParams::MillDove::Z, L"Z", 2),
};
// ToolMillLollipop
constexpr ParameterDeclaration millLollipopParams[] = {
    name(),
    number(ToolParams::MillLollipop::D, L"D", 10, Millimeter),
    number(ToolParams::MillLollipop::Lw, L"Lw", 20, Millimeter),
    number(ToolParams::MillLollipop::Ds, L"Ds", 10, Millimeter),
    number(ToolParams::MillLollipop::L, L"L", 60, Millimeter),
    integer(ToolParams::MillLollipop::Z, L"Z", 2),
};
// ToolMillSlot
constexpr ParameterDeclaration millSlotParams[] = {
    name(),
    number(ToolParams::MillSlot::D, L"D", 10, Millimeter),
    number(ToolParams::MillSlot::Ds, L"Ds", 10, Millimeter),
    number(ToolParams::MillSlot::Lw, L"Lw", 20, Millimeter),
    number(ToolParams::MillSlot::L, L"L", 60, Millimeter),
    integer(ToolParams::MillSlot::CornerType, L"CornerType", 0),
    number(ToolParams::MillSlot::R1, L"R1", 0, Millimeter),
    number(ToolParams::MillSlot::R2, L"R2", 0, Millimeter),
    number(ToolParams::MillSlot::B1, L"B1", 0, Millimeter),
    number(ToolParams::MillSlot::C1, L"C1", 0, Millimeter),
    number(ToolParams::MillSlot::B2, L"B2", 0, Millimeter),
    number(ToolParams::MillSlot::C2, L"C2", 0, Millimeter),
    integer(ToolParams::MillSlot::Z, L"Z", 2),
};
// ToolMillBarrel
constexpr ParameterDeclaration millBarrelParams[] = {
    name(),
    number(ToolParams::MillBarrel::D, L"D", 10, Millimeter),
    number(ToolParams::MillBarrel::SD, L"SD", 0, Millimeter),
    number(ToolParams::MillBarrel::Lw, L"Lw", 20, Millimeter),
    number(ToolParams::MillBarrel::L, L"L", 60, Millimeter),
    number(ToolParams::MillBarrel::CR, L"CR", 0, Millimeter),
};
// ToolThreadMill
constexpr ParameterDeclaration threadMillParams[] = {
    name(),
    number(ToolParams::ThreadMill::D, L"D", 10, Millimeter),
    number(ToolParams::ThreadMill::Lw, L"Lw", 20, Millimeter),
    number(ToolParams::ThreadMill::L, L"L", 60, Millimeter),
    integer(ToolParams::ThreadMill::Type, L"Type", 0),
    number(ToolParams::ThreadMill::A, L"A", 90, Degree),
    number(ToolParams::ThreadMill::Ds, L"Ds", 10, Millimeter),
    number(ToolParams::ThreadMill::Df, L"Df", 0, Millimeter),
    number(ToolParams::ThreadMill::P, L"P", 1.5, Millimeter),
    number(ToolParams::ThreadMill::TPI, L"TPI", 16, ZKUnits::None),
    boolean(ToolParams::ThreadMill::IsPitch, L"IsPitch", false),
    number(ToolParams::ThreadMill::Pmin, L"Pmin", 0, Millimeter),
    number(ToolParams::ThreadMill::Pmax, L"Pmax", 0, Millimeter),
    number(ToolParams::ThreadMill::TPImin, L"TPImin", 0, ZKUnits::None),
    number(ToolParams::ThreadMill::TPImax, L"TPImax", 0, ZKUnits::None),
    boolean(ToolParams::ThreadMill::SinglePitchMode, L"SinglePitchMode", false),
    boolean(ToolParams::ThreadMill::MultiPitchMode, L"MultiPitchMode", false),
    integer(ToolParams::ThreadMill::CutMode, L"CutMode", 0),
    number(ToolParams::ThreadMill::Lc, L"Lс", 0, Millimeter),
    integer(ToolParams::ThreadMill::Nc, L"Nс", 0),
    integer(ToolParams::ThreadMill::Z, L"Z", 2),
};
// ToolDrill
constexpr ParameterDeclaration drillParams[] = {
    name(),
    number(ToolParams::Drill::D, L"D", 10, Millimeter),
    number(ToolParams::Drill::Lw, L"Lw", 20, Millimeter),
    number(ToolParams::Drill::L, L"L", 60, Millimeter),
    number(ToolParams::Drill::A, L"A", 90, Degree),
    boolean(ToolParams::Drill::Shoulder, L"Shoulder", false),
    number(ToolParams::Drill::Ds, L"Ds", 10, Millimeter),
    number(ToolParams::Drill::Ln, L"Ln", 30, Millimeter),
    integer(ToolParams::Drill::LengthMode, L"LengthMode", 0),
    number(ToolParams::Drill::Lu, L"Lu", 40, Millimeter),
    integer(ToolParams::Drill::Z, L"Z", 2),
};
// ToolCentreDrill
constexpr ParameterDeclaration centreDrillParams[] = {
    name(),
    number(ToolParams::CentreDrill::D, L"D", 10, Millimeter),
    number(ToolParams::CentreDrill::Lw, L"Lw", 20, Millimeter),
    number(ToolParams::CentreDrill::L, L"L", 60, Millimeter),
    number(ToolParams::CentreDrill::B, L"B", 0, Millimeter),
    number(ToolParams::CentreDrill::Da, L"Da", 0, Millimeter),
    number(ToolParams::CentreDrill::La, L"La", 0, Millimeter),
    number(ToolParams::CentreDrill::A, L"A", 90, Degree),
    integer(ToolParams::CentreDrill::Z, L"Z", 2),
};
// ToolCountersink
constexpr ParameterDeclaration countersinkParams[] = {
    name(),
    number(ToolParams::Countersink::D, L"D", 10, Millimeter),
    number(ToolParams::Countersink::Lw, L"Lw", 20, Millimeter),
    number(ToolParams::Countersink::L, L"L", 60, Millimeter),
    number(ToolParams::Countersink::A, L"A", 90, Degree),
    number(ToolParams::Countersink::Df, L"Df", 0, Millimeter),
    integer(ToolParams::Countersink::Z, L"Z", 2),
};
// ToolReamer
constexpr ParameterDeclaration reamerParams[] = {
    name(),
    number(ToolParams::Reamer::D, L"D", 10, Millimeter),
    number(ToolParams::Reamer::Lw, L"Lw", 20, Millimeter),
    boolean(ToolParams::Reamer::Shoulder, L"Shoulder", false),
    number(ToolParams::Reamer::L, L"L", 60, Millimeter),
    number(ToolParams::Reamer::A, L"A", 90, Degree),
    number(ToolParams::Reamer::La, L"La", 0, Millimeter),
    number(ToolParams::Reamer::Ds, L"Ds", 10, Millimeter),
    number(ToolParams::Reamer::Ln, L"Ln", 30, Millimeter),
    integer(ToolParams::Reamer::LengthMode, L"LengthMode", 0),
    number(ToolParams::Reamer::Lu, L"Lu", 40, Millimeter),
    integer(ToolParams::Reamer::Z, L"Z", 2),
};
// ToolCountering
constexpr ParameterDeclaration counterboreParams[] = {
    name(),
    number(ToolParams::Counterbore::D, L"D", 10, Millimeter),
    number(ToolParams::Counterbore::Lw, L"Lw", 20, Millimeter),
    number(ToolParams::Counterbore::L, L"L", 60, Millimeter),
    number(ToolParams::Counterbore::R, L"R", 0, Millimeter),
    number(ToolParams::Counterbore::Da, L"Da", 0, Millimeter),
    number(ToolParams::Counterbore::La, L"La", 0, Millimeter),
    number(ToolParams::Counterbore::C, L"C", 0, Millimeter),
    integer(ToolParams::Counterbore::Z, L"Z", 2),
};
// ToolTap
constexpr ParameterDeclaration tapParams[] = {
    name(),
    integer(ToolParams::Tap::Direction, L"Direction", 0),
    number(ToolParams::Tap::D, L"D", 10, Millimeter),
    number(ToolParams::Tap::Lw, L"Lw", 20, Millimeter),
    number(ToolParams::Tap::L, L"L", 60, Millimeter),
    number(ToolParams::Tap::Ds, L"Ds", 10, Millimeter),
    number(ToolParams::Tap::P, L"P", 1.5, Millimeter),
    number(ToolParams::Tap::A, L"A", 90, Degree),
    number(ToolParams::Tap::La, L"La", 0, Millimeter),
    number(ToolParams::Tap::Lb, L"Lb", 0, Millimeter),
    number(ToolParams::Tap::B, L"B", 0, Millimeter),
    integer(ToolParams::Tap::Standard, L"Standard", 0),
    number(ToolParams::Tap::K, L"K", 0, ZKUnits::None),
    integer(ToolParams::Tap::Z, L"Z", 2),
};
// ToolTurn*
constexpr ParameterDeclaration turnInsertParams[] = {
    name(),
    integer(ToolParams::TurnInsertShape, L"InsertShape", 0),
    integer(ToolParams::TurnInsert::PlateType, L"PlateType", 0),
    integer(ToolParams::TurnInsert::ToolSide, L"ToolSide", 0),
    integer(ToolParams::TurnInsert::Direction, L"Direction", 0),
    number(ToolParams::TurnInsert::A, L"A", 80, Degree),
    number(ToolParams::TurnInsert::Y, L"Y", 0, Degree),
    number(ToolParams::TurnInsert::B, L"B", 0, Millimeter),
    number(ToolParams::TurnInsert::C, L"C", 0, Degree),
    number(ToolParams::TurnInsert::Aa, L"Aa", 0, Degree),
    number(ToolParams::TurnInsert::Ay, L"Ay", 0, Degree),
    number(ToolParams::TurnInsert::R, L"R", 0, Millimeter),
    number(ToolParams::TurnInsert::S, L"S", 0, Millimeter),
    integer(ToolParams::TurnInsert::HT, L"HT", 0),
    number(ToolParams::TurnInsert::L, L"L", 100, Millimeter),
    number(ToolParams::TurnInsert::W, L"W", 0, Millimeter),
    number(ToolParams::TurnInsert::E, L"E", 0, Millimeter),
    number(ToolParams::TurnInsert::HL, L"HL", 0, Millimeter),
    number(ToolParams::TurnInsert::HW, L"HW", 0, Millimeter),
    number(ToolParams::TurnInsert::HD, L"HD", 0, Millimeter),
    number(ToolParams::TurnInsert::HS, L"HS", 0, Millimeter),
    integer(ToolParams::TurnInsert::Shape, L"Shape", 0),
    number(ToolParams::TurnInsert::D, L"D", 12.7, Millimeter),
    number(ToolParams::TurnInsert::Lc, L"Lc", 0, Millimeter),
    number(ToolParams::TurnInsert::F, L"F", 0, Millimeter),
    number(ToolParams::TurnInsert::La, L"La", 0, Millimeter),
    number(ToolParams::TurnInsert::Lb, L"Lb", 0, Millimeter),
    number(ToolParams::TurnInsert::T, L"t", 0, Millimeter),
    number(ToolParams::TurnInsert::WA, L"WA", 0, Degree),
};
// ToolTurnGrooveA
constexpr ParameterDeclaration grooveInsertParams[] = {
    name(),
    integer(ToolParams::GrooveInsertShape, L"InsertShape", 0),
    integer(ToolParams::GrooveInsert::PlateType, L"PlateType", 0),
    integer(ToolParams::GrooveInsert::ToolSide, L"ToolSide", 0),
    integer(ToolParams::GrooveInsert::Direction, L"Direction", 0),
    number(ToolParams::GrooveInsert::La, L"La", 0, Millimeter),
    number(ToolParams::GrooveInsert::Lb, L"Lb", 0, Millimeter),
    number(ToolParams::GrooveInsert::A, L"A", 80, Degree),
    number(ToolParams::GrooveInsert::B1, L"B1", 0, Millimeter),
    number(ToolParams::GrooveInsert::B2, L"B2", 0, Millimeter),
    number(ToolParams::GrooveInsert::F, L"F", 0, Millimeter),
    number(ToolParams::GrooveInsert::C, L"C", 0, Degree),
    integer(ToolParams::GrooveInsert::RadiusType, L"RadiusType", 0),
    number(ToolParams::GrooveInsert::R1, L"R1", 0, Millimeter),
    number(ToolParams::GrooveInsert::R2, L"R2", 0, Millimeter),
    number(ToolParams::GrooveInsert::S, L"S", 0, Millimeter),
    integer(ToolParams::GrooveInsert::HT, L"HT", 0),
    number(ToolParams::GrooveInsert::L, L"L", 100, Millimeter),
    number(ToolParams::GrooveInsert::HW, L"HW", 0, Millimeter),
    number(ToolParams::GrooveInsert::WA, L"WA", 0, Degree),
    number(ToolParams::GrooveInsert::HL, L"HL", 0, Millimeter),
    number(ToolParams::GrooveInsert::W, L"W", 0, Millimeter),
    number(ToolParams::GrooveInsert::HD, L"HD", 0, Millimeter),
    number(ToolParams::GrooveInsert::HS, L"HS", 0, Millimeter),
};

const ToolLogicDescription descriptions[] = {
    {ToolKinds::MillEnd, 1, L"End mill", millEndParams},
    {ToolKinds::MillSphere, 2, L"Ball end mill", millSphereParams},
    {ToolKinds::MillTaper, 3, L"Taper mill", millTaperParams},
    {ToolKinds::MillRadius, 4, L"Bull-nose mill", millRadiusParams},
    {ToolKinds::MillConvex, 5, L"Convex tip mill", millConvexParams},
    {ToolKinds::MillDove, 6, L"Dovetail mill", millDoveParams},
    {ToolKinds::MillLollipop, 7, L"Lollipop mill", millLollipopParams},
    {ToolKinds::MillSlot, 8, L"Slot mill", millSlotParams},
    {ToolKinds::MillBarrel, 9, L"Barrel mill", millBarrelParams},
    {ToolKinds::ThreadMill, 10, L"Thread mill", threadMillParams},
    {ToolKinds::Drill, 11, L"Twist drill", drillParams},
    {ToolKinds::CentreDrill, 12, L"Centre drill", centreDrillParams},
    {ToolKinds::Countersink, 13, L"Countersink", countersinkParams},
    {ToolKinds::Reamer, 14, L"Reamer", reamerParams},
    {ToolKinds::Counterbore, 15, L"Counterbore", counterboreParams},
    {ToolKinds::Tap, 16, L"Tap", tapParams},
    {ToolKinds::TurnInsert, 17, L"Turning insert tool", turnInsertParams},
    {ToolKinds::GrooveInsert, 18, L"Grooving insert tool", grooveInsertParams},
};

class CatalogueToolLogic final : public IToolLogic {
public:
    explicit CatalogueToolLogic(const ToolLogicDescription& description) : description_(description) {}
    const UniqueIdentifier& GetKind() const noexcept override { return description_.kind; }
    const ToolLogicDescription& GetDescription() const noexcept override { return description_; }
    std::unique_ptr<IToolLogic> Clone() const override { return std::make_unique<CatalogueToolLogic>(description_); }

private:
    const ToolLogicDescription& description_;
};

class DefaultToolLogicFactory final : public IToolLogicFactory {
public:
    std::unique_ptr<IToolLogic> Create(const UniqueIdentifier& kind) const override
    {
        const auto found = std::find_if(std::begin(descriptions), std::end(descriptions),
                                        [&](const ToolLogicDescription& d) { return d.kind == kind; });
        if (found == std::end(descriptions))
            return nullptr;
        return std::make_unique<CatalogueToolLogic>(*found);
    }
    std::span<const ToolLogicDescription> GetDescriptions() const noexcept override { return descriptions; }
};

} // namespace

const IToolLogicFactory& GetDefaultToolLogicFactory()
{
    static const DefaultToolLogicFactory factory;
    return factory;
}

} // namespace Vireo::Cam
