#pragma once

#include "catalogue/dialogs/SearchDialogKit.h"

#include "breakerdata/model/CInfoBase.h"

#include <string>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace fw {
class CDatabase;
}

// The "Optional" dialog (resource 131): the conditions of a free search for
// low-voltage breakers (voltage, rated current, breaking capacity, poles)
// and its narrowing conditions (maker, kind, type). The lists come from the
// breaker and list databases it is given; the search itself is the
// document's.
class CDlgCatalogue : public searchdlg::CSearchDialog {
public:
    CDlgCatalogue(fw::CDatabase* breaker, fw::CDatabase* list, QWidget* parent = nullptr);

    void OnInitDialog() override;

    // The members the document hands in and takes back.
    CInfoBase m_InfoBase;
    double m_dCapacity = 0.0; // A
    int m_nPoles = 3;
    // The rated-current box's text (control 1015).
    std::string m_strRatedCurrent;

    // The handlers of the controls' events.
    void OnSelchangeVoltage();
    void OnEditchangeVoltage();
    void OnChangeRatedCurrent();
    void OnSelchangeCapacity();
    void OnEditchangeCapacity();
    void OnSelchangePoles();
    void OnSelchangeManufacturer();
    void OnSelchangeKind();
    void OnSelchangeType();
    void OnClear();

private:
    // The dialog's data exchange: the rated-current text and its box.
    void UpdateData(bool saveAndValidate);
    void DoFillManufacturers();
    void DoFillKinds();
    void DoFillTypes();
    // Search is enabled as the event tables say, and only while the
    // conditions can find a breaker in the data: a rated current, a
    // voltage, and a chosen type (if any) that is listed for the conditions
    // and has a rating for the rated current and the poles.
    void DoSetSearch(bool enableByEvent);
    bool IsSearchable();

    fw::CDatabase* m_pBreaker;
    fw::CDatabase* m_pList;
    bool m_bSearchByEvent = false;
    QComboBox* m_wndVoltage = nullptr;
    QLineEdit* m_wndRatedCurrent = nullptr;
    QComboBox* m_wndCapacity = nullptr;
    QComboBox* m_wndPoles = nullptr;
    QComboBox* m_wndManufacturer = nullptr;
    QComboBox* m_wndKind = nullptr;
    QComboBox* m_wndType = nullptr;
    QPushButton* m_wndClear = nullptr;
};
