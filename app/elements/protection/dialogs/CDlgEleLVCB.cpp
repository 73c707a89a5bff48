#include "CDlgEleLVCB.h"

#include "app/elements/protection/dialogs/CDetailSheet.h"
#include "app/elements/protection/dialogs/ProtectDialogKit.h"
#include "app/records/ModelDatabases.h"
#include "breakerdata/model/CInfoPart.h"
#include "breakerdata/model/CReadPart.h"
#include "breakerdata/recordsets/CRSBreak_Group.h"
#include "breakerdata/recordsets/CRSBreak_TypeLVCB.h"
#include "breakerdata/recordsets/CRSManufacture.h"
#include "framework/MessageBox.h"
#include "framework/QtCombo.h"
#include "framework/Resources.h"
#include "framework/StringTable.h"
#include "listdata/CRSList_VoltLow.h"
#include "tools/Filvaron.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <algorithm>
#include <utility>

using namespace machinedlg;
using protectdlg::ItemId;

namespace {

constexpr unsigned IDS_VOLTAGE_LOW = 25387;
constexpr unsigned IDS_COLUMN_FIRST = 25602;
constexpr unsigned IDS_NOT_CALCULATED = 26114;
constexpr unsigned IDS_CHOSEN = 26117;
constexpr unsigned IDS_UPSTREAM = 26122;

constexpr int kColumnWidths[6] = {180, 77, 40, 76, 70, 62};

// The wait cursor for as long as it lives.
class CWaitCursor {
public:
    CWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CWaitCursor() { QApplication::restoreOverrideCursor(); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
};

fw::CDatabase* BreakerDb() {
    return GetModelDatabases().pBreaker;
}

std::string NoData() {
    return DLLGetTextByBeams(-1.0, 1);
}

} // namespace

CDlgEleLVCB::CDlgEleLVCB(CEleLVCB& model, int32_t voltageLock, int32_t mode, QWidget* parent)
    : CRowDialog(166, "Low-voltage circuit breaker", parent), m_model(model),
      m_nVoltageLock(voltageLock), m_nMode(mode) {
    m_wndName = AddEdit(1060, "Reference No.:");
    m_wndVoltage = AddCombo(1089, "Voltage(V):", true, 3);
    m_wndRated = AddEdit(1015, "Rated current(A):", false, 5);
    m_wndPoles = AddCombo(1182, "Poles:", false);
    m_wndMaker = AddCombo(1009, "Manufacturer:", false);
    m_wndGroup = AddCombo(1010, "Kind:", false);
    m_wndType = AddCombo(1011, "Type:", false);
    auto button = [this](unsigned id, const char* text) {
        auto* b = new QPushButton(QString::fromLatin1(text), this);
        fw::SetControlId(b, id);
        b->setAutoDefault(false);
        Rows()->addRow(b);
        return b;
    };
    m_wndClear = button(1121, "Clear");
    m_wndDetail = button(1119, "Detail...");
    m_wndGfr = button(1120, "GFR...");
    m_wndDrawGfr = AddCheck(1183, "Draw GFR");
    m_wndIcs = AddEdit(1112, "Ics(kA):", true);
    m_wndIcu = AddEdit(1162, "Icu or Icn(kA):", true);
    m_wndShortCircuit = AddEdit(1129, "I\"k3direct(kA):", true);
    m_wndTime = AddCombo(1090, "Disconnecting time\nagainst electric shock(s):", true, 4);
    m_wndSelectType = button(1156, "Select type");
    m_wndSearchIcs = button(1155, "Search by Ics");
    m_wndSearchIcu = button(1158, "Search by Icu or Icn");
    m_wndSelectedBy = new QLabel(this);
    fw::SetControlId(m_wndSelectedBy, 1142);
    Rows()->addRow(QStringLiteral("Selected by"), m_wndSelectedBy);
    m_wndList = new QTreeWidget(this);
    fw::SetControlId(m_wndList, 1179);
    m_wndList->setRootIsDecorated(false);
    m_wndList->setColumnCount(6);
    QStringList titles;
    for (int c = 0; c < 6; ++c)
        titles << QString::fromStdString(fw::LoadString(IDS_COLUMN_FIRST + c));
    m_wndList->setHeaderLabels(titles);
    for (int c = 0; c < 6; ++c)
        m_wndList->setColumnWidth(c, kColumnWidths[c]);
    Rows()->addRow(m_wndList);
    m_wndCalcPoint = AddCheck(1181, "Calculation point");
    m_wndOff = AddCheck(1189, "OFF");

    CObjAdjust* adjust = m_model.GetAdjust();
    if (!adjust)
        return; // nothing to edit: the model's edit opens no dialog then
    m_pInfoBase = &adjust->m_infoBase;
    m_pReadBase = &adjust->m_readBase;
    m_pInfoParts = &adjust->m_listInfoPart;
    m_pReadParts = &adjust->m_listReadPart;
    m_pInfoLine = &adjust->m_infoLine;

    Quietly([this] {
        SetText(m_wndName, m_model.m_strName);
        if (fw::CDatabase* list = GetModelDatabases().pList) {
            fw::CQtCombo voltages(m_wndVoltage);
            int32_t scratch = 0;
            CRSList_VoltLow(list).DoReadSetDefaultLV(&voltages, &scratch);
        }
        SetText(m_wndVoltage, m_model.DoGetTextVoltage(0));
        for (const char* p : {"1", "2", "3", "4"})
            m_wndPoles->addItem(QString::fromLatin1(p));
        const QString poles = QString::number(m_model.GetPoles());
        int index = -1;
        for (int i = 0; i < m_wndPoles->count() && index < 0; ++i) {
            if (m_wndPoles->itemText(i).startsWith(poles))
                index = i;
        }
        m_wndPoles->setCurrentIndex(index);
        for (const char* t : {"0.1", "0.2", "0.4", "0.8", "5.0"})
            m_wndTime->addItem(QString::fromLatin1(t));
        SetText(m_wndTime, m_model.DoGetTextDisconnectTime(0));
        m_wndCalcPoint->setChecked(m_model.m_nCalcPoint == 1);
        m_wndOff->setChecked(m_model.m_nOff == 1);
        m_wndDrawGfr->setChecked(m_model.m_nSecondAdjust == 1);
    });
    m_wndVoltage->setEnabled(m_nVoltageLock <= 0);
    DoFillProduct();
    m_wndDetail->setEnabled(m_pInfoBase->IsOkSetCurveInfo() == 1);
    if (m_pInfoBase->m_dRatedValue > 0.0) {
        DoShowRated();
    } else {
        m_wndSearchIcs->setEnabled(false);
        m_wndSearchIcu->setEnabled(false);
    }
    DoCapacityStep(false);

    std::string shortCircuit = fw::LoadString(IDS_NOT_CALCULATED);
    if (m_model.IsCalcPoint() == 1 && m_nMode >= 3) {
        const bool single = m_model.IsSinglePhase() == 1;
        switch (m_model.m_nCriterion) {
        case CEleLVCB::kByIcs:
        case CEleLVCB::kByIcu:
            shortCircuit =
                single ? m_model.DoGetTextIk1Sym(2, 0) : m_model.DoGetTextDirectIk3Sym(0);
            break;
        case CEleLVCB::kAtSecondPoint:
            shortCircuit =
                single ? m_model.DoGetTextIk1Second(2, 0) : m_model.DoGetTextIk3Second(0);
            break;
        default:
            shortCircuit.clear();
            break;
        }
    }
    SetText(m_wndShortCircuit, shortCircuit);

    bool gfr = false;
    if (m_pInfoBase->m_lTypeID > 0) {
        CObjAdjust scratch;
        gfr = scratch.DoSelectAdjustByRated(*m_pInfoBase, *m_pReadBase, *m_pInfoLine) > 0;
    }
    DoEnableGfr(gfr);
    m_wndSelectedBy->setText(QString::fromStdString(m_model.DoGetTextSelectBasis(0)));
    m_wndSelectType->setEnabled(false);
    DoFillList();
    if (m_nMode >= 2 && m_nMode <= 8)
        m_wndPoles->setEnabled(false);

    // The user's changes.
    OnEdited(m_wndName, [this](const std::string& text) {
        m_model.m_strName = text;
        m_bBadName = text.empty();
        DoUpdateOk();
    });
    auto voltageTyped = [this](const std::string& text) {
        const std::optional<double> value = protectdlg::ParseNumber(text);
        m_bBadVoltage = !value || *value < 1.0 || *value > 2147483647.0;
        DoUpdateOk();
        if (m_bBadVoltage)
            return;
        // The circuit voltage also gives the required disconnection time.
        m_model.SetVoltage(static_cast<int32_t>(*value));
        Quietly([this] { SetText(m_wndTime, m_model.DoGetTextDisconnectTime(0)); });
        m_bBadTime = false;
        CWaitCursor wait;
        DoCapacityStep(true);
        DoRerunSearch();
    };
    OnEdited(m_wndVoltage, voltageTyped);
    OnChosen(m_wndVoltage, [this, voltageTyped](int index) {
        const std::string text = m_wndVoltage->itemText(index).toStdString();
        const std::optional<double> value = protectdlg::ParseNumber(text);
        if (value && static_cast<int32_t>(*value) != m_model.GetVoltage())
            voltageTyped(text);
        m_bBadVoltage = false;
        DoUpdateOk();
    });
    OnEdited(m_wndRated, [this](const std::string& text) {
        const std::optional<double> value = protectdlg::ParseNumber(text);
        m_bBadRated = !value || *value <= 0.0;
        m_wndSearchIcs->setEnabled(!m_bBadRated);
        m_wndSearchIcu->setEnabled(!m_bBadRated);
        DoUpdateOk();
        if (!value || *value < 0.0)
            return;
        m_pInfoBase->m_dRatedValue = *value;
        DoDropType();
        DoFillTypes();
        m_wndDetail->setEnabled(false);
        DoCapacityStep(false);
        DoRerunSearch();
    });
    OnChosen(m_wndPoles, [this](int index) {
        const int32_t poles = m_wndPoles->itemText(index).toInt();
        if (poles <= 0 || poles == m_model.GetPoles())
            return;
        m_model.m_nPoles = static_cast<uint32_t>(poles);
        DoDropType();
        DoFillTypes();
        m_wndDetail->setEnabled(false);
        DoCapacityStep(false);
        DoRerunSearch();
    });
    OnChosen(m_wndMaker, [this](int index) {
        const int32_t id = ItemId(m_wndMaker, index);
        if (id <= 0 || id == m_pInfoBase->m_lManufactureID)
            return;
        m_pInfoBase->m_lManufactureID = id;
        m_pInfoBase->m_strManufactureName = m_wndMaker->itemText(index).toStdString();
        m_pInfoBase->m_lGroupID = 0;
        m_pInfoBase->m_strGroupName.clear();
        m_pInfoBase->m_nLVCBCode = 0;
        DoDropType();
        Quietly([this] {
            fw::CQtCombo groups(m_wndGroup);
            groups.ResetContent();
            if (fw::CDatabase* db = BreakerDb()) {
                CInfoBase scratch = *m_pInfoBase;
                CRSBreak_Group(db).DoReadSetDefaultEG(&groups, m_pInfoBase->m_lManufactureID,
                                                      m_pInfoBase->m_nKindFlag, &scratch, 0);
            }
            m_wndType->clear();
        });
        m_wndDetail->setEnabled(false);
        DoCapacityStep(false);
        DoRerunSearch();
        DoEnableGfr(false);
    });
    OnChosen(m_wndGroup, [this](int index) {
        const int32_t id = ItemId(m_wndGroup, index);
        if (id <= 0 || id == m_pInfoBase->m_lGroupID)
            return;
        if (fw::CDatabase* db = BreakerDb())
            CRSBreak_Group(db).DoReadByManuGroupID(m_pInfoBase->m_lManufactureID, id, m_pInfoBase);
        DoDropType();
        DoFillTypes();
        m_wndDetail->setEnabled(false);
        DoCapacityStep(false);
        DoRerunSearch();
        DoEnableGfr(false);
    });
    OnChosen(m_wndType, [this](int index) {
        const int32_t id = ItemId(m_wndType, index);
        if (id == 0 || id == m_pInfoBase->m_lTypeID)
            return;
        DoTakeType(id, m_wndType->itemText(index).toStdString(), false);
    });
    connect(m_wndClear, &QPushButton::clicked, this, [this] { OnClear(); });
    connect(m_wndDetail, &QPushButton::clicked, this, [this] { OnDetail(); });
    connect(m_wndGfr, &QPushButton::clicked, this, [this] { OnGfr(); });
    connect(m_wndSearchIcs, &QPushButton::clicked, this, [this] { OnSearch(CEleLVCB::kByIcs); });
    connect(m_wndSearchIcu, &QPushButton::clicked, this, [this] { OnSearch(CEleLVCB::kByIcu); });
    connect(m_wndSelectType, &QPushButton::clicked, this, [this] { OnSelectType(); });
    connect(m_wndList, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        if (SelectedBy() >= 3 || !item)
            return;
        m_wndSelectType->setEnabled(item->data(kColType, Qt::UserRole).toInt() != 0);
    });
    connect(m_wndList, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        if (SelectedBy() >= 3 || !item)
            return;
        m_wndList->setCurrentItem(item);
        OnSelectType();
    });
    connect(m_wndCalcPoint, &QCheckBox::clicked, this,
            [this](bool checked) { m_model.m_nCalcPoint = checked ? 1 : 0; });
    connect(m_wndOff, &QCheckBox::clicked, this,
            [this](bool checked) { m_model.m_nOff = checked ? 1 : 0; });
    connect(m_wndDrawGfr, &QCheckBox::clicked, this,
            [this](bool checked) { m_model.m_nSecondAdjust = checked ? 1 : 0; });
    OnEdited(m_wndTime, [this](const std::string& text) {
        const std::optional<double> value = protectdlg::ParseNumber(text);
        m_bBadTime = !value || *value <= 0.0;
        DoUpdateOk();
        if (value && *value >= 0.0)
            m_model.m_dDisconnectTime = *value;
    });
    OnChosen(m_wndTime, [this](int index) {
        const std::optional<double> value =
            protectdlg::ParseNumber(m_wndTime->itemText(index).toStdString());
        m_bBadTime = false;
        DoUpdateOk();
        if (value && *value != m_model.m_dDisconnectTime)
            m_model.m_dDisconnectTime = *value;
    });
    SetCheck([this]() -> uint32_t {
        const unsigned bad = protectdlg::DoCheckTypedFields(
            *this, {{1089, "Voltage(V):"},
                    {1015, "Rated current(A):"},
                    {1090, "Disconnecting time against electric shock(s):"}});
        if (bad != 0)
            return bad;
        return static_cast<uint32_t>(m_model.DoCheckData(0, 0));
    });
}

