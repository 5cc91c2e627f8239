#include "PdmLookup.h"

#include "CommandErrors.h"
#include "PdmObjectPrinter.h"
#include "TextOutput.h"

#include "platform/arbor/Reference.h"
#include "platform/arbor/ReferenceCatalog.h"
#include "platform/arbor/ReferenceInfo.h"
#include "platform/arbor/ReferenceObject.h"
#include "platform/arbor/ReferenceObjectCollection.h"
#include "platform/arbor/ServerConnection.h"
#include "platform/arbor/SystemGuid.h"
#include "platform/support/Utf8.h"

#include <algorithm>
#include <charconv>
#include <vector>

#include <set>

namespace Campdm {
namespace {

namespace Model = Vireo::Arbor::Model;
using PdmObject = std::shared_ptr<Model::ReferenceObject>;

std::string referenceName(const Model::Reference& reference)
{
    return Utf8(reference.ReferenceInfo()->Name());
}

std::vector<PdmObject> load(Model::Reference& reference, const PdmObject& parent)
{
    const auto loader = reference.CreateLoader(nullptr, parent, nullptr);
    loader->Load();
    return std::vector<PdmObject>(loader->begin(), loader->end());
}

std::vector<PdmObject> topObjects(Model::Reference& reference)
{
    std::vector<PdmObject> top = load(reference, nullptr);
    std::erase_if(top, [](const PdmObject& object) { return !object->GetParents().empty(); });
    return top;
}

PdmObject byId(Model::Reference& reference, const std::string& text)
{
    int id = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), id);
    if (error != std::errc() || end != text.data() + text.size())
        return nullptr;
    return reference.Find(id);
}

PdmObject byNamePath(Model::Reference& reference, const std::string& text)
{
    std::vector<PdmObject> level = topObjects(reference);
    PdmObject current;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t slash = std::min(text.find('/', start), text.size());
        const std::string name = text.substr(start, slash - start);
        std::vector<PdmObject> found;
        for (const PdmObject& object : level)
            if (PdmObjectName(*object) == name)
                found.push_back(object);
        if (found.empty())
            return nullptr;
        if (found.size() > 1)
            throw CommandFailed("\"" + text.substr(0, slash) + "\" names " + std::to_string(found.size()) +
                                " objects of the PDM reference \"" + referenceName(reference) +
                                "\"; give an id or GUID instead");
        current = found.front();
        level = load(reference, current);
        start = slash + 1;
    }
    return current;
}

} // namespace

std::shared_ptr<Model::Reference> FindPdmReference(Model::ServerConnection& connection, const std::string& text)
{
    const auto info = connection.ReferenceCatalog()->Find(Vireo::Support::Utf8ToWide(text));
    if (!info)
        throw CommandFailed("the PDM has no reference \"" + text + "\"");
    return info->CreateReference();
}

std::shared_ptr<Model::ReferenceObject> FindPdmObject(Model::Reference& reference, const std::string& text)
{
    PdmObject found = byId(reference, text);
    if (!found)
        if (const auto guid = System::Guid::TryParse(Vireo::Support::Utf8ToWide(text)))
            found = reference.Find(*guid);
    if (!found && !text.empty())
        found = byNamePath(reference, text);
    if (!found)
        throw CommandFailed("the PDM reference \"" + referenceName(reference) + "\" has no object \"" + text + "\"");
    return found;
}

std::vector<PdmObject> PdmChildObjects(Model::Reference& reference, const PdmObject& parent)
{
    return parent ? load(reference, parent) : topObjects(reference);
}

std::size_t CountPdmObjects(Model::Reference& reference)
{
    return load(reference, nullptr).size();
}

std::size_t CountPdmSubtree(Model::Reference& reference, const std::shared_ptr<Model::ReferenceObject>& root)
{
    std::set<int> seen{root->Id()};
    std::vector<std::shared_ptr<Model::ReferenceObject>> open{root};
    while (!open.empty()) {
        const auto object = std::move(open.back());
        open.pop_back();
        for (auto& child : PdmChildObjects(reference, object))
            if (seen.insert(child->Id()).second)
                open.push_back(std::move(child));
    }
    return seen.size();
}

} // namespace Campdm
