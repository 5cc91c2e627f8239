#pragma once
// A context menu: items with an id, a text and an image, in the order they were added.

#include "platform/ui/Images.h"

#include <string>
#include <vector>

namespace zkpf {

class Menu {
public:
    struct Item {
        int id = 0;
        std::wstring text;
        Image image;
    };

    void AddItem(int id, std::wstring text, Image image = {});
    const std::vector<Item>& GetItems() const noexcept { return items_; }
    // The item with `id`, or null.
    const Item* FindItem(int id) const noexcept;
    bool IsEmpty() const noexcept { return items_.empty(); }

private:
    std::vector<Item> items_;
};

} // namespace zkpf
