#include "platform/arbor/ObjectWriter.h"

#include "platform/arbor/ClassTree.h"
#include "platform/arbor/Database.h"
#include "platform/arbor/ParameterGroup.h"
#include "platform/arbor/FaultPlan.h"
#include "platform/arbor/ModelException.h"
#include "platform/arbor/Reference.h"
#include "platform/arbor/ServerConnection.h"
#include "platform/support/Utf8.h"

#include <algorithm>

namespace Vireo::Arbor::Model {
bool ReferenceObject::ApplyChanges()
{
    if (auto* plan = faults(); plan && !plan->Pass(FaultPoint::Save))
        return false;
    if (table_ && ownerId_ == 0) {
        auto owner = owner_.lock();
        if (!owner)
            throw ModelException("the table row's owner object no longer exists");
        if (owner->IsNew()) {
            // The row is written with its owner: only then does it have an owner id.
            auto self = shared_from_this();
            if (std::find(owner->pendingRows_.begin(), owner->pendingRows_.end(), self) == owner->pendingRows_.end())
                owner->pendingRows_.push_back(self);
            return true;
        }
        ownerId_ = owner->id_;
    }
    ObjectWriter(database(), reference_->Connection()->OwnVersions()).Save(*this);
    if (SaveObserver* observer = reference_->Connection()->GetSaveObserver())
        observer->ObjectSaved(*this);
    return true;
}

void ObjectWriter::Save(ReferenceObject& object)
{
    try {
        Database::Transaction transaction(database_);
        write(object);
        transaction.Commit();
    } catch (...) {
        for (const auto& written : written_)
            written->stagedId_ = written->stagedVersion_ = 0;
        throw;
    }
    commitInMemory();
}

void ObjectWriter::write(ReferenceObject& object)
{
    written_.push_back(object.shared_from_this());
    if (object.id_ == 0)
        insert(object);
    else if (!object.changes_.empty() || !object.linkChanges_.empty())
        claimVersion(object);
    writeValues(object);
    writeLinks(object);
    writeChildLinks(object);
    for (const auto& row : object.pendingRows_)
        write(*row);
}

void ObjectWriter::insert(ReferenceObject& object)
{
    auto query = database_.PrepareInsert(
        "INSERT INTO objects(guid, ref_id, class_id, owner_id, table_id, ord) VALUES(?1, ?2, ?3, ?4, ?5, ?6)");
    query.Bind(1, object.guid_).Bind(2, static_cast<long long>(object.reference_->Id()));
    query.Bind(3, static_cast<long long>(object.class_->Id()));
    if (object.table_) {
        const long long owner = object.ownerId_ != 0 ? object.ownerId_ : object.owner_.lock() ? object.owner_.lock()->writeId() : 0;
        if (owner == 0)
            throw ModelException("the table row's owner object is not saved");
        query.Bind(4, owner).Bind(5, static_cast<long long>(object.table_->Id()));
    } else {
        query.BindNull(4).BindNull(5);
    }
    if (object.system_.Order)
        query.Bind(6, static_cast<long long>(*object.system_.Order));
    else
        query.BindNull(6);
    object.stagedId_ = query.RunForId();
    object.stagedVersion_ = 1;
    if (const auto& parent = object.parent_) {
        if (parent->writeId() == 0)
            throw ModelException("the parent object is not saved");
        addToHierarchy(parent->writeId(), object.stagedId_);
    }
}

void ObjectWriter::claimVersion(ReferenceObject& object)
{
    const auto own = ownVersions_.find(object.id_);
    auto query = database_.Prepare(
        "UPDATE objects SET version = version + 1 WHERE id = ?1 AND version IN (?2, ?3) RETURNING version");
    query.Bind(1, object.id_).Bind(2, object.version_).Bind(3, own != ownVersions_.end() ? own->second : object.version_);
    if (!query.Step())
        throw ModelException("another user changed the PDM object " + Support::WideToUtf8(object.guid_.ToString()) +
                             " after it was read; nothing of this change to it was saved");
    object.stagedVersion_ = query.Int(0);
}

void ObjectWriter::writeValues(ReferenceObject& object)
{
    for (const auto& [parameter, value] : object.changes_) {
        if (value.IsNull()) {
            auto query = database_.Prepare("DELETE FROM vals WHERE object_id = ?1 AND param_id = ?2");
            query.Bind(1, object.writeId()).Bind(2, static_cast<long long>(parameter)).Run();
        } else {
            auto query = database_.Prepare("INSERT INTO vals(object_id, param_id, value) VALUES(?1, ?2, ?3) "
                        "ON CONFLICT(object_id, param_id) DO UPDATE SET value = excluded.value");
            query.Bind(1, object.writeId()).Bind(2, static_cast<long long>(parameter)).Bind(3, value).Run();
        }
    }
}

void ObjectWriter::writeLinks(ReferenceObject& object)
{
    for (const auto& change : object.linkChanges_) {
        const long long group = change.group->Id();
        const long long slave = change.linked ? change.linked->writeId() : 0;
        if (change.linked && slave == 0)
            throw ModelException("the linked object is not saved");
        if (change.group->IsLinkToOne()) {
            auto remove = database_.Prepare("DELETE FROM links WHERE master_id = ?1 AND group_id = ?2");
            remove.Bind(1, object.writeId()).Bind(2, group).Run();
        }
        if (!change.linked)
            continue;
        auto add = database_.Prepare(
            "INSERT INTO links(master_id, group_id, slave_id, position) VALUES(?1, ?2, ?3, "
            "(SELECT COALESCE(MAX(position), 0) + 1 FROM links WHERE master_id = ?1 AND group_id = ?2)) ON CONFLICT DO NOTHING");
        add.Bind(1, object.writeId()).Bind(2, group).Bind(3, slave).Run();
    }
}

void ObjectWriter::writeChildLinks(ReferenceObject& object)
{
    for (const auto& child : object.childLinks_)
        addToHierarchy(object.writeId(), child->writeId());
}

void ObjectWriter::addToHierarchy(long long parent, long long child)
{
    auto query = database_.Prepare(
        "INSERT INTO hierarchy(parent_id, child_id, position) VALUES(?1, ?2, "
        "(SELECT COALESCE(MAX(position), 0) + 1 FROM hierarchy WHERE parent_id = ?1)) ON CONFLICT DO NOTHING");
    query.Bind(1, parent).Bind(2, child).Run();
}

void ObjectWriter::commitInMemory()
{
    for (const auto& object : written_) {
        if (object->stagedVersion_ != 0) {
            object->version_ = object->stagedVersion_;
            object->stagedVersion_ = 0;
        }
        if (object->id_ == 0) {
            object->id_ = object->stagedId_;
            object->stagedId_ = 0;
            object->parent_.reset();
        }
        ownVersions_[object->id_] = object->version_;
        if (auto owner = object->owner_.lock(); owner && object->table_ && object->ownerId_ == 0)
            object->ownerId_ = owner->id_;
        if (object->stored_)
            for (const auto& [parameter, value] : object->changes_) {
                if (value.IsNull())
                    object->stored_->erase(parameter);
                else
                    (*object->stored_)[parameter] = value;
            }
        object->changes_.clear();
        object->linkChanges_.clear();
        object->childLinks_.clear();
        object->pendingRows_.clear();
        object->open_ = false;
    }
}

} // namespace Vireo::Arbor::Model
