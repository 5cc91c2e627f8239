#include "pdm/plugin/AddToPdmCommand.h"

#include "pdm/plugin/PdmConnection.h"
#include "pdm/plugin/PdmPluginSettings.h"

#include "pdm/convert/CamPdmCreator.h"
#include "pdm/convert/LinkExportedObjects.h"
#include "pdm/rules/ConnectedCatalog.h"
#include "pdm/rules/IntegrationManager.h"

#include "platform/arbor/Reference.h"
#include "platform/arbor/ReferenceCatalog.h"
#include "platform/arbor/ReferenceInfo.h"

namespace Vireo::Cam::Pdm {
namespace {

// The chosen parent object, found in the PDM model; null when the model has no such
// reference or object.
PdmObject findParent(const ChosenPdmObject& chosen)
{
    const auto catalog = ConnectedCatalog();
    const auto info = catalog ? catalog->Find(chosen.reference) : nullptr;
    if (!info)
        return nullptr;
    const auto reference = info->CreateReference();
    if (!reference)
        return nullptr;
    return reference->Find(chosen.object);
}

void exportUnder(CZKObject* object, const ChosenPdmObject& chosen)
{
    const PdmObject parent = findParent(chosen);
    if (!parent)
        return;
    CamPdmCreator creator(CamObject(object), chosen.reference);
    creator.SetParentDatasetObject(parent);
    creator.SetRecursive(true);
    // The creator reports its own failures; whatever it made is linked when so configured.
    IntegrationManager().MakeData(creator);
    if (ReadPdmPluginSettings().linkExportedObjects)
        LinkExportedObjects(creator);
}

} // namespace

void AddToPdmCommand::Handler(CZkw32Doc* doc, int /*id*/)
{
    if (!EnsurePdmConnection(doc))
        return;
    const auto chosen = ChoosePdmObject(doc);
    if (!chosen)
        return;
    try {
        exportUnder(_object, *chosen);
    } catch (...) {
        // An export that breaks off has said what it could; the command ends quietly.
    }
}

} // namespace Vireo::Cam::Pdm
