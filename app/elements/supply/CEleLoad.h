#pragma once

#include "app/elements/frame/CEleFrame.h"

#include <cstdint>
#include <string>

// A general load (kind 13) at the end of a branch: load current, power
// factor, starting current and time. No impedance, no calculation point, no
// curve.
class CEleLoad : public CEleFrame {
public:
    CEleLoad();
    CEleLoad(const CEleLoad&) = default;
    CEleLoad& operator=(const CEleLoad&) = default;
    ~CEleLoad() override = default;

    void Serialize(fw::CArchive& ar) override;

    int32_t IsSinglePhase() const { return m_nSinglePhase == 1 ? 1 : 0; }
    void SetSinglePhase(int32_t flag) { m_nSinglePhase = static_cast<uint32_t>(flag); }

    // Power factor, starting multiple and starting time of the load class
    // of the equipment database that fits the load current; all 0 without a
    // row.
    void DoReadByLoadCurrent();
    // Name and number; the first time also the voltage above, earthing,
    // wire system, IL 0, lagging, power factor 0.7.
    void DoInitNewElement(const CEleInitArgs& args);
    uint32_t DoCheckData() const;
    // 1 when IL does not exceed the breaker's rating (A).
    int32_t IsOkRatedCurrent(double rating) const;

    void DoDrawSymbol(fw::CDC* pDC, int32_t mode);
    std::string DoGetTextLabelV1() const;
    fw::CRect DoLayoutRefV1List(fw::CDC* pDC, const CEleDocSettings& settings);
    fw::CRect DoLayoutRefV4List(fw::CDC* pDC, const CEleDocSettings& settings);
    void DoDrawRefV1List(fw::CDC* pDC, const CEleDocSettings& settings);
    void DoDrawRefV4List(fw::CDC* pDC, const CEleDocSettings& settings);

    int32_t DoEditElement(const CEleEditContext& ctx);

    // Report texts; unit 1 appends the unit.
    std::string GetTextVoltage(int unit) const;
    std::string GetTextLoadCurrent(int unit) const;
    std::string GetTextPowerFactor() const;
    std::string GetTextStartingTimes(int unit) const;
    std::string GetTextStartingCurrent(int unit) const;
    std::string GetTextStartingTime(int unit) const;
    std::string GetTextPhaseAngle(int unit) const;

    double m_dLoadCurrent = 0.0; // IL, A
    double m_dPowerFactor = 0.0;
    uint32_t m_nLeading = 0;         // 1 leading, 0 lagging
    double m_dStartingCurrent = 0.0; // multiple of IL
    double m_dStartingTime = 0.0;    // s
};
