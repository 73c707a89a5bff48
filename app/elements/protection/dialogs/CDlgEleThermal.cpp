#include "CDlgEleThermal.h"

#include "app/elements/protection/dialogs/CDetailSheet.h"
#include "app/elements/protection/dialogs/ProtectDialogKit.h"
#include "app/records/ModelDatabases.h"
#include "breakerdata/model/CInfoPart.h"
#include "breakerdata/model/CReadPart.h"
#include "breakerdata/recordsets/CRSBreak_Group.h"
#include "breakerdata/recordsets/CRSBreak_Type.h"
#include "breakerdata/recordsets/CRSManufacture.h"
#include "framework/QtCombo.h"
#include "framework/Resources.h"
#include "listdata/CRSList_VoltLow.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <optional>

using namespace machinedlg;
using protectdlg::ItemId;

namespace {

enum Step { kSeries, kTypes, kTypeData };

fw::CDatabase* BreakerDb() {
    return GetModelDatabases().pBreaker;
}

} // namespace

CDlgEleThermal::CDlgEleThermal(CEleThermal& model, int32_t voltageFixed, int32_t mode,
                               QWidget* parent)
    : CRowDialog(180, "Thermal", parent), m_model(model), m_nMode(mode) {
    m_wndName = AddEdit(1060, "Reference No.:");
    m_wndVoltage = AddCombo(1089, "Voltage(V):", true, 3);
    m_wndPoles = AddCombo(1182, "Poles:", false);
    m_wndMaker = AddCombo(1009, "Manufacturer:", false);
    m_wndSeries = AddCombo(1010, "Series:", false);
    m_wndType = AddCombo(1011, "Type:", false);
    auto* group = new QGroupBox(QStringLiteral("Co-ordination"), this);
    auto* radios = new QHBoxLayout(group);
    m_wndType1 = AddRadio(1131, "Type1", group);
    m_wndType2 = AddRadio(1133, "Type2", group);
    radios->addWidget(m_wndType1);
    radios->addWidget(m_wndType2);
    Rows()->addRow(group);
    m_wndCalcPoint = AddCheck(1181, "Calculation point");
    m_wndDetail = new QPushButton(QStringLiteral("Detail..."), this);
    fw::SetControlId(m_wndDetail, 1119);
    m_wndDetail->setAutoDefault(false);
    Rows()->addRow(m_wndDetail);

    CObjAdjust* adjust = m_model.GetAdjust();
    if (!adjust)
        return;
    m_pInfoBase = &adjust->m_infoBase;

    Quietly([this] {
        SetText(m_wndName, m_model.m_strName);
        if (fw::CDatabase* list = GetModelDatabases().pList) {
            fw::CQtCombo voltages(m_wndVoltage);
            int32_t scratch = 0;
            CRSList_VoltLow(list).DoReadSetDefaultLV(&voltages, &scratch);
        }
        SetText(m_wndVoltage, m_model.DoGetTextVoltage(0));
        // The relay is three-pole; the list offers that alone.
        m_wndPoles->addItem(QStringLiteral("3"));
        m_wndPoles->setCurrentIndex(m_wndPoles->findText(QString::number(m_model.GetPoles())));
        (m_model.m_nCoordination == 1 ? m_wndType1 : m_wndType2)->setChecked(true);
        m_wndCalcPoint->setChecked(m_model.m_nCalcPoint == 1);
    });
    m_wndVoltage->setEnabled(voltageFixed <= 0);
    DoFillProduct();
    m_wndDetail->setEnabled(!adjust->m_listInfoPart.IsEmpty() || m_pInfoBase->m_lTypeID > 0);

    OnEdited(m_wndName, [this](const std::string& text) {
        m_model.m_strName = text;
        m_bBadName = text.empty();
        DoUpdateOk();
    });
    OnEdited(m_wndVoltage, [this](const std::string& text) {
        const std::optional<double> value = protectdlg::ParseNumber(text);
        m_bBadVoltage = !value || *value < 1.0 || *value > 2147483647.0;
        DoUpdateOk();
        if (!m_bBadVoltage)
            m_model.SetVoltage(static_cast<int32_t>(*value));
    });
    OnChosen(m_wndVoltage, [this](int index) {
        const std::optional<double> value =
            protectdlg::ParseNumber(m_wndVoltage->itemText(index).toStdString());
        if (value && *value >= 1.0)
            m_model.SetVoltage(static_cast<int32_t>(*value));
        m_bBadVoltage = false;
        DoUpdateOk();
    });
    OnChosen(m_wndMaker, [this](int index) {
        const int32_t id = ItemId(m_wndMaker, index);
        CInfoBase& info = *m_pInfoBase;
        if (id <= 0 || id == info.m_lManufactureID)
            return;
        info.m_lManufactureID = id;
        info.m_strManufactureName = m_wndMaker->itemText(index).toStdString();
        m_model.GetAdjust()->m_readBase.m_bIsRead = 0;
        Quietly([this] {
            m_wndSeries->clear();
            m_wndType->clear();
        });
        DoChainFrom(kSeries);
    });
    OnChosen(m_wndSeries, [this](int index) {
        const int32_t id = ItemId(m_wndSeries, index);
        CInfoBase& info = *m_pInfoBase;
        if (info.m_lManufactureID <= 0 || id <= 0 || id == info.m_lGroupID)
            return;
        info.m_lGroupID = id;
        info.m_strGroupName = m_wndSeries->itemText(index).toStdString();
        m_model.GetAdjust()->m_readBase.m_bIsRead = 0;
        Quietly([this] { m_wndType->clear(); });
        DoChainFrom(kTypes);
    });
    OnChosen(m_wndType, [this](int index) {
        const int32_t id = ItemId(m_wndType, index);
        CInfoBase& info = *m_pInfoBase;
        if (id == 0 || id == info.m_lTypeID)
            return;
        info.m_lTypeID = id;
        info.m_strTypeName = m_wndType->itemText(index).toStdString();
        m_model.GetAdjust()->m_readBase.m_bIsRead = 0;
        DoChainFrom(kTypeData);
    });
    connect(m_wndType1, &QRadioButton::clicked, this, [this] { m_model.m_nCoordination = 1; });
    connect(m_wndType2, &QRadioButton::clicked, this, [this] { m_model.m_nCoordination = 0; });
    connect(m_wndCalcPoint, &QCheckBox::clicked, this,
            [this](bool checked) { m_model.m_nCalcPoint = checked ? 1 : 0; });
    connect(m_wndDetail, &QPushButton::clicked, this, [this] { OnDetail(); });
    SetCheck([this]() -> uint32_t {
        const unsigned bad = protectdlg::DoCheckTypedFields(*this, {{1089, "Voltage(V):"}});
        if (bad != 0)
            return bad;
        return static_cast<uint32_t>(m_model.DoCheckData());
    });
}

