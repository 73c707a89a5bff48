#pragma once

#include "app/calc/CCalcPoint.h"
#include "app/calc/CPercentZ.h"
#include "app/elements/conductors/CEleBusDuctBasic.h"
#include "app/elements/conductors/CEleBusDuctPhase.h"
#include "app/elements/frame/CEleFrame.h"

#include <cstdint>
#include <string>

// The bus-duct, element kind 15: a factory-made conductor whose data come
// whole from the bus-duct table, one row per material and rated current. A
// basic record carries the circuit, and three conductor groups the phases
// (1), the neutral (2) and the protective earth (3).
class CEleBusDuct : public CEleFrame {
public:
    CEleBusDuct();
    CEleBusDuct(const CEleBusDuct&) = default;
    CEleBusDuct& operator=(const CEleBusDuct&) = default;
    ~CEleBusDuct() override = default;

    // Pens first in memory order, the earthing code among the head words,
    // and the single-phase flag from 1.2; groups before 1.2 in their older
    // layout.
    void Serialize(fw::CArchive& ar) override;

    void DoInitNewElement(const CEleInitArgs& args);
    int32_t DoEditElement(const CEleEditContext& ctx);

    uint32_t GetWireSystem() const { return m_basic.m_nWireSystem; }
    uint32_t SetWireSystem(uint32_t code);
    int32_t IsSinglePhase() const { return static_cast<int32_t>(m_nSinglePhase); }
    void SetSinglePhase(int32_t flag) { m_nSinglePhase = static_cast<uint32_t>(flag); }

    int32_t GetHorizontal() const { return static_cast<int32_t>(m_nHorizontal); }
    int32_t IsHorizontal() const { return m_nHorizontal != 0 ? 1 : 0; }
    fw::CRect DoRotate(fw::CDC* pDC, int32_t mode);

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

    void DoReadZFromDB(int32_t frequency);

    void DoCalcPercentZ(CPercentZ& out, double baseCapacity, uint32_t group, uint32_t mode) const;
    void DoCalcPercentZ(CPercentZ& out, const CEleDocSettings& settings) const;
    void DoCalcPercentZNPE(CPercentZ& out, const CEleDocSettings& settings) const;

    double DoCalcVoltageDrop() const;

    int32_t DoCheckData(uint32_t* page = nullptr) const;
    int32_t DoCheckCurrentCapacity(double current, uint32_t group);

    void DoDrawSymbol(fw::CDC* pDC, int32_t mode);
    fw::CRect DoLayoutRefV1List(fw::CDC* pDC, const CEleDocSettings& settings);
    void DoDrawRefV1List(fw::CDC* pDC, const CEleDocSettings& settings);
    fw::CRect DoLayoutRefV4List(fw::CDC* pDC, const CEleDocSettings& settings);
    void DoDrawRefV4List(fw::CDC* pDC, const CEleDocSettings& settings);
    std::string GetTextLabel(int32_t mode) const;
    std::string GetTextLabelV4(double baseCapacity) const;

    // 1 when the value in use differs from the table's (and for a group
    // outside 1 to 3).
    int32_t IsChangedRPerMetre(uint32_t group) const;
    int32_t IsChangedXPerMetre(uint32_t group) const;

    CEleBusDuctPhase* GetGroup(uint32_t group);
    const CEleBusDuctPhase* GetGroup(uint32_t group) const;

    // Report texts; unit 1 appends the unit.
    std::string GetTextGroupName(uint32_t group) const;
    std::string GetTextVoltage(int unit) const;
    std::string GetTextMaterial() const;
    std::string GetTextInsulation() const;
    std::string GetTextMaxTemp(int unit) const;
    std::string GetTextAmbientTemp(int unit) const;
    std::string GetTextLoadCurrent(int unit) const;
    std::string GetTextVoltageDrop(int unit) const;
    std::string GetTextLength(int unit) const;
    std::string GetTextSize(uint32_t group) const;
    std::string GetTextIz(uint32_t group, int unit) const;
    std::string GetTextWidth(uint32_t group, int unit) const;
    std::string GetTextThickness(uint32_t group, int unit) const;
    std::string GetTextNumber(uint32_t group) const;
    std::string GetTextRPerMetre(uint32_t group, int unit) const;
    std::string GetTextXPerMetre(uint32_t group, int unit) const;
    std::string GetTextZPerMetre(uint32_t group, int unit) const;
    std::string GetTextR(uint32_t group, int unit) const;
    std::string GetTextX(uint32_t group, int unit) const;
    std::string GetTextZ(uint32_t group, int unit) const;
    std::string GetTextPercentRByGroup(uint32_t group, int mode, double baseCapacity,
                                       int unit) const;
    std::string GetTextPercentXByGroup(uint32_t group, int mode, double baseCapacity,
                                       int unit) const;
    std::string GetTextPercentZByGroup(uint32_t group, int mode, double baseCapacity,
                                       int unit) const;
    // Shared by the three conductors: they read the calculation point only.
    std::string GetTextPercentZ(int mode, int unit) const;
    std::string GetTextOhmR(int mode, double baseCapacity, int unit) const;
    std::string GetTextIkSinglePhaseSym(int mode, int unit) const;
    std::string GetTextIkSinglePhaseAsym(int mode, int unit) const;
    std::string GetTextPercentXTotal(int unit) const;
    std::string GetTextPercentZTotal(int unit) const;
    std::string GetTextIk1PETotal(int unit) const;
    std::string GetTextIk3Peak(int unit) const;

    uint32_t m_nHorizontal = 0; // 0 vertical, 1 horizontal
    uint32_t m_nCalcPoint = 0;  // 1: a calculation point
    uint32_t m_nActivePage = 0; // the sheet's page shown last
    CCalcPoint m_calcPoint;
    CEleBusDuctBasic m_basic;
    CEleBusDuctPhase m_phase3;  // group 1
    CEleBusDuctPhase m_phaseN;  // group 2
    CEleBusDuctPhase m_phasePE; // group 3
};
