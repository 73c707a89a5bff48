#include "catalogue/dialogs/CDlgPairSearch.h"

#include "catalogue/model/PairLookups.h"
#include "catalogue/model/ParseNumber.h"
#include "catalogue/model/ZedezuziIds.h"

#include "breakerdata/recordsets/CRSBreak_Cascade.h"
#include "breakerdata/recordsets/CRSBreak_Group.h"
#include "breakerdata/recordsets/CRSBreak_Selective.h"
#include "breakerdata/recordsets/CRSBreak_TypeLVCB.h"
#include "listdata/CRSList_VoltLow.h"

#include "framework/QtCombo.h"
#include "tools/Filvaron.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace searchdlg;

namespace {

std::string Number(double value) {
    return DLLGetTextByBeams(value, 0);
}

} // namespace

CDlgPairSearch::CDlgPairSearch(const CTexts& texts, fw::CDatabase* breaker, fw::CDatabase* list,
                               QWidget* parent)
    : CSearchDialog(texts.resourceId, texts.caption, parent), m_pBreaker(breaker), m_pList(list) {
    QGridLayout* top = nullptr;
    AddGroup("", &top)->setFlat(true);
    m_wndVoltage = AddCombo(top, 0, zzid::IDC_VOLTAGE, "Voltage(V):", true, 3);
    m_wndPoles = AddCombo(top, 1, zzid::IDC_POLES, "Number of poles:", false);
    for (const char* poles : {"1", "2", "3", "4"})
        m_wndPoles->addItem(QString::fromLatin1(poles));

    m_wndMode1 = AddRadio(zzid::IDC_MODE1, texts.mode1, this);
    layout()->addWidget(m_wndMode1);
    QGridLayout* up = nullptr;
    AddGroup("Upstream breaker", &up);
    m_wndKindUp = AddCombo(up, 0, zzid::IDC_KIND_UP, "Kind:", false);
    m_wndTypeUp = AddCombo(up, 1, zzid::IDC_TYPE_UP, "Type:", false);

    m_wndMode2 = AddRadio(zzid::IDC_MODE2, texts.mode2, this);
    layout()->addWidget(m_wndMode2);
    QGridLayout* down = nullptr;
    AddGroup("Downstream breaker", &down);
    m_wndKindDown = AddCombo(down, 0, zzid::IDC_KIND_DOWN, "Kind:", false);
    m_wndTypeDown = AddCombo(down, 1, zzid::IDC_TYPE_DOWN, "Type:", false);

    m_wndMode3 = AddRadio(texts.mode3Id, texts.mode3, this);
    layout()->addWidget(m_wndMode3);
    QGridLayout* value = nullptr;
    AddGroup("", &value)->setFlat(true);
    m_wndValue = AddCombo(value, 0, texts.valueId, texts.valueLabel, true);
    AddButtons();

    OnPicked(m_wndVoltage, [this] { OnSelchangeVoltage(); });
    OnTyped(m_wndVoltage, [this] { OnEditchangeVoltage(); });
    OnPicked(m_wndPoles, [this] { OnSelchangePoles(); });
    OnPicked(m_wndKindUp, [this] { OnSelchangeKindUp(); });
    OnPicked(m_wndKindDown, [this] { OnSelchangeKindDown(); });
    OnPicked(m_wndTypeUp, [this] { OnSelchangeTypeUp(); });
    OnPicked(m_wndTypeDown, [this] { OnSelchangeTypeDown(); });
    OnPicked(m_wndValue, [this] { OnSelchangeValue(); });
    OnTyped(m_wndValue, [this] { OnEditchangeValue(); });
    connect(m_wndMode1, &QRadioButton::clicked, this, [this] { OnMode(1); });
    connect(m_wndMode2, &QRadioButton::clicked, this, [this] { OnMode(2); });
    connect(m_wndMode3, &QRadioButton::clicked, this, [this] { OnMode(3); });
}

