#pragma once

#include "app/calc/CCalcPoint.h"
#include "app/calc/CPercentZ.h"
#include "app/elements/conductors/CEleWireBasic.h"
#include "app/elements/conductors/CEleWirePhase.h"
#include "app/elements/frame/CEleFrame.h"
#include "app/elements/frame/LetThrough.h"

#include <cstdint>
#include <string>

// The wire (cable), element kind 10: a conductor computed from the formulas
// of IEC 60364-5-52 and the equipment tables of cable geometry, ampacity
// coefficients and grouping factors. Its basic record carries the circuit,
// and three conductor groups the phases (1), the neutral (2) and the
// protective earth (3); the wire system says which groups take part.
class CEleWire : public CEleFrame {
public:
    CEleWire();
    CEleWire(const CEleWire&) = default;
    CEleWire& operator=(const CEleWire&) = default;
    ~CEleWire() override = default;

    void Serialize(fw::CArchive& ar) override;

    // Name and number; the first time also the circuit, the basic defaults
    // and each group's default size.
    void DoInitNewElement(const CEleInitArgs& args);
    // The property sheet on a copy; 1 on OK, kEditCancelled otherwise.
    int32_t DoEditElement(const CEleEditContext& ctx);

    // The wire system lives in the basic record.
    uint32_t GetWireSystem() const { return m_basic.m_nWireSystem; }
    uint32_t SetWireSystem(uint32_t code);
    // A changed earthing code also gives the wire system its default.
    uint32_t SetEarthingSystem(uint32_t code);
    int32_t IsSinglePhase() const { return static_cast<int32_t>(m_nSinglePhase); }
    void SetSinglePhase(int32_t flag) { m_nSinglePhase = static_cast<uint32_t>(flag); }

    int32_t GetHorizontal() const { return static_cast<int32_t>(m_nHorizontal); }
    int32_t IsHorizontal() const { return m_nHorizontal != 0 ? 1 : 0; }
    // Turns the symbol by 90 degrees onto the grid and lays the labels out
    // again for the document mode; the new rectangle.
    fw::CRect DoRotate(fw::CDC* pDC, int32_t mode);

    // Calculation point.
    int32_t IsCalcPoint() const { return m_nCalcPoint == 1 ? 1 : 0; }
    void DoSetCalcZ(CPercentZ& out, double baseCapacity, const CPercentZ* first,
                    const CPercentZ* second) {
        m_calcPoint.DoSetCalcZ(out, baseCapacity, first, second);
    }
    void DoSetCalcZ2(CPercentZ& out, double baseCapacity, const CPercentZ* first,
                     const CPercentZ* second) {
        m_calcPoint.DoSetCalcZ2(out, baseCapacity, first, second);
    }
    void DoSetCalcZ2Ex(CPercentZ& out, double baseCapacity, const CPercentZ* first,
                       const CPercentZ* second) {
        m_calcPoint.DoSetCalcZ2Ex(out, baseCapacity, first, second);
    }
    void DoClearCalcZ() { m_calcPoint.DoClearCalcZ(); }
    void DoClearCalcZ2() { m_calcPoint.DoClearCalcZ2(); }
    void DoClearCalcZ2Ex() { m_calcPoint.DoClearCalcZ2Ex(); }

    // A new frequency: reactances that the user did not type follow it.
    void DoReadZFromDB(int32_t frequency);

    // The percent impedance of a group on the base capacity (kVA); mode 1
    // and 2 are the single-phase circuit's loops at V/2 and at V.
    void DoCalcPercentZ(CPercentZ& out, double baseCapacity, uint32_t group, uint32_t mode) const;
    // What the element object asks: the phase group in mode 2, and the N
    // and PE groups together.
    void DoCalcPercentZ(CPercentZ& out, const CEleDocSettings& settings) const;
    void DoCalcPercentZNPE(CPercentZ& out, const CEleDocSettings& settings) const;

    // Voltage drop of the design current at power factor 1, in percent.
    double DoCalcVoltageDrop() const;

