#include "platform/arbor/Reference.h"

#include "platform/arbor/Database.h"
#include "platform/arbor/FaultPlan.h"
#include "platform/arbor/ReferenceInfo.h"
#include "platform/arbor/ReferenceObject.h"
#include "platform/arbor/ReferenceObjectCollection.h"
#include "platform/arbor/Schema.h"
#include "platform/arbor/ServerConnection.h"

namespace Vireo::Arbor::Model {

Reference::Reference(std::shared_ptr<Model::ReferenceInfo> info, std::shared_ptr<ServerConnection> connection)
    : info_(std::move(info)), connection_(std::move(connection))
{
}

int Reference::Id() const { return info_->Id(); }
std::shared_ptr<ParameterGroup> Reference::ParameterGroup() const { return info_->Description(); }
std::shared_ptr<ClassTree> Reference::Classes() const { return info_->Classes(); }

std::shared_ptr<ReferenceObject> Reference::findWhere(const char* sql, long long key, const System::Guid* guid)
{
    if (auto* faults = connection_->Faults(); faults && !faults->Pass(FaultPoint::ObjectRead))
        return nullptr;
    auto query = connection_->GetDatabase().Prepare(sql);
    query.Bind(1, static_cast<long long>(Id()));
    if (guid)
        query.Bind(2, *guid);
    else
        query.Bind(2, key);
    if (!query.Step())
        return nullptr;
    auto objectClass = connection_->GetSchema()->Handle(connection_->GetSchema()->ClassById(query.Int(2)));
    return std::make_shared<ReferenceObject>(shared_from_this(), std::move(objectClass), ReferenceObject::ReadStored(query));
}

std::shared_ptr<ReferenceObject> Reference::Find(const System::Guid& guid)
{
    return findWhere("SELECT id, guid, class_id, ord, version FROM objects WHERE ref_id = ?1 AND guid = ?2 AND owner_id IS NULL",
                     0, &guid);
}

std::shared_ptr<ReferenceObject> Reference::Find(int id)
{
    return findWhere("SELECT id, guid, class_id, ord, version FROM objects WHERE ref_id = ?1 AND id = ?2 AND owner_id IS NULL",
                     id, nullptr);
}

std::shared_ptr<ReferenceObjectCollection> Reference::CreateLoader(const std::shared_ptr<Search::Filter>& filter,
                                                                   const std::shared_ptr<ReferenceObject>& parent,
                                                                   const std::shared_ptr<Search::MacroContext>&)
{
    return std::make_shared<ReferenceObjectCollection>(shared_from_this(), filter, parent);
}

std::shared_ptr<ReferenceObject> Reference::CreateReferenceObject(const std::shared_ptr<ClassObject>& objectClass)
{
    return CreateReferenceObject(nullptr, objectClass);
}

std::shared_ptr<ReferenceObject> Reference::CreateReferenceObject(const std::shared_ptr<ReferenceObject>& parent,
                                                                  const std::shared_ptr<ClassObject>& objectClass)
{
    if (!objectClass || objectClass->IsAbstract() || objectClass->OwnerGroup() != ParameterGroup())
        return nullptr;
    if (parent && (!info_->HasHierarchy() || !parent->Reference() || parent->Reference()->Id() != Id()))
        return nullptr;
    return ReferenceObject::CreateNew(shared_from_this(), objectClass, parent);
}

} // namespace Vireo::Arbor::Model