void CDlgEleLVCB::SetUpstreamFinder(UpstreamFinder finder, int32_t frequency) {
    m_findUpstream = std::move(finder);
    m_nFrequency = frequency;
}

uint32_t CDlgEleLVCB::SelectedBy() const {
    return m_model.m_currentSelect.m_nSelectedBy;
}

void CDlgEleLVCB::DoUpdateOk() {
    EnableOk(!m_bBadName && !m_bBadVoltage && !m_bBadRated && !m_bBadTime && !m_bBadType);
}

void CDlgEleLVCB::DoShowRated() {
    Quietly([this] { SetText(m_wndRated, m_model.DoGetTextRatedCurrent(0)); });
}

void CDlgEleLVCB::DoFillProduct() {
    Quietly([this] {
        fw::CDatabase* db = BreakerDb();
        CInfoBase& info = *m_pInfoBase;
        fw::CQtCombo makers(m_wndMaker);
        fw::CQtCombo groups(m_wndGroup);
        makers.ResetContent();
        groups.ResetContent();
        if (!db) {
            DoFillTypes();
            return;
        }
        CInfoBase scratch = info;
        CRSManufacture(db).DoReadSetDefaultM(&makers, static_cast<unsigned>(info.m_nKindFlag),
                                             &scratch, 0);
        const int maker = info.m_strManufactureName.empty()
                              ? -1
                              : makers.FindStringExact(-1, info.m_strManufactureName);
        makers.SetCurSel(maker);
        if (maker >= 0)
            CRSManufacture(db).DoReadByManufactureID(
                static_cast<int32_t>(makers.GetItemData(maker)), &info);
        if (info.m_lManufactureID > 0) {
            CRSBreak_Group(db).DoReadSetDefaultEG(&groups, info.m_lManufactureID, info.m_nKindFlag,
                                                  &scratch, 0);
            const int group =
                info.m_strGroupName.empty() ? -1 : groups.FindStringExact(-1, info.m_strGroupName);
            groups.SetCurSel(group);
            if (group >= 0)
                CRSBreak_Group(db).DoReadByManuGroupID(
                    info.m_lManufactureID, static_cast<int32_t>(groups.GetItemData(group)), &info);
        }
        DoFillTypes();
    });
}

