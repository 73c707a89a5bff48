#include "CDlgEleTrans3.h"

#include "app/elements/supply/dialogs/SupplyDialogKit.h"
#include "app/records/ModelDatabases.h"
#include "equipdata/CRSEquip_Trans3.h"
#include "framework/QtCombo.h"
#include "framework/Resources.h"
#include "listdata/CRSList_Earthing.h"

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

    DoFillVoltages(m_eleTrans3.m_nVoltage, m_eleTrans3.DoGetTextPrimaryVoltage(0),
                   m_eleTrans3.DoGetTextSecondaryVoltage(0));
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

    DoLockByMode();
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

CDlgEleTransBase::CEditedValues CDlgEleTrans3::GetEditedValues() {
    return {m_eleTrans3.m_strName,   m_eleTrans3.m_nVoltage,  m_eleTrans3.m_nVoltage2,
            m_eleTrans3.m_nEarthing, m_eleTrans3.m_dCapacity, m_eleTrans3.m_dPercentZ,
            m_eleTrans3.m_dXR,       m_eleTrans3.m_dRushPeak, m_eleTrans3.m_dDampingTime,
            m_eleTrans3.m_nCalcPoint};
}

void CDlgEleTrans3::DoReadByCapacity(uint32_t editedId) {
    m_eleTrans3.DoReadByCapacity(m_eleTrans3.m_dCapacity, m_nFrequency, editedId);
}

int32_t CDlgEleTrans3::DoCheckData() const {
    return m_eleTrans3.DoCheckData();
}
