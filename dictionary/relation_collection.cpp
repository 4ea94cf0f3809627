// Loading relation collections from the relationship table, walking them,
// materialising their members and tying each member back to its owner.
#include "dictionary/relation_collection.h"

#include <algorithm>
#include <cstdio>

#include "dictionary/snapshot_store.h"
#include "runtime/fetched_value.h"
#include "runtime/odbc.h"

DIRBase* RelationElement::getValue(HQRC& rc) {
    rc = HQRC();
    if (object_ != nullptr)
        return object_;
    std::unique_ptr<DIRBase> object =
        DIRBase::retrieveIdBase(id_, collection_.getRelatedType(), rc);
    if (object == nullptr || rc.code != 0)
        return nullptr;
    owned_ = std::move(object);
    object_ = owned_.get();
    RelationCollectionBase* back =
        object_->getCollection(collection_.relation(), opposite(collection_.ownerSide()));
    if (back != nullptr) {
        rc = back->tieBack(collection_.getOwner());
        if (rc.code != 0) {
            rc.AddComment(L"RelationElement::GetValue - symmetricCollection");
            return nullptr;
        }
    }
    return object_;
}

RelationCollectionBase::RelationCollectionBase(DIRBase& owner, const Relation& relation,
                                               RelationSide ownerSide)
    : owner_(owner), relation_(relation), side_(ownerSide) {
    owner.addCollection(this);
}

RelationCollectionBase::~RelationCollectionBase() = default;

void RelationCollectionBase::reset() {
    index_.clear();
    elements_.clear();
    loadState_ = 0;
    cursor_ = -1;
}

RelationElement& RelationCollectionBase::appendElement(const DIRId& id) {
    RelationElement& element =
        *elements_.emplace_back(std::make_unique<RelationElement>(*this, id));
    index_.emplace(id, &element);
    return element;
}

HQRC RelationCollectionBase::load() {
    for (auto& element : elements_)
        element->inDatabase_ = false;
    size_t rank = 0;
    // One related identifier as the relationship table gives it, in order.
    const auto take = [&](const DIRId& id) {
        auto found = index_.find(id);
        RelationElement& element = found != index_.end() ? *found->second : appendElement(id);
        if (!element.inDatabase_) // a duplicate row keeps the place of the first
            element.rank_ = rank++;
        element.inDatabase_ = true;
    };
    HQRC rc;
    std::vector<DIRId> kept;
    const controldb::RelationRows* rows = nullptr;
    if (controldb::SnapshotStore* store = controldb::SnapshotStore::active())
        rows = store->relations(rc);
    if (rc.code != 0)
        return rc.AddComment(L"RelationCollectionBase::load");
    if (rows != nullptr && rows->related(relation_, side_, owner_.getId(), kept)) {
        for (const DIRId& id : kept)
            take(id);
    } else {
        const controldb::PooledCursor pooled(
            (side_ == RelationSide::Source ? L"SELECT target_qrtid FROM "
                                           : L"SELECT source_qrtid FROM ") +
            controldb::table(L".RELATIONSHIP") +
            (side_ == RelationSide::Source
                 ? L" WHERE relation_name = ? AND source_qrtid = ? ORDER BY target_qrtid FOR "
                   L"FETCH ONLY"
                 : L" WHERE relation_name = ? AND target_qrtid = ? ORDER BY source_qrtid FOR "
                   L"FETCH ONLY"));
        HQOdbcCursor& cursor = *pooled;
        const HQSTRING& text = pooled.text();
        std::string relation = wideToMultiByte(relation_.name);
        SQLLEN relationLength = static_cast<SQLLEN>(relation.size());
        DIRId ownerId = owner_.getId();
        SQLLEN idLength = DIRId::kLength;
        char related[DIRId::kLength + 1] = {};
        SQLLEN relatedLength = 0;
        rc = cursor.prepare(text);
        if (rc.code == 0)
            rc = cursor.bindParameter(1, SQL_PARAM_INPUT, SQL_C_CHAR, SQL_VARCHAR, 20, 0,
                                      relation.data(), std::max<SQLLEN>(20, relationLength),
                                      &relationLength);
        if (rc.code == 0)
            rc = cursor.bindParameter(2, SQL_PARAM_INPUT, SQL_C_CHAR, SQL_CHAR, DIRId::kLength, 0,
                                      const_cast<char*>(ownerId.data()), DIRId::kLength, &idLength);
        if (rc.code == 0)
            rc = cursor.bindCol(1, SQL_C_CHAR, related, sizeof related, &relatedLength);
        while (rc.code == 0) {
            HQRC fetchRc;
            if (cursor.fetch(fetchRc) == 0) {
                rc = fetchRc;
                break;
            }
            if (relatedLength == SQL_NULL_DATA && fetchRc.code == 0)
                continue;
            // A value that does not fit is named; a row that came with
            // another warning is not taken either.
            if (const std::wstring reason = fetched::textMisfit(relatedLength, DIRId::kLength);
                !reason.empty()) {
                rc = fetched::misfit(
                    L"RelationCollectionBase::load", controldb::table(L".RELATIONSHIP"),
                    side_ == RelationSide::Source ? L"target_qrtid" : L"source_qrtid",
                    HQSTRING(relation_.name) + L" " + ownerId.toString(), reason);
                break;
            }
            if (fetchRc.code != 0) {
                rc = fetchRc;
                break;
            }
            take(DIRId(controldb::fetchedText(related, DIRId::kLength, relatedLength)));
        }
    }
    if (rc.code != 0)
        return rc.AddComment(L"RelationCollectionBase::load");
    auto gone = std::stable_partition(elements_.begin(), elements_.end(),
                                      [](const auto& e) { return e->inDatabase_; });
    for (auto it = gone; it != elements_.end(); ++it)
        index_.erase((*it)->id_);
    elements_.erase(gone, elements_.end());
    // Members kept from an earlier load take their place in the new order too.
    std::sort(elements_.begin(), elements_.end(),
              [](const auto& a, const auto& b) { return a->rank_ < b->rank_; });
    loadState_ = 1;
    return rc;
}

