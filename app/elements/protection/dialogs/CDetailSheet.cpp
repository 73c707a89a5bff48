#include "CDetailSheet.h"

#include "app/elements/protection/dialogs/ProtectDialogKit.h"
#include "app/protection/CObjAdjust.h"
#include "app/records/ModelDatabases.h"
#include "breakerdata/recordsets/CRSBreak_Group.h"
#include "breakerdata/recordsets/CRSBreak_Magni.h"
#include "breakerdata/recordsets/CRSBreak_OpeKind.h"
#include "breakerdata/recordsets/CRSBreak_Rated.h"
#include "breakerdata/recordsets/CRSBreak_Type.h"
#include "breakerdata/recordsets/CRSDial_Character.h"
#include "breakerdata/recordsets/CRSDial_Current.h"
#include "breakerdata/recordsets/CRSDial_MagniCurrent.h"
#include "breakerdata/recordsets/CRSDial_MagniTime.h"
#include "breakerdata/recordsets/CRSDial_Time.h"
#include "breakerdata/recordsets/CRSManufacture.h"
#include "framework/QtCombo.h"
#include "tools/Filvaron.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QLabel>

using protectdlg::ItemId;

namespace {

constexpr unsigned IDS_TABLE_MANUFACTURER = 4224;
constexpr unsigned IDS_TABLE_BREAK_GROUP = 4225;
constexpr unsigned IDS_TABLE_BREAK_TYPE = 4226;
constexpr unsigned IDS_TABLE_BREAK_OPEKIND = 4227;
constexpr unsigned IDS_TABLE_BREAK_RATED = 4228;
constexpr unsigned IDS_TABLE_BREAK_MAGNI = 4229;
constexpr unsigned IDS_TABLE_DIAL_CHARACTER = 4231;
constexpr unsigned IDS_TABLE_DIAL_CURRENT = 4232;
constexpr unsigned IDS_TABLE_DIAL_MAGNICURRENT = 4233;
constexpr unsigned IDS_TABLE_DIAL_TIME = 4234;
constexpr unsigned IDS_TABLE_DIAL_MAGNITIME = 4235;

fw::CDatabase* BreakerDb() {
    return GetModelDatabases().pBreaker;
}

// The entry of a text, case ignored; none leaves the box without a choice.
int SelectByName(QComboBox* box, const std::string& name) {
    fw::CQtCombo combo(box);
    const int index = name.empty() ? -1 : combo.FindStringExact(-1, name);
    combo.SetCurSel(index);
    return index;
}

// The value of a dial that a box entry shows: found by the entry's text (the
// box and the dial are filled from the same rows), else by its place.
const CReadValue* DialValueOf(const CReadDial& dial, const QComboBox* box) {
    const int index = box->currentIndex();
    if (index < 0)
        return nullptr;
    const std::string text = box->currentText().toStdString();
    for (const auto& value : dial.m_listValue) {
        if (value->m_strName == text)
            return value.get();
    }
    return dial.DoGetValueByIndex(index);
}

// The text a dial shows for a value, empty when it has none.
std::string DialTextOf(const CReadDial& dial, double value) {
    for (const auto& entry : dial.m_listValue) {
        if (entry->m_dValue == value)
            return entry->m_strName;
    }
    return {};
}

QFont NotesFont() {
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSizeF(8.9);
    return font;
}

} // namespace

// ---- the type page ----

CDetailBase::CDetailBase(CDetailSheet& sheet, const CInfoBase& selection,
                         const CReadBase& reference)
    : CRowPage(187, "Type"), m_infoBase(selection), m_readBase(reference), m_sheet(sheet) {
    m_wndBox[kMaker] = AddCombo(1009, "Manufacturer:", false);
    m_wndBox[kGroup] = AddCombo(1010, "Kind:", false);
    m_wndBox[kType] = AddCombo(1011, "Type:", false);
    m_wndOpeKindTitle = AddStatic(1013, "");
    m_wndBox[kOpeKind] = AddCombo(1012, "", false);
    m_wndRatedTitle = AddStatic(1018, "");
    m_wndBox[kRating] = AddCombo(1014, "", false);
    m_wndBox[kRated] = AddCombo(1016, "", false);
    m_wndMagniTitle = AddStatic(1020, "");
    m_wndBox[kMagni] = AddCombo(1019, "", false);
    AddStatic(0, "Apparatus series name:");
    m_wndSeries = AddStatic(1023, "");
    AddStatic(0, "Note:");
    m_wndNote = AddStatic(1022, "");
    AddStatic(0, "Situation of production:");
    m_wndSituation = AddStatic(1024, "");
    for (QLabel* text : {m_wndSeries, m_wndNote, m_wndSituation}) {
        text->setFont(NotesFont());
        text->setWordWrap(true);
    }
    for (int step = kMaker; step < kDone; ++step)
        CRowPage::OnChosen(m_wndBox[step], [this, step](int index) { OnChosen(step, index); });
}

