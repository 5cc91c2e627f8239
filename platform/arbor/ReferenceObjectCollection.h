#pragma once
// The result of a search (or a listing of children): filled by Load().

#include "platform/arbor/ModelFwd.h"

#include <cstddef>
#include <vector>

namespace Vireo::Arbor::Model {

enum class LoadState { NotLoaded = 0, Failed = 1, Loaded = 2 };

class ReferenceObjectCollection {
public:
    ReferenceObjectCollection(std::shared_ptr<Reference> reference, std::shared_ptr<Search::Filter> filter,
                              std::shared_ptr<ReferenceObject> parent);

    // Runs the search. State() is Loaded afterwards, or Failed when the model refused.
    // Database errors throw ModelException.
    void Load();
    LoadState State() const { return state_; }

    std::size_t size() const { return objects_.size(); }
    const std::shared_ptr<ReferenceObject>& operator[](std::size_t at) const { return objects_.at(at); }
    auto begin() const { return objects_.begin(); }
    auto end() const { return objects_.end(); }
    void Dispose() { objects_.clear(); }

private:
    std::shared_ptr<Reference> reference_;
    std::shared_ptr<Search::Filter> filter_;
    std::shared_ptr<ReferenceObject> parent_;
    LoadState state_ = LoadState::NotLoaded;
    std::vector<std::shared_ptr<ReferenceObject>> objects_;
};

} // namespace Vireo::Arbor::Model
