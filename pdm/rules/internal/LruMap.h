#pragma once
// A bounded map that evicts the least recently used entry. Entries live in a list, most
// recently used first; an index maps each key to its list position. Positions stay valid
// until their entry is evicted.

#include <cstddef>
#include <functional>
#include <list>
#include <unordered_map>
#include <utility>

namespace Vireo::Cam::Pdm::internal {

template <class Key, class Value, class Hash = std::hash<Key>, class KeyEqual = std::equal_to<Key>>
class LruMap {
public:
    using Entries = std::list<std::pair<Key, Value>>;
    using iterator = typename Entries::iterator;

    // A capacity of 0 means unbounded.
    explicit LruMap(std::size_t capacity) : capacity_(capacity) {}
    // The index points into the list, so a copy would point into the original.
    LruMap(const LruMap&) = delete;
    LruMap& operator=(const LruMap&) = delete;
    LruMap(LruMap&&) noexcept = default;
    LruMap& operator=(LruMap&&) noexcept = default;
    ~LruMap() = default;

    // A hit becomes the most recently used entry.
    iterator find(const Key& key)
    {
        const auto found = index_.find(std::cref(key));
        if (found == index_.end())
            return entries_.end();
        entries_.splice(entries_.begin(), entries_, found->second);
        return found->second;
    }

    iterator end() noexcept { return entries_.end(); }

    // Inserts or replaces; either way the entry becomes the most recently used.
    iterator insert(Key key, Value value)
    {
        if (const auto present = find(key); present != entries_.end()) {
            present->second = std::move(value);
            return present;
        }
        entries_.emplace_front(std::move(key), std::move(value));
        try {
            index_.emplace(std::cref(entries_.front().first), entries_.begin());
        } catch (...) {
            entries_.pop_front();
            throw;
        }
        evict();
        return entries_.begin();
    }

    std::size_t size() const noexcept { return index_.size(); }
    std::size_t capacity() const noexcept { return capacity_; }

private:
    // The index refers to the keys stored in the list, so each key is held once.
    using KeyRef = std::reference_wrapper<const Key>;
    struct RefHash {
        std::size_t operator()(KeyRef key) const { return Hash{}(key.get()); }
    };
    struct RefEqual {
        bool operator()(KeyRef a, KeyRef b) const { return KeyEqual{}(a.get(), b.get()); }
    };

    void evict()
    {
        if (capacity_ == 0)
            return;
        while (index_.size() > capacity_) {
            index_.erase(std::cref(entries_.back().first));
            entries_.pop_back();
        }
    }

    std::size_t capacity_;
    Entries entries_;
    std::unordered_map<KeyRef, iterator, RefHash, RefEqual> index_;
};

} // namespace Vireo::Cam::Pdm::internal
