// The write side of the object model, once for every class: field checks,
// insert with a new identifier, optimistic update, copy, delete with its
// in-use refusal and dependent objects, long texts, binary data and relation
// rows. What a class adds is data (its column table, the collections that
// keep it in use and those whose members belong to it) and, where its kind
// of object asks for more, the hooks updateParticular / destroyParticular.
#include "dictionary/dir_base.h"

#include <cstring>

#include "dictionary/hq_user.h"
#include "dictionary/relation_collection.h"
#include "dictionary/write_transaction.h"
#include "runtime/odbc.h"

namespace {
constexpr size_t kMaxNameBytes = 80;
constexpr size_t kMaxShortDescriptionChars = 254;
// Draws of a new identifier before an insert gives up on a taken one.
constexpr int kIdentifierDraws = 20;
constexpr const wchar_t* kNewIdSavepoint = L"qrt_new_id";

SQL_TIMESTAMP_STRUCT odbcStamp(const TimeStamp& stamp) {
    SQL_TIMESTAMP_STRUCT record{};
    stamp.toOdbc(record);
    return record;
}

// True when a row of the table has the identifier.
bool identifierTaken(const HQSTRING& table, const DIRId& id, HQRC& rc) {
    const controldb::PooledCursor pooled(L"SELECT 0 FROM " + table + L" WHERE qrtid = ?");
    HQOdbcCursor& cursor = *pooled;
    WriteValues kept;
    const DIRParmBinding b = kept.bind(controldb::idValue(id.view()));
    char zero[16] = {};
    SQLLEN zeroLength = 0;
    rc = cursor.prepare(pooled.text());
    if (rc.code == 0)
        rc = cursor.bindParameter(1, b.kind, b.bufferType, b.sqlType, b.columnSize, b.decimalDigits,
                                  b.value, b.bufferLength, b.lengthWord);
    if (rc.code == 0)
        rc = cursor.bindCol(1, SQL_C_CHAR, zero, sizeof zero, &zeroLength);
    return rc.code == 0 && cursor.fetch(rc) != 0;
}

// The elements of an insert or update, in order.
void appendElements(const DIRInsert& insert, std::vector<DIRParmBinding>& bindings) {
    for (const DIRInsertElem& e : insert.elements())
        bindings.push_back(e);
}
} // namespace

DIRString* DIRBase::getString(std::string_view key) const {
    for (DIRString* text : strings_)
        if (text->getKeyName() == key)
            return text;
    return nullptr;
}

DIRBinary* DIRBase::getBinary(std::string_view name) const {
    for (DIRBinary* data : binaries_)
        if (data->getName() == name)
            return data;
    return nullptr;
}

HQRC DIRBase::verifyAttributes() const {
    if (name_.toMultiByte().size() > kMaxNameBytes)
        return makeError(kDirTooLong, L"verifyAttributes", L"name",
                         HQSTRING(std::to_wstring(kMaxNameBytes)));
    if (shortDescription_.size() > kMaxShortDescriptionChars)
        return makeError(kDirTooLong, L"verifyAttributes", L"short_description",
                         HQSTRING(std::to_wstring(kMaxShortDescriptionChars)));
    if (const std::optional<ColumnMisfit> misfit = verifyFields())
        return makeError(kDirTooLong, L"verifyAttributes", misfit->column,
                         HQSTRING(std::to_wstring(misfit->room)));
    return HQRC();
}

