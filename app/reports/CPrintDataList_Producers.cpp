// The report producers: which elements each report shows, in which order,
// under which titles and headers, and what stands where there is nothing.

#include "app/elements/conductors/CEleWire.h"
#include "app/elements/protection/CEleLVCB.h"
#include "app/protection/CCurrent.h"
#include "app/records/ElementKinds.h"
#include "app/reports/CPrintDataList.h"
#include "app/reports/ReportTables.h"
#include "app/shell/model/CCalcSkeleton.h"
#include "app/shell/model/CObjElement.h"
#include "app/shell/model/CObjElementList.h"
#include "app/shell/model/CTovarineDocData.h"
#include "breakerdata/model/CCandidate.h"

#include <array>

namespace {

struct CSection {
    int32_t kind;
    const char* title;
};

// The sections of the DATA OF ELEMENTS report in their fixed order.
constexpr std::array<CSection, 14> kElementSections{
    {{kKindSource, "[Source]"},
     {kKindHVCB, "[High-voltage circuit breaker]"},
     {kKindTrans3, "[Transformer]"},
     {kKindGenerator, "[Generator]"},
     {kKindMotorEff, "[Motor effect]"},
     {kKindZeroCond, "[Zero conductor]"},
     {kKindBusDuct, "[Bus-duct]"},
     {kKindBusBar, "[Bus-bar]"},
     {kKindWire, "[Wire]"},
     {kKindLVCB, "[Low-voltage circuit breaker]"},
     {kKindContactor, "[Contactor + Thermal relay]"},
     {kKindMotor, "[Motor]"},
     {kKindLoad, "[General load]"},
     {kKindCapacitor, "[Capacitor]"}}};

const char* TitleOf(int32_t kind) {
    for (const CSection& s : kElementSections)
        if (s.kind == kind)
            return s.title;
    return "";
}

// The data row of one element in the DATA OF ELEMENTS table of its kind.
void MakeElementDataRow(CPrintData& row, const CTovarineDocData& doc, const CObjElement& e) {
    const CInfoSkeleton& skeleton = doc.m_infoSkeleton;
    const int32_t mode = doc.m_nMode;
    switch (e.GetKind()) {
    case kKindSource:
        row.DoMakeRowElementDataSource(skeleton, e);
        break;
    case kKindHVCB:
        row.DoMakeRowElementDataHVCB(mode, e);
        break;
    case kKindTrans3:
        row.DoMakeRowElementDataTrans3(skeleton, mode, e);
        break;
    case kKindGenerator:
        row.DoMakeRowElementDataGenerator(skeleton, e);
        break;
    case kKindMotorEff:
        row.DoMakeRowElementDataMotorEff(skeleton, e);
        break;
    case kKindZeroCond:
        row.DoMakeRowElementDataZeroCond(mode, e);
        break;
    case kKindBusDuct:
        row.DoMakeRowElementDataBusDuct(skeleton, mode, e);
        break;
    case kKindBusBar:
        row.DoMakeRowElementDataBusBar(skeleton, mode, e);
        break;
    case kKindWire:
        row.DoMakeRowElementDataWire(skeleton, mode, e);
        break;
    case kKindLVCB:
        row.DoMakeRowElementDataLVCB(mode, e);
        break;
    case kKindMotor:
        row.DoMakeRowElementDataMotor(e);
        break;
    case kKindLoad:
        row.DoMakeRowElementDataLoad(e);
        break;
    case kKindCapacitor:
        row.DoMakeRowElementDataCapacitor(skeleton, e);
        break;
    default:
        break;
    }
    if (row.m_nType != kRowData) {
        // A kind whose model this program cannot show yet: its table's
        // layout and the element's name.
        row.DoMakeHeader(0, e.GetKind() == kKindThermal ? kKindContactor : e.GetKind());
        row.m_nType = kRowData;
        row.m_nHeight = kReportLine;
        for (int i = 0; i < kPrintCells; ++i) {
            row.m_strText[i].clear();
            row.m_nFormat[i] = kCellSingle;
        }
        row.m_strText[0] = e.GetName();
    }
}

// Every element of the document, renumbered kind by kind in drawing order.
void CollectRenumbered(CTovarineDocData& doc, CObjElementList& all) {
    all.CollectFromGroups(doc.m_listGroups, 0, 0);
    doc.DoRenumber(all, 1);
}

} // namespace