void CDlgEleLVCB::DoFillTypes() {
    Quietly([this] {
        fw::CQtCombo types(m_wndType);
        types.ResetContent();
        m_bTypeMissing = false;
        fw::CDatabase* db = BreakerDb();
        CInfoBase& info = *m_pInfoBase;
        if (!db || info.m_lGroupID <= 0)
            return;
        CRSBreak_TypeLVCB(db).DoReadSetByIDValue(&types, info.m_lManufactureID, info.m_lGroupID, 0,
                                                 info.m_dRatedValue, 0.0, m_model.GetPoles());
        if (info.m_strTypeName.empty())
            return;
        int index = types.FindStringExact(-1, info.m_strTypeName);
        if (index >= 0) {
            CRSBreak_Type(db).DoReadByTypeID(info.m_lTypeID, &info, m_pReadBase, 0);
        } else if (info.m_lTypeID > 0) {
            // A type the database (or this rating and these poles) does not
            // hold keeps its name on show, with no data, rather than
            // another type's row.
            index = types.AddString(info.m_strTypeName);
            types.SetItemData(index, 0);
            m_bTypeMissing = true;
        }
        types.SetCurSel(index);
    });
}

void CDlgEleLVCB::DoCapacityStep(bool warn) {
    std::string ics;
    std::string icu;
    if (m_pInfoBase->m_lTypeID > 0) {
        ics = m_bTypeMissing ? NoData() : m_model.DoGetTextIcs(0);
        icu = m_bTypeMissing ? NoData() : m_model.DoGetTextIcu(0);
        if (warn && m_pInfoBase->IsOkSetCurveInfo() == 1) {
            double s = 0.0;
            double u = 0.0;
            double q = 0.0;
            if (CEleLVCB::DoReadCapacity(*m_model.GetAdjust(), &s, &u, &q) == 0)
                fw::AppMessageBox(fw::LoadString(IDS_VOLTAGE_LOW),
                                  fw::mb::Ok | fw::mb::IconInformation);
        }
    }
    Quietly([&] {
        SetText(m_wndIcs, ics);
        SetText(m_wndIcu, icu);
    });
}