size_t RelationCollectionBase::entries(HQRC& rc) {
    rc = load();
    if (rc.code != 0) {
        rc.AddComment(L"RelationCollectionBase::entries");
        return 0;
    }
    return elements_.size();
}

RelationElement* RelationCollectionBase::getFirstElement(HQRC& rc) {
    rc = load();
    if (rc.code != 0) {
        rc.AddComment(L"from RelationCollectionBase::GetFirstElement");
        return nullptr;
    }
    cursor_ = 0;
    return elements_.empty() ? nullptr : elements_.front().get();
}

RelationElement* RelationCollectionBase::getNextElement(HQRC& rc) {
    rc = HQRC();
    if (cursor_ < 0 || static_cast<size_t>(cursor_) >= elements_.size())
        return nullptr;
    ++cursor_;
    return static_cast<size_t>(cursor_) < elements_.size() ? elements_[cursor_].get() : nullptr;
}

DIRBase* RelationCollectionBase::getFirstBase(HQRC& rc) {
    RelationElement* first = getFirstElement(rc);
    if (first != nullptr) {
        rc = keepMemberRows();
        if (rc.code != 0) {
            rc.AddComment(L"RelationCollectionBase::GetFirstBase");
            return nullptr;
        }
    }
    return firstPresent(first, rc, L"RelationCollectionBase::GetFirstBase");
}

const ClassInfo* RelationCollectionBase::keptMemberClass() const {
    return controldb::SnapshotStore::active() != nullptr ? DIRBase::classInfoOf(getRelatedType())
                                                         : nullptr;
}

