#include "CObjElement.h"

#include "app/protection/CCurveOwner.h"
#include "app/protection/CGraphNoList.h"
#include "app/protection/CurveLabel.h"
#include "app/records/CObjRefV1.h"
#include "app/records/ElementKinds.h"
#include "app/shell/model/CElementDocument.h"
#include "app/shell/model/CObjElementList.h"
#include "app/shell/model/ElementKindTable.h"
#include "framework/StringTable.h"
#include "listdata/Quenlor.h"

#include <algorithm>
#include <vector>

FW_IMPLEMENT_SERIAL(CObjElement, 0)

// Each operation names the kinds it applies to and the model member it calls
// (expr, on the model m). A kind of the set whose model has no such member
// answers like a kind outside the set: with the neutral result.
#define TV_ANSWER(R, kinds, neutral, expr)                                                         \
    ElementKindTable::Visit<R>(m_nKind, m_pModel.get(), kinds, neutral, [&](auto& m) -> R {        \
        if constexpr (requires { expr; })                                                          \
            return static_cast<R>(expr);                                                           \
        else                                                                                       \
            return neutral;                                                                        \
    })

#define TV_DO(kinds, expr)                                                                         \
    ElementKindTable::VisitVoid(m_nKind, m_pModel.get(), kinds, [&](auto& m) {                     \
        if constexpr (requires { expr; })                                                          \
            expr;                                                                                  \
    })

namespace {

constexpr KindSet kElectrical = KindSet::Range(1, 16);
constexpr KindSet kAllKinds = KindSet::Range(1, 16) | KindSet{kKindText};
constexpr KindSet kRotatable{kKindLVCB, kKindBusBar, kKindWire, kKindBusDuct};
constexpr KindSet kSinglePhaseKinds{kKindLVCB,   kKindThermal, kKindZeroCond,
                                    kKindBusBar, kKindWire,    kKindContactor,
                                    kKindMotor,  kKindLoad,    kKindBusDuct};
constexpr KindSet kCapacityKinds{kKindHVCB,     kKindSource, kKindTrans3,    kKindGenerator,
                                 kKindMotorEff, kKindMotor,  kKindCapacitor, kKindTrans1};
constexpr KindSet kBreakers{kKindHVCB, kKindLVCB};
constexpr KindSet kCalcPointKinds{kKindHVCB,      kKindLVCB,      kKindThermal,  kKindTrans3,
                                  kKindGenerator, kKindMotorEff,  kKindZeroCond, kKindBusBar,
                                  kKindWire,      kKindContactor, kKindBusDuct,  kKindTrans1};
constexpr KindSet kConductors{kKindBusBar, kKindWire, kKindBusDuct};
constexpr KindSet kPercentZKinds{kKindSource, kKindTrans3, kKindGenerator, kKindMotorEff,
                                 kKindBusBar, kKindWire,   kKindBusDuct,   kKindTrans1};
constexpr KindSet kMachines{kKindGenerator, kKindMotorEff};
constexpr KindSet kConsumers{kKindMotor, kKindLoad, kKindCapacitor};
constexpr KindSet kSetCalcZKinds = kCalcPointKinds | KindSet{kKindCapacitor};
constexpr KindSet kCharacteristicKinds{kKindHVCB, kKindLVCB, kKindThermal};

// String-table ids of the kinds' symbol texts, the prefixes of their names.
unsigned SymbolTextId(int32_t kind) {
    switch (kind) {
    case kKindHVCB:
        return 25090;
    case kKindLVCB:
        return 25097;
    case kKindThermal:
        return 25101;
    case kKindSource:
        return 25089;
    case kKindTrans3:
        return 25091;
    case kKindGenerator:
        return 25092;
    case kKindMotorEff:
        return 25093;
    case kKindZeroCond:
        return 25094;
    case kKindBusBar:
        return 25095;
    case kKindWire:
        return 25096;
    case kKindContactor:
        return 25088;
    case kKindMotor:
        return 25099;
    case kKindLoad:
        return 25098;
    case kKindCapacitor:
        return 25100;
    case kKindBusDuct:
        return 25103;
    case kKindTrans1:
        return 25104;
    default:
        return 0;
    }
}

// The pole count a conductor's wire system asks for: three phases 3, with
// a neutral 4.
int32_t PolesOfWireSystem(uint32_t wireSystem) {
    if (wireSystem == 1)
        return 3;
    if (wireSystem == 2 || wireSystem == 3)
        return 4;
    return 0;
}

} // namespace

