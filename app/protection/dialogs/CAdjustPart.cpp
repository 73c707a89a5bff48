#include "CAdjustPart.h"

#include "app/protection/CObjAdjust.h"
#include "app/records/ModelDatabases.h"
#include "breakerdata/model/CInfoPart.h"
#include "breakerdata/model/CReadPart.h"
#include "breakerdata/recordsets/CRSDial_Character.h"
#include "framework/QtCombo.h"
#include "framework/Resources.h"
#include "tools/Filvaron.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include <cmath>

namespace {

// The ids of each dial's "+", "-", value text and title.
struct RowIds {
    unsigned plus, minus, value, title;
};
constexpr RowIds kRowIds[4] = {
    {1038, 1039, 1027, 1028}, // current
    {1040, 1041, 1030, 1031}, // time
    {1042, 1043, 1034, 1033}, // magni-current
    {1044, 1045, 1036, 1037}, // magni-time
};

} // namespace

CAdjustPart::CAdjustPart(CAdjustSheet* sheet, CInfoPart* setting, CReadPart* part)
    : CAdjustPage(sheet, 190, "Dial setting"), m_pSetting(setting), m_pPart(part) {
    auto* grid = new QGridLayout(this);
    m_pCharacter = new QComboBox(this);
    fw::SetControlId(m_pCharacter, 1025);
    m_pLock = new QCheckBox(QStringLiteral("Lock"), this);
    fw::SetControlId(m_pLock, 1049);
    grid->addWidget(m_pCharacter, 0, 0, 1, 3);
    grid->addWidget(m_pLock, 0, 3);
    for (int i = 0; i < 4; ++i) {
        Row& row = m_rows[i];
        row.title = new QLabel(this);
        fw::SetControlId(row.title, kRowIds[i].title);
        row.value = new QLabel(this);
        fw::SetControlId(row.value, kRowIds[i].value);
        row.plus = new QPushButton(QStringLiteral("+"), this);
        fw::SetControlId(row.plus, kRowIds[i].plus);
        row.minus = new QPushButton(QStringLiteral("-"), this);
        fw::SetControlId(row.minus, kRowIds[i].minus);
        row.plus->setAutoDefault(false);
        row.minus->setAutoDefault(false);
        grid->addWidget(row.title, 1 + i, 0);
        grid->addWidget(row.value, 1 + i, 1);
        grid->addWidget(row.plus, 1 + i, 2);
        grid->addWidget(row.minus, 1 + i, 3);
        const Dial dial = static_cast<Dial>(i);
        connect(row.plus, &QPushButton::clicked, this, [this, dial] { OnStep(dial, 1); });
        connect(row.minus, &QPushButton::clicked, this, [this, dial] { OnStep(dial, -1); });
    }
    connect(m_pCharacter, &QComboBox::activated, this, [this] { OnSelchangeCharacter(); });
    connect(m_pLock, &QCheckBox::clicked, this, [this] { OnCheckLock(); });
}

std::string CAdjustPart::GetElementName() const {
    return m_pPart->m_strElementName;
}

const CReadDial& CAdjustPart::DialOf(Dial dial) const {
    switch (dial) {
    case kCurrent:
        return m_pPart->m_dialCurrent;
    case kTime:
        return m_pPart->m_dialTime;
    case kMagniCurrent:
        return m_pPart->m_dialMagniCurrent;
    default:
        return m_pPart->m_dialMagniTime;
    }
}

double& CAdjustPart::SettingOf(Dial dial) const {
    switch (dial) {
    case kCurrent:
        return m_pSetting->m_dCurrent;
    case kTime:
        return m_pSetting->m_dTime;
    case kMagniCurrent:
        return m_pSetting->m_dMagniCurrent;
    default:
        return m_pSetting->m_dMagniTime;
    }
}

void CAdjustPart::OnInitDialog() {
    if (!m_pAdjustSheet->GetElement())
        return;
    fw::CQtCombo box(m_pCharacter);
    const int32_t rows = CRSDial_Character(GetModelDatabases().pBreaker)
                             .DoReadSetDefaultDC(&box, m_pPart->m_lElementID, nullptr, nullptr);
    if (rows <= 0)
        DLLDispDatabaseWarning(4231, m_pSetting->m_strCharacterName);
    const int at =
        m_pCharacter->findData(QVariant::fromValue<qlonglong>(m_pSetting->m_lDialCharID));
    m_pCharacter->setCurrentIndex(at);
    DoSetupLock();
    DoSetupDials();
}

