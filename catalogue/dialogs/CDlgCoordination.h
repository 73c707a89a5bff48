#pragma once

#include "catalogue/dialogs/SearchDialogKit.h"

#include "breakerdata/model/CInfoBase.h"

#include <cstdint>

class CReadCoordinationList;
class QComboBox;
class QRadioButton;

namespace fw {
class CDatabase;
}

// The "Co-ordination Type1/Type2" dialog (resource 134): the motor starters
// of one co-ordination type, found from a motor output, a breaker and its
// rated current, a contactor, or a thermal relay and its setting. Each pick
// lists at once the other components of the table's rows that hold it.
class CDlgCoordination : public searchdlg::CSearchDialog {
public:
    CDlgCoordination(fw::CDatabase* breaker, QWidget* parent = nullptr);

    void OnInitDialog() override;

    // The members the document hands in and takes back.
    int m_nCoordType = 1;
    double m_dMotorOutput = 0.0; // kW
    CInfoBase m_InfoBaseLVCB;    // its rated value: the breaker's rated current
    CInfoBase m_InfoBaseContactor;
    CInfoBase m_InfoBaseThermal; // its rated value: the setting's ordering value
    int m_nMode = 1;

    // The handlers of the controls' events.
    void OnType(int coordType);
    void OnMode(int mode);
    void OnSelchangeMotor();
    void OnSelchangeLVCBType();
    void OnSelchangeLVCBRated();
    void OnSelchangeContactor();
    void OnSelchangeThermalType();
    void OnSelchangeThermalRated();

    // The exact ordering value of an entry of the thermal settings list.
    double GetSettingOrdering(int index) const;

private:
    void DoFill(int mode);
    void DoFillByMotor();
    void DoFillByLVCB();
    void DoFillByContactor();
    void DoFillByThermal();
    // The first row's components become the current ones.
    void DoTakeFirstRow(const CReadCoordinationList& rows);
    void DoReadType(int32_t typeID, CInfoBase& selection);
    void DoFillSettings(int32_t thermalTypeID);
    void DoAddSetting(const std::string& text, double ordering, bool once);
    void DoCheckRadios();

    fw::CDatabase* m_pBreaker;
    QRadioButton* m_wndType1 = nullptr;
    QRadioButton* m_wndType2 = nullptr;
    QRadioButton* m_wndMode[4] = {};
    QComboBox* m_wndMotor = nullptr;
    QComboBox* m_wndLVCBType = nullptr;
    QComboBox* m_wndLVCBRated = nullptr;
    QComboBox* m_wndContactor = nullptr;
    QComboBox* m_wndThermalType = nullptr;
    QComboBox* m_wndThermalRated = nullptr;
};
