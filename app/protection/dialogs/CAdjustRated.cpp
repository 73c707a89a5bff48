#include "CAdjustRated.h"

#include "UpDown.h"

#include "app/protection/CObjAdjust.h"
#include "app/records/ModelDatabases.h"
#include "breakerdata/recordsets/CRSBreak_Rated.h"
#include "framework/QtCombo.h"
#include "framework/Resources.h"
#include "framework/StringTable.h"
#include "listdata/CRSList_CT1Current.h"
#include "tools/Filvaron.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

#include <algorithm>

namespace {
constexpr unsigned IDS_CT_PRIMARY_CURRENT = 26885;
constexpr unsigned IDS_TABLE_BREAK_RATED = 4228;
constexpr int32_t kKindFlagRelay = 1;
constexpr int kRatingFixed = 2;
constexpr int kRatingMixed = 4;
} // namespace

CAdjustRated::CAdjustRated(CAdjustSheet* sheet, CObjAdjust* adjust)
    : CAdjustPage(sheet, 189, "Rated"), m_pAdjust(adjust) {
    auto* grid = new QGridLayout(this);
    m_pRatedTitle = new QLabel(this);
    fw::SetControlId(m_pRatedTitle, 1017);
    m_pRatedText = new QLabel(this);
    fw::SetControlId(m_pRatedText, 1018);
    m_pRatingSpin = new CUpDown(this, 1146);
    m_pRating = new QComboBox(this);
    fw::SetControlId(m_pRating, 1014);
    m_pCT = new QComboBox(this);
    fw::SetControlId(m_pCT, 1101);
    // The rating spin walks it; choosing in it would set nothing.
    m_pCT->setEnabled(false);
    m_pMagniTitle = new QLabel(this);
    fw::SetControlId(m_pMagniTitle, 1020);
    m_pMagniText = new QLabel(this);
    fw::SetControlId(m_pMagniText, 1021);
    m_pMagniSpin = new CUpDown(this, 1148);
    grid->addWidget(m_pRatedTitle, 0, 0);
    grid->addWidget(m_pRatedText, 0, 1);
    grid->addWidget(m_pRatingSpin, 0, 2);
    grid->addWidget(m_pRating, 1, 1);
    grid->addWidget(m_pCT, 2, 1);
    grid->addWidget(m_pMagniTitle, 3, 0);
    grid->addWidget(m_pMagniText, 3, 1);
    grid->addWidget(m_pMagniSpin, 3, 2);
    connect(m_pRating, &QComboBox::activated, this, [this] { OnSelchangeRating(); });
    m_pRatingSpin->OnDelta = [this](int delta) { OnDeltaposRating(delta); };
    m_pMagniSpin->OnDelta = [this](int delta) { OnDeltaposMagni(delta); };
}

bool CAdjustRated::IsRelay() const {
    return m_pAdjust->m_infoBase.m_nKindFlag == kKindFlagRelay;
}

void CAdjustRated::OnInitDialog() {
    if (!m_pAdjustSheet->GetElement())
        return;
    CInfoBase& selection = m_pAdjust->m_infoBase;
    CReadBase& base = m_pAdjust->m_readBase;
    fw::CQtCombo rating(m_pRating);
    if (base.m_dialRated.m_nKind == kRatingMixed) {
        // Listing only: the selection stays as it is.
        CRSBreak_Rated(GetModelDatabases().pBreaker)
            .DoReadSetDefaultRange(&rating, selection.m_lOpeKindID, nullptr, nullptr, 0);
        // The row is found by its id: the rating text is the dial entry's
        // once a value of the row was chosen, and would be warned about as
        // missing on every opening.
        const int row =
            m_pRating->findData(QVariant::fromValue<qlonglong>(selection.m_lBreakRatedID));
        if (row >= 0)
            m_pRating->setCurrentIndex(row);
        else
            DLLSetFixedDialCombo(&rating, selection.m_strRatedName, IDS_TABLE_BREAK_RATED);
    } else {
        m_pRating->setEnabled(false);
    }
    if (IsRelay()) {
        fw::CQtCombo ct(m_pCT);
        int defaultCurrent = 0;
        CRSList_CT1Current(GetModelDatabases().pList).DoReadSetDefaultLC(&ct, &defaultCurrent);
        m_pCT->setCurrentIndex(
            m_pCT->findData(QVariant::fromValue<qlonglong>(selection.m_nCT1Current)));
    }
    DoSetupSpins();
    DoShowTexts();
}

void CAdjustRated::DoSetupSpins() {
    const CInfoBase& selection = m_pAdjust->m_infoBase;
    const CReadBase& base = m_pAdjust->m_readBase;
    if (IsRelay()) {
        // The spin walks the CT list: its range is the list's.
        m_nRatedMax = m_pCT->count() - 1;
        m_nRatedPos = m_pCT->currentIndex();
    } else {
        const CReadDial& dial = base.m_dialRated;
        m_nRatedMax = dial.m_listValue.GetCount() - 1;
        m_nRatedPos = dial.m_nKind == kRatingFixed
                          ? dial.DoGetIndexByDialID(selection.m_lBreakRatedID)
                          : dial.DoGetIndexByValue(selection.m_dRatedValue);
    }
    m_pRatingSpin->setEnabled(m_nRatedMax >= 0);
    const CReadDial& magni = base.m_dialMagni;
    m_nMagniMax = magni.m_listValue.GetCount() - 1;
    m_nMagniPos = magni.DoGetIndexByValue(selection.m_dMagniValue);
    m_pMagniSpin->setEnabled(m_nMagniMax >= 0);
}