double CDlgEleLVCB::DoGetSearchCurrent(uint32_t criterion) const {
    const CCalcPoint& point =
        criterion == CEleLVCB::kAtSecondPoint ? m_model.m_calcPoint2 : m_model.m_calcPoint;
    const int32_t v = m_pInfoBase->m_nVoltage;
    if (m_model.IsSinglePhase() != 1) {
        double sym = 0.0;
        point.DoCalcIk3Source(v, &sym);
        return sym;
    }
    double loop = 0.0;
    double full = 0.0;
    point.DoCalcIkSinglePhaseLoop(v / 2, &loop);
    point.DoCalcIkSinglePhase(v, &full);
    return std::max(loop, full);
}

void CDlgEleLVCB::DoRerunSearch() {
    const uint32_t criterion = m_model.m_nCriterion;
    if (criterion == CEleLVCB::kManual)
        return;
    if (fw::CDatabase* db = BreakerDb())
        m_model.m_listCandidate.DoSearchGetByCapacity(db, m_pInfoBase, m_model.m_nUseCode,
                                                      m_model.GetPoles(),
                                                      DoGetSearchCurrent(criterion), criterion);
    DoFillList();
}

void CDlgEleLVCB::DoFillList() {
    m_wndList->clear();
    const uint32_t by = SelectedBy();
    if (by >= 3 && by <= 7)
        DoFillResult();
    else if (m_model.m_nCriterion == CEleLVCB::kByIcs || m_model.m_nCriterion == CEleLVCB::kByIcu ||
             m_model.m_nCriterion == CEleLVCB::kAtSecondPoint)
        DoFillCandidates();
    DoMarkChosen(m_pInfoBase->m_lTypeID, fw::LoadString(IDS_CHOSEN));
}

