#include "CObjRefV4List.h"

fw::CRect CObjRefV4List::DoCalcLabelRect(fw::CDC* pDC, const fw::CRect& symbol,
                                         const std::string& text1, uint32_t flags1,
                                         const std::string& text2, uint32_t flags2) {
    fw::CRect last;
    for (auto& ref : *this) {
        ref->m_labels.DoLayout(pDC, symbol, text1, flags1, text2, flags2, fw::CPoint());
        last = ref->m_labels.GetUnion();
    }
    return last;
}

void CObjRefV4List::DoDraw(fw::CDC* pDC, const std::string& text1, const std::string& text2,
                           int32_t errorFlag) {
    for (auto& ref : *this)
        ref->m_labels.DoDraw(pDC, text1, text2, errorFlag == 1);
}