void CDlgEleThermal::DoUpdateOk() {
    EnableOk(!m_bBadName && !m_bBadVoltage && !m_bBadProduct);
}

void CDlgEleThermal::DoFillProduct() {
    Quietly([this] {
        const CInfoBase& info = *m_pInfoBase;
        protectdlg::DoFillMakers(m_wndMaker, info);
        protectdlg::DoFillGroups(m_wndSeries, info);
        if (protectdlg::DoFillTypes(m_wndType, info))
            if (fw::CDatabase* db = BreakerDb())
                CRSBreak_Type(db).DoReadByTypeID(info.m_lTypeID, m_pInfoBase,
                                                 &m_model.GetAdjust()->m_readBase, 0);
    });
}

void CDlgEleThermal::DoChainFrom(int step) {
    fw::CDatabase* db = BreakerDb();
    CObjAdjust* adjust = m_model.GetAdjust();
    CInfoBase& info = *m_pInfoBase;
    auto fail = [this](bool seriesToo) {
        if (seriesToo)
            m_wndSeries->setEnabled(false);
        m_wndType->setEnabled(false);
        m_wndDetail->setEnabled(false);
        m_bBadProduct = true;
        DoUpdateOk();
    };
    if (!db) {
        fail(true);
        return;
    }
    if (step <= kSeries) {
        int32_t series = 0;
        Quietly([&] {
            fw::CQtCombo box(m_wndSeries);
            series = CRSBreak_Group(db).DoReadSetDefaultEG(&box, info.m_lManufactureID,
                                                           info.m_nKindFlag, &info, 1);
        });
        if (series <= 0) {
            fail(true);
            return;
        }
        m_wndSeries->setEnabled(true);
    }
    if (step <= kTypes) {
        int32_t type = 0;
        Quietly([&] {
            fw::CQtCombo box(m_wndType);
            type = CRSBreak_Type(db).DoReadSetDefaultET(
                &box, info.m_lManufactureID, info.m_lGroupID, &info, &adjust->m_readBase, 1);
        });
        if (type <= 0) {
            fail(false);
            return;
        }
    }
    // The type's device data, then the setting parts of its rating.
    const int32_t rated = info.DoReadDefaultByTypeID(db, &adjust->m_readBase, 0);
    int parts = 0;
    if (rated > 0) {
        adjust->m_listInfoPart.DoDeleteAllInfoParts();
        adjust->m_listReadPart.DoDeleteAllReadParts();
        parts = adjust->m_listInfoPart.DoReadDefaultAllInfoPart(db, rated, &adjust->m_listReadPart);
    }
    m_wndType->setEnabled(rated > 0);
    m_wndDetail->setEnabled(parts > 0);
    m_bBadProduct = rated <= 0 || parts <= 0;
    DoUpdateOk();
}

void CDlgEleThermal::OnDetail() {
    CObjAdjust* adjust = m_model.GetAdjust();
    CDetailSheet sheet(protectdlg::DetailCaption(m_pInfoBase->m_strTypeName), this);
    sheet.DoBuildFromAdjust(*adjust);
    if (sheet.exec() != QDialog::Accepted)
        return;
    sheet.DoStoreBack(*adjust);
    DoFillProduct();
}
