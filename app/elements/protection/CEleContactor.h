#pragma once

#include "app/elements/frame/CEleFrame.h"
#include "app/elements/protection/ProtectPoint.h"
#include "breakerdata/model/CInfoBase.h"
#include "breakerdata/model/CReadBase.h"

#include <cstdint>
#include <string>

// The contactor (kind 11): a device type from the breaker database whose
// thermal current Ith is shown, its poles, the earthing and wire system of
// its circuit and an optional calculation point. It has no curve and no
// impedance of its own.
class CEleContactor : public CEleFrame, public CProtectPoint {
public:
    CEleContactor();
    // Every stored field; the reference data is read again, not copied.
    CEleContactor(const CEleContactor& other);
    CEleContactor& operator=(const CEleContactor& other);
    ~CEleContactor() override;

    // Name "MC<number>"; the first time also the type's voltage, earthing
    // and wire system (defaults of the list database when none is given),
    // class code 4, 3 poles and the class's default device, after which the
    // element is no calculation point.
    void DoInitNewElement(const CEleInitArgs& args);
    // Nothing of the contactor's data can be wrong once its dialog closed.
    int32_t DoCheckData() const { return 0; }

    // The circuit voltage is the device type's.
    int32_t GetVoltage(int32_t side = 0) const;
    int32_t SetVoltage(int32_t volts, int32_t side = 0);
    int32_t IsSinglePhase() const { return m_nSinglePhase == 1 ? 1 : 0; }
    void SetSinglePhase(int32_t flag) { m_nSinglePhase = static_cast<uint32_t>(flag); }
    int32_t GetPoles() const { return static_cast<int32_t>(m_nPoles); }

    // Report texts.
    std::string DoGetTextTypeName() const { return m_infoBase.m_strTypeName; }
    std::string DoGetTextIth(int unit) const;
    std::string DoGetTextPoles(int unit) const;
    std::string DoGetTextVoltage(int unit) const;
    std::string DoGetTextIk1Sym(int mode, int unit) const;
    std::string DoGetTextIk1Asym(int mode, int unit) const;
    std::string DoGetTextIk1Peak(int mode, int unit) const;
    std::string DoGetTextTotalPercentX(int mode, int unit) const;
    std::string DoGetTextTotalResistance(int mode, double baseCapacity, int unit) const;
    std::string DoGetTextTotalReactance(int mode, double baseCapacity, int unit) const;
    std::string DoGetTextTotalImpedance(int mode, double baseCapacity, int unit) const;
    std::string DoGetTextTotalIk3Sym(int unit) const;
    std::string DoGetTextTotalIk3Asym(int unit) const;
    std::string DoGetTextTotalIk3Peak(int unit) const;
    // Type name and Ith; after a calculation (mode 3 on) at a calculation
    // point the short-circuit lines.
    std::string DoGetLabelText(int32_t documentMode) const;

    // mode 0 the skeleton (magenta while the error mark is 1 on screen),
    // 1 the impedance map.
    void DoDrawSymbol(fw::CDC* pDC, int32_t mode);
    fw::CRect DoLayoutRefV1List(fw::CDC* pDC, const CEleDocSettings& settings);
    fw::CRect DoLayoutRefV4List(fw::CDC* pDC, const CEleDocSettings& settings);
    void DoDrawRefV1List(fw::CDC* pDC, const CEleDocSettings& settings);
    void DoDrawRefV4List(fw::CDC* pDC, const CEleDocSettings& settings);

    // The dialog on a copy; on OK, a calculation point switched on after a
    // calculation takes the document back to checking the skeleton.
    int32_t DoEditElement(const CEleEditContext& ctx);

    void Serialize(fw::CArchive& ar) override;

    uint32_t m_nPoles = 0;
    CInfoBase m_infoBase; // the device type, its voltage the circuit's
    CReadBase m_readBase; // not stored
};
