#include "tests/pdm/testing/PdmFixture.h"

#include "platform/arbor/Database.h"
#include "platform/arbor/Seed.h"
#include "platform/arbor/ServerConnection.h"
#include "platform/arbor/ServerGateway.h"
#include "platform/arbor/SystemGuid.h"
#include "platform/support/Utf8.h"

namespace Vireo::Testing {

namespace Model = Arbor::Model;

PdmFixture::PdmFixture(const std::filesystem::path& dataDirectory, RuleReference ruleReference,
                       const std::string& database)
    : connection_(Model::ServerGateway::Open(database)), faults_(std::make_shared<Model::FaultPlan>())
{
    const std::string server = "test-" + Support::WideToUtf8(System::Guid::NewGuid().ToString());
    SeedText("<Pdm server=\"" + server + "\" address=\"" + server + ":8080\"/>");
    SeedFile(dataDirectory / "units.xml");
    if (ruleReference == RuleReference::Seeded)
        SeedFile(dataDirectory / "integration-rules.xml");
    connection_->SetFaultPlan(faults_);
}

PdmFixture::~PdmFixture()
{
    if (Model::ServerGateway::Connection() == connection_)
        Model::ServerGateway::Close();
}

void PdmFixture::SeedFile(const std::filesystem::path& file)
{
    Model::SeedFromFile(*connection_, file);
}

void PdmFixture::SeedText(std::string_view xml)
{
    Model::SeedFromText(*connection_, xml, "test seed");
}

const std::wstring& PdmFixture::ServerName() const
{
    return connection_->ServerName();
}

long long PdmFixture::Count(const std::string& sql) const
{
    auto query = connection_->GetDatabase().Prepare(sql);
    return query.Step() ? query.Int(0) : -1;
}

long long PdmFixture::ObjectsWithoutValues() const
{
    return Count("SELECT COUNT(*) FROM objects o WHERE NOT EXISTS (SELECT 1 FROM vals v WHERE v.object_id = o.id)");
}

void PdmFixture::Disconnect()
{
    Model::ServerGateway::Close();
}

} // namespace Vireo::Testing