void CPrintDataList::DoMakeSection(const CTovarineDocData& doc,
                                   const std::vector<CObjElement*>& all, int32_t kind) {
    DoAddNewRow()->DoSetTitle(kind, TitleOf(kind));
    // The kinds of the section first, so that the numbering-order search
    // runs over them alone.
    CObjElementList source;
    for (CObjElement* e : all)
        if (e->GetKind() == kind || (kind == kKindContactor && e->GetKind() == kKindThermal))
            source.AddTail(e);
    CObjElementList elements;
    if (kind == kKindContactor) {
        DoMakeContactorSection(doc, source);
        return;
    }
    elements.CollectByKind(source, kind, 1, 0);
    if (elements.IsEmpty()) {
        DoAddNewRow()->DoSetNoData(kind);
        return;
    }
    DoAddNewRow()->DoMakeHeader(0, kind);
    for (CObjElement* e : elements)
        MakeElementDataRow(*DoAddNewRow(), doc, *e);
    GetTail()->m_nSpace = 20;
}

void CPrintDataList::DoMakeContactorSection(const CTovarineDocData& doc, CObjElementList& source) {
    // In Drawing mode the numbers may be out of order: the list order.
    const int32_t inOrder = doc.m_nMode == 1 ? 0 : 1;
    CObjElementList contactors;
    contactors.CollectByKind(source, kKindContactor, inOrder, 0);
    CObjElementList relays;
    relays.CollectByKind(source, kKindThermal, inOrder, 0);
    if (contactors.IsEmpty() && relays.IsEmpty()) {
        DoAddNewRow()->DoSetNoData(kKindContactor);
        return;
    }
    DoAddNewRow()->DoMakeHeader(0, kKindContactor);
    // A contactor pairs with the relay directly below it; whatever finds
    // no partner still gets its own row, so no element goes missing.
    CObjElementList unpaired = relays;
    for (CObjElement* contactor : contactors) {
        CObjElement* below = source.FindNeighbour(contactor, kDirDown, 0);
        CObjElement* relay =
            below && below->GetKind() == kKindThermal && unpaired.Remove(below) ? below : nullptr;
        DoAddNewRow()->DoMakeRowElementDataContactorThermal(doc.m_nMode, contactor, relay);
    }
    for (CObjElement* relay : unpaired)
        DoAddNewRow()->DoMakeRowElementDataContactorThermal(doc.m_nMode, nullptr, relay);
    GetTail()->m_nSpace = 20;
}

void CPrintDataList::DoMakeRowsElementData(CTovarineDocData& doc) {
    DoAddNewRow()->DoSetBlankLine();
    DoAddNewRow()->DoSetReferenceTitle();
    DoAddNewRow()->DoSetReferenceLine(doc.m_infoSkeleton);
    CObjElementList all;
    CollectRenumbered(doc, all);
    const std::vector<CObjElement*> list(all.begin(), all.end());
    for (const CSection& s : kElementSections)
        DoMakeSection(doc, list, s.kind);
}

void CPrintDataList::DoMakeRowsForceVoltDrop(CTovarineDocData& doc) {
    DoAddNewRow()->DoSetBlankLine();
    CObjElementList all;
    CollectRenumbered(doc, all);
    const std::vector<CObjElement*> list(all.begin(), all.end());
    for (int32_t kind : {kKindBusDuct, kKindBusBar, kKindWire})
        DoMakeSection(doc, list, kind);
}

namespace {

bool IsConsumer(int32_t kind) {
    return kind == kKindMotor || kind == kKindLoad || kind == kKindCapacitor;
}

bool IsSupply(int32_t kind) {
    return kind == kKindSource || kind == kKindGenerator;
}

// The walk of the calculation-results report over the working list W:
// every element met gets a row, in circuit order.
class CalcResultsWalk {
public:
    CalcResultsWalk(CPrintDataList& rows, const CInfoSkeleton& skeleton, CObjElementList& w)
        : m_rows(rows), m_skeleton(skeleton), m_w(w) {}

    void Row(CObjElement* e) {
        if (!m_rows.DoAddNewRow()->DoMakeRowCalcResults(m_skeleton, *e))
            m_rows.DoRemoveTail();
    }

    // Down from an element: consumers end the walk without a row, a zero
    // conductor goes back into W for its own turn.
    void WalkDown(CObjElement* from) {
        for (CObjElement* cur = from;;) {
            CObjElement* d = m_w.FindNeighbour(cur, kDirDown, 1);
            if (!d || IsConsumer(d->GetKind()))
                return;
            if (d->GetKind() == kKindZeroCond) {
                m_w.AddTail(d);
                return;
            }
            Row(d);
            cur = d;
        }
    }

