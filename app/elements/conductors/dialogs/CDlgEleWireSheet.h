#pragma once

#include "app/elements/conductors/CEleWire.h"
#include "framework/PropertySheet.h"

#include <cstdint>
#include <memory>
#include <string>

class CDlgEleWire;
class CDlgEleWire1;
class CDlgEleWire2;
class CDlgEleWire3;
class CDlgEleWireGroup;

// The wire's property sheet: the page "Basic" and one page per conductor
// group the wire system has ("3Phases", "N", "PE"), all over one working
// copy of the wire. Every change is written into the copy and recomputed at
// once; the caller takes the copy back on OK.
class CDlgEleWireSheet : public fw::CPropertySheet {
public:
    CDlgEleWireSheet(const std::string& title, QWidget* parent, int firstPage);
    ~CDlgEleWireSheet() override;

    // The document's frequency (Hz) and mode, which the pages compute with
    // and lock by.
    void SetDocument(int32_t frequency, int32_t mode);
    double GetFrequency() const { return m_nFrequency; }
    int32_t GetMode() const { return m_nMode; }

    // Adds each missing page: Basic, 3Phases, N from wire system 2, PE at 3.
    void DoAddPages(uint32_t wireSystem);
    // Wire system 1 or 2 removes the N and PE pages, 3 the PE page.
    void DoRemovePages(uint32_t wireSystem);

    CEleWire& GetElement() { return m_wire; }
    CEleWireBasic& GetBasic() { return m_wire.m_basic; }
    CEleWirePhase& GetPhase3() { return m_wire.m_phase3; }
    CEleWirePhase& GetPhaseN() { return m_wire.m_phaseN; }
    CEleWirePhase& GetPhasePE() { return m_wire.m_phasePE; }

    CDlgEleWire* GetBasicPage() const { return m_pBasic.get(); }
    CDlgEleWireGroup* GetGroupPage(uint32_t group) const;

    // The group recomputed from its size and cores (no overrides), so that
    // its "*" marks go.
    void DoRecalcGroup(uint32_t group);
    void DoRecalcAmpacity(uint32_t group);

    // Runs the sheet on a wire: true when the user confirmed, and then the
    // wire holds the edited copy.
    static bool DoEdit(CEleWire& wire, int32_t frequency, int32_t mode, QWidget* parent);

protected:
    // Every page's values are checked before the sheet closes, not only
    // those of the page on show.
    bool OnOK() override;

private:
    CEleWire m_wire;
    int32_t m_nFrequency = 50;
    int32_t m_nMode = 1;
    std::unique_ptr<CDlgEleWire> m_pBasic;
    std::unique_ptr<CDlgEleWire1> m_p3Phases;
    std::unique_ptr<CDlgEleWire2> m_pN;
    std::unique_ptr<CDlgEleWire3> m_pPE;
};