void CDetailBase::OnInitDialog() {
    DoShowStored();
    EnableOk(m_bComplete);
}

void CDetailBase::DoShowStored() {
    fw::CDatabase* db = BreakerDb();
    DoClearFrom(kMaker);
    if (!db)
        return;
    if (!m_readBase.m_bIsRead && m_infoBase.m_lTypeID > 0) {
        CInfoBase scratch = m_infoBase;
        m_readBase.DoReadReadBase(db, &scratch);
    }
    CInfoBase scratch = m_infoBase;
    CReadBase scratchRef;
    CReadDial scratchDial;

    // A stored name the database does not hold: the row read again by its
    // id, warned about with the stored name.
    auto select = [](QComboBox* box, const std::string& stored, unsigned table,
                     const std::function<std::string()>& reread) {
        if (SelectByName(box, stored) >= 0)
            return;
        const std::string again = reread();
        DLLDispDatabaseWarning(table, stored);
        SelectByName(box, again);
    };
    {
        fw::CQtCombo combo(m_wndBox[kMaker]);
        CRSManufacture(db).DoReadSetDefaultM(&combo, static_cast<unsigned>(m_infoBase.m_nKindFlag),
                                             &scratch, 0);
        m_wndBox[kMaker]->setEnabled(true);
        select(m_wndBox[kMaker], m_infoBase.m_strManufactureName, IDS_TABLE_MANUFACTURER, [&] {
            CRSManufacture(db).DoReadByManufactureID(m_infoBase.m_lManufactureID, &m_infoBase);
            return m_infoBase.m_strManufactureName;
        });
    }
    if (m_infoBase.m_lManufactureID <= 0)
        return;
    {
        fw::CQtCombo combo(m_wndBox[kGroup]);
        CRSBreak_Group(db).DoReadSetDefaultEG(&combo, m_infoBase.m_lManufactureID,
                                              m_infoBase.m_nKindFlag, &scratch, 0);
        m_wndBox[kGroup]->setEnabled(true);
        select(m_wndBox[kGroup], m_infoBase.m_strGroupName, IDS_TABLE_BREAK_GROUP, [&] {
            CRSBreak_Group(db).DoReadByManuGroupID(m_infoBase.m_lManufactureID,
                                                   m_infoBase.m_lGroupID, &m_infoBase);
            return m_infoBase.m_strGroupName;
        });
    }
    if (m_infoBase.m_lGroupID <= 0)
        return;
    {
        fw::CQtCombo combo(m_wndBox[kType]);
        CRSBreak_Type(db).DoReadSetDefaultET(&combo, m_infoBase.m_lManufactureID,
                                             m_infoBase.m_lGroupID, &scratch, &scratchRef, 0);
        m_wndBox[kType]->setEnabled(true);
        select(m_wndBox[kType], m_infoBase.m_strTypeName, IDS_TABLE_BREAK_TYPE, [&] {
            CRSBreak_Type(db).DoReadByTypeID(m_infoBase.m_lTypeID, &m_infoBase, &m_readBase, 0);
            return m_infoBase.m_strTypeName;
        });
        DoShowTypeTexts();
    }
    if (m_infoBase.m_lTypeID <= 0)
        return;
    if (!HasOpeKind()) {
        m_bComplete = true;
        return;
    }
    {
        fw::CQtCombo combo(m_wndBox[kOpeKind]);
        CRSBreak_OpeKind(db).DoReadSetByIndex(&combo, m_infoBase.m_lTypeID, 0, &scratch,
                                              &scratchRef, 0);
        m_wndBox[kOpeKind]->setEnabled(true);
        select(m_wndBox[kOpeKind], m_infoBase.m_strOpeKindName, IDS_TABLE_BREAK_OPEKIND, [&] {
            CRSBreak_OpeKind(db).DoReadByOpeKindID(m_infoBase.m_lOpeKindID, &m_infoBase,
                                                   &m_readBase);
            return m_infoBase.m_strOpeKindName;
        });
        DoShowOpeKindTitles();
    }
    const int32_t opeKind = m_infoBase.m_lOpeKindID;
    CRSBreak_Rated rated(db);
    switch (RatedKind()) {
    case 4: {
        fw::CQtCombo ratings(m_wndBox[kRating]);
        rated.DoReadSetDefaultRange(&ratings, opeKind, &scratch, &scratchRef, 0);
        m_wndBox[kRating]->setEnabled(true);
        DLLSetFixedDialCombo(&ratings, m_infoBase.m_strRatedName, IDS_TABLE_BREAK_RATED);
        fw::CQtCombo values(m_wndBox[kRated]);
        rated.DoReadSetDefaultMix(&values, m_infoBase.m_lBreakRatedID, &scratch, &scratchRef,
                                  &scratchDial, 0);
        m_wndBox[kRated]->setEnabled(true);
        DLLSetContiDialCombo(&values, m_infoBase.m_dRatedValue, IDS_TABLE_BREAK_RATED, 0);
        break;
    }
    case 2: {
        fw::CQtCombo values(m_wndBox[kRated]);
        rated.DoReadSetDefaultFixed(&values, opeKind, &scratch, &scratchRef, &scratchDial, 0);
        m_wndBox[kRated]->setEnabled(true);
        DLLSetFixedDialCombo(&values, m_infoBase.m_strRatedName, IDS_TABLE_BREAK_RATED);
        break;
    }
    case 3: {
        fw::CQtCombo values(m_wndBox[kRated]);
        rated.DoReadSetDefaultContinue(&values, opeKind, &scratch, &scratchRef, &scratchDial, 0);
        m_wndBox[kRated]->setEnabled(true);
        DLLSetContiDialCombo(&values, m_infoBase.m_dRatedValue, IDS_TABLE_BREAK_RATED, 0);
        break;
    }
    default:
        break;
    }
    CReadDial scratchMagni;
    fw::CQtCombo magni(m_wndBox[kMagni]);
    if (MagniKind() == 2) {
        CRSBreak_Magni(db).DoReadSetDefaultFixed(&magni, opeKind, &scratchMagni, &scratch, 0);
        m_wndBox[kMagni]->setEnabled(true);
        DLLSetFixedDialCombo(&magni, DialTextOf(m_readBase.m_dialMagni, m_infoBase.m_dMagniValue),
                             IDS_TABLE_BREAK_MAGNI);
    } else if (MagniKind() == 3) {
        CRSBreak_Magni(db).DoReadSetDefaultContinue(&magni, opeKind, &scratchMagni, &scratch, 0);
        m_wndBox[kMagni]->setEnabled(true);
        DLLSetContiDialCombo(&magni, m_infoBase.m_dMagniValue, IDS_TABLE_BREAK_MAGNI, 0);
    }
    m_bComplete = m_infoBase.IsOkSetCurveInfo() == 1;
}

