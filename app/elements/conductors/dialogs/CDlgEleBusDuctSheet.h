#pragma once

#include "app/elements/conductors/CEleBusDuct.h"
#include "app/elements/conductors/dialogs/ConductorSheet.h"

#include <cstdint>
#include <memory>
#include <string>

class CDlgEleBusDuct;
class CDlgEleBusDuctGroup;

// The bus-duct's property sheet: "Basic" and a page per conductor group the
// wire system has ("3Phases", "N", "PE"), over one working copy.
class CDlgEleBusDuctSheet
    : public conddlg::CConductorSheet<CEleBusDuct, CDlgEleBusDuct, CDlgEleBusDuctGroup> {
public:
    CDlgEleBusDuctSheet(const std::string& title, QWidget* parent, int startPage);
    ~CDlgEleBusDuctSheet() override;

    static bool DoEdit(CEleBusDuct& busDuct, int32_t frequency, int32_t mode, QWidget* parent);

protected:
    std::unique_ptr<CDlgEleBusDuct> NewBasicPage() override;
    std::unique_ptr<CDlgEleBusDuctGroup> NewGroupPage(uint32_t group) override;
    // Every page's values are checked before the sheet closes.
    bool OnOK() override;
};