    void WalkUp(CObjElement* from) {
        for (CObjElement* cur = from;;) {
            CObjElement* u = m_w.FindNeighbour(cur, kDirUp, 1);
            if (!u || IsSupply(u->GetKind()))
                return;
            if (u->GetKind() == kKindZeroCond) {
                m_w.AddTail(u);
                return;
            }
            Row(u);
            cur = u;
        }
    }

    void WalkSide(CObjElement* from, int32_t direction) {
        for (CObjElement* cur = from;;) {
            CObjElement* s = m_w.FindNeighbour(cur, direction, 1);
            if (!s)
                return;
            if (s->GetKind() == kKindZeroCond) {
                m_w.AddTail(s);
                return;
            }
            Row(s);
            cur = s;
        }
    }

private:
    CPrintDataList& m_rows;
    const CInfoSkeleton& m_skeleton;
    CObjElementList& m_w;
};

} // namespace

void CPrintDataList::DoMakeRowsCalcResults(CTovarineDocData& doc) {
    DoAddNewRow()->DoSetBlankLine();
    if (doc.m_nMode == 1 || doc.m_nMode == 2) {
        DoAddNewRow()->DoSetGateLine();
        return;
    }
    DoAddNewRow()->DoMakeHeaderCalcResults();
    const size_t headerAt = GetCount();
    CObjElementList all;
    CollectRenumbered(doc, all);
    CObjElementList w = all;
    CObjElementList c = all;
    // The walks ask for neighbours thousands of times: the connections are
    // worked out once, as the calculation does (same answers).
    const CCalcSkeleton connections(all);
    w.AttachSkeleton(&connections);
    c.AttachSkeleton(&connections);
    CalcResultsWalk walk(*this, doc.m_infoSkeleton, w);

    CObjElementList zeros;
    zeros.CollectByKind(all, kKindZeroCond, 1, 0);
    for (CObjElement* z : zeros) {
        while (CObjElement* s = c.FindSupply(z)) {
            walk.Row(s);
            walk.WalkDown(s);
        }
        walk.Row(z);
        while (CObjElement* u = w.FindNeighbour(z, kDirUp, 1)) {
            if (IsSupply(u->GetKind()))
                break;
            walk.Row(u);
            walk.WalkUp(u);
        }
        walk.WalkSide(z, kDirLeft);
        while (CObjElement* d = w.FindNeighbour(z, kDirDown, 1)) {
            if (IsConsumer(d->GetKind()))
                continue;
            walk.Row(d);
            walk.WalkDown(d);
        }
        walk.WalkSide(z, kDirRight);
    }
    for (int32_t kind : {kKindSource, kKindGenerator}) {
        CObjElementList supplies;
        supplies.CollectByKind(c, kind, 0, 0);
        for (CObjElement* s : supplies) {
            walk.Row(s);
            walk.WalkDown(s);
        }
    }
    if (GetCount() > headerAt)
        GetTail()->m_nSpace = 20;
}