CObjElement::CObjElement(int32_t kind) : m_nKind(kind) {
    SetModel(ElementKindTable::Create(kind));
    TV_DO(kElectrical, (m.m_listRefV1.DoAddNew(), m.m_listRefV4.DoAddNew()));
    // The breakers and the thermal relay start with one characteristic.
    TV_DO(kCharacteristicKinds, m.DoAddNewObjAdjust());
}

CObjElement::CObjElement(const CObjElement& other) : fw::CObject(other), m_nKind(other.m_nKind) {
    if (other.m_pModel)
        SetModel(ElementKindTable::Copy(other.m_nKind, *other.m_pModel));
}

CObjElement& CObjElement::operator=(const CObjElement& other) {
    if (&other == this)
        return *this;
    // The copy is made before the old model goes, so a failed copy leaves
    // this element as it was.
    std::unique_ptr<CEleHead> copy;
    if (other.m_pModel)
        copy = ElementKindTable::Copy(other.m_nKind, *other.m_pModel);
    m_nKind = other.m_nKind;
    SetModel(std::move(copy));
    return *this;
}

CObjElement::~CObjElement() = default;

void CObjElement::FreeModel() {
    SetModel(nullptr);
}

void CObjElement::SetModel(std::unique_ptr<CEleHead> model) {
    m_pModel = std::move(model);
    m_pCurves = dynamic_cast<CCurveOwner*>(m_pModel.get());
}

void CObjElement::Serialize(fw::CArchive& ar) {
    if (ar.IsStoring()) {
        ar << m_nKind;
        if (m_pModel)
            m_pModel->Serialize(ar);
        return;
    }
    int32_t kind = 0;
    ar >> kind;
    FreeModel();
    m_nKind = kind;
    // A new model reads its placements from the record: none is added.
    SetModel(ElementKindTable::Create(kind));
    if (m_pModel)
        m_pModel->Serialize(ar);
}

// ---- Identity, selection and marks ----

CEleHead* CObjElement::GetElement() const {
    return kElectrical.Has(m_nKind) ? m_pModel.get() : nullptr;
}

CEleHead* CObjElement::GetElementObject() const {
    return m_nKind != kKindSource ? GetElement() : nullptr;
}

uint32_t CObjElement::GetNumber() const {
    return TV_ANSWER(uint32_t, kElectrical, 0u, m.GetNumber());
}

std::string CObjElement::GetName() const {
    return TV_ANSWER(std::string, kAllKinds, std::string(), m.GetName());
}

void CObjElement::DoSetNewNumber(CElementDocument& doc) {
    if (!kElectrical.Has(m_nKind) || !m_pModel)
        return;
    int32_t number = doc.IncrementCounter(m_nKind);
    TV_DO(kElectrical, m.DoSetNewNumber(static_cast<uint32_t>(number)));
}

void CObjElement::DoSetName(CElementDocument& doc) {
    if (!kElectrical.Has(m_nKind) || !m_pModel)
        return;
    const std::string name =
        fw::LoadString(SymbolTextId(m_nKind)) + std::to_string(doc.GetCounter(m_nKind));
    TV_DO(kElectrical, m.SetName(name));
}