    // The control id of the first invalid value, 0 when all are valid.
    // group null or 0 checks every group the wire system has, 1 to 3 that
    // group alone; the failing group is written back.
    int32_t DoCheckData(uint32_t* group = nullptr) const;
    // The basic values alone (the Basic page's part of the check).
    int32_t DoCheckBasic() const;
    // The sizes a group may take: the phases by material and core kind; the
    // N and PE minima follow the phase group.
    void GetGroupSizeRange(uint32_t group, double& minSize, double& maxSize) const;

    // Whether the group carries the current; sets or clears the error mark.
    int32_t DoCheckCurrentCapacity(double current, uint32_t group);

    // Drawing and labels.
    void DoDrawSymbol(fw::CDC* pDC, int32_t mode);
    fw::CRect DoLayoutRefV1List(fw::CDC* pDC, const CEleDocSettings& settings);
    void DoDrawRefV1List(fw::CDC* pDC, const CEleDocSettings& settings);
    fw::CRect DoLayoutRefV4List(fw::CDC* pDC, const CEleDocSettings& settings);
    void DoDrawRefV4List(fw::CDC* pDC, const CEleDocSettings& settings);
    std::string GetTextLabel(int32_t mode) const;
    std::string GetTextNameLine() const;
    std::string GetTextImpedance(double baseCapacity) const;

    // Whether the value in use of a group differs from the calculated one
    // (1 also for a group number outside 1 to 3).
    int32_t IsChangedRPerMetre(uint32_t group) const;
    int32_t IsChangedDiameter(uint32_t group) const;
    int32_t IsChangedInsulation(uint32_t group) const;
    int32_t IsChangedCentreDistance(uint32_t group) const;
    int32_t IsChangedXPerMetre(uint32_t group) const;
    int32_t IsChangedBasicCurrent(uint32_t group) const;
    int32_t IsChangedAmbientFactor(uint32_t group) const;
    int32_t IsChangedGroupFactor(uint32_t group) const;

    // The group 1 to 3, null for another number.
    CEleWirePhase* GetGroup(uint32_t group);
    const CEleWirePhase* GetGroup(uint32_t group) const;

    // Report texts; unit 1 appends the unit. Group getters give an empty
    // text for a group outside 1 to 3.
    std::string GetTextGroupName(uint32_t group) const;
    std::string GetTextMaterial() const;
    std::string GetTextInsulation() const;
    std::string GetTextCoreKind() const;
    std::string GetTextInstallMethod() const;
    std::string GetTextCircuitCount() const;
    std::string GetTextAmbientTemp(int unit) const;
    std::string GetTextLoadCurrent(int unit) const;
    std::string GetTextVoltage(int unit) const;
    std::string GetTextLength(int unit) const;
    std::string GetTextVoltageDrop(int unit) const;
    std::string GetTextCoreSize(uint32_t group, int unit) const;
    std::string GetTextCoreCount(uint32_t group) const;
    std::string GetTextDiameter(uint32_t group, int unit) const;
    std::string GetTextInsulationThickness(uint32_t group, int unit) const;
    std::string GetTextCentreDistance(uint32_t group, int unit) const;
    std::string GetTextRPerMetre(uint32_t group, int unit) const;
    std::string GetTextXPerMetre(uint32_t group, int unit) const;
    std::string GetTextRPerMetrePhase(uint32_t group, int unit) const;
    std::string GetTextXPerMetrePhase(uint32_t group, int unit) const;
    std::string GetTextZPerMetrePhase(uint32_t group, int unit) const;
    std::string GetTextR(uint32_t group, int unit) const;
    std::string GetTextX(uint32_t group, int unit) const;
    std::string GetTextZ(uint32_t group, int unit) const;
    std::string GetTextBasicCurrent(uint32_t group, int unit) const;
    std::string GetTextAmbientFactor(uint32_t group) const;
    std::string GetTextGroupFactor(uint32_t group) const;
    std::string GetTextIz(uint32_t group, int unit) const;
    std::string GetTextPercentRByGroup(uint32_t group, int mode, double baseCapacity,
                                       int unit) const;
    std::string GetTextPercentXByGroup(uint32_t group, int mode, double baseCapacity,
                                       int unit) const;
    std::string GetTextPercentZByGroup(uint32_t group, int mode, double baseCapacity,
                                       int unit) const;
    std::string GetTextPercentX(int mode, int unit) const;
    std::string GetTextOhmX(int mode, int unit) const;
    std::string GetTextPercentRTotal(int unit) const;
    std::string GetTextOhmRTotal(int unit) const;
    std::string GetTextOhmXTotal(int unit) const;
    std::string GetTextIk1NTotal(int unit) const;
    std::string GetTextIk2Total(int unit) const;
    std::string GetTextIkPeakSinglePhase(int mode, int unit) const;
    std::string GetTextForceNm(int unit) const;
    std::string GetTextForceKgf(int unit) const;
    // Shared by the three conductors: they read the calculation point only.
    std::string GetTextPercentZ(int mode, int unit) const;
    std::string GetTextOhmR(int mode, double baseCapacity, int unit) const;
    std::string GetTextIkSinglePhaseSym(int mode, int unit) const;
    std::string GetTextIkSinglePhaseAsym(int mode, int unit) const;
    std::string GetTextPercentXTotal(int unit) const;
    std::string GetTextPercentZTotal(int unit) const;
    std::string GetTextIk1PETotal(int unit) const;
    std::string GetTextIk3Peak(int unit) const;