void CDetailBase::DoShowTypeTexts() {
    m_wndOpeKindTitle->setText(QString::fromStdString(
        m_readBase.m_strOpeKindTitle.empty() ? std::string() : m_readBase.m_strOpeKindTitle + ":"));
    m_wndSeries->setText(QString::fromStdString(m_readBase.m_strSeriesName));
    m_wndNote->setText(QString::fromStdString(m_readBase.m_strNotes));
    m_wndSituation->setText(QString::fromStdString(m_readBase.m_strOldNew));
}

void CDetailBase::DoShowOpeKindTitles() {
    const CReadDial& rated = m_readBase.m_dialRated;
    const CReadDial& magni = m_readBase.m_dialMagni;
    m_wndRatedTitle->setText(QString::fromStdString(
        rated.m_strTitle.empty() ? std::string()
                                 : DLLGetTitleUnit(rated.m_strTitle, rated.m_strUnit)));
    m_wndMagniTitle->setText(QString::fromStdString(
        magni.m_strTitle.empty() ? std::string()
                                 : DLLGetTitleUnit(magni.m_strTitle, magni.m_strUnit)));
}

void CDetailBase::DoClearFrom(int step) {
    for (int s = step; s < kDone; ++s) {
        fw::CQtCombo(m_wndBox[s]).ResetContent();
        m_wndBox[s]->setEnabled(false);
    }
    m_bComplete = false;
}

