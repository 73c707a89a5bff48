#pragma once

#include "app/elements/conductors/CEleWire.h"
#include "app/elements/conductors/dialogs/ConductorSheet.h"

#include <cstdint>
#include <memory>
#include <string>

class CDlgEleWire;
class CDlgEleWireGroup;

// The wire's property sheet: the page "Basic" and one page per conductor
// group the wire system has ("3Phases", "N", "PE"), all over one working
// copy of the wire. Every change is written into the copy and recomputed at
// once; the caller takes the copy back on OK.
class CDlgEleWireSheet : public conddlg::CConductorSheet<CEleWire, CDlgEleWire, CDlgEleWireGroup> {
public:
    CDlgEleWireSheet(const std::string& title, QWidget* parent, int firstPage);
    ~CDlgEleWireSheet() override;

    // The group recomputed from its size and cores (no overrides), so that
    // its "*" marks go.
    void DoRecalcGroup(uint32_t group);
    void DoRecalcAmpacity(uint32_t group);

    // Runs the sheet on a wire: true when the user confirmed, and then the
    // wire holds the edited copy.
    static bool DoEdit(CEleWire& wire, int32_t frequency, int32_t mode, QWidget* parent);

protected:
    std::unique_ptr<CDlgEleWire> NewBasicPage() override;
    std::unique_ptr<CDlgEleWireGroup> NewGroupPage(uint32_t group) override;
    // Every page's values are checked before the sheet closes, not only
    // those of the page on show: the wire names the group of its first bad
    // value.
    bool OnOK() override;
};
