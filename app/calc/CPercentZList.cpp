#include "CPercentZList.h"

#include <algorithm>
#include <functional>

CPercentZList CPercentZList::MakeWorkingCopy() const {
    CPercentZList copy;
    copy.m_nodes = m_nodes;
    return copy;
}

CPercentZ* CPercentZList::DoAddNew() {
    if (m_blocks.empty() || m_nLastUsed == BlockSize(m_blocks.size() - 1)) {
        m_blocks.push_back(std::make_unique<CPercentZ[]>(BlockSize(m_blocks.size())));
        m_nLastUsed = 0;
    }
    CPercentZ* node = &m_blocks.back()[m_nLastUsed++];
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
    for (size_t b = 0; b < m_blocks.size(); ++b) {
        const CPercentZ* first = m_blocks[b].get();
        const size_t made = b + 1 == m_blocks.size() ? m_nLastUsed : BlockSize(b);
        if (!before(node, first) && before(node, first + made))
            return true;
    }
    return false;
}
