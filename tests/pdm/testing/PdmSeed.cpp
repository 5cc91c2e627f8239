#include "tests/pdm/testing/PdmSeed.h"

#include "platform/support/Utf8.h"

namespace Vireo::Testing::Seed {
namespace {

std::string text(Guid guid)
{
    return Support::WideToUtf8(guid);
}

std::string attribute(std::string_view name, std::string_view value)
{
    return " " + std::string(name) + "=\"" + std::string(value) + "\"";
}

std::string joined(const Body& body)
{
    std::string all;
    for (const std::string& element : body)
        all += element;
    return all;
}

std::string values(const std::vector<std::pair<Guid, std::string_view>>& entries)
{
    std::string all;
    for (const auto& [parameter, value] : entries)
        all += "<Value" + attribute("param", text(parameter)) + ">" + std::string(value) + "</Value>\n";
    return all;
}

std::string guids(const std::vector<Guid>& entries)
{
    std::string all;
    for (Guid guid : entries)
        all += (all.empty() ? "" : " ") + text(guid);
    return all;
}

std::string order(int position)
{
    return position == 0 ? std::string() : attribute("order", std::to_string(position));
}

std::string parameters(const std::vector<ParameterSeed>& entries)
{
    std::string all;
    for (const ParameterSeed& parameter : entries)
        all += Parameter(parameter);
    return all;
}

} // namespace

std::string Parameter(const ParameterSeed& parameter)
{
    std::string element = "<Parameter" + attribute("guid", text(parameter.guid)) + attribute("name", parameter.name);
    if (!parameter.type.empty())
        element += attribute("type", parameter.type);
    if (parameter.unit)
        element += attribute("unit", text(parameter.unit));
    return element + "/>\n";
}

std::string Group(Guid guid, std::string_view name, const std::vector<ParameterSeed>& entries)
{
    return "<Group" + attribute("guid", text(guid)) + attribute("name", name) + ">\n" + parameters(entries) +
           "</Group>\n";
}

std::string LinkGroup(Guid guid, std::string_view name, Guid toReference, bool many)
{
    return "<Link" + attribute("guid", text(guid)) + attribute("name", name) + attribute("to", text(toReference)) +
           (many ? attribute("many", "true") : "") + "/>\n";
}

std::string Table(Guid guid, std::string_view name, const std::vector<ParameterSeed>& entries, Guid rowClass,
                  std::string_view rowClassName, bool many)
{
    return "<Table" + attribute("guid", text(guid)) + attribute("name", name) +
           (many ? "" : attribute("many", "false")) + ">\n" + parameters(entries) + Class(rowClass, rowClassName) +
           "</Table>\n";
}

std::string Class(Guid guid, std::string_view name, const ClassShape& shape)
{
    std::string element = "<Class" + attribute("guid", text(guid)) + attribute("name", name);
    if (shape.isAbstract)
        element += attribute("abstract", "true");
    if (!shape.groups.empty())
        element += attribute("groups", guids(shape.groups));
    if (!shape.children.empty())
        element += attribute("children", guids(shape.children));
    return element + "/>\n";
}

std::string Object(const ObjectSeed& object)
{
    std::string element = "<Object" + (object.guid ? attribute("guid", text(object.guid)) : "") +
                          attribute("class", text(object.objectClass)) + order(object.order);
    if (!object.parents.empty())
        element += attribute("parents", guids(object.parents));
    return element + ">\n" + values(object.values) + joined(object.body) + "</Object>\n";
}

std::string Link(Guid group, Guid object)
{
    return "<Link" + attribute("group", text(group)) + attribute("object", text(object)) + "/>\n";
}

std::string Row(Guid table, Guid rowClass, const std::vector<std::pair<Guid, std::string_view>>& entries, int position)
{
    return "<Row" + attribute("table", text(table)) + attribute("class", text(rowClass)) + order(position) + ">\n" +
           values(entries) + "</Row>\n";
}

std::string Reference(Guid guid, std::string_view name, const Body& body, std::string_view hierarchy)
{
    std::string element = "<Reference" + attribute("guid", text(guid)) + (name.empty() ? "" : attribute("name", name));
    if (!hierarchy.empty())
        element += attribute("hierarchy", hierarchy);
    return element + ">\n" + joined(body) + "</Reference>\n";
}

std::string Pdm(const Body& references)
{
    return "<Pdm>\n" + joined(references) + "</Pdm>\n";
}

} // namespace Vireo::Testing::Seed