bool CDetailBase::DoFillStep(int step) {
    fw::CDatabase* db = BreakerDb();
    if (!db)
        return false;
    QComboBox* box = m_wndBox[step];
    fw::CQtCombo combo(box);
    CInfoBase& info = m_infoBase;
    // A box that lists nothing stays disabled; one whose table names no
    // default waits for the user's choice.
    auto listed = [box](int32_t id) {
        box->setEnabled(box->count() > 0);
        return id > 0;
    };
    switch (step) {
    case kGroup:
        return listed(CRSBreak_Group(db).DoReadSetDefaultEG(&combo, info.m_lManufactureID,
                                                            info.m_nKindFlag, &info, 1));
    case kType: {
        const int32_t id = CRSBreak_Type(db).DoReadSetDefaultET(
            &combo, info.m_lManufactureID, info.m_lGroupID, &info, &m_readBase, 1);
        if (!listed(id))
            return false;
        CRSBreak_Type(db).DoReadByTypeID(id, &info, &m_readBase, 0);
        DoShowTypeTexts();
        return true;
    }
    case kOpeKind: {
        if (!HasOpeKind())
            return true;
        const int32_t id =
            CRSBreak_OpeKind(db).DoReadSetByIndex(&combo, info.m_lTypeID, 0, &info, &m_readBase, 1);
        if (!listed(id))
            return false;
        if (CRSBreak_OpeKind(db).DoReadByOpeKindID(id, &info, &m_readBase) == 0) {
            m_wndRatedTitle->clear();
            m_wndMagniTitle->clear();
            return false;
        }
        DoShowOpeKindTitles();
        return true;
    }
    case kRating: {
        if (!HasOpeKind() || RatedKind() != 4)
            return true;
        CRSBreak_Rated rated(db);
        if (!listed(rated.DoReadSetDefaultRange(&combo, info.m_lOpeKindID, &info, &m_readBase, 1)))
            return false;
        return rated.DoReadRangeMixByID(info.m_lBreakRatedID, &m_readBase,
                                        &m_readBase.m_dialRated) > 0;
    }
    case kRated: {
        if (!HasOpeKind())
            return true;
        CRSBreak_Rated rated(db);
        CReadDial* dial = &m_readBase.m_dialRated;
        switch (RatedKind()) {
        case 4:
            return listed(rated.DoReadSetDefaultMix(&combo, info.m_lBreakRatedID, &info,
                                                    &m_readBase, dial, 1));
        case 2:
            return listed(rated.DoReadSetDefaultFixed(&combo, info.m_lOpeKindID, &info, &m_readBase,
                                                      dial, 1));
        case 3:
            return listed(rated.DoReadSetDefaultContinue(&combo, info.m_lOpeKindID, &info,
                                                         &m_readBase, dial, 1));
        default:
            return true;
        }
    }
    case kMagni: {
        if (!HasOpeKind())
            return true;
        CReadDial* dial = &m_readBase.m_dialMagni;
        if (MagniKind() == 2)
            return listed(CRSBreak_Magni(db).DoReadSetDefaultFixed(&combo, info.m_lOpeKindID, dial,
                                                                   &info, 1));
        if (MagniKind() == 3)
            return listed(CRSBreak_Magni(db).DoReadSetDefaultContinue(&combo, info.m_lOpeKindID,
                                                                      dial, &info, 1));
        return true;
    }
    default:
        return true;
    }
}

void CDetailBase::DoFillChainFrom(int step) {
    m_bComplete = false;
    for (int s = step; s < kDone; ++s) {
        if (!DoFillStep(s)) {
            EnableOk(false);
            return;
        }
    }
    m_bComplete = true;
    if (HasOpeKind() && m_sheet.DoReadForRating(m_infoBase.m_lBreakRatedID) > 0)
        m_sheet.DoAddPartPages();
    EnableOk(true);
}