namespace {

QTreeWidgetItem* AddRow(QTreeWidget* list, const std::string& text, int32_t typeID) {
    auto* item = new QTreeWidgetItem(list);
    item->setText(CDlgEleLVCB::kColType, QString::fromStdString(text));
    item->setData(CDlgEleLVCB::kColType, Qt::UserRole, typeID);
    for (int c = CDlgEleLVCB::kColIcs; c <= CDlgEleLVCB::kColIs; ++c)
        item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    item->setTextAlignment(CDlgEleLVCB::kColRemarks, Qt::AlignCenter);
    return item;
}

} // namespace

void CDlgEleLVCB::DoFillCandidates() {
    const CCandidateList& list = m_model.m_listCandidate;
    if (list.IsEmpty()) {
        AddRow(m_wndList, NoData(), 0);
        return;
    }
    fw::CDatabase* db = BreakerDb();
    int32_t group = -1;
    for (const auto& candidate : list) {
        if (candidate->m_lGroupID != group) {
            group = candidate->m_lGroupID;
            AddRow(m_wndList, "[" + candidate->DoGetTextGroupName(db) + "]", 0);
        }
        QTreeWidgetItem* row =
            AddRow(m_wndList, " " + candidate->DoGetTextTypeName(db), candidate->m_lTypeID);
        row->setText(kColIcs, QString::fromStdString(candidate->DoGetTextIcs(0)));
        row->setText(kColIcu, QString::fromStdString(candidate->DoGetTextIcu(0)));
    }
}

