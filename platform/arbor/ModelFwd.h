#pragma once
// Handles of the PDM object model. Every handle is a std::shared_ptr; a null handle is
// the model's "no object".

#include <memory>

namespace Vireo::Arbor::Model {

class ServerConnection;
class ReferenceCatalog;
class ReferenceInfo;
class Reference;
class ReferenceObject;
class ReferenceObjectCollection;
class ComplexHierarchyLink;
class ParameterGroup;
class ParameterInfo;
class ParameterCollection;
class Parameter;
class ObjectValue;
class ClassTree;
class ClassObject;
class Unit;
class FaultPlan;

// An object that is shown in the PDM client; the model makes no difference.
using DesktopObject = ReferenceObject;

namespace Search {
class Filter;
class TermGroup;
class ReferenceObjectTerm;
class MacroContext;
} // namespace Search

} // namespace Vireo::Arbor::Model