void CDetailBase::OnChosen(int step, int index) {
    QComboBox* box = m_wndBox[step];
    if (index < 0 || index >= box->count())
        return;
    const int32_t id = ItemId(box, index);
    const std::string text = box->itemText(index).toStdString();
    CInfoBase& info = m_infoBase;
    fw::CDatabase* db = BreakerDb();
    switch (step) {
    case kMaker:
        if (id < 1 || id == info.m_lManufactureID)
            return;
        info.m_lManufactureID = id;
        info.m_strManufactureName = text;
        break;
    case kGroup:
        if (id < 1 || info.m_lManufactureID < 1 || id == info.m_lGroupID)
            return;
        // The group row also gives the breaker code of the series.
        if (db)
            CRSBreak_Group(db).DoReadByManuGroupID(info.m_lManufactureID, id, &info);
        info.m_lGroupID = id;
        info.m_strGroupName = text;
        break;
    case kType:
        if (id == 0 || id == info.m_lTypeID)
            return;
        info.m_lTypeID = id;
        info.m_strTypeName = text;
        m_readBase.m_bIsRead = 0;
        if (db)
            CRSBreak_Type(db).DoReadByTypeID(id, &info, &m_readBase, 0);
        DoShowTypeTexts();
        break;
    case kOpeKind:
        if (id == 0 || id == info.m_lOpeKindID)
            return;
        info.m_lOpeKindID = id;
        info.m_strOpeKindName = text;
        if (!db || CRSBreak_OpeKind(db).DoReadByOpeKindID(id, &info, &m_readBase) == 0) {
            m_sheet.DoRemovePartPages();
            DoClearFrom(kRating);
            m_wndRatedTitle->clear();
            m_wndMagniTitle->clear();
            EnableOk(false);
            return;
        }
        DoShowOpeKindTitles();
        break;
    case kRating:
        if (id == 0 || id == info.m_lBreakRatedID)
            return;
        info.m_lBreakRatedID = id;
        info.m_strRatedName = text;
        m_sheet.DoRemovePartPages();
        DoClearFrom(kRated);
        if (!db ||
            CRSBreak_Rated(db).DoReadRangeMixByID(id, &m_readBase, &m_readBase.m_dialRated) <= 0) {
            EnableOk(false);
            return;
        }
        DoFillChainFrom(kRated);
        return;
    case kRated: {
        const CReadValue* value = DialValueOf(m_readBase.m_dialRated, box);
        if (!value ||
            (value->m_dValue == info.m_dRatedValue && value->m_lID == info.m_lBreakRatedID))
            return;
        info.m_dRatedValue = value->m_dValue;
        info.m_lBreakRatedID = value->m_lID;
        if (RatedKind() == 2) {
            info.m_strRatedName = value->m_strName;
            m_sheet.DoRemovePartPages();
            if (m_sheet.DoReadForRating(value->m_lID) > 0)
                m_sheet.DoAddPartPages();
            if (!db ||
                CRSBreak_Rated(db).DoReadRangeFixedByID(info.m_lOpeKindID, value->m_dValue,
                                                        &m_readBase, &m_readBase.m_dialRated) < 1)
                return;
        } else {
            info.m_strRatedName = value->m_strName;
        }
        m_bComplete = m_bComplete || info.IsOkSetCurveInfo() == 1;
        EnableOk(m_bComplete);
        return;
    }
    case kMagni: {
        const CReadValue* value = DialValueOf(m_readBase.m_dialMagni, box);
        if (!value || value->m_dValue == info.m_dMagniValue)
            return;
        info.m_dMagniValue = value->m_dValue;
        if (db) {
            CReadDial* dial = &m_readBase.m_dialMagni;
            if (MagniKind() == 2)
                CRSBreak_Magni(db).DoReadRangeFixedByID(info.m_lOpeKindID, value->m_dValue, dial);
            else if (MagniKind() == 3)
                CRSBreak_Magni(db).DoReadRangeContinueByID(info.m_lOpeKindID, dial);
        }
        return;
    }
    default:
        return;
    }
    // Everything after the changed box is chosen again, and the trip
    // elements follow the new product.
    m_sheet.DoRemovePartPages();
    DoClearFrom(step + 1);
    DoFillChainFrom(step + 1);
}

