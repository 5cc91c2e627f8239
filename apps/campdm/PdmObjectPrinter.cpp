#include "PdmObjectPrinter.h"

#include "TextOutput.h"

#include "platform/arbor/ClassTree.h"
#include "platform/arbor/ObjectValue.h"
#include "platform/arbor/ParameterGroup.h"
#include "platform/arbor/ParameterInfo.h"
#include "platform/arbor/Reference.h"
#include "platform/arbor/ReferenceObject.h"
#include "platform/arbor/Unit.h"

namespace Campdm {
namespace {

namespace Model = Vireo::Arbor::Model;

std::vector<std::pair<std::string, std::string>> groupValues(const Model::ReferenceObject& object,
                                                             const Model::ParameterGroup& group)
{
    std::vector<std::pair<std::string, std::string>> values;
    for (const auto& parameter : group.Parameters()) {
        const auto value = object.GetObjectValue(parameter->Guid().ToString(), false);
        if (value == Model::ObjectValue::Null || parameter->Name() == L"Name")
            continue;
        std::string text = Utf8(value->ToString());
        if (const auto unit = parameter->Unit())
            text += " " + Utf8(unit->ShortName());
        values.emplace_back(Utf8(parameter->Name()), std::move(text));
    }
    return values;
}

// "name = value unit" for every parameter of the group that has a value.
void printValues(std::ostream& out, const Model::ReferenceObject& object, const Model::ParameterGroup& group,
                 const std::string& indent)
{
    for (const auto& [name, value] : groupValues(object, group))
        out << indent << name << " = " << value << "\n";
}

void printLinked(std::ostream& out, Model::ReferenceObject& object, const std::shared_ptr<Model::ParameterGroup>& group,
                 const std::string& indent)
{
    const auto linked = object.GetObjects(group);
    if (linked.empty())
        return;
    out << indent << Utf8(group->Name()) << " ->";
    for (const auto& target : linked)
        out << " \"" << PdmObjectName(*target) << "\"";
    out << "\n";
}

void printRows(std::ostream& out, Model::ReferenceObject& object, const std::shared_ptr<Model::ParameterGroup>& table,
               const std::string& indent)
{
    for (const auto& row : object.GetObjects(table)) {
        out << indent << Utf8(table->Name()) << " row (" << Utf8(row->Class()->Name()) << ")\n";
        printValues(out, *row, *table, indent + "  ");
    }
}

} // namespace

std::vector<std::pair<std::string, std::string>> PdmObjectValues(const Model::ReferenceObject& object)
{
    std::vector<std::pair<std::string, std::string>> values;
    for (const auto& group : object.Reference()->ParameterGroup()->GetAllGroups())
        if (group->IsReference() || group->Kind() == Model::GroupKind::Plain)
            for (auto& value : groupValues(object, *group))
                values.push_back(std::move(value));
    return values;
}

std::string PdmObjectName(const Model::ReferenceObject& object)
{
    const auto name = object.GetObjectValue(L"Name", false);
    return name == Model::ObjectValue::Null ? "#" + std::to_string(object.Id()) : Utf8(name->ToString());
}

void PrintPdmObject(std::ostream& out, Model::ReferenceObject& object, const std::string& indent)
{
    out << indent << Utf8(object.Class()->Name()) << " \"" << PdmObjectName(object) << "\" (id " << object.Id()
        << ")\n";
    const std::string inner = indent + "    ";
    for (const auto& group : object.Reference()->ParameterGroup()->GetAllGroups()) {
        if (group->IsReference() || group->Kind() == Model::GroupKind::Plain)
            printValues(out, object, *group, inner);
        else if (group->IsLinkGroup())
            printLinked(out, object, group, inner);
        else if (group->IsTable())
            printRows(out, object, group, inner);
    }
    const auto parents = object.GetParents();
    if (!parents.empty()) {
        out << inner << "parents:";
        for (const auto& parent : parents)
            out << " \"" << PdmObjectName(*parent) << "\"";
        out << "\n";
    }
}

} // namespace Campdm
