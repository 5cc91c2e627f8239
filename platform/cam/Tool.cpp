#include "platform/cam/Tool.h"

#include "platform/cam/ObjectIcons.h"
#include "platform/cam/ParameterText.h"
#include "platform/host/HostObjectTypes.h"
#include "platform/support/Utf8.h"

namespace Vireo::Cam {
namespace {

using Host::TextNode;

void saveShank(const ToolShankData& shank, TextNode& node)
{
    node.Add(L"present", {Host::FormatBool(shank.need)});
    node.Add(L"name", {shank.name});
    node.Add(L"cone-type", {std::to_wstring(shank.coneParamType)});
    SaveReal(node, L"cone-angle", shank.coneAngle);
    SaveReal(node, L"cone-length", shank.coneLength);
    SaveReal(node, L"diameter", shank.diameter);
    SaveReal(node, L"length", shank.length);
    SaveReal(node, L"common-length", shank.commonLength);
}

void loadShank(const TextNode& node, ToolShankData& shank)
{
    shank.need = node.Require(L"present").ArgBool(0);
    shank.name = node.Require(L"name").Arg(0);
    shank.coneParamType = static_cast<int>(node.Require(L"cone-type").ArgInteger(0));
    shank.coneAngle = LoadReal(node, L"cone-angle");
    shank.coneLength = LoadReal(node, L"cone-length");
    shank.diameter = LoadReal(node, L"diameter");
    shank.length = LoadReal(node, L"length");
    shank.commonLength = LoadReal(node, L"common-length");
}

void saveItem(const ToolAdditionalParams& item, TextNode& node)
{
    node.Add(L"name", {item.GetName()});
    SaveReal(node, L"bottom-diameter", item.GetBottomDiameter());
    SaveReal(node, L"top-diameter", item.GetTopDiameter());
    SaveReal(node, L"length", item.GetLength());
    SaveReal(node, L"rounding-radius", item.GetRoundingRadius());
}

void loadItem(const TextNode& node, ToolAdditionalParams& item)
{
    item.SetName(node.Require(L"name").Arg(0));
    item.SetBottomDiameter(LoadReal(node, L"bottom-diameter"));
    item.SetTopDiameter(LoadReal(node, L"top-diameter"));
    item.SetLength(LoadReal(node, L"length"));
    item.SetRoundingRadius(LoadReal(node, L"rounding-radius"));
}

void saveAdditional(const ToolAdditionalData& part, TextNode& node)
{
    node.Add(L"present", {Host::FormatBool(part.present)});
    node.Add(L"name", {part.name});
    SaveReal(node, L"common-length", part.commonLength);
    for (const auto& item : part.items)
        saveItem(*item, node.Add(L"item"));
}

// Items that exist already are refilled in place, so that references to them stay valid.
void loadAdditional(const TextNode& node, ToolAdditionalData& part, const CZKObject& owner)
{
    part.present = node.Require(L"present").ArgBool(0);
    part.name = node.Require(L"name").Arg(0);
    part.commonLength = LoadReal(node, L"common-length");
    std::size_t count = 0;
    for (const TextNode& child : node.children) {
        if (child.key != L"item")
            continue;
        if (count == part.items.size()) {
            part.items.push_back(std::make_shared<ToolAdditionalParams>());
            part.items.back()->BindOwner(&owner);
        }
        loadItem(child, *part.items[count++]);
    }
    part.items.resize(count);
}

} // namespace

void ToolAdditionalData::CopyFrom(const ToolAdditionalData& other, const CZKObject* owner)
{
    if (this == &other)
        return;
    present = other.present;
    name = other.name;
    commonLength = other.commonLength;
    items.clear();
    for (const auto& item : other.items) {
        items.push_back(std::make_shared<ToolAdditionalParams>(*item));
        items.back()->BindOwner(owner);
    }
}

Tool::Tool(CZkw32Doc* doc) : ModelObject(doc) {}

// Item handles may outlive the tool; from here on they belong to no tool.
Tool::~Tool()
{
    for (const ToolAdditionalData* part : {&holder_, &extension_})
        for (const auto& item : part->items)
            item->BindOwner(nullptr);
}

int Tool::GetObjType() const
{
    return ZKObjectTypes::CamTool;
}

unsigned Tool::GetIconID() const
{
    return Icons::Tool;
}

void Tool::SetLogic(std::unique_ptr<IToolLogic> logic)
{
    NoteChange();
    const std::wstring name = GetName();
    if (logic)
        parameters_ = BuildParameters(logic->GetParameterDeclarations());
    logic_ = std::move(logic);
    SetName(name);
}

void Tool::SaveState(TextNode& node) const
{
    ModelObject::SaveState(node);
    node.Add(L"logic", {logic_ ? logic_->GetKind().ToString() : L"-"});
    saveShank(shank_, node.Add(L"shank"));
    saveAdditional(holder_, node.Add(L"holder"));
    saveAdditional(extension_, node.Add(L"extension"));
}

void Tool::LoadState(const TextNode& node)
{
    ModelObject::LoadState(node);
    const TextNode& logic = node.Require(L"logic");
    logic.ExpectArgs(1);
    if (logic.args[0] == L"-") {
        logic_.reset();
    } else {
        const UniqueIdentifier kind = logic.ArgIdentifier(0);
        if (!logic_ || logic_->GetKind() != kind) {
            logic_ = GetDefaultToolLogicFactory().Create(kind);
            if (!logic_)
                logic.Fail("unknown tool kind " + Support::WideToUtf8(logic.args[0]));
        }
    }
    loadShank(node.Require(L"shank"), shank_);
    loadAdditional(node.Require(L"holder"), holder_, *this);
    loadAdditional(node.Require(L"extension"), extension_, *this);
}

} // namespace Vireo::Cam
