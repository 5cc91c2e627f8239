#pragma once
// The parts of a tool: shank, holder and extension. A part object is a view bound to its
// owning tool (a document tool or a free-standing one); several part objects may be bound
// to the same tool. Holders and extensions carry a list of additional-parameter items.

#include "platform/cam/Tool.h"
#include "platform/cam/ToolAdditionalParams.h"

#include <memory>
#include <string>
#include <string_view>

namespace Vireo::Cam {

class BaseToolProp {
public:
    explicit BaseToolProp(Tool& owner) : owner_(&owner) {}
    virtual ~BaseToolProp() = default;
    Tool* GetOwner() const noexcept { return owner_; }

private:
    Tool* owner_;
};

class ToolShankProp final : public BaseToolProp {
public:
    explicit ToolShankProp(Tool& owner) : BaseToolProp(owner), data_(owner.ShankData()) {}

    bool HasShank() const noexcept { return data_.need; }
    void SetNeedShank(bool need) { set(data_.need, need); }

    const std::wstring& GetName() const noexcept { return data_.name; }
    void SetName(std::wstring_view name) { set(data_.name, std::wstring(name)); }
    int GetConeParamType() const noexcept { return data_.coneParamType; }
    void SetConeParamType(int type) { set(data_.coneParamType, type); }
    const zkaux::RealParameter& GetConeAngle() const noexcept { return data_.coneAngle; }
    void SetConeAngle(const zkaux::RealParameter& value) { set(data_.coneAngle, value); }
    const zkaux::RealParameter& GetConeLength() const noexcept { return data_.coneLength; }
    void SetConeLength(const zkaux::RealParameter& value) { set(data_.coneLength, value); }
    const zkaux::RealParameter& GetDiameter() const noexcept { return data_.diameter; }
    void SetDiameter(const zkaux::RealParameter& value) { set(data_.diameter, value); }
    const zkaux::RealParameter& GetLength() const noexcept { return data_.length; }
    void SetLength(const zkaux::RealParameter& value) { set(data_.length, value); }
    const zkaux::RealParameter& GetCommonLength() const noexcept { return data_.commonLength; }
    void SetCommonLength(const zkaux::RealParameter& value) { set(data_.commonLength, value); }

    // Copies this shank onto another tool, which then has a shank.
    void MakeShankCopy(Tool& target) const;

private:
    template <class T>
    void set(T& field, const T& value)
    {
        GetOwner()->NoteChange();
        field = value;
    }

    ToolShankData& data_;
};

// The item list of a holder or an extension. Adding an item makes the part present.
class ToolAdditionalParamsProp {
public:
    ToolAdditionalParamsProp(const Tool& owner, ToolAdditionalData& data) : owner_(owner), data_(data) {}
    ToolAdditionalParamsProp(const ToolAdditionalParamsProp&) = delete;
    ToolAdditionalParamsProp& operator=(const ToolAdditionalParamsProp&) = delete;

    // Appends a new item and returns it.
    ToolAdditionalParams& AddParam();
    int GetParamsCount() const noexcept { return static_cast<int>(data_.items.size()); }
    // The item at a position (it stays owned by the list), or null out of range.
    ToolAdditionalParams* GetParams(int index) const noexcept;
    // The same item under shared ownership with the list.
    std::shared_ptr<ToolAdditionalParams> GetParamsPtr(int index) const noexcept;
    bool RemoveParam(int index);

private:
    const Tool& owner_;
    ToolAdditionalData& data_;
};

// A holder or an extension. Setting its name or length makes it present on the tool.
class ToolAdditionalProp : public BaseToolProp {
public:
    const std::wstring& GetName() const noexcept { return data_.name; }
    void SetName(std::wstring_view name);
    const zkaux::RealParameter& GetCommonLength() const noexcept { return data_.commonLength; }
    void SetCommonLength(const zkaux::RealParameter& value);
    ToolAdditionalParamsProp& GetParamsProp() noexcept { return params_; }
    const ToolAdditionalParamsProp& GetParamsProp() const noexcept { return params_; }

protected:
    ToolAdditionalProp(Tool& owner, ToolAdditionalData& data) : BaseToolProp(owner), data_(data), params_(owner, data)
    {
    }
    const ToolAdditionalData& Data() const noexcept { return data_; }
    void SetPresent(bool present);

private:
    ToolAdditionalData& data_;
    ToolAdditionalParamsProp params_;
};

class ToolHolderProp final : public ToolAdditionalProp {
public:
    explicit ToolHolderProp(Tool& owner) : ToolAdditionalProp(owner, owner.HolderData()) {}
    bool HasHolder() const noexcept { return Data().present; }
    void SetNeedHolder(bool need) { SetPresent(need); }
    // Copies this holder with its items onto another tool, which then has a holder.
    void MakeHolderCopy(Tool& target) const;
};

class ToolExtensionProp final : public ToolAdditionalProp {
public:
    explicit ToolExtensionProp(Tool& owner) : ToolAdditionalProp(owner, owner.ExtensionData()) {}
    bool HasExtension() const noexcept { return Data().present; }
    void SetNeedExtension(bool need) { SetPresent(need); }
    void MakeExtensionCopy(Tool& target) const;
};

} // namespace Vireo::Cam
