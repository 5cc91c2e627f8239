#include "platform/host/ZKObject.h"

#include "platform/host/DocumentText.h"
#include "platform/host/Zkw32Doc.h"

CZKObject::~CZKObject() = default;

void CZKObject::NoteChange() const
{
    if (document_)
        document_->NoteChange(*this);
}

void CZKObject::SetName(std::wstring_view name)
{
    NoteChange();
    name_ = name;
}

std::wstring CZKObject::GetTextAttrib(std::wstring_view name) const
{
    if (const auto found = attributes_.find(name); found != attributes_.end())
        return found->second;
    if (const auto found = transientAttributes_.find(name); found != transientAttributes_.end())
        return found->second;
    return {};
}

bool CZKObject::HasTextAttrib(std::wstring_view name) const
{
    return attributes_.contains(name) || transientAttributes_.contains(name);
}

bool CZKObject::SetTextAttrib(std::wstring_view name, std::wstring_view text, bool inDocument)
{
    if (name.empty())
        return false;
    if (inDocument || attributes_.contains(name))
        NoteChange();
    auto& target = inDocument ? attributes_ : transientAttributes_;
    auto& other = inDocument ? transientAttributes_ : attributes_;
    if (const auto found = other.find(name); found != other.end())
        other.erase(found);
    target.insert_or_assign(std::wstring(name), std::wstring(text));
    return true;
}

bool CZKObject::DeleteAttrib(std::wstring_view name, bool /*inDocument*/)
{
    if (attributes_.contains(name))
        NoteChange();
    bool deleted = false;
    for (auto* attributes : {&attributes_, &transientAttributes_})
        if (const auto found = attributes->find(name); found != attributes->end()) {
            attributes->erase(found);
            deleted = true;
        }
    return deleted;
}

void CZKObject::SaveState(Vireo::Host::TextNode& node) const
{
    if (!name_.empty())
        node.Add(L"name", {name_});
    for (const auto& [name, text] : attributes_)
        node.Add(L"attr", {name, text});
}

void CZKObject::LoadState(const Vireo::Host::TextNode& node)
{
    NoteChange();
    name_.clear();
    attributes_.clear();
    for (const Vireo::Host::TextNode& child : node.children) {
        if (child.key == L"name") {
            child.ExpectArgs(1);
            name_ = child.args[0];
        } else if (child.key == L"attr") {
            child.ExpectArgs(2);
            if (child.args[0].empty())
                child.Fail("an attribute needs a name");
            attributes_.insert_or_assign(child.args[0], child.args[1]);
        }
    }
}
