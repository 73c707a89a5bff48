#pragma once

#include "app/calc/CCalcPoint.h"
#include "app/calc/CPercentZ.h"
#include "app/elements/frame/CEleFrame.h"

#include <cstdint>
#include <string>

// A generator feeding the low-voltage network below it (kind 6): rating,
// reactances and time constants, the short-circuit values derived from them,
// its term for the network reduction and the decayed current it feeds into a
// fault. The frequency is the document's; every caller passes it in.
class CEleGenerator : public CEleFrame {
public:
    CEleGenerator();
    CEleGenerator(const CEleGenerator&) = default;
    CEleGenerator& operator=(const CEleGenerator&) = default;
    ~CEleGenerator() override = default;

    void Serialize(fw::CArchive& ar) override;

    // --- machine values; currents in A, Ra in percent on the own capacity --
    double GetRatedCurrent() const;
    double GetStatorResistance(double f) const;
    double GetIkdSubtransient(double f) const;
    double GetIkdTransient(double f) const;
    double GetIacNoLoad(double f) const;
    double GetIacLoad(double f) const;
    double GetIacPeak(double f) const;

    // --- calculation --------------------------------------------------------
    // The machine's own term on the reference capacity.
    CPercentZ DoCalcPercentZ(double f, double baseCapacity) const;
    // The decayed AC short-circuit current (A) through r + jx, the network
    // between the machine and the fault in percent on the reference capacity.
    double DoCalcDecayCurrent(double f, double baseCapacity, double r, double x) const;
    // The equivalent %Z on the reference capacity of the machine alone, at
    // the voltage given; its %R and %X by the X/R of the own term; and the
    // same %Z on the generator's own capacity.
    double DoCalcPercentZFromCurrent(double f, double baseCapacity, double voltage) const;
    double GetEquivalentPercentZ(double f, double baseCapacity) const;
    double GetEquivalentPercentR(double f, double baseCapacity) const;
    double GetEquivalentPercentX(double f, double baseCapacity) const;
    double GetEquivalentPercentZRated(double f, double baseCapacity) const;
    // The same on the document's settings, as the element object asks.
    void DoCalcPercentZ(CPercentZ& result, const CEleDocSettings& settings) const;
    double DoCalcDecayCurrent(const CEleDocSettings& settings, double r, double x) const;
    // The calculation point's members.
    void DoSetCalcZ(CPercentZ& result, double baseCapacity, const CPercentZ* first,
                    const CPercentZ* second) {
        m_calcPoint.DoSetCalcZ(result, baseCapacity, first, second);
    }
    void DoSetCalcZ2(CPercentZ& result, double baseCapacity, const CPercentZ* first,
                     const CPercentZ* second) {
        m_calcPoint.DoSetCalcZ2(result, baseCapacity, first, second);
    }
    void DoSetCalcZ2Ex(CPercentZ& result, double baseCapacity, const CPercentZ* first,
                       const CPercentZ* second) {
        m_calcPoint.DoSetCalcZ2Ex(result, baseCapacity, first, second);
    }
    void DoClearCalcZ() { m_calcPoint.DoClearCalcZ(); }
    void DoClearCalcZ2() { m_calcPoint.DoClearCalcZ2(); }
    void DoClearCalcZ2Ex() { m_calcPoint.DoClearCalcZ2Ex(); }
    int32_t IsCalcPoint() const { return m_nCalcPoint == 1 ? 1 : 0; }
    double GetCapacity() const { return m_dCapacity; }

    // --- data -------------------------------------------------------------
    // X'd, X"d, Tdc and T"d of the equipment database by capacity; all 0
    // for a capacity not above 0 or without a row.
    void DoReadByCapacity(double capacity);
    // Name and number; the first time also voltage (the list database's
    // default low voltage when none is found below), earthing, wire system,
    // the default generator of the equipment database and its values.
    void DoInitNewElement(const CEleInitArgs& args);
    // Control id of the first bad value, 0 when all are good.
    uint32_t DoCheckData() const;

