#include "catalogue/dialogs/CDlgCoordination.h"

#include "catalogue/model/ParseNumber.h"
#include "catalogue/model/ThermalSettings.h"
#include "catalogue/model/ZedezuziIds.h"

#include "breakerdata/model/CReadCoordination.h"
#include "breakerdata/recordsets/CRSBreak_Coordination.h"
#include "breakerdata/recordsets/CRSBreak_Type.h"

#include "framework/QtCombo.h"
#include "tools/Filvaron.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cmath>

using namespace searchdlg;

namespace {

// The exact ordering value of a thermal setting rides with its entry.
constexpr int kOrderingRole = Qt::UserRole + 1;

std::string Number(double value) {
    return DLLGetTextByBeams(value, 0);
}

// Appends an entry; with once, only when no entry has exactly that text.
int AddEntry(QComboBox* box, const std::string& text, bool once) {
    QString value = QString::fromStdString(text);
    if (once) {
        for (int i = 0; i < box->count(); ++i) {
            if (box->itemText(i) == value)
                return -1;
        }
    }
    fw::CQtCombo combo(box);
    return combo.AddString(text);
}

void Empty(QComboBox* box) {
    box->clear();
}

void SelectFirst(QComboBox* box) {
    if (box->count() > 0)
        box->setCurrentIndex(0);
}

} // namespace

CDlgCoordination::CDlgCoordination(fw::CDatabase* breaker, QWidget* parent)
    : CSearchDialog(zzid::IDD_COORDINATION, "Co-ordination Type1/Type2", parent),
      m_pBreaker(breaker) {
    QGridLayout* typeGrid = nullptr;
    QGroupBox* typeBox = AddGroup("Type of co-ordination", &typeGrid);
    m_wndType1 = AddRadio(zzid::IDC_COORD_TYPE1, "Type1", typeBox);
    m_wndType2 = AddRadio(zzid::IDC_COORD_TYPE2, "Type2", typeBox);
    typeGrid->addWidget(m_wndType1, 0, 0);
    typeGrid->addWidget(m_wndType2, 0, 1);

    m_wndMode[0] = AddRadio(zzid::IDC_COORD_MODE1,
                            "Search the breaker, the contactor, and the thermal relay from the "
                            "motor output.",
                            this);
    layout()->addWidget(m_wndMode[0]);
    QGridLayout* motor = nullptr;
    AddGroup("", &motor)->setFlat(true);
    m_wndMotor = AddCombo(motor, 0, zzid::IDC_COORD_MOTOR, "Motor output(kW):", false);

    m_wndMode[1] = AddRadio(zzid::IDC_COORD_MODE2,
                            "Search the motor output, the contactor, and the thermal relay from "
                            "the breaker.",
                            this);
    layout()->addWidget(m_wndMode[1]);
    QGridLayout* lvcb = nullptr;
    AddGroup("Circuit breaker", &lvcb);
    m_wndLVCBType = AddCombo(lvcb, 0, zzid::IDC_COORD_LVCB_TYPE, "Type:", false);
    m_wndLVCBRated = AddCombo(lvcb, 1, zzid::IDC_COORD_LVCB_RATED, "Rated(A):", false);

    m_wndMode[2] = AddRadio(zzid::IDC_COORD_MODE3,
                            "Search the motor output, the breaker, and the thermal relay from "
                            "the contactor.",
                            this);
    layout()->addWidget(m_wndMode[2]);
    QGridLayout* contactor = nullptr;
    AddGroup("Contactor", &contactor);
    m_wndContactor = AddCombo(contactor, 0, zzid::IDC_COORD_CONTACTOR, "Type:", false);

    m_wndMode[3] = AddRadio(zzid::IDC_COORD_MODE4,
                            "Search the motor output, the breaker, and the contactor from the "
                            "thermal relay.",
                            this);
    layout()->addWidget(m_wndMode[3]);
    QGridLayout* thermal = nullptr;
    AddGroup("Thermal relay", &thermal);
    m_wndThermalType = AddCombo(thermal, 0, zzid::IDC_COORD_THERMAL_TYPE, "Type:", false);
    m_wndThermalRated = AddCombo(thermal, 1, zzid::IDC_COORD_THERMAL_RATED, "Rated(A):", false);
    AddButtons();

    connect(m_wndType1, &QRadioButton::clicked, this, [this] { OnType(1); });
    connect(m_wndType2, &QRadioButton::clicked, this, [this] { OnType(2); });
    for (int i = 0; i < 4; ++i)
        connect(m_wndMode[i], &QRadioButton::clicked, this, [this, i] { OnMode(i + 1); });
    OnPicked(m_wndMotor, [this] { OnSelchangeMotor(); });
    OnPicked(m_wndLVCBType, [this] { OnSelchangeLVCBType(); });
    OnPicked(m_wndLVCBRated, [this] { OnSelchangeLVCBRated(); });
    OnPicked(m_wndContactor, [this] { OnSelchangeContactor(); });
    OnPicked(m_wndThermalType, [this] { OnSelchangeThermalType(); });
    OnPicked(m_wndThermalRated, [this] { OnSelchangeThermalRated(); });
}