HQRC DIRBase::SQLInsert(int newId, DIRInsert& insert, HQOdbcCursor& cursor) {
    if (newId != 2) {
        updatedBy_ = HQUser::loggedOnUserId();
        updateTs_ = TimeStamp();
        updateTsNull_ = false;
    }
    if (newId == 1)
        id_.setRandom();
    WriteValues common;
    std::vector<DIRParmBinding> bindings;
    bindings.push_back(common.bind(controldb::idValue(id_.view())));
    char* const idBytes = static_cast<char*>(bindings.back().value);
    bindings.push_back(common.bind(WriteValue::text(updatedBy_.toMultiByte())));
    bindings.push_back(common.bind(updateTsNull_
                                       ? WriteValue::nullOf(SQL_C_TIMESTAMP, SQL_TIMESTAMP)
                                       : WriteValue::stamp(odbcStamp(updateTs_))));
    const bool own = ownsCommonTexts();
    bindings.push_back(common.bind(own ? WriteValue::text(name_.toMultiByte())
                                       : WriteValue::nullOf(SQL_C_CHAR, SQL_VARCHAR)));
    bindings.push_back(common.bind(own ? WriteValue::text(shortDescription_.toMultiByte())
                                       : WriteValue::nullOf(SQL_C_CHAR, SQL_VARCHAR)));
    appendElements(insert, bindings);
    const HQSTRING text = insert.insertText();
    HQOdbcConnect& conn = controldb::connection();
    for (int draw = 1;; ++draw) {
        // A taken identifier fails the insert; the savepoint keeps the rest
        // of the transaction usable (PostgreSQL aborts it otherwise).
        HQRC rc =
            newId == 1 ? conn.executeStmt(L"SAVEPOINT " + HQSTRING(kNewIdSavepoint), 0) : HQRC();
        if (rc.code == 0)
            rc = controldb::executeOn(cursor, text, bindings, nullptr);
        if (rc.code == 0) {
            if (newId == 1)
                rc = conn.executeStmt(L"RELEASE SAVEPOINT " + HQSTRING(kNewIdSavepoint), 0);
            if (rc.code == 0)
                state_ = 2;
            return rc;
        }
        if (newId != 1 || draw == kIdentifierDraws)
            return rc.AddComment(L"From DIRBase::SQLInsert");
        if (HQRC back = conn.executeStmt(L"ROLLBACK TO SAVEPOINT " + HQSTRING(kNewIdSavepoint), 0);
            back.code != 0)
            return back.AddComment(L"From DIRBase::SQLInsert");
        HQRC checked;
        if (!identifierTaken(insert.table(), id_, checked))
            return (checked.code != 0 ? checked : rc).AddComment(L"From DIRBase::SQLInsert");
        id_.setRandom();
        std::memcpy(idBytes, id_.data(), DIRId::kLength);
    }
}

HQRC DIRBase::SQLUpdate(DIRInsert& insert, HQOdbcCursor& cursor, SQLLEN& changedRows) {
    // The new time stamp is later than the one read, also within the same
    // second, so that every update changes the token of the next check.
    TimeStamp now;
    if (!(now > updateTs_))
        now = TimeStamp(updateTs_.get_Stamp() + 1);
    const HQSTRING user = HQUser::loggedOnUserId();
    WriteValues values;
    std::vector<DIRParmBinding> bindings;
    bindings.push_back(values.bind(WriteValue::text(user.toMultiByte())));
    bindings.push_back(values.bind(WriteValue::stamp(odbcStamp(now))));
    const bool own = ownsCommonTexts();
    bindings.push_back(values.bind(own ? WriteValue::text(name_.toMultiByte())
                                       : WriteValue::nullOf(SQL_C_CHAR, SQL_VARCHAR)));
    bindings.push_back(values.bind(own ? WriteValue::text(shortDescription_.toMultiByte())
                                       : WriteValue::nullOf(SQL_C_CHAR, SQL_VARCHAR)));
    appendElements(insert, bindings);
    bindings.push_back(values.bind(controldb::idValue(id_.view())));
    if (!updateTsNull_)
        bindings.push_back(values.bind(WriteValue::stamp(odbcStamp(updateTs_))));
    HQRC rc =
        controldb::executeOn(cursor, insert.updateText(updateTsNull_), bindings, &changedRows);
    if (rc.code != 0)
        return rc.AddComment(L"From DIRBase::SQLUpdate");
    if (changedRows > 0) {
        updatedBy_ = user;
        updateTs_ = now;
        updateTsNull_ = false;
    }
    return rc;
}

HQRC DIRBase::SQLDeleteId(const HQSTRING& table, const DIRId& id, HQOdbcCursor& cursor) {
    WriteValues values;
    HQRC rc = controldb::executeOn(cursor, deleteIdText(table),
                                   {values.bind(controldb::idValue(id.view()))}, nullptr);
    if (rc.code != 0)
        rc.AddComment(L"From DIRBase::SQLDeleteId");
    return rc;
}

void DIRBase::restoreWrittenState(const WrittenState& held) {
    id_ = held.id;
    updatedBy_ = held.updatedBy;
    updateTs_ = held.updateTs;
    updateTsNull_ = held.updateTsNull;
    state_ = held.state;
}

HQRC DIRBase::insertRow(Identity identity) {
    DIRInsert insert(tableName());
    addWriteColumns(insert);
    const controldb::PooledCursor pooled(insert.insertText());
    return SQLInsert(identity == Identity::New ? 1 : 2, insert, *pooled);
}