void CObjElement::DoInitNewElement(CElementDocument& doc) {
    if (!m_pModel)
        return;
    CEleInitArgs args;
    args.nNumber = static_cast<uint32_t>(doc.IncrementCounter(m_nKind));
    args.nFrequency = doc.GetFrequency();
    args.dBaseCapacity = doc.GetBaseCapacity();

    const bool horizontal = IsHorizontal() != 0;
    int32_t mask = 0;
    switch (m_nKind) {
    case kKindHVCB:
    case kKindThermal:
    case kKindContactor:
        mask = kDirUp | kDirDown;
        break;
    case kKindLVCB:
    case kKindBusBar:
    case kKindWire:
    case kKindBusDuct:
        mask = horizontal ? (kDirRight | kDirLeft) : (kDirUp | kDirDown);
        break;
    case kKindSource:
    case kKindGenerator:
        mask = kDirDown;
        break;
    case kKindMotorEff:
    case kKindMotor:
    case kKindLoad:
    case kKindCapacitor:
        mask = kDirUp;
        break;
    case kKindZeroCond:
        mask = kDirUp | kDirRight | kDirDown | kDirLeft;
        break;
    default: // transformers ask above and below apart; the text box asks nothing
        break;
    }
    if (m_nKind == kKindTrans3 || m_nKind == kKindTrans1) {
        args.nVoltageUp = doc.FindVoltage(this, &args.nSinglePhase, kDirUp);
        args.nVoltageDown = doc.FindVoltage(this, nullptr, kDirDown);
        args.nVoltage = args.nVoltageUp;
        args.nEarthing = doc.FindEarthingSystem(this, kDirUp | kDirDown);
        args.nWireSystem = doc.FindWireSystem(this, kDirUp | kDirDown);
    } else if (mask != 0) {
        args.nVoltage = doc.FindVoltage(this, &args.nSinglePhase, mask);
        args.nEarthing = doc.FindEarthingSystem(this, mask);
        args.nWireSystem = doc.FindWireSystem(this, mask);
    }
    if (m_nKind == kKindMotorEff)
        args.dSupplyCapacity = doc.GetUpstreamCapacity(this);

    TV_DO(kAllKinds, m.DoInitNewElement(args));

    // The element's own values go on to the circuit around it.
    const int32_t flag = IsSinglePhase();
    const int32_t earthing = static_cast<int32_t>(GetEarthingSystem());
    const int32_t wire = static_cast<int32_t>(GetWireSystem());
    const int32_t poles = m_nKind == kKindLVCB ? -1 : 0;
    auto downAndUp = [&] {
        doc.DoPropagateDown(this, flag, GetVoltage(1), earthing, wire, poles);
        doc.DoPropagateUp(this, flag, GetVoltage(0), earthing, wire, poles);
    };
    auto sideways = [&] {
        doc.DoPropagateLeft(this, GetVoltage(0), earthing, wire, poles);
        doc.DoPropagateRight(this, GetVoltage(0), earthing, wire, poles);
    };
    switch (m_nKind) {
    case kKindHVCB:
    case kKindThermal:
    case kKindContactor:
        downAndUp();
        break;
    case kKindLVCB:
    case kKindBusBar:
    case kKindWire:
    case kKindBusDuct:
        if (horizontal)
            sideways();
        else
            downAndUp();
        break;
    case kKindSource:
    case kKindGenerator:
        if (args.nSinglePhase != 1)
            doc.DoPropagateDown(this, flag, GetVoltage(1), earthing, wire, poles);
        break;
    case kKindZeroCond:
        downAndUp();
        sideways();
        break;
    default:
        break;
    }
}

int32_t CObjElement::GetSelect() const {
    return TV_ANSWER(int32_t, kElectrical, 0, m.GetSelect());
}

void CObjElement::SetSelect(int32_t value) {
    TV_DO(kAllKinds, m.SetSelect(value));
}

void CObjElement::DoSelect(int32_t code, int32_t value, uint32_t flags) {
    TV_DO(kAllKinds, m.DoSelect(code, value, flags));
}

int32_t CObjElement::IsSelected(int32_t code) const {
    return TV_ANSWER(int32_t, kAllKinds, 0, m.IsSelected(code));
}

CObjRefV1* CObjElement::GetOnlyRefV1() const {
    return TV_ANSWER(CObjRefV1*, kElectrical, nullptr, m.GetOnlyRefV1());
}

uint32_t CObjElement::GetErrorMark() const {
    return TV_ANSWER(uint32_t, kElectrical, 0u, m.GetErrorMark());
}

void CObjElement::SetErrorMark(uint32_t mark) {
    TV_DO(kElectrical, m.SetErrorMark(mark));
}

// ---- Circuit values ----

int32_t CObjElement::GetVoltage(int32_t side) const {
    return TV_ANSWER(int32_t, kElectrical, 0, m.GetVoltage(side));
}

int32_t CObjElement::SetVoltage(int32_t volts, int32_t side) {
    return TV_ANSWER(int32_t, kElectrical, volts, m.SetVoltage(volts, side));
}

uint32_t CObjElement::GetEarthingSystem() const {
    return TV_ANSWER(uint32_t, kElectrical, 0u, m.GetEarthingSystem());
}

uint32_t CObjElement::SetEarthingSystem(uint32_t code) {
    return TV_ANSWER(uint32_t, kElectrical, code, m.SetEarthingSystem(code));
}

uint32_t CObjElement::GetWireSystem() const {
    return TV_ANSWER(uint32_t, kElectrical, 0u, m.GetWireSystem());
}

uint32_t CObjElement::SetWireSystem(uint32_t code) {
    return TV_ANSWER(uint32_t, kElectrical, code, m.SetWireSystem(code));
}