    // --- drawing and labels -----------------------------------------------
    void DoDrawSymbol(fw::CDC* pDC, int32_t mode);
    std::string DoGetTextLabelV1(const CEleDocSettings& settings) const;
    std::string DoGetTextLabelV4(const CEleDocSettings& settings) const;
    fw::CRect DoLayoutRefV1List(fw::CDC* pDC, const CEleDocSettings& settings);
    fw::CRect DoLayoutRefV4List(fw::CDC* pDC, const CEleDocSettings& settings);
    void DoDrawRefV1List(fw::CDC* pDC, const CEleDocSettings& settings);
    void DoDrawRefV4List(fw::CDC* pDC, const CEleDocSettings& settings);

    // The dialog edits a copy with its own frequency. On OK the frequency
    // change goes first to every element (ctx.setFrequency), then the copy
    // comes back; turning the calculation point on after a calculation
    // sends the document back to the check mode. 1, or kEditCancelled.
    int32_t DoEditElement(const CEleEditContext& ctx);

    // --- report texts; unit 1 appends the unit ------------------------------
    std::string DoGetTextVoltage(int unit) const;
    std::string DoGetTextCapacity(int unit) const;
    std::string DoGetTextEarthing() const;
    std::string DoGetTextRatedCurrent(int unit) const;
    std::string DoGetTextTransientReactance(int unit) const;
    std::string DoGetTextSubtransientReactance(int unit) const;
    std::string DoGetTextDcTimeConstant(int unit) const;
    std::string DoGetTextSubtransientTimeConstant(int unit) const;
    std::string DoGetTextStatorResistance(double f, int unit) const;
    std::string DoGetTextIkdSubtransient(double f) const;
    std::string DoGetTextIkdTransient(double f) const;
    std::string DoGetTextIacNoLoad(double f) const;
    std::string DoGetTextIacLoad(double f, int unit) const;
    std::string DoGetTextIacPeak(double f, int unit) const;
    std::string DoGetTextPercentZRated(double f, double baseCapacity, int unit) const;
    std::string DoGetTextPercentR(double f, double baseCapacity, int unit) const;
    std::string DoGetTextPercentX(double f, double baseCapacity, int unit) const;
    std::string DoGetTextPercentZ(double f, double baseCapacity, int unit) const;
    std::string DoGetTextTotalPercentR(int unit) const;
    std::string DoGetTextTotalPercentX(int unit) const;
    std::string DoGetTextTotalPercentZ(int unit) const;
    std::string DoGetTextTotalResistance(double baseCapacity, int unit) const;
    std::string DoGetTextTotalReactance(double baseCapacity, int unit) const;
    std::string DoGetTextTotalImpedance(double baseCapacity, int unit) const;
    std::string DoGetTextTotalIk3Sym(int unit) const;
    std::string DoGetTextTotalIk3Asym(int unit) const;
    std::string DoGetTextTotalIk3Peak(int unit) const;
    std::string DoGetTextResistance(double baseCapacity, int unit) const;
    std::string DoGetTextReactance(double baseCapacity, int unit) const;
    std::string DoGetTextImpedance(double baseCapacity, int unit) const;
    std::string DoGetTextDirectIk3Sym(int unit) const;
    std::string DoGetTextDirectIk3Asym(int unit) const;
    std::string DoGetTextDirectIk3Peak(int unit) const;

    double m_dCapacity = 0.0;           // P, kVA
    double m_dTransientReactance = 0.0; // X'd, % on P
    double m_dSubReactance = 0.0;       // X"d, % on P
    double m_dDcConstant = 0.0;         // Tdc, s
    double m_dSubConstant = 0.0;        // T"d, s
    uint32_t m_nCalcPoint = 0;          // 1: a calculation point
    CCalcPoint m_calcPoint;
};

// What the generator's dialog edits: a copy of the generator and the
// frequency of the document, which the dialog may change.
struct CGeneratorEdit {
    CEleGenerator generator;
    int32_t nFrequency = 50;
};
