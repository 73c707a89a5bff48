#include "CDlgEleTrans1.h"

#include "app/elements/supply/dialogs/SupplyDialogKit.h"
#include "app/records/ModelDatabases.h"
#include "equipdata/CRSEquip_Trans1.h"
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

CDlgEleTrans1::CDlgEleTrans1(QWidget* parent)
    : CDlgEleTransBase(parent, IDD, "Single-phase transformer", true) {}

CDlgEleTrans1::~CDlgEleTrans1() = default;

void CDlgEleTrans1::OnInitDialog() {
    m_strName = m_eleTrans1.m_strName;

    {
        fw::CQtCombo box(m_cbVoltage1);
        int32_t voltage = 0;
        if (m_eleTrans1.m_nVoltage < 1000) {
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
        SetText(m_cbVoltage1, m_eleTrans1.DoGetTextPrimaryVoltage(0));
    }
    {
        fw::CQtCombo box(m_cbVoltage2);
        int32_t voltage = 0;
        if (m_pListDb) {
            CRSList_VoltLow rs(m_pListDb);
            rs.DoReadSetDefaultLV(&box, &voltage);
        }
        LimitText(m_cbVoltage2, 4);
        SetText(m_cbVoltage2, m_eleTrans1.DoGetTextVoltage(2, 0));
    }
    {
        fw::CQtCombo box(m_cbEarthing);
        unsigned code = 0;
        if (m_pListDb) {
            CRSList_Earthing rs(m_pListDb);
            rs.DoReadSetDefaultLE1(&box, &code);
        }
        std::string name;
        if (m_pListDb) {
            CRSList_Earthing rs(m_pListDb);
            name = rs.DoReadByEarthCode(m_eleTrans1.m_nEarthing);
        }
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
            CRSEquip_Trans1 rs(m_pEquipDb);
            rs.DoReadSetDefaultT1(&box, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                  nullptr, nullptr, nullptr);
        }
        LimitText(m_cbCapacity, 5);
        SetText(m_cbCapacity, m_eleTrans1.DoGetTextCapacity(0));
    }
    LimitText(m_edRushPeak, 4);
    LimitText(m_edDampingTime, 4);

    DoUpdateTexts(0);
    m_btnCalcPoint->setChecked(m_eleTrans1.m_part2.m_nCalcPoint == 1);

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

void CDlgEleTrans1::DoUpdateTexts(uint32_t editedId) {
    const CEleTrans1& t = m_eleTrans1;
    m_strHalfVoltage = t.DoGetTextVoltage(1, 0);
    m_strRatedCurrent = t.DoGetTextRatedCurrent(2, 0);
    if (editedId != 1083)
        m_strPercentZ = t.DoGetTextOwnPercentZ(2, 0);
    m_strPercentR = t.DoGetTextOwnPercentR(2, 0);
    m_strPercentX = t.DoGetTextOwnPercentX(2, 0);
    if (editedId != 1086)
        m_strXR = t.DoGetTextXR(2);
    m_strResistance = t.DoGetTextResistance(2, 0);
    m_strReactance = t.DoGetTextReactance(2, 0);
    if (editedId != 1113)
        m_strRushPeak = t.m_part2.DoGetTextRushPeakTimes(0);
    m_strRushPeakCurrent = t.DoGetTextRushPeakCurrent(0);
    m_strDampingTime = t.m_part2.DoGetTextDampingTime(0);
}

void CDlgEleTrans1::OnChangeName() {
    Read();
    m_eleTrans1.m_strName = m_strName;
    EnableOK(!m_strName.empty());
    Show();
}

void CDlgEleTrans1::OnSelchangeVoltage1() {
    Read();
    EnableOK(true);
    int sel = m_cbVoltage1->currentIndex();
    if (sel >= 0)
        m_eleTrans1.m_nVoltage =
            static_cast<int32_t>(std::atol(m_cbVoltage1->itemText(sel).toStdString().c_str()));
    Show();
}

// A typed primary voltage is taken over, as the three-phase dialog does; it
// used to run the secondary voltage's handler, which lost it.
void CDlgEleTrans1::OnEditchangeVoltage1() {
    Read();
    m_eleTrans1.m_nVoltage = static_cast<int32_t>(std::atol(GetText(m_cbVoltage1).c_str()));
    EnableOK(m_eleTrans1.m_nVoltage >= 1);
    Show();
}

void CDlgEleTrans1::OnSelchangeVoltage2() {
    Read();
    EnableOK(true);
    int sel = m_cbVoltage2->currentIndex();
    if (sel >= 0) {
        m_eleTrans1.m_nVoltage2 =
            static_cast<int32_t>(std::atol(m_cbVoltage2->itemText(sel).toStdString().c_str()));
        m_eleTrans1.DoReadByCapacity(m_eleTrans1.m_dCapacity, m_nFrequency, 0);
        DoUpdateTexts(0);
    }
    Show();
}

void CDlgEleTrans1::OnEditchangeVoltage2() {
    Read();
    m_eleTrans1.m_nVoltage2 = static_cast<int32_t>(std::atol(GetText(m_cbVoltage2).c_str()));
    EnableOK(m_eleTrans1.m_nVoltage2 >= 1);
    m_eleTrans1.DoReadByCapacity(m_eleTrans1.m_dCapacity, m_nFrequency, 0);
    DoUpdateTexts(0);
    Show();
}

void CDlgEleTrans1::OnSelchangeEarthing() {
    Read();
    EnableOK(true);
    int sel = m_cbEarthing->currentIndex();
    if (sel >= 0)
        m_eleTrans1.m_nEarthing = static_cast<uint32_t>(m_cbEarthing->itemData(sel).toLongLong());
    Show();
}

void CDlgEleTrans1::OnSelchangeCapacity() {
    Read();
    EnableOK(true);
    int sel = m_cbCapacity->currentIndex();
    if (sel >= 0) {
        m_eleTrans1.m_dCapacity = std::atof(m_cbCapacity->itemText(sel).toStdString().c_str());
        m_eleTrans1.DoReadByCapacity(m_eleTrans1.m_dCapacity, m_nFrequency, 0);
        DoUpdateTexts(0);
    }
    Show();
}

void CDlgEleTrans1::OnEditchangeCapacity() {
    Read();
    m_eleTrans1.m_dCapacity = std::atof(GetText(m_cbCapacity).c_str());
    EnableOK(m_eleTrans1.m_dCapacity > 0.0);
    m_eleTrans1.DoReadByCapacity(m_eleTrans1.m_dCapacity, m_nFrequency, 0);
    DoUpdateTexts(0);
    Show();
}

void CDlgEleTrans1::OnChangePercentZ() {
    Read();
    m_eleTrans1.m_part2.m_dPercentZ = std::atof(m_strPercentZ.c_str());
    EnableOK(m_eleTrans1.m_part2.m_dPercentZ > 0.0);
    m_eleTrans1.DoReadByCapacity(m_eleTrans1.m_dCapacity, m_nFrequency, 1083);
    DoUpdateTexts(1083);
    Show();
}

void CDlgEleTrans1::OnChangeXR() {
    Read();
    m_eleTrans1.m_part2.m_dXR = std::atof(m_strXR.c_str());
    EnableOK(m_eleTrans1.m_part2.m_dXR > 0.0);
    m_eleTrans1.DoReadByCapacity(m_eleTrans1.m_dCapacity, m_nFrequency, 1086);
    DoUpdateTexts(1086);
    Show();
}

void CDlgEleTrans1::OnChangeRushPeak() {
    Read();
    m_eleTrans1.m_part2.m_dRushPeak = std::atof(m_strRushPeak.c_str());
    EnableOK(m_eleTrans1.m_part2.m_dRushPeak > 0.0);
    DoUpdateTexts(1113);
    Show();
}

void CDlgEleTrans1::OnChangeDampingTime() {
    Read();
    m_eleTrans1.m_part2.m_dDampingTime = std::atof(m_strDampingTime.c_str());
    EnableOK(m_eleTrans1.m_part2.m_dDampingTime > 0.0);
    Show();
}

void CDlgEleTrans1::OnCalcPoint() {
    Read();
    m_eleTrans1.m_part2.m_nCalcPoint = m_btnCalcPoint->isChecked() ? 1 : 0;
    Show();
}

// The data check runs here as in the three-phase dialog: OK used to close the
// dialog on any values, so a transformer without impedance reached the
// calculation.
void CDlgEleTrans1::OnOK() {
    if (uint32_t id = m_eleTrans1.DoCheckData(); id >= 1) {
        FocusControl(this, id);
        return;
    }
    accept();
}
