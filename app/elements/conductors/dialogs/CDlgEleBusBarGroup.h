#pragma once

#include "app/elements/conductors/dialogs/ConductorPageKit.h"

#include <cstdint>
#include <functional>

class CDlgEleBusBarSheet;
class CEleBusBarPhase;
class CRSEquip_BusBar;
class QComboBox;
namespace fw {
class CQtCombo;
}

// A conductor-group page of the bus-bar sheet (dialogs 168, 169, 170, one
// layout): the bar geometry from the table's lists, the centre-line
// distance and every computed value, which the user may override; a "*"
// marks each value in use that is not the calculated one.
class CDlgEleBusBarGroup : public conddlg::CRowPage {
public:
    CDlgEleBusBarGroup(CDlgEleBusBarSheet& sheet, uint32_t group, unsigned templateId,
                       const char* caption, const char* widthLabel);

    void OnInitDialog() override;
    bool OnSetActive() override;
    bool OnKillActive() override;

    // The three lists of the table, each selecting the group's value (or
    // its first entry, which the group then takes).
    void DoFillWidthCombo();
    void DoFillThicknessCombo();
    void DoFillNumberCombo();
    // Shows the values; the edit being typed in keeps its text (0: none).
    void DoUpdateZTexts(unsigned exceptId = 0);
    void DoUpdateITexts(unsigned exceptId = 0);
    void DoUpdateReadOnly();

    uint32_t GetGroupNumber() const { return m_nGroup; }

protected:
    CEleBusBarPhase& Group();
    // The smallest width, thickness and number the lists offer (the N and
    // PE pages: half the phases' cross-section).
    virtual void GetMinimum(double& width, double& thickness, double& number);
    // The 3Phases page hands every change on to the N and PE groups.
    virtual void OnGeometryChanged() {}
    virtual void OnValueTyped(unsigned id, double value);
    // A value typed on this page into the group's record (1 to 3).
    void DoSetTypedValue(uint32_t group, unsigned id, double value);

    CDlgEleBusBarSheet& m_sheet;
    uint32_t m_nGroup;

private:
    // Selects the entry of the value; without one the first entry, whose
    // value the group takes (true then).
    bool SelectValue(QComboBox* box, int32_t& value, bool noDataWhenEmpty);
    // Fills a list of the table from read(box, rs, minimum width, thickness,
    // number) and selects the group's value in it.
    using ReadList = std::function<void(fw::CQtCombo&, CRSEquip_BusBar&, double, double, double)>;
    void DoFillCombo(QComboBox* box, int32_t& value, bool noDataWhenEmpty, const ReadList& read);
    void OnListChosen(QComboBox* box, int32_t& field, int index);

    QComboBox* m_pWidth;
    QComboBox* m_pThickness;
    QComboBox* m_pNumber;
};

class CDlgEleBusBar1 : public CDlgEleBusBarGroup {
public:
    explicit CDlgEleBusBar1(CDlgEleBusBarSheet& sheet);

protected:
    void GetMinimum(double& width, double& thickness, double& number) override;
    void OnGeometryChanged() override;
    void OnValueTyped(unsigned id, double value) override;
};

class CDlgEleBusBar2 : public CDlgEleBusBarGroup {
public:
    explicit CDlgEleBusBar2(CDlgEleBusBarSheet& sheet);
};

class CDlgEleBusBar3 : public CDlgEleBusBarGroup {
public:
    explicit CDlgEleBusBar3(CDlgEleBusBarSheet& sheet);
};
