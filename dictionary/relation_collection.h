// Relation collections: the members of one relation of an object (a row of
// the relation table, dictionary/relation.h), read from the relationship
// table on every walk. Each member object is materialised on first access
// (DIRBase::retrieveIdBase), owned by its element, and tied back to the owner
// in its own collection of the relation. RelationList and RelatedObject are
// collections that their class hands out through a getter of the same name.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <absl/container/flat_hash_map.h>

#include "dictionary/dir_base.h"
#include "dictionary/relation.h"

class RelationCollectionBase;

class RelationElement {
public:
    RelationElement(RelationCollectionBase& collection, const DIRId& id)
        : collection_(collection), id_(id) {}

    const DIRId& getId() const { return id_; }
    // The related object, materialised on first access; null on failure (rc).
    DIRBase* getValue(HQRC& rc);
    // The object if it was materialised or tied back, else null.
    DIRBase* peek() const { return object_; }
    bool isInDatabase() const { return inDatabase_; }
    bool ownsObject() const { return owned_ != nullptr; }

private:
    friend class RelationCollectionBase;
    RelationCollectionBase& collection_;
    DIRId id_;
    DIRBase* object_ = nullptr;
    std::unique_ptr<DIRBase> owned_;
    bool inDatabase_ = false;
    size_t rank_ = 0; // position of its first row in the last load
};

class RelationCollectionBase {
public:
    // A collection of the owner, which stands on side ownerSide of the
    // relation. Registers with the owner (DIRBase::addCollection).
    RelationCollectionBase(DIRBase& owner, const Relation& relation, RelationSide ownerSide);
    RelationCollectionBase(const RelationCollectionBase&) = delete;
    RelationCollectionBase& operator=(const RelationCollectionBase&) = delete;
    ~RelationCollectionBase();

    // Each of entries, getFirstElement, getFirstBase and containsId reloads.
    size_t entries(HQRC& rc);
    RelationElement* getFirstElement(HQRC& rc);
    RelationElement* getNextElement(HQRC& rc);
    // The first and the next member object. In a multi-valued collection a
    // member whose row no longer exists is passed over, with one warning line
    // on standard error; a single-valued one reports it (3142).
    DIRBase* getFirstBase(HQRC& rc);
    DIRBase* getNextBase(HQRC& rc);
    bool containsId(const DIRId& id, HQRC& rc);
    // Looks an element up without loading.
    RelationElement* getElement(const DIRId& id) const;
    // Destroys the object of the member at the walk's position if the
    // collection owns it (with everything the object holds); the next access
    // to that member reads it again. A walk that keeps nothing of a member
    // after visiting it calls this to stay within the memory of one member.
    void releaseCurrent();

    // Reads the related identifiers from the relationship table, in the
    // order of the identifiers; the elements follow that order.
    HQRC load();
    // Drops every element (and the objects they own) and marks the collection unloaded.
    void reset();

    // Write side. Relates the owner to `other`, whose identifier must be set
    // (else 3103). An owner stored in the control database gets the row at
    // once, in a transaction of its own: a side on which an object has at
    // most one partner loses its earlier partner first, and a pair already
    // related is not stored twice. A new owner keeps the member until its
    // create writes the rows (storeAll).
    HQRC add(DIRBase& other);
    // Removes the relation between the owner and `other`.
    HQRC destroy(DIRBase& other);
    // Removes every row of this relation that has `id` on the owner's side.
    HQRC destroyDBAll(const DIRId& id);
    // Writes the row of every member (the owner's create).
    HQRC storeAll();

    const Relation& relation() const { return relation_; }
    RelationSide ownerSide() const { return side_; }
    // The object type of the members.
    DIRObjectType getRelatedType() const { return relation_.typeOn(opposite(side_)); }
    // True when the owner has at most one member.
    bool isSingle() const { return relation_.partnersOf(side_) == Cardinality::Single; }
    int getLoadState() const { return loadState_; }
    DIRBase& getOwner() const { return owner_; }

private:
    friend class RelationElement;
    // Sets the object of the owner's element to `object`, without ownership,
    // loading this collection first when it never was.
    HQRC tieBack(DIRBase& object);
    // Stores the row between the owner and `other` (see add).
    HQRC writeRow(const DIRId& other);
    // Keeps `id` as a member in memory; `only`: as the only one.
    void addLocal(const DIRId& id, bool only);
    void removeLocal(const DIRId& id);
    RelationElement& appendElement(const DIRId& id);
    // In a read snapshot, before the members are walked: the rows of the
    // members not yet read, read ahead with those of the owner's siblings
    // (DIRBase::keepRelated).
    HQRC keepMemberRows();
    // Inside a walk: when the row of the member at `from` is no longer kept,
    // the rows of it and of the next members not kept are read together.
    HQRC keepLaterMemberRows(size_t from);
    // The class of the members while a read snapshot keeps rows; else null.
    const ClassInfo* keptMemberClass() const;
    // From element on, the object of the first member that can be read.
    DIRBase* firstPresent(RelationElement* element, HQRC& rc, const wchar_t* comment);
    void warnMissing(const RelationElement& element) const;

    DIRBase& owner_;
    const Relation& relation_;
    RelationSide side_;
    int loadState_ = 0;
    long cursor_ = -1;
    std::vector<std::unique_ptr<RelationElement>> elements_;
    absl::flat_hash_map<DIRId, RelationElement*, std::hash<DIRId>> index_;
};

// A collection whose members are objects of class T.
template <class T> class RelationCollection : public RelationCollectionBase {
public:
    using RelationCollectionBase::RelationCollectionBase;
    T* getFirst(HQRC& rc) { return static_cast<T*>(getFirstBase(rc)); }
    T* getNext(HQRC& rc) { return static_cast<T*>(getNextBase(rc)); }
};

// A collection that its class hands out through a getter of the same name,
// declared as a public member:
//     RelationList<DataResource> getDataResourceList{*this, rel::IR_TO_DR_Rel,
//         RelationSide::Source, L"getDataResourceList"};
// obj.getDataResourceList(rc) gives the collection, or null with 3104 (tokens
// type name and object name) when the owner was never read.
template <class T> class RelationList : public RelationCollection<T> {
public:
    RelationList(DIRBase& owner, const Relation& relation, RelationSide ownerSide,
                 const wchar_t* getter)
        : RelationCollection<T>(owner, relation, ownerSide), getter_(getter) {}

    RelationCollection<T>* operator()(HQRC& rc) {
        rc = this->getOwner().checkPopulated(getter_);
        return rc.code != 0 ? nullptr : this;
    }

private:
    const wchar_t* getter_;
};

// The same for a relation in which the owner has at most one partner: the
// getter gives that object, null with code 0 when there is none, or null with
// the failure (3104 for an owner never read).
template <class T> class RelatedObject : public RelationList<T> {
public:
    using RelationList<T>::RelationList;

    T* operator()(HQRC& rc) {
        RelationCollection<T>* collection = RelationList<T>::operator()(rc);
        return collection == nullptr ? nullptr : collection->getFirst(rc);
    }
};
