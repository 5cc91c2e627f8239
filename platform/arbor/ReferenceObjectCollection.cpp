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
    // Children are found from the parent's hierarchy rows, never by walking every object of
    // the reference.
    auto& database = connection->GetDatabase();
    std::string from = parent_ ? " FROM hierarchy h" + database.JoinObjectsById("h.child_id") +
                                     " LEFT JOIN vals v ON v.object_id = o.id"
                                     " WHERE h.parent_id = ? AND o.ref_id = ? AND o.owner_id IS NULL"
                               : " FROM objects o LEFT JOIN vals v ON v.object_id = o.id WHERE o.ref_id = ? AND o.owner_id IS NULL";
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
    // Each object's row with its values, one row per value, in one statement: one round trip
    // to a server per load, and one snapshot, so no object is read half before another
    // user's change and half after it. The children come in the order of the hierarchy's
    // position index, which ends in the child's id: ordering by that id, not the object's
    // equal one, spares a sort per load.
    const auto& schema = *connection->GetSchema();
    auto query = database.Prepare("SELECT o.id, o.guid, o.class_id, o.ord, o.version, v.param_id, v.value" + from +
                                  (parent_ ? " ORDER BY h.position, h.child_id" : " ORDER BY o.id"));
    bind(query);
    ReferenceObject* current = nullptr;
    while (query.Step()) {
        if (!current || current->Id() != query.Int(0)) {
            const auto stored = ReferenceObject::ReadStored(query);
            auto object = std::make_shared<ReferenceObject>(reference_, schema.Handle(schema.ClassById(query.Int(2))), stored);
            object->stored_.emplace();
            current = object.get();
            objects_.push_back(std::move(object));
        }
        if (query.IsNull(5))
            continue;
        if (auto* parameter = schema.ParameterById(query.Int(5)))
            current->stored_->emplace(parameter->Id(), query.Value(6, parameter->ValueType()));
    }
    state_ = LoadState::Loaded;
}

} // namespace Vireo::Arbor::Model