namespace {

// The gates of the protection reports: the selection reports wait for a
// selection sub-mode, the checks for the calculation. A report whose gate
// refuses holds the placeholder and the gate line alone.
bool SelectionGated(const CTovarineDocData& doc) {
    return doc.m_nMode == 1 || doc.m_nMode == 2 || doc.m_nSubMode == 0;
}

bool CheckGated(const CTovarineDocData& doc) {
    return doc.m_nMode < 3;
}

CEleLVCB* BreakerModel(CObjElement* e) {
    return e && e->GetKind() == kKindLVCB ? static_cast<CEleLVCB*>(e->GetElement()) : nullptr;
}

// Opens a protection report with its placeholder line; when the gate refuses,
// the gate line follows and the report ends there (false).
bool OpenProtectionReport(CPrintDataList& list, bool gated) {
    list.DoAddNewRow()->DoSetBlankLine();
    if (gated)
        list.DoAddNewRow()->DoSetGateLine();
    return !gated;
}

// Closes a protection report: "No data" when nothing qualified, else the
// space under its last row.
void CloseProtectionReport(CPrintDataList& list, bool empty) {
    if (empty)
        list.DoAddNewRow()->DoSetNoData(0);
    else
        list.GetTail()->m_nSpace = 20;
}

// The upstream element a breaker's selection marker names: the element of
// the kind with the number, or null. The upstream breaker may have been
// deleted since, and the renumbering may then have given its number to
// another breaker, even to this one: a breaker is never its own upstream.
CObjElement* FindUpstream(const CObjElementList& elements, int32_t kind, uint32_t number,
                          const CObjElement* self) {
    for (CObjElement* e : elements)
        if (e != self && e->GetKind() == kind && e->GetNumber() == number)
            return e;
    return nullptr;
}

// An empty data row between the blocks of two breakers.
void SetSeparator(CPrintData& row, int32_t height, int32_t count, int start) {
    row.DoSetRow(kKindLVCB, kRowData, height, 0, count, start);
}

// The nearest low-voltage breaker above the wire; null when the walk meets
// anything that feeds or protects from elsewhere first, or nothing.
CObjElement* BreakerAbove(CObjElementList& all, CObjElement* wire) {
    CObjElement* cur = wire;
    for (size_t steps = 0; steps <= all.GetCount(); ++steps) {
        CObjElement* up = all.FindNeighbour(cur, kDirUp, 0);
        if (!up)
            return nullptr;
        switch (up->GetKind()) {
        case kKindLVCB:
            return up;
        case kKindSource:
        case kKindGenerator:
        case kKindTrans3:
        case kKindTrans1:
        case kKindZeroCond:
        case kKindHVCB:
            return nullptr;
        default:
            cur = up;
        }
    }
    return nullptr;
}

} // namespace

void CPrintDataList::DoMakeRowsAutoSelection(CTovarineDocData& doc) {
    if (!OpenProtectionReport(*this, SelectionGated(doc)))
        return;
    CObjElementList all;
    CollectRenumbered(doc, all);
    CObjElementList breakers;
    breakers.CollectByKind(all, kKindLVCB, 1, 0);
    bool first = true;
    for (CObjElement* e : breakers) {
        CEleLVCB* cb = BreakerModel(e);
        if (!cb || cb->IsCalcPoint() != 1)
            continue;
        if (first)
            DoAddNewRow()->DoMakeHeaderAutoSelection();
        else
            SetSeparator(*DoAddNewRow(), 70, reporttable::kAutoSelection.count,
                         reporttable::kAutoSelection.start);
        first = false;
        // The candidate of the selected type shows the breaker in its place.
        if (!cb->m_listCandidate.DoFindFromCandidate(cb->GetTypeID()))
            DoAddNewRow()->DoMakeRowAutoSelection(*e, nullptr);
        for (const auto& c : cb->m_listCandidate)
            DoAddNewRow()->DoMakeRowAutoSelection(*e, c.get());
    }
    CloseProtectionReport(*this, first);
}

void CPrintDataList::DoMakeRowsBackUp(CTovarineDocData& doc) {
    if (!OpenProtectionReport(*this, SelectionGated(doc)))
        return;
    CObjElementList all;
    CollectRenumbered(doc, all);
    CObjElementList breakers;
    breakers.CollectByKind(all, kKindLVCB, 1, 0);
    bool first = true;
    for (CObjElement* e : breakers) {
        CEleLVCB* cb = BreakerModel(e);
        if (!cb || cb->m_currentSelect.m_nSelectedBy != CCurrent::kCascade)
            continue;
        if (first)
            DoAddNewRow()->DoMakeHeaderBackUp();
        else
            SetSeparator(*DoAddNewRow(), 35, reporttable::kBackUp.count,
                         reporttable::kBackUp.start);
        first = false;
        if (CObjElement* up =
                FindUpstream(breakers, kKindLVCB, cb->m_currentSelect.m_nUpstreamNumber, e))
            DoAddNewRow()->DoMakeRowBackUp(*up, "Upstream", false);
        DoAddNewRow()->DoMakeRowBackUp(*e, "Downstream", true);
    }
    CloseProtectionReport(*this, first);
}

