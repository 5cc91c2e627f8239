#include "platform/cam/CamDocument.h"

#include "platform/cam/Model.h"

namespace Vireo::Cam {
namespace {

template <class T>
std::unique_ptr<CZKObject> make(CZkw32Doc& doc)
{
    return std::make_unique<T>(&doc);
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
    return CZkw32Doc::LoadFromText(text, MakeDocumentObject);
}

std::unique_ptr<CZkw32Doc> OpenCamDocument(const std::filesystem::path& path)
{
    return CZkw32Doc::LoadFromFile(path, MakeDocumentObject);
}

} // namespace Vireo::Cam
