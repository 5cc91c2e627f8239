#include "PdmDragText.h"

#include "TextOutput.h"

#include "platform/arbor/Reference.h"
#include "platform/arbor/ReferenceInfo.h"
#include "platform/arbor/ReferenceObject.h"
#include "platform/xml/Document.h"

namespace Campdm {

std::string PdmDragText(const Vireo::Arbor::Model::Reference& reference,
                        const std::vector<std::shared_ptr<Vireo::Arbor::Model::ReferenceObject>>& objects)
{
    zkaux::xml::Document document;
    auto list = document.SetRoot("Drag").AddChild("Objects");
    const std::string referenceGuid = Utf8(reference.ReferenceInfo()->Guid().ToString());
    for (const auto& object : objects) {
        auto element = list.AddChild("Object");
        element.SetAttribute("Object", Utf8(object->Guid().ToString()));
        element.SetAttribute("Reference", referenceGuid);
        element.AddChild("ParentHierarchyLink");
    }
    return document.ToString();
}

} // namespace Campdm
