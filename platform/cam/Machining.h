#pragma once
// A machining: its strategy with the strategy's parameters (in groups), its tool, and its
// geometry.

#include "platform/cam/GeometrySetOwnerObject.h"
#include "platform/cam/Strategy.h"

#include <memory>

namespace Vireo::Cam {

class Tool;

// The tool of a machining. Assigning a tool (or null) changes the machining.
class ToolReference {
public:
    explicit ToolReference(const CZKObject& holder) : holder_(holder) {}
    ToolReference(const ToolReference&) = delete;
    ToolReference& operator=(const ToolReference&) = delete;

    ToolReference& operator=(Tool* tool);
    Tool* Get() const;
    Tool* operator->() const { return Get(); }
    explicit operator bool() const { return Get() != nullptr; }
    ZKObjectID GetID() const noexcept { return id_; }
    // Reads the id back from the document file (the holder is being loaded).
    void SetID(ZKObjectID id) noexcept { id_ = id; }

private:
    const CZKObject& holder_;
    ZKObjectID id_;
};

class Machining final : public GeometrySetOwnerObject {
public:
    explicit Machining(CZkw32Doc* doc);
    ~Machining() override;

    int GetObjType() const override;
    unsigned GetIconID() const override;
    std::wstring_view GetClassTag() const override { return L"Machining"; }

    IStrategy* GetStrategy() const noexcept { return strategy_.get(); }
    // Makes the strategy the machining's: the parameters become the strategy's, with their
    // defaults; name and description are kept.
    void SetStrategy(std::unique_ptr<IStrategy> strategy);

    ToolReference& GetTool() noexcept { return tool_; }
    const ToolReference& GetTool() const noexcept { return tool_; }

    void SaveState(Vireo::Host::TextNode& node) const override;
    void LoadState(const Vireo::Host::TextNode& node) override;

private:
    std::unique_ptr<IStrategy> strategy_;
    ToolReference tool_;
};

} // namespace Vireo::Cam
