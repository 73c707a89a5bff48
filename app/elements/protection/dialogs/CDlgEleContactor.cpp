#include "CDlgEleContactor.h"

#include "app/elements/protection/dialogs/CDetailSheet.h"
#include "app/elements/protection/dialogs/ProtectDialogKit.h"
#include "app/records/ModelDatabases.h"
#include "breakerdata/recordsets/CRSBreak_Group.h"
#include "breakerdata/recordsets/CRSBreak_Type.h"
#include "framework/QtCombo.h"
#include "framework/Resources.h"
#include "tools/Filvaron.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

using namespace machinedlg;
using protectdlg::ItemId;

CDlgEleContactor::CDlgEleContactor(CEleContactor& model, int32_t mode, QWidget* parent)
    : CRowDialog(185, "Contactor", parent), m_model(model), m_nMode(mode) {
    m_wndName = AddEdit(1060, "Reference No.:");
    m_wndVoltage = AddEdit(1089, "Voltage(V):", true);
    m_wndMaker = AddCombo(1009, "Manufacturer:", false);
    m_wndSeries = AddCombo(1010, "Series:", false);
    m_wndType = AddCombo(1011, "Type:", false);
    m_wndIth = AddEdit(1100, "Conventional free air thermal current Ith(A):", true);
    m_wndCalcPoint = AddCheck(1181, "Calculation point");
    m_wndDetail = new QPushButton(QStringLiteral("Detail..."), this);
    fw::SetControlId(m_wndDetail, 1119);
    Rows()->addRow(m_wndDetail);

    OnEdited(m_wndName, [this](const std::string& text) {
        m_model.m_strName = text;
        DoUpdateOk();
    });
    OnChosen(m_wndMaker, [this](int index) { OnMakerChosen(index); });
    OnChosen(m_wndSeries, [this](int index) { OnSeriesChosen(index); });
    OnChosen(m_wndType, [this](int index) { OnTypeChosen(index); });
    connect(m_wndCalcPoint, &QCheckBox::clicked, this,
            [this](bool checked) { m_model.m_nCalcPoint = checked ? 1 : 0; });
    connect(m_wndDetail, &QPushButton::clicked, this, [this] { OnDetail(); });

    Quietly([this] {
        SetText(m_wndName, m_model.m_strName);
        SetText(m_wndVoltage, m_model.DoGetTextVoltage(0));
        m_wndCalcPoint->setChecked(m_model.m_nCalcPoint == 1);
    });
    DoFillProduct();
    m_bTypeRead = DoReadType();
    DoShowIth();
    DoUpdateOk();
}

void CDlgEleContactor::DoFillProduct() {
    Quietly([this] {
        protectdlg::DoFillMakers(m_wndMaker, m_model.m_infoBase);
        protectdlg::DoFillGroups(m_wndSeries, m_model.m_infoBase);
        protectdlg::DoFillTypes(m_wndType, m_model.m_infoBase);
    });
}

bool CDlgEleContactor::DoReadType() {
    fw::CDatabase* db = GetModelDatabases().pBreaker;
    if (!db || m_model.m_infoBase.m_lTypeID <= 0)
        return false;
    return CRSBreak_Type(db).DoReadByTypeID(m_model.m_infoBase.m_lTypeID, &m_model.m_infoBase,
                                            &m_model.m_readBase, 0) > 0;
}

void CDlgEleContactor::DoShowIth() {
    // A stored type the database lacks shows that it has no data.
    std::string ith;
    if (m_bTypeRead)
        ith = m_model.DoGetTextIth(0);
    else if (!m_model.m_infoBase.m_strTypeName.empty())
        ith = DLLGetTextByBeams(-1.0, 1);
    Quietly([this, &ith] { SetText(m_wndIth, ith); });
}

void CDlgEleContactor::DoUpdateOk() {
    EnableOk(!m_model.m_strName.empty() && m_bTypeRead);
}

void CDlgEleContactor::OnMakerChosen(int index) {
    const int32_t id = ItemId(m_wndMaker, index);
    CInfoBase& info = m_model.m_infoBase;
    if (id <= 0 || id == info.m_lManufactureID)
        return;
    info.m_lManufactureID = id;
    info.m_strManufactureName = m_wndMaker->itemText(index).toStdString();
    m_model.m_readBase = CReadBase();
    Quietly([this] {
        m_wndSeries->clear();
        m_wndType->clear();
    });
    fw::CDatabase* db = GetModelDatabases().pBreaker;
    int32_t group = 0;
    if (db) {
        Quietly([&] {
            fw::CQtCombo combo(m_wndSeries);
            group = CRSBreak_Group(db).DoReadSetDefaultEG(&combo, id, info.m_nKindFlag, &info, 1);
        });
    }
    if (group <= 0) {
        m_wndSeries->setEnabled(false);
        m_wndType->setEnabled(false);
        m_bTypeRead = false;
        DoShowIth();
        DoUpdateOk();
        return;
    }
    m_wndSeries->setEnabled(true);
    DoFillTypesFromSeries();
}

void CDlgEleContactor::OnSeriesChosen(int index) {
    const int32_t id = ItemId(m_wndSeries, index);
    CInfoBase& info = m_model.m_infoBase;
    if (info.m_lManufactureID <= 0 || id <= 0 || id == info.m_lGroupID)
        return;
    info.m_lGroupID = id;
    info.m_strGroupName = m_wndSeries->itemText(index).toStdString();
    m_model.m_readBase = CReadBase();
    Quietly([this] { m_wndType->clear(); });
    DoFillTypesFromSeries();
}

void CDlgEleContactor::DoFillTypesFromSeries() {
    CInfoBase& info = m_model.m_infoBase;
    fw::CDatabase* db = GetModelDatabases().pBreaker;
    int32_t type = 0;
    if (db) {
        Quietly([&] {
            fw::CQtCombo combo(m_wndType);
            type = CRSBreak_Type(db).DoReadSetDefaultET(
                &combo, info.m_lManufactureID, info.m_lGroupID, &info, &m_model.m_readBase, 1);
        });
    }
    // A contactor has no operating kind or rating: its device data is the
    // type row itself.
    m_bTypeRead = type > 0 && DoReadType();
    m_wndType->setEnabled(m_bTypeRead);
    DoShowIth();
    DoUpdateOk();
}

void CDlgEleContactor::OnTypeChosen(int index) {
    const int32_t id = ItemId(m_wndType, index);
    CInfoBase& info = m_model.m_infoBase;
    if (id == 0 || id == info.m_lTypeID)
        return;
    info.m_lTypeID = id;
    info.m_strTypeName = m_wndType->itemText(index).toStdString();
    m_model.m_readBase = CReadBase();
    m_bTypeRead = DoReadType();
    DoShowIth();
    DoUpdateOk();
}

void CDlgEleContactor::OnDetail() {
    CDetailSheet sheet(protectdlg::DetailCaption(m_model.m_infoBase.m_strTypeName), this);
    sheet.DoBuildFromSelection(m_model.m_infoBase, m_model.m_readBase);
    if (sheet.exec() != QDialog::Accepted)
        return;
    sheet.DoHandBackSelection(m_model.m_infoBase, m_model.m_readBase);
    DoFillProduct();
    m_bTypeRead = DoReadType();
    DoShowIth();
    DoUpdateOk();
}
