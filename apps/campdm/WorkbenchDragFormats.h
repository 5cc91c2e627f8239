#pragma once
// What the workbench's drags carry, by MIME format: the PDM client's drag text naming PDM
// objects, and the XML description of a CAM object dragged out of the CAM tree.

#include <QString>

namespace Campdm {

inline const QString PdmObjectsFormat = QStringLiteral("application/x-vireo-pdm-objects");
inline const QString CamDescriptionFormat = QStringLiteral("application/x-vireo-cam-description");

} // namespace Campdm