double CDlgCoordination::GetSettingOrdering(int index) const {
    if (index < 0 || index >= m_wndThermalRated->count())
        return 0.0;
    QVariant exact = m_wndThermalRated->itemData(index, kOrderingRole);
    if (exact.isValid())
        return exact.toDouble();
    return m_wndThermalRated->itemData(index, Qt::UserRole).toLongLong() / 10.0;
}

void CDlgCoordination::DoAddSetting(const std::string& text, double ordering, bool once) {
    int index = AddEntry(m_wndThermalRated, text, once);
    if (index < 0)
        return;
    fw::CQtCombo box(m_wndThermalRated);
    box.SetItemData(index, static_cast<intptr_t>(ordering * 10));
    m_wndThermalRated->setItemData(index, ordering, kOrderingRole);
}

void CDlgCoordination::DoFillSettings(int32_t thermalTypeID) {
    fw::CQtCombo box(m_wndThermalRated);
    box.ResetContent();
    auto type = static_cast<unsigned>(m_nCoordType);
    CRSBreak_Coordination(m_pBreaker).DoReadSetThermalRated(&box, type, thermalTypeID);
    std::vector<double> exact = DoReadThermalOrderings(m_pBreaker, type, thermalTypeID);
    if (static_cast<int>(exact.size()) == box.GetCount()) {
        for (int i = 0; i < box.GetCount(); ++i)
            m_wndThermalRated->setItemData(i, exact[static_cast<size_t>(i)], kOrderingRole);
    }
}

void CDlgCoordination::DoReadType(int32_t typeID, CInfoBase& selection) {
    CRSBreak_Type(m_pBreaker).DoReadByTypeID(typeID, &selection, nullptr, 1);
}

void CDlgCoordination::DoTakeFirstRow(const CReadCoordinationList& rows) {
    const CReadCoordination* first = rows.GetHead();
    if (!first)
        return;
    m_dMotorOutput = first->m_dP;
    DoReadType(first->m_lLVCBTypeID, m_InfoBaseLVCB);
    m_InfoBaseLVCB.m_dRatedValue = first->m_dRatedCurrent;
    DoReadType(first->m_lContactorTypeID, m_InfoBaseContactor);
    DoReadType(first->m_lThermalTypeID, m_InfoBaseThermal);
    m_InfoBaseThermal.m_dRatedValue = first->m_dOrdering;
}

