#include "CPercentZList.h"

#include <algorithm>

CPercentZList CPercentZList::MakeWorkingCopy() const {
    CPercentZList copy;
    copy.m_nodes = m_nodes;
    return copy;
}

CPercentZ* CPercentZList::DoAddNew() {
    m_owned.push_back(std::make_unique<CPercentZ>());
    m_nodes.push_back(m_owned.back().get());
    return m_nodes.back();
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
    return std::any_of(m_owned.begin(), m_owned.end(),
                       [node](const std::unique_ptr<CPercentZ>& n) { return n.get() == node; });
}
