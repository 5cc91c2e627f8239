#pragma once
// A read-only list of model elements handed out as shared handles. The elements belong
// to the connection's schema; every handle taken from the list keeps that schema alive.

#include "platform/arbor/SystemGuid.h"

#include <cstddef>
#include <iterator>
#include <memory>
#include <string_view>
#include <vector>

namespace Vireo::Arbor::Model {

template <class T>
class Collection {
public:
    class iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = std::shared_ptr<T>;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = value_type;

        iterator() = default;
        iterator(const Collection* owner, std::size_t at) : owner_(owner), at_(at) {}
        value_type operator*() const { return (*owner_)[at_]; }
        iterator& operator++()
        {
            ++at_;
            return *this;
        }
        iterator operator++(int)
        {
            auto old = *this;
            ++at_;
            return old;
        }
        friend bool operator==(const iterator& a, const iterator& b) { return a.at_ == b.at_; }

    private:
        const Collection* owner_ = nullptr;
        std::size_t at_ = 0;
    };

    Collection() = default;
    Collection(std::shared_ptr<const void> owner, std::vector<T*> items)
        : owner_(std::move(owner)), items_(std::move(items))
    {
    }

    std::size_t size() const { return items_.size(); }
    bool empty() const { return items_.empty(); }
    std::shared_ptr<T> operator[](std::size_t at) const { return std::shared_ptr<T>(owner_, items_.at(at)); }
    iterator begin() const { return iterator(this, 0); }
    iterator end() const { return iterator(this, items_.size()); }

    // The element with this GUID, or null.
    std::shared_ptr<T> Find(const System::Guid& guid) const
    {
        for (T* item : items_)
            if (item->Guid() == guid)
                return std::shared_ptr<T>(owner_, item);
        return nullptr;
    }
    // The element whose GUID text (with or without braces) or name is `key`, or null.
    std::shared_ptr<T> Find(std::wstring_view key) const
    {
        if (auto guid = System::Guid::TryParse(key))
            return Find(*guid);
        for (T* item : items_)
            if (item->Name() == key)
                return std::shared_ptr<T>(owner_, item);
        return nullptr;
    }

private:
    std::shared_ptr<const void> owner_;
    std::vector<T*> items_;
};

} // namespace Vireo::Arbor::Model