void CDlgPairSearch::DoClearType(CInfoBase& side) {
    side.m_lTypeID = 0;
    side.m_strTypeName.clear();
}

void CDlgPairSearch::DoFillKinds(CInfoBase& side, QComboBox* widget) {
    fw::CQtCombo box(widget);
    box.ResetContent();
    if (side.m_lManufactureID <= 0)
        return;
    CRSBreak_Group(m_pBreaker)
        .DoReadSetDefaultEG(&box, side.m_lManufactureID, side.m_nKindFlag, nullptr, 0);
    int index = box.FindStringExact(-1, side.m_strGroupName);
    box.SetCurSel(index);
    if (index >= 0)
        CRSBreak_Group(m_pBreaker)
            .DoReadByManuGroupID(side.m_lManufactureID, side.m_lGroupID, &side);
}

void CDlgPairSearch::DoFillTypes(CInfoBase& side, QComboBox* widget, bool searched) {
    fw::CQtCombo box(widget);
    box.ResetContent();
    if (side.m_lGroupID <= 0)
        return;
    if (searched) {
        DoClearType(side);
        return;
    }
    CRSBreak_TypeLVCB(m_pBreaker)
        .DoReadSetByIDValue(&box, side.m_lManufactureID, side.m_lGroupID, side.m_nVoltage, 0.0, 0.0,
                            m_nPoles);
    int index = box.FindStringExact(-1, side.m_strTypeName);
    box.SetCurSel(index);
    if (index < 0)
        DoClearType(side);
}

// The partners of a known breaker; without its type there are none (the
// table's read would otherwise list every type it joins).
void CDlgPairSearch::DoFillPairsUp() {
    fw::CQtCombo box(m_wndTypeUp);
    box.ResetContent();
    if (m_InfoBaseDown.m_lTypeID > 0)
        DoReadSetUpstream(&box, &m_InfoBaseDown, &m_InfoBaseUp, m_dValue, m_nPoles);
}

void CDlgPairSearch::DoFillPairsDown() {
    fw::CQtCombo box(m_wndTypeDown);
    box.ResetContent();
    if (m_InfoBaseUp.m_lTypeID > 0)
        DoReadSetDownstream(&box, &m_InfoBaseUp, &m_InfoBaseDown, m_dValue, m_nPoles);
}

void CDlgPairSearch::DoLookUp() {
    if (DoReadPairValue(m_InfoBaseUp, m_InfoBaseDown, &m_dValue) > 0)
        SetText(m_wndValue, Number(m_dValue / 1000.0));
}

void CDlgPairSearch::DoSearchRule() {
    switch (m_nMode) {
    case 1:
        EnableSearch(m_InfoBaseDown.m_lTypeID >= 1);
        break;
    case 2:
        EnableSearch(m_InfoBaseUp.m_lTypeID >= 1);
        break;
    case 3:
        EnableSearch(m_InfoBaseUp.m_lTypeID >= 1 && m_InfoBaseDown.m_lTypeID >= 1);
        break;
    default:
        break;
    }
}

void CDlgPairSearch::DoCheckRadios() {
    m_wndMode1->setChecked(m_nMode == 1);
    m_wndMode2->setChecked(m_nMode == 2);
    m_wndMode3->setChecked(m_nMode == 3);
}

