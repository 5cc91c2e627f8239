#include "platform/arbor/FaultPlan.h"

#include <string>

namespace Vireo::Arbor::Model {
namespace {

const char* nameOf(FaultPoint point)
{
    switch (point) {
    case FaultPoint::Search: return "search";
    case FaultPoint::ObjectRead: return "object read";
    case FaultPoint::LinkRead: return "link read";
    case FaultPoint::TableRead: return "table read";
    case FaultPoint::ValueWrite: return "value write";
    case FaultPoint::Save: return "save";
    }
    return "call";
}

} // namespace

void FaultPlan::FailAt(FaultPoint point, std::size_t nth, FaultAction action)
{
    planned_[{index(point), nth}] = action;
}

void FaultPlan::RunAt(FaultPoint point, std::size_t nth, std::function<void()> event)
{
    events_[{index(point), nth}] = std::move(event);
}

void FaultPlan::Reset()
{
    counts_ = {};
    rowsRead_ = 0;
    planned_.clear();
    events_.clear();
}

bool FaultPlan::Pass(FaultPoint point)
{
    const std::size_t n = ++counts_[index(point)];
    if (auto event = events_.find({index(point), n}); event != events_.end())
        event->second();
    auto planned = planned_.find({index(point), n});
    if (planned == planned_.end())
        return true;
    if (planned->second == FaultAction::ReturnFalse)
        return false;
    throw ModelException(std::string("planned failure of ") + nameOf(point) + " " + std::to_string(n));
}

} // namespace Vireo::Arbor::Model
