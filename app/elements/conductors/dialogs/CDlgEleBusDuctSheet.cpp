#include "CDlgEleBusDuctSheet.h"

#include "app/elements/conductors/dialogs/CDlgEleBusDuct.h"
#include "app/elements/conductors/dialogs/CDlgEleBusDuctGroup.h"
#include "app/elements/conductors/dialogs/ConductorSheet_Pages.h"

template class conddlg::CConductorSheet<CEleBusDuct, CDlgEleBusDuct, CDlgEleBusDuctGroup>;

CDlgEleBusDuctSheet::CDlgEleBusDuctSheet(const std::string& title, QWidget* parent, int startPage)
    : CConductorSheet(title, parent, startPage) {}

CDlgEleBusDuctSheet::~CDlgEleBusDuctSheet() {
    DoDeletePages();
}

std::unique_ptr<CDlgEleBusDuct> CDlgEleBusDuctSheet::NewBasicPage() {
    return std::make_unique<CDlgEleBusDuct>(*this);
}

// The three group pages are one page class, each on its own group.
std::unique_ptr<CDlgEleBusDuctGroup> CDlgEleBusDuctSheet::NewGroupPage(uint32_t group) {
    return std::make_unique<CDlgEleBusDuctGroup>(*this, group);
}

bool CDlgEleBusDuctSheet::OnOK() {
    return DoCheckPagesInOrder();
}

bool CDlgEleBusDuctSheet::DoEdit(CEleBusDuct& busDuct, int32_t frequency, int32_t mode,
                                 QWidget* parent) {
    constexpr unsigned IDS_TITLE_BUSDUCT = 25224;
    return DoEditWith<CDlgEleBusDuctSheet>(busDuct, IDS_TITLE_BUSDUCT, frequency, mode, parent);
}
