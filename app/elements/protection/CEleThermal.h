#pragma once

#include "app/elements/frame/CEleFrame.h"
#include "app/elements/protection/AdjustOwner.h"
#include "app/elements/protection/ProtectPoint.h"
#include "app/protection/CObjAdjust.h"

#include <cstdint>
#include <string>

// The thermal overload relay (kind 3): the relay type from the breaker
// database with its setting parts and curves is its characteristic (the
// first of its list); its poles, its co-ordination type, the earthing and
// wire system of its circuit and an optional calculation point. It adds no
// impedance to the network.
class CEleThermal : public CEleFrame, public CProtectPoint, public CAdjustOwner {
public:
    CEleThermal();
    CEleThermal(const CEleThermal& other);
    CEleThermal& operator=(const CEleThermal& other);
    ~CEleThermal() override;

    // The characteristic; null when the list is empty.
    CObjAdjust* GetAdjust() const { return m_listAdjust.GetAt(0); }
    CObjAdjust* DoAddNewObjAdjust() { return m_listAdjust.DoAddNewObjAdjust(); }

    // Name "THR<number>". Unless keep is 1 and when there is a
    // characteristic: its thermal relay defaults for the voltage, and the
    // first time the earthing and wire system (the list database's defaults
    // when none is given), 3 poles, co-ordination Type2 and a calculation
    // point.
    void DoSetDefault(const CEleInitArgs& args, int32_t keep);
    void DoInitNewElement(const CEleInitArgs& args) { DoSetDefault(args, 0); }

    // The circuit voltage is the characteristic's (0 without one); below 1
    // it is refused and comes back.
    int32_t GetVoltage(int32_t side = 0) const;
    int32_t SetVoltage(int32_t volts, int32_t side = 0);
    int32_t IsSinglePhase() const { return m_nSinglePhase == 1 ? 1 : 0; }
    void SetSinglePhase(int32_t flag) { m_nSinglePhase = static_cast<uint32_t>(flag); }
    int32_t GetPoles() const { return static_cast<int32_t>(m_nPoles); }
    // 1089 (the voltage) when the characteristic's voltage is below 1.
    int32_t DoCheckData() const;

    // Report texts (unit 1 appends the unit); empty without a
    // characteristic where they read it.
    std::string DoGetTextTypeName() const;
    std::string DoGetTextSetting(int unit) const;
    std::string DoGetTextSetCurrent(int unit) const;
    std::string DoGetTextPoles(int unit) const;
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
    // Type name and current setting; after a calculation (mode 3 on) at a
    // calculation point the short-circuit lines.
    std::string DoGetLabelText(int32_t documentMode) const;
    // Name, setting part, rating dial text and the dial settings: the label
    // of the curve on graphs and in DXF output.
    std::string DoGetTextCurveLabel() const;

    // mode 0 the skeleton (magenta while the error mark is 1 on screen),
    // 1 the impedance map.
    void DoDrawSymbol(fw::CDC* pDC, int32_t mode);
    fw::CRect DoLayoutRefV1List(fw::CDC* pDC, const CEleDocSettings& settings);
    fw::CRect DoLayoutRefV4List(fw::CDC* pDC, const CEleDocSettings& settings);
    void DoDrawRefV1List(fw::CDC* pDC, const CEleDocSettings& settings);
    void DoDrawRefV4List(fw::CDC* pDC, const CEleDocSettings& settings);

    // The dialog on a copy; on OK the curves are read and computed again, and
    // a calculation point switched on after a calculation takes the document
    // back to checking the skeleton.
    int32_t DoEditElement(const CEleEditContext& ctx);

    // The record; see the layout in the source.
    void Serialize(fw::CArchive& ar) override;

    std::string m_strText2; // kept and stored only
    uint32_t m_nPoles = 0;
    uint32_t m_nCoordination = 0; // 1 "Type1", 0 "Type2"
    CObjAdjustList m_listAdjust;

protected:
    CObjAdjust* FirstAdjust() const override { return GetAdjust(); }
    std::string CurveLabelText() const override { return DoGetTextCurveLabel(); }
    // The breakers write on layers 4 and 5; the relay beside them.
    int32_t CurveDxfLayer() const override { return 6; }
};