void CDetailBase::DoStoreOnOK() {
    CInfoBase& info = m_infoBase;
    const int ids[4] = {kMaker, kGroup, kType, kOpeKind};
    int32_t* targets[4] = {&info.m_lManufactureID, &info.m_lGroupID, &info.m_lTypeID,
                           &info.m_lOpeKindID};
    for (int i = 0; i < 4; ++i) {
        if (i == 3 && !HasOpeKind())
            return;
        QComboBox* box = m_wndBox[ids[i]];
        if (box->currentIndex() < 0)
            return;
        *targets[i] = ItemId(box, box->currentIndex());
    }
    const int kind = RatedKind();
    if (kind == 4) {
        QComboBox* box = m_wndBox[kRating];
        if (box->currentIndex() < 0)
            return;
        info.m_lBreakRatedID = ItemId(box, box->currentIndex());
        info.m_strRatedName = box->currentText().toStdString();
    }
    if (kind >= 2 && kind <= 4) {
        const CReadValue* value = DialValueOf(m_readBase.m_dialRated, m_wndBox[kRated]);
        if (!value)
            return;
        info.m_dRatedValue = value->m_dValue;
    }
    if (MagniKind() == 2 || MagniKind() == 3) {
        const CReadValue* value = DialValueOf(m_readBase.m_dialMagni, m_wndBox[kMagni]);
        if (!value)
            return;
        info.m_dMagniValue = value->m_dValue;
    }
}

// ---- a trip element's page ----

namespace {

// Which dial a box shows, its table and its filler.
struct DialSlot {
    CReadDial CReadPart::*dial;
    double CInfoPart::*value;
    unsigned id;
    unsigned titleId;
    unsigned table;
};

constexpr DialSlot kSlots[4] = {
    {&CReadPart::m_dialCurrent, &CInfoPart::m_dCurrent, 1026, 1028, IDS_TABLE_DIAL_CURRENT},
    {&CReadPart::m_dialTime, &CInfoPart::m_dTime, 1029, 1031, IDS_TABLE_DIAL_TIME},
    {&CReadPart::m_dialMagniCurrent, &CInfoPart::m_dMagniCurrent, 1032, 1033,
     IDS_TABLE_DIAL_MAGNICURRENT},
    {&CReadPart::m_dialMagniTime, &CInfoPart::m_dMagniTime, 1035, 1037, IDS_TABLE_DIAL_MAGNITIME},
};

// Fills a dial's box from its table: fixed values (kind 2) or a continuous
// grid (kind 3); defaults: the setting and the dial take the table's
// default, else the box alone is filled.
int32_t FillDialBox(int slot, fw::IComboBox* box, int32_t dialCharID, int kind, CReadPart& part,
                    CInfoPart& setting, bool defaults) {
    fw::CDatabase* db = BreakerDb();
    if (!db)
        return 0;
    CReadDial scratchDial;
    CInfoPart scratchSetting = setting;
    CReadDial* dial = defaults ? &(part.*kSlots[slot].dial) : &scratchDial;
    CInfoPart* target = defaults ? &setting : &scratchSetting;
    const int init = defaults ? 1 : 0;
    const bool fixed = kind == 2;
    switch (slot) {
    case 0:
        return fixed
                   ? CRSDial_Current(db).DoReadSetDefaultFixed(box, dialCharID, dial, target, init)
                   : CRSDial_Current(db).DoReadSetDefaultContinue(box, dialCharID, dial, target,
                                                                  part.m_bDispCurrentMulti, init);
    case 1:
        return fixed
                   ? CRSDial_Time(db).DoReadSetDefaultFixed(box, dialCharID, dial, target, init)
                   : CRSDial_Time(db).DoReadSetDefaultContinue(box, dialCharID, dial, target, init);
    case 2:
        return fixed ? CRSDial_MagniCurrent(db).DoReadSetDefaultFixed(box, dialCharID, dial, target,
                                                                      init)
                     : CRSDial_MagniCurrent(db).DoReadSetDefaultContinue(box, dialCharID, dial,
                                                                         target, init);
    default:
        return fixed ? CRSDial_MagniTime(db).DoReadSetDefaultFixed(box, dialCharID, dial, target,
                                                                   init)
                     : CRSDial_MagniTime(db).DoReadSetDefaultContinue(box, dialCharID, dial, target,
                                                                      init);
    }
}

} // namespace

