#pragma once

#include "framework/Archive.h"

#include <cstdint>
#include <iterator>
#include <list>
#include <memory>
#include <string>
#include <vector>

// A typed list of owned elements, in the shape of the framework's object list
// that the breaker records are kept in. The list owns its elements: the
// DoDeleteAll… members of the typed lists free them and empty the list, and
// whatever is left when the list goes away is freed with it, so an owner that
// forgets its DoDeleteAll… call loses no memory. Copying a list copies its
// elements deeply, in order.
//
// Elements move between lists only as std::unique_ptr (Detach, AddTail…), so
// ownership moves with them.
template <class T> class COwnedList {
public:
    using Container = std::list<std::unique_ptr<T>>;
    using iterator = typename Container::iterator;
    using const_iterator = typename Container::const_iterator;
    using reverse_iterator = typename Container::reverse_iterator;
    using const_reverse_iterator = typename Container::const_reverse_iterator;

    COwnedList() = default;
    COwnedList(const COwnedList& other) { CopyFrom(other); }
    COwnedList& operator=(const COwnedList& other) {
        CopyFrom(other);
        return *this;
    }
    COwnedList(COwnedList&&) noexcept = default;
    COwnedList& operator=(COwnedList&&) noexcept = default;
    ~COwnedList() = default;

    int GetCount() const { return static_cast<int>(m_items.size()); }
    bool IsEmpty() const { return m_items.empty(); }

    // The first and last element; null for an empty list.
    T* GetHead() const { return m_items.empty() ? nullptr : m_items.front().get(); }
    T* GetTail() const { return m_items.empty() ? nullptr : m_items.back().get(); }

    // The element at a 0-based index in list order; null outside the list.
    T* GetAt(int index) const {
        if (index < 0 || index >= GetCount())
            return nullptr;
        return std::next(m_items.begin(), index)->get();
    }

    iterator begin() { return m_items.begin(); }
    iterator end() { return m_items.end(); }
    const_iterator begin() const { return m_items.begin(); }
    const_iterator end() const { return m_items.end(); }
    reverse_iterator rbegin() { return m_items.rbegin(); }
    reverse_iterator rend() { return m_items.rend(); }
    const_reverse_iterator rbegin() const { return m_items.rbegin(); }
    const_reverse_iterator rend() const { return m_items.rend(); }

    // Appends a new element made by T's constructor and returns it.
    T* AddNew() { return AddTail(std::make_unique<T>()); }

    T* AddTail(std::unique_ptr<T> item) {
        m_items.push_back(std::move(item));
        return m_items.back().get();
    }
    T* AddHead(std::unique_ptr<T> item) {
        m_items.push_front(std::move(item));
        return m_items.front().get();
    }
    iterator InsertBefore(iterator pos, std::unique_ptr<T> item) {
        return m_items.insert(pos, std::move(item));
    }

    // Takes an element out of the list; the caller becomes its owner.
    std::unique_ptr<T> Detach(iterator pos) {
        std::unique_ptr<T> item = std::move(*pos);
        m_items.erase(pos);
        return item;
    }
    std::unique_ptr<T> RemoveHead() { return m_items.empty() ? nullptr : Detach(m_items.begin()); }
    std::unique_ptr<T> RemoveTail() {
        return m_items.empty() ? nullptr : Detach(std::prev(m_items.end()));
    }

    // Frees one element; returns the position after it.
    iterator DeleteAt(iterator pos) { return m_items.erase(pos); }

    // Frees every element and empties the list.
    void DeleteAll() { m_items.clear(); }

    // Frees the list's own elements, then appends copies of the other list's
    // elements in its order. Copying a list onto itself leaves it as it is.
    void CopyFrom(const COwnedList& other) {
        if (&other == this)
            return;
        Container copies;
        for (const auto& item : other.m_items)
            copies.push_back(std::make_unique<T>(*item));
        m_items = std::move(copies);
    }

    Container& Items() { return m_items; }
    const Container& Items() const { return m_items; }

    // The framework's object-list record: the element count, then every
    // element as an object record with its class. Loading appends what it
    // reads. An owned element cannot be stored twice or be missing, so a
    // back-reference (refused by the owned read) or a null entry in place of
    // an element means a damaged file; the elements read before the fault
    // stay in the list.
    void Serialize(fw::CArchive& ar) {
        if (ar.IsStoring()) {
            ar.WriteCount(static_cast<uint32_t>(m_items.size()));
            for (const auto& item : m_items)
                ar.WriteObject(item.get());
            return;
        }
        uint32_t count = ar.ReadCount();
        for (uint32_t i = 0; i < count; ++i) {
            size_t at = ar.Position();
            std::unique_ptr<T> item = ar.ReadOwned<T>();
            if (!item)
                ar.Fail(fw::CArchiveException::badIndex,
                        "The file is damaged: an element of a list at byte " + std::to_string(at) +
                            " is missing.");
            m_items.push_back(std::move(item));
        }
    }

private:
    Container m_items;
};
