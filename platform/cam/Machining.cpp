#include "platform/cam/Machining.h"

#include "platform/cam/ObjectIcons.h"
#include "platform/cam/ParameterText.h"
#include "platform/cam/Tool.h"
#include "platform/host/HostObjectTypes.h"
#include "platform/host/Zkw32Doc.h"
#include "platform/support/Utf8.h"

namespace Vireo::Cam {

ToolReference& ToolReference::operator=(Tool* tool)
{
    // Only the id changes: a bracket keeps the old id, not the holder's whole state, which
    // setting the tools of a thousand machinings would save a thousand times. A holder not
    // in its document (still being made) has nothing to bring back.
    CZkw32Doc* doc = holder_.GetDocumentPtr();
    if (doc && doc->IsChanging() && doc->FindObject(holder_.GetID()) == &holder_)
        doc->NoteUndo([this, id = id_] { id_ = id; });
    id_ = tool ? tool->GetID() : ZKObjectID();
    return *this;
}

Tool* ToolReference::Get() const
{
    CZkw32Doc* doc = holder_.GetDocumentPtr();
    return doc && !id_.IsNull() ? doc->FindObjectAs<Tool>(id_) : nullptr;
}

Machining::Machining(CZkw32Doc* doc) : GeometrySetOwnerObject(doc), tool_(*this)
{
    DeclareDescription();
}

Machining::~Machining() = default;

int Machining::GetObjType() const
{
    return ZKObjectTypes::CamMachining;
}

unsigned Machining::GetIconID() const
{
    return Icons::Machining;
}

void Machining::SetStrategy(std::unique_ptr<IStrategy> strategy)
{
    NoteChange();
    const std::wstring name = GetName();
    const std::wstring description = GetDescription(true);
    if (strategy)
        parameters_ = BuildParameters(strategy->GetParameterDeclarations(), strategy->GetDescription().groups);
    strategy_ = std::move(strategy);
    SetName(name);
    SetDescription(description);
}

void Machining::SaveState(Host::TextNode& node) const
{
    GeometrySetOwnerObject::SaveState(node);
    node.Add(L"strategy", {strategy_ ? strategy_->GetKind().ToString() : L"-"});
    node.Add(L"tool", {KeptObjectIdText(*this, tool_.GetID())});
}

void Machining::LoadState(const Host::TextNode& node)
{
    GeometrySetOwnerObject::LoadState(node);
    const Host::TextNode& strategy = node.Require(L"strategy");
    strategy.ExpectArgs(1);
    if (strategy.args[0] == L"-") {
        strategy_.reset();
    } else {
        const UniqueIdentifier kind = strategy.ArgIdentifier(0);
        if (!strategy_ || strategy_->GetKind() != kind) {
            strategy_ = GetDefaultStrategyFactory().Create(kind);
            if (!strategy_)
                strategy.Fail("unknown strategy kind " + Support::WideToUtf8(strategy.args[0]));
        }
    }
    const Host::TextNode& tool = node.Require(L"tool");
    tool.ExpectArgs(1);
    tool_.SetID(ReadId(tool, 0));
}

} // namespace Vireo::Cam