void CAdjustPart::DoSetupLock() {
    if (m_pPart->m_bUseLock == 1) {
        m_pLock->setEnabled(true);
        m_pLock->setChecked(adjust_fields::LockFlag(*m_pSetting) == 1);
    } else {
        m_pLock->setChecked(false);
        m_pLock->setEnabled(false);
        adjust_fields::LockFlag(*m_pSetting) = 0;
    }
}

void CAdjustPart::DoSetupDials() {
    for (int i = 0; i < 4; ++i) {
        const Dial d = static_cast<Dial>(i);
        const CReadDial& dial = DialOf(d);
        Row& row = m_rows[i];
        const bool shown = dial.m_nKind >= 1 && dial.m_nKind <= 3;
        for (QWidget* w :
             std::initializer_list<QWidget*>{row.title, row.value, row.plus, row.minus})
            w->setVisible(shown);
        m_nMaxIndex[i] = shown ? dial.m_listValue.GetCount() - 1 : -1;
        m_nIndex[i] = shown ? dial.DoGetIndexByValue(SettingOf(d)) : -1;
        if (!shown)
            continue;
        row.title->setText(QString::fromStdString(
            DLLGetTitleUnitNotes(dial.m_strTitle, dial.m_strUnit, dial.m_strNotes)));
        row.plus->setEnabled(m_nIndex[i] >= 0 && m_nIndex[i] < m_nMaxIndex[i]);
        row.minus->setEnabled(m_nIndex[i] > 0);
        DoShowValue(d);
    }
}

void CAdjustPart::DoShowValue(Dial d) {
    const CReadDial& dial = DialOf(d);
    const CReadValue* value = dial.DoGetValueByIndex(m_nIndex[d]);
    std::string text;
    if (value) {
        // A percent dial shows the multiple of the rating as a whole number.
        if (d == kCurrent && dial.m_nKind == 3 && m_pPart->m_bDispCurrentMulti == 1)
            text = DLLGetTextByBeams(std::trunc(value->m_dValue / 100.0), 0);
        else
            text = value->m_strName;
    }
    m_rows[d].value->setText(QString::fromStdString(text));
}

void CAdjustPart::OnStep(Dial d, int delta) {
    const int next = m_nIndex[d] + (delta > 0 ? 1 : -1);
    if (delta == 0 || m_nIndex[d] < 0 || next < 0 || next > m_nMaxIndex[d])
        return;
    if (!m_pAdjustSheet->DoBeginChange(adjusthint::kSetting))
        return;
    m_nIndex[d] = next;
    Row& row = m_rows[d];
    row.plus->setEnabled(next < m_nMaxIndex[d]);
    row.minus->setEnabled(next > 0);
    if (const CReadValue* value = DialOf(d).DoGetValueByIndex(next))
        SettingOf(d) = value->m_dValue;
    DoShowValue(d);
    m_pAdjustSheet->DoEndChange(adjusthint::kSetting);
}

void CAdjustPart::OnCheckLock() {
    if (!m_pAdjustSheet->DoBeginChange(adjusthint::kSetting))
        return;
    adjust_fields::LockFlag(*m_pSetting) = m_pLock->isChecked() ? 1 : 0;
    m_pAdjustSheet->DoEndChange(adjusthint::kLock);
}

void CAdjustPart::OnSelchangeCharacter() {
    const int at = m_pCharacter->currentIndex();
    if (at < 0)
        return;
    const int32_t id = static_cast<int32_t>(m_pCharacter->itemData(at).toLongLong());
    // Nothing is touched before the element is known to be there.
    if (!m_pAdjustSheet->GetElement() || id == m_pSetting->m_lDialCharID)
        return;
    if (!m_pAdjustSheet->DoBeginChange(adjusthint::kSetting))
        return;
    m_pSetting->m_lDialCharID = id;
    m_pSetting->m_strCharacterName = m_pCharacter->itemText(at).toStdString();
    const CModelDatabases& dbs = GetModelDatabases();
    m_pPart->DoReadReadPart(dbs.pBreaker, m_pSetting);
    m_pPart->m_listReadCurve.DeleteAll();
    m_pPart->DoReadCurveInfos(dbs.pBreaker, dbs.pCurve, id);
    DoSetupLock();
    DoSetupDials();
    m_pAdjustSheet->DoEndChange(adjusthint::kCharacter);
}
