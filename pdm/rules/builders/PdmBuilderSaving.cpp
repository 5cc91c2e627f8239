#include "pdm/rules/PdmBuilder.h"

#include "pdm/rules/BuilderMessage.h"

#include "platform/arbor/Model.h"

namespace Vireo::Cam::Pdm {

// Links were discovered master before slave, so walking them backwards saves every linked
// object before the object that links to it.
bool PdmBuilder::applyChangingLinks(const std::vector<ObjectLink>& links)
{
    for (auto link = links.rbegin(); link != links.rend(); ++link) {
        const auto& master = link->masterObject;
        const auto& slave = link->slaveObject;
        try {
            if ((master->IsNew() && !master->IsModified()) || !slave->IsModified())
                continue;
            if (!slave->ApplyChanges()) {
                ShowBuilderMessage(BuilderMessageKey::CreatingReferenceLinkObject);
                return false;
            }
            if (link->linkGroup->IsLinkToMany()) {
                auto added = master->AddLinkedObject(link->linkGroup, slave);
                if (!added) {
                    ShowBuilderMessage(BuilderMessageKey::CreatingReferenceLinkObject);
                    return false;
                }
                datasetObjects.push_back(std::move(added));
            } else {
                master->SetLinkedObject(link->linkGroup, slave);
                datasetObjects.push_back(slave);
            }
        } catch (const std::exception& error) {
            ShowBuilderMessage(BuilderMessageKey::CreatingReferenceLinkObject, error);
            return false;
        }
    }
    return true;
}

bool PdmBuilder::applyChangingObjects(const std::vector<PdmObject>& objects)
{
    for (auto object = objects.rbegin(); object != objects.rend(); ++object) {
        try {
            if (!(*object)->IsModified())
                continue;
            if (!(*object)->ApplyChanges()) {
                ShowBuilderMessage(BuilderMessageKey::CreatingReferenceListObject);
                return false;
            }
            datasetObjects.push_back(*object);
        } catch (const std::exception& error) {
            ShowBuilderMessage(BuilderMessageKey::CreatingReferenceLinkObject, error);
            return false;
        }
    }
    return true;
}

} // namespace Vireo::Cam::Pdm
