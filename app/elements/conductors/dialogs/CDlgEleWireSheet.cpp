#include "CDlgEleWireSheet.h"

#include "app/elements/conductors/dialogs/CDlgEleWire.h"
#include "app/elements/conductors/dialogs/CDlgEleWireGroup.h"
#include "app/elements/conductors/dialogs/ConductorSheet_Pages.h"

template class conddlg::CConductorSheet<CEleWire, CDlgEleWire, CDlgEleWireGroup>;

CDlgEleWireSheet::CDlgEleWireSheet(const std::string& title, QWidget* parent, int firstPage)
    : CConductorSheet(title, parent, firstPage) {}

CDlgEleWireSheet::~CDlgEleWireSheet() {
    DoDeletePages();
}

std::unique_ptr<CDlgEleWire> CDlgEleWireSheet::NewBasicPage() {
    return std::make_unique<CDlgEleWire>(*this);
}

std::unique_ptr<CDlgEleWireGroup> CDlgEleWireSheet::NewGroupPage(uint32_t group) {
    switch (group) {
    case 1:
        return std::make_unique<CDlgEleWire1>(*this);
    case 2:
        return std::make_unique<CDlgEleWire2>(*this);
    default:
        return std::make_unique<CDlgEleWire3>(*this);
    }
}

void CDlgEleWireSheet::DoRecalcGroup(uint32_t group) {
    CEleWirePhase* g = m_element.GetGroup(group);
    if (!g)
        return;
    g->CalcPhaseImpedance(m_nFrequency, m_element.m_basic, 0.0, 0.0, 0.0);
    g->CalcPhaseAmpacity(m_element.m_basic, g->m_dCoreSize, g->m_nCores);
}

void CDlgEleWireSheet::DoRecalcAmpacity(uint32_t group) {
    CEleWirePhase* g = m_element.GetGroup(group);
    if (g)
        g->CalcPhaseAmpacity(m_element.m_basic, g->m_dCoreSize, g->m_nCores);
}

bool CDlgEleWireSheet::OnOK() {
    uint32_t group = 0;
    const int32_t id = m_element.DoCheckData(&group);
    if (id == 0)
        return true;
    fw::CPropertyPage* page =
        group == 0 ? static_cast<fw::CPropertyPage*>(GetBasicPage()) : GetGroupPage(group);
    if (page && SetActivePage(page))
        static_cast<conddlg::CRowPage*>(page)->FocusControl(static_cast<unsigned>(id));
    return false;
}

bool CDlgEleWireSheet::DoEdit(CEleWire& wire, int32_t frequency, int32_t mode, QWidget* parent) {
    constexpr unsigned IDS_TITLE_WIRE = 25223;
    return DoEditWith<CDlgEleWireSheet>(wire, IDS_TITLE_WIRE, frequency, mode, parent);
}
