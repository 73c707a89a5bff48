#pragma once

#include "app/elements/frame/CEleFrame.h"
#include "app/elements/protection/AdjustOwner.h"
#include "app/elements/protection/ProtectPoint.h"
#include "app/protection/CObjAdjust.h"

#include <cstdint>
#include <string>

class CInfoBase;

// The high-voltage circuit breaker (kind 1) with its over-current relay: the
// relay product, its dial settings, the CT ratio and the circuit voltage are
// the characteristic's (the first of its list; only that one is used). The
// breaker adds no impedance; its calculation point receives the results at
// its place.
class CEleHVCB : public CEleFrame, public CProtectPoint, public CAdjustOwner {
public:
    CEleHVCB();
    CEleHVCB(const CEleHVCB& other);
    CEleHVCB& operator=(const CEleHVCB& other);
    ~CEleHVCB() override;

    // The characteristic; null when the list is empty.
    CObjAdjust* GetAdjust() const { return m_listAdjust.GetAt(0); }
    CObjAdjust* DoAddNewObjAdjust() { return m_listAdjust.DoAddNewObjAdjust(); }
    const CInfoBase* GetFirstInfoBase() const;
    int32_t GetTypeID() const;

    // Name "HCB<number>". Unless keep is 1 and when there is a
    // characteristic: its high-voltage defaults for the frequency and
    // voltage, and the first time the earthing and wire system (the list
    // database's defaults when none is given), ON and no calculation point.
    void DoSetDefault(const CEleInitArgs& args, int32_t keep);
    void DoInitNewElement(const CEleInitArgs& args) { DoSetDefault(args, 0); }

    // The circuit voltage and the CT currents are the characteristic's
    // selection (0 without one). Setting the voltage sets it on every
    // characteristic; below 1 it is refused and comes back.
    int32_t GetVoltage(int32_t side = 0) const;
    int32_t SetVoltage(int32_t volts, int32_t side = 0);
    int32_t GetCT1Current() const;
    int32_t GetCT2Current() const;
    double GetCapacity() const { return m_dBreakingCapacity; }
    int32_t IsOff() const { return m_nOff == 1 ? 1 : 0; }
    // A calculation point while its flag is 1 and it is not switched off.
    int32_t IsCalcPoint() const { return m_nCalcPoint == 1 && m_nOff != 1 ? 1 : 0; }
    // The first bad value's control: voltage 1089, rated current 1100,
    // breaking capacity 1106, CT primary 1101, CT secondary 1102; 0 when all
    // are good or there is no characteristic.
    int32_t DoCheckData() const;

    // The fill of the symbol: white on paper, magenta for the error mark
    // (unless highlight is 1), green while switched off, else white.
    fw::COLORREF GetFillColour(bool printing, int32_t highlight) const;
    void DoDrawSymbol(fw::CDC* pDC, int32_t highlight);
    // "OFF"; the CT ratio, the relay type and the breaking capacity; after
    // a calculation (mode 3 on) at a calculation point the total I"k3.
    std::string DoGetLabelText(int32_t documentMode) const;
    // The impedance map shows only "OFF".
    std::string DoGetLabelTextV4() const { return m_nOff == 1 ? DoGetTextOnOff(0) : std::string(); }
    fw::CRect DoLayoutRefV1List(fw::CDC* pDC, const CEleDocSettings& settings);
    fw::CRect DoLayoutRefV4List(fw::CDC* pDC, const CEleDocSettings& settings);
    void DoDrawRefV1List(fw::CDC* pDC, const CEleDocSettings& settings);
    void DoDrawRefV4List(fw::CDC* pDC, const CEleDocSettings& settings);

    // The dialog on a copy: 2 without a characteristic. On OK the curves are
    // read and computed again for the document's frequency; switching the
    // breaker on or off, or making it a calculation point, after a
    // calculation takes the document back to checking the skeleton.
    int32_t DoEditElement(const CEleEditContext& ctx);

    // Report texts (unit 1 appends the unit).
    std::string DoGetTextVoltage(int unit) const;
    std::string DoGetTextRatedCurrent(int unit) const;
    std::string DoGetTextBreakingCapacity(int unit) const;
    std::string DoGetTextCTPrimary(int unit) const;
    std::string DoGetTextCTSecondary(int unit) const;
    std::string DoGetTextGroupName() const;
    std::string DoGetTextTypeName() const;
    std::string DoGetTextOnOff(int flag) const;
    std::string DoGetTextTotalPercentR(int unit) const;
    std::string DoGetTextTotalPercentX(int unit) const;
    std::string DoGetTextTotalPercentZ(int unit) const;
    std::string DoGetTextTotalResistance(double baseCapacity, int unit) const;
    std::string DoGetTextTotalReactance(double baseCapacity, int unit) const;
    std::string DoGetTextTotalImpedance(double baseCapacity, int unit) const;
    std::string DoGetTextTotalIk3Sym(int unit) const;
    std::string DoGetTextTotalIk3Asym(int unit) const;
    std::string DoGetTextTotalIk3Peak(int unit) const;
    std::string DoGetTextDirectPercentR(int unit) const;
    std::string DoGetTextDirectPercentX(int unit) const;
    std::string DoGetTextDirectPercentZ(int unit) const;
    std::string DoGetTextDirectResistance(double baseCapacity, int unit) const;
    std::string DoGetTextDirectReactance(double baseCapacity, int unit) const;
    std::string DoGetTextDirectImpedance(double baseCapacity, int unit) const;
    std::string DoGetTextDirectIk3Sym(int unit) const;
    std::string DoGetTextDirectIk3Asym(int unit) const;
    std::string DoGetTextDirectIk3Peak(int unit) const;
    std::string DoGetTextPartName() const;
    std::string DoGetTextSetCurrent() const;
    std::string DoGetTextSetTime() const;
    std::string DoGetTextSettingInst() const;
    // Name, relay type, CT ratio and the first part's name with the dial
    // settings: the label of the curve on graphs and in DXF output.
    std::string DoGetTextCurveLabel() const;

    // The record; see the layout in the source.
    void Serialize(fw::CArchive& ar) override;

    double m_dBreakingCapacity = 0.0; // kA; 0 not given
    double m_dRatedCurrent = 0.0;     // A; 0 not given
    uint32_t m_nOff = 0;
    CObjAdjustList m_listAdjust;

protected:
    CObjAdjust* FirstAdjust() const override { return GetAdjust(); }
    std::string CurveLabelText() const override { return DoGetTextCurveLabel(); }
    int32_t CurveDxfLayer() const override { return 5; }
    uint32_t UpstreamKind(uint32_t* number) const override;
};