void CDlgEleLVCB::DoFillResult() {
    const CCurrent& result = m_model.m_currentSelect;
    const std::string upstreamGroup = "[" + result.DoGetTextUpstreamGroup() + "]";
    AddRow(m_wndList, upstreamGroup, 0);
    QTreeWidgetItem* upstream = AddRow(m_wndList, " " + result.DoGetTextUpstreamType(),
                                       static_cast<int32_t>(result.m_nUpstreamTypeID));
    upstream->setText(kColRemarks, QString::fromStdString(fw::LoadString(IDS_UPSTREAM)));
    const bool lowVoltage = result.m_nUpstreamKind == 2;
    upstream->setText(kColIcs, QString::fromStdString(lowVoltage ? result.DoGetTextIcs(0) : "-"));
    upstream->setText(kColIcu, QString::fromStdString(lowVoltage ? result.DoGetTextIcu(0) : "-"));
    const CInfoBase& info = *m_pInfoBase;
    if (!info.m_strGroupName.empty()) {
        const std::string own = "[" + info.m_strGroupName + "]";
        if (own != upstreamGroup)
            AddRow(m_wndList, own, 0);
    }
    if (!info.m_strTypeName.empty()) {
        QTreeWidgetItem* row = AddRow(m_wndList, " " + info.m_strTypeName, info.m_lTypeID);
        row->setText(kColIcs, QString::fromStdString(m_model.DoGetTextIcs(0)));
        row->setText(kColIcu, QString::fromStdString(m_model.DoGetTextIcu(0)));
        row->setText(kColIcuBack, QString::fromStdString(m_model.DoGetTextIcuBack(0)));
        row->setText(kColIs, QString::fromStdString(m_model.DoGetTextLimitCurrent(0)));
    }
}

