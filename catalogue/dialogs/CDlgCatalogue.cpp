#include "catalogue/dialogs/CDlgCatalogue.h"

#include "catalogue/model/ParseNumber.h"
#include "catalogue/model/ZedezuziIds.h"

#include "breakerdata/model/CReadBase.h"
#include "breakerdata/recordsets/CRSBreak_Capacity.h"
#include "breakerdata/recordsets/CRSBreak_Group.h"
#include "breakerdata/recordsets/CRSBreak_TypeLVCB.h"
#include "breakerdata/recordsets/CRSManufacture.h"
#include "listdata/CRSList_VoltLow.h"

#include "framework/QtCombo.h"
#include "framework/Resources.h"
#include "tools/Filvaron.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

using namespace searchdlg;

namespace {

std::string Number(double value) {
    return DLLGetTextByBeams(value, 0);
}

} // namespace

CDlgCatalogue::CDlgCatalogue(fw::CDatabase* breaker, fw::CDatabase* list, QWidget* parent)
    : CSearchDialog(zzid::IDD_CATALOGUE, "Optional", parent), m_pBreaker(breaker), m_pList(list) {
    QGridLayout* conditions = nullptr;
    AddGroup("Search conditions", &conditions);
    m_wndVoltage = AddCombo(conditions, 0, zzid::IDC_VOLTAGE, "Voltage(V):", true, 3);
    m_wndRatedCurrent = AddEdit(conditions, 1, zzid::IDC_RATED_CURRENT, "Rated current(A):", 5);
    m_wndCapacity = AddCombo(conditions, 2, zzid::IDC_CAPACITY, "Breaking capacity(kA):", true, 3);
    m_wndPoles = AddCombo(conditions, 3, zzid::IDC_POLES, "Number of poles:", false);
    for (const char* poles : {"1", "2", "3", "4"})
        m_wndPoles->addItem(QString::fromLatin1(poles));

    QGridLayout* narrowing = nullptr;
    AddGroup("Narrowing conditions", &narrowing);
    m_wndManufacturer = AddCombo(narrowing, 0, zzid::IDC_MANUFACTURER, "Manufacturer:", false);
    m_wndKind = AddCombo(narrowing, 1, zzid::IDC_KIND, "Kind:", false);
    m_wndType = AddCombo(narrowing, 2, zzid::IDC_TYPE, "Type:", false);
    m_wndClear = new QPushButton(QStringLiteral("Clear"), narrowing->parentWidget());
    fw::SetControlId(m_wndClear, zzid::IDC_CLEAR);
    narrowing->addWidget(m_wndClear, 3, 1);
    AddButtons();

    OnPicked(m_wndVoltage, [this] { OnSelchangeVoltage(); });
    OnTyped(m_wndVoltage, [this] { OnEditchangeVoltage(); });
    OnTyped(m_wndRatedCurrent, [this] { OnChangeRatedCurrent(); });
    OnPicked(m_wndCapacity, [this] { OnSelchangeCapacity(); });
    OnTyped(m_wndCapacity, [this] { OnEditchangeCapacity(); });
    OnPicked(m_wndPoles, [this] { OnSelchangePoles(); });
    OnPicked(m_wndManufacturer, [this] { OnSelchangeManufacturer(); });
    OnPicked(m_wndKind, [this] { OnSelchangeKind(); });
    OnPicked(m_wndType, [this] { OnSelchangeType(); });
    connect(m_wndClear, &QPushButton::clicked, this, [this] { OnClear(); });
}

void CDlgCatalogue::UpdateData(bool saveAndValidate) {
    if (saveAndValidate)
        m_strRatedCurrent = Text(m_wndRatedCurrent);
    else
        SetText(m_wndRatedCurrent, m_strRatedCurrent);
}

void CDlgCatalogue::OnInitDialog() {
    CWaitCursor wait;
    fw::CQtCombo voltage(m_wndVoltage);
    voltage.ResetContent();
    CRSList_VoltLow(m_pList).DoReadSetDefaultLV(&voltage, nullptr);
    SetText(m_wndVoltage, m_InfoBase.DoGetTextVoltage(0));

    bool rated = m_InfoBase.m_dRatedValue > 0;
    m_strRatedCurrent = rated ? Number(m_InfoBase.m_dRatedValue) : std::string();

    fw::CQtCombo capacity(m_wndCapacity);
    capacity.ResetContent();
    CRSBreak_Capacity(m_pBreaker).DoReadSetListCapacity(&capacity);
    if (m_dCapacity > 0)
        SetText(m_wndCapacity, Number(m_dCapacity / 1000.0));

    fw::CQtCombo poles(m_wndPoles);
    poles.SetCurSel(poles.FindStringExact(-1, Number(m_nPoles)));

    DoFillManufacturers();
    DoFillKinds();
    DoFillTypes();
    UpdateData(false);
    DoSetSearch(rated);
}

