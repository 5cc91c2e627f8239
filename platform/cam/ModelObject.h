#pragma once
// The base of the CAM document objects: a host object whose name and description are
// parameters ("Name" and, where the kind has one, "Description").

#include "platform/cam/Parameters.h"
#include "platform/host/ZKObject.h"

#include <string>
#include <string_view>

namespace Vireo::Cam {

class ModelObject : public CZKObject, public ParametersOwner {
public:
    explicit ModelObject(CZkw32Doc* doc);

    std::wstring GetName() const override;
    void SetName(std::wstring_view name) override;

    // The description; `full` false gives its first line only.
    std::wstring GetDescription(bool full = true) const;
    // Sets the description; kinds without one gain the parameter.
    void SetDescription(std::wstring_view description);

    void SaveState(Vireo::Host::TextNode& node) const override;
    void LoadState(const Vireo::Host::TextNode& node) override;

protected:
    void ParametersWillChange() const override { NoteChange(); }

    // Adds the Description parameter (kinds that have one call this in their constructor).
    void DeclareDescription();
};

} // namespace Vireo::Cam
