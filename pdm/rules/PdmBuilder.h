#pragma once
// The base of the builders that write into the PDM. It picks the dataset and the PDM class
// for the object to be written, creates the root object (or opens the one to update), walks
// the parameter-group tree of the dataset's parameter rows - following or creating linked
// objects and table rows on the way - hands each object with its rows to FillData, and
// saves what changed: links first, deepest first, the root last.

#include "pdm/links/ObjectLink.h"
#include "pdm/rules/IntegrationBuilder.h"
#include "pdm/rules/ParamNode.h"
#include "platform/arbor/ModelFwd.h"
#include "platform/arbor/SystemGuid.h"

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace Vireo::Cam::Pdm {

using PdmObject = std::shared_ptr<Vireo::Arbor::Model::ReferenceObject>;

namespace internal {
struct ClassAndRule;
}

class PdmBuilder : public IntegrationBuilder {
public:
    // Create mode: the root is made in the reference with this GUID (or id) unless a parent
    // object is set. No connection or an unknown reference leaves the builder without one.
    explicit PdmBuilder(const System::Guid& referenceGuid);
    explicit PdmBuilder(int referenceId);
    // Update mode: the object with this id in the reference with this id is updated. When
    // there is no such object the run fails and creates nothing.
    PdmBuilder(int objectId, int referenceId);
    ~PdmBuilder() override;

    PlmFilter GetPlmFilter() const override;
    bool IsValidType(const AppDataset& dataset, const Types& row) const override;
    bool ProcessRules(const IntegrationRules& rules) override;

    // Writes the values of `params` into `object`; true when at least one was written.
    virtual bool FillData(const PdmObject& object, const AppDataset& dataset, const std::vector<Types>& types,
                          const std::vector<Parameters>& params, const std::wstring& uploadFolder) = 0;

    void SetParentDatasetObject(PdmObject object) { parentDatasetObject = std::move(object); }
    const PdmObject& GetUpdateDatasetObject() const { return updateDatasetObject; }
    // Whether the builder was made to update an object, found or not.
    bool IsUpdate() const { return requestedUpdate.has_value(); }
    // The objects saved so far, in save order.
    std::vector<PdmObject>& GetDatasetObjects() { return datasetObjects; }
    const std::vector<PdmObject>& GetDatasetObjects() const { return datasetObjects; }
    bool GetCreationTry() const { return creationTry; }
    // A dry run ends with true at the first object that receives data and saves nothing.
    void SetCreationTry(bool value) { creationTry = value; }

protected:
    PdmBuilder(const PdmBuilder&) = default;
    PdmBuilder& operator=(const PdmBuilder&) = default;

private:
    struct QueueItem {
        ParamNode node;
        std::optional<ObjectLink> link;
    };
    // What one run of ProcessRules works on and collects.
    struct Run {
        const AppDataset& dataset;
        const std::vector<Types>& types;
        const std::wstring& uploadFolder;
        std::deque<QueueItem> queue;
        std::vector<ObjectLink> links;
        std::vector<PdmObject> objects;
    };
    enum class Step { Continue, Done, Failed };

    bool reportMissingUpdateObject() const;
    PdmObject openRoot(const internal::ClassAndRule& choice);
    Step visit(Run& run, QueueItem item);
    std::optional<bool> fillSameObjectGroups(Run& run, ParamNode& node);
    bool fillGroupsOf(Run& run, const PdmObject& object, ParamNode& node);
    bool queueOtherObjects(Run& run, ParamNode& node);
    bool queueLinked(Run& run, const ParamNode& node, ParamNode child,
                     const std::shared_ptr<Arbor::Model::ParameterGroup>& group);
    bool queueTableRows(Run& run, const ParamNode& node, ParamNode child,
                        const std::shared_ptr<Arbor::Model::ParameterGroup>& group);
    bool queueTableRow(Run& run, const ParamNode& node, ParamNode child,
                       const std::shared_ptr<Arbor::Model::ParameterGroup>& group);
    bool applyChangingLinks(const std::vector<ObjectLink>& links);
    bool applyChangingObjects(const std::vector<PdmObject>& objects);

    PdmObject parentDatasetObject;
    std::vector<PdmObject> datasetObjects;
    PdmObject updateDatasetObject;
    std::optional<std::pair<int, int>> requestedUpdate; // (object id, reference id)
    // Why the object to update could not be looked up, shown when the rules are processed.
    std::optional<std::string> updateLookupError;
    std::shared_ptr<Arbor::Model::ReferenceInfo> referenceInfo;
    bool creationTry = false;
};

} // namespace Vireo::Cam::Pdm