void CDlgEleLVCB::DoMarkChosen(int32_t typeID, const std::string& text) {
    const bool keepUpstream = SelectedBy() >= 3;
    for (int i = 0; i < m_wndList->topLevelItemCount(); ++i) {
        if (keepUpstream && i == 1)
            continue;
        QTreeWidgetItem* item = m_wndList->topLevelItem(i);
        const bool chosen = typeID != 0 && item->data(kColType, Qt::UserRole).toInt() == typeID;
        item->setText(kColRemarks, chosen ? QString::fromStdString(text) : QString());
    }
}

void CDlgEleLVCB::DoDropType() {
    CInfoBase& info = *m_pInfoBase;
    info.m_lTypeID = 0;
    info.m_strTypeName.clear();
    m_pReadBase->m_bIsRead = 0;
    m_pInfoParts->DoDeleteAllInfoParts();
    m_pReadParts->DoDeleteAllReadParts();
    m_bTypeMissing = false;
    m_bBadType = false;
}

void CDlgEleLVCB::DoEnableGfr(bool enable) {
    m_wndDrawGfr->setEnabled(enable);
    m_wndGfr->setEnabled(enable);
}

// A type taken from the type box, or from a row of the list (which names
// maker and kind too).
void CDlgEleLVCB::DoTakeType(int32_t typeID, const std::string& name, bool fromList) {
    fw::CDatabase* db = BreakerDb();
    CInfoBase& info = *m_pInfoBase;
    info.m_lTypeID = typeID;
    if (!fromList)
        info.m_strTypeName = name;
    m_pReadBase->m_bIsRead = 0;
    m_bTypeMissing = false;
    const int32_t rated =
        db ? CRSBreak_TypeLVCB(db).DoReadByTypeIDValue(typeID, info.m_dRatedValue,
                                                       m_model.GetPoles(), &info, m_pReadBase)
           : 0;
    int parts = 0;
    if (rated > 0) {
        if (fromList) {
            CRSManufacture(db).DoReadByManufactureID(info.m_lManufactureID, &info);
            CRSBreak_Group(db).DoReadByManuGroupID(info.m_lManufactureID, info.m_lGroupID, &info);
        }
        m_pInfoParts->DoDeleteAllInfoParts();
        m_pReadParts->DoDeleteAllReadParts();
        parts = m_pInfoParts->DoReadDefaultAllInfoPart(db, rated, m_pReadParts);
    }
    if (parts <= 0) {
        m_bBadType = true;
        m_wndDetail->setEnabled(false);
        DoEnableGfr(false);
        DoCapacityStep(false);
        DoUpdateOk();
        return;
    }
    m_bBadType = false;
    if (fromList)
        DoFillProduct();
    m_wndDetail->setEnabled(true);
    DoCapacityStep(true);
    DoReevaluateResult();
    DoEnableGfr(m_model.DoSetSecondCharacteristic(info, *m_pReadBase, *m_pInfoLine) == 1);
    if (fromList)
        DoMarkChosen(typeID, fw::LoadString(IDS_CHOSEN));
    DoUpdateOk();
}

