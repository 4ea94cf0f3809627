// Write side of the relationship table: storing and removing relation rows,
// and the changes a relation collection makes in memory and in the database
// when a member is added or removed.
#include <algorithm>

#include "dictionary/relation_collection.h"
#include "dictionary/write_transaction.h"

namespace {
const wchar_t* idColumn(RelationSide side) {
    return side == RelationSide::Source ? L"source_qrtid" : L"target_qrtid";
}

HQSTRING relationshipTable() {
    return controldb::table(L".RELATIONSHIP");
}

WriteValue relationName(const Relation& relation) {
    return WriteValue::text(wideToMultiByte(relation.name));
}
} // namespace

HQRC insertRelationRow(const Relation& relation, const DIRId& source, const DIRId& target) {
    return controldb::executeWrite(L"INSERT INTO " + relationshipTable() +
                                       L" (relation_name, target_qrtid, source_qrtid) VALUES( ?, "
                                       L"?, ?)",
                                   {relationName(relation), controldb::idValue(target.view()),
                                    controldb::idValue(source.view())});
}

HQRC deleteRelationRow(const Relation& relation, const DIRId& source, const DIRId& target) {
    return controldb::executeWrite(L"DELETE FROM " + relationshipTable() +
                                       L" WHERE relation_name = ? AND source_qrtid = ? AND "
                                       L"target_qrtid = ?",
                                   {relationName(relation), controldb::idValue(source.view()),
                                    controldb::idValue(target.view())});
}

HQRC deleteRelationRows(const Relation& relation, RelationSide side, const DIRId& id) {
    return controldb::executeWrite(L"DELETE FROM " + relationshipTable() +
                                       L" WHERE relation_name = ? AND " + idColumn(side) + L" = ?",
                                   {relationName(relation), controldb::idValue(id.view())});
}

void RelationCollectionBase::addLocal(const DIRId& id, bool only) {
    if (only) {
        index_.clear();
        elements_.clear();
    }
    if (getElement(id) == nullptr)
        appendElement(id);
    if (loadState_ == 1)
        loadState_ = 2;
}

void RelationCollectionBase::removeLocal(const DIRId& id) {
    if (getElement(id) == nullptr)
        return;
    index_.erase(id);
    std::erase_if(elements_, [&](const auto& e) { return e->getId() == id; });
    cursor_ = -1;
    if (loadState_ == 1)
        loadState_ = 2;
}

HQRC RelationCollectionBase::writeRow(const DIRId& other) {
    const DIRId& own = owner_.getId();
    const DIRId& source = side_ == RelationSide::Source ? own : other;
    const DIRId& target = side_ == RelationSide::Source ? other : own;
    HQRC rc;
    // A side whose object has at most one partner keeps only the new one.
    if (relation_.partnersOf(opposite(side_)) == Cardinality::Single)
        rc = deleteRelationRows(relation_, opposite(side_), other);
    if (rc.code == 0 && relation_.partnersOf(side_) == Cardinality::Single)
        rc = deleteRelationRows(relation_, side_, own);
    // The pair is stored once: a row it may still have is replaced.
    if (rc.code == 0)
        rc = deleteRelationRow(relation_, source, target);
    if (rc.code == 0)
        rc = insertRelationRow(relation_, source, target);
    return rc;
}

HQRC RelationCollectionBase::add(DIRBase& other) {
    if (other.getId().isUnset()) {
        HQRC rc = owner_.makeError(kDirInvalidTarget, L"add",
                                   DIRBase::objectTypeToString(other.getObjectType()),
                                   HQSTRING(relation_.name));
        rc.comment = L"Invalid DIRId for Target - XXXXXXXXXX";
        return rc;
    }
    const bool ownerSingle = relation_.partnersOf(side_) == Cardinality::Single;
    RelationCollectionBase* back = other.getCollection(relation_, opposite(side_));
    if (owner_.getState() == 0) {
        // Written by the owner's create.
        addLocal(other.getId(), ownerSingle);
        return HQRC();
    }
    controldb::WriteTransaction transaction;
    HQRC rc = transaction.begun();
    if (rc.code == 0)
        rc = writeRow(other.getId());
    if (rc.code != 0)
        rc.AddComment(L"RelationCollectionBase::add");
    rc = transaction.finish(rc);
    if (rc.code != 0)
        return rc;
    addLocal(other.getId(), ownerSingle);
    if (back != nullptr)
        back->addLocal(owner_.getId(),
                       relation_.partnersOf(opposite(side_)) == Cardinality::Single);
    return rc;
}

HQRC RelationCollectionBase::destroy(DIRBase& other) {
    const DIRId& own = owner_.getId();
    controldb::WriteTransaction transaction;
    HQRC rc = transaction.begun();
    if (rc.code == 0)
        rc = side_ == RelationSide::Source ? deleteRelationRow(relation_, own, other.getId())
                                           : deleteRelationRow(relation_, other.getId(), own);
    if (rc.code != 0)
        rc.AddComment(L"RelationCollectionBase::destroy");
    rc = transaction.finish(rc);
    if (rc.code != 0)
        return rc;
    removeLocal(other.getId());
    if (RelationCollectionBase* back = other.getCollection(relation_, opposite(side_)))
        back->removeLocal(own);
    return rc;
}

HQRC RelationCollectionBase::destroyDBAll(const DIRId& id) {
    controldb::WriteTransaction transaction;
    HQRC rc = transaction.begun();
    if (rc.code == 0)
        rc = deleteRelationRows(relation_, side_, id);
    if (rc.code != 0)
        rc.AddComment(L"RelationCollectionBase::destroyDBAll");
    rc = transaction.finish(rc);
    if (rc.code == 0 && id == owner_.getId()) {
        index_.clear();
        elements_.clear();
        cursor_ = -1;
    }
    return rc;
}

HQRC RelationCollectionBase::storeAll() {
    HQRC rc;
    for (const auto& element : elements_) {
        rc = writeRow(element->getId());
        if (rc.code != 0)
            return rc.AddComment(L"RelationCollectionBase::storeAll");
    }
    return rc;
}
