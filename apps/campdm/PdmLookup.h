#pragma once
// Finding the PDM reference and object a user names on the command line: a reference by name
// or GUID, an object by id, GUID or a path of names from the top of its reference
// ("Machining projects/Housing 4711").

#include "platform/arbor/ModelFwd.h"

#include <memory>
#include <string>
#include <vector>

namespace Campdm {

// CommandFailed naming the text when the PDM has no such reference.
std::shared_ptr<Vireo::Arbor::Model::Reference> FindPdmReference(Vireo::Arbor::Model::ServerConnection& connection,
                                                                const std::string& text);

// CommandFailed naming the text and the reference when it has no such object, or when a name
// fits several objects.
std::shared_ptr<Vireo::Arbor::Model::ReferenceObject> FindPdmObject(Vireo::Arbor::Model::Reference& reference,
                                                                   const std::string& text);

// The objects directly under `parent` in the reference's hierarchy; with no parent, those at
// its top. An object with several parents is under each of them.
std::vector<std::shared_ptr<Vireo::Arbor::Model::ReferenceObject>>
PdmChildObjects(Vireo::Arbor::Model::Reference& reference,
                const std::shared_ptr<Vireo::Arbor::Model::ReferenceObject>& parent);

// All objects of the reference.
std::size_t CountPdmObjects(Vireo::Arbor::Model::Reference& reference);

// The object and those below it in the reference's hierarchy, each once.
std::size_t CountPdmSubtree(Vireo::Arbor::Model::Reference& reference,
                            const std::shared_ptr<Vireo::Arbor::Model::ReferenceObject>& root);

} // namespace Campdm
