#include "CDlgEleBusDuctSheet.h"

#include "app/elements/conductors/dialogs/CDlgEleBusDuct.h"
#include "app/elements/conductors/dialogs/CDlgEleBusDuctGroup.h"
#include "framework/StringTable.h"

CDlgEleBusDuctSheet::CDlgEleBusDuctSheet(const std::string& title, QWidget* parent, int startPage)
    : fw::CPropertySheet(title, parent, startPage) {}

CDlgEleBusDuctSheet::~CDlgEleBusDuctSheet() = default;

void CDlgEleBusDuctSheet::SetDocument(int32_t frequency, int32_t mode) {
    m_nFrequency = frequency;
    m_nMode = mode;
}

void CDlgEleBusDuctSheet::DoAddPages(uint32_t wireSystem) {
    if (!m_pBasic) {
        m_pBasic = std::make_unique<CDlgEleBusDuct>(*this);
        AddPage(m_pBasic.get());
    }
    if (!m_p3Phases) {
        m_p3Phases = std::make_unique<CDlgEleBusDuctGroup>(*this, 1);
        AddPage(m_p3Phases.get());
    }
    if ((wireSystem == 2 || wireSystem == 3) && !m_pN) {
        m_pN = std::make_unique<CDlgEleBusDuctGroup>(*this, 2);
        AddPage(m_pN.get());
    }
    if (wireSystem == 3 && !m_pPE) {
        m_pPE = std::make_unique<CDlgEleBusDuctGroup>(*this, 3);
        AddPage(m_pPE.get());
    }
}

void CDlgEleBusDuctSheet::DoRemovePages(uint32_t wireSystem) {
    if (wireSystem != 1 && wireSystem != 2)
        return;
    if (m_pN) {
        RemovePage(m_pN.get());
        m_pN.reset();
    }
    if (m_pPE) {
        RemovePage(m_pPE.get());
        m_pPE.reset();
    }
}

CDlgEleBusDuctGroup* CDlgEleBusDuctSheet::GetGroupPage(uint32_t group) const {
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

bool CDlgEleBusDuctSheet::OnOK() {
    if (m_busDuct.DoCheckData() == 0)
        return true;
    for (uint32_t page = 0; page <= 3; ++page) {
        uint32_t which = page;
        const int32_t found = m_busDuct.DoCheckData(&which);
        fw::CPropertyPage* target =
            page == 0 ? static_cast<fw::CPropertyPage*>(m_pBasic.get()) : GetGroupPage(page);
        if (found == 0 || !target)
            continue;
        if (SetActivePage(target))
            static_cast<conddlg::CRowPage*>(target)->FocusControl(static_cast<unsigned>(found));
        return false;
    }
    return false;
}

bool CDlgEleBusDuctSheet::DoEdit(CEleBusDuct& busDuct, int32_t frequency, int32_t mode,
                                 QWidget* parent) {
    constexpr unsigned IDS_TITLE_BUSDUCT = 25224;
    CDlgEleBusDuctSheet sheet(fw::LoadString(IDS_TITLE_BUSDUCT), parent,
                              static_cast<int>(busDuct.m_nActivePage));
    sheet.GetElement() = busDuct;
    sheet.SetDocument(frequency, mode);
    sheet.DoAddPages(busDuct.GetWireSystem());
    if (sheet.exec() != QDialog::Accepted)
        return false;
    busDuct = sheet.GetElement();
    return true;
}
