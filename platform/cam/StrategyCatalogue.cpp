#include "platform/cam/Strategy.h"

#include "platform/cam/ParameterIds.h"

#include <algorithm>
#include <array>

// The strategy kinds of the host with their parameters. Name, description, order number
// and tolerance stand at the top level of a machining's parameters; the technology
// parameters stand in groups (feeds, allowances, passes).

namespace Vireo::Cam {
namespace {

using namespace HostIds;
using namespace HostIds::MachiningParams;
namespace ZKUnits = zktypes::ZKUnits;

constexpr ParameterGroupDeclaration groups[] = {
    {FeedsGroup, L"Feeds"},
    {AllowancesGroup, L"Allowances"},
    {PassesGroup, L"Passes"},
};

constexpr ParameterDeclaration text(const UniqueIdentifier& id, std::wstring_view name)
{
    return {id, name, BaseValue::String, ZKUnits::None, 0, L"", {}};
}
constexpr ParameterDeclaration integer(const UniqueIdentifier& id, std::wstring_view name, int value,
                                       const UniqueIdentifier& group = {})
{
    return {id, name, BaseValue::Int, ZKUnits::None, static_cast<double>(value), L"", group};
}
constexpr ParameterDeclaration number(const UniqueIdentifier& id, std::wstring_view name, double value,
                                      zktypes::ZKUnitsEnum unit, const UniqueIdentifier& group = {})
{
    return {id, name, BaseValue::Double, unit, value, L"", group};
}

template <std::size_t... N>
constexpr auto join(const std::array<ParameterDeclaration, N>&... parts)
{
    std::array<ParameterDeclaration, (N + ...)> all{};
    std::size_t at = 0;
    ((std::copy(parts.begin(), parts.end(), all.begin() + static_cast<std::ptrdiff_t>(at)), at += N), ...);
    return all;
}

constexpr std::array topLevel{
    text(Common::Name, L"Name"),
    text(Common::Description, L"Description"),
    integer(Common::OrderNo, L"OrderNo", 0),
    number(Tolerance, L"Tolerance", 0.01, ZKUnits::Millimeter),
};
constexpr std::array feeds{
    number(Feed, L"Feed", 1000, ZKUnits::MillimeterPerMinute, FeedsGroup),
    number(SpindleSpeed, L"SpindleSpeed", 5000, ZKUnits::RevolutionPerMinute, FeedsGroup),
};
constexpr std::array faceFeeds{
    number(FaceFeed, L"Feed", 1200, ZKUnits::MillimeterPerMinute, FeedsGroup),
    number(FaceSpindleSpeed, L"SpindleSpeed", 4000, ZKUnits::RevolutionPerMinute, FeedsGroup),
};
constexpr std::array offset{
    number(Offset, L"Offset", 0, ZKUnits::Millimeter, AllowancesGroup),
};
constexpr std::array allowances{
    number(PartAllowance, L"PartAllowance", 0, ZKUnits::Millimeter, AllowancesGroup),
    number(Offset, L"Offset", 0, ZKUnits::Millimeter, AllowancesGroup),
    number(AxialOffset, L"AxialOffset", 0, ZKUnits::Millimeter, AllowancesGroup),
    number(RadialOffset, L"RadialOffset", 0, ZKUnits::Millimeter, AllowancesGroup),
};
constexpr std::array layers{
    number(Depth, L"Depth", 10, ZKUnits::Millimeter, PassesGroup),
    integer(LayerNumber, L"LayerNumber", 1, PassesGroup),
    number(DepthStep, L"DepthStep", 1, ZKUnits::Millimeter, PassesGroup),
};
constexpr std::array passStep{number(PassStep, L"PassStep", 5, ZKUnits::Millimeter, PassesGroup)};
constexpr std::array plungePassStep{number(PlungePassStep, L"PassStep", 3, ZKUnits::Millimeter, PassesGroup)};
constexpr std::array depthStep{number(DepthStep, L"DepthStep", 1, ZKUnits::Millimeter, PassesGroup)};

constexpr auto millingParams = join(topLevel, feeds, allowances, layers, passStep);
constexpr auto surfaceParams = join(topLevel, feeds, allowances, passStep);
constexpr auto faceParams = join(topLevel, faceFeeds, offset, layers, passStep);
constexpr auto plungeParams = join(topLevel, feeds, allowances, layers, plungePassStep);
constexpr auto turningParams = join(topLevel, feeds, allowances, depthStep);
constexpr auto finishTurningParams = join(topLevel, feeds, offset);
constexpr auto holeParams = join(topLevel, feeds);

const StrategyDescription descriptions[] = {
    {StrategyKinds::MillLayers, 1, L"Layer milling", millingParams, groups},
    {StrategyKinds::MillContour, 2, L"Contour milling", millingParams, groups},
    {StrategyKinds::MillSurface, 3, L"Constant cusp milling", surfaceParams, groups},
    {StrategyKinds::MillFace, 4, L"Face milling", faceParams, groups},
    {StrategyKinds::MillPlunge, 5, L"Plunge milling", plungeParams, groups},
    {StrategyKinds::MillCurve, 6, L"Curve milling", millingParams, groups},
    {StrategyKinds::TurnLayers, 7, L"Rough turning", turningParams, groups},
    {StrategyKinds::TurnFace, 8, L"Face turning", finishTurningParams, groups},
    {StrategyKinds::TurnContour, 9, L"Contour turning", turningParams, groups},
    {StrategyKinds::TurnCutOff, 10, L"Cut-off turning", finishTurningParams, groups},
    {StrategyKinds::TurnGroove, 11, L"Groove turning", turningParams, groups},
    {StrategyKinds::HoleDrill, 12, L"Drilling", holeParams, groups},
    {StrategyKinds::HoleCentre, 13, L"Centre drilling", holeParams, groups},
    {StrategyKinds::HoleCountersink, 14, L"Countersinking", holeParams, groups},
    {StrategyKinds::HoleReam, 15, L"Reaming", holeParams, groups},
    {StrategyKinds::HoleCounterbore, 16, L"Counterboring", holeParams, groups},
    {StrategyKinds::HoleThread, 17, L"Tapping", holeParams, groups},
};

class CatalogueStrategy final : public IStrategy {
public:
    explicit CatalogueStrategy(const StrategyDescription& description) : description_(description) {}
    const UniqueIdentifier& GetKind() const noexcept override { return description_.kind; }
    const StrategyDescription& GetDescription() const noexcept override { return description_; }
    std::unique_ptr<IStrategy> Clone() const override { return std::make_unique<CatalogueStrategy>(description_); }

private:
    const StrategyDescription& description_;
};

class DefaultStrategyFactory final : public IStrategyFactory {
public:
    std::unique_ptr<IStrategy> Create(const UniqueIdentifier& kind) const override
    {
        const auto found = std::find_if(std::begin(descriptions), std::end(descriptions),
                                        [&](const StrategyDescription& d) { return d.kind == kind; });
        if (found == std::end(descriptions))
            return nullptr;
        return std::make_unique<CatalogueStrategy>(*found);
    }
    std::span<const StrategyDescription> GetDescriptions() const noexcept override { return descriptions; }
};

} // namespace

const IStrategyFactory& GetDefaultStrategyFactory()
{
    static const DefaultStrategyFactory factory;
    return factory;
}

} // namespace Vireo::Cam
