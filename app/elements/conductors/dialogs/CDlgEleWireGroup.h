#pragma once

#include "app/elements/conductors/dialogs/ConductorPageKit.h"

#include <cstdint>

class CDlgEleWireSheet;
class CEleWirePhase;
class QComboBox;
class QLineEdit;

// A conductor-group page of the wire sheet (dialogs 176, 177, 178, one
// layout): the core size, the cores and every computed value, which the
// user may override; a "*" marks each value in use that is not the
// calculated one.
class CDlgEleWireGroup : public conddlg::CRowPage {
public:
    CDlgEleWireGroup(CDlgEleWireSheet& sheet, uint32_t group, unsigned templateId,
                     const char* caption, const char* sizeLabel, const char* coresLabel);

    void OnInitDialog() override;
    bool OnSetActive() override;
    bool OnKillActive() override;

    uint32_t GetGroupNumber() const { return m_nGroup; }
    // Fills the size list with the group's range and the cores list.
    void DoFillCombos();
    // Shows the working copy's values; the edit being typed in keeps its
    // text (0: none).
    void DoUpdate(unsigned exceptId = 0);

protected:
    CEleWirePhase& Group();
    // What the page does with a change of its own group, and what it hands
    // on to the other groups (the 3Phases page does).
    virtual void OnSizeChanged(double size);
    virtual void OnCoresChosen(uint32_t cores);
    virtual void OnValueTyped(unsigned id, double value);
    // The cores the list offers: "1" to "4" unless a page says otherwise.
    virtual void DoFillCores();

    CDlgEleWireSheet& m_sheet;
    uint32_t m_nGroup;
    QComboBox* m_pSize;
    QComboBox* m_pCores;

private:
    void DoUpdateReadOnly();
    void OnSizeText(const std::string& text, bool typed);
};

// "3Phases": a change here carries over to the N and PE groups.
class CDlgEleWire1 : public CDlgEleWireGroup {
public:
    explicit CDlgEleWire1(CDlgEleWireSheet& sheet);

protected:
    void OnSizeChanged(double size) override;
    void OnCoresChosen(uint32_t cores) override;
    void OnValueTyped(unsigned id, double value) override;
};

// "N": the cores offered are at least as many as carry half the phases'
// cross-section.
class CDlgEleWire2 : public CDlgEleWireGroup {
public:
    explicit CDlgEleWire2(CDlgEleWireSheet& sheet);

    // The fewest N cores that carry half of the phase cross-section: 4 when
    // the N size has no whole millimetre to divide by, 5 when even 4 are too
    // few (and then none is offered).
    static uint32_t GetMinNeutralCores(double phaseSize, uint32_t phaseCores, double neutralSize);

protected:
    void OnSizeChanged(double size) override;
    void DoFillCores() override;
};

// "PE": its cores follow the phases (set on the 3Phases page); choosing an
// entry here changes nothing.
class CDlgEleWire3 : public CDlgEleWireGroup {
public:
    explicit CDlgEleWire3(CDlgEleWireSheet& sheet);

protected:
    void OnCoresChosen(uint32_t cores) override;
};
