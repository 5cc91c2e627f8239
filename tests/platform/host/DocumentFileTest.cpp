// The document file with the host's own objects: materials, bodies, workplanes.

#include "platform/host/DocumentText.h"
#include "platform/host/HostObjects.h"
#include "platform/host/Zkw32Doc.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

using Vireo::Host::DocumentFormatError;

TEST(DocumentFile, SavesAndLoadsMaterialsAndAttributes)
{
    CZkw32Doc doc;
    auto material = std::make_unique<DocumentMaterial>(&doc, *GetMaterialLibraryManager().GetMaterialAsName(L"Steel C45"));
    material->SetID(ZKObjectID(40));
    DocumentMaterial* added = doc.Cont3DData().GetMaterials().Add(std::move(material));
    EXPECT_EQ(added->GetID(), ZKObjectID(40));
    EXPECT_EQ(doc.Container3D().FindMaterial(L"Steel C45"), added);
    EXPECT_EQ(doc.Container3D().FindMaterial(L"Brass"), nullptr);
    EXPECT_EQ(added->GetObjType(), 54);
    auto* solid = doc.CreateObject<CZKSolid>();
    EXPECT_EQ(solid->GetID(), ZKObjectID(41));
    solid->SetName(L"Housing \"A\"");
    solid->SetTextAttrib(L"uri", L"arbor://srv/OpenReferenceWindow/?refId=1&objId=2", true);

    const std::string text = doc.SaveToText();
    const auto path = std::filesystem::temp_directory_path() / "vireo-host-document.txt";
    doc.SaveToFile(path);
    const auto loaded = CZkw32Doc::LoadFromFile(path, MakeHostObject);
    std::filesystem::remove(path);
    EXPECT_EQ(loaded->SaveToText(), text);
    auto* reloaded = loaded->FindObjectAs<DocumentMaterial>(ZKObjectID(40));
    ASSERT_NE(reloaded, nullptr);
    EXPECT_DOUBLE_EQ(reloaded->GetDensity(), 7.85);
    EXPECT_EQ(loaded->NewObjectID(), ZKObjectID(42));
}

TEST(DocumentFile, MalformedFilesAreRejectedWithTheirFault)
{
    struct Case {
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"", "does not start with \"vireo-document\""},
        {"vireo-document 2\nnext-id 1\n", "unknown document version 2"},
        {"vireo-document 1\n", "no \"next-id\" line"},
        {"vireo-document 1\nnext-id 5\nobject 2 Gadget\n", "line 3: unknown object class \"Gadget\""},
        {"vireo-document 1\nnext-id 5\nobject 2 Solid\nobject 2 Solid\n", "line 4: a second object with id 2"},
        {"vireo-document 1\nnext-id 5\nobject x Solid\n", "line 3: \"x\" is not a whole number"},
        {"vireo-document 1\nnext-id 2\nobject 2 Solid\n", "\"next-id\" 2 is not above every object id"},
        {"vireo-document 1\nnext-id 5\nobject 2 Material {\n  name Steel\n}\n", "line 3: missing line \"density\""},
        {"vireo-document 1\nnext-id 5\nobject 2 Solid {\n  colour red\n}\n", "line 4: unknown line \"colour\""},
        {"vireo-document 1\nnext-id 5\nobject 2 Solid {\n  attr uri\n}\n", "line 4: \"attr\" needs 2 value(s)"},
        {"vireo-document 1\nnext-id 5\nthing\n", "line 3: unknown line \"thing\""},
    };
    for (const Case& c : cases) {
        try {
            CZkw32Doc::LoadFromText(c.text, MakeHostObject);
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const DocumentFormatError& error) {
            EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << error.what();
        }
    }
    EXPECT_THROW(CZkw32Doc::LoadFromFile("/nonexistent/vireo.txt", MakeHostObject), DocumentFormatError);
}

} // namespace
