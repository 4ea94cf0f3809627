// Getters of related objects, shared by every class: each refuses with 3104
// an object that was never read, then hands out a collection or its first
// member. The related objects stay owned by the collection.
#pragma once

#include "dictionary/relation_collection.h"

class DIRBase;

template <class T>
RelationCollection<T>* guardedList(const DIRBase& owner, RelationCollection<T>& collection,
                                   const wchar_t* operation, HQRC& rc) {
    rc = owner.checkPopulated(operation);
    return rc.code != 0 ? nullptr : &collection;
}

template <class T>
T* guardedFirst(const DIRBase& owner, RelationCollection<T>& collection, const wchar_t* operation,
                HQRC& rc) {
    if (guardedList(owner, collection, operation, rc) == nullptr)
        return nullptr;
    return collection.getFirst(rc);
}
