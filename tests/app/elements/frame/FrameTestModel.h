#pragma once

// A model built on the frame alone, for the frame's own tests: the standard
// head (or the pen-first head), a voltage, the two placement lists and the
// whole version tail.

#include "app/elements/frame/CEleFrame.h"

#include <string>

class CEleFrameTestModel : public CEleFrame {
public:
    CEleFrameTestModel() : CEleFrame(fw::CRect(0, 0, 39, 39)) {}
    CEleFrameTestModel(const CEleFrameTestModel&) = default;
    CEleFrameTestModel& operator=(const CEleFrameTestModel&) = default;

    void Serialize(fw::CArchive& ar) override {
        if (m_bPenFirst)
            SerializeHeadPenFirst(ar);
        else
            SerializeHead(ar);
        if (ar.IsStoring())
            ar << m_nVoltage;
        else
            ar >> m_nVoltage;
        SerializeRefLists(ar);
        SerializeTail(ar, kTailEarthing | kTailWireSystem | kTailErrorMark | kTailSinglePhase);
    }

    void DoInitNewElement(const CEleInitArgs& args) {
        if (!DoInitCircuit("M", args))
            return;
        m_nClassDefault = 75; // what a class fills once
    }

    fw::CRect DoLayoutRefV1List(fw::CDC* pDC, const CEleDocSettings&) {
        return DoLayoutLabelsV1(pDC, m_strLabel);
    }
    void DoDrawRefV1List(fw::CDC* pDC, const CEleDocSettings&) { DoDrawLabelsV1(pDC, m_strLabel); }

    void DoDrawSymbol(fw::CDC* pDC, int32_t mode) {
        DoDrawSymbolFrame(pDC, mode, [this](fw::CDC* dc, fw::CPoint centre) {
            m_penWhileDrawing = dc->GetCurrentPen();
            m_centre = centre;
            dc->MoveTo(centre.x, centre.y - 10);
            dc->LineTo(centre.x, centre.y + 10);
        });
    }

    int32_t DoEditElement(const CEleEditContext& ctx) { return DoEditWithSeam(*this, ctx); }

    // Reached from the tests.
    using CEleFrame::DoInitCircuit;
    using CEleFrame::SerializeFrom;

    bool m_bPenFirst = false;
    int32_t m_nClassDefault = 0;
    std::string m_strLabel = "11kW";
    fw::CPen m_penWhileDrawing;
    fw::CPoint m_centre;
};
