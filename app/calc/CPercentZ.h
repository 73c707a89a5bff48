#pragma once

#include "framework/Archive.h"
#include "framework/Geometry.h"

#include <cstdint>

class CObjElement;
class CRotatingMachine;

// One impedance term of the short-circuit calculation, in percent on the
// calculation's base capacity: an element's own term, a node of the network
// reduction (with the symbol rectangle by which its neighbours are found) or
// a stored value of a calculation point.
class CPercentZ : public fw::CObject {
    FW_DECLARE_SERIAL(CPercentZ)
public:
    // Kinds of a node besides the element kinds (4, 5, 6, 7, 8, 16).
    static constexpr uint32_t kindBranch = 100;

    CPercentZ() = default;
    CPercentZ(const CPercentZ&) = default;
    CPercentZ& operator=(const CPercentZ&) = default;
    ~CPercentZ() override = default;

    // Zeroes the identity and working fields and keeps every double.
    void DoClear();

    double GetZ() const;
    double GetZN() const;
    double GetZPE() const;
    // The half-voltage (outer-to-middle) loop of a single-phase three-wire
    // circuit: the phase values less the half-voltage difference pair.
    double GetZLoop() const;

    // this += other.
    void DoAddSeries(const CPercentZ& other);
    void DoAddN(const CPercentZ& other);
    void DoAddPE(const CPercentZ& other);

    // this := this parallel to other.
    void DoParallel(const CPercentZ& other);
    void DoParallelN(const CPercentZ& other);
    void DoParallelPE(const CPercentZ& other);

    // The terminals of a node by its kind; the reductions ask them for
    // every candidate of every neighbour search.
    bool HasUpperTerminal() const {
        return m_nKind == 5 || m_nKind == 7 || m_nKind == 8 || m_nKind == 16 ||
               m_nKind == kindBranch;
    }
    bool HasLowerTerminal() const {
        return m_nKind == 4 || m_nKind == 5 || m_nKind == 6 || m_nKind == 8 || m_nKind == 16 ||
               m_nKind == kindBranch;
    }
    bool HasSideTerminal() const { return m_nKind == 8 || m_nKind == kindBranch; }

    // Called on the fault-point node: writes its junction flags into both
    // result terms of the reduction.
    void DoSetSideFlags(CPercentZ& sourceSide, CPercentZ& motorSide) const;

    // A generator (kind 6) or motor-effect (kind 7) node takes the equivalent
    // impedance of the machine's decayed short-circuit current; nodes of any
    // other kind, or without a machine, stay as they are. baseCapacity is the
    // skeleton's reference capacity in kVA.
    void DoSetByElement(double baseCapacity, const CRotatingMachine* machine);

    void Serialize(fw::CArchive& ar) override;

    uint32_t m_nKind = 0;
    fw::CRect m_rect;
    uint32_t m_nFaultPoint = 0;
    uint32_t m_nChainDirection = 0; // 0 summed along a vertical chain, 1 sideways
    double m_dR = 0.0;
    double m_dX = 0.0;
    double m_dRMotor = 0.0; // the share of %R left out of a motor effect's X/R
    uint32_t m_nJunctionAbove = 0;
    uint32_t m_nJunctionBelow = 0;
    double m_dRN = 0.0;
    double m_dXN = 0.0;
    double m_dRPE = 0.0;
    double m_dXPE = 0.0;
    double m_dRHalf = 0.0;
    double m_dXHalf = 0.0;

    // Working data of one calculation, never stored and never owned.
    CObjElement* m_pElement = nullptr;
    CObjElement* m_pLinkUp = nullptr;
    CObjElement* m_pLinkDown = nullptr;
    CObjElement* m_pLinkSide128 = nullptr;
    CObjElement* m_pLinkSide32 = nullptr;
};