void CDlgEleLVCB::OnSearch(uint32_t criterion) {
    CWaitCursor wait;
    m_model.m_currentSelect.DoClearCurrent();
    const CInfoBase& info = *m_pInfoBase;
    CInfoBase search;
    search.m_lManufactureID = info.m_lManufactureID;
    search.m_nKindFlag = info.m_nKindFlag;
    search.m_lGroupID = info.m_lGroupID;
    search.m_strGroupName = info.m_strGroupName;
    search.m_nLVCBCode = info.m_nLVCBCode;
    search.m_nVoltage = info.m_nVoltage;
    search.m_dRatedValue = info.m_dRatedValue;
    m_model.m_nCriterion = criterion;
    if (fw::CDatabase* db = BreakerDb())
        m_model.m_listCandidate.DoSearchGetByCapacity(db, &search, m_model.m_nUseCode,
                                                      m_model.GetPoles(),
                                                      DoGetSearchCurrent(criterion), criterion);
    m_wndSelectedBy->setText(QString::fromStdString(m_model.DoGetTextSelectBasis(0)));
    DoFillList();
}

void CDlgEleLVCB::OnSelectType() {
    if (SelectedBy() >= 3)
        return;
    QTreeWidgetItem* item = m_wndList->currentItem();
    if (!item)
        return;
    const int32_t typeID = item->data(kColType, Qt::UserRole).toInt();
    if (typeID == 0)
        return;
    DoTakeType(typeID, std::string(), true);
}

void CDlgEleLVCB::OnDetail() {
    CObjAdjust* adjust = m_model.GetAdjust();
    CDetailSheet sheet(protectdlg::DetailCaption(m_pInfoBase->m_strTypeName), this);
    sheet.DoBuildFromAdjust(*adjust);
    if (sheet.exec() != QDialog::Accepted)
        return;
    sheet.DoStoreBack(*adjust);
    if (CObjAdjust* second = m_model.GetSecondAdjust();
        second && second->m_readBase.m_dMaxRatedValue != adjust->m_readBase.m_dMaxRatedValue) {
        second->m_nInitialised = 0;
        second->DoSelectAdjustByRated(adjust->m_infoBase, adjust->m_readBase, adjust->m_infoLine);
    }
    DoFillProduct();
    DoShowRated();
    DoCapacityStep(true);
    DoReevaluateResult();
}

void CDlgEleLVCB::DoReevaluateResult() {
    CCurrent& marker = m_model.m_currentSelect;
    const uint32_t by = marker.m_nSelectedBy;
    if (by < CCurrent::kCascade || by > CCurrent::kInstLimiting)
        return;
    CEleLVCB::CUpstream upstream;
    upstream.nKind = marker.m_nUpstreamKind;
    upstream.nNumber = marker.m_nUpstreamNumber;
    if (m_findUpstream)
        upstream.pAdjust =
            m_findUpstream(marker, &upstream.dRated, &upstream.dIinst, &upstream.dIcu);
    if (!upstream.pAdjust) {
        // The old type's Icu-back or Is would be shown and drawn for the
        // new type: without the upstream breaker the result goes.
        marker.DoClearCurrent();
    } else {
        CWaitCursor wait;
        if (by == CCurrent::kCascade)
            m_model.DoSelectBackUpByTable(upstream);
        else
            m_model.DoSelectLimit(by, m_nFrequency, upstream);
    }
    m_wndSelectedBy->setText(QString::fromStdString(m_model.DoGetTextSelectBasis(0)));
    DoFillList();
}

void CDlgEleLVCB::OnGfr() {
    CObjAdjust* second = m_model.GetSecondAdjust();
    if (!second)
        return;
    CDetailSheet sheet(protectdlg::DetailCaption(m_pInfoBase->m_strTypeName), this);
    sheet.DoBuildFromAdjust(*second);
    if (sheet.exec() == QDialog::Accepted)
        sheet.DoStoreBack(*second);
}

void CDlgEleLVCB::OnClear() {
    CInfoBase& info = *m_pInfoBase;
    info.m_lManufactureID = 0;
    info.m_strManufactureName.clear();
    info.m_lGroupID = 0;
    info.m_strGroupName.clear();
    info.m_nLVCBCode = 0;
    DoDropType();
    DoFillProduct();
    m_wndDetail->setEnabled(false);
    DoEnableGfr(false);
    m_wndDrawGfr->setEnabled(false);
    DoCapacityStep(false);
    DoRerunSearch();
}