CDetailPart::CDetailPart(const CInfoPart& setting, const CReadPart& part)
    : CRowPage(188, part.m_strElementName), m_infoPart(setting), m_readPart(part) {
    m_wndCharacter = AddCombo(1025, "Characteristic:", false);
    for (int i = 0; i < 4; ++i) {
        m_wndTitle[i] = AddStatic(kSlots[i].titleId, "");
        m_wndDial[i] = AddCombo(kSlots[i].id, "", false);
    }
    m_wndLock = AddCheck(1049, "Lock");
    m_wndTimer = AddCheck(1052, "Timer setup");
    CRowPage::OnChosen(m_wndCharacter, [this](int index) { OnCharacterChosen(index); });
}

void CDetailPart::OnInitDialog() {
    fw::CDatabase* db = BreakerDb();
    if (db) {
        fw::CQtCombo combo(m_wndCharacter);
        CInfoPart scratch = m_infoPart;
        CReadPart scratchPart = m_readPart;
        CRSDial_Character(db).DoReadSetDefaultDC(&combo, m_readPart.m_lElementID, &scratch,
                                                 &scratchPart);
        if (SelectByName(m_wndCharacter, m_infoPart.m_strCharacterName) < 0) {
            CRSDial_Character(db).DoReadByElementID(
                m_readPart.m_lElementID, m_infoPart.m_strCharacterName, &m_infoPart, &m_readPart);
            DLLDispDatabaseWarning(IDS_TABLE_DIAL_CHARACTER, m_infoPart.m_strCharacterName);
        }
    }
    DoFillDials(false);
    DoSetUpFlags();
}

void CDetailPart::DoFillDials(bool defaults) {
    for (int i = 0; i < 4; ++i) {
        QComboBox* box = m_wndDial[i];
        fw::CQtCombo combo(box);
        combo.ResetContent();
        const CReadDial& dial = m_readPart.*kSlots[i].dial;
        const bool withNotes = i < 2;
        m_wndTitle[i]->setText(QString::fromStdString(
            dial.m_strTitle.empty() ? std::string()
            : withNotes ? DLLGetTitleUnitNotes(dial.m_strTitle, dial.m_strUnit, dial.m_strNotes)
                        : DLLGetTitleUnit(dial.m_strTitle, dial.m_strUnit)));
        const int kind = dial.m_nKind;
        if (kind != 2 && kind != 3) {
            box->setEnabled(false);
            continue;
        }
        box->setEnabled(true);
        FillDialBox(i, &combo, m_infoPart.m_lDialCharID, kind, m_readPart, m_infoPart, defaults);
        if (defaults)
            continue;
        const double value = m_infoPart.*kSlots[i].value;
        if (kind == 2)
            DLLSetFixedDialCombo(&combo, DialTextOf(m_readPart.*kSlots[i].dial, value),
                                 kSlots[i].table);
        else
            DLLSetContiDialCombo(&combo, value, kSlots[i].table,
                                 i == 0 ? m_readPart.m_bDispCurrentMulti : 0);
    }
}

void CDetailPart::DoSetUpFlags() {
    if (m_readPart.m_bUseLock == 1) {
        m_wndLock->setEnabled(true);
        m_wndLock->setChecked(adjust_fields::LockFlag(m_infoPart) == 1);
    } else {
        m_wndLock->setChecked(false);
        m_wndLock->setEnabled(false);
        adjust_fields::LockFlag(m_infoPart) = 0;
    }
    m_wndTimer->setEnabled(m_readPart.m_bUseTimer == 1);
    m_wndTimer->setChecked(adjust_fields::TimerFlag(m_infoPart) == 1);
}

void CDetailPart::OnCharacterChosen(int index) {
    const int32_t id = ItemId(m_wndCharacter, index);
    if (index < 0 || id == m_infoPart.m_lDialCharID)
        return;
    m_infoPart.m_lDialCharID = id;
    m_infoPart.m_strCharacterName = m_wndCharacter->itemText(index).toStdString();
    if (fw::CDatabase* db = BreakerDb())
        m_readPart.DoReadReadPart(db, &m_infoPart);
    DoFillDials(true);
    DoSetUpFlags();
}

