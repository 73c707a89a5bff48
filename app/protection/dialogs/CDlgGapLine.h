#pragma once

#include "framework/PropertySheet.h"

#include <cstdint>
#include <string>

class CGapLine;
class CGapLineSheetHost;
class CTovarineDocData;
class CUpDown;
class QCheckBox;
class QLineEdit;
class QPushButton;

// "Standard of current and time" (template 199): switches each measure of
// the document's gap line on or off and steps its two standards, 90 steps a
// decade of the graph's axis (mantissas 1.0, 1.1, ... 9.9) or a decade at a
// time. Every change is one undo step of the document, and the view erases
// and redraws the reference drawing around it.
class CDlgGapLine : public fw::CPropertyPage {
public:
    // The axis limits of the graph the sheet was opened on.
    CDlgGapLine(CTovarineDocData& doc, double currentMin, double currentMax, double timeMin,
                double timeMax);

    void OnInitDialog() override;

    // Handlers of the controls (tests call them as the controls do).
    void OnCheckMeasureTime();
    void OnCheckMeasureCurrent();
    void OnDeltaposCurrentSpin(int delta);
    void OnDeltaposTimeSpin(int delta);
    void OnCurrentUp();
    void OnCurrentDown();
    void OnTimeUp();
    void OnTimeDown();

    // Shows the gap line as it is now (after an undo).
    void DoRefresh();

    // The spin's range top for an axis: trunc(90 log10(max / min)), 0 for an
    // axis without sense; the value at a position; the position of a value
    // (its decade's 90 steps plus its step within the decade, rounded).
    static int32_t GetSpinUpper(double axisMin, double axisMax);
    static double GetValueAt(double axisMin, int32_t position);
    static int32_t GetPositionOf(double axisMin, double axisMax, double value);

    // Page data.
    double m_dCurrentMin, m_dCurrentMax, m_dTimeMin, m_dTimeMax;
    std::string m_strCurrent;
    std::string m_strTime;
    int32_t m_nCurrentPos = 0;
    int32_t m_nTimePos = 0;

private:
    CGapLineSheetHost* Host() const;
    CGapLine& Gap() const;
    void DoEnableMeasures();
    void DoShowValues();
    // One change of a standard: erased, stored, shown, drawn anew.
    void DoSetStandard(bool current, int32_t position, double value);
    void DoFocusEdit(QLineEdit* edit);

    CTovarineDocData& m_doc;
    QCheckBox* m_pMeasureTime = nullptr;
    QLineEdit* m_pCurrentEdit = nullptr;
    QPushButton* m_pCurrentUp = nullptr;
    QPushButton* m_pCurrentDown = nullptr;
    CUpDown* m_pCurrentSpin = nullptr;
    QCheckBox* m_pMeasureCurrent = nullptr;
    QLineEdit* m_pTimeEdit = nullptr;
    QPushButton* m_pTimeUp = nullptr;
    QPushButton* m_pTimeDown = nullptr;
    CUpDown* m_pTimeSpin = nullptr;
};
