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
    std::string sql = "SELECT o.id, o.guid, o.class_id, o.ord FROM objects o";
    if (parent_)
        sql += " JOIN hierarchy h ON h.child_id = o.id AND h.parent_id = ?";
    sql += " WHERE o.ref_id = ? AND o.owner_id IS NULL";
    SqlCondition condition;
    if (filter_) {
        condition = ToSqlCondition(*filter_);
        sql += " AND (" + condition.text + ")";
    }
    sql += parent_ ? " ORDER BY h.position, o.id" : " ORDER BY o.id";

    auto query = connection->GetDatabase().Prepare(sql);
    int at = 0;
    if (parent_)
        query.Bind(++at, static_cast<long long>(parent_->Id()));
    query.Bind(++at, static_cast<long long>(reference_->Id()));
    for (const auto& value : condition.values)
        query.Bind(++at, value);
    const auto& schema = *connection->GetSchema();
    while (query.Step()) {
        ReferenceObject::Stored stored{query.Int(0), query.Guid(1), std::nullopt};
        if (!query.IsNull(3))
            stored.order = static_cast<int>(query.Int(3));
        objects_.push_back(
            std::make_shared<ReferenceObject>(reference_, schema.Handle(schema.ClassById(query.Int(2))), stored));
    }
    state_ = LoadState::Loaded;
}

} // namespace Vireo::Arbor::Model
