#include "CObjRefV2List.h"

int32_t CObjRefV2List::IsSelected(int index) const {
    const CObjRefV2* ref = GetAtIndex(index);
    return ref ? ref->m_nSelected : 0;
}

void CObjRefV2List::DoSelect(int index, int32_t value, uint32_t flags) {
    CObjRefV2* ref = GetAtIndex(index);
    if (!ref)
        return;
    if (!(flags & 4))
        ref->m_nSelected = value;
    else if (value == 1)
        ref->m_nSelected = ref->m_nSelected ? 0 : 1;
}

fw::CRect CObjRefV2List::GetRect(int index) const {
    const CObjRefV2* ref = GetAtIndex(index);
    return ref ? ref->GetRect() : fw::CRect();
}

int32_t CObjRefV2List::IsHitted(int index, fw::CPoint point) const {
    const CObjRefV2* ref = GetAtIndex(index);
    return ref && ref->GetRect().PtInRect(point) ? 1 : 0;
}