    // --- protection against short circuit by the breaker above ----------------
    // k of the adiabatic equation for the group (1 phases, 2 N, 3 PE) by
    // material, insulation and core kind; 0 outside the table.
    double GetCoefficientK(uint32_t group) const;
    // The energy of the wire's own fault current of the group over its
    // duration (group 1 with check mode 1: the breaker's I2t value).
    double GetLetThroughEnergy(double frequency, const CLetThroughSource& breaker,
                               uint32_t group) const;
    // The energy the check compares for the group: the wire's own or the
    // breaker's, by the stored energy source and check mode.
    double GetGroupEnergy(double frequency, const CLetThroughSource& breaker, uint32_t group) const;
    // 1 when the group's size withstands the energy (A2s).
    int32_t IsOkMinSize(uint32_t group, double energy) const;
    // The checks: each records its settings, marks the wire and returns the
    // first failing group (0 when every group passes). The energy check
    // tells why the breaker gave no energy when messages is 1.
    uint32_t DoCheckProtectByEnergy(double frequency, const CLetThroughSource& breaker,
                                    uint32_t source, int32_t messages);
    uint32_t DoCheckProtectByI2t(double frequency, const CLetThroughSource& breaker,
                                 uint32_t source);
    std::string GetTextCoefficientK(uint32_t group) const;
    std::string GetTextDuration(uint32_t group, double frequency, int unit) const;
    std::string GetTextLetThrough(double frequency, const CLetThroughSource& breaker,
                                  uint32_t group, int unit) const;
    std::string GetTextMinSize(double frequency, const CLetThroughSource& breaker, uint32_t group,
                               int unit) const;
    std::string GetTextProtectResult(double frequency, const CLetThroughSource& breaker,
                                     uint32_t group) const;

    uint32_t m_nHorizontal = 0; // 0 vertical, 1 horizontal
    uint32_t m_nCalcPoint = 0;  // 1: a calculation point
    uint32_t m_nActivePage = 0; // the sheet's page shown last
    CCalcPoint m_calcPoint;
    CEleWireBasic m_basic;
    CEleWirePhase m_phase3;  // group 1, the phases
    CEleWirePhase m_phaseN;  // group 2
    CEleWirePhase m_phasePE; // group 3
    // The short-circuit protection check of the wire (set by that check).
    uint32_t m_nFailingGroup = 0; // 0 none, 1 phases, 2 N, 3 PE
    uint32_t m_nCheckDone = 0;
    double m_dDuration[3] = {0.0, 0.0, 0.0}; // phases, N, PE: cycles of the frequency
    uint32_t m_nCheckMode = 0;               // 1 by let-through energy, 0 by I2t
    uint32_t m_nEnergySource = 0;            // 1 the wire's own fault currents

private:
    double GroupR(uint32_t group) const; // R/m x L / cores, mohms
    double GroupX(uint32_t group) const;
};