void CDlgCoordination::DoFillByMotor() {
    auto type = static_cast<unsigned>(m_nCoordType);
    fw::CQtCombo motor(m_wndMotor);
    motor.ResetContent();
    CRSBreak_Coordination(m_pBreaker).DoReadSetMotorCapacity(&motor, type);
    for (QComboBox* box :
         {m_wndLVCBType, m_wndLVCBRated, m_wndContactor, m_wndThermalType, m_wndThermalRated})
        Empty(box);
    if (m_dMotorOutput <= 0)
        return;
    CReadCoordinationList rows;
    CRSBreak_Coordination(m_pBreaker).DoReadByMotorCapacity(type, m_dMotorOutput, &rows);
    motor.SetCurSel(motor.FindStringExact(-1, Number(m_dMotorOutput)));
    for (const auto& row : rows) {
        int i = AddEntry(m_wndLVCBType, row->DoGetTextLVCBTypeName(m_pBreaker), false);
        fw::CQtCombo(m_wndLVCBType).SetItemData(i, row->m_lLVCBTypeID);
        AddEntry(m_wndLVCBRated, row->DoGetTextLVCBRatedCurrent(0), false);
        i = AddEntry(m_wndContactor, row->DoGetTextContactorTypeName(m_pBreaker), false);
        fw::CQtCombo(m_wndContactor).SetItemData(i, row->m_lContactorTypeID);
        i = AddEntry(m_wndThermalType, row->DoGetTextThermalTypeName(m_pBreaker), false);
        fw::CQtCombo(m_wndThermalType).SetItemData(i, row->m_lThermalTypeID);
        DoAddSetting(row->DoGetTextThermalRated(), row->m_dOrdering, false);
    }
    DoTakeFirstRow(rows);
    for (QComboBox* box :
         {m_wndLVCBType, m_wndLVCBRated, m_wndContactor, m_wndThermalType, m_wndThermalRated})
        SelectFirst(box);
    rows.DoDeleteAllReadCoordinations();
}

void CDlgCoordination::DoFillByLVCB() {
    auto type = static_cast<unsigned>(m_nCoordType);
    fw::CQtCombo types(m_wndLVCBType);
    fw::CQtCombo rated(m_wndLVCBRated);
    types.ResetContent();
    rated.ResetContent();
    CRSBreak_Coordination(m_pBreaker).DoReadSetLVCBType(&types, type);
    CRSBreak_Coordination(m_pBreaker).DoReadSetLVCBRated(&rated, type, m_InfoBaseLVCB.m_lTypeID);
    Empty(m_wndMotor);
    if (m_InfoBaseLVCB.m_lTypeID < 1 || m_InfoBaseLVCB.m_dRatedValue <= 0)
        return;
    types.SetCurSel(types.FindStringExact(-1, m_InfoBaseLVCB.m_strTypeName));
    rated.SetCurSel(rated.FindStringExact(-1, Number(m_InfoBaseLVCB.m_dRatedValue)));
    CReadCoordinationList rows;
    CRSBreak_Coordination(m_pBreaker)
        .DoReadByLVCBTypeRated(type, m_InfoBaseLVCB.m_lTypeID, m_InfoBaseLVCB.m_dRatedValue, &rows);
    for (QComboBox* box : {m_wndContactor, m_wndThermalType, m_wndThermalRated})
        Empty(box);
    for (const auto& row : rows) {
        AddEntry(m_wndMotor, row->DoGetTextMotorCapacity(0), false);
        int i = AddEntry(m_wndContactor, row->DoGetTextContactorTypeName(m_pBreaker), true);
        if (i >= 0)
            fw::CQtCombo(m_wndContactor).SetItemData(i, row->m_lContactorTypeID);
        i = AddEntry(m_wndThermalType, row->DoGetTextThermalTypeName(m_pBreaker), true);
        if (i >= 0)
            fw::CQtCombo(m_wndThermalType).SetItemData(i, row->m_lThermalTypeID);
        DoAddSetting(row->DoGetTextThermalRated(), row->m_dOrdering, true);
    }
    DoTakeFirstRow(rows);
    for (QComboBox* box : {m_wndMotor, m_wndContactor, m_wndThermalType, m_wndThermalRated})
        SelectFirst(box);
    rows.DoDeleteAllReadCoordinations();
}

