#pragma once
// A connection to a new PDM of each storage seeded with data/pdm/units.xml and example.xml,
// and the GUIDs of that example.

#include "platform/arbor/Model.h"
#include "tests/platform/testing/TestStorage.h"

#include <gtest/gtest.h>

namespace Vireo::Arbor::Model::Testing {

inline System::Guid G(const wchar_t* text) { return System::Guid::Parse(text); }

namespace Example {
inline const auto Holders = G(L"a73e100b-e871-490e-b353-54f66f8a380e");
inline const auto HolderName = G(L"7eedf28f-a766-4477-b248-7d3054de456c");
inline const auto HolderClass = G(L"cd7054ab-8f19-41eb-8eed-af4ba23758c1");
inline const auto Tools = G(L"2bd074b9-7fd9-4d84-a41d-c1334880ceb6");
inline const auto Name = G(L"e5a9d1fb-980e-4457-84a1-993070dd24d6");
inline const auto Diameter = G(L"55341923-35d5-4582-9b6b-d3c21c8ca9ca");
inline const auto Flutes = G(L"465cf48b-4e85-45ac-a58a-b96ac17c9d27");
inline const auto Coolant = G(L"8edd8749-bd0e-4378-81b4-13f5ed7b8a63");
inline const auto Sizes = G(L"e94706c4-3be1-4038-9e4a-1d88ffa29f1b");
inline const auto Length = G(L"13f61a8e-2e5a-4d07-b272-c20397c9f4e6");
inline const auto HolderLink = G(L"b9e61c09-d247-4012-a1d8-3e5f925c4d24");
inline const auto Accessories = G(L"8fdb0308-4b6c-4a2b-a087-e30cf7c3f868");
inline const auto Items = G(L"d1206ccc-53a3-402e-959c-700afd319588");
inline const auto Tag = G(L"79fc84fa-5bc6-476f-9485-a22cf5b8e4bf");
inline const auto Amount = G(L"7737ee05-9f90-4e86-bd55-23bd16bf717d");
inline const auto ItemClass = G(L"95caaa50-efe1-4b65-866d-242df0af793f");
inline const auto Spec = G(L"84f45260-8865-4f04-bbec-8ca726090c8e");
inline const auto SpecRow = G(L"5606cd5b-1bd7-49e9-bc20-33e4dc09858f");
inline const auto ToolClass = G(L"e7dc327f-f4fa-4135-847b-8e34d57fc5c8");
inline const auto Drill = G(L"be8b630a-2900-4146-906c-72dc9146a38d");
inline const auto Mill = G(L"46fd6144-d44f-484e-95ec-db41725b96ac");
inline const auto Assembly = G(L"22b4f486-4375-43ee-b156-1584db15b6d5");
inline const auto HolderHsk = G(L"e2c24922-f9e0-4418-be0b-de3b8e424587");
inline const auto HolderSk = G(L"888ba6e8-4840-43a6-b79e-1637575a1172");
inline const auto SetA = G(L"5227dda6-1f21-4230-a68f-a9fe6b2705a7");
inline const auto SetB = G(L"89d38853-0477-43f7-8441-528db7578dbf");
inline const auto Drill8 = G(L"9864c2e8-d907-40de-b39f-897966733708");
inline const auto Mill10 = G(L"3f344b4a-1e99-49db-ad2f-1c7a139e1b76");
inline const auto Millimetre = G(L"943b0af6-a143-43cd-9141-aba99d861405");
} // namespace Example

inline std::string DataFile(const char* name)
{
    return std::string(VIREO_SOURCE_DIR) + "/data/pdm/" + name;
}

class ModelTest : public ::testing::TestWithParam<Vireo::Testing::Storage> {
protected:
    void SetUp() override
    {
        VIREO_SKIP_WITHOUT_STORAGE(GetParam());
        storage = std::make_unique<Vireo::Testing::TestDatabase>(GetParam());
        connection = ServerConnection::Open(storage->Text());
        SeedFromFile(*connection, DataFile("units.xml"));
        SeedFromFile(*connection, DataFile("example.xml"));
        tools = connection->ReferenceCatalog()->Find(Example::Tools)->CreateReference();
        holders = connection->ReferenceCatalog()->Find(Example::Holders)->CreateReference();
    }

    std::shared_ptr<ParameterGroup> group(const System::Guid& guid) const
    {
        return tools->ParameterGroup()->GetAllGroups().Find(guid);
    }
    std::shared_ptr<ClassObject> toolClass(const System::Guid& guid) const { return tools->Classes()->Find(guid); }
    std::wstring text(const std::shared_ptr<ReferenceObject>& object, const System::Guid& parameter) const
    {
        return object->GetObjectValue(parameter.ToString(), true)->ToString();
    }

    std::unique_ptr<Vireo::Testing::TestDatabase> storage;
    std::shared_ptr<ServerConnection> connection;
    std::shared_ptr<Reference> tools;
    std::shared_ptr<Reference> holders;
};

using Vireo::Testing::StorageTestName;

} // namespace Vireo::Arbor::Model::Testing
