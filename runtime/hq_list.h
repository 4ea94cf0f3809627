// HQLIST, the ordered list of values or pointers that object lists, statement
// columns, relation collections and tag properties are kept in, and
// HQSortedPtrVector, the pointer array kept in ascending order of the objects.
#pragma once

#include <algorithm>
#include <cstddef>
#include <deque>
#include <iterator>
#include <utility>
#include <vector>

namespace hq_list_detail {
// The object an element stands for: the element itself, or what it points to
// for raw and smart pointers.
template <typename T> const auto& object(const T& element) {
    if constexpr (requires { *element; })
        return *element;
    else
        return element;
}
} // namespace hq_list_detail

// Ordered list. Appending keeps the addresses of the elements already in the
// list valid, so callers may hold on to an element (a bound column buffer, for
// instance) while the list grows. A list of std::unique_ptr owns its elements
// and destroys them on clear(); a list of raw pointers never owns them.
template <typename T> class HQLIST {
public:
    using value_type = T;
    using iterator = typename std::deque<T>::iterator;
    using const_iterator = typename std::deque<T>::const_iterator;
    static constexpr size_t npos = static_cast<size_t>(-1);

    void append(T element) { items_.push_back(std::move(element)); }
    size_t entries() const { return items_.size(); }
    bool isEmpty() const { return items_.empty(); }
    T& at(size_t position) { return items_.at(position); }
    const T& at(size_t position) const { return items_.at(position); }
    T& first() { return items_.front(); }
    T& last() { return items_.back(); }

    // First element equal to key (for pointer lists: whose object equals key);
    // null when there is none.
    template <typename Key> T* find(const Key& key) {
        const auto it =
            std::find_if(items_.begin(), items_.end(), [&](const T& e) { return matches(e, key); });
        return it == items_.end() ? nullptr : &*it;
    }
    template <typename Key> size_t index(const Key& key) const {
        const auto it =
            std::find_if(items_.begin(), items_.end(), [&](const T& e) { return matches(e, key); });
        return it == items_.end() ? npos : static_cast<size_t>(it - items_.begin());
    }
    // Removes the first element equal to key; false when there is none.
    template <typename Key> bool remove(const Key& key) {
        const size_t i = index(key);
        if (i == npos)
            return false;
        removeAt(i);
        return true;
    }
    void removeAt(size_t position) {
        items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(position));
    }
    void clear() { items_.clear(); }

    iterator begin() { return items_.begin(); }
    iterator end() { return items_.end(); }
    const_iterator begin() const { return items_.begin(); }
    const_iterator end() const { return items_.end(); }

private:
    template <typename Key> static bool matches(const T& element, const Key& key) {
        if constexpr (requires { element == key; })
            return element == key;
        else
            return hq_list_detail::object(element) == key;
    }

    std::deque<T> items_;
};

// Pointers (raw or std::unique_ptr) kept in ascending order of the objects they
// point to (the objects' operator<). Equal objects keep the order in which they
// were inserted.
template <typename T, typename Ptr = T*> class HQSortedPtrVector {
public:
    static constexpr size_t npos = static_cast<size_t>(-1);

    // Inserts after every object that is not greater; returns the position.
    size_t insert(Ptr element) {
        const auto it = std::upper_bound(items_.begin(), items_.end(), element,
                                         [](const Ptr& a, const Ptr& b) { return *a < *b; });
        const auto pos = it - items_.begin();
        items_.insert(it, std::move(element));
        return static_cast<size_t>(pos);
    }
    // Position of the first object equal to key (binary search), npos if none.
    size_t index(const T& key) const {
        const auto [first, last] = span(key);
        return first == last ? npos : first;
    }
    // Positions [first, last) of the objects equal to key.
    std::pair<size_t, size_t> span(const T& key) const {
        const auto lower = std::lower_bound(items_.begin(), items_.end(), key,
                                            [](const Ptr& a, const T& k) { return *a < k; });
        const auto upper = std::upper_bound(lower, items_.end(), key,
                                            [](const T& k, const Ptr& a) { return k < *a; });
        return {static_cast<size_t>(lower - items_.begin()),
                static_cast<size_t>(upper - items_.begin())};
    }
    size_t occurrencesOf(const T& key) const {
        const auto [first, last] = span(key);
        return last - first;
    }
    // Removes the first object equal to key; false when there is none.
    bool remove(const T& key) {
        const size_t i = index(key);
        if (i == npos)
            return false;
        items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(i));
        return true;
    }
    size_t entries() const { return items_.size(); }
    const Ptr& operator[](size_t position) const { return items_[position]; }
    void clear() { items_.clear(); }

    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    std::vector<Ptr> items_;
};
