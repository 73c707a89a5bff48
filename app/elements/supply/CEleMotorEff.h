#pragma once

#include "app/calc/CCalcPoint.h"
#include "app/calc/CPercentZ.h"
#include "app/elements/frame/CEleFrame.h"

#include <cstdint>
#include <string>

// The motor effect (kind 7): the running motors below a network point taken
// as one equivalent machine that feeds back into a fault. Its values come
// from its rating, sub-transient reactance and rotor and stator resistances.
class CEleMotorEff : public CEleFrame {
public:
    CEleMotorEff();
    CEleMotorEff(const CEleMotorEff&) = default;
    CEleMotorEff& operator=(const CEleMotorEff&) = default;
    ~CEleMotorEff() override = default;

    void Serialize(fw::CArchive& ar) override;

    // Machine values; currents in A, impedances in percent on the own
    // capacity, time constants in s.
    double GetRatedCurrent() const;
    double GetSubtransientImpedance() const;
    double GetSubtransientTimeConstant(double f) const;
    double GetDcTimeConstant(double f) const;
    double GetInitialCurrent() const;
    double GetIacm(double f) const;
    double GetIacPeak(double f) const;

    // The own term on the reference capacity: %R from Rr + Rs, %X from X"m
    // and the stator share that the decay's X/R leaves out.
    CPercentZ DoCalcPercentZ(double baseCapacity) const;
    // The decayed current (A) through r + jx between the machine and the
    // fault, percent on the reference capacity.
    double DoCalcDecayCurrent(double f, double baseCapacity, double r, double x) const;
    double DoCalcPercentZFromCurrent(double f, double baseCapacity, double voltage) const;
    double GetEquivalentPercentR(double f, double baseCapacity) const;
    double GetEquivalentPercentX(double f, double baseCapacity) const;
    double GetEquivalentPercentZ(double f, double baseCapacity) const;
    double GetEquivalentPercentZRated(double f, double baseCapacity) const;
    // X/R of the own term; 0 without resistance.
    double GetRatioXR(double baseCapacity) const;

    // The same on the document's settings, as the element object asks.
    void DoCalcPercentZ(CPercentZ& result, const CEleDocSettings& settings) const;
    double DoCalcDecayCurrent(const CEleDocSettings& settings, double r, double x) const;
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

    // X"m, Rr and Rs from the equipment database by capacity: all 0 for a
    // capacity not above 0; a capacity without a row keeps them.
    void DoReadByCapacity(double capacity);
    // Name and number; the first time also the voltage found above (0 too),
    // 80 % of the supply capacity above and the equipment values for it.
    void DoInitNewElement(const CEleInitArgs& args);
    uint32_t DoCheckData() const;

    // --- drawing and labels -----------------------------------------------
    void DoDrawSymbol(fw::CDC* pDC, int32_t mode);
    std::string DoGetTextLabelV1(const CEleDocSettings& settings) const;
    std::string DoGetTextLabelV4(const CEleDocSettings& settings) const;
    fw::CRect DoLayoutRefV1List(fw::CDC* pDC, const CEleDocSettings& settings);
    fw::CRect DoLayoutRefV4List(fw::CDC* pDC, const CEleDocSettings& settings);
    void DoDrawRefV1List(fw::CDC* pDC, const CEleDocSettings& settings);
    void DoDrawRefV4List(fw::CDC* pDC, const CEleDocSettings& settings);

    // The dialog edits a copy; turning the calculation point on after a
    // calculation sends the document back to the check mode.
    int32_t DoEditElement(const CEleEditContext& ctx);

    // --- report texts; unit 1 appends the unit ------------------------------
    std::string DoGetTextVoltage(int unit) const;
    std::string DoGetTextCapacity(int unit) const;
    std::string DoGetTextSubtransientReactance(int unit) const;
    std::string DoGetTextRotorResistance(int unit) const;
    std::string DoGetTextStatorResistance(int unit) const;
    std::string DoGetTextRatedCurrent(int unit) const;
    std::string DoGetTextSubtransientImpedance(int unit) const;
    std::string DoGetTextDcTimeConstant(double f, int unit) const;
    std::string DoGetTextSubtransientTimeConstant(double f, int unit) const;
    std::string DoGetTextInitialCurrent(int unit) const;
    std::string DoGetTextIacm(double f, int unit) const;
    std::string DoGetTextIacPeak(double f, int unit) const;
    std::string DoGetTextXR(double baseCapacity) const;
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

    double m_dCapacity = 0.0;         // kVA
    double m_dSubReactance = 0.0;     // X"m, %
    double m_dRotorResistance = 0.0;  // Rr, %
    double m_dStatorResistance = 0.0; // Rs, %
    uint32_t m_nCalcPoint = 0;
    CCalcPoint m_calcPoint;
};
