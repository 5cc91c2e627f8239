#pragma once
// Every access of the plug-in to CAM objects: which catalogue type an object is, its
// identity and link, its values by parameter name, and its children.

#include "pdm/cam/CamObject.h"
#include "pdm/cam/CamTables.h"
#include "pdm/cam/CamValue.h"

#include "platform/host/ZKObjectID.h"
#include "platform/ui/Images.h"

#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

class CZkw32Doc;

namespace Vireo::Cam::Pdm {

class CamObjectManager {
public:
    // Which part of a tool an identifier denotes.
    enum class SubTool : std::uint8_t { None = 0, Shank = 1, Holder = 2, Extension = 3 };

    // (object id, sub-tool, 1-based item index): document objects are (id, None, 0), tool
    // parts carry the id of the owning tool. Compares lexicographically.
    using ObjectId = std::tuple<ZKObjectID, SubTool, std::int32_t>;

    explicit CamObjectManager(CamObject object);

    const CamObject& GetObject() const noexcept { return object; }
    // The catalogue type that accepted the object when the manager was made; empty for none.
    std::wstring_view GetAppType() const noexcept { return appType; }

    // ---- types -------------------------------------------------------------------------
    static std::vector<std::wstring_view> GetCamTypeNames();
    // The host parameter of a name for this object's type; empty when the type or the name is
    // unknown, and for names the adapter computes itself.
    UniqueIdentifier GetParameterId(std::wstring_view name) const;
    // With an empty type: is the object of any catalogue type; otherwise of that type or, for a
    // generic type, of one of its members.
    static bool IsCamObject(const CamObject& object, std::wstring_view type);
    static bool IsNull(const CamObject& object) noexcept;
    // A new object of a (specific) type under the parent, or the null handle.
    static CamObject MakeCamObject(CZkw32Doc* doc, std::wstring_view type, const CamObject& parent);
    // The parameter naming the member type of a generic type, for the generic type and its
    // members alike; empty for other types.
    static std::wstring_view GetAppTypeParam(std::wstring_view type);
    static bool IsGenericAppType(std::wstring_view type);
    static const GenericCamTypeMap& GetGenericCamTypes() noexcept;
    // The type followed by every generic type whose family holds it: the types under which
    // rules for an object of the type are filed. Empty for the empty type.
    static std::vector<std::wstring_view> GetTypeAndFamilies(std::wstring_view type);

    // ---- identity and links (handles must not be null) ----------------------------------
    static ObjectId GetId(const CamObject& object);
    static std::wstring idToString(const ObjectId& id);
    // Throws the standard conversion exceptions on a sub-tool or index that is no number.
    static ObjectId idFromString(std::wstring_view text);
    static std::wstring GetUri(const CamObject& object);
    static bool SetUri(const CamObject& object, std::wstring_view link);
    static void RemoveUri(const CamObject& object);
    static CZkw32Doc* GetDocument(const CamObject& object);
    // The object's icon at the given sizes: a document object's own icon, a tool part's
    // image file; empty for anything else.
    static zkpf::Image GetIcon(const CamObject& object, const std::vector<int>& sizes);

    // ---- values ------------------------------------------------------------------------
    CamValuePtr GetValue(std::wstring_view name) const;
    bool SetValue(std::wstring_view name, const Cam::BaseValue& value);

    // ---- children ----------------------------------------------------------------------
    static std::set<std::wstring_view> GetChildAppTypes(std::wstring_view type);
    std::set<std::wstring_view> GetChildAppTypes() const;
    std::vector<CamObject> GetChildCamObjects(bool visibleOnly) const;
    // Attaches a created object to a parent; on success `child` becomes the attached object.
    static bool AddChild(const CamObject& parent, CamObject& child);

private:
    CamObject object;
    std::wstring_view appType; // a key of the catalogue, which lives as long as the program
    // The catalogue entry of `appType`; null when no type accepted the object.
    const PdmCamType* typeEntry = nullptr;
};

using CamObjectId = CamObjectManager::ObjectId;

struct CamObjectIdHash {
    std::size_t operator()(const CamObjectId& id) const noexcept;
};

} // namespace Vireo::Cam::Pdm

template <>
struct std::hash<Vireo::Cam::Pdm::CamObjectId> : Vireo::Cam::Pdm::CamObjectIdHash {};