void CDlgCoordination::DoFillByContactor() {
    auto type = static_cast<unsigned>(m_nCoordType);
    fw::CQtCombo contactors(m_wndContactor);
    contactors.ResetContent();
    CRSBreak_Coordination(m_pBreaker).DoReadSetContactor(&contactors, type);
    Empty(m_wndMotor);
    if (m_InfoBaseContactor.m_lTypeID < 1)
        return;
    contactors.SetCurSel(contactors.FindStringExact(-1, m_InfoBaseContactor.m_strTypeName));
    CReadCoordinationList rows;
    CRSBreak_Coordination(m_pBreaker).DoReadByContactor(type, m_InfoBaseContactor.m_lTypeID, &rows);
    for (QComboBox* box : {m_wndLVCBType, m_wndLVCBRated, m_wndThermalType, m_wndThermalRated})
        Empty(box);
    for (const auto& row : rows) {
        AddEntry(m_wndMotor, row->DoGetTextMotorCapacity(0), false);
        int i = AddEntry(m_wndLVCBType, row->DoGetTextLVCBTypeName(m_pBreaker), true);
        if (i >= 0)
            fw::CQtCombo(m_wndLVCBType).SetItemData(i, row->m_lLVCBTypeID);
        AddEntry(m_wndLVCBRated, row->DoGetTextLVCBRatedCurrent(0), true);
        i = AddEntry(m_wndThermalType, row->DoGetTextThermalTypeName(m_pBreaker), true);
        if (i >= 0)
            fw::CQtCombo(m_wndThermalType).SetItemData(i, row->m_lThermalTypeID);
        DoAddSetting(row->DoGetTextThermalRated(), row->m_dOrdering, true);
    }
    DoTakeFirstRow(rows);
    for (QComboBox* box :
         {m_wndMotor, m_wndLVCBType, m_wndLVCBRated, m_wndThermalType, m_wndThermalRated})
        SelectFirst(box);
    rows.DoDeleteAllReadCoordinations();
}

void CDlgCoordination::DoFillByThermal() {
    auto type = static_cast<unsigned>(m_nCoordType);
    fw::CQtCombo thermals(m_wndThermalType);
    thermals.ResetContent();
    CRSBreak_Coordination(m_pBreaker).DoReadSetThermalType(&thermals, type);
    DoFillSettings(m_InfoBaseThermal.m_lTypeID);
    Empty(m_wndMotor);
    const double ordering = m_InfoBaseThermal.m_dRatedValue;
    if (m_InfoBaseThermal.m_lTypeID < 1 || ordering <= 0)
        return;
    thermals.SetCurSel(thermals.FindStringExact(-1, m_InfoBaseThermal.m_strTypeName));
    // The setting of the exact ordering value, not of its tenths cut off.
    for (int i = 0; i < m_wndThermalRated->count(); ++i) {
        if (GetSettingOrdering(i) == ordering) {
            m_wndThermalRated->setCurrentIndex(i);
            break;
        }
    }
    CReadCoordinationList rows;
    CRSBreak_Coordination(m_pBreaker)
        .DoReadByThermalTypeRated(type, m_InfoBaseThermal.m_lTypeID, ordering, &rows);
    for (QComboBox* box : {m_wndLVCBType, m_wndLVCBRated, m_wndContactor})
        Empty(box);
    for (const auto& row : rows) {
        AddEntry(m_wndMotor, row->DoGetTextMotorCapacity(0), false);
        int i = AddEntry(m_wndLVCBType, row->DoGetTextLVCBTypeName(m_pBreaker), true);
        if (i >= 0)
            fw::CQtCombo(m_wndLVCBType).SetItemData(i, row->m_lLVCBTypeID);
        AddEntry(m_wndLVCBRated, row->DoGetTextLVCBRatedCurrent(1), true);
        i = AddEntry(m_wndContactor, row->DoGetTextContactorTypeName(m_pBreaker), true);
        if (i >= 0)
            fw::CQtCombo(m_wndContactor).SetItemData(i, row->m_lContactorTypeID);
    }
    DoTakeFirstRow(rows);
    for (QComboBox* box : {m_wndMotor, m_wndLVCBType, m_wndLVCBRated, m_wndContactor})
        SelectFirst(box);
    rows.DoDeleteAllReadCoordinations();
}

void CDlgCoordination::DoFill(int mode) {
    CWaitCursor wait;
    switch (mode) {
    case 1:
        DoFillByMotor();
        break;
    case 2:
        DoFillByLVCB();
        break;
    case 3:
        DoFillByContactor();
        break;
    case 4:
        DoFillByThermal();
        break;
    default:
        break;
    }
}

void CDlgCoordination::DoCheckRadios() {
    m_wndType1->setChecked(m_nCoordType == 1);
    m_wndType2->setChecked(m_nCoordType == 2);
    for (int i = 0; i < 4; ++i)
        m_wndMode[i]->setChecked(m_nMode == i + 1);
}

void CDlgCoordination::OnInitDialog() {
    // Search waits for a pick when the document held no motor output, in
    // any mode (a fill takes the first row's output, which is not a choice).
    bool stored = m_dMotorOutput > 0;
    DoFill(m_nMode);
    DoCheckRadios();
    EnableSearch(stored);
}

