#pragma once
// A group of machinings inside a project or another group.

#include "platform/cam/GeometrySetOwnerObject.h"
#include "platform/cam/Machining.h"
#include "platform/cam/ObjectList.h"

namespace Vireo::Cam {

class MachiningGroup final : public GeometrySetOwnerObject {
public:
    explicit MachiningGroup(CZkw32Doc* doc);

    int GetObjType() const override;
    unsigned GetIconID() const override;
    std::wstring_view GetClassTag() const override { return L"MachiningGroup"; }

    ObjectList<Machining>& GetMachinings() noexcept { return machinings_; }
    const ObjectList<Machining>& GetMachinings() const noexcept { return machinings_; }
    ObjectList<MachiningGroup>& GetChildGroups() noexcept { return childGroups_; }
    const ObjectList<MachiningGroup>& GetChildGroups() const noexcept { return childGroups_; }

    // Brings the group up to date after a change of its place or geometry.
    void RegenerateSelf();
    int GetRegenerationCount() const noexcept { return regenerations_; }

    void SaveState(Vireo::Host::TextNode& node) const override;
    void LoadState(const Vireo::Host::TextNode& node) override;

private:
    ObjectList<Machining> machinings_;
    ObjectList<MachiningGroup> childGroups_;
    int regenerations_ = 0;
};

} // namespace Vireo::Cam
