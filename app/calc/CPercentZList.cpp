#include "CPercentZList.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <new>

CPercentZList CPercentZList::MakeWorkingCopy() const {
    CPercentZList copy;
    copy.m_nodes = m_nodes;
    return copy;
}

CPercentZList::Block::Block(size_t size)
    : nodes(std::allocator<CPercentZ>().allocate(size)), room(size) {}

CPercentZList::Block::Block(Block&& other) noexcept
    : nodes(other.nodes), room(other.room), made(other.made) {
    other.nodes = nullptr;
    other.room = 0;
    other.made = 0;
}

CPercentZList::Block::~Block() {
    if (!nodes)
        return;
    std::destroy_n(nodes, made);
    std::allocator<CPercentZ>().deallocate(nodes, room);
}

CPercentZ* CPercentZList::DoAddNew() {
    if (m_blocks.empty() || m_blocks.back().made == m_blocks.back().room) {
        // 16, 32, 64 ... nodes of room, at most 16384.
        const size_t size = size_t{16} << std::min<size_t>(m_blocks.size(), 10);
        m_blocks.emplace_back(size);
    }
    Block& block = m_blocks.back();
    CPercentZ* node = ::new (static_cast<void*>(block.nodes + block.made)) CPercentZ();
    ++block.made;
    m_nodes.push_back(node);
    return node;
}

bool CPercentZList::Remove(const CPercentZ* node) {
    auto it = std::find(m_nodes.begin(), m_nodes.end(), node);
    if (it == m_nodes.end())
        return false;
    m_nodes.erase(it);
    return true;
}

bool CPercentZList::Contains(const CPercentZ* node) const {
    return std::find(m_nodes.begin(), m_nodes.end(), node) != m_nodes.end();
}

bool CPercentZList::Owns(const CPercentZ* node) const {
    const std::less<const CPercentZ*> before;
    return std::any_of(m_blocks.begin(), m_blocks.end(), [&](const Block& block) {
        return !before(node, block.nodes) && before(node, block.nodes + block.made);
    });
}