void CDlgPairSearch::OnInitDialog() {
    CWaitCursor wait;
    fw::CQtCombo voltage(m_wndVoltage);
    voltage.ResetContent();
    CRSList_VoltLow(m_pList).DoReadSetDefaultLV(&voltage, nullptr);
    SetText(m_wndVoltage, m_InfoBaseUp.DoGetTextVoltage(0));

    fw::CQtCombo poles(m_wndPoles);
    poles.SetCurSel(poles.FindStringExact(-1, Number(m_nPoles)));

    DoFillKinds(m_InfoBaseUp, m_wndKindUp);
    DoFillKinds(m_InfoBaseDown, m_wndKindDown);
    if (m_nMode == 1) {
        DoFillTypesDown();
        DoFillPairsUp();
        if (m_InfoBaseUp.m_lTypeID > 0) {
            fw::CQtCombo up(m_wndTypeUp);
            up.SetCurSel(up.FindStringExact(-1, m_InfoBaseUp.m_strTypeName));
        }
    } else if (m_nMode == 2) {
        DoFillTypesUp();
        DoFillPairsDown();
        if (m_InfoBaseDown.m_lTypeID > 0) {
            fw::CQtCombo down(m_wndTypeDown);
            down.SetCurSel(down.FindStringExact(-1, m_InfoBaseDown.m_strTypeName));
        }
    } else if (m_nMode == 3) {
        DoFillTypesUp();
        DoFillTypesDown();
    }
    DoCheckRadios();

    fw::CQtCombo values(m_wndValue);
    values.ResetContent();
    DoReadSetListValues(&values);
    if (m_dValue > 0)
        SetText(m_wndValue, Number(m_dValue / 1000.0));
    DoSearchRule();
}

void CDlgPairSearch::DoModeStep() {
    if (m_nMode == 1) {
        if (m_dValue > 0 && m_InfoBaseDown.m_lTypeID > 0) {
            DoClearType(m_InfoBaseUp);
            DoFillPairsUp();
        }
    } else if (m_nMode == 2) {
        if (m_dValue > 0 && m_InfoBaseUp.m_lTypeID > 0) {
            DoClearType(m_InfoBaseDown);
            DoFillPairsDown();
        }
    } else if (m_nMode == 3) {
        m_dValue = 0.0;
        SetText(m_wndValue, std::string());
        if (m_InfoBaseUp.m_lTypeID >= 1 && m_InfoBaseDown.m_lTypeID >= 1)
            DoLookUp();
    }
}

void CDlgPairSearch::DoSetVoltage(int voltage) {
    m_InfoBaseUp.m_nVoltage = voltage;
    m_InfoBaseDown.m_nVoltage = voltage;
    DoFillTypesUp();
    DoFillTypesDown();
    DoModeStep();
}

void CDlgPairSearch::OnSelchangeVoltage() {
    fw::CQtCombo box(m_wndVoltage);
    int index = box.GetCurSel();
    if (index < 0)
        return;
    int voltage = parse_number::LeadingInt(box.GetLBText(index));
    if (voltage == m_InfoBaseUp.m_nVoltage)
        return;
    CWaitCursor wait;
    DoSetVoltage(voltage);
    DoSearchRule();
}

void CDlgPairSearch::OnEditchangeVoltage() {
    CWaitCursor wait;
    int voltage = parse_number::LeadingInt(Text(m_wndVoltage));
    EnableSearch(voltage >= 1);
    DoSetVoltage(voltage);
    DoSearchRule();
}

void CDlgPairSearch::OnSelchangePoles() {
    fw::CQtCombo box(m_wndPoles);
    int index = box.GetCurSel();
    if (index < 0)
        return;
    int poles = parse_number::LeadingInt(box.GetLBText(index));
    if (poles < 1 || poles == m_nPoles)
        return;
    CWaitCursor wait;
    m_nPoles = poles;
    DoFillTypesUp();
    DoFillTypesDown();
    DoModeStep();
    DoSearchRule();
}

void CDlgPairSearch::OnSelchangeKindUp() {
    fw::CQtCombo box(m_wndKindUp);
    int index = box.GetCurSel();
    auto group = static_cast<int32_t>(box.GetItemData(index));
    if (index < 0 || group <= 0 || group == m_InfoBaseUp.m_lGroupID)
        return;
    CWaitCursor wait;
    m_InfoBaseUp.m_lGroupID = group;
    m_InfoBaseUp.m_strGroupName = box.GetLBText(index);
    DoClearType(m_InfoBaseUp);
    CRSBreak_Group(m_pBreaker)
        .DoReadByManuGroupID(m_InfoBaseUp.m_lManufactureID, group, &m_InfoBaseUp);
    DoFillTypesUp();
    DoSearchRule();
}