HQRC DIRBase::create(Identity identity) {
    const WrittenState held = writtenState();
    controldb::WriteTransaction transaction;
    HQRC rc = transaction.begun();
    if (rc.code == 0)
        rc = verifyAttributes();
    if (rc.code == 0 && identity == Identity::AsHeld && id_.isUnset())
        rc = makeError(kDirInvalidTarget, L"create", objectTypeToString(info_.type), name_);
    if (rc.code == 0)
        rc = insertRow(identity);
    for (DIRString* text : strings_)
        if (rc.code == 0 && text->isLoaded() && !text->heldValue().empty())
            rc = text->store();
    for (DIRBinary* data : binaries_)
        if (rc.code == 0 && data->isLoaded() && data->getLength() != 0)
            rc = data->store();
    for (RelationCollectionBase* collection : collections_)
        if (rc.code == 0)
            rc = collection->storeAll();
    rc = transaction.finish(rc.code != 0 ? passUp(rc, L"create") : rc);
    if (rc.code != 0) {
        restoreWrittenState(held);
        return rc;
    }
    storedName_ = name_;
    state_ = 2;
    return rc;
}

HQRC DIRBase::update() {
    if (state_ != 1 && state_ != 2)
        return makeError(kDirNotStored, L"update", objectTypeToString(info_.type), name_);
    const WrittenState held = writtenState();
    controldb::WriteTransaction transaction;
    HQRC rc = transaction.begun();
    if (rc.code == 0)
        rc = verifyAttributes();
    if (rc.code == 0) {
        DIRInsert insert(tableName());
        addWriteColumns(insert);
        const controldb::PooledCursor pooled(insert.updateText(updateTsNull_));
        SQLLEN changed = 0;
        rc = SQLUpdate(insert, *pooled, changed);
        if (rc.code == 0 && changed == 0)
            rc = makeError(kDirChangedElsewhere, L"update", objectTypeToString(info_.type), name_);
    }
    if (rc.code == 0)
        rc = updateParticular();
    for (DIRString* text : strings_)
        if (rc.code == 0 && text->isChanged())
            rc = text->store();
    for (DIRBinary* data : binaries_)
        if (rc.code == 0 && data->isChanged())
            rc = data->store();
    rc = transaction.finish(rc.code != 0 && rc.code != kDirChangedElsewhere ? passUp(rc, L"update")
                                                                            : rc);
    if (rc.code != 0) {
        restoreWrittenState(held);
        return rc;
    }
    storedName_ = name_;
    return rc;
}

HQRC DIRBase::copyFrom(DIRBase& source) {
    if (&source.info_ != &info_ || !copyFields(source))
        return makeError(kDirInternal, L"copyFrom", objectTypeToString(source.info_.type),
                         source.name_);
    HQRC rc;
    for (size_t i = 0; i < strings_.size(); ++i) {
        const HQSTRING value = source.strings_[i]->getValue(rc);
        if (rc.code != 0)
            return passUp(rc, L"copyFrom");
        strings_[i]->setValue(value);
    }
    for (size_t i = 0; i < binaries_.size(); ++i) {
        const std::string& bytes = source.binaries_[i]->getData(rc);
        if (rc.code != 0)
            return passUp(rc, L"copyFrom");
        binaries_[i]->setData(bytes);
    }
    id_ = source.id_;
    updatedBy_ = source.updatedBy_;
    updateTs_ = source.updateTs_;
    updateTsNull_ = source.updateTsNull_;
    name_ = source.name_;
    shortDescription_ = source.shortDescription_;
    return rc;
}

HQRC DIRBase::copy(DIRBase& source, const HQSTRING& newName) {
    controldb::WriteTransaction transaction;
    HQRC rc = transaction.begun();
    if (rc.code == 0)
        rc = copyFrom(source);
    if (rc.code == 0)
        rc = setName(newName);
    if (rc.code == 0)
        rc = create(Identity::New);
    // The copy joins the partners of the source that may have several
    // objects of its kind; a partner that takes one keeps the source.
    for (RelationCollectionBase* from : source.collections_) {
        const Relation& relation = from->relation();
        if (rc.code != 0)
            break;
        if (relation.partnersOf(opposite(from->ownerSide())) == Cardinality::Single)
            continue;
        RelationCollectionBase* to = getCollection(relation, from->ownerSide());
        for (RelationElement* e = from->getFirstElement(rc); rc.code == 0 && e != nullptr;
             e = from->getNextElement(rc)) {
            std::unique_ptr<DIRBase> partner = makeObject(from->getRelatedType());
            if (partner == nullptr)
                continue;
            partner->setId(e->getId());
            rc = to->add(*partner);
        }
    }
    return transaction.finish(rc.code != 0 ? passUp(rc, L"copy") : rc);
}

