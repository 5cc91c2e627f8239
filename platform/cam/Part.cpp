#include "platform/cam/Part.h"

#include "platform/cam/BodyText.h"
#include "platform/cam/ObjectIcons.h"
#include "platform/cam/ParameterText.h"
#include "platform/host/HostObjectTypes.h"
#include "platform/host/Zkw32Doc.h"

namespace Vireo::Cam {
namespace {

void saveSlot(Host::TextNode& node, std::wstring key, const MaterialSlot& slot)
{
    node.Add(std::move(key), {KeptObjectIdText(slot.Holder(), slot.GetID()), Host::FormatBool(slot.IsDerived())});
}

void loadSlot(const Host::TextNode& node, std::wstring_view key, MaterialSlot& slot)
{
    const Host::TextNode& line = node.Require(key);
    line.ExpectArgs(2);
    slot.Assign(ReadId(line, 0), line.ArgBool(1));
}

} // namespace

void SaveBody(Host::TextNode& node, const std::optional<BodySize>& body)
{
    if (body)
        node.Add(L"body", {Host::FormatNumber(body->length), Host::FormatNumber(body->width),
                           Host::FormatNumber(body->height)});
    else
        node.Add(L"body", {L"-"});
}

std::optional<BodySize> LoadBody(const Host::TextNode& node)
{
    const Host::TextNode& line = node.Require(L"body");
    if (line.args.size() == 1 && line.args[0] == L"-")
        return std::nullopt;
    line.ExpectArgs(3);
    return BodySize{line.ArgNumber(0), line.ArgNumber(1), line.ArgNumber(2)};
}

const Material3DBase* MaterialSlot::Get() const
{
    CZkw32Doc* doc = holder_.GetDocumentPtr();
    return doc && !id_.IsNull() ? doc->FindObjectAs<DocumentMaterial>(id_) : nullptr;
}

bool MaterialSlot::Set(CZkw32Doc* doc, std::wstring_view name)
{
    if (!doc)
        doc = holder_.GetDocumentPtr();
    auto* material = doc ? dynamic_cast<DocumentMaterial*>(doc->Container3D().FindMaterial(name)) : nullptr;
    if (!material)
        return false;
    holder_.NoteChange();
    id_ = material->GetID();
    return true;
}

bool PartVisualProperty::SetMaterial(CZkw32Doc* doc, std::wstring_view name, int /*libraryIndex*/)
{
    return material_.Set(doc, name);
}

Part::Part(CZkw32Doc* doc) : ModelObject(doc), visual_(*this), coating_(*this)
{
    DeclareDescription();
}

int Part::GetObjType() const
{
    return ZKObjectTypes::CamPart;
}

unsigned Part::GetIconID() const
{
    return Icons::Part;
}

bool Part::SetCoatingMaterial(CZkw32Doc* doc, std::wstring_view name, int /*libraryIndex*/)
{
    return coating_.Set(doc, name);
}

DoubleValue Part::GetMass() const
{
    if (!massDefault_)
        return mass_;
    const Material3DBase* material = visual_.GetMaterial();
    // mm³ × g/cm³ = 1e-6 kg
    return DoubleValue(material ? GetVolume() * material->GetDensity() * 1e-6 : 0, zktypes::ZKUnits::Kilogram);
}

void Part::SetMass(const DoubleValue& mass)
{
    NoteChange();
    mass_ = mass;
}

double Part::GetVolume() const noexcept
{
    return body_ ? body_->length * body_->width * body_->height : 0;
}

void Part::SaveState(Host::TextNode& node) const
{
    ModelObject::SaveState(node);
    saveSlot(node, L"material", visual_.Slot());
    saveSlot(node, L"coating", coating_);
    node.Add(L"mass-default", {Host::FormatBool(massDefault_)});
    SaveReal(node, L"mass", mass_.ToRealParameter());
    SaveBody(node, body_);
}

void Part::LoadState(const Host::TextNode& node)
{
    ModelObject::LoadState(node);
    loadSlot(node, L"material", visual_.Slot());
    loadSlot(node, L"coating", coating_);
    massDefault_ = node.Require(L"mass-default").ArgBool(0);
    mass_ = DoubleValue::FromRealParameter(LoadReal(node, L"mass"));
    body_ = LoadBody(node);
}

} // namespace Vireo::Cam
