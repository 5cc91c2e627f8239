#pragma once
// The chain of objects from the root of a child walk down to one node. The walks are
// breadth-first, so a node keeps its own chain, shared with its siblings; a child already
// on its chain means the data holds a cycle, and going on would never end.

#include "pdm/rules/BuilderMessage.h"

#include <exception>
#include <memory>
#include <string_view>
#include <utility>

namespace Vireo::Cam::Pdm::internal {

template <class Id>
class WalkPath {
public:
    WalkPath() = default;
    WalkPath(const WalkPath&) = default;
    WalkPath(WalkPath&&) noexcept = default;
    WalkPath& operator=(WalkPath other) noexcept
    {
        release();
        last_ = std::move(other.last_);
        return *this;
    }
    ~WalkPath() { release(); }

    // The path of a child of the last object on this one.
    WalkPath Then(Id id) const { return WalkPath(std::make_shared<Step>(Step{std::move(id), last_})); }

    bool Contains(const Id& id) const
    {
        for (const Step* step = last_.get(); step; step = step->up.get())
            if (step->id == id)
                return true;
        return false;
    }

private:
    struct Step {
        Id id;
        std::shared_ptr<Step> up;
    };
    explicit WalkPath(std::shared_ptr<Step> last) : last_(std::move(last)) {}

    // Frees the steps no other path shares one by one: a deep hierarchy must not unwind
    // through one destructor call per level.
    void release() noexcept
    {
        std::shared_ptr<Step> step = std::move(last_);
        while (step && step.use_count() == 1)
            step = std::move(step->up);
    }

    std::shared_ptr<Step> last_;
};

// Runs a child walk; a PDM error or a cycle met on the way ends it with one message under
// the builder's key. False when it ended so.
template <class Walk>
bool RunChildWalk(std::wstring_view key, Walk&& walk)
{
    try {
        walk();
        return true;
    } catch (const std::exception& error) {
        ShowBuilderMessage(key, error);
        return false;
    }
}

} // namespace Vireo::Cam::Pdm::internal
