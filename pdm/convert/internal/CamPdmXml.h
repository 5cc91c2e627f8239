#pragma once
// What the XML description creator's files share: the classes and parameters of the PDM
// that a description names, and the rendering of a described object.

#include "pdm/convert/CamPdmXmlCreator.h"
#include "platform/arbor/ModelFwd.h"

#include <memory>
#include <string>

namespace Vireo::Cam::Pdm::internal {

// The class with this GUID text in the reference, or in its table `listGuid` when that is
// set; null when any of them is missing, without connection, and on any PDM error.
std::shared_ptr<Arbor::Model::ClassObject> getClassObject(const std::wstring& referenceGuid,
                                                          const std::wstring& classGuid, const std::wstring& listGuid);

// The first parameter with this GUID text in the class's groups, links left out.
std::shared_ptr<Arbor::Model::ParameterInfo> getParamInfo(const Arbor::Model::ClassObject& objectClass,
                                                          const std::wstring& parameterGuid);

// Adds a "RootObject" for the CAM object with the described object and its sub-objects,
// making the document and its "Root" and "Objects" when missing.
bool convertToXml(const std::shared_ptr<CamPdmXmlCreator::NodeObject>& object, const CamObject& camObject,
                  std::shared_ptr<zkaux::xml::Document>& document);

} // namespace Vireo::Cam::Pdm::internal