void CAdjustRated::DoShowTexts() {
    const CInfoBase& selection = m_pAdjust->m_infoBase;
    const CReadBase& base = m_pAdjust->m_readBase;
    if (IsRelay()) {
        m_pRatedTitle->setText(
            QString::fromStdString(fw::LoadString(IDS_CT_PRIMARY_CURRENT) + ":"));
        m_pRatedText->setText(QString::fromStdString(selection.DoGetTextCT1Current()));
    } else {
        m_pRatedTitle->setText(QString::fromStdString(
            DLLGetTitleUnit(base.m_dialRated.m_strTitle, base.m_dialRated.m_strUnit)));
        m_pRatedText->setText(QString::fromStdString(selection.m_strRatedName));
    }
    m_pMagniTitle->setText(QString::fromStdString(
        DLLGetTitleUnit(base.m_dialMagni.m_strTitle, base.m_dialMagni.m_strUnit)));
    const CReadValue* magni = base.m_dialMagni.DoGetValueByIndex(m_nMagniPos);
    m_pMagniText->setText(QString::fromStdString(magni ? magni->m_strName : std::string()));
}

void CAdjustRated::DoReadPartsFor(int32_t breakRatedID) {
    const CModelDatabases& dbs = GetModelDatabases();
    m_pAdjust->m_listInfoPart.DoDeleteAllInfoParts();
    m_pAdjust->m_listReadPart.DoDeleteAllReadParts();
    if (m_pAdjust->m_listReadPart.DoReadAllReadParts(dbs.pBreaker, breakRatedID,
                                                     &m_pAdjust->m_listInfoPart) > 0)
        m_pAdjust->m_listReadPart.DoReadAllCurveInfos(dbs.pBreaker, dbs.pCurve,
                                                      &m_pAdjust->m_listInfoPart);
    m_pAdjustSheet->DoRebuildDialPages();
}

void CAdjustRated::OnSelchangeRating() {
    const int at = m_pRating->currentIndex();
    if (at < 0 || !m_pAdjustSheet->GetElement())
        return;
    CInfoBase& selection = m_pAdjust->m_infoBase;
    CReadBase& base = m_pAdjust->m_readBase;
    const int32_t id = static_cast<int32_t>(m_pRating->itemData(at).toLongLong());
    if (id == selection.m_lBreakRatedID)
        return;
    if (!m_pAdjustSheet->DoBeginChange(adjusthint::kRatedList))
        return;
    selection.m_lBreakRatedID = id;
    selection.m_strRatedName = m_pRating->itemText(at).toStdString();
    CInfoBase read = selection;
    if (CRSBreak_Rated(GetModelDatabases().pBreaker)
            .DoReadSetDefaultMix(nullptr, id, &read, &base, &base.m_dialRated, 1) > 0) {
        selection = read;
        const CReadDial& dial = base.m_dialRated;
        if (const CReadValue* value =
                dial.DoGetValueByIndex(dial.DoGetIndexByValue(selection.m_dRatedValue))) {
            selection.m_strRatedName = value->m_strName;
            DoReadPartsFor(value->m_lID);
        }
    }
    DoSetupSpins();
    DoShowTexts();
    m_pAdjustSheet->DoEndChange(adjusthint::kRatedList);
}

void CAdjustRated::OnDeltaposRating(int delta) {
    const int next = std::clamp(m_nRatedPos + (delta < 0 ? -1 : 1), 0, std::max(0, m_nRatedMax));
    if (delta == 0 || m_nRatedMax < 0 || next == m_nRatedPos)
        return;
    if (!m_pAdjustSheet->DoBeginChange(adjusthint::kRatedStep))
        return;
    CInfoBase& selection = m_pAdjust->m_infoBase;
    CReadBase& base = m_pAdjust->m_readBase;
    m_nRatedPos = next;
    if (IsRelay()) {
        m_pCT->setCurrentIndex(next);
        selection.m_nCT1Current = static_cast<int32_t>(m_pCT->itemData(next).toLongLong());
    } else if (const CReadValue* value = base.m_dialRated.DoGetValueByIndex(next)) {
        selection.m_dRatedValue = value->m_dValue;
        selection.m_lBreakRatedID = value->m_lID;
        selection.m_strRatedName = value->m_strName;
        if (base.m_dialRated.m_nKind == kRatingFixed) {
            base.m_dRatedValue = value->m_dValue;
            DoReadPartsFor(value->m_lID);
        }
    }
    DoShowTexts();
    m_pAdjustSheet->DoEndChange(adjusthint::kRatedStep);
}

void CAdjustRated::OnDeltaposMagni(int delta) {
    const int next = std::clamp(m_nMagniPos + (delta < 0 ? -1 : 1), 0, std::max(0, m_nMagniMax));
    if (delta == 0 || m_nMagniMax < 0 || next == m_nMagniPos)
        return;
    if (!m_pAdjustSheet->DoBeginChange(adjusthint::kRatedStep))
        return;
    m_nMagniPos = next;
    if (const CReadValue* value = m_pAdjust->m_readBase.m_dialMagni.DoGetValueByIndex(next))
        m_pAdjust->m_infoBase.m_dMagniValue = value->m_dValue;
    DoShowTexts();
    m_pAdjustSheet->DoEndChange(adjusthint::kRatedStep);
}