void CDlgPairSearch::OnSelchangeKindDown() {
    fw::CQtCombo box(m_wndKindDown);
    int index = box.GetCurSel();
    auto group = static_cast<int32_t>(box.GetItemData(index));
    if (index < 0 || group <= 0 || group == m_InfoBaseDown.m_lGroupID)
        return;
    CWaitCursor wait;
    m_InfoBaseDown.m_lGroupID = group;
    m_InfoBaseDown.m_strGroupName = box.GetLBText(index);
    DoClearType(m_InfoBaseDown);
    CRSBreak_Group(m_pBreaker)
        .DoReadByManuGroupID(m_InfoBaseDown.m_lManufactureID, group, &m_InfoBaseDown);
    DoFillTypesDown();
    DoSearchRule();
}

void CDlgPairSearch::DoTypePicked(CInfoBase& side, QComboBox* widget, bool upstream) {
    fw::CQtCombo box(widget);
    int index = box.GetCurSel();
    auto type = static_cast<int32_t>(box.GetItemData(index));
    if (index < 0 || type == 0 || type == side.m_lTypeID)
        return;
    side.m_lTypeID = type;
    side.m_strTypeName = box.GetLBText(index);
    // Picking the known side of a search lists the searched side's partners.
    if (upstream && m_nMode == 2 && m_dValue > 0 && m_InfoBaseUp.m_lTypeID >= 1) {
        DoClearType(m_InfoBaseDown);
        DoFillPairsDown();
    } else if (!upstream && m_nMode == 1 && m_dValue > 0 && m_InfoBaseDown.m_lTypeID >= 1) {
        DoClearType(m_InfoBaseUp);
        DoFillPairsUp();
    } else if (m_nMode == 3) {
        m_dValue = 0.0;
        SetText(m_wndValue, std::string());
        const CInfoBase& other = upstream ? m_InfoBaseDown : m_InfoBaseUp;
        if (other.m_lTypeID >= 1)
            DoLookUp();
    }
    DoSearchRule();
}

void CDlgPairSearch::OnSelchangeTypeUp() {
    DoTypePicked(m_InfoBaseUp, m_wndTypeUp, true);
}

void CDlgPairSearch::OnSelchangeTypeDown() {
    DoTypePicked(m_InfoBaseDown, m_wndTypeDown, false);
}

void CDlgPairSearch::DoValueChanged(double value) {
    m_dValue = value;
    if (m_nMode == 1 && m_InfoBaseDown.m_lTypeID >= 1) {
        DoClearType(m_InfoBaseUp);
        DoFillPairsUp();
    } else if (m_nMode == 2 && m_InfoBaseUp.m_lTypeID >= 1) {
        DoClearType(m_InfoBaseDown);
        DoFillPairsDown();
    }
}

void CDlgPairSearch::OnSelchangeValue() {
    fw::CQtCombo box(m_wndValue);
    int index = box.GetCurSel();
    if (index < 0)
        return;
    double value = parse_number::Decimal(box.GetLBText(index)) * 1000.0;
    if (value == m_dValue)
        return;
    CWaitCursor wait;
    DoValueChanged(value);
    DoSearchRule();
}

void CDlgPairSearch::OnEditchangeValue() {
    CWaitCursor wait;
    DoValueChanged(parse_number::Decimal(Text(m_wndValue)) * 1000.0);
    if (m_dValue < 0)
        EnableSearch(false);
    else
        DoSearchRule();
}

