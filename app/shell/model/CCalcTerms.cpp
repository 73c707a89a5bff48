#include "CCalcTerms.h"

#include "CCalcSkeleton.h"
#include "CObjElement.h"

#include "app/calc/CPercentZ.h"
#include "app/elements/frame/CEleFrame.h"

CCalcTerms::CCalcTerms(const CCalcSkeleton& skeleton, double baseCapacity)
    : m_pSkeleton(&skeleton), m_dBaseCapacity(baseCapacity), m_entries(skeleton.GetCount()),
      m_kinds(skeleton.GetCount()) {
    for (size_t i = 0; i < m_kinds.size(); ++i)
        m_kinds[i] = skeleton.ElementAt(static_cast<int32_t>(i))->GetKind();
}

const CCalcTerms::Phase& CCalcTerms::PhaseOf(int32_t id, const CObjElement* e,
                                             const CEleDocSettings& settings) {
    Entry& entry = m_entries[static_cast<size_t>(id)];
    if (!(entry.have & kPhase)) {
        const CPercentZ z = e->DoCalcPercentZ(settings);
        entry.phase = {z.m_dR, z.m_dX, z.m_dRMotor, z.m_dRHalf, z.m_dXHalf};
        entry.have |= kPhase;
    }
    return entry.phase;
}

const CCalcTerms::ReturnPairs& CCalcTerms::ReturnPairsOf(int32_t id, const CObjElement* e,
                                                         const CEleDocSettings& settings) {
    Entry& entry = m_entries[static_cast<size_t>(id)];
    if (!(entry.have & kReturnPairs)) {
        const CPercentZ z = e->DoCalcPercentZNPE(settings);
        entry.returnPairs = {z.m_dRN, z.m_dXN, z.m_dRPE, z.m_dXPE};
        entry.have |= kReturnPairs;
    }
    return entry.returnPairs;
}

const fw::CRect& CCalcTerms::RectOf(int32_t id, const CObjElement* e) {
    Entry& entry = m_entries[static_cast<size_t>(id)];
    if (!(entry.have & kRect)) {
        e->GetSymbolRect(&entry.rect);
        entry.have |= kRect;
    }
    return entry.rect;
}
