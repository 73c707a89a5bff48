#include "CDlgEleTrans3.h"

#include "app/elements/supply/dialogs/SupplyDialogKit.h"
#include "app/records/ModelDatabases.h"
#include "equipdata/CRSEquip_Trans3.h"
#include "framework/QtCombo.h"
#include "framework/Resources.h"
#include "listdata/CRSList_Earthing.h"
#include "listdata/CRSList_VoltHigh.h"
#include "listdata/CRSList_VoltLow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <cstdlib>

using namespace supplydlg;

CDlgEleTrans3::CDlgEleTrans3(QWidget* parent)
    : CDlgEleTransBase(parent, IDD, "Transformer", false) {}

CDlgEleTrans3::~CDlgEleTrans3() = default;

void CDlgEleTrans3::OnInitDialog() {
    m_strName = m_eleTrans3.m_strName;

    {
        fw::CQtCombo box(m_cbVoltage1);
        int32_t voltage = 0;
        if (m_eleTrans3.m_nVoltage < 1000) {
            if (m_pListDb) {
                CRSList_VoltLow rs(m_pListDb);
                rs.DoReadSetDefaultLV(&box, &voltage);
            }
            LimitText(m_cbVoltage1, 4);
        } else {
            if (m_pListDb) {
                CRSList_VoltHigh rs(m_pListDb);
                rs.DoReadSetDefaultLV(&box, &voltage, 1);
            }
            LimitText(m_cbVoltage1, 5);
        }
        SetText(m_cbVoltage1, m_eleTrans3.DoGetTextPrimaryVoltage(0));
    }
    {
        fw::CQtCombo box(m_cbVoltage2);
        int32_t voltage = 0;
        if (m_pListDb) {
            CRSList_VoltLow rs(m_pListDb);
            rs.DoReadSetDefaultLV(&box, &voltage);
        }
        LimitText(m_cbVoltage2, 4);
        SetText(m_cbVoltage2, m_eleTrans3.DoGetTextSecondaryVoltage(0));
    }
    {
        fw::CQtCombo box(m_cbEarthing);
        unsigned code = 0;
        if (m_pListDb) {
            CRSList_Earthing rs(m_pListDb);
            rs.DoReadSetDefaultLE3(&box, &code);
        }
        std::string name = m_eleTrans3.DoGetTextEarthing();
        // Only an entry of exactly that name; none when the code is not
        // listed.
        m_cbEarthing->setCurrentIndex(
            name.empty() ? -1
                         : m_cbEarthing->findText(QString::fromStdString(name),
                                                  Qt::MatchFixedString | Qt::MatchCaseSensitive));
    }
    {
        fw::CQtCombo box(m_cbCapacity);
        if (m_pEquipDb) {
            CRSEquip_Trans3 rs(m_pEquipDb);
            rs.DoReadSetDefaultT3(&box, nullptr, nullptr, nullptr, nullptr, nullptr);
        }
        LimitText(m_cbCapacity, 5);
        SetText(m_cbCapacity, m_eleTrans3.DoGetTextCapacity(0));
    }
    LimitText(m_edRushPeak, 4);
    LimitText(m_edDampingTime, 4);

    DoUpdateTexts(0);
    m_btnCalcPoint->setChecked(m_eleTrans3.m_nCalcPoint == 1);

    if (m_nMode == 2) {
        m_cbEarthing->setEnabled(false);
    } else if (m_nMode >= 3 && m_nMode <= 8) {
        m_cbVoltage1->setEnabled(false);
        m_cbVoltage2->setEnabled(false);
        m_cbEarthing->setEnabled(false);
        m_cbCapacity->setEnabled(false);
        m_edPercentZ->setReadOnly(true);
        m_edXR->setReadOnly(true);
    }
    Show();
}

void CDlgEleTrans3::DoUpdateTexts(uint32_t editedId) {
    const CEleTrans3& t = m_eleTrans3;
    m_strRatedCurrent = t.DoGetTextRatedCurrent(0);
    if (editedId != 1083)
        m_strPercentZ = t.DoGetTextOwnPercentZ(0);
    m_strPercentR = t.DoGetTextOwnPercentR(0);
    m_strPercentX = t.DoGetTextOwnPercentX(0);
    if (editedId != 1086)
        m_strXR = t.DoGetTextXR();
    m_strResistance = t.DoGetTextResistance(0);
    m_strReactance = t.DoGetTextReactance(0);
    if (editedId != 1113)
        m_strRushPeak = t.DoGetTextRushPeakTimes(0);
    m_strRushPeakCurrent = t.DoGetTextRushPeakCurrent(0);
    m_strDampingTime = t.DoGetTextDampingTime(0);
}

void CDlgEleTrans3::OnChangeName() {
    Read();
    m_eleTrans3.m_strName = m_strName;
    EnableOK(!m_strName.empty());
    Show();
}

