// Relation collections: the members of one named relation of an object, read
// from the relationship table on every walk. Each member object is
// materialised on first access (DIRBase::retrieveIdBase), owned by its
// element, and tied back to the owner in its own collection of the relation.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "dictionary/dir_base.h"

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
    // Registers with the owner (DIRBase::addCollection).
    RelationCollectionBase(DIRBase& owner, const wchar_t* relationName, int direction,
                           DIRObjectType relatedType, int single);
    RelationCollectionBase(const RelationCollectionBase&) = delete;
    RelationCollectionBase& operator=(const RelationCollectionBase&) = delete;
    ~RelationCollectionBase();

    // Each of entries, getFirstElement, getFirstBase and containsId reloads.
    size_t entries(HQRC& rc);
    RelationElement* getFirstElement(HQRC& rc);
    RelationElement* getNextElement(HQRC& rc);
    DIRBase* getFirstBase(HQRC& rc);
    DIRBase* getNextBase(HQRC& rc);
    bool containsId(const DIRId& id, HQRC& rc);
    // Looks an element up without loading.
    RelationElement* getElement(const DIRId& id) const;

    // Reads the related identifiers from the relationship table, in the
    // order of the identifiers; the elements follow that order.
    HQRC load();
    // Drops every element (and the objects they own) and marks the collection unloaded.
    void reset();

    std::wstring_view getRelationName() const { return relationName_; }
    int getDirection() const { return direction_; }
    DIRObjectType getRelatedType() const { return relatedType_; }
    int isSingle() const { return single_; }
    int getLoadState() const { return loadState_; }
    DIRBase& getOwner() const { return owner_; }

private:
    friend class RelationElement;
    // Sets the object of the owner's element to `object`, without ownership,
    // loading this collection first when it never was.
    HQRC tieBack(DIRBase& object);
    RelationElement& appendElement(const DIRId& id);

    DIRBase& owner_;
    int single_;
    int direction_;
    std::wstring_view relationName_; // a literal of the owning class
    DIRObjectType relatedType_;
    int loadState_ = 0;
    long cursor_ = -1;
    std::vector<std::unique_ptr<RelationElement>> elements_;
    std::unordered_map<DIRId, RelationElement*> index_;
};

// A collection whose members are objects of class T.
template <class T> class RelationCollection : public RelationCollectionBase {
public:
    using RelationCollectionBase::RelationCollectionBase;
    T* getFirst(HQRC& rc) { return static_cast<T*>(getFirstBase(rc)); }
    T* getNext(HQRC& rc) { return static_cast<T*>(getNextBase(rc)); }
};
