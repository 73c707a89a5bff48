#include "CAdjustDelay.h"

#include "app/protection/CObjAdjust.h"
#include "breakerdata/model/CInfoBase.h"
#include "breakerdata/model/CReadBase.h"
#include "framework/Resources.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>

#include <cstdlib>

CAdjustDelay::CAdjustDelay(CAdjustSheet* sheet, CInfoBase* selection, CReadBase* base)
    : CAdjustPage(sheet, 191, "Delay setting"), m_pSelection(selection), m_pBase(base) {
    auto* grid = new QGridLayout(this);
    m_pOpenTime = new QCheckBox(QStringLiteral("Open time setup:"), this);
    fw::SetControlId(m_pOpenTime, 1050);
    m_pBreakingTime = new QCheckBox(QStringLiteral("Breaking time(Cycles):"), this);
    fw::SetControlId(m_pBreakingTime, 1051);
    m_pCycles = new QComboBox(this);
    fw::SetControlId(m_pCycles, 1153);
    for (const char* cycles : {"2", "3", "4", "5", "6"})
        m_pCycles->addItem(QString::fromLatin1(cycles));
    grid->addWidget(m_pOpenTime, 0, 0, 1, 2);
    grid->addWidget(m_pBreakingTime, 1, 0);
    grid->addWidget(m_pCycles, 1, 1);
    connect(m_pBreakingTime, &QCheckBox::clicked, this, [this] { OnCheckBreakingTime(); });
    connect(m_pCycles, &QComboBox::activated, this, [this] { OnSelchangeCycles(); });
}

void CAdjustDelay::OnInitDialog() {
    if (!m_pAdjustSheet->GetElement())
        return;
    // Shown only: nothing here sets the open time.
    m_pOpenTime->setEnabled(m_pBase->m_bUseOpenTime == 1);
    m_pOpenTime->setChecked(adjust_fields::OpenTimeFlag(*m_pSelection) == 1);
    const bool breaking = m_pBase->m_bUseBreakingTime == 1;
    m_pBreakingTime->setEnabled(breaking);
    m_pBreakingTime->setChecked(adjust_fields::BreakTimeFlag(*m_pSelection) == 1);
    m_pCycles->setEnabled(breaking && m_pBreakingTime->isChecked());
    m_pCycles->setCurrentIndex(m_pCycles->findText(
        QString::number(adjust_fields::BreakCycles(*m_pSelection)), Qt::MatchExactly));
}

void CAdjustDelay::OnCheckBreakingTime() {
    if (!m_pAdjustSheet->DoBeginChange(adjusthint::kSetting))
        return;
    adjust_fields::BreakTimeFlag(*m_pSelection) = m_pBreakingTime->isChecked() ? 1 : 0;
    m_pCycles->setEnabled(m_pBreakingTime->isChecked());
    m_pAdjustSheet->DoEndChange(adjusthint::kSetting);
}

void CAdjustDelay::OnSelchangeCycles() {
    if (m_pCycles->currentIndex() < 0 || !m_pAdjustSheet->DoBeginChange(adjusthint::kSetting))
        return;
    adjust_fields::BreakCycles(*m_pSelection) =
        std::atoi(m_pCycles->currentText().toStdString().c_str());
    m_pAdjustSheet->DoEndChange(adjusthint::kSetting);
}