int32_t CObjElement::DoSetPoles(int32_t poles) {
    return TV_ANSWER(int32_t, KindSet{kKindLVCB}, poles, m.DoSetPoles(poles));
}

void CObjElement::SetSinglePhase(int32_t flag) {
    TV_DO(kSinglePhaseKinds, m.SetSinglePhase(flag));
}

int32_t CObjElement::IsSinglePhase() const {
    if (m_nKind == kKindTrans1)
        return 1; // a single-phase transformer, whatever its data
    return TV_ANSWER(int32_t, kSinglePhaseKinds, 0, m.IsSinglePhase());
}

double CObjElement::GetCapacity() const {
    return TV_ANSWER(double, kCapacityKinds, 0.0, m.GetCapacity());
}

int32_t CObjElement::IsOff() const {
    return TV_ANSWER(int32_t, kBreakers, 0, m.IsOff());
}

int32_t CObjElement::IsCalcPoint() const {
    return TV_ANSWER(int32_t, kCalcPointKinds, 0, m.IsCalcPoint());
}

int32_t CObjElement::DoCheckData() const {
    return TV_ANSWER(int32_t, kElectrical, 0, m.DoCheckData());
}

int32_t CObjElement::IsOkRatedCurrent(double rating) const {
    return TV_ANSWER(int32_t, kConsumers, 1, m.IsOkRatedCurrent(rating));
}

void CObjElement::DoReadZFromDB(int32_t frequency) {
    TV_DO(kConductors, m.DoReadZFromDB(frequency));
}

const CInfoBase* CObjElement::GetFirstInfoBase() const {
    return TV_ANSWER(const CInfoBase*, KindSet{kKindLVCB}, nullptr, m.GetFirstInfoBase());
}

int32_t CObjElement::GetPoles() const {
    return TV_ANSWER(int32_t, KindSet{kKindLVCB}, 0, m.GetPoles());
}

int32_t CObjElement::GetCheckFlag() const {
    return TV_ANSWER(int32_t, KindSet{kKindLVCB}, 0, m.GetCheckFlag());
}

void CObjElement::SetCheckFlag(int32_t flag) {
    TV_DO(KindSet{kKindLVCB}, m.SetCheckFlag(flag));
}

void CObjElement::SetShockCheckFlag(int32_t flag) {
    TV_DO(KindSet{kKindLVCB}, m.SetShockCheckFlag(flag));
}

int32_t CObjElement::GetFeedMark() const {
    return TV_ANSWER(int32_t, KindSet{kKindLVCB}, 0, m.GetFeedMark());
}

void CObjElement::SetFeedMark(int32_t mark) {
    TV_DO(KindSet{kKindLVCB}, m.SetFeedMark(mark));
}

int32_t CObjElement::DoCheckCurrentCapacity(double current, uint32_t group) {
    return TV_ANSWER(int32_t, kConductors, 1, m.DoCheckCurrentCapacity(current, group));
}

// ---- Geometry and orientation ----

void CObjElement::GetSymbolRect(fw::CRect* rect, fw::CDC* pDC) const {
    *rect = fw::CRect();
    TV_DO(kAllKinds, m.GetSymbolRect(rect, pDC));
}

void CObjElement::SetSymbolRect(const fw::CPoint* topLeft, const fw::CRect* rect) {
    TV_DO(kAllKinds, m.SetSymbolRect(topLeft, rect));
}

void CObjElement::GetUnionRect(fw::CRect* rect) const {
    *rect = fw::CRect();
    TV_DO(kAllKinds, m.GetUnionRect(rect));
}

int32_t CObjElement::GetHorizontal() const {
    return TV_ANSWER(int32_t, kRotatable, 0, m.GetHorizontal());
}

int32_t CObjElement::IsHorizontal() const {
    return GetHorizontal() != 0 ? 1 : 0;
}

int32_t CObjElement::IsRotatable() const {
    return kRotatable.Has(m_nKind) && m_pModel ? 1 : 0;
}

int32_t CObjElement::HasUpperTerminal() const {
    switch (m_nKind) {
    case kKindHVCB:
    case kKindThermal:
    case kKindTrans3:
    case kKindContactor:
    case kKindTrans1:
    case kKindMotorEff:
    case kKindMotor:
    case kKindLoad:
    case kKindCapacitor:
    case kKindZeroCond:
        return 1;
    case kKindLVCB:
    case kKindBusBar:
    case kKindWire:
    case kKindBusDuct:
        return IsHorizontal() ? 0 : 1;
    default:
        return 0;
    }
}

