#include "platform/cam/ToolParts.h"

namespace Vireo::Cam {

void ToolShankProp::MakeShankCopy(Tool& target) const
{
    ToolShankData& copy = target.ShankData();
    if (&copy != &data_)
        copy = data_;
    copy.need = true;
}

ToolAdditionalParams& ToolAdditionalParamsProp::AddParam()
{
    owner_.NoteChange();
    data_.items.push_back(std::make_shared<ToolAdditionalParams>());
    data_.items.back()->BindOwner(&owner_);
    data_.present = true;
    return *data_.items.back();
}

ToolAdditionalParams* ToolAdditionalParamsProp::GetParams(int index) const noexcept
{
    return GetParamsPtr(index).get();
}

std::shared_ptr<ToolAdditionalParams> ToolAdditionalParamsProp::GetParamsPtr(int index) const noexcept
{
    if (index < 0 || index >= GetParamsCount())
        return nullptr;
    return data_.items[static_cast<std::size_t>(index)];
}

bool ToolAdditionalParamsProp::RemoveParam(int index)
{
    if (index < 0 || index >= GetParamsCount())
        return false;
    owner_.NoteChange();
    data_.items.erase(data_.items.begin() + index);
    return true;
}

void ToolAdditionalProp::SetName(std::wstring_view name)
{
    GetOwner()->NoteChange();
    data_.name = name;
    data_.present = true;
}

void ToolAdditionalProp::SetCommonLength(const zkaux::RealParameter& value)
{
    GetOwner()->NoteChange();
    data_.commonLength = value;
    data_.present = true;
}

void ToolAdditionalProp::SetPresent(bool present)
{
    GetOwner()->NoteChange();
    data_.present = present;
}

void ToolHolderProp::MakeHolderCopy(Tool& target) const
{
    ToolAdditionalData& copy = target.HolderData();
    copy.CopyFrom(Data(), &target);
    copy.present = true;
}

void ToolExtensionProp::MakeExtensionCopy(Tool& target) const
{
    ToolAdditionalData& copy = target.ExtensionData();
    copy.CopyFrom(Data(), &target);
    copy.present = true;
}

} // namespace Vireo::Cam