void CDlgPairSearch::OnMode(int mode) {
    if (mode == m_nMode) {
        DoCheckRadios();
        return;
    }
    CWaitCursor wait;
    m_nMode = mode;
    DoCheckRadios();
    if (mode == 1) {
        DoClearType(m_InfoBaseUp);
        DoFillTypesDown();
        DoFillPairsUp();
    } else if (mode == 2) {
        DoClearType(m_InfoBaseDown);
        DoFillTypesUp();
        DoFillPairsDown();
    } else {
        m_dValue = 0.0;
        SetText(m_wndValue, std::string());
        DoFillTypesUp();
        DoFillTypesDown();
        if (m_InfoBaseUp.m_lTypeID >= 1 && m_InfoBaseDown.m_lTypeID >= 1)
            DoLookUp();
    }
    DoSearchRule();
}

// ------------------------------------------------------------------ cascade

CDlgCascade::CDlgCascade(fw::CDatabase* breaker, fw::CDatabase* list, QWidget* parent)
    : CDlgPairSearch(
          {zzid::IDD_CASCADE, "Cascade",
           "Search the upstream breaker which can back up the downstream breaker at Icu-back.",
           "Search the downstream breaker which can be backed up by the upstream breaker at "
           "Icu-back.",
           "Know Icu-back of any combination.", zzid::IDC_MODE3_CASCADE, zzid::IDC_ICU_BACK,
           "Icu-back(kA):"},
          breaker, list, parent) {}

int CDlgCascade::DoReadSetUpstream(fw::IComboBox* box, const CInfoBase* down, const CInfoBase* up,
                                   double value, int poles) {
    return CRSBreak_Cascade(m_pBreaker).DoReadSetUpstream(box, nullptr, down, up, value, poles);
}

int CDlgCascade::DoReadSetDownstream(fw::IComboBox* box, const CInfoBase* up, const CInfoBase* down,
                                     double value, int poles) {
    return CRSBreak_Cascade(m_pBreaker).DoReadSetDownstream(box, nullptr, up, down, value, poles);
}

int CDlgCascade::DoReadSetListValues(fw::IComboBox* box) {
    return CRSBreak_Cascade(m_pBreaker).DoReadSetListIcuBack(box);
}

int32_t CDlgCascade::DoReadPairValue(const CInfoBase& up, const CInfoBase& down, double* value) {
    return DoLookUpIcuBack(m_pBreaker, up, down, value);
}

// ---------------------------------------------------------------- selective

CDlgSelective::CDlgSelective(fw::CDatabase* breaker, fw::CDatabase* list, QWidget* parent)
    : CDlgPairSearch({zzid::IDD_SELECTIVE, "Discrimination",
                      "Search the upstream breaker which can be discriminated from the "
                      "downstream breaker at Is.",
                      "Search the downstream breaker which can be discriminated from the "
                      "upstream breaker at Is.",
                      "know Is of any combination.", zzid::IDC_MODE3_SELECTIVE, zzid::IDC_IS,
                      "Is(kA):"},
                     breaker, list, parent) {}

int CDlgSelective::DoReadSetUpstream(fw::IComboBox* box, const CInfoBase* down, const CInfoBase* up,
                                     double value, int poles) {
    return CRSBreak_Selective(m_pBreaker).DoReadSetUpstream(box, nullptr, down, up, value, poles);
}

int CDlgSelective::DoReadSetDownstream(fw::IComboBox* box, const CInfoBase* up,
                                       const CInfoBase* down, double value, int poles) {
    return CRSBreak_Selective(m_pBreaker).DoReadSetDownstream(box, nullptr, up, down, value, poles);
}

int CDlgSelective::DoReadSetListValues(fw::IComboBox* box) {
    return CRSBreak_Selective(m_pBreaker).DoReadSetListIs(box);
}

int32_t CDlgSelective::DoReadPairValue(const CInfoBase& up, const CInfoBase& down, double* value) {
    return DoLookUpIs(m_pBreaker, up, down, value);
}