int32_t CObjElement::HasLowerTerminal() const {
    switch (m_nKind) {
    case kKindHVCB:
    case kKindThermal:
    case kKindTrans3:
    case kKindContactor:
    case kKindTrans1:
    case kKindSource:
    case kKindGenerator:
    case kKindZeroCond:
        return 1;
    case kKindLVCB:
    case kKindBusBar:
    case kKindWire:
    case kKindBusDuct:
        return IsHorizontal() ? 0 : 1;
    default:
        return 0;
    }
}

int32_t CObjElement::HasSideTerminal() const {
    switch (m_nKind) {
    case kKindZeroCond:
        return 1;
    case kKindLVCB:
    case kKindBusBar:
    case kKindWire:
    case kKindBusDuct:
        return IsHorizontal();
    default:
        return 0;
    }
}

fw::CRect CObjElement::DoRotate(fw::CDC* pDC, int32_t mode) {
    return TV_ANSWER(fw::CRect, kRotatable, fw::CRect(), m.DoRotate(pDC, mode));
}

int32_t CObjElement::IsHittedSymbol(fw::CDC* pDC, fw::CPoint devicePoint, int32_t code) const {
    fw::CPoint point = devicePoint;
    if (pDC)
        pDC->DPtoLP(&point);
    return TV_ANSWER(int32_t, kAllKinds, 0, m.IsHittedSymbol(point, code));
}

// ---- Drawing and editing ----

namespace {

// Whether an element's symbol lies within two units of the rectangle: the
// only ones that can touch it (above, below or beside). A paint meets every
// element of the diagram for each zero conductor it draws; those far away
// are passed over before anything else is asked of them.
bool IsNear(const fw::CRect& symbol, const fw::CRect& other) {
    return other.left <= symbol.right + 2 && other.right >= symbol.left - 2 &&
           other.top <= symbol.bottom + 2 && other.bottom >= symbol.top - 2;
}

// What the zero conductor's symbol needs of the other elements of the
// diagram: their rectangles and terminals (other zero conductors left out),
// of those that can touch its symbol; the symbol draws a connection only to
// one above or below it, so the others would add nothing.
std::vector<CEleZeroCond::CConnected> ConnectedTo(const CObjElement* element,
                                                  const CObjElementList& diagram) {
    fw::CRect symbol;
    element->GetSymbolRect(&symbol);
    std::vector<CEleZeroCond::CConnected> others;
    for (CObjElement* e : diagram) {
        if (e->GetKind() == kKindZeroCond)
            continue;
        CEleZeroCond::CConnected c;
        e->GetSymbolRect(&c.rect);
        if (!IsNear(symbol, c.rect))
            continue;
        c.hasUpper = e->HasUpperTerminal() != 0;
        c.hasLower = e->HasLowerTerminal() != 0;
        others.push_back(c);
    }
    return others;
}

// Whether something is connected at the zero conductor's left and right,
// looked for among the elements that can touch it.
CEleZeroCond::CNeighbours NeighboursOf(CObjElement* element, const CObjElementList& diagram) {
    fw::CRect symbol;
    element->GetSymbolRect(&symbol);
    CObjElementList near;
    for (CObjElement* e : diagram) {
        fw::CRect r;
        e->GetSymbolRect(&r);
        if (e == element || IsNear(symbol, r))
            near.AddTail(e);
    }
    CEleZeroCond::CNeighbours n;
    n.left = near.FindNeighbour(element, kDirLeft, 0) != nullptr;
    n.right = near.FindNeighbour(element, kDirRight, 0) != nullptr;
    return n;
}

} // namespace

void CObjElement::DoDrawSkeleton(fw::CDC* pDC, const CEleDocSettings& settings,
                                 const CObjElementList* diagram) {
    if (m_nKind == kKindZeroCond && m_pModel && diagram) {
        auto& zc = static_cast<CEleZeroCond&>(*m_pModel);
        zc.DoDrawSymbol(pDC, 0, ConnectedTo(this, *diagram));
        zc.DoDrawRefV1List(pDC, settings);
        return;
    }
    TV_DO(kAllKinds, m.DoDrawSymbol(pDC, 0));
    TV_DO(kElectrical, m.DoDrawRefV1List(pDC, settings));
}

