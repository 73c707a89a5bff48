#include "CDlgEleTrans1.h"

#include "app/elements/supply/dialogs/SupplyDialogKit.h"
#include "app/records/ModelDatabases.h"
#include "equipdata/CRSEquip_Trans1.h"
#include "framework/QtCombo.h"
#include "framework/Resources.h"
#include "listdata/CRSList_Earthing.h"

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

    DoFillVoltages(m_eleTrans1.m_nVoltage, m_eleTrans1.DoGetTextPrimaryVoltage(0),
                   m_eleTrans1.DoGetTextVoltage(2, 0));
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

    DoLockByMode();
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

CDlgEleTransBase::CEditedValues CDlgEleTrans1::GetEditedValues() {
    // The handlers edit the full-voltage winding.
    return {m_eleTrans1.m_strName,
            m_eleTrans1.m_nVoltage,
            m_eleTrans1.m_nVoltage2,
            m_eleTrans1.m_nEarthing,
            m_eleTrans1.m_dCapacity,
            m_eleTrans1.m_part2.m_dPercentZ,
            m_eleTrans1.m_part2.m_dXR,
            m_eleTrans1.m_part2.m_dRushPeak,
            m_eleTrans1.m_part2.m_dDampingTime,
            m_eleTrans1.m_part2.m_nCalcPoint};
}

void CDlgEleTrans1::DoReadByCapacity(uint32_t editedId) {
    m_eleTrans1.DoReadByCapacity(m_eleTrans1.m_dCapacity, m_nFrequency, editedId);
}

int32_t CDlgEleTrans1::DoCheckData() const {
    return m_eleTrans1.DoCheckData();
}
