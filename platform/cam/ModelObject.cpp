#include "platform/cam/ModelObject.h"

#include "platform/cam/ParameterIds.h"
#include "platform/cam/ParameterText.h"

namespace Vireo::Cam {
namespace {

std::wstring stringParameter(const Parameters& parameters, const UniqueIdentifier& id)
{
    const BaseValue* value = parameters.GetValue(id);
    const StringValue* text = value ? value->AsString() : nullptr;
    return text ? text->GetValue() : std::wstring();
}

void setStringParameter(Parameters& parameters, const UniqueIdentifier& id, std::wstring_view text)
{
    BaseValue* value = parameters.GetValue(id);
    if (StringValue* typed = value ? value->AsString() : nullptr)
        typed->SetValue(std::wstring(text));
    else
        parameters.Add(id, std::make_unique<StringValue>(text));
}

} // namespace

ModelObject::ModelObject(CZkw32Doc* doc) : CZKObject(doc)
{
    parameters_.Add(HostIds::Common::Name, std::make_unique<StringValue>());
}

std::wstring ModelObject::GetName() const
{
    return stringParameter(parameters_, HostIds::Common::Name);
}

void ModelObject::SetName(std::wstring_view name)
{
    NoteChange();
    setStringParameter(parameters_, HostIds::Common::Name, name);
}

std::wstring ModelObject::GetDescription(bool full) const
{
    std::wstring description = stringParameter(parameters_, HostIds::Common::Description);
    if (!full)
        description = description.substr(0, description.find(L'\n'));
    return description;
}

void ModelObject::SetDescription(std::wstring_view description)
{
    NoteChange();
    setStringParameter(parameters_, HostIds::Common::Description, description);
}

void ModelObject::DeclareDescription()
{
    if (!parameters_.Contains(HostIds::Common::Description))
        parameters_.Add(HostIds::Common::Description, std::make_unique<StringValue>());
}

void ModelObject::SaveState(Host::TextNode& node) const
{
    CZKObject::SaveState(node);
    SaveParameters(parameters_, node);
}

void ModelObject::LoadState(const Host::TextNode& node)
{
    CZKObject::LoadState(node);
    parameters_ = LoadParameters(node);
}

} // namespace Vireo::Cam