void CObjElement::DoDrawImpeMap(fw::CDC* pDC, const CEleDocSettings& settings,
                                const CObjElementList* diagram) {
    if (m_nKind == kKindZeroCond && m_pModel && diagram) {
        auto& zc = static_cast<CEleZeroCond&>(*m_pModel);
        zc.DoDrawSymbol(pDC, 1, ConnectedTo(this, *diagram));
        zc.DoDrawRefV4List(pDC, settings);
        return;
    }
    TV_DO(kElectrical, m.DoDrawSymbol(pDC, 1));
    TV_DO(kElectrical, m.DoDrawRefV4List(pDC, settings));
}

void CObjElement::DoCalcLabelV1(fw::CDC* pDC, const CEleDocSettings& settings,
                                const CObjElementList* diagram) {
    if (m_nKind == kKindZeroCond && m_pModel && diagram) {
        static_cast<CEleZeroCond&>(*m_pModel).DoLayoutRefV1List(pDC, settings,
                                                                NeighboursOf(this, *diagram));
        return;
    }
    TV_DO(kElectrical, m.DoLayoutRefV1List(pDC, settings));
}

void CObjElement::DoCalcLabelV4(fw::CDC* pDC, const CEleDocSettings& settings,
                                const CObjElementList* diagram) {
    if (m_nKind == kKindZeroCond && m_pModel && diagram) {
        static_cast<CEleZeroCond&>(*m_pModel).DoLayoutRefV4List(pDC, settings,
                                                                NeighboursOf(this, *diagram));
        return;
    }
    TV_DO(kElectrical, m.DoLayoutRefV4List(pDC, settings));
}

int32_t CObjElement::DoEditElement(CElementDocument& doc, fw::CDC* pDC,
                                   const CEleInvalidate& invalidate, int32_t oldVolts[2],
                                   int32_t newVolts[2]) {
    const bool transformer = m_nKind == kKindTrans3 || m_nKind == kKindTrans1;
    const bool reportsVoltage = transformer || m_nKind == kKindHVCB || m_nKind == kKindLVCB ||
                                m_nKind == kKindThermal || m_nKind == kKindSource ||
                                m_nKind == kKindGenerator;
    auto report = [&](int32_t volts[2]) {
        volts[0] = reportsVoltage ? GetVoltage(0) : 0;
        volts[1] = transformer ? GetVoltage(1) : 0;
    };
    report(oldVolts);
    newVolts[0] = oldVolts[0];
    newVolts[1] = oldVolts[1];

    CEleEditContext ctx;
    ctx.settings.nMode = doc.GetMode();
    ctx.settings.nFrequency = doc.GetFrequency();
    ctx.settings.dBaseCapacity = doc.GetBaseCapacity();
    ctx.pDC = pDC;
    ctx.saveUndo = [&doc] { doc.SaveUndo(); };
    ctx.returnToCheckMode = [&doc] { doc.DoReturnToCheckMode(); };
    ctx.returnToDrawingMode = [&doc] { doc.DoReturnToDrawingMode(); };
    ctx.clearUpstreamMarkers = [&doc](uint32_t kind, uint32_t number) {
        doc.DoClearUpstreamMarkers(kind, number);
    };
    ctx.invalidate = invalidate;
    ctx.setFrequency = [&doc](int32_t frequency) { doc.DoChangeFrequency(frequency); };
    // A protective device whose neighbours fix its voltage (a supply above
    // it, a transformer below) keeps that voltage: its dialog locks the box.
    int32_t lockMask = 0;
    if (m_nKind == kKindHVCB || m_nKind == kKindThermal)
        lockMask = kDirUp | kDirDown;
    else if (m_nKind == kKindLVCB)
        lockMask = IsHorizontal() ? (kDirRight | kDirLeft) : (kDirUp | kDirDown);
    if (lockMask != 0)
        ctx.nVoltageLock = std::max(0, doc.FindVoltage(this, nullptr, lockMask));
    ctx.findUpstream = [&doc](CCurrent& marker, double* rated, double* iinst, double* icu) {
        return doc.GetUpstreamAdjust(marker, rated, iinst, icu);
    };

    const uint32_t oldEarthing = GetEarthingSystem();
    int32_t result = TV_ANSWER(int32_t, kAllKinds, kEditCancelled, m.DoEditElement(ctx));
    if (m_nKind == kKindText)
        return kEditCancelled;
    if (result != 1)
        return result;
    report(newVolts);

    const int32_t flag = IsSinglePhase();
    const int32_t earthing = static_cast<int32_t>(GetEarthingSystem());
    const int32_t wire = static_cast<int32_t>(GetWireSystem());
    switch (m_nKind) {
    case kKindLVCB: {
        const int32_t poles = TV_ANSWER(int32_t, KindSet{kKindLVCB}, 0, m.GetPoles());
        if (IsHorizontal()) {
            doc.DoPropagateLeft(this, 0, earthing, wire, poles);
            doc.DoPropagateRight(this, 0, earthing, wire, poles);
        } else {
            doc.DoPropagateUp(this, flag, 0, earthing, wire, poles);
            doc.DoPropagateDown(this, flag, 0, earthing, wire, poles);
        }
        break;
    }
    case kKindBusBar:
    case kKindWire:
    case kKindBusDuct: {
        const int32_t poles = PolesOfWireSystem(GetWireSystem());
        if (IsHorizontal()) {
            doc.DoPropagateLeft(this, 0, earthing, wire, poles);
            doc.DoPropagateRight(this, 0, earthing, wire, poles);
        } else {
            doc.DoPropagateUp(this, flag, 0, earthing, wire, poles);
            doc.DoPropagateDown(this, flag, 0, earthing, wire, poles);
        }
        break;
    }
    case kKindSource:
        // A source feeds TT with three phases below it.
        doc.DoPropagateDown(this, 0, GetVoltage(1), 4, 1, 0);
        break;
    case kKindGenerator:
        doc.DoPropagateDown(this, 0, GetVoltage(1), earthing, wire, 0);
        break;
    case kKindTrans3:
    case kKindTrans1: {
        doc.DoPropagateUp(this, 0, GetVoltage(0), 0, 0, 0);
        // The single-phase transformer always passes 1: either the changed
        // earthing's flag or the dialog's result.
        const int32_t downFlag = m_nKind == kKindTrans1 ? 1 : 0;
        if (GetEarthingSystem() != oldEarthing) {
            const uint32_t newWire = DLLGetDefaultWireSystem(GetEarthingSystem());
            SetWireSystem(newWire);
            doc.DoPropagateDown(this, downFlag, GetVoltage(1),
                                static_cast<int32_t>(GetEarthingSystem()),
                                static_cast<int32_t>(newWire), 0);
        } else {
            doc.DoPropagateDown(this, downFlag, GetVoltage(1), 0, 0, 0);
        }
        break;
    }
    default: // the others push nothing from here
        break;
    }
    return result;
}