bool DIRBase::isInUse(HQRC& rc) {
    rc = HQRC();
    for (const RelationEnd& end : info_.inUseBy) {
        RelationCollectionBase* collection = getCollection(*end.relation, end.side);
        if (collection == nullptr)
            continue;
        for (RelationElement* e = collection->getFirstElement(rc); e != nullptr;
             e = collection->getNextElement(rc)) {
            if (!(e->getId() == id_)) {
                inUseBy_ = HQSTRING(end.relation->name);
                return true;
            }
        }
        if (rc.code != 0)
            return false;
    }
    return false;
}

HQRC DIRBase::destroyDependents() {
    HQRC rc;
    for (const RelationEnd& end : info_.dependents) {
        RelationCollectionBase* collection = getCollection(*end.relation, end.side);
        if (collection == nullptr)
            continue;
        std::vector<DIRId> members;
        for (RelationElement* e = collection->getFirstElement(rc); e != nullptr;
             e = collection->getNextElement(rc))
            members.push_back(e->getId());
        if (rc.code != 0)
            return rc;
        for (const DIRId& member : members) {
            std::unique_ptr<DIRBase> object = makeObject(collection->getRelatedType());
            if (object == nullptr)
                continue;
            rc = object->destroyId(member);
            if (isNotFound(rc)) { // a relation row naming nothing goes with our rows
                rc = HQRC();
                continue;
            }
            if (rc.code != 0)
                return rc;
        }
    }
    return rc;
}

HQRC DIRBase::removeDB() {
    controldb::WriteTransaction transaction;
    HQRC rc = transaction.begun();
    for (DIRString* text : strings_)
        if (rc.code == 0)
            rc = text->remove();
    for (DIRBinary* data : binaries_)
        if (rc.code == 0)
            rc = data->remove();
    return transaction.finish(rc.code != 0 ? passUp(rc, L"removeDB") : rc);
}

HQRC DIRBase::destroyRelations() {
    controldb::WriteTransaction transaction;
    HQRC rc = transaction.begun();
    for (const Relation* relation : rel::all)
        for (RelationSide side : {RelationSide::Source, RelationSide::Target})
            if (rc.code == 0 && relation->typeOn(side) == info_.type)
                rc = deleteRelationRows(*relation, side, id_);
    rc = transaction.finish(rc.code != 0 ? passUp(rc, L"destroyRelations") : rc);
    if (rc.code == 0)
        for (RelationCollectionBase* collection : collections_)
            collection->reset();
    return rc;
}

HQRC DIRBase::destroyId(const DIRId& id) {
    controldb::WriteTransaction transaction;
    HQRC rc = transaction.begun();
    if (rc.code == 0)
        rc = retrieveId(id);
    if (rc.code == 0) {
        inUseBy_.clear();
        const bool used = isInUse(rc);
        if (rc.code == 0 && used)
            rc = makeError(kDirInUse, L"destroyId", objectTypeToString(info_.type), name_);
        if (used)
            rc.token3 = inUseBy_;
    }
    if (rc.code == 0)
        rc = destroyParticular();
    if (rc.code == 0)
        rc = destroyDependents();
    if (rc.code == 0)
        rc = removeDB();
    if (rc.code == 0)
        rc = destroyRelations();
    if (rc.code == 0) {
        const controldb::PooledCursor pooled(deleteIdText(tableName()));
        rc = SQLDeleteId(tableName(), id_, *pooled);
    }
    const bool refused = rc.code == kDirInUse || isNotFound(rc);
    rc = transaction.finish(rc.code != 0 && !refused ? passUp(rc, L"destroyId") : rc);
    if (rc.code == 0) {
        resetContent();
        state_ = 0;
    }
    return rc;
}

HQRC DIRBase::relate(const Relation& relation, RelationSide side, DIRBase& other) {
    if (RelationCollectionBase* own = getCollection(relation, side))
        return own->add(other);
    if (RelationCollectionBase* back = other.getCollection(relation, opposite(side)))
        return back->add(*this);
    controldb::WriteTransaction transaction;
    HQRC rc = transaction.begun();
    if (rc.code == 0)
        rc = side == RelationSide::Source ? insertRelationRow(relation, id_, other.getId())
                                          : insertRelationRow(relation, other.getId(), id_);
    return transaction.finish(rc.code != 0 ? passUp(rc, L"relate") : rc);
}
