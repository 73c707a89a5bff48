#pragma once

#include "app/elements/conductors/CEleBusBar.h"
#include "framework/PropertySheet.h"

#include <cstdint>
#include <memory>
#include <string>

class CDlgEleBusBar;
class CDlgEleBusBar1;
class CDlgEleBusBar2;
class CDlgEleBusBar3;
class CDlgEleBusBarGroup;

// The bus-bar's property sheet: "Basic" and a page per conductor group the
// wire system has ("3Phases", "N", "PE"), over one working copy.
class CDlgEleBusBarSheet : public fw::CPropertySheet {
public:
    CDlgEleBusBarSheet(const std::string& title, QWidget* parent, int startPage);
    ~CDlgEleBusBarSheet() override;

    void SetDocument(int32_t frequency, int32_t mode);
    double GetFrequency() const { return m_nFrequency; }
    int32_t GetMode() const { return m_nMode; }

    void DoAddPages(uint32_t wireSystem);
    void DoRemovePages(uint32_t wireSystem);

    CEleBusBar& GetElement() { return m_busBar; }
    CEleBusBarBasic& GetBasic() { return m_busBar.m_basic; }
    CEleBusBarPhase& GetPhase3() { return m_busBar.m_phase3; }
    CEleBusBarPhase& GetPhaseN() { return m_busBar.m_phaseN; }
    CEleBusBarPhase& GetPhasePE() { return m_busBar.m_phasePE; }
    // The phase group's width, thickness and number.
    void GetPhaseSize(double& width, double& thickness, double& number) const;

    CDlgEleBusBar* GetBasicPage() const { return m_pBasic.get(); }
    CDlgEleBusBarGroup* GetGroupPage(uint32_t group) const;

    // Resistance and reactance (skin-effect factor 0.0 takes the table's)
    // and the current data of a group from its own geometry.
    void DoRecalcGroup(uint32_t group, double skinEffect = 0.0);

    static bool DoEdit(CEleBusBar& busBar, int32_t frequency, int32_t mode, QWidget* parent);

protected:
    // Every page's values are checked before the sheet closes.
    bool OnOK() override;

private:
    CEleBusBar m_busBar;
    int32_t m_nFrequency = 50;
    int32_t m_nMode = 1;
    std::unique_ptr<CDlgEleBusBar> m_pBasic;
    std::unique_ptr<CDlgEleBusBar1> m_p3Phases;
    std::unique_ptr<CDlgEleBusBar2> m_pN;
    std::unique_ptr<CDlgEleBusBar3> m_pPE;
};
