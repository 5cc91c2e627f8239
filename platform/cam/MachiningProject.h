#pragma once
// A machining project: the top of a machining tree.

#include "platform/cam/GeometrySetOwnerObject.h"
#include "platform/cam/Machining.h"
#include "platform/cam/MachiningGroup.h"
#include "platform/cam/ObjectList.h"

namespace Vireo::Cam {

class MachiningProject final : public GeometrySetOwnerObject {
public:
    explicit MachiningProject(CZkw32Doc* doc);

    int GetObjType() const override;
    unsigned GetIconID() const override;
    std::wstring_view GetClassTag() const override { return L"MachiningProject"; }

    ObjectList<Machining>& GetMachinings() noexcept { return machinings_; }
    const ObjectList<Machining>& GetMachinings() const noexcept { return machinings_; }
    ObjectList<MachiningGroup>& GetMachiningGroups() noexcept { return groups_; }
    const ObjectList<MachiningGroup>& GetMachiningGroups() const noexcept { return groups_; }

    void SaveState(Vireo::Host::TextNode& node) const override;
    void LoadState(const Vireo::Host::TextNode& node) override;

private:
    ObjectList<Machining> machinings_;
    ObjectList<MachiningGroup> groups_;
};

} // namespace Vireo::Cam
