#include "CDlgEleHVCB.h"

#include "app/elements/protection/dialogs/CDetailSheet.h"
#include "app/elements/protection/dialogs/ProtectDialogKit.h"
#include "app/elements/supply/dialogs/SupplyDialogKit.h"
#include "app/records/ModelDatabases.h"
#include "breakerdata/model/CInfoPart.h"
#include "breakerdata/model/CReadPart.h"
#include "breakerdata/recordsets/CRSBreak_Group.h"
#include "breakerdata/recordsets/CRSBreak_Type.h"
#include "breakerdata/recordsets/CRSManufacture.h"
#include "framework/QtCombo.h"
#include "framework/Resources.h"
#include "listdata/CRSList_CT1Current.h"
#include "listdata/CRSList_VoltHigh.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

#include <optional>
#include <tuple>

using namespace machinedlg;
using protectdlg::ItemId;

namespace {

enum Typed { kVoltage, kRated, kCapacity, kCT1, kCT2 };
enum Step { kGroups, kTypes, kDefaults };

fw::CDatabase* BreakerDb() {
    return GetModelDatabases().pBreaker;
}

} // namespace

CDlgEleHVCB::CDlgEleHVCB(CEleHVCB& model, int32_t voltageLock, int32_t mode, QWidget* parent)
    : CRowDialog(165, "High-voltage circuit breaker", parent), m_model(model),
      m_nVoltageLock(voltageLock), m_nMode(mode) {
    m_wndName = AddEdit(1060, "Reference No.:");
    m_wndVoltage = AddCombo(1089, "Voltage(V):", true);
    m_wndRated = AddEdit(1100, "Rated current(A):", false, 5);
    m_wndCapacity = AddEdit(1106, "Breaking capacity(kA):", false, 5);
    m_wndCT1 = AddCombo(1101, "CT primary current(A):", true, 4);
    m_wndCT2 = AddCombo(1102, "CT secondary current(A):", true, 2);
    m_wndMaker = AddCombo(1009, "OCR Manufacturer:", false);
    m_wndGroup = AddCombo(1010, "", false);
    m_wndType = AddCombo(1011, "OCR type:", false);
    // The relay's group is chosen with its maker; its box stays hidden.
    m_wndGroup->hide();
    if (QWidget* label = Rows()->labelForField(m_wndGroup))
        label->hide();
    m_wndDetail = new QPushButton(QStringLiteral("Detail..."), this);
    fw::SetControlId(m_wndDetail, 1119);
    m_wndDetail->setAutoDefault(false);
    Rows()->addRow(m_wndDetail);
    m_wndCalcPoint = AddCheck(1181, "Calculation point");
    m_wndOff = AddCheck(1189, "OFF");

    CObjAdjust* adjust = m_model.GetAdjust();
    if (!adjust)
        return;
    m_pInfoBase = &adjust->m_infoBase;
    m_pReadBase = &adjust->m_readBase;
    CInfoBase& info = *m_pInfoBase;

    Quietly([this, &info] {
        SetText(m_wndName, m_model.m_strName);
        const CModelDatabases& dbs = GetModelDatabases();
        if (dbs.pList) {
            fw::CQtCombo voltages(m_wndVoltage);
            int32_t scratch = 0;
            CRSList_VoltHigh(dbs.pList).DoReadSetDefaultLV(&voltages, &scratch, 1);
            fw::CQtCombo primaries(m_wndCT1);
            int current = 0;
            CRSList_CT1Current(dbs.pList).DoReadSetDefaultLC(&primaries, &current);
        }
        supplydlg::LimitText(m_wndVoltage, info.m_nVoltage < 1000 ? 3 : 5);
        SetText(m_wndVoltage, m_model.DoGetTextVoltage(0));
        SetText(m_wndRated, m_model.DoGetTextRatedCurrent(0));
        SetText(m_wndCapacity, m_model.DoGetTextBreakingCapacity(0));
        SetText(m_wndCT1, std::to_string(info.m_nCT1Current));
        m_wndCT2->addItem(QStringLiteral("5"));
        SetText(m_wndCT2, std::to_string(info.m_nCT2Current));
        m_wndCalcPoint->setChecked(m_model.m_nCalcPoint == 1);
        m_wndOff->setChecked(m_model.m_nOff == 1);
    });
    m_wndVoltage->setEnabled(m_nVoltageLock <= 0);
    DoFillProduct();

    OnEdited(m_wndName, [this](const std::string& text) {
        m_model.m_strName = text;
        m_bBadName = text.empty();
        DoUpdateOk();
    });
    // The voltage and the CT currents: whole numbers of 1 or more.
    struct WholeBox {
        QComboBox* box;
        Typed typed;
        int32_t CInfoBase::*field;
    };
    for (const WholeBox& w : {WholeBox{m_wndVoltage, kVoltage, &CInfoBase::m_nVoltage},
                              WholeBox{m_wndCT1, kCT1, &CInfoBase::m_nCT1Current},
                              WholeBox{m_wndCT2, kCT2, &CInfoBase::m_nCT2Current}}) {
        auto store = [this, w](const std::string& text) {
            const std::optional<double> value = protectdlg::ParseNumber(text);
            m_bBadTyped[w.typed] = !value || *value < 1.0 || *value > 2147483647.0;
            DoUpdateOk();
            if (m_bBadTyped[w.typed])
                return;
            const int32_t whole = static_cast<int32_t>(*value);
            if (w.typed == kVoltage)
                m_model.SetVoltage(whole);
            else
                m_pInfoBase->*w.field = whole;
        };
        OnEdited(w.box, store);
        OnChosen(w.box, [this, w, store](int index) {
            store(w.box->itemText(index).toStdString());
            m_bBadTyped[w.typed] = false;
            DoUpdateOk();
        });
    }
    // The rated current and the breaking capacity: 0 or more.
    struct DecimalEdit {
        QLineEdit* edit;
        Typed typed;
        double CEleHVCB::*field;
    };
    for (const DecimalEdit& d :
         {DecimalEdit{m_wndRated, kRated, &CEleHVCB::m_dRatedCurrent},
          DecimalEdit{m_wndCapacity, kCapacity, &CEleHVCB::m_dBreakingCapacity}}) {
        OnEdited(d.edit, [this, d](const std::string& text) {
            const std::optional<double> value =
                text.empty() ? std::optional<double>(0.0) : protectdlg::ParseNumber(text);
            m_bBadTyped[d.typed] = !value || *value < 0.0;
            DoUpdateOk();
            if (!m_bBadTyped[d.typed])
                m_model.*d.field = *value;
        });
    }
    OnChosen(m_wndMaker, [this](int index) {
        const int32_t id = ItemId(m_wndMaker, index);
        CInfoBase& sel = *m_pInfoBase;
        if (id <= 0 || id == sel.m_lManufactureID)
            return;
        sel.m_lManufactureID = id;
        sel.m_strManufactureName = m_wndMaker->itemText(index).toStdString();
        m_pReadBase->m_bIsRead = 0;
        Quietly([this] {
            m_wndGroup->clear();
            m_wndType->clear();
        });
        DoChainFrom(kGroups);
    });
    OnChosen(m_wndGroup, [this](int index) {
        const int32_t id = ItemId(m_wndGroup, index);
        CInfoBase& sel = *m_pInfoBase;
        if (sel.m_lManufactureID <= 0 || id <= 0 || id == sel.m_lGroupID)
            return;
        sel.m_lGroupID = id;
        sel.m_strGroupName = m_wndGroup->itemText(index).toStdString();
        m_pReadBase->m_bIsRead = 0;
        Quietly([this] { m_wndType->clear(); });
        DoChainFrom(kTypes);
    });
    OnChosen(m_wndType, [this](int index) {
        const int32_t id = ItemId(m_wndType, index);
        CInfoBase& sel = *m_pInfoBase;
        if (id == 0 || id == sel.m_lTypeID)
            return;
        sel.m_lTypeID = id;
        sel.m_strTypeName = m_wndType->itemText(index).toStdString();
        m_pReadBase->m_bIsRead = 0;
        DoChainFrom(kDefaults);
    });
    connect(m_wndDetail, &QPushButton::clicked, this, [this] { OnDetail(); });
    connect(m_wndCalcPoint, &QCheckBox::clicked, this,
            [this](bool checked) { m_model.m_nCalcPoint = checked ? 1 : 0; });
    connect(m_wndOff, &QCheckBox::clicked, this,
            [this](bool checked) { m_model.m_nOff = checked ? 1 : 0; });
    SetCheck([this]() -> uint32_t {
        const unsigned bad =
            protectdlg::DoCheckTypedFields(*this, {{1089, "Voltage(V):"},
                                                   {1101, "CT primary current(A):"},
                                                   {1102, "CT secondary current(A):"}});
        if (bad != 0)
            return bad;
        // An empty rated current or breaking capacity means "not given".
        for (auto [id, edit, label] :
             {std::tuple{1100u, m_wndRated, "Rated current(A):"},
              std::tuple{1106u, m_wndCapacity, "Breaking capacity(kA):"}}) {
            if (!GetText(edit).empty()) {
                if (unsigned b = protectdlg::DoCheckTypedFields(*this, {{id, label}}))
                    return b;
            }
        }
        return static_cast<uint32_t>(m_model.DoCheckData());
    });
}

