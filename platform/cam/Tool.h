#pragma once
// A tool of the document: its logic (the tool kind) with the kind's parameters, and the data
// of its shank, holder and extension, which the tool-part classes (ToolParts.h) present.

#include "platform/cam/ModelObject.h"
#include "platform/cam/ToolAdditionalParams.h"
#include "platform/cam/ToolLogic.h"

#include <memory>
#include <vector>

namespace Vireo::Cam {

struct ToolShankData {
    bool need = false;
    std::wstring name;
    int coneParamType = 0;
    zkaux::RealParameter coneAngle = zkaux::RealParameter::Of(0, zktypes::ZKUnits::Degree);
    zkaux::RealParameter coneLength = zkaux::RealParameter::Of(0, zktypes::ZKUnits::Millimeter);
    zkaux::RealParameter diameter = zkaux::RealParameter::Of(0, zktypes::ZKUnits::Millimeter);
    zkaux::RealParameter length = zkaux::RealParameter::Of(0, zktypes::ZKUnits::Millimeter);
    zkaux::RealParameter commonLength = zkaux::RealParameter::Of(0, zktypes::ZKUnits::Millimeter);
};

// A holder or an extension.
struct ToolAdditionalData {
    bool present = false;
    std::wstring name;
    zkaux::RealParameter commonLength = zkaux::RealParameter::Of(0, zktypes::ZKUnits::Millimeter);
    std::vector<std::shared_ptr<ToolAdditionalParams>> items;

    // Copies everything, the items as new objects of `owner`.
    void CopyFrom(const ToolAdditionalData& other, const CZKObject* owner);
};

class Tool final : public ModelObject {
public:
    // A tool of `doc`, or a free-standing tool when `doc` is null.
    explicit Tool(CZkw32Doc* doc = nullptr);
    ~Tool() override;

    int GetObjType() const override;
    unsigned GetIconID() const override;
    std::wstring_view GetClassTag() const override { return L"Tool"; }

    IToolLogic* GetLogic() const noexcept { return logic_.get(); }
    // Makes the logic the tool's kind: the parameters become the kind's, with their
    // defaults; the name is kept.
    void SetLogic(std::unique_ptr<IToolLogic> logic);

    // The part data, changed in place through these references and through the part
    // classes, whose setters note the change on the tool.
    ToolShankData& ShankData()
    {
        NoteChange();
        return shank_;
    }
    const ToolShankData& ShankData() const noexcept { return shank_; }
    ToolAdditionalData& HolderData()
    {
        NoteChange();
        return holder_;
    }
    const ToolAdditionalData& HolderData() const noexcept { return holder_; }
    ToolAdditionalData& ExtensionData()
    {
        NoteChange();
        return extension_;
    }
    const ToolAdditionalData& ExtensionData() const noexcept { return extension_; }

    void SaveState(Vireo::Host::TextNode& node) const override;
    void LoadState(const Vireo::Host::TextNode& node) override;

private:
    std::unique_ptr<IToolLogic> logic_;
    ToolShankData shank_;
    ToolAdditionalData holder_;
    ToolAdditionalData extension_;
};

} // namespace Vireo::Cam