void CDlgCatalogue::DoFillManufacturers() {
    fw::CQtCombo box(m_wndManufacturer);
    box.ResetContent();
    CRSManufacture makers(m_pBreaker);
    makers.DoReadSetDefaultM(&box, static_cast<unsigned>(m_InfoBase.m_nKindFlag), nullptr, 0);
    int index = box.FindStringExact(-1, m_InfoBase.m_strManufactureName);
    box.SetCurSel(index);
    if (index >= 0)
        CRSManufacture(m_pBreaker).DoReadByManufactureID(m_InfoBase.m_lManufactureID, &m_InfoBase);
}

void CDlgCatalogue::DoFillKinds() {
    fw::CQtCombo box(m_wndKind);
    box.ResetContent();
    if (m_InfoBase.m_lManufactureID <= 0)
        return;
    CRSBreak_Group(m_pBreaker)
        .DoReadSetDefaultEG(&box, m_InfoBase.m_lManufactureID, m_InfoBase.m_nKindFlag, nullptr, 0);
    int index = box.FindStringExact(-1, m_InfoBase.m_strGroupName);
    box.SetCurSel(index);
    if (index >= 0)
        CRSBreak_Group(m_pBreaker)
            .DoReadByManuGroupID(m_InfoBase.m_lManufactureID, m_InfoBase.m_lGroupID, &m_InfoBase);
}

void CDlgCatalogue::DoFillTypes() {
    fw::CQtCombo box(m_wndType);
    box.ResetContent();
    if (m_InfoBase.m_lGroupID <= 0)
        return;
    CRSBreak_TypeLVCB(m_pBreaker)
        .DoReadSetByIDValue(&box, m_InfoBase.m_lManufactureID, m_InfoBase.m_lGroupID,
                            m_InfoBase.m_nVoltage, m_InfoBase.m_dRatedValue, m_dCapacity, m_nPoles);
    // A type that is not listed stays in the conditions, shown unselected.
    box.SetCurSel(box.FindStringExact(-1, m_InfoBase.m_strTypeName));
}

bool CDlgCatalogue::IsSearchable() {
    if (m_InfoBase.m_dRatedValue <= 0 || m_InfoBase.m_nVoltage < 1 || m_dCapacity < 0)
        return false;
    if (m_InfoBase.m_lTypeID <= 0)
        return true;
    fw::CQtCombo types(m_wndType);
    int shown = types.GetCurSel();
    if (shown < 0 || types.GetItemData(shown) != m_InfoBase.m_lTypeID)
        return false;
    CInfoBase scratch = m_InfoBase;
    CReadBase reference;
    return CRSBreak_TypeLVCB(m_pBreaker)
               .DoReadByTypeIDValue(m_InfoBase.m_lTypeID, m_InfoBase.m_dRatedValue, m_nPoles,
                                    &scratch, &reference) >= 1;
}

void CDlgCatalogue::DoSetSearch(bool enableByEvent) {
    m_bSearchByEvent = enableByEvent;
    EnableSearch(enableByEvent && IsSearchable());
}

void CDlgCatalogue::OnSelchangeVoltage() {
    UpdateData(true);
    // Enabled whatever else holds, before the pick is looked at.
    bool search = true;
    fw::CQtCombo box(m_wndVoltage);
    int index = box.GetCurSel();
    if (index >= 0) {
        int voltage = parse_number::LeadingInt(box.GetLBText(index));
        if (voltage != m_InfoBase.m_nVoltage) {
            CWaitCursor wait;
            m_InfoBase.m_nVoltage = voltage;
            DoFillTypes();
        }
    }
    UpdateData(false);
    DoSetSearch(search);
}

void CDlgCatalogue::OnEditchangeVoltage() {
    UpdateData(true);
    CWaitCursor wait;
    m_InfoBase.m_nVoltage = parse_number::LeadingInt(Text(m_wndVoltage));
    DoFillTypes();
    UpdateData(false);
    DoSetSearch(m_InfoBase.m_nVoltage >= 1);
}

void CDlgCatalogue::OnChangeRatedCurrent() {
    UpdateData(true);
    CWaitCursor wait;
    m_InfoBase.m_dRatedValue = parse_number::Decimal(m_strRatedCurrent);
    m_InfoBase.m_lTypeID = 0;
    m_InfoBase.m_strTypeName.clear();
    DoFillTypes();
    UpdateData(false);
    DoSetSearch(m_InfoBase.m_dRatedValue > 0);
}

