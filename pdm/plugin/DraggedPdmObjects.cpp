#include "pdm/plugin/DraggedPdmObjects.h"

#include "pdm/links/Guid.h"
#include "platform/support/Utf8.h"
#include "platform/xml/Document.h"

#include <optional>
#include <stdexcept>
#include <string>

namespace Vireo::Cam::Pdm {
namespace {

// The client writes the 36-character hyphenated form; anything else names no object.
std::optional<GUID> guidAttribute(const zkaux::xml::Node& element, const char* name)
{
    constexpr std::size_t guidLength = 36;
    const auto* attribute = element.GetXmlNode()->first_attribute(name);
    if (!attribute || attribute->value_size() != guidLength)
        return std::nullopt;
    const std::string_view value(attribute->value(), attribute->value_size());
    for (std::size_t at : {8u, 13u, 18u, 23u})
        if (value[at] != '-')
            return std::nullopt;
    try {
        return ToGuid(Support::Utf8ToWide(value));
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

// A text with a lone surrogate is no XML the client could have written.
std::optional<std::string> utf8Text(std::wstring_view text)
{
    try {
        return Support::WideToUtf8(text);
    } catch (const std::range_error&) {
        return std::nullopt;
    }
}

} // namespace

DraggedPdmObjects GetObjectUuid(std::wstring_view text)
{
    DraggedPdmObjects dragged;
    zkaux::xml::Document document;
    const auto xml = utf8Text(text);
    if (!xml || !document.LoadXml(*xml))
        return dragged;
    const auto objects = document.GetRoot().GetSubNode("Objects");
    if (!objects)
        return dragged;
    for (const auto& element : objects.GetChildren()) {
        if (!element.GetSubNode("ParentHierarchyLink"))
            continue;
        const auto object = guidAttribute(element, "Object");
        const auto reference = object ? guidAttribute(element, "Reference") : std::nullopt;
        if (reference)
            dragged.emplace_back(*reference, *object);
    }
    return dragged;
}

} // namespace Vireo::Cam::Pdm
