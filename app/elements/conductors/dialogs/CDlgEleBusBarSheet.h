#pragma once

#include "app/elements/conductors/CEleBusBar.h"
#include "app/elements/conductors/dialogs/ConductorSheet.h"

#include <cstdint>
#include <memory>
#include <string>

class CDlgEleBusBar;
class CDlgEleBusBarGroup;

// The bus-bar's property sheet: "Basic" and a page per conductor group the
// wire system has ("3Phases", "N", "PE"), over one working copy.
class CDlgEleBusBarSheet
    : public conddlg::CConductorSheet<CEleBusBar, CDlgEleBusBar, CDlgEleBusBarGroup> {
public:
    CDlgEleBusBarSheet(const std::string& title, QWidget* parent, int startPage);
    ~CDlgEleBusBarSheet() override;

    // The phase group's width, thickness and number.
    void GetPhaseSize(double& width, double& thickness, double& number) const;

    // Resistance and reactance (skin-effect factor 0.0 takes the table's)
    // and the current data of a group from its own geometry.
    void DoRecalcGroup(uint32_t group, double skinEffect = 0.0);

    static bool DoEdit(CEleBusBar& busBar, int32_t frequency, int32_t mode, QWidget* parent);

protected:
    std::unique_ptr<CDlgEleBusBar> NewBasicPage() override;
    std::unique_ptr<CDlgEleBusBarGroup> NewGroupPage(uint32_t group) override;
    // Every page's values are checked before the sheet closes.
    bool OnOK() override;
};
