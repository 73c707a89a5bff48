#include "CDlgEleWireSheet.h"

#include "app/elements/conductors/dialogs/CDlgEleWire.h"
#include "app/elements/conductors/dialogs/CDlgEleWireGroup.h"
#include "framework/StringTable.h"

CDlgEleWireSheet::CDlgEleWireSheet(const std::string& title, QWidget* parent, int firstPage)
    : fw::CPropertySheet(title, parent, firstPage) {}

CDlgEleWireSheet::~CDlgEleWireSheet() = default;

void CDlgEleWireSheet::SetDocument(int32_t frequency, int32_t mode) {
    m_nFrequency = frequency;
    m_nMode = mode;
}

void CDlgEleWireSheet::DoAddPages(uint32_t wireSystem) {
    if (!m_pBasic) {
        m_pBasic = std::make_unique<CDlgEleWire>(*this);
        AddPage(m_pBasic.get());
    }
    if (!m_p3Phases) {
        m_p3Phases = std::make_unique<CDlgEleWire1>(*this);
        AddPage(m_p3Phases.get());
    }
    if ((wireSystem == 2 || wireSystem == 3) && !m_pN) {
        m_pN = std::make_unique<CDlgEleWire2>(*this);
        AddPage(m_pN.get());
    }
    if (wireSystem == 3 && !m_pPE) {
        m_pPE = std::make_unique<CDlgEleWire3>(*this);
        AddPage(m_pPE.get());
    }
}

void CDlgEleWireSheet::DoRemovePages(uint32_t wireSystem) {
    if (wireSystem == 1 || wireSystem == 2) {
        if (m_pN) {
            RemovePage(m_pN.get());
            m_pN.reset();
        }
    }
    if (wireSystem == 1 || wireSystem == 2 || wireSystem == 3) {
        if (m_pPE) {
            RemovePage(m_pPE.get());
            m_pPE.reset();
        }
    }
}

CDlgEleWireGroup* CDlgEleWireSheet::GetGroupPage(uint32_t group) const {
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

void CDlgEleWireSheet::DoRecalcGroup(uint32_t group) {
    CEleWirePhase* g = m_wire.GetGroup(group);
    if (!g)
        return;
    g->CalcPhaseImpedance(m_nFrequency, m_wire.m_basic, 0.0, 0.0, 0.0);
    g->CalcPhaseAmpacity(m_wire.m_basic, g->m_dCoreSize, g->m_nCores);
}

void CDlgEleWireSheet::DoRecalcAmpacity(uint32_t group) {
    CEleWirePhase* g = m_wire.GetGroup(group);
    if (g)
        g->CalcPhaseAmpacity(m_wire.m_basic, g->m_dCoreSize, g->m_nCores);
}

bool CDlgEleWireSheet::OnOK() {
    uint32_t group = 0;
    const int32_t id = m_wire.DoCheckData(&group);
    if (id == 0)
        return true;
    fw::CPropertyPage* page =
        group == 0 ? static_cast<fw::CPropertyPage*>(m_pBasic.get()) : GetGroupPage(group);
    if (page && SetActivePage(page))
        static_cast<conddlg::CRowPage*>(page)->FocusControl(static_cast<unsigned>(id));
    return false;
}

bool CDlgEleWireSheet::DoEdit(CEleWire& wire, int32_t frequency, int32_t mode, QWidget* parent) {
    constexpr unsigned IDS_TITLE_WIRE = 25223;
    CDlgEleWireSheet sheet(fw::LoadString(IDS_TITLE_WIRE), parent,
                           static_cast<int>(wire.m_nActivePage));
    sheet.GetElement() = wire;
    sheet.SetDocument(frequency, mode);
    sheet.DoAddPages(wire.GetWireSystem());
    if (sheet.exec() != QDialog::Accepted)
        return false;
    wire = sheet.GetElement();
    return true;
}
