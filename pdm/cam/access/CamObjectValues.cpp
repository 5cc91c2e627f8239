// GetValue and SetValue of CamObjectManager: "Name" of any document object first, then the
// value routines of the object's class, which its catalogue entry carries.

#include "pdm/cam/CamConsts.h"
#include "pdm/cam/internal/CamTypeRecognition.h"
#include "pdm/cam/internal/CamValueAccess.h"

#include "platform/cam/ModelObject.h"

namespace Vireo::Cam::Pdm {

using namespace internal;

namespace {

constexpr std::wstring_view nameParameter = CamConsts::AnyObjectInfo::Name;

// The routines of the entry that accepted the object; an object that no type accepts still
// has those of its class, with no type to look its host parameters up in.
const CamTypeValues* valuesOf(const CamObject& object, const PdmCamType* typeEntry)
{
    if (typeEntry && typeEntry->values.holds(object))
        return &typeEntry->values;
    return FindCamTypeValues(object);
}

} // namespace

namespace internal {

CamValuePtr ReadDescription(const Cam::ModelObject& object)
{
    return MakeOwnedValue<Cam::StringValue>(object.GetDescription(true));
}

bool WriteDescription(Cam::ModelObject& object, const Cam::BaseValue& value)
{
    const Cam::StringValue* text = value.AsString();
    if (text)
        object.SetDescription(text->GetValue());
    return text != nullptr;
}

} // namespace internal

CamValuePtr CamObjectManager::GetValue(std::wstring_view name) const
{
    if (IsNull(object))
        return nullptr;
    if (CZKObject* document = DocumentObjectOf(object); document && name == nameParameter)
        return MakeOwnedValue<Cam::StringValue>(document->GetName());
    const CamTypeValues* values = valuesOf(object, typeEntry);
    return values ? values->read(object, {appType, name, GetParameterId(name)}) : nullptr;
}

bool CamObjectManager::SetValue(std::wstring_view name, const Cam::BaseValue& value)
{
    if (IsNull(object))
        return false;
    if (CZKObject* document = DocumentObjectOf(object); document && name == nameParameter) {
        const Cam::StringValue* text = value.AsString();
        if (text)
            document->SetName(text->GetValue());
        return text != nullptr;
    }
    const CamTypeValues* values = valuesOf(object, typeEntry);
    return values && values->write(object, {appType, name, GetParameterId(name)}, value);
}

} // namespace Vireo::Cam::Pdm
