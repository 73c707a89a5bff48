#pragma once

#include "app/calc/CCalcPoint.h"
#include "app/elements/frame/CEleFrame.h"

#include <cstdint>
#include <string>
#include <vector>

// The zero conductor (kind 8): a horizontal bus to which elements connect
// from above and below at 40-unit steps. It has no impedance of its own; its
// calculation point receives the combined impedance at the bar.
class CEleZeroCond : public CEleFrame {
public:
    CEleZeroCond();
    CEleZeroCond(const CEleZeroCond&) = default;
    CEleZeroCond& operator=(const CEleZeroCond&) = default;
    ~CEleZeroCond() override;

    // What the symbol needs of another element of the diagram: its symbol
    // rectangle and which terminals it has.
    struct CConnected {
        fw::CRect rect;
        bool hasUpper = false;
        bool hasLower = false;
    };
    // Which sides hold a neighbour: the name and the label go beside the
    // free ones.
    struct CNeighbours {
        bool left = false;  // direction 128
        bool right = false; // direction 32
    };

    void DoInitNewElement(const CEleInitArgs& args);
    // The zero conductor has no value to check.
    int32_t DoCheckData() const { return 0; }

    int32_t IsCalcPoint() const { return m_nCalcPoint == 1 ? 1 : 0; }
    int32_t IsSinglePhase() const { return static_cast<int32_t>(m_nSinglePhase); }
    void SetSinglePhase(int32_t flag) { m_nSinglePhase = static_cast<uint32_t>(flag); }

    void DoSetCalcZ(CPercentZ& out, double base, const CPercentZ* first, const CPercentZ* second);
    void DoSetCalcZ2(CPercentZ& out, double base, const CPercentZ* first, const CPercentZ* second);
    void DoSetCalcZ2Ex(CPercentZ& out, double base, const CPercentZ* first,
                       const CPercentZ* second);
    void DoClearCalcZ();
    void DoClearCalcZ2();
    void DoClearCalcZ2Ex();

    // Report texts. mode 1: the half-voltage side of a single-phase
    // three-wire bus, 2: the full voltage.
    std::string DoGetTextVoltage(int unit) const;
    std::string DoGetTextIk1Sym(int mode, int unit) const;
    std::string DoGetTextIk1Asym(int mode, int unit) const;
    std::string DoGetTextIk1Peak(int mode, int unit) const;
    std::string DoGetTextTotalPercentR(int mode, int unit) const;
    std::string DoGetTextTotalPercentX(int mode, int unit) const;
    std::string DoGetTextTotalPercentZ(int mode, int unit) const;
    std::string DoGetTextTotalResistance(int mode, double baseCapacity, int unit) const;
    std::string DoGetTextTotalReactance(int mode, double baseCapacity, int unit) const;
    std::string DoGetTextTotalImpedance(int mode, double baseCapacity, int unit) const;
    std::string DoGetTextTotalIk3Sym(int unit) const;
    std::string DoGetTextTotalIk3Asym(int unit) const;
    std::string DoGetTextTotalIk3Peak(int unit) const;
    // The currents at the bar once calculated (mode 3 on), else empty.
    std::string DoGetTextLabel(int32_t documentMode) const;

    // The bar, and a connection line to every element that touches it at a
    // 40-unit step from above or below.
    void DoDrawSymbol(fw::CDC* pDC, int32_t mode, const std::vector<CConnected>& others);
    void DoDrawSymbol(fw::CDC* pDC, int32_t mode) { DoDrawSymbol(pDC, mode, {}); }

    // Name and label beside the sides that are free of neighbours.
    fw::CRect DoLayoutRefV1List(fw::CDC* pDC, const CEleDocSettings& settings,
                                const CNeighbours& neighbours);
    fw::CRect DoLayoutRefV1List(fw::CDC* pDC, const CEleDocSettings& settings) {
        return DoLayoutRefV1List(pDC, settings, CNeighbours{});
    }
    fw::CRect DoLayoutRefV4List(fw::CDC* pDC, const CEleDocSettings& settings,
                                const CNeighbours& neighbours);
    fw::CRect DoLayoutRefV4List(fw::CDC* pDC, const CEleDocSettings& settings) {
        return DoLayoutRefV4List(pDC, settings, CNeighbours{});
    }
    void DoDrawRefV1List(fw::CDC* pDC, const CEleDocSettings& settings);
    void DoDrawRefV4List(fw::CDC* pDC, const CEleDocSettings& settings);

    // The dialog edits the name and the calculation-point flag; turning the
    // flag on after a calculation sends the document back to mode 2.
    int32_t DoEditElement(const CEleEditContext& ctx);

    void Serialize(fw::CArchive& ar) override;

    // The half voltage of a single-phase bus, V / 2 in whole volts.
    int32_t GetHalfVoltage() const { return m_nVoltage / 2; }

    uint32_t m_nCalcPoint = 0;
    CCalcPoint m_calcPoint;

private:
    // The combined term's %R and %X for the mode (mode 1 less the
    // half-voltage pair) and the voltage they are converted at.
    void TotalOf(int mode, double& r, double& x, int32_t& voltage) const;
};
