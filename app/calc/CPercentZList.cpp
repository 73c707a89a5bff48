#include "CPercentZList.h"

#include <algorithm>
#include <memory>

CPercentZ* CPercentZList::DoAddNew() {
    auto node = std::make_unique<CPercentZ>();
    m_nodes.push_back(node.get());
    return node.release();
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