void CDlgCatalogue::OnSelchangeCapacity() {
    UpdateData(true);
    fw::CQtCombo box(m_wndCapacity);
    int index = box.GetCurSel();
    if (index >= 0) {
        double capacity = parse_number::Decimal(box.GetLBText(index)) * 1000.0;
        if (capacity != m_dCapacity) {
            CWaitCursor wait;
            m_dCapacity = capacity;
            DoFillTypes();
        }
    }
    UpdateData(false);
    DoSetSearch(true);
}

void CDlgCatalogue::OnEditchangeCapacity() {
    UpdateData(true);
    CWaitCursor wait;
    m_dCapacity = parse_number::Decimal(Text(m_wndCapacity)) * 1000.0;
    DoFillTypes();
    UpdateData(false);
    DoSetSearch(m_dCapacity > 0);
}

void CDlgCatalogue::OnSelchangePoles() {
    UpdateData(true);
    fw::CQtCombo box(m_wndPoles);
    int index = box.GetCurSel();
    if (index >= 0) {
        int poles = parse_number::LeadingInt(box.GetLBText(index));
        if (poles >= 1 && poles != m_nPoles) {
            CWaitCursor wait;
            m_nPoles = poles;
            m_InfoBase.m_lTypeID = 0;
            m_InfoBase.m_strTypeName.clear();
            DoFillTypes();
        }
    }
    UpdateData(false);
    DoSetSearch(m_bSearchByEvent);
}

void CDlgCatalogue::OnSelchangeManufacturer() {
    UpdateData(true);
    fw::CQtCombo box(m_wndManufacturer);
    int index = box.GetCurSel();
    auto maker = static_cast<int32_t>(box.GetItemData(index));
    if (index >= 0 && maker >= 1 && maker != m_InfoBase.m_lManufactureID) {
        CWaitCursor wait;
        m_InfoBase.m_lManufactureID = maker;
        m_InfoBase.m_strManufactureName = box.GetLBText(index);
        m_InfoBase.m_lGroupID = 0;
        m_InfoBase.m_strGroupName.clear();
        m_InfoBase.m_lTypeID = 0;
        m_InfoBase.m_strTypeName.clear();
        DoFillKinds();
        fw::CQtCombo(m_wndType).ResetContent();
    }
    UpdateData(false);
    DoSetSearch(m_bSearchByEvent);
}

void CDlgCatalogue::OnSelchangeKind() {
    UpdateData(true);
    fw::CQtCombo makers(m_wndManufacturer);
    fw::CQtCombo kinds(m_wndKind);
    int maker = makers.GetCurSel();
    int kind = kinds.GetCurSel();
    if (maker >= 0 && makers.GetItemData(maker) > 0 && kind >= 0) {
        auto group = static_cast<int32_t>(kinds.GetItemData(kind));
        if (group >= 1 && group != m_InfoBase.m_lGroupID) {
            CWaitCursor wait;
            m_InfoBase.m_lGroupID = group;
            m_InfoBase.m_strGroupName = kinds.GetLBText(kind);
            m_InfoBase.m_lTypeID = 0;
            m_InfoBase.m_strTypeName.clear();
            CRSBreak_Group(m_pBreaker)
                .DoReadByManuGroupID(m_InfoBase.m_lManufactureID, group, &m_InfoBase);
            DoFillTypes();
        }
    }
    UpdateData(false);
    DoSetSearch(m_bSearchByEvent);
}

void CDlgCatalogue::OnSelchangeType() {
    UpdateData(true);
    bool search = m_bSearchByEvent;
    fw::CQtCombo box(m_wndType);
    int index = box.GetCurSel();
    auto type = static_cast<int32_t>(box.GetItemData(index));
    if (index >= 0 && type != 0 && type != m_InfoBase.m_lTypeID) {
        CWaitCursor wait;
        m_InfoBase.m_lTypeID = type;
        m_InfoBase.m_strTypeName = box.GetLBText(index);
        CReadBase scratch;
        if (CRSBreak_TypeLVCB(m_pBreaker)
                .DoReadByTypeIDValue(type, m_InfoBase.m_dRatedValue, m_nPoles, &m_InfoBase,
                                     &scratch) < 1)
            search = false;
    }
    UpdateData(false);
    DoSetSearch(search);
}

void CDlgCatalogue::OnClear() {
    UpdateData(true);
    CWaitCursor wait;
    m_InfoBase.m_lGroupID = 0;
    m_InfoBase.m_strGroupName.clear();
    m_InfoBase.m_nLVCBCode = 0;
    m_InfoBase.m_lTypeID = 0;
    m_InfoBase.m_strTypeName.clear();
    DoFillKinds();
    DoFillTypes();
    UpdateData(false);
    DoSetSearch(m_bSearchByEvent);
}
