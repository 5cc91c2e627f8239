#pragma once
// A test seam of the model: counts the calls that reach the database and makes a chosen
// one fail. Installed on a connection (ServerConnection::SetFaultPlan); while none is
// installed nothing is counted and nothing fails.

#include "platform/arbor/ModelException.h"

#include <array>
#include <cstddef>
#include <functional>
#include <map>
#include <utility>

namespace Vireo::Arbor::Model {

enum class FaultPoint {
    Search = 0,     // ReferenceObjectCollection::Load
    ObjectRead = 1, // Reference::Find, reading an object's values
    LinkRead = 2,   // GetObject / GetObjects on a link group
    TableRead = 3,  // GetObject / GetObjects on a table
    ValueWrite = 4, // ParameterCollection::TrySetValue
    Save = 5,       // ReferenceObject::ApplyChanges
};

enum class FaultAction { Throw, ReturnFalse };

class FaultPlan {
public:
    // The n-th call (1-based, counted from installation or Reset) at this point fails.
    // Failing by returning false means: a search ends in LoadState::Failed, a find gives
    // null, a link or table read gives no objects, TrySetValue and ApplyChanges give
    // false. Reading an object's values has no such answer and throws either way.
    void FailAt(FaultPoint point, std::size_t nth, FaultAction action = FaultAction::Throw);
    // Runs `event` when the n-th call at this point arrives, before the call goes on: what
    // happens around the model mid-call (another user's save, a server going away).
    void RunAt(FaultPoint point, std::size_t nth, std::function<void()> event);
    std::size_t Count(FaultPoint point) const { return counts_[index(point)]; }
    // Table rows handed out by table reads.
    std::size_t RowsRead() const { return rowsRead_; }
    void Reset();

    // Called by the model: counts the call; throws ModelException or returns false when
    // this call is planned to fail.
    bool Pass(FaultPoint point);
    void CountRows(std::size_t rows) { rowsRead_ += rows; }

private:
    static std::size_t index(FaultPoint point) { return static_cast<std::size_t>(point); }

    std::array<std::size_t, 6> counts_{};
    std::size_t rowsRead_ = 0;
    std::map<std::pair<std::size_t, std::size_t>, FaultAction> planned_;
    std::map<std::pair<std::size_t, std::size_t>, std::function<void()>> events_;
};

} // namespace Vireo::Arbor::Model
