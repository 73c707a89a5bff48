#pragma once

#include "app/calc/CPercentZ.h"
#include "app/elements/frame/CEleFrame.h"

#include <cstdint>
#include <string>

// The utility supply feeding the installation (kind 4): its voltage (the
// frame's), its short-circuit capacity and X/R ratio, turned into a percent
// impedance on the calculation's reference capacity. It has no calculation
// point.
class CEleSource : public CEleFrame {
public:
    CEleSource();
    CEleSource(const CEleSource&) = default;
    CEleSource& operator=(const CEleSource&) = default;
    ~CEleSource() override;

    // Percent impedance on the reference capacity P (kVA): only the phase
    // pair is set, every other value of the term stays 0.
    void DoCalcPercentZ(CPercentZ& result, double baseCapacity) const;
    void DoCalcPercentZ(CPercentZ& result, const CEleDocSettings& settings) const {
        DoCalcPercentZ(result, settings.dBaseCapacity);
    }
    double GetPercentZ(double baseCapacity) const;
    double GetPercentR(double baseCapacity) const;
    double GetPercentX(double baseCapacity) const;
    // The network's impedance in milliohms at the source voltage.
    double GetOhmZ(double baseCapacity) const;
    double GetOhmR(double baseCapacity) const;
    double GetOhmX(double baseCapacity) const;

    // The short-circuit capacity in kVA.
    double GetCapacity() const { return m_nCapacity * 1000.0; }

    // Control id of the first bad value (1089, 1110, 1086), 0 when all are
    // good.
    int32_t DoCheckData() const;

    void DoInitNewElement(const CEleInitArgs& args);

    // Report and dialog texts; unit 1 appends the unit text.
    std::string DoGetTextVoltage(int unit) const;
    std::string DoGetTextCapacity(int unit) const;
    std::string DoGetTextXR() const;
    std::string DoGetTextResistance(double baseCapacity, int unit) const;
    std::string DoGetTextReactance(double baseCapacity, int unit) const;
    std::string DoGetTextImpedance(double baseCapacity, int unit) const;
    std::string DoGetTextPercentR(double baseCapacity, int unit) const;
    std::string DoGetTextPercentX(double baseCapacity, int unit) const;
    std::string DoGetTextPercentZ(double baseCapacity, int unit) const;

    // Skeleton label: voltage, capacity, X/R and the document's frequency;
    // impedance-map label: %Z, =%R, +j%X on the reference capacity.
    std::string DoGetTextLabelV1(int32_t frequency) const;
    std::string DoGetTextLabelV4(double baseCapacity) const;

    // The symbol: mode 0 the skeleton, 1 the impedance map.
    void DoDrawSymbol(fw::CDC* pDC, int32_t mode);
    fw::CRect DoLayoutRefV1List(fw::CDC* pDC, const CEleDocSettings& settings);
    fw::CRect DoLayoutRefV4List(fw::CDC* pDC, const CEleDocSettings& settings);
    void DoDrawRefV1List(fw::CDC* pDC, const CEleDocSettings& settings);
    void DoDrawRefV4List(fw::CDC* pDC, const CEleDocSettings& settings);

    // The dialog edits the source and the document's frequency. A new
    // frequency goes to the document, which passes it to every element.
    int32_t DoEditElement(const CEleEditContext& ctx);

    // Rectangle, pen, name and head words, voltage, capacity, X/R, the
    // placements, then earthing and wire system (from 1.1) and the error
    // mark (from 1.15).
    void Serialize(fw::CArchive& ar) override;

    int32_t m_nCapacity = 0; // short-circuit capacity, MVA
    double m_dXR = 0.0;
};

// What the source's dialog edits: a copy of the source and the document's
// frequency. The dialog seam of the source runs on this.
struct CEleSourceEdit {
    CEleSource source;
    int32_t nFrequency = 50; // Hz
};
