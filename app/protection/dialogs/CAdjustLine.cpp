#include "CAdjustLine.h"

#include "app/protection/CObjAdjust.h"
#include "breakerdata/model/CInfoLine.h"
#include "framework/Resources.h"
#include "tools/ComboColor.h"
#include "tools/ComboKind.h"
#include "tools/ComboThick.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>

namespace {

int IndexOfData(const QComboBox* box, intptr_t data) {
    for (int i = 0; i < box->count(); ++i)
        if (static_cast<intptr_t>(box->itemData(i).toLongLong()) == data)
            return i;
    return -1;
}

intptr_t CurrentData(const QComboBox* box) {
    return static_cast<intptr_t>(box->currentData().toLongLong());
}

} // namespace

CAdjustLine::CAdjustLine(CAdjustSheet* sheet, const CObjAdjust* adjust, CInfoLine* line)
    : CAdjustPage(sheet, 192, "Line setting"), m_pAdjust(adjust), m_pLine(line) {
    auto* grid = new QGridLayout(this);
    m_pColor = new CComboColor(this);
    fw::SetControlId(m_pColor, 1046);
    m_pThick = new CComboThick(this);
    fw::SetControlId(m_pThick, 1047);
    m_pKind = new CComboKind(this);
    fw::SetControlId(m_pKind, 1048);
    m_pBand = new QCheckBox(QStringLiteral("Band"), this);
    fw::SetControlId(m_pBand, 1145);
    grid->addWidget(m_pColor, 0, 0);
    grid->addWidget(m_pThick, 1, 0);
    grid->addWidget(m_pKind, 2, 0);
    grid->addWidget(m_pBand, 3, 0);
    connect(m_pColor, &QComboBox::activated, this, [this] { OnSelchangeColor(); });
    connect(m_pThick, &QComboBox::activated, this, [this] { OnSelchangeThick(); });
    connect(m_pKind, &QComboBox::activated, this, [this] { OnSelchangeKind(); });
    connect(m_pBand, &QCheckBox::clicked, this, [this] { OnCheckBand(); });
}

void CAdjustLine::OnInitDialog() {
    m_pColor->DoLoadList();
    m_pThick->DoLoadList();
    m_pKind->DoLoadList();
    if (!m_pAdjustSheet->GetElement())
        return;
    if (m_pLine) {
        m_pColor->setCurrentIndex(IndexOfData(m_pColor, static_cast<uint32_t>(m_pLine->m_crColor)));
        m_pThick->setCurrentIndex(IndexOfData(m_pThick, m_pLine->m_nWidth / 10));
        m_pKind->setCurrentIndex(IndexOfData(m_pKind, m_pLine->m_nLineKind));
    } else {
        for (QWidget* w : std::initializer_list<QWidget*>{m_pColor, m_pThick, m_pKind})
            w->setEnabled(false);
    }
    // The box offers only what the characteristic can show.
    bool checked = false;
    bool enabled = true;
    if (!m_pAdjust) {
        enabled = false;
    } else {
        const bool typical = !m_pAdjust->m_listTypicalCurve.IsEmpty();
        const bool band =
            !m_pAdjust->m_listUpperCurve.IsEmpty() && !m_pAdjust->m_listLowerCurve.IsEmpty();
        if (typical && band) {
            checked = m_pAdjust->m_infoLine.m_nBandFlag == 1;
        } else if (typical) {
            enabled = false;
        } else if (band) {
            checked = true;
            enabled = false;
        }
    }
    m_pBand->setChecked(checked);
    m_pBand->setEnabled(enabled);
}

bool CAdjustLine::DoAnnounce() {
    if (!m_pLine || !m_pAdjustSheet->DoBeginChange(adjusthint::kSetting))
        return false;
    return true;
}

void CAdjustLine::OnSelchangeColor() {
    if (m_pColor->currentIndex() < 0 || !DoAnnounce())
        return;
    m_pLine->m_crColor = static_cast<int32_t>(CurrentData(m_pColor));
    m_pAdjustSheet->DoEndAnnounce();
}

void CAdjustLine::OnSelchangeThick() {
    if (m_pThick->currentIndex() < 0 || !DoAnnounce())
        return;
    m_pLine->m_nWidth = static_cast<int32_t>(CurrentData(m_pThick) * 10);
    m_pAdjustSheet->DoEndAnnounce();
}

void CAdjustLine::OnSelchangeKind() {
    if (m_pKind->currentIndex() < 0 || !DoAnnounce())
        return;
    m_pLine->m_nLineKind = static_cast<int32_t>(CurrentData(m_pKind));
    m_pAdjustSheet->DoEndAnnounce();
}

void CAdjustLine::OnCheckBand() {
    if (!m_pLine || !m_pAdjustSheet->DoBeginChange(adjusthint::kSetting))
        return;
    m_pLine->m_nBandFlag = m_pBand->isChecked() ? 1 : 0;
    m_pAdjustSheet->DoEndChange(adjusthint::kSetting);
}
