#include "ObjectPath.h"

#include "CamTreeWalk.h"
#include "CommandErrors.h"
#include "TextOutput.h"

#include "pdm/cam/CamObjectManager.h"

#include "platform/host/Zkw32Doc.h"

#include <optional>
#include <set>

namespace Campdm {
namespace {

using namespace Vireo::Cam::Pdm;

std::vector<std::string> splitPath(const std::string& text)
{
    std::vector<std::string> names;
    std::size_t start = 0;
    for (std::size_t slash; (slash = text.find('/', start)) != std::string::npos; start = slash + 1)
        names.push_back(text.substr(start, slash - start));
    names.push_back(text.substr(start));
    return names;
}

// The objects among `candidates` called `name`, each once.
std::vector<CamObject> named(const std::vector<CamObject>& candidates, const std::string& name)
{
    std::vector<CamObject> found;
    std::set<CamObjectId> seen;
    for (const CamObject& candidate : candidates)
        if (CamObjectName(candidate) == name && seen.insert(CamObjectManager::GetId(candidate)).second)
            found.push_back(candidate);
    return found;
}

std::string listed(const std::vector<CamObject>& objects)
{
    std::string text;
    for (const CamObject& object : objects)
        text += (text.empty() ? "" : ", ") + CamObjectLabel(object) + " (" + CamObjectIdentity(object) + ")";
    return text;
}

// Follows the names down from the top; nullopt when a name is missing on the way.
std::optional<CamObject> followPath(const CZkw32Doc& document, const std::string& text)
{
    std::vector<CamObject> level = TopCamObjects(document);
    std::string walked;
    std::optional<CamObject> current;
    for (const std::string& name : splitPath(text)) {
        const std::vector<CamObject> found = named(level, name);
        if (found.empty())
            return std::nullopt;
        walked += (walked.empty() ? "" : "/") + name;
        if (found.size() > 1)
            throw CommandFailed("\"" + walked + "\" names " + std::to_string(found.size()) +
                                " objects: " + listed(found) + "; give the identity of one instead");
        current = found.front();
        level = CamObjectManager(*current).GetChildCamObjects(true);
    }
    return current;
}

std::optional<CamObject> findByIdentity(const CZkw32Doc& document, const std::string& text)
{
    for (const CamObject& top : TopCamObjects(document))
        for (const CamObject& object : CollectCamTree(top))
            if (CamObjectIdentity(object) == text)
                return object;
    return std::nullopt;
}

} // namespace

std::vector<CamObject> TopCamObjects(const CZkw32Doc& document)
{
    std::vector<CamObject> all;
    std::set<CamObjectId> held;
    for (CZKObject* object : document.GetObjects()) {
        const CamObject handle(object);
        if (!CamObjectManager::IsCamObject(handle, L""))
            continue;
        all.push_back(handle);
        for (const CamObject& child : CamObjectManager(handle).GetChildCamObjects(true))
            held.insert(CamObjectManager::GetId(child));
    }
    std::vector<CamObject> top;
    for (const CamObject& object : all)
        if (!held.contains(CamObjectManager::GetId(object)))
            top.push_back(object);
    return top;
}

CamObject FindCamObject(const CZkw32Doc& document, const std::string& text)
{
    if (text.empty())
        throw UsageError("the object is empty: give a path of names or an identity");
    if (const auto byPath = followPath(document, text))
        return *byPath;
    if (const auto byIdentity = findByIdentity(document, text))
        return *byIdentity;
    throw CommandFailed("no CAM object \"" + text + "\" in the document (campdm tree lists the objects)");
}

} // namespace Campdm