void CPrintDataList::DoMakeRowsDiscrimination(CTovarineDocData& doc) {
    if (!OpenProtectionReport(*this, SelectionGated(doc)))
        return;
    CObjElementList all;
    CollectRenumbered(doc, all);
    CObjElementList breakers;
    breakers.CollectByKind(all, kKindLVCB, 1, 0);
    CObjElementList hvcbs;
    hvcbs.CollectByKind(all, kKindHVCB, 1, 0);
    bool first = true;
    for (CObjElement* e : breakers) {
        CEleLVCB* cb = BreakerModel(e);
        if (!cb || cb->m_currentSelect.m_nSelectedBy < CCurrent::kTable)
            continue;
        if (first) {
            for (const char* legend :
                 {"Table : \"Discriminated by the table\"",
                  "Inst. : \"Discriminated by the instantaneous pick up current of upstream "
                  "breaker\"",
                  "Inst. DC : \"Discriminated by the instantaneous pick up current of upstream "
                  "breaker in consideration of DC component\"",
                  "Inst. with current-limiting : \"Discriminated by the instantaneous pick up "
                  "current of upstream breaker in consideration of current-limiting function\""})
                DoAddNewRow()->DoSetTextLine(legend, 10, 26);
            DoAddNewRow()->DoMakeHeaderDiscrimination();
        } else {
            SetSeparator(*DoAddNewRow(), 35, reporttable::kDiscrimination.count,
                         reporttable::kDiscrimination.start);
        }
        first = false;
        const CCurrent& marker = cb->m_currentSelect;
        if (marker.m_nUpstreamKind == 1) {
            if (CObjElement* up = FindUpstream(hvcbs, kKindHVCB, marker.m_nUpstreamNumber, e))
                DoAddNewRow()->DoMakeRowDiscriminationHVCB(*up, "Upstream", &marker);
            DoAddNewRow()->DoMakeRowDiscriminationLVCBUnderHVCB(*e, "Downstream");
        } else {
            if (CObjElement* up = FindUpstream(breakers, kKindLVCB, marker.m_nUpstreamNumber, e))
                DoAddNewRow()->DoMakeRowDiscriminationLVCB(*up, "Upstream", &marker);
            DoAddNewRow()->DoMakeRowDiscriminationLVCB(*e, "Downstream", nullptr);
        }
    }
    CloseProtectionReport(*this, first);
}

void CPrintDataList::DoMakeRowsWireProtection(CTovarineDocData& doc) {
    if (!OpenProtectionReport(*this, CheckGated(doc)))
        return;
    CObjElementList all;
    CollectRenumbered(doc, all);
    CObjElementList wires;
    wires.CollectByKind(all, kKindWire, 1, 0);
    bool first = true;
    for (CObjElement* wire : wires) {
        const auto* model = static_cast<const CEleWire*>(wire->GetElement());
        if (!model || model->m_nCheckDone == 0)
            continue;
        CObjElement* breaker = BreakerAbove(all, wire);
        if (!breaker)
            continue;
        if (first)
            DoAddNewRow()->DoMakeHeaderWireProtection();
        first = false;
        DoAddNewRow()->DoMakeRowWireProtection(doc.m_infoSkeleton.m_nFrequency, *wire, *breaker,
                                               doc.m_nMode);
    }
    CloseProtectionReport(*this, first);
}

void CPrintDataList::DoMakeRowsElectricShock(CTovarineDocData& doc) {
    if (!OpenProtectionReport(*this, CheckGated(doc)))
        return;
    CObjElementList all;
    CollectRenumbered(doc, all);
    CObjElementList breakers;
    breakers.CollectByKind(all, kKindLVCB, 1, 0);
    bool first = true;
    for (CObjElement* e : breakers) {
        CEleLVCB* cb = BreakerModel(e);
        if (!cb || cb->GetShockCheckFlag() != 1)
            continue;
        if (first)
            DoAddNewRow()->DoMakeHeaderElectricShock();
        first = false;
        DoAddNewRow()->DoMakeRowElectricShock(*e);
    }
    CloseProtectionReport(*this, first);
}

bool CPrintDataList::DoMakeRows(int32_t reportKind, CTovarineDocData& doc) {
    switch (reportKind) {
    case 0:
        DoMakeRowsElementData(doc);
        return true;
    case 1:
        DoMakeRowsCalcResults(doc);
        return true;
    case 5:
        DoMakeRowsForceVoltDrop(doc);
        return true;
    case 2:
        DoMakeRowsAutoSelection(doc);
        return true;
    case 3:
        DoMakeRowsBackUp(doc);
        return true;
    case 4:
        DoMakeRowsDiscrimination(doc);
        return true;
    case 6:
        DoMakeRowsWireProtection(doc);
        return true;
    case 7:
        DoMakeRowsElectricShock(doc);
        return true;
    default:
        return false;
    }
}
