#pragma once

#include "app/calc/CPercentZ.h"

#include <cstddef>
#include <list>

// The working list of nodes of one network reduction. It owns its nodes by
// convention only: whoever fills it calls DoDeleteAll before the list goes,
// and the destructor deletes nothing. A copy holds the same node pointers, so
// that a directional reduction can take nodes out of its copy without
// disturbing the main list.
class CPercentZList {
public:
    using iterator = std::list<CPercentZ*>::iterator;
    using const_iterator = std::list<CPercentZ*>::const_iterator;

    CPercentZList() = default;
    CPercentZList(const CPercentZList&) = default;
    CPercentZList& operator=(const CPercentZList&) = default;
    ~CPercentZList() = default;

    // A new zeroed node, appended at the tail.
    CPercentZ* DoAddNew();

    void AddTail(CPercentZ* node) { m_nodes.push_back(node); }
    // Takes the first entry of the node out of the list without deleting it;
    // false when the node is not in the list.
    bool Remove(const CPercentZ* node);
    iterator RemoveAt(iterator position) { return m_nodes.erase(position); }
    // Forgets every entry and deletes nothing.
    void RemoveAll() { m_nodes.clear(); }
    bool Contains(const CPercentZ* node) const;

    bool IsEmpty() const { return m_nodes.empty(); }
    size_t GetCount() const { return m_nodes.size(); }
    CPercentZ* GetHead() const { return m_nodes.empty() ? nullptr : m_nodes.front(); }
    CPercentZ* GetTail() const { return m_nodes.empty() ? nullptr : m_nodes.back(); }

    iterator begin() { return m_nodes.begin(); }
    iterator end() { return m_nodes.end(); }
    const_iterator begin() const { return m_nodes.begin(); }
    const_iterator end() const { return m_nodes.end(); }

    // Deletes every node of this list, walking from the head, and empties it.
    void DoDeleteAll() { DoDeleteAll(m_nodes); }

    // The same for any list of owned objects held by pointer (a standard
    // container of pointers): every non-empty item is deleted through its
    // own destructor, from the head, then all entries are removed.
    template <class PointerList> static void DoDeleteAll(PointerList& list) {
        for (auto* item : list)
            delete item;
        list.clear();
    }

private:
    std::list<CPercentZ*> m_nodes;
};
