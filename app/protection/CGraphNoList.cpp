#include "CGraphNoList.h"

CGraphNo* CGraphNoList::DoFindGraphNo(uint32_t number) const {
    if (number == 0)
        return nullptr;
    for (const auto& entry : *this)
        if (entry->GetGraphNo() == number)
            return entry.get();
    return nullptr;
}

int32_t CGraphNoList::DoDeleteGraphNo(uint32_t number) {
    int32_t removed = 0;
    for (auto it = begin(); it != end();) {
        if (number == 0 || (*it)->GetGraphNo() == number) {
            it = DeleteAt(it);
            removed = 1;
        } else {
            ++it;
        }
    }
    return removed;
}

void CGraphNoList::DoCopyAllGraphNo(const CGraphNoList& other) {
    if (&other == this)
        return;
    DoDeleteGraphNo(0);
    for (const auto& entry : other)
        AddTail(std::make_unique<CGraphNo>(*entry));
}