// ---- Short-circuit calculation ----

CPercentZ CObjElement::DoCalcPercentZ(const CEleDocSettings& settings) const {
    CPercentZ z;
    TV_DO(kPercentZKinds, m.DoCalcPercentZ(z, settings));
    return z;
}

CPercentZ CObjElement::DoCalcPercentZNPE(const CEleDocSettings& settings) const {
    CPercentZ z;
    TV_DO(kConductors, m.DoCalcPercentZNPE(z, settings));
    return z;
}

double CObjElement::DoCalcDecayCurrent(const CEleDocSettings& settings, double r, double x) const {
    return TV_ANSWER(double, kMachines, 0.0, m.DoCalcDecayCurrent(settings, r, x));
}

CPercentZ CObjElement::DoSetCalcZ(double baseCapacity, const CPercentZ* first,
                                  const CPercentZ* second) {
    CPercentZ z;
    TV_DO(kSetCalcZKinds, m.DoSetCalcZ(z, baseCapacity, first, second));
    return z;
}

CPercentZ CObjElement::DoSetCalcZ2(double baseCapacity, const CPercentZ* first,
                                   const CPercentZ* second) {
    CPercentZ z;
    TV_DO(kCalcPointKinds, m.DoSetCalcZ2(z, baseCapacity, first, second));
    return z;
}

CPercentZ CObjElement::DoSetCalcZ2Ex(double baseCapacity, const CPercentZ* first,
                                     const CPercentZ* second) {
    CPercentZ z;
    TV_DO(kCalcPointKinds, m.DoSetCalcZ2Ex(z, baseCapacity, first, second));
    return z;
}

void CObjElement::DoClearCalcZ() {
    TV_DO(kCalcPointKinds, m.DoClearCalcZ());
}

void CObjElement::DoClearCalcZ2() {
    TV_DO(kCalcPointKinds, m.DoClearCalcZ2());
}

void CObjElement::DoClearCalcZ2Ex() {
    TV_DO(kCalcPointKinds, m.DoClearCalcZ2Ex());
}

// ---- Curves on co-ordination graphs ----
//
// Every model with curves is a curve owner; the element hands each operation
// to it, whatever the kind. A model without curves gives the neutral answer.