HQRC RelationCollectionBase::keepMemberRows() {
    const ClassInfo* memberClass = keptMemberClass();
    if (memberClass == nullptr)
        return HQRC();
    controldb::SnapshotStore* store = controldb::SnapshotStore::active();
    // Nothing to read when every member still to be read is kept (a member
    // may have been kept on another way to it, so all are looked at).
    const bool allKept = std::all_of(elements_.begin(), elements_.end(), [&](const auto& e) {
        return e->object_ != nullptr || store->findRow(*memberClass, e->id_) != nullptr;
    });
    if (allKept)
        return HQRC();
    const std::unique_ptr<DIRBase> prototype = DIRBase::makeObject(getRelatedType());
    return prototype->keepRelated(relation_, side_, owner_.classInfo(), owner_.getId());
}

DIRBase* RelationCollectionBase::getNextBase(HQRC& rc) {
    RelationElement* next = getNextElement(rc);
    if (next != nullptr) {
        rc = keepLaterMemberRows(static_cast<size_t>(cursor_));
        if (rc.code != 0) {
            rc.AddComment(L"RelationCollectionBase::GetNextBase");
            return nullptr;
        }
    }
    return firstPresent(next, rc, L"RelationCollectionBase::GetNextBase");
}

HQRC RelationCollectionBase::keepLaterMemberRows(size_t from) {
    const ClassInfo* memberClass = keptMemberClass();
    if (memberClass == nullptr)
        return HQRC();
    controldb::SnapshotStore* store = controldb::SnapshotStore::active();
    const auto missing = [&](const RelationElement& e) {
        return e.object_ == nullptr && store->findRow(*memberClass, e.id_) == nullptr;
    };
    if (!missing(*elements_[from]))
        return HQRC();
    // The kept rows of this walk's members were let go (the store's budget):
    // the next ones are read again together, not one by one.
    std::vector<DIRId> ids;
    for (size_t i = from; i < elements_.size() && ids.size() < controldb::SnapshotStore::kBatch;
         ++i) {
        if (missing(*elements_[i]))
            ids.push_back(elements_[i]->id_);
    }
    if (ids.size() < 2)
        return HQRC();
    return DIRBase::makeObject(getRelatedType())->keepRows(ids);
}

DIRBase* RelationCollectionBase::firstPresent(RelationElement* element, HQRC& rc,
                                              const wchar_t* comment) {
    for (; element != nullptr; element = getNextElement(rc)) {
        DIRBase* object = element->getValue(rc);
        if (object != nullptr)
            return object;
        if (isSingle() || !DIRBase::isNotFound(rc)) {
            rc.AddComment(comment);
            return nullptr;
        }
        warnMissing(*element);
    }
    return nullptr;
}

void RelationCollectionBase::warnMissing(const RelationElement& element) const {
    const std::string line =
        "*** Warning: relation " + wideToMultiByte(relation_.name) + " of " +
        DIRBase::objectTypeToString(owner_.getObjectType()).toMultiByte() + " \"" +
        owner_.getName().toMultiByte() + "\" (" + owner_.getId().toString().toMultiByte() +
        ") names " + DIRBase::objectTypeToString(getRelatedType()).toMultiByte() + " " +
        element.getId().toString().toMultiByte() + ", which does not exist: passed over\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
}

bool RelationCollectionBase::containsId(const DIRId& id, HQRC& rc) {
    rc = load();
    return rc.code == 0 && index_.contains(id);
}

void RelationCollectionBase::releaseCurrent() {
    if (cursor_ < 0 || static_cast<size_t>(cursor_) >= elements_.size())
        return;
    RelationElement& element = *elements_[static_cast<size_t>(cursor_)];
    if (element.owned_ == nullptr)
        return;
    element.object_ = nullptr;
    element.owned_.reset();
}

RelationElement* RelationCollectionBase::getElement(const DIRId& id) const {
    auto found = index_.find(id);
    return found == index_.end() ? nullptr : found->second;
}

HQRC RelationCollectionBase::tieBack(DIRBase& object) {
    if (loadState_ == 0) {
        HQRC rc = load();
        if (rc.code != 0)
            return rc;
    }
    RelationElement* element = getElement(object.getId());
    if (element == nullptr)
        element = &appendElement(object.getId());
    element->owned_.reset();
    element->object_ = &object;
    return HQRC();
}
