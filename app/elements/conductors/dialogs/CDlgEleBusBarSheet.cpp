#include "CDlgEleBusBarSheet.h"

#include "app/elements/conductors/dialogs/CDlgEleBusBar.h"
#include "app/elements/conductors/dialogs/CDlgEleBusBarGroup.h"
#include "app/elements/conductors/dialogs/ConductorSheet_Pages.h"

template class conddlg::CConductorSheet<CEleBusBar, CDlgEleBusBar, CDlgEleBusBarGroup>;

CDlgEleBusBarSheet::CDlgEleBusBarSheet(const std::string& title, QWidget* parent, int startPage)
    : CConductorSheet(title, parent, startPage) {}

CDlgEleBusBarSheet::~CDlgEleBusBarSheet() {
    DoDeletePages();
}

std::unique_ptr<CDlgEleBusBar> CDlgEleBusBarSheet::NewBasicPage() {
    return std::make_unique<CDlgEleBusBar>(*this);
}

std::unique_ptr<CDlgEleBusBarGroup> CDlgEleBusBarSheet::NewGroupPage(uint32_t group) {
    switch (group) {
    case 1:
        return std::make_unique<CDlgEleBusBar1>(*this);
    case 2:
        return std::make_unique<CDlgEleBusBar2>(*this);
    default:
        return std::make_unique<CDlgEleBusBar3>(*this);
    }
}

void CDlgEleBusBarSheet::GetPhaseSize(double& width, double& thickness, double& number) const {
    width = m_element.m_phase3.m_nWidth;
    thickness = m_element.m_phase3.m_nThickness;
    number = m_element.m_phase3.m_nNumber;
}

void CDlgEleBusBarSheet::DoRecalcGroup(uint32_t group, double skinEffect) {
    CEleBusBarPhase* g = m_element.GetGroup(group);
    if (!g)
        return;
    g->DoCalcZByValues(m_nFrequency, m_element.m_basic, g->m_nWidth, g->m_nThickness, g->m_nNumber,
                       g->m_nDistance, skinEffect);
    g->DoCalcIByValues(m_element.m_basic, g->m_nWidth, g->m_nThickness, g->m_nNumber);
}

bool CDlgEleBusBarSheet::OnOK() {
    return DoCheckPagesInOrder();
}

bool CDlgEleBusBarSheet::DoEdit(CEleBusBar& busBar, int32_t frequency, int32_t mode,
                                QWidget* parent) {
    constexpr unsigned IDS_TITLE_BUSBAR = 25222;
    return DoEditWith<CDlgEleBusBarSheet>(busBar, IDS_TITLE_BUSBAR, frequency, mode, parent);
}
