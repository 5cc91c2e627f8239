#pragma once
// Describes a CAM object, and on request its whole subtree, in the terms of the PDM: the
// reference and class each object would become, the parameters it would fill with their
// values, its linked and table sub-objects, and which CAM objects are its parents. Dragging
// a CAM object out of the tree hands this text to the PDM client; nothing is written.

#include "pdm/cam/CamObject.h"
#include "pdm/rules/DefaultFiltersBuilder.h"
#include "platform/support/Utf16Order.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace zkaux::xml {
class Document;
}

namespace Vireo::Cam::Pdm {

class CamPdmXmlCreator : public DefaultFiltersBuilder {
public:
    using Value = std::variant<std::monostate, std::wstring, double, std::int32_t, bool>;

    // One PDM object to be: a root object, a linked object or a table row.
    struct NodeObject {
        std::wstring referenceGuid;
        std::wstring classGuid;
        std::vector<std::pair<std::wstring, Value>> values; // PDM parameter GUID text -> value
        std::wstring listGuid;                              // set for a table row only
        std::vector<std::pair<std::wstring, std::shared_ptr<NodeObject>>> children; // by group GUID text
    };

    // The tree of parameter rows along their group paths, with the object each node fills.
    struct ParamNode {
        std::shared_ptr<NodeObject> object;
        std::map<std::wstring, ParamNode, Support::Utf16Less> children;
        std::vector<Parameters> params;
    };

    explicit CamPdmXmlCreator(CamObject object);
    ~CamPdmXmlCreator() override;

    // The object's own type and the generic types that cover it.
    AppFilter GetAppFilter() const override;
    // Describes the object once per type row that maps it; true when one was described.
    bool ProcessRules(const IntegrationRules& rules) override;

    void SetRecursive(bool value) noexcept { recursive = value; }
    // The text of the document's root element; empty when nothing was described.
    std::wstring GetXmlValue() const;
    const std::shared_ptr<zkaux::xml::Document>& GetDocument() const noexcept { return document; }

protected:
    // Appends the CAM values of the plain parameter rows to `object`; true when one was.
    bool FillData(const std::shared_ptr<NodeObject>& object, const AppDataset& dataset,
                  const std::vector<Types>& types, const std::vector<Parameters>& params,
                  const std::wstring& uploadFolder);
    // Describes the CAM subtree below the object, each shared object once, with its parents.
    void CreateChildren();

private:
    struct Candidate;
    struct ObjectLink;
    enum class Described { Rendered, Left, Failed };
    static std::vector<Candidate> findClassAndRule(const IntegrationRules& rules);
    Described describe(const Candidate& candidate);

    CamObject camObject;
    std::shared_ptr<zkaux::xml::Document> document;
    bool recursive = false;
};

} // namespace Vireo::Cam::Pdm