void CDlgEleTrans3::OnSelchangeVoltage1() {
    Read();
    EnableOK(true);
    int sel = m_cbVoltage1->currentIndex();
    if (sel >= 0)
        m_eleTrans3.m_nVoltage =
            static_cast<int32_t>(std::atol(m_cbVoltage1->itemText(sel).toStdString().c_str()));
    Show();
}

void CDlgEleTrans3::OnEditchangeVoltage1() {
    Read();
    m_eleTrans3.m_nVoltage = static_cast<int32_t>(std::atol(GetText(m_cbVoltage1).c_str()));
    EnableOK(m_eleTrans3.m_nVoltage >= 1);
    Show();
}

void CDlgEleTrans3::OnSelchangeVoltage2() {
    Read();
    EnableOK(true);
    int sel = m_cbVoltage2->currentIndex();
    if (sel >= 0) {
        m_eleTrans3.m_nVoltage2 =
            static_cast<int32_t>(std::atol(m_cbVoltage2->itemText(sel).toStdString().c_str()));
        m_eleTrans3.DoReadByCapacity(m_eleTrans3.m_dCapacity, m_nFrequency, 0);
        DoUpdateTexts(0);
    }
    Show();
}

void CDlgEleTrans3::OnEditchangeVoltage2() {
    Read();
    m_eleTrans3.m_nVoltage2 = static_cast<int32_t>(std::atol(GetText(m_cbVoltage2).c_str()));
    EnableOK(m_eleTrans3.m_nVoltage2 >= 1);
    m_eleTrans3.DoReadByCapacity(m_eleTrans3.m_dCapacity, m_nFrequency, 0);
    DoUpdateTexts(0);
    Show();
}

void CDlgEleTrans3::OnSelchangeEarthing() {
    Read();
    EnableOK(true);
    int sel = m_cbEarthing->currentIndex();
    if (sel >= 0)
        m_eleTrans3.m_nEarthing = static_cast<uint32_t>(m_cbEarthing->itemData(sel).toLongLong());
    Show();
}

void CDlgEleTrans3::OnSelchangeCapacity() {
    Read();
    EnableOK(true);
    int sel = m_cbCapacity->currentIndex();
    if (sel >= 0) {
        m_eleTrans3.m_dCapacity = std::atof(m_cbCapacity->itemText(sel).toStdString().c_str());
        m_eleTrans3.DoReadByCapacity(m_eleTrans3.m_dCapacity, m_nFrequency, 0);
        DoUpdateTexts(0);
    }
    Show();
}

void CDlgEleTrans3::OnEditchangeCapacity() {
    Read();
    m_eleTrans3.m_dCapacity = std::atof(GetText(m_cbCapacity).c_str());
    EnableOK(m_eleTrans3.m_dCapacity > 0.0);
    m_eleTrans3.DoReadByCapacity(m_eleTrans3.m_dCapacity, m_nFrequency, 0);
    DoUpdateTexts(0);
    Show();
}

void CDlgEleTrans3::OnChangePercentZ() {
    Read();
    m_eleTrans3.m_dPercentZ = std::atof(m_strPercentZ.c_str());
    EnableOK(m_eleTrans3.m_dPercentZ > 0.0);
    m_eleTrans3.DoReadByCapacity(m_eleTrans3.m_dCapacity, m_nFrequency, 1083);
    DoUpdateTexts(1083);
    Show();
}

void CDlgEleTrans3::OnChangeXR() {
    Read();
    m_eleTrans3.m_dXR = std::atof(m_strXR.c_str());
    EnableOK(m_eleTrans3.m_dXR > 0.0);
    m_eleTrans3.DoReadByCapacity(m_eleTrans3.m_dCapacity, m_nFrequency, 1086);
    DoUpdateTexts(1086);
    Show();
}

void CDlgEleTrans3::OnChangeRushPeak() {
    Read();
    m_eleTrans3.m_dRushPeak = std::atof(m_strRushPeak.c_str());
    EnableOK(m_eleTrans3.m_dRushPeak > 0.0);
    DoUpdateTexts(1113);
    Show();
}

void CDlgEleTrans3::OnChangeDampingTime() {
    Read();
    m_eleTrans3.m_dDampingTime = std::atof(m_strDampingTime.c_str());
    EnableOK(m_eleTrans3.m_dDampingTime > 0.0);
    Show();
}

void CDlgEleTrans3::OnCalcPoint() {
    Read();
    m_eleTrans3.m_nCalcPoint = m_btnCalcPoint->isChecked() ? 1 : 0;
    Show();
}

void CDlgEleTrans3::OnOK() {
    if (uint32_t id = m_eleTrans3.DoCheckData(); id >= 1) {
        FocusControl(this, id);
        return;
    }
    accept();
}