void CDlgCoordination::OnType(int coordType) {
    if (coordType != m_nCoordType) {
        CWaitCursor wait;
        m_nCoordType = coordType;
        fw::CQtCombo motor(m_wndMotor);
        motor.ResetContent();
        CRSBreak_Coordination(m_pBreaker)
            .DoReadSetMotorCapacity(&motor, static_cast<unsigned>(coordType));
        DoFill(m_nMode);
    }
    DoCheckRadios();
}

void CDlgCoordination::OnMode(int mode) {
    if (mode != m_nMode) {
        m_nMode = mode;
        DoFill(mode);
    }
    DoCheckRadios();
}

void CDlgCoordination::OnSelchangeMotor() {
    int index = m_wndMotor->currentIndex();
    if (index < 0)
        return;
    double output = parse_number::Decimal(m_wndMotor->itemText(index).toStdString());
    if (output == m_dMotorOutput)
        return;
    m_dMotorOutput = output;
    m_nMode = 1;
    DoFill(1);
    DoCheckRadios();
    EnableSearch(true);
}

void CDlgCoordination::OnSelchangeLVCBType() {
    fw::CQtCombo box(m_wndLVCBType);
    int index = box.GetCurSel();
    auto typeID = static_cast<int32_t>(box.GetItemData(index));
    if (index < 0 || typeID == 0 || typeID == m_InfoBaseLVCB.m_lTypeID)
        return;
    CWaitCursor wait;
    DoReadType(typeID, m_InfoBaseLVCB);
    fw::CQtCombo rated(m_wndLVCBRated);
    rated.ResetContent();
    CRSBreak_Coordination(m_pBreaker)
        .DoReadSetLVCBRated(&rated, static_cast<unsigned>(m_nCoordType), typeID);
    for (QComboBox* other : {m_wndMotor, m_wndContactor, m_wndThermalType, m_wndThermalRated})
        Empty(other);
    m_nMode = 2;
    DoCheckRadios();
}

void CDlgCoordination::OnSelchangeLVCBRated() {
    int index = m_wndLVCBRated->currentIndex();
    if (index < 0)
        return;
    double rated = parse_number::Decimal(m_wndLVCBRated->itemText(index).toStdString());
    if (rated == m_InfoBaseLVCB.m_dRatedValue)
        return;
    m_InfoBaseLVCB.m_dRatedValue = rated;
    m_nMode = 2;
    DoFill(2);
    DoCheckRadios();
    EnableSearch(true);
}

void CDlgCoordination::OnSelchangeContactor() {
    fw::CQtCombo box(m_wndContactor);
    int index = box.GetCurSel();
    auto typeID = static_cast<int32_t>(box.GetItemData(index));
    if (index < 0 || typeID == 0 || typeID == m_InfoBaseContactor.m_lTypeID)
        return;
    DoReadType(typeID, m_InfoBaseContactor);
    m_nMode = 3;
    DoFill(3);
    DoCheckRadios();
    EnableSearch(true);
}

void CDlgCoordination::OnSelchangeThermalType() {
    fw::CQtCombo box(m_wndThermalType);
    int index = box.GetCurSel();
    auto typeID = static_cast<int32_t>(box.GetItemData(index));
    if (index < 0 || typeID == 0 || typeID == m_InfoBaseThermal.m_lTypeID)
        return;
    CWaitCursor wait;
    DoReadType(typeID, m_InfoBaseThermal);
    DoFillSettings(typeID);
    for (QComboBox* other : {m_wndMotor, m_wndLVCBType, m_wndLVCBRated, m_wndContactor})
        Empty(other);
    m_nMode = 4;
    DoCheckRadios();
}

void CDlgCoordination::OnSelchangeThermalRated() {
    int index = m_wndThermalRated->currentIndex();
    if (index < 0)
        return;
    double ordering = GetSettingOrdering(index);
    if (ordering == m_InfoBaseThermal.m_dRatedValue)
        return;
    m_InfoBaseThermal.m_dRatedValue = ordering;
    m_nMode = 4;
    DoFill(4);
    DoCheckRadios();
    EnableSearch(true);
}