int32_t CObjElement::IsOnGraph(uint32_t graphNo) const {
    return m_pCurves ? m_pCurves->IsOnGraph(graphNo) : 0;
}

int32_t CObjElement::IsAddableToGraph(uint32_t graphNo) const {
    return m_pCurves ? m_pCurves->IsAddableToGraph(graphNo) : 0;
}

void CObjElement::AddToGraph(uint32_t graphNo, int32_t selected) {
    if (m_pCurves)
        m_pCurves->AddToGraph(graphNo, selected);
}

void CObjElement::AddToGraph(uint32_t graphNo, int32_t selected, uint32_t graphKind) {
    if (m_pCurves)
        m_pCurves->AddToGraph(graphNo, selected, graphKind);
}

void CObjElement::RemoveFromGraph(uint32_t graphNo) {
    if (m_pCurves)
        m_pCurves->RemoveFromGraph(graphNo);
}

CObjRefV2* CObjElement::GetCurveRefV2(const CObjGraph* graph) const {
    return m_pCurves ? m_pCurves->GetCurveRefV2(graph) : nullptr;
}

void CObjElement::DoDrawCurve(fw::CDC* pDC, CObjGraph* graph, const CEleDocSettings& settings) {
    if (m_pCurves)
        m_pCurves->DoDrawCurve(pDC, graph, settings);
}

void CObjElement::DoInvalidateCurve(fw::CDC* pDC, CObjGraph* graph, int32_t code,
                                    const CEleInvalidate& invalidate) {
    if (m_pCurves)
        m_pCurves->DoInvalidateCurve(pDC, graph, code, invalidate);
}

int32_t CObjElement::IsHittedCurve(fw::CDC* pDC, CObjGraph* graph, fw::CPoint point, int32_t code) {
    return m_pCurves ? m_pCurves->IsHittedCurve(pDC, graph, point, code) : 0;
}

void CObjElement::DoSelectCurve(const CObjGraph* graph, int32_t value, uint32_t flags,
                                int32_t code) {
    if (m_pCurves)
        m_pCurves->DoSelectCurve(graph, value, flags, code);
}

void CObjElement::SetSelectCurve(int32_t value) {
    if (m_pCurves)
        m_pCurves->SetSelectCurve(value);
}

int32_t CObjElement::IsSelectedCurve(const CObjGraph* graph, int32_t code) const {
    return m_pCurves ? m_pCurves->IsSelectedCurve(graph, code) : 0;
}

void CObjElement::DoDrawGapValue(fw::CDC* pDC, CObjGraph* graph, CGapLine* gapLine, int32_t labels,
                                 const CEleInvalidate& invalidate) {
    if (m_pCurves)
        m_pCurves->DoDrawGapValue(pDC, graph, gapLine, labels, invalidate);
}

int32_t CObjElement::DoDrawGapLine(fw::CDC* pDC, CObjGraph* graph, CGapLine* gapLine, int32_t flag,
                                   int32_t running) {
    return m_pCurves ? m_pCurves->DoDrawGapLine(pDC, graph, gapLine, flag, running) : running;
}

void CObjElement::DoDXFOutCurve(std::ostream& file, CObjGraph* graph,
                                const CEleDocSettings& settings) {
    if (m_pCurves)
        m_pCurves->DoDXFOutCurve(file, graph, settings);
}

void CObjElement::DoCalcCurve(int32_t frequency) {
    if (m_pCurves)
        m_pCurves->DoCalcCurve(frequency);
}

void CObjElement::DoDrawCurveLabel(fw::CDC* pDC, CObjGraph* graph, const CCurveChange& change) {
    if (m_pCurves)
        m_pCurves->DoDrawCurveLabel(pDC, graph, change);
}

void CObjElement::SetCurveBand(int32_t band) {
    if (m_pCurves)
        m_pCurves->SetCurveBand(band);
}

CObjAdjust* CObjElement::GetObjAdjust(int32_t* which) const {
    return m_pCurves ? m_pCurves->GetObjAdjust(which) : nullptr;
}

void CObjElement::GetGraphNoLists(std::vector<CGraphNoList*>& lists) {
    if (m_pCurves)
        m_pCurves->GetGraphNoLists(lists);
}

void CObjElement::DoConvertGraphLabels(const CObjGraph& graph) {
    std::vector<CGraphNoList*> lists;
    GetGraphNoLists(lists);
    for (CGraphNoList* list : lists)
        if (list)
            curvelabel::DoConvertLabels(*list, graph);
}
