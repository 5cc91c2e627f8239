#include "platform/cam/CamDocument.h"

#include "platform/cam/GroupNesting.h"
#include "platform/cam/Model.h"
#include "platform/host/DocumentText.h"
#include "platform/support/Utf8.h"

#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

namespace Vireo::Cam {
namespace {

template <class T>
std::unique_ptr<CZKObject> make(CZkw32Doc& doc)
{
    return std::make_unique<T>(&doc);
}

// The line on which the object with this id starts. Objects stand at the top level, one
// "object ID CLASS {" line each, so the first word and the id find it.
std::size_t lineOfObject(std::string_view text, ZKObjectID id)
{
    const std::string start = "object " + std::to_string(id.Value()) + " ";
    std::size_t line = 1;
    for (std::size_t at = 0; at < text.size(); ++line) {
        std::size_t end = text.find('\n', at);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view current = text.substr(at, end - at);
        while (!current.empty() && (current.front() == ' ' || current.front() == '\t'))
            current.remove_prefix(1);
        if (current.substr(0, start.size()) == start)
            return line;
        at = end + 1;
    }
    return 0;
}

// Lines that hold the document's tree by id, with the class each id must name. An id that
// names nothing, or an object of another class, would be dropped silently on the next save.
struct IdLine {
    std::wstring_view objectClass;
    std::wstring_view key;
    std::wstring_view targetClass;
};
constexpr IdLine idLines[] = {
    {L"MachiningProject", L"machinings", L"Machining"},
    {L"MachiningProject", L"groups", L"MachiningGroup"},
    {L"MachiningGroup", L"machinings", L"Machining"},
    {L"MachiningGroup", L"child-groups", L"MachiningGroup"},
};

void refuseWrongReferences(const CZkw32Doc& doc, std::string_view text)
{
    const Host::TextNode root = Host::ParseText(text);
    for (const Host::TextNode& object : root.children) {
        if (object.key != L"object" || object.args.size() != 2)
            continue;
        for (const IdLine& rule : idLines) {
            if (object.args[1] != rule.objectClass)
                continue;
            const Host::TextNode* line = object.Find(rule.key);
            for (std::size_t i = 0; line && i < line->args.size(); ++i) {
                const CZKObject* target = doc.FindObject(ZKObjectID::fromString(line->args[i].c_str()));
                if (!target || target->GetClassTag() != rule.targetClass)
                    line->Fail("\"" + Support::WideToUtf8(line->args[i]) + "\" names no " +
                               Support::WideToUtf8(rule.targetClass) + " of the document");
            }
        }
    }
}

void refuseGroupsInsideThemselves(CZkw32Doc& doc, std::string_view text)
{
    const MachiningGroup* looped = FindGroupInsideItself(doc);
    if (!looped)
        return;
    throw Host::DocumentFormatError("line " + std::to_string(lineOfObject(text, looped->GetID())) +
                                    ": the machining group " + std::to_string(looped->GetID().Value()) +
                                    " is among its own child groups, directly or further down");
}

} // namespace

std::unique_ptr<CZKObject> MakeDocumentObject(std::wstring_view classTag, CZkw32Doc& doc)
{
    if (classTag == L"Tool") return make<Tool>(doc);
    if (classTag == L"Machining") return make<Machining>(doc);
    if (classTag == L"MachiningGroup") return make<MachiningGroup>(doc);
    if (classTag == L"MachiningProject") return make<MachiningProject>(doc);
    if (classTag == L"Stock") return make<Stock>(doc);
    if (classTag == L"Part") return make<Part>(doc);
    if (classTag == L"Fixture") return make<Fixture>(doc);
    if (classTag == L"SharedGeometrySet") return make<SharedGeometrySet>(doc);
    if (classTag == L"MachineSetup") return make<MachineSetup>(doc);
    return MakeHostObject(classTag, doc);
}

std::unique_ptr<CZkw32Doc> ReadCamDocument(std::string_view text)
{
    auto doc = CZkw32Doc::LoadFromText(text, MakeDocumentObject);
    refuseWrongReferences(*doc, text);
    refuseGroupsInsideThemselves(*doc, text);
    return doc;
}

std::unique_ptr<CZkw32Doc> OpenCamDocument(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw Host::DocumentFormatError(path.string() + ": cannot be read: " + std::strerror(errno));
    std::ostringstream text;
    text << file.rdbuf();
    try {
        return ReadCamDocument(text.str());
    } catch (const Host::DocumentFormatError& error) {
        throw Host::DocumentFormatError(path.string() + ": " + error.what());
    }
}

} // namespace Vireo::Cam