void CDetailPart::DoStoreOnOK() {
    m_infoPart.m_strCharacterName = m_wndCharacter->currentText().toStdString();
    adjust_fields::LockFlag(m_infoPart) = m_wndLock->isChecked() ? 1 : 0;
    adjust_fields::TimerFlag(m_infoPart) = m_wndTimer->isChecked() ? 1 : 0;
    for (int i = 0; i < 4; ++i) {
        const CReadDial& dial = m_readPart.*kSlots[i].dial;
        if (dial.m_nKind != 2 && dial.m_nKind != 3)
            continue;
        const CReadValue* value = DialValueOf(dial, m_wndDial[i]);
        if (!value)
            return;
        m_infoPart.*kSlots[i].value = value->m_dValue;
    }
}

// ---- the sheet ----

CDetailSheet::CDetailSheet(const std::string& title, QWidget* parent)
    : fw::CPropertySheet(title, parent) {}

CDetailSheet::~CDetailSheet() {
    DoRemovePartPages();
    if (m_pBase)
        RemovePage(m_pBase.get());
}

void CDetailSheet::DoBuildFromAdjust(const CObjAdjust& adjust) {
    m_listInfoPart.DoCopyAllInfoParts(adjust.m_listInfoPart);
    m_listReadPart.DoCopyAllReadParts(adjust.m_listReadPart);
    m_pBase = std::make_unique<CDetailBase>(*this, adjust.m_infoBase, adjust.m_readBase);
    AddPage(m_pBase.get());
    m_listReadPart.DoDeleteAllReadParts();
    fw::CDatabase* db = BreakerDb();
    if (db && m_listReadPart.DoReadAllReadParts(db, adjust.m_infoBase.m_lBreakRatedID,
                                                &m_listInfoPart) > 0)
        DoAddPartPages();
}

void CDetailSheet::DoBuildFromSelection(const CInfoBase& selection, const CReadBase& reference) {
    m_pBase = std::make_unique<CDetailBase>(*this, selection, reference);
    AddPage(m_pBase.get());
}

int CDetailSheet::DoReadForRating(int32_t breakRatedID) {
    m_listInfoPart.DoDeleteAllInfoParts();
    m_listReadPart.DoDeleteAllReadParts();
    fw::CDatabase* db = BreakerDb();
    if (!db)
        return 0;
    return m_listReadPart.DoReadAllReadParts(db, breakRatedID, &m_listInfoPart);
}

void CDetailSheet::DoAddPartPages() {
    auto setting = m_listInfoPart.begin();
    for (const auto& part : m_listReadPart) {
        if (setting == m_listInfoPart.end())
            break;
        m_listPart.push_back(std::make_unique<CDetailPart>(**setting, *part));
        AddPage(m_listPart.back().get());
        ++setting;
    }
}

void CDetailSheet::DoRemovePartPages() {
    for (auto& page : m_listPart)
        RemovePage(page.get());
    m_listPart.clear();
}

void CDetailSheet::DoHandBackSelection(CInfoBase& selection, CReadBase& reference) const {
    if (!m_pBase)
        return;
    selection = m_pBase->m_infoBase;
    reference = m_pBase->m_readBase;
}

bool CDetailSheet::OnOK() {
    if (m_pBase && m_pBase->IsInitialized())
        m_pBase->DoStoreOnOK();
    for (auto& page : m_listPart) {
        if (page->IsInitialized())
            page->DoStoreOnOK();
    }
    return true;
}

void CDetailSheet::DoStoreBack(CObjAdjust& adjust) {
    if (!m_pBase)
        return;
    adjust.m_infoBase = m_pBase->m_infoBase;
    adjust.m_readBase = m_pBase->m_readBase;
    auto part = m_listReadPart.begin();
    size_t i = 0;
    for (auto setting = m_listInfoPart.begin();
         setting != m_listInfoPart.end() && part != m_listReadPart.end() && i < m_listPart.size();
         ++setting, ++part, ++i) {
        **setting = m_listPart[i]->m_infoPart;
        **part = m_listPart[i]->m_readPart;
    }
    adjust.m_listInfoPart.DoCopyAllInfoParts(m_listInfoPart);
    adjust.m_listReadPart.DoCopyAllReadParts(m_listReadPart);
}
