#include "CDlgEleBusBarSheet.h"

#include "app/elements/conductors/dialogs/CDlgEleBusBar.h"
#include "app/elements/conductors/dialogs/CDlgEleBusBarGroup.h"
#include "framework/StringTable.h"

CDlgEleBusBarSheet::CDlgEleBusBarSheet(const std::string& title, QWidget* parent, int startPage)
    : fw::CPropertySheet(title, parent, startPage) {}

CDlgEleBusBarSheet::~CDlgEleBusBarSheet() = default;

void CDlgEleBusBarSheet::SetDocument(int32_t frequency, int32_t mode) {
    m_nFrequency = frequency;
    m_nMode = mode;
}

void CDlgEleBusBarSheet::DoAddPages(uint32_t wireSystem) {
    if (!m_pBasic) {
        m_pBasic = std::make_unique<CDlgEleBusBar>(*this);
        AddPage(m_pBasic.get());
    }
    if (!m_p3Phases) {
        m_p3Phases = std::make_unique<CDlgEleBusBar1>(*this);
        AddPage(m_p3Phases.get());
    }
    if ((wireSystem == 2 || wireSystem == 3) && !m_pN) {
        m_pN = std::make_unique<CDlgEleBusBar2>(*this);
        AddPage(m_pN.get());
    }
    if (wireSystem == 3 && !m_pPE) {
        m_pPE = std::make_unique<CDlgEleBusBar3>(*this);
        AddPage(m_pPE.get());
    }
}

void CDlgEleBusBarSheet::DoRemovePages(uint32_t wireSystem) {
    if ((wireSystem == 1 || wireSystem == 2) && m_pN) {
        RemovePage(m_pN.get());
        m_pN.reset();
    }
    if ((wireSystem >= 1 && wireSystem <= 3) && m_pPE) {
        RemovePage(m_pPE.get());
        m_pPE.reset();
    }
}

void CDlgEleBusBarSheet::GetPhaseSize(double& width, double& thickness, double& number) const {
    width = m_busBar.m_phase3.m_nWidth;
    thickness = m_busBar.m_phase3.m_nThickness;
    number = m_busBar.m_phase3.m_nNumber;
}

CDlgEleBusBarGroup* CDlgEleBusBarSheet::GetGroupPage(uint32_t group) const {
    switch (group) {
    case 1:
        return m_p3Phases.get();
    case 2:
        return m_pN.get();
    case 3:
        return m_pPE.get();
    default:
        return nullptr;
    }
}

void CDlgEleBusBarSheet::DoRecalcGroup(uint32_t group, double skinEffect) {
    CEleBusBarPhase* g = m_busBar.GetGroup(group);
    if (!g)
        return;
    g->DoCalcZByValues(m_nFrequency, m_busBar.m_basic, g->m_nWidth, g->m_nThickness, g->m_nNumber,
                       g->m_nDistance, skinEffect);
    g->DoCalcIByValues(m_busBar.m_basic, g->m_nWidth, g->m_nThickness, g->m_nNumber);
}

bool CDlgEleBusBarSheet::OnOK() {
    uint32_t* all = nullptr;
    const int32_t id = m_busBar.DoCheckData(all);
    if (id == 0)
        return true;
    // The page of the bad value: the Basic page's values, then the groups in
    // order, the first that holds one.
    for (uint32_t page = 0; page <= 3; ++page) {
        uint32_t which = page;
        const int32_t found = m_busBar.DoCheckData(&which);
        if (found == 0)
            continue;
        fw::CPropertyPage* target =
            page == 0 ? static_cast<fw::CPropertyPage*>(m_pBasic.get()) : GetGroupPage(page);
        if (!target)
            continue;
        if (SetActivePage(target))
            static_cast<conddlg::CRowPage*>(target)->FocusControl(static_cast<unsigned>(found));
        return false;
    }
    return false;
}

bool CDlgEleBusBarSheet::DoEdit(CEleBusBar& busBar, int32_t frequency, int32_t mode,
                                QWidget* parent) {
    constexpr unsigned IDS_TITLE_BUSBAR = 25222;
    CDlgEleBusBarSheet sheet(fw::LoadString(IDS_TITLE_BUSBAR), parent,
                             static_cast<int>(busBar.m_nActivePage));
    sheet.GetElement() = busBar;
    sheet.SetDocument(frequency, mode);
    sheet.DoAddPages(busBar.GetWireSystem());
    if (sheet.exec() != QDialog::Accepted)
        return false;
    busBar = sheet.GetElement();
    return true;
}