void CDlgEleHVCB::DoUpdateOk() {
    bool ok = !m_bBadName && !m_bBadProduct;
    for (bool bad : m_bBadTyped)
        ok = ok && !bad;
    EnableOk(ok);
}

void CDlgEleHVCB::DoFillProduct() {
    Quietly([this] {
        const CInfoBase& info = *m_pInfoBase;
        if (protectdlg::DoFillMakers(m_wndMaker, info))
            if (fw::CDatabase* db = BreakerDb())
                CRSManufacture(db).DoReadByManufactureID(info.m_lManufactureID, m_pInfoBase);
        if (protectdlg::DoFillGroups(m_wndGroup, info))
            if (fw::CDatabase* db = BreakerDb())
                CRSBreak_Group(db).DoReadByManuGroupID(info.m_lManufactureID, info.m_lGroupID,
                                                       m_pInfoBase);
        if (protectdlg::DoFillTypes(m_wndType, info))
            if (fw::CDatabase* db = BreakerDb())
                CRSBreak_Type(db).DoReadByTypeID(info.m_lTypeID, m_pInfoBase, m_pReadBase, 0);
    });
}

void CDlgEleHVCB::DoChainFrom(int step) {
    fw::CDatabase* db = BreakerDb();
    CInfoBase& info = *m_pInfoBase;
    auto fail = [this](bool groupsToo, bool typesToo) {
        if (groupsToo)
            m_wndGroup->setEnabled(false);
        if (typesToo)
            m_wndType->setEnabled(false);
        m_wndDetail->setEnabled(false);
        m_bBadProduct = true;
        DoUpdateOk();
    };
    if (!db) {
        fail(true, true);
        return;
    }
    if (step <= kGroups) {
        int32_t group = 0;
        Quietly([&] {
            fw::CQtCombo groups(m_wndGroup);
            group = CRSBreak_Group(db).DoReadSetDefaultEG(&groups, info.m_lManufactureID,
                                                          info.m_nKindFlag, &info, 1);
        });
        if (group <= 0) {
            fail(true, true);
            return;
        }
        m_wndGroup->setEnabled(true);
    }
    if (step <= kTypes) {
        int32_t type = 0;
        Quietly([&] {
            fw::CQtCombo types(m_wndType);
            type = CRSBreak_Type(db).DoReadSetDefaultET(&types, info.m_lManufactureID,
                                                        info.m_lGroupID, &info, m_pReadBase, 1);
        });
        if (type <= 0) {
            fail(false, true);
            return;
        }
    }
    const int32_t rated = info.DoReadDefaultByTypeID(db, m_pReadBase, 0);
    if (rated <= 0) {
        fail(false, true);
        return;
    }
    m_wndType->setEnabled(true);
    CObjAdjust* adjust = m_model.GetAdjust();
    adjust->m_listInfoPart.DoDeleteAllInfoParts();
    adjust->m_listReadPart.DoDeleteAllReadParts();
    const int parts =
        adjust->m_listInfoPart.DoReadDefaultAllInfoPart(db, rated, &adjust->m_listReadPart);
    m_wndDetail->setEnabled(parts > 0);
    m_bBadProduct = parts <= 0;
    DoUpdateOk();
}

void CDlgEleHVCB::OnDetail() {
    CObjAdjust* adjust = m_model.GetAdjust();
    CDetailSheet sheet(protectdlg::DetailCaption(m_pInfoBase->m_strTypeName), this);
    sheet.DoBuildFromAdjust(*adjust);
    if (sheet.exec() != QDialog::Accepted)
        return;
    sheet.DoStoreBack(*adjust);
    DoFillProduct();
}
