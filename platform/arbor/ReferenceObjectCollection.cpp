#include "platform/arbor/ReferenceObjectCollection.h"

#include "platform/arbor/Database.h"
#include "platform/arbor/FaultPlan.h"
#include "platform/arbor/FilterSql.h"
#include "platform/arbor/ModelException.h"
#include "platform/arbor/Reference.h"
#include "platform/arbor/ReferenceInfo.h"
#include "platform/arbor/ReferenceObject.h"
#include "platform/arbor/Schema.h"
#include "platform/arbor/ServerConnection.h"

#include <unordered_map>

namespace Vireo::Arbor::Model {

ReferenceObjectCollection::ReferenceObjectCollection(std::shared_ptr<Reference> reference,
                                                     std::shared_ptr<Search::Filter> filter,
                                                     std::shared_ptr<ReferenceObject> parent)
    : reference_(std::move(reference)), filter_(std::move(filter)), parent_(std::move(parent))
{
}

void ReferenceObjectCollection::Load()
{
    objects_.clear();
    state_ = LoadState::NotLoaded;
    const auto& connection = reference_->Connection();
    if (auto* plan = connection->Faults(); plan && !plan->Pass(FaultPoint::Search)) {
        state_ = LoadState::Failed;
        return;
    }
    if (filter_ && filter_->ReferenceInfo() && filter_->ReferenceInfo()->Id() != reference_->Id())
        throw ModelException("the search filter is made for another reference");
    if (parent_ && parent_->IsNew()) {
        state_ = LoadState::Loaded; // an unsaved object has no children yet
        return;
    }
    // Children are found from the parent's hierarchy rows (the ordered join keeps SQLite
    // from walking every object of the reference instead).
    auto& database = connection->GetDatabase();
    std::string from = parent_ ? std::string(" FROM hierarchy h ") + database.OrderedJoin() +
                                     " objects o ON o.id = h.child_id WHERE h.parent_id = ? AND o.ref_id = ? AND o.owner_id IS NULL"
                               : " FROM objects o WHERE o.ref_id = ? AND o.owner_id IS NULL";
    SqlCondition condition;
    if (filter_) {
        condition = ToSqlCondition(*filter_);
        from += " AND (" + condition.text + ")";
    }
    auto bind = [&](Query& query) {
        int at = 0;
        if (parent_)
            query.Bind(++at, static_cast<long long>(parent_->Id()));
        query.Bind(++at, static_cast<long long>(reference_->Id()));
        for (const auto& value : condition.values)
            query.Bind(++at, value);
    };
    const auto& schema = *connection->GetSchema();
    std::unordered_map<long long, ReferenceObject*> byId;
    {
        auto query = database.Prepare("SELECT o.id, o.guid, o.class_id, o.ord, o.version" + from +
                                      (parent_ ? " ORDER BY h.position, o.id" : " ORDER BY o.id"));
        bind(query);
        while (query.Step()) {
            const auto stored = ReferenceObject::ReadStored(query);
            auto object = std::make_shared<ReferenceObject>(reference_, schema.Handle(schema.ClassById(query.Int(2))), stored);
            object->stored_.emplace();
            byId[stored.id] = object.get();
            objects_.push_back(std::move(object));
        }
    }
    // The values of all found objects in one pass, rather than one query per object.
    auto values = database.Prepare("SELECT v.object_id, v.param_id, v.value FROM vals v WHERE v.object_id IN "
                                   "(SELECT o.id" + from + ")");
    bind(values);
    while (values.Step()) {
        auto object = byId.find(values.Int(0));
        auto* parameter = schema.ParameterById(values.Int(1));
        if (object != byId.end() && parameter)
            object->second->stored_->emplace(parameter->Id(), values.Value(2, parameter->ValueType()));
    }
    state_ = LoadState::Loaded;
}

} // namespace Vireo::Arbor::Model
